#include "files/race_journal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <sstream>

#include "core/game_state.h"
#include "core/random.h"
#include "files/pilot_file.h"
#include "files/line_reader.h"
#include "files/race_save.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace {
const char* const kTitle = "Skarvoll 3D : journal de course";
constexpr int kFormat = 1;
constexpr const char* kExtension = ".journal";

struct EventWord {
    RaceEventKind kind;
    const char* word;
};
const EventWord kWords[] = {
    {RaceEventKind::Cross, "croix"},      {RaceEventKind::Answer, "reponse"},
    {RaceEventKind::DieStop, "de"},       {RaceEventKind::Target, "cible"},
    {RaceEventKind::Button, "bouton"},    {RaceEventKind::EndTurn, "fin_tour"},
    {RaceEventKind::TurnStart, "tour"},   {RaceEventKind::RaceEnd, "fin"},
    {RaceEventKind::HandOver, "releve"},
};

const char* WordOf(RaceEventKind kind) {
    for (const EventWord& w : kWords)
        if (w.kind == kind) return w.word;
    return "?";
}

bool KindOf(const std::string& word, RaceEventKind& kind) {
    for (const EventWord& w : kWords)
        if (word == w.word) {
            kind = w.kind;
            return true;
        }
    return false;
}

std::string EventLine(const RaceEvent& event) {
    std::string line = std::string(WordOf(event.kind)) + " " + std::to_string(event.car) + " " +
                       std::to_string(event.value);
    if (event.draws > 0) line += " +" + std::to_string(event.draws);
    char hex[12];
    for (uint32_t sum : event.sums) {
        std::snprintf(hex, sizeof hex, " %08x", sum);
        line += hex;
    }
    return line + "\n";
}

}  // namespace

std::string JournalEventsText(const std::vector<RaceEvent>& events) {
    std::string text;
    for (const RaceEvent& event : events) text += EventLine(event);
    return text;
}

std::string JournalHeaderText(const RaceJournal& journal) {
    std::string text = std::string(kTitle) + "\nformat " + std::to_string(kFormat) + "\n";
    text += "date " + ToUtf8(journal.date) + "\ncircuit " + ToUtf8(journal.circuit) + "\n";
    text += "decor " + std::string(journal.decor ? "1" : "0") + "\nhasard " +
            std::to_string(journal.randomState) + "\n";
    for (size_t i = 0; i < journal.cars.size(); ++i) {
        const JournalCar& car = journal.cars[i];
        text += "voiture " + std::to_string(i + 1) + " " + ToUtf8(car.colour) + " " + ToUtf8(car.controller) + "\n";
        text += BlockLines(car.pilotFile);
    }
    return text + "course\n";
}

