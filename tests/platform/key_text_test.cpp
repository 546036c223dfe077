// What the keys of a French keyboard type, dead keys included.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <initializer_list>

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
    EXPECT_EQ(KeySymbolCharacter(XK_egrave), L'è');
    EXPECT_EQ(KeySymbolCharacter(XK_7), L'7');
    EXPECT_EQ(KeySymbolCharacter(XK_ydiaeresis), L'ÿ');
    EXPECT_EQ(KeySymbolCharacter(0x10000e9), L'é') << "the Unicode form of a symbol";
    EXPECT_EQ(KeySymbolCharacter(XK_KP_7), L'7');
    EXPECT_EQ(KeySymbolCharacter(XK_KP_Decimal), L'.');
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

TEST(KeyText, RaceKeysAreTheSameOnFrenchAndAmericanKeyboards) {
    // The top row: "1 !" on an American keyboard, "& 1" and "é 2" on a French one.
    EXPECT_EQ(RaceKeyOfSymbols(XK_1, XK_exclam), (RaceKey{RaceKey::Digit, 1}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_ampersand, XK_1), (RaceKey{RaceKey::Digit, 1}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_eacute, XK_2), (RaceKey{RaceKey::Digit, 2}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_apostrophe, XK_4), (RaceKey{RaceKey::Digit, 4}));
    // The keypad, Num Lock off or on.
    EXPECT_EQ(RaceKeyOfSymbols(XK_KP_Home, XK_KP_7), (RaceKey{RaceKey::Pad, 7}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_KP_Begin, XK_KP_5), (RaceKey{RaceKey::Pad, 5}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_KP_3, XK_KP_Next), (RaceKey{RaceKey::Pad, 3}));
    // Letters by what the key shows: A sits where Q does on the other layout.
    EXPECT_EQ(RaceKeyOfSymbols(XK_a, XK_A), (RaceKey{RaceKey::Letter, 'A'}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_F, XK_F), (RaceKey{RaceKey::Letter, 'F'}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_Return, 0), (RaceKey{RaceKey::Confirm, 0}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_KP_Enter, 0), (RaceKey{RaceKey::Confirm, 0}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_space, 0), (RaceKey{RaceKey::Space, 0}));
    EXPECT_EQ(RaceKeyOfSymbols(XK_Escape, 0), (RaceKey{RaceKey::Escape, 0}));
    for (unsigned long none : {XK_Left, XK_Shift_L, XK_egrave, XK_0, XK_F1})
        EXPECT_EQ(RaceKeyOfSymbols(none, 0).kind, RaceKey::NoKey) << std::hex << none;
}
