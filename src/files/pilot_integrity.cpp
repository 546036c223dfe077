#include "files/pilot_integrity.h"

#include <algorithm>

#include "core/game_state.h"
#include "platform/text.h"

namespace {
// A character's low byte taken as a signed value, -128 to 127.
int SignedByte(wchar_t c) { return static_cast<signed char>(static_cast<unsigned>(c) & 0xffu); }

// Character i of the text, or "a" past its end.
int MixInput(const std::wstring& text, size_t i) { return i < text.size() ? SignedByte(text[i]) : 'a'; }

// Folds a sum into 33..122 and avoids the characters " ' , \ and `.
int MixedCharacter(int s) {
    while (s > 122) s -= 122;
    while (s < 33) s += 33;
    switch (s) {
        case 34: return 35;
        case 39: return 40;
        case 44: return 45;
        case 92: return 93;
        case 96: return 97;
        default: return s;
    }
}

// The names of the car's gadgets on the two sides, in list order.
std::wstring GadgetNames(const CarRecord& car, int firstSide, int secondSide) {
    std::wstring names;
    for (int side : {firstSide, secondSide}) {
        const CarSide& s = car.sides[side];
        const int count = std::min<int>(s.gadgetCount, static_cast<int>(s.gadgets.size()) - 1);
        for (int position = 1; position <= count; ++position) names += s.gadgets[position].name;
    }
    return names;
}
}  // namespace

std::wstring MixTexts(const std::wstring& a, const std::wstring& b) {
    const size_t n = std::max(a.size(), b.size());
    std::wstring result;
    result.reserve(n + 1);
    for (size_t i = 0; i <= n; ++i)
        result.push_back(static_cast<wchar_t>(MixedCharacter(MixInput(a, i) + MixInput(b, i))));
    return result;
}

std::wstring ReverseText(const std::wstring& s) { return std::wstring(s.rbegin(), s.rend()); }

std::wstring ComputeSecu(int car) {
    if (car < 0 || car >= kCarTableSize) return std::wstring();
    const CarRecord& c = game.cars[car];
    const std::wstring t = IntText(c.shootingSkill);
    const std::wstring d = IntText(c.drivingSkill);
    const std::wstring z = IntText(c.zonks);
    auto structure = [&c](int side) { return IntText(c.sides[side].structureMax); };
    // Front, rear, left, right.
    const std::wstring q = structure(SideFront) + structure(SideRear) + structure(SideLeft) + structure(SideRight);

    std::wstring a = t + c.pilotName + d + t;
    for (int side : {SideFront, SideRear, SideLeft, SideRight}) a += t + structure(side) + d + q;
    const std::wstring g1 = GadgetNames(c, SideFront, SideRear);
    const std::wstring g2 = GadgetNames(c, SideLeft, SideRight);
    const std::wstring b = t + c.wheelSide + d + q + t + z + d + q + t + z + t + q;
    return MixTexts(ReverseText(MixTexts(ReverseText(MixTexts(a, g1)), g2)), b);
}
