// The decoder of the network's messages on any bytes, as a hostile machine
// could send them: it must never crash or read past the bytes, and what it
// accepts must come back the same from its own encoding.
#include "files/net_message.h"
#include "fuzz_support.h"

namespace {
bool Same(const NetMessage& a, const NetMessage& b) {
    return a.kind == b.kind && a.gameVersion == b.gameVersion && a.pilotName == b.pilotName && a.driver == b.driver &&
           a.pilotFile == b.pilotFile && a.text == b.text && a.seat == b.seat && a.seatsTaken == b.seatsTaken &&
           a.seatsWanted == b.seatsWanted && a.journalHeader == b.journalHeader && a.carSeats == b.carSeats &&
           a.index == b.index && a.event == b.event;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    NetMessage message;
    NetFormatVersionOf(bytes);
    if (!DecodeNetMessage(bytes, message)) return 0;
    NetMessage again;
    if (!DecodeNetMessage(EncodeNetMessage(message), again)) FuzzFailure("an accepted message that does not read back");
    if (!Same(message, again)) FuzzFailure("a message that reads back different");
    return 0;
}
