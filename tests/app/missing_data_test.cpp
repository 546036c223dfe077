// Every file of the game folder, removed or cut to half its size in turn,
// while the game runs the paths that use it on the null renderer: program
// start, the menus, the race scene and a race turn. Each time the game goes
// on without the file or stops with a French message naming it; it never
// crashes and never hangs (a stuck loop runs into the player's frame limit).
// Where a shard holds sound files, the game is heard through OpenAL Soft's
// device that plays to nowhere: a missing or cut sound is only silent.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/race_start.h"
#include "core/event_receiver.h"
#include "core/frame_pump.h"
#include "core/gadget_catalogue.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "core/random.h"
#include "files/file_listing.h"
#include "menus/menu_screens.h"
#include "menus/quick_race.h"
#include "platform/audio.h"
#include "platform/text.h"
#include "scene/game_sounds.h"
#include "scene/scene_files.h"
#include "support/game_test.h"

namespace fs = std::filesystem;
using namespace irr;

namespace {
// The game folder's files, sorted, are dealt round in turn to this many
// shards of about a dozen, each a process of its own: the whole suite also
// runs under the sanitizers, where a race's scene takes several times
// longer to build.
constexpr int kShards = 13;

bool StartsWith(const std::string& s, const std::string& prefix) { return s.compare(0, prefix.size(), prefix) == 0; }
bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Frames of a race before the watcher leaves: the loading screen, the
// scene and the first computer turns.
int kRaceFrames = 150;

std::string Last(const std::vector<std::wstring>& messages) {
    return messages.empty() ? "(no message)" : ToUtf8(messages.back());
}

std::string Stem(const std::string& file) { return fs::path(file).stem().string(); }
}  // namespace

