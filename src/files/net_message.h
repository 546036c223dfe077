// The messages machines playing one race exchange, and their bytes (laid
// out in docs/reseau.md): a header ("SK3D", the format's version, the kind,
// the length of what follows), then the fields of the kind, integers
// little-endian, texts as their length and their UTF-8 bytes. Decoding
// checks every length against what is there: a hostile or broken message
// is refused, never read past.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/decisions.h"

constexpr uint16_t kNetFormatVersion = 2;
// A message is never longer: the longest, the start of a race, holds its
// journal's header with a pilot file per car.
constexpr size_t kNetMessageMaxBytes = 4 << 20;

enum class NetKind : uint8_t {
    Hello = 1,     // joiner -> host: the joiner's game and pilot
    Refused = 2,   // host -> joiner: why he cannot join
    Welcome = 3,   // host -> joiner: his place, how many places are taken
    Start = 4,     // host -> all: the race's journal header and who decides each car
    Decision = 5,  // a decision of a car seated on the sender's machine (relayed by the host)
    Check = 6,     // the check of the state a machine made as a turn started
    Stop = 7,      // the race stops everywhere, with why
    TakeOver = 8,  // host -> all: a joiner left; from a place of the record on, the computer drives his cars
    Absent = 9,    // host -> all: a joiner no longer answers and is waited for so long (0: he came back)
    CatchUp = 10,  // host -> a joiner coming back: his place, the race's journal so far, who decides each car
};

struct NetMessage {
    NetKind kind = NetKind::Hello;
    std::string gameVersion;  // Hello
    std::wstring pilotName;   // Hello
    std::wstring driver;      // Hello: who drives his car, "Humain", "IA" or "IAC"
    std::string pilotFile;    // Hello: the pilot file's bytes, its integrity text included
    std::wstring text;        // Refused, Stop: what the players are told
    int seat = 0;             // Welcome, TakeOver, Absent, CatchUp: the joiner's machine number (1..)
    int seconds = 0;          // Absent: how long he is still waited for
    int seatsTaken = 0;       // Welcome
    int seatsWanted = 0;      // Welcome
    std::string journalHeader;  // Start: the header as the journal writes it; CatchUp: with the events so far
    std::vector<int> carSeats;  // Start, CatchUp: for cars 1..n, the machine deciding it (0: the host, -1: every machine)
    uint32_t index = 0;         // Decision, Check, TakeOver: the event's place in the race's record (from 0)
    RaceEvent event;            // Decision, Check
};

std::string EncodeNetMessage(const NetMessage& message);
// False for bytes that are not one whole message of this format (another
// version, an unknown kind, a length or a value out of bounds).
bool DecodeNetMessage(const std::string& bytes, NetMessage& message);
// The version of the message's format, when the bytes begin as the game's
// messages do (a joiner of another version is told so); 0 otherwise.
uint16_t NetFormatVersionOf(const std::string& bytes);
