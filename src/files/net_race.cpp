#include "files/net_race.h"

#include <algorithm>
#include <cmath>

#include "core/game_state.h"
#include "core/game_version.h"
#include "core/state_checksum.h"
#include "files/race_journal.h"
#include "platform/clock.h"
#include "platform/net_link.h"
#include "platform/text.h"

namespace {
constexpr int kHostPeer = 1;                // a joiner's only peer
constexpr double kJoinersLeaveSeconds = 120;  // the host's wait for its joiners to finish the race
constexpr double kHostAnswerSeconds = 10;     // a joiner's wait for the host to take his leave
constexpr int kSilenceMs = 5000;              // a machine silent this long is gone

bool IsCheck(RaceEventKind kind) { return kind == RaceEventKind::TurnStart || kind == RaceEventKind::RaceEnd; }

std::wstring Number(long long n) { return std::to_wstring(n); }

// A player awaited for `seconds` more; 0: he came back.
NetMessage AbsentMessage(int seat, int seconds) {
    NetMessage m;
    m.kind = NetKind::Absent;
    m.seat = seat;
    m.seconds = seconds;
    return m;
}

// Why a joiner of another game's version cannot share the race; empty
// when he plays this one.
std::wstring VersionRefusal(const std::string& theirs) {
    if (theirs == kGameVersion) return L"";
    return L"L'hôte joue la version " + FromUtf8(kGameVersion) + L" du jeu, vous la version " + FromUtf8(theirs) +
           L" : la course ne peut pas être partagée.";
}

NetMessage TextMessage(NetKind kind, const std::wstring& text) {
    NetMessage m;
    m.kind = kind;
    m.text = text;
    return m;
}
}  // namespace

const char* NetRace::GameVersion() { return kGameVersion; }

NetRace::NetRace(std::unique_ptr<NetLink> link, int seat) : link_(std::move(link)), seat_(seat) {}
NetRace::~NetRace() = default;

std::unique_ptr<NetRace> NetRace::Host(uint16_t port, int places, std::wstring& error) {
    std::string why;
    // Connections for the most places a race has and a few more, to tell
    // late joiners the race is full.
    std::unique_ptr<NetLink> link = NetLink::Host(port, kMaxNetPlaces + 4, why);
    if (!link) {
        error = FromUtf8(why);
        return nullptr;
    }
    std::unique_ptr<NetRace> race(new NetRace(std::move(link), kSeatHost));
    race->places_ = places;
    return race;
}

std::unique_ptr<NetRace> NetRace::Join(const std::string& address, uint16_t port, const NetPilot& pilot,
                                       std::wstring& error) {
    std::string why;
    std::unique_ptr<NetLink> link = NetLink::Join(address, port, why);
    if (!link) {
        error = FromUtf8(why);
        return nullptr;
    }
    std::unique_ptr<NetRace> race(new NetRace(std::move(link), kSeatEveryMachine));
    race->joiners_.push_back(pilot);  // his own pilot, sent once the host answers
    return race;
}

uint16_t NetRace::Port() const { return link_->Port(); }

unsigned long long NetRace::BytesSent() const { return link_->BytesSent(); }

// The host speaks to the machines seated in the race only.
void NetRace::Send(const NetMessage& message, int exceptPeer) {
    const std::string bytes = EncodeNetMessage(message);
    if (!Hosting()) link_->Send(kHostPeer, bytes);
    else
        for (const auto& [peer, seat] : seatOfPeer_)
            if (peer != exceptPeer) link_->Send(peer, bytes);
}

void NetRace::SendTo(int peer, const NetMessage& message) { link_->Send(peer, EncodeNetMessage(message)); }

void NetRace::Refuse(int peer, const std::wstring& why) {
    SendTo(peer, TextMessage(NetKind::Refused, why));
    link_->Disconnect(peer);
}

void NetRace::ThrowIfStopped() const {
    if (stopped_) throw NetRaceStopped(ToUtf8(stopText_));
}

