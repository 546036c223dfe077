// The one seam every decision of a race passes through: which cross, which
// answer, when a die rolled on screen was stopped, which car a shot aims at,
// a button of the race column, "Fin Tour". Whoever drives the car answers:
// a person through the screen, the computer through its own reckoning, or
// the record of a race being replayed. Every answer is recorded in order,
// with a check of the game state at the start of each turn: the race's
// record, which the journal writes to disk and a replay feeds back.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

enum class RaceEventKind {
    Cross,      // the cross of a move: 1..9, or 0 when a button ended the choice
    Answer,     // the answer to a question: 1..4
    DieStop,    // the faces a rolling die drew before the person stopped it
    Target,     // the car a shot aims at; 0 when the aim was left, -1 when a button ended it
    Button,     // a button of the race column taken (its request number)
    EndTurn,    // the turn of a person's car ended
    TurnStart,  // a check of the state as a turn starts: the value is the round
    RaceEnd,    // a check of the state once the results are settled
    HandOver,   // a person's car given to the computer: his machine left a race over the network
};

struct RaceEvent {
    RaceEventKind kind = RaceEventKind::Cross;
    int car = 0;    // the car whose driver decided (0: the screen, for "Quitter")
    int value = 0;
    // Values the driver drew from the random source while deciding (the
    // computer's draw between equal crosses): a replay draws as many.
    int draws = 0;
    std::vector<uint32_t> sums;  // the state's check, parts in a fixed order (turn events)
    bool operator==(const RaceEvent& o) const {
        return kind == o.kind && car == o.car && value == o.value && draws == o.draws && sums == o.sums;
    }
};

// Ends a replay: the record ran out, or it does not fit the race (another
// decision was asked, or the state's check differs); `what` says where.
struct ReplayStopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// The record was fed whole and the race asks for more: a journal of an
// unfinished race ends there.
struct RecordRanOut : ReplayStopped {
    RecordRanOut() : ReplayStopped("fin du journal") {}
};

// A live race: decisions are asked and recorded from an empty record.
void StartRecording();
// A replay: the events are fed back in order; the race's own check of the
// state at each turn must match theirs. Once they run out the replay stops
// (`thenLive` false) or the race goes on live, recorded after them.
void StartReplay(std::vector<RaceEvent> events, bool thenLive);
// Called once a replay going on live has fed its last event: the race
// stands where the record left it (a resumed race is ready to play).
void SetCaughtUpHandler(std::function<void()> handler);
// Whether decisions come from the record now.
bool Replaying();
// No record at all (tests of a single rule, tools): decisions are asked.
void StopRecording();

// The events recorded or fed so far, in order.
const std::vector<RaceEvent>& RaceRecord();
// Called with each event as it is recorded (the journal appends it).
void SetRaceEventObserver(std::function<void(const RaceEvent&)> observer);

// Who answers for the cars of persons when no screen does: a stand-in that
// chooses among what is offered (the tests' players at random; later a
// player on another machine).
class PersonDriver {
public:
    virtual ~PersonDriver() = default;
    // A value among `offered` (empty for a die's stop: any count of faces).
    virtual int Choose(RaceEventKind kind, int car, const std::vector<int>& offered) = 0;
    // Whether the person takes this button or ends his turn now (besides
    // what was pressed on the screen).
    virtual bool Take(RaceEventKind kind, int car, int value) = 0;
};
// The driver answering for the persons' cars; null: their screen.
void SetPersonDriver(PersonDriver* driver);

// A race played over the network: each car is decided on the machine of its
// seat only, and the others wait for its decisions to arrive, in the race's
// order; every machine records every event at the same place.
class RemoteSeats {
public:
    virtual ~RemoteSeats() = default;
    // Whether car `car` is decided on another machine.
    virtual bool DecidedElsewhere(int car) = 0;
    // The event standing at place `index` of the race's record, a decision
    // of car `car`, waited for until it has come from the machine that made
    // it; none when that machine left the race: the car is decided here
    // from then on, by the computer, as on every machine.
    virtual std::optional<RaceEvent> AwaitDecision(size_t index, int car) = 0;
    // Each event as it is recorded at place `index`; `decidedHere` when this
    // machine made it (a decision to send, a check of the state to compare).
    virtual void Recorded(size_t index, const RaceEvent& event, bool decidedHere) = 0;
    // Whether car `car` was a person's whose machine left: the decision
    // it was asked for then is a plain one, the same on every machine (the
    // middle of what is offered; its turn ended), and the computer drives
    // it from its next turn on.
    virtual bool PersonLeft(int car) = 0;
};
// The seats of the race over the network; null: every car is decided here.
void SetRemoteSeats(RemoteSeats* seats);
// Whether car `car` is played on another machine now (its messages close
// by themselves here, as a computer's do).
bool DecidedOnAnotherMachine(int car);

// A decision with a value: asked of the driver through `ask` in a live race
// (the person's screen, or the computer), the next recorded one in a replay.
// `offered` lists the values the driver may choose from, for a stand-in.
int Decide(RaceEventKind kind, int car, const std::function<int()>& ask,
           const std::vector<int>& offered = {});
// A decision the driver may take at this moment or not (a button, the end
// of the turn): live, `taken` says whether he took it (recorded if so); in
// a replay, whether the next recorded decision is this one.
bool DecideIfTaken(RaceEventKind kind, int car, int value, bool taken);

// Records (live) or checks (replay) the state as a turn starts or once the
// race is settled.
void CheckState(RaceEventKind kind, int car, int value);
