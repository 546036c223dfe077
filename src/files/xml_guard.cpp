#include "files/xml_guard.h"

#include <algorithm>
#include <vector>

namespace {
// The file's characters as the reader sees them: 8-bit, or UTF-16 or UTF-32
// units after their byte-order mark, in either byte order.
struct TextUnits {
    size_t headerBytes = 0;
    size_t unitBytes = 1;
    std::vector<unsigned> units;
};

// The first four bytes as the reader tests them: it adds four zero bytes
// after every file, so "\xff\xfe" alone reads as the UTF-32 mark.
std::string Mark(const std::string& bytes) {
    std::string mark = bytes.substr(0, 4);
    mark.resize(4, '\0');
    return mark;
}

TextUnits DecodeUnits(const std::string& bytes) {
    TextUnits text;
    const std::string mark = Mark(bytes);
    bool bigEndian = false;
    if (mark == std::string("\xff\xfe\0\0", 4) || mark == std::string("\0\0\xfe\xff", 4)) {
        text.unitBytes = text.headerBytes = 4;
        bigEndian = mark[0] == '\0';
    } else if (mark.compare(0, 2, "\xff\xfe") == 0 || mark.compare(0, 2, "\xfe\xff") == 0) {
        text.unitBytes = text.headerBytes = 2;
        bigEndian = mark[0] == '\xfe';
    } else if (mark.compare(0, 3, "\xef\xbb\xbf") == 0) {
        text.headerBytes = 3;
    }
    // Only whole units: the reader would read a last, partial one together
    // with its padding and miss the end of the text.
    for (size_t at = text.headerBytes; at + text.unitBytes <= bytes.size(); at += text.unitBytes) {
        unsigned unit = 0;
        for (size_t k = 0; k < text.unitBytes; ++k) {
            const unsigned byte = static_cast<unsigned char>(bytes[at + (bigEndian ? k : text.unitBytes - 1 - k)]);
            unit = (unit << 8) | byte;
        }
        text.units.push_back(unit);
    }
    return text;
}

bool IsSpace(unsigned c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Follows the reader through the construct that starts with "<" at `start`.
// Returns the position after it, or `npos` when the reader would run past
// the end of the text. `units` ends with a 0, as the reader's buffer does.
class ConstructScanner {
public:
    explicit ConstructScanner(const std::vector<unsigned>& units) : u_(units), end_(units.size() - 1) {}

    size_t Scan(size_t start) const {
        const size_t p = start + 1;
        if (p >= end_) return std::string::npos;
        if (u_[p] == '/' || u_[p] == '?') return AfterNext('>', p);
        if (u_[p] == '!') return u_[p + 1] == '[' ? AfterCdata(p) : AfterComment(p);
        return AfterElement(p);
    }

private:
    size_t AfterNext(unsigned c, size_t p) const {
        while (p < end_ && u_[p] != c) ++p;
        return p < end_ ? p + 1 : std::string::npos;
    }

    // The reader skips the 8 characters after "<" unchecked and stops at the
    // end of the text inside the section; a "]]>" among those 8 would give
    // the section a negative length.
    size_t AfterCdata(size_t bang) const {
        for (size_t p = bang + 8; p < end_; ++p) {
            if (u_[p] == '>' && u_[p - 1] == ']' && u_[p - 2] == ']')
                return p >= bang + 10 ? p + 1 : std::string::npos;
        }
        return end_;
    }

    // Comments end where as many ">" as "<" have been met; the reader takes
    // "<!--" and "-->" off its text, so a shorter comment such as "<!>"
    // would have a negative length.
    size_t AfterComment(size_t bang) const {
        int depth = 1;
        for (size_t p = bang + 1; p < end_; ++p) {
            if (u_[p] == '>') --depth;
            else if (u_[p] == '<') ++depth;
            if (depth == 0) return p >= bang + 5 ? p + 1 : std::string::npos;
        }
        return std::string::npos;
    }

    size_t AfterElement(size_t p) const {
        while (p < end_ && u_[p] != '>' && !IsSpace(u_[p])) ++p;  // the name
        while (p < end_ && u_[p] != '>') {
            if (IsSpace(u_[p])) {
                ++p;
                continue;
            }
            // A "/" closes the tag; the reader skips the character after it
            // (the ">", in a sound file) without looking.
            if (u_[p] == '/') return std::min(p + 2, end_);
            while (p < end_ && !IsSpace(u_[p]) && u_[p] != '=') ++p;  // an attribute's name
            if (p >= end_) return std::string::npos;
            ++p;
            // The reader gives up on the file when the value's quotes are missing.
            while (p < end_ && u_[p] != '"' && u_[p] != '\'') ++p;
            if (p >= end_) return end_;
            const unsigned quote = u_[p++];
            while (p < end_ && u_[p] != quote) ++p;
            if (p >= end_) return end_;
            ++p;
        }
        return p < end_ ? p + 1 : std::string::npos;
    }

    const std::vector<unsigned>& u_;
    const size_t end_;
};

// Units the reader can take: up to the first NUL (where it stops anyway),
// and before any construct it could not finish.
size_t SafeUnitCount(std::vector<unsigned> units) {
    size_t end = 0;
    while (end < units.size() && units[end] != 0) ++end;
    units.resize(end + 1);
    const ConstructScanner scanner(units);
    size_t p = 0;
    while (p < end) {
        if (units[p] != '<') {
            ++p;
            continue;
        }
        const size_t next = scanner.Scan(p);
        if (next == std::string::npos) return p;
        p = next;
    }
    return end;
}
}  // namespace

size_t SafeXmlLength(const std::string& bytes) {
    const TextUnits text = DecodeUnits(bytes);
    // Without a character, even the byte-order mark goes: alone, "\xff\xfe"
    // would read as the start of a UTF-32 file.
    const size_t units = SafeUnitCount(text.units);
    return units == 0 ? 0 : text.headerBytes + units * text.unitBytes;
}
