// Races between computer drivers on the shipped circuits, played through the
// real race loop with no input at all: the cars, the camera and its target
// stay on the circuit, and the race goes on until it is really over.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/game_state.h"
#include "files/file_listing.h"
#include "files/pilot_file.h"
#include "platform/text.h"
#include "race/race_loop.h"
#include "support/game_test.h"
#include "support/shipped_circuit.h"

using namespace irr;

namespace {
bool Finite(const core::vector3df& v) {
    return std::isfinite(v.X) && std::isfinite(v.Y) && std::isfinite(v.Z);
}

// Inside the circuit's ground, with a margin of two cells around it.
bool OverTheCircuit(const core::vector3df& v) {
    const f32 cell = static_cast<f32>(game.circuit.cellSize);
    return v.X >= -2 * cell && v.X <= (game.circuit.gridWidth + 2) * cell && v.Z >= -2 * cell &&
           v.Z <= (game.circuit.gridLength + 2) * cell;
}
}  // namespace

class ComputerRaceTest : public GameTest, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    // Loads the race as the quick race does, builds the scene and runs it
    // with every message answered; every frame checks where things are.
    void RunComputerRace(const std::wstring& circuit, long long frames) {
        LoadQuickRace(circuit, {{L"Brutus", Driver::Computer}, {L"Inès Moreau", Driver::Computer},
                                {L"Max Durand", Driver::Computer}, {L"Hélène Vasseur", Driver::Computer}});
        // No input at all: nobody plays, so every message closes by itself,
        // half a second passing with each of its frames.
        RunClockWhileMessagesOpen(500);
        player.SetFrameLimit(frames + 1000);
        player.Whenever([] { return true; }, [this] { CheckPositions(); });
        player.AtFrame(frames, [] { game.actionRequests[RequestQuit] = 1; });
        RunRace();
    }

    void CheckPositions() {
        ++framesChecked;
        for (int i = 1; i <= game.carCount; ++i) {
            const scene::ISceneNode* node = game.cars[i].sceneNode;
            ASSERT_TRUE(Finite(node->getPosition()) && Finite(node->getRotation()))
                << "car " << i << " at frame " << framesChecked;
            ASSERT_TRUE(OverTheCircuit(node->getPosition())) << "car " << i << " left the circuit";
        }
        ASSERT_TRUE(Finite(game.camera->getPosition()) && Finite(game.camera->getTarget()))
            << "camera at frame " << framesChecked;
        ASSERT_TRUE(OverTheCircuit(game.camera->getTarget())) << "camera target off the circuit";
    }

    // The race ended by itself: two cars crossed the line, or crashes left
    // at most one car running; every car still in the race got going.
    void ExpectRaceOver(long long patience) {
        EXPECT_LT(framesChecked, patience) << "the race was still running";
        int finished = 0, out = 0;
        for (int i = 1; i <= game.carCount; ++i) {
            finished += game.cars[i].finishOrder != -1;
            out += game.cars[i].inRace == 0;
            EXPECT_TRUE(!game.cars[i].inRace || game.cars[i].checkpointsPassed >= 1) << "car " << i;
        }
        EXPECT_TRUE(finished >= 2 || out + finished >= game.carCount - 1)
            << finished << " finished, " << out << " out";
        EXPECT_GE(finished + out, 1) << "nobody finished and nobody crashed";
    }

    // Every pilot whose file is left was written back whole: read into the
    // scratch record, its integrity text matches its contents. The cars
    // still running all have theirs.
    void ExpectSurvivorsFilesValid() {
        std::vector<std::wstring> names;
        ListFiles(L"\\pilotes\\", names);
        for (int i = 1; i <= game.carCount; ++i) {
            const std::wstring name = game.cars[i].pilotName;
            const bool kept = std::find(names.begin() + 1, names.end(), name) != names.end();
            EXPECT_TRUE(kept || !game.cars[i].inRace) << "car " << i;
            if (!kept) continue;
            ReadPilotFile(0, name);
            EXPECT_EQ(ComputeSecu(0), game.cars[0].secu) << "car " << i;
        }
    }

    long long framesChecked = 0;
};

TEST_P(ComputerRaceTest, FourComputerDriversRaceToTheEndInViewAndTheSurvivorsAreSaved) {
    constexpr long long kPatience = 25000;  // frames before the watcher leaves
    RunComputerRace(GetParam(), kPatience);
    ExpectRaceOver(kPatience);
    ExpectSurvivorsFilesValid();
}

INSTANTIATE_TEST_SUITE_P(ShippedCircuits, ComputerRaceTest,
                         ::testing::ValuesIn(kShippedCircuits),
                         [](const ::testing::TestParamInfo<const wchar_t*>& info) {
                             return ToUtf8(info.param);
                         });
