#include "app/race_start.h"

#include <cstdio>
#include <string>

#include "app/race_replay.h"
#include "app/race_resume.h"
#include "core/decisions.h"
#include "core/game_state.h"
#include "files/race_journal.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "race/race_loop.h"
#include "scene/circuit_scene.h"
#include "scene/scene_files.h"
#include "ui/dice_dialog.h"
#include "ui/race_screen.h"
#include "platform/paths.h"

using namespace irr;

namespace {
void LoadRaceScreenData() {
    if (gui::IGUIFont* font = game.guiEnvironment->getFont(GamePath(L"\\data\\fontes\\verdana.bmp").c_str()))
        game.guiEnvironment->getSkin()->setFont(font);
    game.loadingBarImage = LoadGameTexture(L"\\data\\loading\\barre_chargement.jpg");
}

}  // namespace

void ReportSceneError(const std::wstring& error) {
    std::fprintf(stderr, "%s\n", ToUtf8(error).c_str());
    game.dialog.dieFaces = 0;
    game.dialog.choiceState = 0;
    DiceDialog(error, -1, -1, -1, -1, false, video::SColor(255, 255, 0, 0).color);
}

int WatchRace(const std::string& path) {
    LoadRaceScreenData();
    RaceJournal journal;
    std::wstring error;
    const std::wstring name = FromUtf8(path.substr(path.find_last_of('/') + 1));
    if (!ReadJournal(path, journal, error) || !SetUpReplay(journal, name, error)) {
        ReportSceneError(error);
        return 1;
    }
    const ReplayOutcome outcome = RunReplay(journal);
    if (!outcome.identical) ReportSceneError(L"La course revue s'écarte de son journal : " + outcome.report + L".");
    return 0;
}

int PlayRace() { return PlayRace(nullptr); }

int PlayRace(const std::function<void(const RaceJournal&)>& starting) {
    LoadRaceScreenData();
    std::wstring sceneError;
    if (!BuildCircuitScene(sceneError)) {
        ReportSceneError(sceneError);
        return 1;
    }
    CreateStatusLines();
    const RaceJournal header = JournalOfThisRace(DateTimeText(CurrentTimeSeconds()));
    if (starting) starting(header);
    RecordThisRace(header);
    RunRace();
    CloseRaceSave();
    StopJournal();
    return 0;
}

int PlayRaceFrom(const RaceJournal& header) {
    LoadRaceScreenData();
    std::wstring error;
    if (!SetUpReplay(header, L"de l'hôte", error)) {
        ReportSceneError(error);
        return 1;
    }
    RecordThisRace(header);
    RunRace();
    CloseRaceSave();
    StopJournal();
    return 0;
}

int ResumeRace(const std::string& savePath) {
    LoadRaceScreenData();
    std::wstring error;
    if (!PrepareResumedRace(savePath, error)) {
        ReportSceneError(error);
        return 1;
    }
    try {
        RunRace();
    } catch (const ReplayStopped& stopped) {
        StopJournal();
        GiveUpResuming(savePath);
        ReportSceneError(L"La course sauvegardée ne peut pas être reprise : elle s'écarte de son journal (" +
                         FromUtf8(stopped.what()) + L").");
        return 1;
    }
    CloseRaceSave();
    StopJournal();
    return 0;
}
