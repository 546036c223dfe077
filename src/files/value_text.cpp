#include "files/value_text.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "platform/text.h"

std::wstring TrimSpaces(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return std::wstring();
    const size_t last = text.find_last_not_of(L' ');
    return text.substr(first, last - first + 1);
}

int ParseInteger(const std::wstring& text) {
    // strtol follows atoi's rules and reports overflow instead of leaving it
    // undefined; an embedded NUL ends the number as it would in C.
    const std::string bytes = ToLatin1(text);
    const long value = std::strtol(bytes.c_str(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

bool ParseWholeNumber(const std::wstring& text, int lowest, int highest, int& value) {
    const std::wstring number = TrimSpaces(text);
    const bool negative = !number.empty() && number[0] == L'-';
    size_t i = !number.empty() && (negative || number[0] == L'+') ? 1 : 0;
    if (i == number.size()) return false;
    // Beyond the range of an int the digits no longer matter.
    const long long beyond = static_cast<long long>(INT_MAX) + 2;
    long long magnitude = 0;
    for (; i < number.size(); ++i) {
        if (number[i] < L'0' || number[i] > L'9') return false;
        magnitude = std::min(magnitude * 10 + (number[i] - L'0'), beyond);
    }
    const long long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < lowest || signedValue > highest) return false;
    value = static_cast<int>(signedValue);
    return true;
}

float ParseReal(const std::wstring& text) {
    const std::string bytes = ToLatin1(text);
    const double value = std::strtod(bytes.c_str(), nullptr);
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX)
        return value > 0 ? HUGE_VALF : -HUGE_VALF;
    return static_cast<float>(value);
}

bool ParseBool(const std::wstring& text) { return text == L"true"; }
