// A race is a function of its start and of the decisions made in it: the
// same seeded race, with a person scripted beside computer drivers of both
// kinds using every weapon, plays out the same whether frames are drawn at
// every turn of the loop, never, or now and then.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/game_state.h"
#include "core/oil_patches.h"
#include "core/random.h"
#include "files/pilot_file.h"
#include "platform/text.h"
#include "race/race_loop.h"
#include "scene/race_frame.h"
#include "support/race_fixture.h"

namespace {
constexpr int kRounds = 30;

// Everything the rules keep about the cars, the oil and the turn.
std::string StateLine() {
    std::ostringstream line;
    line << "round " << game.roundNumber << " car " << game.currentCar << " rand " << RandomState() << "\n";
    for (int i = 1; i <= game.carCount; ++i) {
        const CarRecord& c = game.cars[i];
        line << ' ' << i << ": " << c.cellX << ',' << c.cellY << " from " << c.prevCellX << ','
             << c.prevCellY << " heading " << c.heading << " hp " << c.hitPoints << " in " << int(c.inRace)
             << " skid " << int(c.skidPending) << " target " << c.targetX << ',' << c.targetY
             << " zonks " << c.zonks << " sides";
        for (const CarSide& side : c.sides) line << ' ' << side.structure << '/' << side.gadgetCount;
        line << "\n";
    }
    line << " oil " << OilPatchCount() << "\n";
    return line.str();
}
}  // namespace

class RaceReplayTest : public RaceTest {
protected:
    // The race as it went: the state at every change of turn, every message
    // seen, the random state at the end.
    std::string PlayRace(uint32_t seed, int drawEvery) {
        StartFreshGame();
        KeepPilotFiles(true);
        LoadQuickRace(L"Anneau", {{L"Gaston Leroy", Driver::Person},
                                  {L"Brutus", Driver::FightingComputer},
                                  {L"Max Durand", Driver::FightingComputer},
                                  {L"Hélène Vasseur", Driver::FightingComputer},
                                  {L"Camille Faure", Driver::FightingComputer},
                                  {L"Inès Moreau", Driver::Computer}});
        SetRandomState(seed);
        DrawFramesEvery(drawEvery);

        std::string transcript;
        int turn = -1;
        player.Whenever([] { return true; }, [&] {
            const int now = game.roundNumber * 100 + game.currentCar;
            if (now != turn) transcript += StateLine();
            turn = now;
        });
        // The person plays crosses from a fixed list, turn after turn.
        int personTurns = 0, answered = -1;
        player.Whenever(ChoiceShown, [&] {
            const int choice = game.roundNumber * 100 + game.currentCar;
            if (choice == answered) return;
            answered = choice;
            const int preferred[] = {8, 5, 9, 5, 2, 6, 4, 5};
            ClickMarkerTwice(preferred[personTurns++ % 8]);
        });
        LeaveWhen([] { return game.roundNumber >= kRounds; });
        player.AnswerDialogs(1);
        player.SetFrameLimit(400000);
        RunRace();
        for (const std::wstring& text : player.DialogTexts()) transcript += ToUtf8(text) + "\n";
        return transcript + StateLine();
    }
};

TEST_F(RaceReplayTest, TheSameSeededRaceGoesTheSameWayWhateverFramesAreDrawn) {
    std::string races;
    // Two seeds between them see every weapon used.
    for (uint32_t seed : {2u, 4u}) {
        const std::string everyFrame = PlayRace(seed, 1);
        races += everyFrame;
        for (int drawEvery : {0, 3}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", a frame every " << drawEvery);
            EXPECT_EQ(PlayRace(seed, drawEvery), everyFrame);
        }
    }
    if (std::getenv("SKARVOLL_REPLAY_DUMP")) std::fputs(races.c_str(), stdout);
    for (const char* used : {"tire à la mitrailleuse", "tire au pistolet", "tire au bazooka", "recharge son bazooka",
                             "lance une grenade", "active son projecteur d'huile", "passe sur de l'huile",
                             "Collision lourde", "Vous dérapez ici"})
        EXPECT_NE(races.find(used), std::string::npos) << used;
}