namespace {

std::FILE* journalFile = nullptr;
long long journalBytes = 0;   // written to the file so far
long long journalEvents = 0;  // events among them
bool journalFailed = false;   // a write failed: what follows may be missing

void Write(const std::string& text) {
    if (std::fwrite(text.data(), 1, text.size(), journalFile) != text.size()) journalFailed = true;
    journalBytes += static_cast<long long>(text.size());
}

// Everything written is with the system; for a race being saved, on the
// disk itself, not only in the system's cache (the simulator's journals
// need not wait for the disk).
bool SyncJournal() {
    if (std::fflush(journalFile) != 0) return false;
    const bool saved = !CurrentSave().path.empty();
    return (!saved || fdatasync(fileno(journalFile)) == 0) && !journalFailed;
}

void AppendEvent(const RaceEvent& event) {
    if (!journalFile) return;
    Write(EventLine(event));
    ++journalEvents;
    // Each turn reaches the disk as it starts, and the race's save then
    // points at it: a crash loses at most the turn under way.
    if (event.kind == RaceEventKind::TurnStart) {
        if (SyncJournal()) SaveRaceAt(journalBytes, journalEvents, event.value, event.car);
        else SaveRaceFailed();
    } else if (event.kind == RaceEventKind::RaceEnd) {
        SyncJournal();
        RemoveRaceSave();
    }
}

// "2026-12-07-20-41-05_Anneau.journal" in the folder, "-2" and on added
// when a journal of the same second is there already, unless that one is
// `reused` (replaced).
std::string PathFor(const std::string& folder, const RaceJournal& journal, bool reused) {
    std::wstring name = journal.date + L"_" + journal.circuit;
    for (wchar_t& c : name)
        if (c == L' ' || c == L':' || c == L'/' || c == L'\\') c = L'-';
    const std::string base = folder + "/" + ToUtf8(name);
    std::string path = base + kExtension;
    for (int n = 2; !reused && FileExists(path); ++n) path = base + "-" + std::to_string(n) + kExtension;
    return path;
}

// The journals of the races that can be resumed.
std::vector<std::string> JournalsWithASave(const std::string& folder) {
    std::vector<std::string> journals;
    for (const std::string& path : ListSavedRaces(folder)) {
        SavedRace saved;
        std::wstring error;
        if (ReadSavedRace(path, saved, error)) journals.push_back(saved.journal);
    }
    return journals;
}

// A journal whose race can be resumed stays whatever its age.
void RemoveOldJournals(const std::string& folder, int keep) {
    const std::vector<std::string> journals = ListJournals(folder);
    if (journals.size() <= static_cast<size_t>(std::max(keep, 1))) return;
    const std::vector<std::string> kept = JournalsWithASave(folder);
    for (size_t i = static_cast<size_t>(std::max(keep, 1)); i < journals.size(); ++i)
        if (std::find(kept.begin(), kept.end(), journals[i]) == kept.end()) RemoveFile(journals[i]);
}

// Reading, line by line, with the line number for the messages.
class JournalReader : public LineReader {
public:
    JournalReader(const std::string& text, RaceJournal& journal) : LineReader(text), journal_(journal) {}
    bool Read();

private:
    bool Cars(std::string& line);
    bool Event(const std::string& line);
    RaceJournal& journal_;
};

bool JournalReader::Cars(std::string& line) {
    while (Next(line) && line.compare(0, 8, "voiture ") == 0) {
        std::istringstream fields(line.substr(8));
        size_t number = 0;
        std::string colour, controller;
        if (!(fields >> number >> colour >> controller) || number != journal_.cars.size() + 1 ||
            number > static_cast<size_t>(kMaxCars))
            return false;
        journal_.cars.push_back({FromUtf8(colour), FromUtf8(controller), Block()});
    }
    return line == "course" && journal_.cars.size() >= 2;
}

bool JournalReader::Event(const std::string& line) {
    std::istringstream fields(line);
    std::string word;
    RaceEvent event;
    if (!(fields >> word >> event.car >> event.value) || !KindOf(word, event.kind)) return false;
    if (event.car < 0 || event.car > static_cast<int>(journal_.cars.size())) return false;
    const bool checked = event.kind == RaceEventKind::TurnStart || event.kind == RaceEventKind::RaceEnd;
    if (fields >> std::ws && fields.peek() == '+') {
        fields.get();
        if (!(fields >> event.draws) || event.draws < 1 || checked) return false;
    }
    for (std::string hex; fields >> hex;) {
        if (hex.size() != 8 || hex.find_first_not_of("0123456789abcdef") != std::string::npos) return false;
        event.sums.push_back(static_cast<uint32_t>(std::stoul(hex, nullptr, 16)));
    }
    if (checked != !event.sums.empty()) return false;
    journal_.events.push_back(event);
    return true;
}

bool JournalReader::Read() {
    std::string line, value;
    if (!Next(line) || line != kTitle || !Field("format", value) || value != std::to_string(kFormat)) return false;
    if (!Field("date", value)) return false;
    journal_.date = FromUtf8(value);
    if (!Field("circuit", value) || value.empty()) return false;
    journal_.circuit = FromUtf8(value);
    if (!Field("decor", value) || (value != "0" && value != "1")) return false;
    journal_.decor = value == "1";
    if (!Field("hasard", value) || value.empty() || value.find_first_not_of("0123456789") != std::string::npos ||
        value.size() > 10)
        return false;
    journal_.randomState = static_cast<uint32_t>(std::stoull(value));
    if (!Cars(line)) return false;
    while (Next(line))
        if (!Event(line)) return false;
    return true;
}

std::wstring FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return FromUtf8(slash == std::string::npos ? path : path.substr(slash + 1));
}
}  // namespace

std::string JournalFolder() { return GamePath(L"\\courses"); }

RaceJournal JournalOfThisRace(const std::wstring& date) {
    RaceJournal journal;
    journal.date = date;
    journal.circuit = game.circuit.circuitName;
    journal.decor = game.decorEnabled != 0;
    journal.randomState = RandomState();
    for (int i = 1; i <= game.carCount; ++i)
        journal.cars.push_back({game.cars[i].colourName, game.cars[i].controller, PilotFileText(i)});
    return journal;
}

