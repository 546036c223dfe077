#include "files/image_guard.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace {
unsigned Byte(const std::string& bytes, size_t at) { return static_cast<unsigned char>(bytes[at]); }

bool IsStandaloneMarker(unsigned marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// After a scan header: the position of the marker that ends the entropy-coded
// data (an 0xFF followed by neither a stuffed zero, a restart marker nor a
// fill byte), or npos when the bytes end first.
size_t EndOfScan(const std::string& bytes, size_t p) {
    for (; p + 1 < bytes.size(); ++p) {
        if (Byte(bytes, p) != 0xFF) continue;
        const unsigned next = Byte(bytes, p + 1);
        if (next != 0x00 && next != 0xFF && !(next >= 0xD0 && next <= 0xD7)) return p;
    }
    return std::string::npos;
}

bool HasExtension(const std::string& path, const std::string& extension) {
    if (path.size() < extension.size()) return false;
    return std::equal(extension.begin(), extension.end(), path.end() - extension.size(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}
}  // namespace

bool IsWholeJpeg(const std::string& bytes) {
    if (bytes.size() < 4 || Byte(bytes, 0) != 0xFF || Byte(bytes, 1) != 0xD8) return false;
    size_t p = 2;
    for (;;) {
        if (p >= bytes.size() || Byte(bytes, p) != 0xFF) return false;
        while (p < bytes.size() && Byte(bytes, p) == 0xFF) ++p;  // fill bytes
        if (p >= bytes.size()) return false;
        const unsigned marker = Byte(bytes, p++);
        if (marker == 0xD9) return true;  // end of image
        if (IsStandaloneMarker(marker)) continue;
        if (p + 2 > bytes.size()) return false;
        const size_t length = Byte(bytes, p) << 8 | Byte(bytes, p + 1);
        if (length < 2 || p + length > bytes.size()) return false;
        p += length;
        if (marker == 0xDA) {  // start of scan: the coded data follows
            p = EndOfScan(bytes, p);
            if (p == std::string::npos) return false;
        }
    }
}

bool IsLoadableImageFile(const std::string& path) {
    if (!HasExtension(path, ".jpg") && !HasExtension(path, ".jpeg")) return true;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return IsWholeJpeg(bytes);
}
