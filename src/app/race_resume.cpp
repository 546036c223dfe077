#include "app/race_resume.h"

#include "app/race_replay.h"
#include "core/decisions.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "files/race_journal.h"
#include "files/race_save.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "race/computer_driver.h"
#include "scene/race_frame.h"
#include "ui/car_message.h"
#include "ui/dice_dialog.h"

namespace {
// While the record is fed again nothing is drawn, waited for or asked, and
// no pilot file is written (the race wrote its changes the first time).
struct QuietSettings {
    bool answers = false, sleeps = true, searchDrawn = true, filesKept = false;
    int drawEvery = 1;
};
QuietSettings beforeQuiet;

void BeQuiet() {
    beforeQuiet = {DialogsAnswerThemselves(), SleepEnabled(), SearchFramesDrawn(), PilotFilesKept(),
                   FramesDrawnEvery()};
    SetDialogsAnswerThemselves(true);
    SetSleepEnabled(false);
    DrawSearchFrames(false);
    KeepPilotFiles(true);
    DrawFramesEvery(0);
}

void SpeakAgain() {
    SetDialogsAnswerThemselves(beforeQuiet.answers);
    SetSleepEnabled(beforeQuiet.sleeps);
    DrawSearchFrames(beforeQuiet.searchDrawn);
    KeepPilotFiles(beforeQuiet.filesKept);
    DrawFramesEvery(beforeQuiet.drawEvery);
    SetCaughtUpHandler(nullptr);
}

void TellSaveFailure(bool failed) {
    if (!failed) return;
    DiceDialogUnanchored(L"La course n'a pas pu être sauvegardée : le dossier courses est plein ou protégé en "
                         L"écriture.\nElle continue, et sera sauvegardée dès que ce sera de nouveau possible.",
                         kOpaqueWhite);
}

std::wstring NameOf(const std::string& path) { return FromUtf8(path.substr(path.find_last_of('/') + 1)); }

// The end of the last turn line the journal holds whole past `from`, or
// `from`: the journal reaches the disk as each turn starts, a moment before
// the save says so, and a crash in that moment leaves it a turn ahead.
long long LastTurnStart(const std::string& journal, long long from) {
    long long end = from;
    for (size_t at = static_cast<size_t>(from), next; (next = journal.find('\n', at)) != std::string::npos;
         at = next + 1)
        if (journal.compare(at, 5, "tour ") == 0) end = static_cast<long long>(next + 1);
    return end;
}

// The journal up to where the race resumes: its last turn start, else where
// the save points. The file is read once.
bool ReadSaveAndJournal(const std::string& savePath, SavedRace& saved, RaceJournal& journal,
                        std::wstring& error) {
    std::string text;
    if (!ReadSavedRace(savePath, saved, error)) return false;
    if (!ReadWholeFile(saved.journal, text) || static_cast<long long>(text.size()) < saved.bytes) {
        error = L"Le journal « " + NameOf(saved.journal) + L" » ne peut pas être lu.";
        return false;
    }
    const long long ahead = LastTurnStart(text, saved.bytes);
    std::wstring ignored;
    if (ahead > saved.bytes && ReadJournalText(text.substr(0, static_cast<size_t>(ahead)), saved.journal, journal,
                                               ignored))
        saved.bytes = ahead;
    else if (!ReadJournalText(text.substr(0, static_cast<size_t>(saved.bytes)), saved.journal, journal, error))
        return false;
    if (static_cast<long long>(journal.events.size()) < saved.events || journal.events.empty()) {
        error = L"La sauvegarde « " + NameOf(savePath) + L" » ne correspond pas à son journal.";
        return false;
    }
    saved.events = static_cast<long long>(journal.events.size());
    return true;
}
}  // namespace

bool PrepareResumedRace(const std::string& savePath, std::wstring& error) {
    SavedRace saved;
    RaceJournal journal;
    if (!ReadSaveAndJournal(savePath, saved, journal, error) || !SetUpReplay(journal, NameOf(saved.journal), error))
        return false;
    if (!ContinueJournal(saved.journal, saved.bytes, saved.events)) {
        error = L"Le journal « " + NameOf(saved.journal) + L" » ne peut pas être complété.";
        return false;
    }
    RestoreCarBoxes(saved);
    SetSaveFailureHandler(TellSaveFailure);
    ContinueSaving(saved);
    CatchUpQuietly(std::move(journal.events));
    return true;
}

void CatchUpQuietly(std::vector<RaceEvent> events) {
    if (events.empty()) {
        StartRecording();
        return;
    }
    BeQuiet();
    SetCaughtUpHandler(SpeakAgain);
    StartReplay(std::move(events), true);
}

std::string NewestSave() {
    const std::vector<std::string> saves = ListSavedRaces(JournalFolder());
    return saves.empty() ? std::string() : saves.front();
}

void SaveThisRace(const std::string& journalPath) {
    if (journalPath.empty()) return;
    SetSaveFailureHandler(TellSaveFailure);
    StartSaving(journalPath);
}

void GiveUpResuming(const std::string& savePath) {
    SpeakAgain();
    StopRecording();
    StopSaving();
    MarkSaveSeen(savePath);
}

void KeepRaceSave() {
    if (Replaying()) SpeakAgain();
    const SavedRace& saved = CurrentSave();
    if (!saved.path.empty() && saved.events > 0) StopRaceHere(saved.bytes, saved.events);
    StopSaving();
}

void CloseRaceSave() {
    if (Replaying()) SpeakAgain();  // left before the record ran out
    long long bytes = 0, events = 0;
    if (game.savedToResume) {
        if (!JournalOnDisk(bytes, events) || !StopRaceHere(bytes, events))
            TellSaveFailure(true);
    } else if (!game.resultsSettled) {
        RemoveRaceSave();
    }
    StopSaving();
}
