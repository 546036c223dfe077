// The text that keys type, the keys named by their X key symbols (keysyms,
// as the X window system reports them for the keyboard layout in use): the
// game's 8-bit characters, with the accent of a dead key ("^" then "e" gives
// "ê") put on the letter typed after it.
#pragma once

#include <string>

// The character a key symbol types, or 0 when it types none of the game's
// characters: a modifier, an arrow, a dead key, a character above U+00FF.
wchar_t KeySymbolCharacter(unsigned long keysym);

// Follows the key presses of one keyboard and says what each one types.
class DeadKeyComposer {
public:
    // The text that this press adds: nothing for a dead key, which waits
    // for the next key; the accented letter when a letter that takes the
    // accent follows it, the accent alone after a space or the same dead
    // key again, the accent then the character after any other character.
    // Modifiers (Shift, AltGr...) leave a waiting accent waiting; any other
    // key that types nothing forgets it.
    std::wstring Press(unsigned long keysym);

    // Forgets a waiting accent, as a key press that types nothing does.
    void Forget() { accent_ = 0; }

private:
    unsigned long accent_ = 0;  // the dead key waiting for its letter
};

// The keys the race answers to, whatever the keyboard layout: Return (or
// the keypad's Enter), Space, Escape, a digit of the top row, a digit of
// the numeric keypad and a letter.
struct RaceKey {
    enum Kind { NoKey, Confirm, Space, Escape, Digit, Pad, Letter, Faster, Slower, CameraHome };
    Kind kind = NoKey;
    int value = 0;  // 1..9 for Digit and Pad, 'A'..'Z' for Letter
    bool operator==(const RaceKey& other) const { return kind == other.kind && value == other.value; }
};

// The race key of a physical key, given the symbols of its first and second
// (shifted) levels in the layout in use: the top row's digits are found on
// either level (a French keyboard gives them shifted), the keypad's with
// Num Lock on or off, letters by what is printed on the key.
RaceKey RaceKeyOfSymbols(unsigned long unshifted, unsigned long shifted);