void NetRace::Service(int waitMs) {
    for (const NetLinkEvent& event : link_->Poll(waitMs)) {
        if (event.kind == NetLinkEvent::Kind::Connected) {
            link_->SetTimeout(event.peer, kSilenceMs);
            if (!Hosting() && !joiners_.empty()) {
                NetMessage hello;
                hello.kind = NetKind::Hello;
                hello.gameVersion = GameVersion();
                hello.pilotName = joiners_[0].name;
                hello.driver = joiners_[0].driver;
                hello.pilotFile = joiners_[0].fileBytes;
                Send(hello);
            }
        } else if (event.kind == NetLinkEvent::Kind::Disconnected) {
            HandleLeaving(event.peer);
        } else {
            NetMessage message;
            if (DecodeNetMessage(event.bytes, message)) Handle(event.peer, message);
            else HandleUnreadable(event.peer, event.bytes);
        }
    }
}

void NetRace::HandleLeaving(int peer) {
    if (!Hosting()) {
        if (!stopped_ && !finished_ && !seatsFinished_.count(kSeatHost)) Stop(L"L'hôte a quitté la course : elle s'arrête.");
        return;
    }
    const auto seat = seatOfPeer_.find(peer);
    if (seat == seatOfPeer_.end()) return;
    const int leaving = seat->second;
    seatOfPeer_.erase(seat);
    if (!started_) {
        for (size_t i = 0; i < joiners_.size(); ++i)
            if (joiners_[i].seat == leaving) joiners_.erase(joiners_.begin() + static_cast<long>(i));
    } else if (!seatsFinished_.count(leaving) && !stopped_ && !takenOver_.count(leaving)) {
        NoteAbsence(leaving, absenceSeconds_);
        Send(AbsentMessage(leaving, absenceSeconds_));
    }
}

void NetRace::TakeOverSeat(int seat, size_t place) {
    NetMessage takeOver;
    takeOver.kind = NetKind::TakeOver;
    takeOver.seat = seat;
    takeOver.index = static_cast<uint32_t>(place);
    Send(takeOver);
    link_->Flush();
    NoteTakeOver(seat, place);
}

void NetRace::NoteTakeOver(int seat, size_t place) {
    absentUntil_.erase(seat);
    if (takenOver_.count(seat)) return;
    takenOver_[seat] = place;
    notices_.push_back(seat == seat_ ? std::wstring(L"L'ordinateur conduit votre voiture jusqu'à la fin de la course.")
                                     : L"Le joueur de la machine " + Number(seat) +
                                           L" a quitté la course : l'ordinateur conduit sa voiture.");
}

void NetRace::NoteAbsence(int seat, int seconds) {
    if (seconds <= 0) {
        if (absentUntil_.erase(seat))
            notices_.push_back(L"Le joueur de la machine " + Number(seat) + L" est revenu dans la course.");
        return;
    }
    absentUntil_[seat] = SteadySeconds() + seconds;
    notices_.push_back(AbsenceText());
}

std::wstring NetRace::AbsenceText() const {
    for (const auto& [seat, until] : absentUntil_) {
        const double left = std::ceil(until - SteadySeconds());
        if (left > 0)
            return L"Le joueur de la machine " + Number(seat) + L" ne répond plus : l'ordinateur prend sa voiture dans " +
                   Number(static_cast<long long>(left)) + L" s.";
    }
    return L"";
}

// From the place of the record where the computer took the car over, at
// that place included (the hand-over itself).
bool NetRace::TakenOver(int car) const {
    const std::optional<size_t> place = TakeOverPlace(car);
    return place && *place <= nextPlace_;
}

bool NetRace::TakenOverBefore(int car) const {
    const std::optional<size_t> place = TakeOverPlace(car);
    return place && *place < nextPlace_;
}

std::optional<size_t> NetRace::TakeOverPlace(int car) const {
    if (car < 1 || car > static_cast<int>(carSeats_.size())) return std::nullopt;
    const auto found = takenOver_.find(carSeats_[car - 1]);
    if (found == takenOver_.end()) return std::nullopt;
    return found->second;
}

bool NetRace::PersonLeft(int car) { return TakenOver(car) && !IsComputerDriven(game.cars[car]); }

std::vector<std::wstring> NetRace::TakeNotices() {
    std::vector<std::wstring> notices;
    notices.swap(notices_);
    return notices;
}

