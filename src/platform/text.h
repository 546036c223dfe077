// Text conversions between the game's wide strings and the bytes of files
// and file names.
#pragma once

#include <string>

// 8-bit text: each character's low byte (ISO-8859-1 for the game's texts).
std::string ToLatin1(const std::wstring& text);
// Each byte becomes the character of the same code (0..255, never negative).
std::wstring FromLatin1(const std::string& bytes);

// File names on disk are UTF-8.
std::string ToUtf8(const std::wstring& text);
// Invalid sequences are taken byte by byte as ISO-8859-1.
std::wstring FromUtf8(const std::string& bytes);

// The key names are listed by: letters in capitals with their accents
// dropped ("élodie" sorts beside "Emile"), other characters as they are.
std::wstring AlphabeticalKey(const std::wstring& text);

// Decimal text of an integer, as the game joins numbers into texts.
std::wstring IntText(long long value);