std::string StartJournal(const std::string& folder, const RaceJournal& header, int keep) {
    StopJournal();
    mkdir(folder.c_str(), 0755);
    const std::string path = PathFor(folder, header, !header.events.empty());
    journalFile = std::fopen(path.c_str(), "wb");
    if (!journalFile) return "";
    journalBytes = journalEvents = 0;
    journalFailed = false;
    Write(JournalHeaderText(header) + JournalEventsText(header.events));
    journalEvents = static_cast<long long>(header.events.size());
    std::fflush(journalFile);
    SetRaceEventObserver(AppendEvent);
    RemoveOldJournals(folder, keep);
    return path;
}

bool ContinueJournal(const std::string& path, long long bytes, long long events) {
    StopJournal();
    journalFile = std::fopen(path.c_str(), "r+b");
    if (!journalFile) return false;
    if (ftruncate(fileno(journalFile), bytes) != 0 || std::fseek(journalFile, 0, SEEK_END) != 0) {
        StopJournal();
        return false;
    }
    journalBytes = bytes;
    journalEvents = events;
    journalFailed = false;
    SetRaceEventObserver(AppendEvent);
    return true;
}

bool JournalOnDisk(long long& bytes, long long& events) {
    if (!journalFile || !SyncJournal()) return false;
    bytes = journalBytes;
    events = journalEvents;
    return true;
}

void StopJournal() {
    SetRaceEventObserver(nullptr);
    if (journalFile) std::fclose(journalFile);
    journalFile = nullptr;
}

bool ReadJournal(const std::string& path, RaceJournal& journal, std::wstring& error) {
    return ReadJournalUpTo(path, -1, journal, error);
}

bool ReadJournalUpTo(const std::string& path, long long bytesToRead, RaceJournal& journal, std::wstring& error) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || bytesToRead > static_cast<long long>(bytes.size())) {
        journal = RaceJournal();
        error = L"Le journal « " + FileNameOf(path) + L" » ne peut pas être lu.";
        return false;
    }
    if (bytesToRead >= 0) bytes.resize(static_cast<size_t>(bytesToRead));
    return ReadJournalText(bytes, path, journal, error);
}

bool ReadJournalText(const std::string& bytes, const std::string& path, RaceJournal& journal, std::wstring& error) {
    journal = RaceJournal();
    const std::wstring name = FileNameOf(path);
    if (bytes.empty() || bytes.back() != '\n') {
        error = L"Le journal « " + name + L" » est coupé : sa dernière ligne n'est pas entière.";
        return false;
    }
    JournalReader reader(bytes, journal);
    if (!reader.Read()) {
        error = L"Le journal « " + name + L" » n'est pas un journal de course valide (ligne " +
                std::to_wstring(reader.Line()) + L").";
        journal = RaceJournal();
        return false;
    }
    return true;
}

std::vector<std::string> ListJournals(const std::string& folder) { return FilesNewestFirst(folder, kExtension); }

std::wstring KeptPilotName(const JournalCar& car) {
    const std::wstring open = L"<NomPilote>", close = L"</NomPilote>";
    const size_t from = car.pilotFile.find(open);
    const size_t to = car.pilotFile.find(close);
    if (from == std::wstring::npos || to == std::wstring::npos || to < from) return L"?";
    std::wstring name = car.pilotFile.substr(from + open.size(), to - from - open.size());
    const size_t first = name.find_first_not_of(L' '), last = name.find_last_not_of(L' ');
    name = first == std::wstring::npos ? L"" : name.substr(first, last - first + 1);
    // The file escapes what XML would read as markup.
    const std::pair<const wchar_t*, const wchar_t*> entities[] = {
        {L"&lt;", L"<"}, {L"&gt;", L">"}, {L"&quot;", L"\""}, {L"&apos;", L"'"}, {L"&amp;", L"&"}};
    for (const auto& [entity, character] : entities)
        for (size_t at = name.find(entity); at != std::wstring::npos; at = name.find(entity, at + 1))
            name.replace(at, std::wcslen(entity), character);
    return name;
}

std::wstring JournalPilots(const RaceJournal& journal) {
    std::wstring pilots;
    for (const JournalCar& car : journal.cars) pilots += (pilots.empty() ? L"" : L", ") + KeptPilotName(car);
    return pilots;
}

std::wstring JournalSummary(const RaceJournal& journal) {
    const std::wstring pilots = JournalPilots(journal);
    std::wstring end = L"course inachevée";
    if (journal.Finished()) {
        const int winner = journal.events.back().car;
        end = winner >= 1 && winner <= static_cast<int>(journal.cars.size())
                  ? L"vainqueur : " + KeptPilotName(journal.cars[static_cast<size_t>(winner - 1)])
                  : L"pas de vainqueur";
    }
    return journal.date + L" - " + journal.circuit + L" - " + pilots + L" - " + end;
}
