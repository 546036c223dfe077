// What the keys of a French keyboard type, dead keys included.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "platform/key_text.h"

namespace {
std::wstring Typed(std::initializer_list<unsigned long> keys) {
    DeadKeyComposer composer;
    std::wstring text;
    for (unsigned long key : keys) text += composer.Press(key);
    return text;
}
}  // namespace

TEST(KeyText, KeySymbolsGiveTheGamesEightBitCharacters) {
    // 0x10000e9 is the Unicode form of a symbol.
    for (const auto& [symbol, character] : {std::pair<unsigned long, wchar_t>{XK_egrave, L'è'}, {XK_7, L'7'},
             {XK_ydiaeresis, L'ÿ'}, {0x10000e9, L'é'}, {XK_KP_7, L'7'}, {XK_KP_Decimal, L'.'}})
        EXPECT_EQ(KeySymbolCharacter(symbol), character) << std::hex << symbol;
    for (unsigned long none : {XK_EuroSign, 0x1000152 /* Œ */, XK_Left, XK_BackSpace, XK_Shift_L, XK_dead_circumflex})
        EXPECT_EQ(KeySymbolCharacter(none), 0) << std::hex << none;
}

TEST(KeyText, DeadKeysPutTheirAccentOnTheNextLetter) {
    // L e f è v r e, space, b ù, space, ^ e, Shift+è on a French keyboard.
    EXPECT_EQ(Typed({XK_L, XK_e, XK_f, XK_egrave, XK_v, XK_r, XK_e, XK_space, XK_b, XK_ugrave, XK_space,
                     XK_dead_circumflex, XK_e, XK_Shift_L, XK_7}),
              L"Lefèvre bù ê7");
    EXPECT_EQ(Typed({XK_dead_circumflex, XK_Shift_L, XK_E}), L"Ê") << "Shift between the accent and its letter";
    EXPECT_EQ(Typed({XK_Shift_L, XK_dead_diaeresis, XK_i, XK_dead_diaeresis, XK_y}), L"ïÿ");
    EXPECT_EQ(Typed({XK_dead_grave, XK_A, XK_dead_acute, XK_Y, XK_dead_tilde, XK_n, XK_dead_cedilla, XK_C,
                     XK_dead_abovering, XK_a}),
              L"ÀÝñÇå");
    EXPECT_EQ(Typed({XK_dead_circumflex, XK_space}), L"^");
    EXPECT_EQ(Typed({XK_dead_circumflex, XK_dead_circumflex}), L"^");
    EXPECT_EQ(Typed({XK_dead_circumflex, XK_x}), L"^x") << "a letter without that accent";
    EXPECT_EQ(Typed({XK_dead_diaeresis, XK_dead_circumflex, XK_o}), L"¨ô");
    EXPECT_EQ(Typed({XK_dead_circumflex, XK_BackSpace, XK_e}), L"e") << "a key that types nothing forgets it";
}

// The top row: "1 !" on an American keyboard, "& 1" and "é 2" on a French
// one; the keypad, Num Lock off or on; letters by what the key shows (A sits
// where Q does on the other layout).
TEST(KeyText, RaceKeysAreTheSameOnFrenchAndAmericanKeyboards) {
    const struct { unsigned long plain, shifted; RaceKey key; } keys[] = {
        {XK_1, XK_exclam, {RaceKey::Digit, 1}}, {XK_ampersand, XK_1, {RaceKey::Digit, 1}},
        {XK_eacute, XK_2, {RaceKey::Digit, 2}}, {XK_apostrophe, XK_4, {RaceKey::Digit, 4}},
        {XK_KP_Home, XK_KP_7, {RaceKey::Pad, 7}}, {XK_KP_Begin, XK_KP_5, {RaceKey::Pad, 5}},
        {XK_KP_3, XK_KP_Next, {RaceKey::Pad, 3}}, {XK_a, XK_A, {RaceKey::Letter, 'A'}},
        {XK_F, XK_F, {RaceKey::Letter, 'F'}}, {XK_Return, 0, {RaceKey::Confirm, 0}},
        {XK_KP_Enter, 0, {RaceKey::Confirm, 0}}, {XK_space, 0, {RaceKey::Space, 0}},
        {XK_Escape, 0, {RaceKey::Escape, 0}}};
    for (const auto& k : keys) EXPECT_EQ(RaceKeyOfSymbols(k.plain, k.shifted), k.key) << std::hex << k.plain;
    for (unsigned long none : {XK_Left, XK_Shift_L, XK_egrave, XK_0, XK_F1})
        EXPECT_EQ(RaceKeyOfSymbols(none, 0).kind, RaceKey::NoKey) << std::hex << none;
}
