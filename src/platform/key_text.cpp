#include "platform/key_text.h"

#include <X11/keysym.h>

namespace {
// A dead key's accent: what it types alone, and the letters it goes on.
struct DeadAccent {
    unsigned long keysym;
    wchar_t alone;
    const wchar_t* letters;
    const wchar_t* accented;
};

const DeadAccent kAccents[] = {
    {XK_dead_grave, L'`', L"AEIOUaeiou", L"ÀÈÌÒÙàèìòù"},
    {XK_dead_acute, L'´', L"AEIOUYaeiouy", L"ÁÉÍÓÚÝáéíóúý"},
    {XK_dead_circumflex, L'^', L"AEIOUaeiou", L"ÂÊÎÔÛâêîôû"},
    {XK_dead_tilde, L'~', L"ANOano", L"ÃÑÕãñõ"},
    {XK_dead_diaeresis, L'¨', L"AEIOUaeiouy", L"ÄËÏÖÜäëïöüÿ"},
    {XK_dead_cedilla, L'¸', L"Cc", L"Çç"},
    {XK_dead_abovering, L'°', L"Aa", L"Åå"},
};

const DeadAccent* AccentOf(unsigned long keysym) {
    for (const DeadAccent& accent : kAccents)
        if (accent.keysym == keysym) return &accent;
    return nullptr;
}

bool IsModifier(unsigned long keysym) {
    return (keysym >= XK_Shift_L && keysym <= XK_Hyper_R) || (keysym >= XK_ISO_Lock && keysym <= XK_ISO_Level5_Lock) ||
           keysym == XK_Mode_switch || keysym == XK_Num_Lock;
}

bool IsGameCharacter(unsigned long code) { return (code >= 0x20 && code < 0x7f) || (code >= 0xa0 && code <= 0xff); }

// The accent on the character typed after its dead key.
std::wstring Accented(const DeadAccent& accent, wchar_t character) {
    if (character == L' ') return std::wstring(1, accent.alone);
    const std::wstring letters = accent.letters;
    const size_t at = letters.find(character);
    if (at != std::wstring::npos) return std::wstring(1, accent.accented[at]);
    return std::wstring{accent.alone, character};
}
}  // namespace

wchar_t KeySymbolCharacter(unsigned long keysym) {
    // Latin-1 symbols are their own codes; Unicode ones are the code plus
    // 0x1000000; the keypad's are its characters plus 0xff80.
    if (IsGameCharacter(keysym)) return static_cast<wchar_t>(keysym);
    if (keysym > 0x1000000 && IsGameCharacter(keysym - 0x1000000)) return static_cast<wchar_t>(keysym - 0x1000000);
    if (keysym == XK_KP_Space) return L' ';
    if ((keysym >= XK_KP_Multiply && keysym <= XK_KP_9) || keysym == XK_KP_Equal)
        return static_cast<wchar_t>(keysym - 0xff80);
    return 0;
}

std::wstring DeadKeyComposer::Press(unsigned long keysym) {
    if (IsModifier(keysym)) return L"";
    const DeadAccent* waiting = AccentOf(accent_);
    accent_ = 0;
    if (const DeadAccent* accent = AccentOf(keysym)) {
        if (waiting == accent) return std::wstring(1, accent->alone);
        accent_ = keysym;
        return waiting ? std::wstring(1, waiting->alone) : L"";
    }
    const wchar_t character = KeySymbolCharacter(keysym);
    if (!character) return L"";
    return waiting ? Accented(*waiting, character) : std::wstring(1, character);
}

namespace {
// The keypad's digits with Num Lock off, 1 to 9.
const unsigned long kKeypadMoves[9] = {XK_KP_End,  XK_KP_Down,  XK_KP_Next, XK_KP_Left, XK_KP_Begin,
                                       XK_KP_Right, XK_KP_Home, XK_KP_Up,   XK_KP_Prior};

int KeypadDigit(unsigned long keysym) {
    if (keysym >= XK_KP_1 && keysym <= XK_KP_9) return static_cast<int>(keysym - XK_KP_0);
    for (int digit = 1; digit <= 9; ++digit)
        if (kKeypadMoves[digit - 1] == keysym) return digit;
    return 0;
}

int TopRowDigit(unsigned long keysym) {
    return keysym >= XK_1 && keysym <= XK_9 ? static_cast<int>(keysym - XK_0) : 0;
}

// The digit of either level of the key, the first level's first.
int DigitOfEitherLevel(int (*digitOf)(unsigned long), unsigned long unshifted, unsigned long shifted) {
    const int digit = digitOf(unshifted);
    return digit ? digit : digitOf(shifted);
}
}  // namespace

RaceKey RaceKeyOfSymbols(unsigned long unshifted, unsigned long shifted) {
    if (unshifted == XK_Return || unshifted == XK_KP_Enter) return {RaceKey::Confirm, 0};
    if (unshifted == XK_space) return {RaceKey::Space, 0};
    if (unshifted == XK_Escape) return {RaceKey::Escape, 0};
    if (unshifted == XK_Home) return {RaceKey::CameraHome, 0};  // the keypad's is its 7
    // Before the digits: "-" shares its key with "6" on a French keyboard.
    if (unshifted == XK_plus || unshifted == XK_KP_Add || shifted == XK_plus) return {RaceKey::Faster, 0};
    if (unshifted == XK_minus || unshifted == XK_KP_Subtract) return {RaceKey::Slower, 0};
    if (const int digit = DigitOfEitherLevel(KeypadDigit, unshifted, shifted)) return {RaceKey::Pad, digit};
    if (const int digit = DigitOfEitherLevel(TopRowDigit, unshifted, shifted)) return {RaceKey::Digit, digit};
    if (unshifted >= XK_a && unshifted <= XK_z) return {RaceKey::Letter, static_cast<int>(unshifted - XK_a + 'A')};
    if (unshifted >= XK_A && unshifted <= XK_Z) return {RaceKey::Letter, static_cast<int>(unshifted)};
    return {};
}
