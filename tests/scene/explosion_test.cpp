// The explosion: one race frame per image from 10 to the last, and a window
// closed meanwhile ends the program.
#include "scene/explosion.h"

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "support/race_fixture.h"

namespace {
long long FramesOf(void (*play)()) {
    const long long before = FramesPumped();
    play();
    return FramesPumped() - before;
}
}  // namespace

TEST_F(RaceTest, AnExplosionDrawsOneFramePerImageFromTheTenthAndStopsWithTheWindow) {
    ASSERT_TRUE(CopyFromGameFolder("data/ImagesExplosion"));
    for (int i = 10; i <= 64; ++i)
        game.explosionImages[i] = game.videoDriver->getTexture(
            ("data/ImagesExplosion/image0" + std::to_string(i) + ".bmp").c_str());
    ASSERT_NE(game.explosionImages[64], nullptr);

    EXPECT_EQ(FramesOf([] { PlayExplosionAtCar(1); }), 55);
    EXPECT_EQ(FramesOf([] { PlayExplosion(200, 7, 200, 70); }), 61) << "images past 64 are blank";
    EXPECT_EQ(FramesOf([] { PlayExplosionAtCar(3); }), 0) << "no such car";
    game.cars[2].sceneNode = nullptr;
    EXPECT_EQ(FramesOf([] { PlayExplosionAtCar(2); }), 0) << "a car without a model";

    const long long before = FramesPumped();
    player.AtFrame(5, [] { game.device->closeDevice(); });
    EXPECT_THROW(PlayExplosionAtCar(1), ProgramEnded);
    EXPECT_LE(FramesPumped() - before, 6);
}
