// The integrity text "Secu" of a pilot file, which makes hand edits visible.
#pragma once

#include <string>

// The integrity text of car `car`'s record: a function of its name, skills,
// wheel side, Zonks, the structures of sides 1 to 4 and the names of the
// gadgets on those four sides.
std::wstring ComputeSecu(int car);

// Mixes two texts character by character (8-bit characters taken as signed
// values); the result is one character longer than the longer text and
// holds only characters 33 to 122, never " ' , \ or `.
std::wstring MixTexts(const std::wstring& a, const std::wstring& b);

// The characters of the text in reverse order.
std::wstring ReverseText(const std::wstring& s);
