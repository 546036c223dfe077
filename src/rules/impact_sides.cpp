#include "rules/impact_sides.h"

#include <cmath>

#include "core/game_state.h"
#include "core/random.h"
#include "rules/side_words.h"

namespace {
struct WallSideRow {
    double from, to;
    const wchar_t* comingFromFront;  // b > 0
    const wchar_t* comingFromBack;   // b < 0
};

// Rows in order; a later matching row overrides an earlier one.
const WallSideRow kWallSideRows[] = {
    {45, 135, L"AVANT", L"ARRIERE"},      {-135, -45, L"ARRIERE", L"AVANT"},
    {225, 315, L"ARRIERE", L"AVANT"},     {315, 405, L"GAUCHE", L"DROITE"},
    {135, 225, L"DROITE", L"GAUCHE"},     {0, 45, L"GAUCHE", L"DROITE"},
    {-45, 0, L"GAUCHE", L"DROITE"},       {-225, -135, L"DROITE", L"GAUCHE"},
    {-315, -225, L"AVANT", L"ARRIERE"},
};

struct Corner {
    const wchar_t* value;
    const wchar_t* first;
    const wchar_t* second;
};

const Corner kCorners[] = {
    {L"AVANT ou DROITE", L"AVANT", L"DROITE"},
    {L"DROITE ou ARRIERE", L"ARRIERE", L"DROITE"},
    {L"ARRIERE ou GAUCHE", L"ARRIERE", L"GAUCHE"},
    {L"GAUCHE ou AVANT", L"AVANT", L"GAUCHE"},
};
}  // namespace

std::wstring WallSideFromAngles(double rel, double b) {
    std::wstring side = L"Avant";
    if (b == 0) return side;
    for (const WallSideRow& row : kWallSideRows)
        if (rel >= row.from && rel <= row.to) side = b > 0 ? row.comingFromFront : row.comingFromBack;
    return side;
}

double IntoFullTurn(double angle) {
    while (angle < 0) angle += 360;
    while (angle > 360) angle -= 360;
    return angle;
}

std::wstring HitCarSide(double angle) {
    const double whole = std::floor(angle);
    const double a = angle - whole > 0.5 ? whole + 1 : whole;
    if (a == 45) return kCorners[0].value;
    if (a == 135) return kCorners[1].value;
    if (a == 225) return kCorners[2].value;
    if (a == 315) return kCorners[3].value;
    if (a < 45 || a > 315) return L"AVANT";
    if (a < 135) return L"DROITE";
    if (a < 225) return L"ARRIERE";
    return L"GAUCHE";
}

std::wstring PushingCarSide(double a) {
    if (a <= 45 || a >= 315) return L"AVANT";
    if (a < 135) return L"DROITE";
    if (a <= 225) return L"ARRIERE";
    return L"GAUCHE";
}

bool CornerSides(const std::wstring& side, std::wstring& first, std::wstring& second) {
    for (const Corner& corner : kCorners)
        if (side == corner.value) {
            first = corner.first;
            second = corner.second;
            return true;
        }
    return false;
}

std::wstring EitherSide(const std::wstring& first, const std::wstring& second) {
    return CoinFlip() ? first : second;
}

std::wstring StrongerSide(int car, const std::wstring& first, const std::wstring& second) {
    const CarSide* sides = game.cars[car].sides;
    const int a = sides[SideIndexOfWord(first)].structure;
    const int b = sides[SideIndexOfWord(second)].structure;
    return a == b ? EitherSide(first, second) : (a > b ? first : second);
}
