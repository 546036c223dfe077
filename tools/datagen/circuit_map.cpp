#include "circuit_map.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

const std::string kKnownMarks = " #.^%Y*";

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

[[noreturn]] void RefuseLine(int line, const std::string& what) {
    throw MapRefusal("ligne " + std::to_string(line) + " : " + what);
}

bool ValidName(const std::string& name) {
    return !name.empty() && name.size() <= 40 && std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '-';
    });
}

void ReadSetting(TrackMap& map, const std::string& line, int number) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) RefuseLine(number, "« clé = valeur » ou « carte » attendu");
    const std::string key = Trimmed(line.substr(0, equals)), value = Trimmed(line.substr(equals + 1));
    if (key == "nom") {
        if (!ValidName(value))
            RefuseLine(number,
                       "le nom ne peut tenir que des lettres sans accents, des chiffres, des espaces et des tirets");
        map.name = value;
    } else if (key == "spectateurs") {
        map.crowdSize = std::atoi(value.c_str());
        if (map.crowdSize < 1 || map.crowdSize > 40) RefuseLine(number, "« spectateurs » va de 1 à 40");
    } else {
        RefuseLine(number, "clé « " + key + " » inconnue");
    }
}

}  // namespace

bool IsTrackMark(char mark) { return mark == '.' || SlotNumber(mark) > 0 || GateNumber(mark) > 0; }

int SlotNumber(char mark) {
    if (mark >= '1' && mark <= '9') return mark - '0';
    if (mark >= 'A' && mark <= 'J') return mark - 'A' + 10;
    return 0;
}

int GateNumber(char mark) { return mark >= 'a' && mark <= 'z' ? mark - 'a' + 1 : 0; }

char TrackMap::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Length()) return ' ';
    return rows[static_cast<size_t>(Length() - 1 - y)][static_cast<size_t>(x)];
}

std::string TrackMap::Where(int x, int y) const {
    return "ligne " + std::to_string(firstRowLine + Length() - 1 - y) + ", colonne " + std::to_string(x + 1);
}

void TrackMap::Refuse(Cell c, const std::string& what) const { throw MapRefusal(Where(c) + " : " + what); }

TrackMap ReadTrackMap(const std::string& text) {
    TrackMap map;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string setting = Trimmed(line);
        if (setting.empty() || setting[0] == ';') continue;
        if (setting == "carte") break;
        ReadSetting(map, setting, number);
    }
    if (map.name.empty()) RefuseLine(number, "la carte n'a pas de nom (« nom = ... » avant « carte »)");
    map.firstRowLine = number + 1;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        map.rows.push_back(line);
    }
    while (!map.rows.empty() && Trimmed(map.rows.back()).empty()) map.rows.pop_back();
    if (map.rows.size() < 3) RefuseLine(number, "la carte suit « carte » et tient au moins trois lignes");
    size_t width = 0;
    for (const std::string& row : map.rows) width = std::max(width, row.size());
    for (std::string& row : map.rows) row.resize(width, ' ');
    for (int y = 0; y < map.Length(); ++y)
        for (int x = 0; x < map.Width(); ++x) {
            const char mark = map.At(x, y);
            if (!IsTrackMark(mark) && kKnownMarks.find(mark) == std::string::npos)
                map.Refuse({x, y}, std::string("caractère « ") + mark + " » inconnu");
        }
    return map;
}
