#include "core/decisions.h"

#include "core/game_state.h"
#include "core/random.h"
#include "core/state_checksum.h"
#include "platform/text.h"

namespace {
enum class Mode { Off, Live, Replay };
Mode mode = Mode::Off;
bool liveAfterReplay = false;
std::vector<RaceEvent> record;
size_t nextEvent = 0;  // in a replay, the next event of the record to feed
std::function<void(const RaceEvent&)> observer;
PersonDriver* personDriver = nullptr;
RemoteSeats* remoteSeats = nullptr;
std::function<void()> caughtUp;

// The stand-in driver of this car, when it is a person's and one is set.
PersonDriver* StandInFor(int car) {
    if (!personDriver || car < 1 || car > game.carCount || IsComputerDriven(game.cars[car])) return nullptr;
    return personDriver;
}

const char* KindName(RaceEventKind kind) {
    switch (kind) {
        case RaceEventKind::Cross: return "croix";
        case RaceEventKind::Answer: return "réponse";
        case RaceEventKind::DieStop: return "dé";
        case RaceEventKind::Target: return "cible";
        case RaceEventKind::Button: return "bouton";
        case RaceEventKind::EndTurn: return "fin de tour";
        case RaceEventKind::TurnStart: return "tour";
        case RaceEventKind::RaceEnd: return "fin";
        case RaceEventKind::HandOver: return "relève";
    }
    return "?";
}

void Record(const RaceEvent& event, bool decidedHere = true) {
    record.push_back(event);
    if (observer) observer(event);
    if (remoteSeats) remoteSeats->Recorded(record.size() - 1, record.back(), decidedHere);
}

bool FromElsewhere(int car) { return mode == Mode::Live && remoteSeats && remoteSeats->DecidedElsewhere(car); }

// Once the record is fed whole, the replay ends or the race goes on live.
bool RecordFedWhole() {
    if (nextEvent < record.size()) return false;
    if (!liveAfterReplay) throw RecordRanOut();
    mode = Mode::Live;
    return true;
}

[[noreturn]] void Disagree(RaceEventKind kind, int car, const RaceEvent& found, size_t number,
                           const char* source = "le journal") {
    throw ReplayStopped(std::string(source) + " attendait " + KindName(found.kind) + " de la voiture " +
                        std::to_string(found.car) + ", la course demande " + KindName(kind) +
                        " de la voiture " + std::to_string(car) + " (événement " + std::to_string(number) + ")");
}

// The decision of a car seated on another machine, once it has come; none
// when that machine left (the car is decided here from now on).
std::optional<RaceEvent> AwaitFromElsewhere(RaceEventKind kind, int car) {
    const std::optional<RaceEvent> event = remoteSeats->AwaitDecision(record.size(), car);
    if (!event) return std::nullopt;
    if (event->kind != kind || event->car != car) Disagree(kind, car, *event, record.size() + 1, "l'autre machine");
    SkipRandom(static_cast<unsigned long long>(event->draws));
    Record(*event, false);
    return event;
}

// The next event of the record, now fed.
const RaceEvent& Feed() {
    const RaceEvent& event = record[nextEvent++];
    if (nextEvent == record.size() && liveAfterReplay && caughtUp) caughtUp();
    return event;
}

bool NextIs(RaceEventKind kind, int car) {
    const RaceEvent& next = record[nextEvent];
    return next.kind == kind && next.car == car;
}

// A person's car whose machine left: the computer drives it from now on,
// which the record keeps so that a replay does the same at the same place.
void HandOverToTheComputer(int car) {
    game.cars[car].controller = L"IA";
    Record({RaceEventKind::HandOver, car, 0, 0, {}});
}

// In a replay, a car handed over to the computer here is handed over again.
void FeedHandOver(int car) {
    if (nextEvent >= record.size() || !NextIs(RaceEventKind::HandOver, car)) return;
    game.cars[car].controller = L"IA";
    Feed();
}

std::string StateDifference(const std::vector<uint32_t>& expected, const std::vector<uint32_t>& found) {
    if (expected.size() != found.size()) return "nombre de voitures";
    for (size_t i = 0; i < expected.size(); ++i)
        if (expected[i] != found[i]) return ToUtf8(StatePartName(static_cast<int>(i), game.carCount));
    return "";
}
}  // namespace

void SetPersonDriver(PersonDriver* driver) { personDriver = driver; }

void SetRemoteSeats(RemoteSeats* seats) { remoteSeats = seats; }

