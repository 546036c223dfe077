// A race played over the network, as one machine takes part in it. The
// host waits for a joiner per place, starts the race everywhere from one
// journal header, then relays each machine's decisions to the others;
// every machine runs the same race from the same header and decisions
// (lockstep on the journal) and compares the check of the state each turn
// starts with: a difference, or the host leaving, stops the race on every
// machine with a message, each keeping its journal. A joiner gone in the
// middle of the race is waited for a while, a count-down shown everywhere;
// past the wait the computer drives his cars. He may join again at any
// time with the same pilot: the host sends him the race so far, which he
// replays before playing on.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/decisions.h"
#include "core/game_state.h"
#include "files/net_message.h"

class NetLink;

// The race over the network stopped; what() is the message for the players
// (UTF-8).
struct NetRaceStopped : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A pilot brought by a joiner.
struct NetPilot {
    int seat = 0;  // the joiner's machine number, from 1
    std::wstring name;
    std::wstring driver;    // "Humain", "IA" or "IAC"
    std::string fileBytes;  // his pilot file, integrity text included
};

// The machine deciding a car: the host, a joiner, or (the host's computer
// drivers) every machine alike.
constexpr int kSeatHost = 0, kSeatEveryMachine = -1;
// The most joiners a race takes: one per car.
constexpr int kMaxNetPlaces = kMaxCars;

// How long a joiner gone in the middle of the race is waited for, unless
// the host says otherwise.
constexpr int kAbsenceSecondsDefault = 30;

class NetRace : public RemoteSeats {
public:
    // The game's version, which host and joiners must share.
    static const char* GameVersion();

    // Hosts a race on `port` (0: any free port) with `places` places for
    // joiners. Null, with a French message, when the port cannot be had.
    static std::unique_ptr<NetRace> Host(uint16_t port, int places, std::wstring& error);
    // Joins the race hosted at `address`:`port` with the pilot of
    // `fileBytes`, driven by `driver`.
    static std::unique_ptr<NetRace> Join(const std::string& address, uint16_t port, const NetPilot& pilot,
                                         std::wstring& error);
    ~NetRace() override;

    bool Hosting() const { return seat_ == kSeatHost; }
    uint16_t Port() const;
    int Seat() const { return seat_; }

    // Host, before the race: answers the joiners for up to `waitMs`;
    // `refusal` says why a joiner's pilot cannot race (empty: welcome).
    // True once every place is taken.
    bool ServeLobby(int waitMs, const std::function<std::wstring(const NetPilot&)>& refusal);
    const std::vector<NetPilot>& Joiners() const { return joiners_; }
    int Places() const { return places_; }
    // Host, before the race: the places change (the race setup's rows);
    // the last joiners beyond them are told their place is gone.
    void SetPlaces(int places);
    // Host: the race starts everywhere from this journal header; car k+1
    // is decided on machine carSeats[k].
    void StartRace(const std::string& journalHeader, const std::vector<int>& carSeats);

    // Host: how long a joiner gone in the middle of the race is waited for
    // before the computer drives his cars.
    void SetAbsenceWait(int seconds) { absenceSeconds_ = seconds; }

    // Joiner, before the race: waits up to `waitMs` for the host's word.
    // True once the race has started (its header and seats are here);
    // throws NetRaceStopped when the host refused him or is gone.
    bool AwaitStart(int waitMs);
    // The journal the race starts from: its header, then for a joiner who
    // came back the events played so far, to be replayed before playing on.
    const std::string& JournalHeader() const { return journalHeader_; }
    const std::vector<int>& CarSeats() const { return carSeats_; }
    // Whether this machine writes car `car`'s pilot file after the race:
    // its own players', and on the host the computer drivers'.
    bool WritesPilotOf(int car) const;