void NetRace::HandleUnreadable(int peer, const std::string& bytes) {
    const uint16_t version = NetFormatVersionOf(bytes);
    const std::wstring why =
        version && version != kNetFormatVersion
            ? L"Les deux machines ne parlent pas la même version du jeu en réseau (" + Number(version) + L" et " +
                  Number(kNetFormatVersion) + L")."
            : L"Un message illisible est arrivé du réseau.";
    if (!Hosting()) {
        Stop(why + L" La course s'arrête.");
    } else if (!seatOfPeer_.count(peer)) {
        Refuse(peer, why);
    } else if (started_) {
        StopEverywhere(why + L" La course s'arrête.");
    }
}

void NetRace::Handle(int peer, const NetMessage& message) {
    switch (message.kind) {
        case NetKind::Hello: HandleLobby(peer, message); break;
        case NetKind::Refused:
        case NetKind::Stop:
            if (Hosting() && seatOfPeer_.count(peer)) StopEverywhere(message.text);
            else if (!Hosting()) Stop(message.text);
            break;
        case NetKind::Welcome:
            if (!Hosting()) seat_ = message.seat;
            break;
        case NetKind::Start:
            if (Hosting() || started_) break;
            journalHeader_ = message.journalHeader;
            carSeats_ = message.carSeats;
            started_ = true;
            break;
        case NetKind::Decision: HandleDecision(peer, message); break;
        case NetKind::TakeOver:
            if (!Hosting()) NoteTakeOver(message.seat, message.index);
            break;
        case NetKind::Absent:
            if (!Hosting() && message.seat != seat_) NoteAbsence(message.seat, message.seconds);
            break;
        case NetKind::CatchUp:
            if (Hosting() || started_) break;
            seat_ = message.seat;
            journalHeader_ = message.journalHeader;
            carSeats_ = message.carSeats;
            started_ = true;
            break;
        case NetKind::Check: {
            const auto seat = seatOfPeer_.find(peer);
            if (Hosting() && seat == seatOfPeer_.end()) break;
            if (message.event.kind == RaceEventKind::RaceEnd) seatsFinished_.insert(Hosting() ? seat->second : kSeatHost);
            CompareCheck(message.index, message.event);
            break;
        }
    }
}

void NetRace::HandleLobby(int peer, const NetMessage& hello) {
    if (!Hosting() || seatOfPeer_.count(peer)) return;
    if (started_) {
        HandleComingBack(peer, hello);
        return;
    }
    std::wstring why;
    NetPilot pilot{0, hello.pilotName, hello.driver, hello.pilotFile};
    if (static_cast<int>(joiners_.size()) >= places_)
        why = L"La course est complète.";
    else if (!VersionRefusal(hello.gameVersion).empty())
        why = VersionRefusal(hello.gameVersion);
    else
        for (const NetPilot& other : joiners_)
            if (other.name == pilot.name) why = L"Le pilote " + pilot.name + L" est déjà dans la course.";
    if (why.empty() && refusal_) why = refusal_(pilot);
    if (!why.empty()) {
        Refuse(peer, why);
        return;
    }
    pilot.seat = 1;
    for (bool taken = true; taken;) {
        taken = false;
        for (const NetPilot& other : joiners_) taken = taken || other.seat == pilot.seat;
        pilot.seat += taken ? 1 : 0;
    }
    joiners_.push_back(pilot);
    seatOfPeer_[peer] = pilot.seat;
    NetMessage welcome;
    welcome.kind = NetKind::Welcome;
    welcome.seat = pilot.seat;
    welcome.seatsTaken = static_cast<int>(joiners_.size());
    welcome.seatsWanted = places_;
    link_->Send(peer, EncodeNetMessage(welcome));
}

void NetRace::HandleComingBack(int peer, const NetMessage& hello) {
    const NetPilot* joiner = nullptr;
    for (const NetPilot& j : joiners_)
        if (j.name == hello.pilotName) joiner = &j;
    std::wstring why = joiner ? VersionRefusal(hello.gameVersion) : L"La course est complète.";
    if (why.empty() && hello.pilotFile != joiner->fileBytes)
        why = L"Le fichier du pilote " + hello.pilotName + L" n'est plus celui du départ de la course.";
    // The journal so far is written only for a player who may come back.
    const std::string journal = why.empty() ? journalHeader_ + JournalEventsText(RaceRecord()) : "";
    if (why.empty() && journal.size() + 1024 > kNetMessageMaxBytes)
        why = L"La course est trop avancée pour être rejointe.";
    if (!why.empty()) {
        Refuse(peer, why);
        return;
    }
    const int seat = joiner->seat;
    // His machine may not be known as gone yet: its old link is dropped.
    for (auto it = seatOfPeer_.begin(); it != seatOfPeer_.end(); ++it)
        if (it->second == seat) {
            link_->Disconnect(it->first);
            seatOfPeer_.erase(it);
            break;
        }
    CatchUp(peer, seat, journal);
    if (absentUntil_.count(seat)) {
        NoteAbsence(seat, 0);
        Send(AbsentMessage(seat, 0));
    }
    seatOfPeer_[peer] = seat;
    link_->Flush();
}