class MissingDataTest : public GameTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const char* path : {"data", "circuits", "pilotes"}) ASSERT_TRUE(CopyFromGameFolder(path));
        std::vector<std::string> all;
        for (const auto& entry : fs::recursive_directory_iterator(workDir))
            if (entry.is_regular_file()) all.push_back(fs::relative(entry.path(), workDir).generic_string());
        std::sort(all.begin(), all.end());
        for (size_t i = GetParam(); i < all.size(); i += kShards) files.push_back(all[i]);
        heard = std::any_of(files.begin(), files.end(),
                            [](const std::string& file) { return StartsWith(file, "data/sons/"); });
        setenv("ALSOFT_DRIVERS", "null", 1);
        for (const auto& entry : fs::directory_iterator(workDir + "/circuits")) circuits.push_back(entry.path().stem().string());
        for (const auto& entry : fs::directory_iterator(workDir + "/pilotes")) pilots.push_back(entry.path().stem().string());
        std::sort(circuits.begin(), circuits.end());
        std::sort(pilots.begin(), pilots.end());
        ASSERT_FALSE(circuits.empty());
        ASSERT_GE(pilots.size(), 2u);
    }

    // What a fresh start of the game does before its first screen: a new
    // device, the gadget catalogue, the menus' background.
    void StartGame() {
        StartFreshGame();
        SetRandomState(2026);  // every path plays the same race, whatever was damaged before
        FillCatalogue();
        game.menuBackground = LoadGameTexture(L"\\data\\interface\\interface_load_circuits.bmp");
        if (!heard) return;
        StartGameSounds(true, 80);
        EXPECT_TRUE(AudioOpen()) << "no sound device to hear the files through";
    }

    // The circuit whose race uses the file: the one it is named after or
    // that names it, else the first.
    std::string CircuitUsing(const std::string& file) const {
        for (const std::string& circuit : circuits)
            if (file.find(circuit) != std::string::npos) return circuit;
        for (const std::string& circuit : circuits)
            if (originalCircuitTexts.at(circuit).find(fs::path(file).filename().string()) != std::string::npos)
                return circuit;
        return circuits.front();
    }

    // Through the home menu into the workshop, the pilot choice, the race
    // setup with each circuit chosen in turn, the credits, the rules, and out by
    // "Quitter". Notices and messages are read and closed.
    void VisitMenus(const std::string& file) {
        StartGame();
        player.AnswerDialogs(1).CloseNotices();
        player.SetFrameLimit(2000);
        player.AtFrame(2, [this] { player.ClickButton(gui_id::NewPilot); });
        player.AtFrame(6, [this] { player.ClickButton(gui_id::EditPilot); });
        player.AtFrame(10, [this] { player.ClickButton(gui_id::NewRace); });
        for (int k = 0; k < static_cast<int>(circuits.size()); ++k) {
            player.AtFrame(13 + k, [k] {
                for (gui::IGUIElement* child : game.guiEnvironment->getRootGUIElement()->getChildren()) {
                    if (child->getType() != gui::EGUIET_COMBO_BOX) continue;
                    auto* combo = static_cast<gui::IGUIComboBox*>(child);
                    if (k + 1 < static_cast<int>(combo->getItemCount()) &&
                        combo->getAbsolutePosition().UpperLeftCorner.X > 500)
                        ScriptedPlayer::SelectComboItem(combo, k + 1);
                }
            });
        }
        player.AtFrame(20 + circuits.size(), [this] { player.ClickButton(gui_id::Credits); });
        // Every page of the rules, with its picture.
        player.AtFrame(22 + circuits.size(), [this] { player.ClickButton(gui_id::Rules); });
        for (int k = 0; k < 9; ++k)
            player.AtFrame(24 + k + circuits.size(), [this] { player.ClickButton(gui_id::RulesNext); });
        player.AtFrame(35 + circuits.size(), [this] { player.ClickButton(gui_id::QuitGame); });
        try {
            HomeMenu();
            ADD_FAILURE() << file << " " << damage << ": the menus ended without \"Quitter\"";
        } catch (const ProgramEnded&) {
            std::string notices;
            for (const std::wstring& notice : player.NoticeTextsSeen()) notices += " " + ToUtf8(notice);
            Report("menus visited", "notices:" + notices);
        } catch (const ScriptFrameLimit&) {
            ADD_FAILURE() << file << " " << damage << ": the menus hung";
        }
    }

    // A race of two computer drivers on the circuit using the file, its
    // scene built behind the loading screen and a few turns played; a pilot
    // file under test drives the first car.
    void PlayARace(const std::string& file) {
        StartGame();
        QuickRaceOptions options;
        const std::string circuit = StartsWith(file, "circuits/") ? Stem(file) : CircuitUsing(file);
        options.circuit = FromUtf8(circuit);
        std::vector<std::string> drivers = {pilots[0], pilots[1]};
        if (StartsWith(file, "pilotes/") && Stem(file) != pilots[0]) drivers[1] = Stem(file);
        for (const std::string& pilot : drivers) options.pilots.push_back({FromUtf8(pilot), Driver::Computer});
        // The animated decor and crowds cost most of a race's time on the
        // null renderer: only their own files and the circuit's need them.
        options.decor = StartsWith(file, "data/decor/") || StartsWith(file, "data/foule/") ||
                        StartsWith(file, "circuits/");
        const std::vector<std::wstring> refusals = SetUpQuickRace(options);
        if (!refusals.empty()) {
            Report("race refused", Last(refusals));
            EXPECT_TRUE(NamesTheFile(refusals, file)) << file << " " << damage << ": " << Last(refusals);
            return;
        }
        game.frameDelay = 0;
        long long frames = 0;
        player.Whenever([] { return true; }, [&frames] { ++frames; });
        player.AnswerDialogs(1);
        player.SetFrameLimit(3000);
        player.AtFrame(kRaceFrames, [] { game.actionRequests[RequestQuit] = 1; });
        try {
            const bool stopped = PlayRace() != 0;
            Report(stopped ? "race stopped" : "race played",
                   (stopped ? Last(player.DialogTexts()) : "") + " after " + std::to_string(frames) + " frames");
            if (stopped) {
                EXPECT_TRUE(NamesTheFile(player.DialogTexts(), file))
                    << file << " " << damage << ": " << Last(player.DialogTexts());
            }
        } catch (const ScriptFrameLimit&) {
            ADD_FAILURE() << file << " " << damage << ": the race hung";
        } catch (const ProgramEnded&) {
            // When every car is out, the game says so and closes.
            Report("race ended the program", Last(player.DialogTexts()));
            EXPECT_TRUE(player.SawDialogText(L"Il ne reste plus de véhicules en jeu. Le programme va se fermer"))
                << file << " " << damage << ": the race ended the program";
        }
    }

    // What became of a path, on standard error beside the file's name.
    void Report(const char* outcome, const std::string& detail) const {
        std::fprintf(stderr, "  %s, %s: %s\n", damage.c_str(), outcome, detail.c_str());
    }

    // A message names the file by its path below the game folder; a pilot
    // or a circuit file also by the name it is chosen by.
    static bool NamesTheFile(const std::vector<std::wstring>& messages, const std::string& file) {
        const std::wstring path = FromUtf8(file), stem = FromUtf8(Stem(file));
        const bool byName = StartsWith(file, "pilotes/") || StartsWith(file, "circuits/");
        for (const std::wstring& m : messages)
            if (m.find(path) != std::wstring::npos || (byName && m.find(stem) != std::wstring::npos)) return true;
        return false;
    }

    void RunPaths(const std::string& file) {
        // The menus show no mesh and no explosion.
        if (!EndsWith(file, ".ms3d") && !StartsWith(file, "data/ImagesExplosion/")) VisitMenus(file);
        PlayARace(file);
    }

    std::vector<std::string> files, circuits, pilots;
    bool heard = false;
    std::string damage;
    std::map<std::string, std::string> originalCircuitTexts;
};

TEST_P(MissingDataTest, EachFileRemovedOrCutLeavesTheGameRunningOrStoppingWithItsName) {
    for (const std::string& circuit : circuits)
        originalCircuitTexts[circuit] = ReadFile("circuits/" + circuit + ".xml");
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        const fs::path path = fs::path(workDir) / file;
        const std::string bytes = ReadFile(file);
        // Printed first, so that a crash shows which file caused it.
        std::fprintf(stderr, "%s\n", file.c_str());
        fs::remove(path);
        damage = "removed";
        RunPaths(file);
        std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
        damage = "cut to half";
        RunPaths(file);
        std::ofstream(path, std::ios::binary) << bytes;
        if (HasFailure()) break;
    }
}

INSTANTIATE_TEST_SUITE_P(GameFolder, MissingDataTest, ::testing::Range(0, kShards));
