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
