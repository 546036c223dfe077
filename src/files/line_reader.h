// The game's own line-based text files (race journals, saves): read one
// line at a time with its number for the messages, "name value" fields, and
// blocks of lines kept after "| " (a file's text held inside another).
#pragma once

#include <sstream>
#include <string>

#include "platform/text.h"

// The text as the lines Block() reads back: each line after "| ".
inline std::string BlockLines(const std::wstring& text) {
    std::string lines;
    std::istringstream in(ToUtf8(text));
    for (std::string line; std::getline(in, line);) lines += "| " + line + "\n";
    return lines;
}

class LineReader {
public:
    explicit LineReader(const std::string& text) : in_(text) {}
    // The number of the last line read.
    int Line() const { return line_; }

    bool Next(std::string& line) {
        if (!std::getline(in_, line)) return false;
        ++line_;
        return true;
    }
    // The next line, which must start with `name` and a space: the rest.
    bool Field(const char* name, std::string& value) {
        std::string line;
        const std::string prefix = std::string(name) + " ";
        if (!Next(line) || line.compare(0, prefix.size(), prefix) != 0) return false;
        value = line.substr(prefix.size());
        return true;
    }
    // The lines that follow starting with "| ", without it, each ended by a
    // line break; the reading stops before the first other line.
    std::wstring Block() {
        std::wstring text;
        std::streampos at = in_.tellg();
        for (std::string line; std::getline(in_, line) && line.compare(0, 2, "| ") == 0; at = in_.tellg()) {
            ++line_;
            text += FromUtf8(line.substr(2)) + L"\n";
        }
        in_.clear();
        in_.seekg(at);
        return text;
    }

private:
    std::istringstream in_;
    int line_ = 0;
};