    // Answers the other machines for up to `waitMs`, waiting for nothing
    // (a screen showing who has joined, a machine with nothing to decide).
    void Listen(int waitMs) { Service(waitMs); }
    // Answers the other machines without waiting, and throws NetRaceStopped
    // once the race has stopped: on every frame of the race, whatever is
    // on screen.
    void KeepUp() {
        Service(0);
        ThrowIfStopped();
    }
    // Called on every frame spent waiting for another machine.
    void SetWaitingFrame(std::function<void()> frame) { waitingFrame_ = std::move(frame); }

    bool DecidedElsewhere(int car) override;
    std::optional<RaceEvent> AwaitDecision(size_t index, int car) override;
    void Recorded(size_t index, const RaceEvent& event, bool decidedHere) override;
    bool PersonLeft(int car) override;

    // What the players should be told of the other machines since the last
    // call (a player gone, his car now driven by the computer).
    std::vector<std::wstring> TakeNotices();
    // The count-down of a joiner who no longer answers, to be shown as long
    // as it runs; empty when no one is awaited so.
    std::wstring AbsenceText() const;

    // The race stops on every machine with `why` (a difference found, the
    // race left): told to the others, then this machine leaves.
    void StopEverywhere(const std::wstring& why);
    // The race is over here: the last checks are compared and the link
    // closed (the host waits a moment for its joiners to leave first).
    void Finish();
    unsigned long long BytesSent() const;

private:
    NetRace(std::unique_ptr<NetLink> link, int seat);
    void Service(int waitMs);
    void Handle(int peer, const NetMessage& message);
    void HandleLeaving(int peer);
    void HandleUnreadable(int peer, const std::string& bytes);
    void HandleLobby(int peer, const NetMessage& message);
    void HandleDecision(int peer, const NetMessage& message);
    // Host: a joiner of the race under way comes back with his pilot.
    void HandleComingBack(int peer, const NetMessage& hello);
    void CatchUp(int peer, int seat, const std::string& journal);
    // A joiner no longer answers: he is waited for `seconds`.
    void NoteAbsence(int seat, int seconds);
    void CompareCheck(uint32_t index, const RaceEvent& theirs);
    void Send(const NetMessage& message, int exceptPeer = 0);
    void ThrowIfStopped() const;
    // The race stops here (told by another machine, or the host gone).
    void Stop(const std::wstring& why);
    // A joiner left in the middle of the race: from the first place of the
    // record where a decision of his is needed and never came, every
    // machine decides his cars (all stop there, none can pass it).
    void TakeOverSeat(int seat, size_t place);
    void NoteTakeOver(int seat, size_t place);
    bool TakenOver(int car) const;
    // Taken over before the record's next place: decided here, as everywhere.
    bool TakenOverBefore(int car) const;
    // The record's place where car `car`'s seat was taken over, if it was.
    std::optional<size_t> TakeOverPlace(int car) const;
    void SendTo(int peer, const NetMessage& message);
    // Tells a machine why it cannot join, and closes its connection.
    void Refuse(int peer, const std::wstring& why);

    std::unique_ptr<NetLink> link_;
    int seat_;
    int places_ = 0;
    std::function<std::wstring(const NetPilot&)> refusal_;
    std::vector<NetPilot> joiners_;
    std::map<int, int> seatOfPeer_;
    bool started_ = false;
    std::string journalHeader_;
    std::vector<int> carSeats_;
    std::map<size_t, RaceEvent> arrived_;                    // decisions of the other machines, by place
    std::map<size_t, std::vector<uint32_t>> ownChecks_;      // this machine's checks, by place
    std::map<size_t, std::vector<RaceEvent>> theirChecks_;   // checks come before ours
    std::map<int, double> absentUntil_;  // joiners gone in the middle of the race, until when they are waited for
    int absenceSeconds_ = kAbsenceSecondsDefault;
    std::map<int, size_t> takenOver_;  // their seats, and from which place of the record
    size_t nextPlace_ = 0;             // the place of the record's next event here
    std::vector<std::wstring> notices_;
    std::set<int> seatsFinished_;  // machines whose race has ended (their last check came)
    bool finished_ = false;
    bool stopped_ = false;
    std::wstring stopText_;
    std::function<void()> waitingFrame_;
};