// What a joiner coming back needs to play on: the race's journal so far,
// then what the others know that is not in it yet (cars taken over, players
// awaited, decisions come but not yet played here).
void NetRace::CatchUp(int peer, int seat, const std::string& journal) {
    NetMessage catchUp;
    catchUp.kind = NetKind::CatchUp;
    catchUp.seat = seat;
    catchUp.journalHeader = journal;
    catchUp.carSeats = carSeats_;
    SendTo(peer, catchUp);
    for (const auto& [taken, place] : takenOver_) {
        NetMessage takeOver;
        takeOver.kind = NetKind::TakeOver;
        takeOver.seat = taken;
        takeOver.index = static_cast<uint32_t>(place);
        SendTo(peer, takeOver);
    }
    for (const auto& [absent, until] : absentUntil_)
        if (absent != seat)
            SendTo(peer, AbsentMessage(absent, std::max(1, static_cast<int>(std::ceil(until - SteadySeconds())))));
    for (const auto& [place, event] : arrived_) {
        NetMessage decision;
        decision.kind = NetKind::Decision;
        decision.index = static_cast<uint32_t>(place);
        decision.event = event;
        SendTo(peer, decision);
    }
    notices_.push_back(L"Le joueur de la machine " + Number(seat) + L" a rejoint la course.");
}

void NetRace::HandleDecision(int peer, const NetMessage& message) {
    const RaceEvent& event = message.event;
    const bool known = event.car >= 1 && event.car <= static_cast<int>(carSeats_.size());
    if (Hosting()) {
        // A joiner decides his own cars only.
        const auto seat = seatOfPeer_.find(peer);
        if (!started_ || seat == seatOfPeer_.end() || !known || carSeats_[event.car - 1] != seat->second) {
            StopEverywhere(L"Une machine a décidé pour une voiture qui n'est pas la sienne : la course s'arrête.");
            return;
        }
        Send(message, peer);
        link_->Flush();
    } else if (!known) {
        Stop(L"L'hôte a envoyé une décision pour une voiture inconnue : la course s'arrête.");
        return;
    }
    arrived_[message.index] = event;
}

void NetRace::CompareCheck(uint32_t index, const RaceEvent& theirs) {
    const auto own = ownChecks_.find(index);
    if (own == ownChecks_.end()) {
        theirChecks_[index].push_back(theirs);
        return;
    }
    if (own->second == theirs.sums) return;
    std::wstring part = L"nombre de voitures";
    for (size_t i = 0; i < own->second.size() && i < theirs.sums.size(); ++i)
        if (own->second[i] != theirs.sums[i]) {
            part = StatePartName(static_cast<int>(i), static_cast<int>(carSeats_.size()));
            break;
        }
    StopEverywhere(L"Les machines ne jouent plus la même course (tour " + Number(theirs.value) + L" de la voiture " +
                   Number(theirs.car) + L" : " + part + L"). La course s'arrête ; chaque machine garde son journal.");
}

bool NetRace::ServeLobby(int waitMs, const std::function<std::wstring(const NetPilot&)>& refusal) {
    refusal_ = refusal;
    Service(waitMs);
    return static_cast<int>(joiners_.size()) >= places_;
}

void NetRace::SetPlaces(int places) {
    places_ = places;
    while (!started_ && static_cast<int>(joiners_.size()) > places_) {
        const int seat = joiners_.back().seat;
        joiners_.pop_back();
        for (auto peer = seatOfPeer_.begin(); peer != seatOfPeer_.end(); ++peer) {
            if (peer->second != seat) continue;
            Refuse(peer->first, L"L'hôte a retiré votre place.");
            seatOfPeer_.erase(peer);
            break;
        }
    }
}

