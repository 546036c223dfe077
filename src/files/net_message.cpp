#include "files/net_message.h"

#include "platform/text.h"

namespace {
constexpr char kMagic[4] = {'S', 'K', '3', 'D'};
constexpr size_t kHeaderBytes = 4 + 2 + 1 + 4;
constexpr size_t kShortTextMax = 4096;     // a name, a version, a message to the players
constexpr size_t kPilotFileMax = 64 << 10;  // a pilot file with every gadget the car can hold
constexpr int kCarsMax = 99;
constexpr int kDrawsMax = 1000000;

const RaceEventKind kKinds[] = {RaceEventKind::Cross,  RaceEventKind::Answer,    RaceEventKind::DieStop,
                                RaceEventKind::Target, RaceEventKind::Button,    RaceEventKind::EndTurn,
                                RaceEventKind::TurnStart, RaceEventKind::RaceEnd};

uint8_t KindNumber(RaceEventKind kind) {
    for (uint8_t i = 0; i < sizeof kKinds / sizeof kKinds[0]; ++i)
        if (kKinds[i] == kind) return static_cast<uint8_t>(i + 1);
    return 0;
}

bool IsCheck(RaceEventKind kind) { return kind == RaceEventKind::TurnStart || kind == RaceEventKind::RaceEnd; }

class Writer {
public:
    void U8(uint32_t v) { bytes_ += static_cast<char>(v & 0xff); }
    void U16(uint32_t v) { U8(v), U8(v >> 8); }
    void U32(uint32_t v) { U16(v & 0xffff), U16(v >> 16); }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Bytes16(const std::string& s) { U16(static_cast<uint32_t>(s.size())), bytes_ += s; }
    void Bytes32(const std::string& s) { U32(static_cast<uint32_t>(s.size())), bytes_ += s; }
    std::string& Out() { return bytes_; }

private:
    std::string bytes_;
};

// Reads fields from the bytes after the header; any read past the end or
// beyond a field's bound fails, and every later read fails too.
class Reader {
public:
    explicit Reader(const std::string& bytes, size_t from) : bytes_(bytes), at_(from) {}
    bool Ok() const { return ok_; }
    bool AtEnd() const { return ok_ && at_ == bytes_.size(); }
    uint32_t U8() { return Take(1) ? static_cast<uint8_t>(bytes_[at_ - 1]) : 0; }
    uint32_t U16() { return U8() | (U8() << 8); }
    uint32_t U32() { return U16() | (U16() << 16); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    std::string Bytes(size_t length, size_t max) {
        if (length > max || !Take(length)) return Fail();
        return bytes_.substr(at_ - length, length);
    }
    std::string Bytes16(size_t max) { return Bytes(U16(), max); }
    std::string Bytes32(size_t max) { return Bytes(U32(), max); }
    // A number that must lie within [low, high].
    int Bounded(int value, int low, int high) {
        if (value < low || value > high) Fail();
        return value;
    }

private:
    bool Take(size_t n) {
        if (!ok_ || bytes_.size() - at_ < n) return ok_ = false;
        at_ += n;
        return true;
    }
    std::string Fail() {
        ok_ = false;
        return {};
    }
    const std::string& bytes_;
    size_t at_;
    bool ok_ = true;
};

void WriteEvent(Writer& w, uint32_t index, const RaceEvent& e) {
    w.U32(index), w.U8(KindNumber(e.kind)), w.U8(static_cast<uint32_t>(e.car)), w.I32(e.value);
}

bool ReadEvent(Reader& r, uint32_t& index, RaceEvent& e, bool check) {
    index = r.U32();
    const int kind = r.Bounded(static_cast<int>(r.U8()), 1, sizeof kKinds / sizeof kKinds[0]);
    if (!r.Ok()) return false;
    e.kind = kKinds[kind - 1];
    e.car = r.Bounded(static_cast<int>(r.U8()), 0, kCarsMax);
    e.value = r.I32();
    return r.Ok() && IsCheck(e.kind) == check;
}

void WriteStart(Writer& w, const NetMessage& m) {
    w.Bytes32(m.journalHeader);
    w.U8(static_cast<uint32_t>(m.carSeats.size()));
    for (int seat : m.carSeats) w.U8(static_cast<uint32_t>(seat + 1));
}

bool ReadStart(Reader& r, NetMessage& m) {
    m.journalHeader = r.Bytes32(kNetMessageMaxBytes);
    const int cars = r.Bounded(static_cast<int>(r.U8()), 1, kCarsMax);
    for (int i = 0; i < cars && r.Ok(); ++i) m.carSeats.push_back(r.Bounded(static_cast<int>(r.U8()), 0, kCarsMax) - 1);
    return r.Ok();
}

void WritePayload(Writer& w, const NetMessage& m) {
    switch (m.kind) {
        case NetKind::Hello:
            w.Bytes16(m.gameVersion), w.Bytes16(ToUtf8(m.pilotName)), w.Bytes16(ToUtf8(m.driver));
            w.Bytes32(m.pilotFile);
            break;
        case NetKind::Refused:
        case NetKind::Stop: w.Bytes16(ToUtf8(m.text)); break;
        case NetKind::Welcome: w.U8(m.seat), w.U8(m.seatsTaken), w.U8(m.seatsWanted); break;
        case NetKind::Start: WriteStart(w, m); break;
        case NetKind::Decision:
            WriteEvent(w, m.index, m.event);
            w.I32(m.event.draws);
            break;
        case NetKind::Check:
            WriteEvent(w, m.index, m.event);
            w.U8(static_cast<uint32_t>(m.event.sums.size()));
            for (uint32_t sum : m.event.sums) w.U32(sum);
            break;
        case NetKind::TakeOver: w.U8(m.seat), w.U32(m.index); break;
        case NetKind::Absent: w.U8(m.seat), w.U16(m.seconds); break;
        case NetKind::CatchUp:
            w.U8(m.seat);
            WriteStart(w, m);
            break;
    }
}

bool ReadPayload(Reader& r, NetMessage& m) {
    switch (m.kind) {
        case NetKind::Hello:
            m.gameVersion = r.Bytes16(kShortTextMax);
            m.pilotName = FromUtf8(r.Bytes16(kShortTextMax));
            m.driver = FromUtf8(r.Bytes16(kShortTextMax));
            m.pilotFile = r.Bytes32(kPilotFileMax);
            return r.Ok();
        case NetKind::Refused:
        case NetKind::Stop: m.text = FromUtf8(r.Bytes16(kShortTextMax)); return r.Ok();
        case NetKind::Welcome:
            m.seat = r.Bounded(static_cast<int>(r.U8()), 1, kCarsMax);
            m.seatsTaken = static_cast<int>(r.U8());
            m.seatsWanted = static_cast<int>(r.U8());
            return r.Ok();
        case NetKind::Start: return ReadStart(r, m);
        case NetKind::Decision:
            if (!ReadEvent(r, m.index, m.event, false)) return false;
            m.event.draws = r.Bounded(r.I32(), 0, kDrawsMax);
            return r.Ok();
        case NetKind::Check: {
            if (!ReadEvent(r, m.index, m.event, true)) return false;
            const size_t sums = r.U8();
            for (size_t i = 0; i < sums && r.Ok(); ++i) m.event.sums.push_back(r.U32());
            return r.Ok();
        }
        case NetKind::TakeOver:
            m.seat = r.Bounded(static_cast<int>(r.U8()), 1, kCarsMax);
            m.index = r.U32();
            return r.Ok();
        case NetKind::Absent:
            m.seat = r.Bounded(static_cast<int>(r.U8()), 1, kCarsMax);
            m.seconds = static_cast<int>(r.U16());
            return r.Ok();
        case NetKind::CatchUp:
            m.seat = r.Bounded(static_cast<int>(r.U8()), 1, kCarsMax);
            return ReadStart(r, m);
    }
    return false;
}

bool KnownKind(uint32_t kind) { return kind >= 1 && kind <= static_cast<uint32_t>(NetKind::CatchUp); }
}  // namespace

std::string EncodeNetMessage(const NetMessage& message) {
    Writer payload;
    WritePayload(payload, message);
    Writer w;
    w.Out().append(kMagic, sizeof kMagic);
    w.U16(kNetFormatVersion);
    w.U8(static_cast<uint32_t>(message.kind));
    w.Bytes32(payload.Out());
    return w.Out();
}

uint16_t NetFormatVersionOf(const std::string& bytes) {
    if (bytes.size() < kHeaderBytes || bytes.compare(0, 4, kMagic, 4) != 0) return 0;
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[4]) | (static_cast<uint8_t>(bytes[5]) << 8));
}

bool DecodeNetMessage(const std::string& bytes, NetMessage& message) {
    if (bytes.size() > kNetMessageMaxBytes || NetFormatVersionOf(bytes) != kNetFormatVersion) return false;
    Reader header(bytes, 6);
    const uint32_t kind = header.U8();
    const uint32_t length = header.U32();
    if (!KnownKind(kind) || length != bytes.size() - kHeaderBytes) return false;
    message = NetMessage();
    message.kind = static_cast<NetKind>(kind);
    Reader payload(bytes, kHeaderBytes);
    return ReadPayload(payload, message) && payload.AtEnd();
}
