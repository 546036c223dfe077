#include "platform/text.h"

std::string ToLatin1(const std::wstring& text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t c : text) out.push_back(static_cast<char>(static_cast<unsigned>(c) & 0xff));
    return out;
}

std::wstring FromLatin1(const std::string& bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char c : bytes) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return out;
}

std::string ToUtf8(const std::wstring& text) {
    std::string out;
    for (wchar_t wc : text) {
        const unsigned c = static_cast<unsigned>(wc);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | ((c >> 18) & 0x07)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

namespace {
// Length of the valid UTF-8 sequence starting at bytes[i], 0 when invalid.
size_t Utf8SequenceLength(const std::string& bytes, size_t i, unsigned& code) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    size_t length;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const unsigned minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < minimum[length] || code > 0x10FFFF) return 0;
    return length;
}
}  // namespace

std::wstring FromUtf8(const std::string& bytes) {
    std::wstring out;
    size_t i = 0;
    while (i < bytes.size()) {
        unsigned code = 0;
        const size_t length = Utf8SequenceLength(bytes, i, code);
        if (length == 0) {
            out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            out.push_back(static_cast<wchar_t>(code));
            i += length;
        }
    }
    return out;
}

std::wstring IntText(long long value) { return std::to_wstring(value); }

std::wstring AlphabeticalKey(const std::wstring& text) {
    // The base capital letter of each Latin-1 letter from U+00C0 to U+00FF;
    // 0 keeps the character (the signs and the sharp s).
    static const char kBaseLetters[] = "AAAAAAACEEEEIIII" "DNOOOOO" "\0" "OUUUUY" "\0\0"
                                       "AAAAAAACEEEEIIII" "DNOOOOO" "\0" "OUUUUY" "\0Y";
    static_assert(sizeof(kBaseLetters) == 64 + 1, "one entry per character from U+00C0");
    std::wstring key;
    key.reserve(text.size());
    for (wchar_t c : text) {
        if (c >= L'a' && c <= L'z') c = c - L'a' + L'A';
        else if (c >= 0xC0 && c <= 0xFF && kBaseLetters[c - 0xC0]) c = kBaseLetters[c - 0xC0];
        key.push_back(c);
    }
    return key;
}
