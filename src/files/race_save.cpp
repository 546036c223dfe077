#include "files/race_save.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sstream>

#include "core/game_state.h"
#include "files/line_reader.h"
#include "files/pilot_file.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

namespace {
const char* const kTitle = "Skarvoll 3D : course sauvegardée";
constexpr const char* kExtension = ".sauvegarde";
constexpr const char* kJournalExtension = ".journal";

SavedRace current;
void (*failureHandler)(bool) = nullptr;
bool failing = false;

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SaveText(const SavedRace& saved) {
    std::string text = std::string(kTitle) + "\nformat 1\njournal " + NameOf(saved.journal) + "\n";
    text += "evenements " + std::to_string(saved.events) + "\noctets " + std::to_string(saved.bytes) + "\n";
    text += "tour " + std::to_string(saved.round) + " " + std::to_string(saved.car) + "\n";
    text += saved.stopped ? std::string("etat arretee\n") : "etat en_cours " + std::to_string(saved.process) + "\n";
    for (const CarBoxes& b : saved.boxes)
        text += "cases " + std::to_string(b.car) + " " + std::to_string(b.autoEndTurn) + " " +
                std::to_string(b.showIntersections) + " " + std::to_string(b.hideWalls) + " " +
                std::to_string(b.showTrail) + " " + std::to_string(b.showRisks) + "\n";
    for (const PilotFileChange& change : saved.changes) {
        const std::string which = std::to_string(change.car) + " " + std::to_string(change.number);
        if (change.done) {
            text += "fait " + which + "\n";
            continue;
        }
        text += "attente " + which + (change.deletes ? " efface " : " ecrit ") + ToUtf8(change.pilot) + "\n";
        text += BlockLines(change.text);
    }
    return text;
}

// Tells the handler when saving starts failing and when it works again.
void NoteSaveOutcome(bool written) {
    if (written == failing && failureHandler) failureHandler(!written);
    failing = !written;
}

// Writes the save as it stands in memory.
bool WriteSave(const SavedRace& saved) {
    const bool written = WriteFileAtomically(saved.path, SaveText(saved));
    NoteSaveOutcome(written);
    return written;
}

std::vector<CarBoxes> BoxesOfTheCars() {
    std::vector<CarBoxes> boxes;
    for (int i = 1; i <= game.carCount; ++i) {
        const CarRecord& car = game.cars[i];
        boxes.push_back({i, car.autoEndTurn != 0, car.showIntersections != 0, car.hideWalls != 0, car.showTrail != 0,
                         car.showRisks != 0});
    }
    return boxes;
}

// The save of the race being saved, changed and written whole with the
// cars' check boxes as they are; kept in memory only once on disk.
template <typename Change>
bool Rewrite(Change change) {
    if (current.path.empty()) return false;
    SavedRace next = current;
    change(next);
    next.boxes = BoxesOfTheCars();
    if (!WriteSave(next)) return false;
    current = std::move(next);
    return true;
}

// The journal's own name with the save's extension.
std::string SavePathFor(const std::string& journalPath) {
    std::string base = journalPath;
    const std::string extension = kJournalExtension;
    if (base.size() > extension.size() && base.compare(base.size() - extension.size(), extension.size(), extension) == 0)
        base.resize(base.size() - extension.size());
    return base + kExtension;
}

bool ParseNumber(const std::string& text, long long& value) {
    if (text.empty() || text.size() > 15 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    value = std::stoll(text);
    return true;
}

// Reading, line by line.
class SaveReader : public LineReader {
public:
    SaveReader(const std::string& text, SavedRace& saved) : LineReader(text), saved_(saved) {}
    bool Read();

private:
    bool Number(const char* name, long long& value) {
        std::string text;
        return Field(name, text) && ParseNumber(text, value);
    }
    bool Change(const std::string& line);
    bool Boxes(const std::string& line);
    SavedRace& saved_;
};

bool SaveReader::Boxes(const std::string& line) {
    std::istringstream fields(line.substr(6));
    CarBoxes b;
    int ticks[5] = {};
    if (!(fields >> b.car >> ticks[0] >> ticks[1] >> ticks[2] >> ticks[3]) || b.car < 1 || b.car > 99) return false;
    if (!(fields >> std::ws).eof() && !(fields >> ticks[4])) return false;  // "Voir risques" came later
    for (int tick : ticks)
        if (tick != 0 && tick != 1) return false;
    b.autoEndTurn = ticks[0];
    b.showIntersections = ticks[1];
    b.hideWalls = ticks[2];
    b.showTrail = ticks[3];
    b.showRisks = ticks[4];
    saved_.boxes.push_back(b);
    return true;
}

bool SaveReader::Change(const std::string& line) {
    if (line.compare(0, 6, "cases ") == 0) return Boxes(line);
    std::istringstream fields(line);
    std::string word, action;
    PilotFileChange change;
    if (!(fields >> word >> change.car >> change.number) || change.car < 1 || change.number < 1) return false;
    if (word == "fait") {
        change.done = true;
        saved_.changes.push_back(change);
        return fields.eof() || (fields >> std::ws).eof();
    }
    if (word != "attente" || !(fields >> action) || (action != "ecrit" && action != "efface")) return false;
    change.deletes = action == "efface";
    std::string name;
    std::getline(fields >> std::ws, name);
    change.pilot = FromUtf8(name);
    if (!IsSafePilotName(change.pilot) || change.pilot.empty()) return false;
    change.text = Block();
    if (change.deletes != change.text.empty()) return false;
    saved_.changes.push_back(change);
    return true;
}

bool SaveReader::Read() {
    std::string line, value;
    long long round = 0, car = 0, process = 0;
    if (!Next(line) || line != kTitle || !Field("format", value) || value != "1") return false;
    // The journal lies beside the save, named as the game names journals.
    const std::string extension = kJournalExtension;
    if (!Field("journal", value) || value.size() <= extension.size() || value.find('/') != std::string::npos ||
        value.compare(value.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    saved_.journal = value;
    if (!Number("evenements", saved_.events) || !Number("octets", saved_.bytes)) return false;
    if (!Field("tour", value)) return false;
    std::istringstream turn(value);
    if (!(turn >> round >> car) || round < 0 || round > 1000000 || car < 1 || car > 99) return false;
    saved_.round = static_cast<int>(round);
    saved_.car = static_cast<int>(car);
    if (!Field("etat", value)) return false;
    saved_.stopped = value == "arretee";
    if (!saved_.stopped) {
        if (value.compare(0, 9, "en_cours ") != 0 || !ParseNumber(value.substr(9), process) || process > 4194304)
            return false;
        saved_.process = static_cast<int>(process);
    }
    while (Next(line))
        if (!Change(line)) return false;
    return true;
}

PilotFileChange* FindChange(int car, int number) {
    for (PilotFileChange& change : current.changes)
        if (change.car == car && change.number == number) return &change;
    return nullptr;
}

// Makes a change left about to be made: the same new file, or the deletion.
bool Redo(const PilotFileChange& change) {
    const std::string path = PilotFilePath(change.pilot);
    if (change.deletes) return std::remove(path.c_str()) == 0 || errno == ENOENT;
    return WriteFileAtomically(path, ToLatin1(change.text));
}
}  // namespace

void RestoreCarBoxes(const SavedRace& saved) {
    for (const CarBoxes& b : saved.boxes) {
        if (b.car > game.carCount) continue;
        CarRecord& car = game.cars[b.car];
        car.autoEndTurn = b.autoEndTurn;
        car.showIntersections = b.showIntersections;
        car.hideWalls = b.hideWalls;
        car.showTrail = b.showTrail;
        car.showRisks = b.showRisks;
    }
}

void StartSaving(const std::string& journalPath) {
    current = SavedRace();
    current.path = SavePathFor(journalPath);
    current.journal = journalPath;
    current.process = getpid();
    failing = false;
}

void ContinueSaving(const SavedRace& saved) {
    current = saved;
    current.stopped = false;
    current.process = getpid();
    failing = false;
    WriteSave(current);
}

void StopSaving() { current = SavedRace(); }

const SavedRace& CurrentSave() { return current; }

bool SaveRaceAt(long long bytes, long long events, int round, int car) {
    return Rewrite([=](SavedRace& next) {
        next.bytes = bytes;
        next.events = events;
        next.round = round;
        next.car = car;
    });
}

void SaveRaceFailed() {
    if (!current.path.empty()) NoteSaveOutcome(false);
}

bool StopRaceHere(long long bytes, long long events) {
    return Rewrite([=](SavedRace& next) {
        next.bytes = bytes;
        next.events = events;
        next.stopped = true;
    });
}

void RemoveRaceSave() {
    if (!current.path.empty()) RemoveFile(current.path);
    StopSaving();
}

void SetSaveFailureHandler(void (*handler)(bool)) { failureHandler = handler; }

bool PilotFileChangeLogged(int car, int number) { return FindChange(car, number) != nullptr; }

bool LogPilotFileChange(const PilotFileChange& change) {
    if (current.path.empty()) return true;  // a race that is not saved has nothing to resume
    return Rewrite([&change](SavedRace& next) {
        next.changes.push_back(change);
        next.changes.back().done = false;
    });
}

void PilotFileChangeMade(int car, int number) {
    PilotFileChange* change = FindChange(car, number);
    if (!change) return;
    change->done = true;
    change->text.clear();
    WriteSave(current);
}

bool ReadSavedRace(const std::string& path, SavedRace& saved, std::wstring& error) {
    saved = SavedRace();
    std::string bytes;
    const std::wstring name = FromUtf8(NameOf(path));
    if (!ReadWholeFile(path, bytes)) {
        error = L"La sauvegarde « " + name + L" » ne peut pas être lue.";
        return false;
    }
    SaveReader reader(bytes, saved);
    if (bytes.empty() || bytes.back() != '\n' || !reader.Read()) {
        error = L"La sauvegarde « " + name + L" » n'est pas une sauvegarde de course valide (ligne " +
                std::to_wstring(std::max(reader.Line(), 1)) + L").";
        saved = SavedRace();
        return false;
    }
    saved.path = path;
    saved.journal = FolderOf(path) + "/" + saved.journal;
    return true;
}

std::vector<std::string> ListSavedRaces(const std::string& folder) { return FilesNewestFirst(folder, kExtension); }

// A race is running only in a game still running; the game restarts itself
// under its own number, and a number may be given again after a restart of
// the machine.
bool LeftByACrash(const SavedRace& saved) { return !saved.stopped && !SameProgramRunsAs(saved.process); }

void MarkSaveSeen(const std::string& path) {
    SavedRace saved;
    std::wstring error;
    if (!ReadSavedRace(path, saved, error) || !LeftByACrash(saved)) return;
    saved.stopped = true;
    WriteFileAtomically(path, SaveText(saved));
}

void RecoverSavedRaces(const std::string& folder) {
    for (const std::string& path : ListSavedRaces(folder)) {
        SavedRace saved;
        std::wstring error;
        if (!ReadSavedRace(path, saved, error) || !LeftByACrash(saved)) continue;
        bool changed = false;
        for (PilotFileChange& change : saved.changes) {
            if (change.done || !Redo(change)) continue;
            change.done = true;
            change.text.clear();
            changed = true;
        }
        if (changed) WriteFileAtomically(path, SaveText(saved));
    }
}
