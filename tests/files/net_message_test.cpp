// The network's messages: every kind comes back whole from its bytes, and
// bytes that are not one whole message of this format are refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/net_message.h"

namespace {
std::vector<NetMessage> OneOfEachKind() {
    std::vector<NetMessage> all(10);
    all[0].kind = NetKind::Hello;
    all[0].gameVersion = "0.64";
    all[0].pilotName = L"Inès Moreau";
    all[0].driver = L"IAC";
    all[0].pilotFile = std::string("<?xml version=\"1.0\"?>\n<Secu>\xe9t\xe9</Secu>\n", 37);
    all[1].kind = NetKind::Refused;
    all[1].text = L"La course est complète.";
    all[2].kind = NetKind::Welcome;
    all[2].seat = 2, all[2].seatsTaken = 2, all[2].seatsWanted = 3;
    all[3].kind = NetKind::Start;
    all[3].journalHeader = "Skarvoll 3D : journal de course\nformat 1\ncourse\n";
    all[3].carSeats = {-1, 0, 2, 1};
    all[4].kind = NetKind::Decision;
    all[4].index = 70000;
    all[4].event = {RaceEventKind::DieStop, 3, -7, 12, {}};
    all[5].kind = NetKind::Check;
    all[5].index = 12;
    all[5].event = {RaceEventKind::TurnStart, 4, 9, 0, {0xdeadbeef, 0, 7}};
    all[6].kind = NetKind::Stop;
    all[6].text = L"L'hôte a quitté la course : elle s'arrête.";
    all[7].kind = NetKind::TakeOver;
    all[7].seat = 2, all[7].index = 1234;
    all[8].kind = NetKind::Absent;
    all[8].seat = 3, all[8].seconds = 30;
    all[9].kind = NetKind::CatchUp;
    all[9].seat = 1;
    all[9].journalHeader = all[3].journalHeader + "croix 3 6\n";
    all[9].carSeats = all[3].carSeats;
    return all;
}

bool Same(const NetMessage& a, const NetMessage& b) {
    return a.kind == b.kind && a.gameVersion == b.gameVersion && a.pilotName == b.pilotName && a.driver == b.driver &&
           a.pilotFile == b.pilotFile && a.text == b.text && a.seat == b.seat && a.seconds == b.seconds && a.seatsTaken == b.seatsTaken &&
           a.seatsWanted == b.seatsWanted && a.journalHeader == b.journalHeader && a.carSeats == b.carSeats &&
           a.index == b.index && a.event == b.event;
}

// The bytes of `message` with the byte at `at` changed to `value`.
std::string WithByte(const NetMessage& message, size_t at, char value) {
    std::string bytes = EncodeNetMessage(message);
    bytes[at] = value;
    return bytes;
}
}  // namespace

TEST(NetMessageTest, EveryKindComesBackWholeAndNoCutOrLengthenedMessageIsRead) {
    for (const NetMessage& message : OneOfEachKind()) {
        const std::string bytes = EncodeNetMessage(message);
        NetMessage read;
        ASSERT_TRUE(DecodeNetMessage(bytes, read)) << static_cast<int>(message.kind);
        EXPECT_TRUE(Same(read, message)) << static_cast<int>(message.kind);
        for (size_t cut = 0; cut < bytes.size(); ++cut)
            EXPECT_FALSE(DecodeNetMessage(bytes.substr(0, cut), read)) << static_cast<int>(message.kind) << " cut at " << cut;
        EXPECT_FALSE(DecodeNetMessage(bytes + '\0', read));
    }
}

TEST(NetMessageTest, AnotherVersionAnUnknownKindOrAValueOutOfBoundsIsRefused) {
    const std::vector<NetMessage> all = OneOfEachKind();
    NetMessage read;
    // "SK3D", the next version: told apart from noise, so the joiner hears why.
    const std::string nextVersion = WithByte(all[0], 4, kNetFormatVersion + 1);
    EXPECT_FALSE(DecodeNetMessage(nextVersion, read));
    EXPECT_EQ(NetFormatVersionOf(nextVersion), kNetFormatVersion + 1);
    EXPECT_EQ(NetFormatVersionOf("GET / HTTP/1.1\r\n\r\n"), 0);
    EXPECT_EQ(NetFormatVersionOf(EncodeNetMessage(all[0])), kNetFormatVersion);
    EXPECT_FALSE(DecodeNetMessage(WithByte(all[0], 6, 11), read)) << "kind 11";
    EXPECT_FALSE(DecodeNetMessage(WithByte(all[0], 0, 'X'), read)) << "not the game's";
    // A decision: index (4 bytes), kind, car, value, draws after the 11-byte header.
    EXPECT_FALSE(DecodeNetMessage(WithByte(all[4], 15, 9), read)) << "event kind 9";
    EXPECT_FALSE(DecodeNetMessage(WithByte(all[4], 16, 100), read)) << "car 100";
    EXPECT_FALSE(DecodeNetMessage(WithByte(all[4], 24, '\xff'), read)) << "negative draws";
    EXPECT_FALSE(DecodeNetMessage(WithByte(all[4], 15, 7), read)) << "a turn's check sent as a decision";
    // A start's seats: machine 99 at most.
    NetMessage start = all[3];
    start.carSeats = {99};
    EXPECT_FALSE(DecodeNetMessage(EncodeNetMessage(start), read));
    // A pilot file claiming more bytes than a message may hold.
    NetMessage hello = all[0];
    hello.pilotFile.assign(65 << 10, 'x');
    EXPECT_FALSE(DecodeNetMessage(EncodeNetMessage(hello), read));
}
