#include "support/game_test.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/cursor.h"
#include "core/frame_pump.h"
#include "core/game_device.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/pilot_file.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "scene/circuit_scene.h"
#include "ui/race_screen.h"

namespace fs = std::filesystem;
using namespace irr;

std::string GameFolder() { return SKARVOLL_GAME_DIR; }

std::wstring PilotSummary(int car) {
    const CarRecord& c = game.cars[car];
    std::wstring line = c.pilotName + L" conduite " + std::to_wstring(c.drivingSkill) + L" tir " +
                        std::to_wstring(c.shootingSkill) + L" volant " + c.wheelSide + L" zonks " +
                        std::to_wstring(c.zonks) + L" modèle " + std::to_wstring(c.meshNumber);
    for (int side = 0; side < kSideCount; ++side) {
        const CarSide& s = c.sides[side];
        line += L" | " + std::to_wstring(side) + L" (" + std::to_wstring(s.structureMax) + L")";
        for (int i = 1; i <= s.gadgetCount; ++i) line += (i == 1 ? L": " : L", ") + s.gadgets.at(i).name;
    }
    return line;
}

std::wstring WithoutLeadingSpaces(const std::wstring& text) {
    const size_t first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? L"" : text.substr(first);
}

void GameTest::SetUp() {
    previousDir_ = fs::current_path().string();
    std::string pattern = (fs::temp_directory_path() / "skarvoll-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    workDir = pattern;
    fs::current_path(workDir);
    SetSleepEnabled(false);
    SetCursorOverride({0, 0});
    SetEndProgramHandler([] { throw ProgramEnded(); });
    StartFreshGame();
}

void GameTest::StartFreshGame() {
    // The game runs one race per process; tests run many in one, so each
    // starts from a fresh game state as a relaunched game does.
    SetFrameHook(nullptr);
    ReleaseGameDevice();
    game = GameState();
    player = ScriptedPlayer();
    SIrrlichtCreationParameters params;
    // The real-window tests run the same cases on OpenGL under Xvfb.
    const char* driver = std::getenv("SKARVOLL_TEST_DRIVER");
    params.DriverType = driver && std::string(driver) == "opengl" ? video::EDT_OPENGL : video::EDT_NULL;
    params.WindowSize = core::dimension2du(1024, 768);
    params.LoggingLevel = ELL_NONE;
    ASSERT_TRUE(CreateGameDevice(params));
    PrepareGameDevice();
    SetFrameHook([this] { player.OnFrame(); });
}

void GameTest::TearDown() {
    SetFrameHook(nullptr);
    SetEndProgramHandler(nullptr);
    ReleaseGameDevice();
    CloseAudio();  // opened only by the tests that listen
    ClearQueuedDieResults();
    // The simulator leaves the pilot files untouched for the rest of its
    // process; the next test writes them again.
    KeepPilotFiles(false);
    SetClockOverride(-1);
    SetMillisecondClockOverride(-1);
    std::error_code ignored;
    fs::current_path(previousDir_, ignored);
    fs::remove_all(workDir, ignored);
}

void GameTest::WriteFile(const std::string& relative, const std::string& bytes) {
    const fs::path path = fs::path(workDir) / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string GameTest::ReadFile(const std::string& relative) const {
    std::ifstream in(fs::path(workDir) / relative, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

bool GameTest::CopyFromGameFolder(const std::string& relative) {
    const fs::path from = fs::path(GameFolder()) / relative;
    if (!fs::exists(from)) {
        ADD_FAILURE() << from << " was not generated";
        return false;
    }
    const fs::path to = fs::path(workDir) / relative;
    fs::create_directories(to.parent_path());
    fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return true;
}

void GameTest::LoadQuickRace(const std::wstring& circuit, const std::vector<QuickRacePilot>& pilots) {
    for (const char* path : {"data", "circuits", "pilotes"}) ASSERT_TRUE(CopyFromGameFolder(path));
    FillCatalogue();
    QuickRaceOptions options;
    options.circuit = circuit;
    options.decor = false;
    options.pilots = pilots;
    ASSERT_EQ(SetUpQuickRace(options), std::vector<std::wstring>());
    std::wstring error;
    ASSERT_TRUE(BuildCircuitScene(error));
    game.frameDelay = 0;
    CreateStatusLines();
}

void GameTest::RunClockWhileMessagesOpen(long long step) {
    game.computerMessages = ComputerMessages::Short;
    SetMillisecondClockOverride(clock);
    player.Whenever([] { return game.dialog.dialogOpen == 1; },
                    [this, step] { SetMillisecondClockOverride(clock += step); });
}
