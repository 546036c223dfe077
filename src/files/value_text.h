// Turning the texts of the game's XML files into values.
#pragma once

#include <string>

// The text without its leading and trailing spaces (U+0020 only: tabs and
// line breaks stay).
std::wstring TrimSpaces(const std::wstring& text);

// A whole number read by the rules of the C library's atoi on the text's
// 8-bit characters: leading white space skipped, an optional sign, the digits
// up to the first other character, 0 when there are none. Values beyond the
// range of an int are clamped to it.
int ParseInteger(const std::wstring& text);

// True when the text, without the spaces around it, is a whole number
// (digits after an optional sign) from `lowest` to `highest`; its value is
// then stored in `value`.
bool ParseWholeNumber(const std::wstring& text, int lowest, int highest, int& value);

// A real number read by the rules of atof (fraction and exponent allowed),
// 0 when the text is not a number.
float ParseReal(const std::wstring& text);

// True exactly for the text "true".
bool ParseBool(const std::wstring& text);