void NetRace::StartRace(const std::string& journalHeader, const std::vector<int>& carSeats) {
    journalHeader_ = journalHeader;
    carSeats_ = carSeats;
    started_ = true;
    NetMessage start;
    start.kind = NetKind::Start;
    start.journalHeader = journalHeader;
    start.carSeats = carSeats;
    Send(start);
    link_->Flush();
}

bool NetRace::AwaitStart(int waitMs) {
    Service(waitMs);
    ThrowIfStopped();
    return started_;
}

bool NetRace::WritesPilotOf(int car) const {
    if (car < 1 || car > static_cast<int>(carSeats_.size())) return false;
    const int seat = carSeats_[car - 1];
    return seat == seat_ || (Hosting() && seat == kSeatEveryMachine);
}

// A car taken over is decided by the computer on every machine alike, its
// own machine's too once it came back; at the place of the hand-over every
// machine goes the way of a decision that never came.
bool NetRace::DecidedElsewhere(int car) {
    if (car < 1 || car > static_cast<int>(carSeats_.size())) return false;
    const int seat = carSeats_[car - 1];
    return seat != kSeatEveryMachine && (seat != seat_ || takenOver_.count(seat)) && !TakenOverBefore(car);
}

std::optional<RaceEvent> NetRace::AwaitDecision(size_t index, int car) {
    nextPlace_ = index;
    for (;;) {
        const auto found = arrived_.find(index);
        if (found != arrived_.end()) return found->second;
        // The first decision a gone joiner never sent (every machine stops
        // here), once he has been waited for long enough: the computer's.
        if (Hosting() && car >= 1 && car <= static_cast<int>(carSeats_.size())) {
            const auto absent = absentUntil_.find(carSeats_[car - 1]);
            if (absent != absentUntil_.end() && SteadySeconds() >= absent->second) TakeOverSeat(absent->first, index);
        }
        if (TakenOver(car)) return std::nullopt;
        ThrowIfStopped();
        Service(2);
        if (waitingFrame_) waitingFrame_();
    }
}

void NetRace::Recorded(size_t index, const RaceEvent& event, bool decidedHere) {
    arrived_.erase(index);
    nextPlace_ = index + 1;
    if (IsCheck(event.kind)) {
        ownChecks_[index] = event.sums;
        NetMessage check;
        check.kind = NetKind::Check;
        check.index = static_cast<uint32_t>(index);
        check.event = event;
        Send(check);
        const auto early = theirChecks_.find(index);
        if (early != theirChecks_.end()) {
            const std::vector<RaceEvent> waiting = early->second;
            theirChecks_.erase(early);
            for (const RaceEvent& theirs : waiting) CompareCheck(static_cast<uint32_t>(index), theirs);
        }
    } else if (decidedHere && event.car >= 1 && event.car <= static_cast<int>(carSeats_.size()) &&
               carSeats_[event.car - 1] == seat_ && !takenOver_.count(seat_)) {
        NetMessage decision;
        decision.kind = NetKind::Decision;
        decision.index = static_cast<uint32_t>(index);
        decision.event = event;
        Send(decision);
    }
    Service(0);
    ThrowIfStopped();
}

void NetRace::Stop(const std::wstring& why) {
    if (stopped_) return;
    stopped_ = true;
    stopText_ = why;
}

void NetRace::StopEverywhere(const std::wstring& why) {
    if (stopped_) return;
    Stop(why);
    Send(TextMessage(NetKind::Stop, why));
    link_->Flush();
}

void NetRace::Finish() {
    finished_ = true;
    if (!Hosting()) {
        link_->Disconnect(kHostPeer);
        const double start = SteadySeconds();
        while (!stopped_ && SteadySeconds() - start < kHostAnswerSeconds) {
            bool gone = false;
            for (const NetLinkEvent& event : link_->Poll(10)) gone = gone || event.kind == NetLinkEvent::Kind::Disconnected;
            if (gone) break;
        }
        return;
    }
    // The joiners finish the race in their own time: their last checks are
    // still compared, and the link stays until they have left.
    const double start = SteadySeconds();
    while (!seatOfPeer_.empty() && SteadySeconds() - start < kJoinersLeaveSeconds) {
        Service(10);
        if (waitingFrame_) waitingFrame_();
    }
}