bool DecidedOnAnotherMachine(int car) { return remoteSeats && remoteSeats->DecidedElsewhere(car); }

void StartRecording() {
    mode = Mode::Live;
    record.clear();
    nextEvent = 0;
}

void StartReplay(std::vector<RaceEvent> events, bool thenLive) {
    mode = Mode::Replay;
    liveAfterReplay = thenLive;
    record = std::move(events);
    nextEvent = 0;
}

void SetCaughtUpHandler(std::function<void()> handler) { caughtUp = std::move(handler); }

bool Replaying() { return mode == Mode::Replay && nextEvent < record.size(); }

void StopRecording() {
    mode = Mode::Off;
    record.clear();
    nextEvent = 0;
}

const std::vector<RaceEvent>& RaceRecord() { return record; }

void SetRaceEventObserver(std::function<void(const RaceEvent&)> newObserver) { observer = std::move(newObserver); }

int Decide(RaceEventKind kind, int car, const std::function<int()>& ask, const std::vector<int>& offered) {
    if (mode == Mode::Replay) FeedHandOver(car);
    if (mode == Mode::Replay && !RecordFedWhole()) {
        if (!NextIs(kind, car)) Disagree(kind, car, record[nextEvent], nextEvent + 1);
        const RaceEvent& event = Feed();
        SkipRandom(static_cast<unsigned long long>(event.draws));
        return event.value;
    }
    // Over the network, the screen's own question ("Quitter") is this
    // machine's alone: no other machine asks it, so it is no decision of
    // the race.
    if (car == 0 && mode == Mode::Live && remoteSeats) return ask();
    if (FromElsewhere(car)) {
        if (const std::optional<RaceEvent> event = AwaitFromElsewhere(kind, car)) return event->value;
        if (remoteSeats->PersonLeft(car)) {
            HandOverToTheComputer(car);
            const int value = offered.empty() ? 0 : offered[offered.size() / 2];
            Record({kind, car, value, 0, {}});
            return value;
        }
    }
    // A die's faces are drawn again from its recorded stop: they are not
    // the driver's draws.
    const unsigned long long before = RandomDraws();
    PersonDriver* standIn = StandInFor(car);
    const int value = standIn ? standIn->Choose(kind, car, offered) : ask();
    const int draws = kind == RaceEventKind::DieStop ? 0 : static_cast<int>(RandomDraws() - before);
    if (mode == Mode::Live) Record({kind, car, value, draws, {}});
    return value;
}

bool DecideIfTaken(RaceEventKind kind, int car, int value, bool taken) {
    if (mode == Mode::Replay) FeedHandOver(car);
    if (mode == Mode::Replay && !RecordFedWhole()) {
        const RaceEvent& next = record[nextEvent];
        if (!NextIs(kind, car) || next.value != value) return false;
        Feed();
        return true;
    }
    if (FromElsewhere(car)) {
        // Taken when the other machine's next decision is this one.
        if (const std::optional<RaceEvent> next = remoteSeats->AwaitDecision(record.size(), car)) {
            if (next->kind != kind || next->car != car || next->value != value) return false;
            AwaitFromElsewhere(kind, car);
            return true;
        }
        if (remoteSeats->PersonLeft(car)) {
            HandOverToTheComputer(car);
            taken = kind == RaceEventKind::EndTurn;
        }
    }
    if (PersonDriver* standIn = StandInFor(car)) taken = taken || standIn->Take(kind, car, value);
    if (taken && mode == Mode::Live) Record({kind, car, value, 0, {}});
    return taken;
}

void CheckState(RaceEventKind kind, int car, int value) {
    if (kind == RaceEventKind::TurnStart && game.pauseAtNextTurn) {
        game.pauseAtNextTurn = 0;
        game.paused = 1;
    }
    if (mode == Mode::Off) return;
    std::vector<uint32_t> sums = StateSums();
    if (mode == Mode::Replay && !RecordFedWhole()) {
        const RaceEvent& next = record[nextEvent];
        if (!NextIs(kind, car) || next.value != value) Disagree(kind, car, next, nextEvent + 1);
        const std::string part = StateDifference(next.sums, sums);
        if (!part.empty())
            throw ReplayStopped("le tour " + std::to_string(value) + " de la voiture " + std::to_string(car) +
                                " diffère : " + part);
        Feed();
        return;
    }
    Record({kind, car, value, 0, std::move(sums)});
}
