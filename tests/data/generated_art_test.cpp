// The generated game folder: every file the game names exists and loads
// through the engine as the game loads it.
#include <cmath>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "platform/paths.h"
#include "support/game_test.h"

using namespace irr;

namespace {

class GeneratedArt : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_TRUE(CopyFromGameFolder("data"));
    }

    video::IImage* Image(const std::string& path) {
        video::IImage* image = game.videoDriver->createImageFromFile(GamePath(std::wstring(path.begin(), path.end())).c_str());
        if (!image) ADD_FAILURE() << path << " does not load";
        if (image) images_.push_back(image);
        return image;
    }
    void ExpectSize(const std::string& path, u32 width, u32 height) {
        if (video::IImage* image = Image(path)) {
            EXPECT_EQ(image->getDimension().Width, width) << path;
            EXPECT_EQ(image->getDimension().Height, height) << path;
        }
    }
    void TearDown() override {
        for (video::IImage* image : images_) image->drop();
        GameTest::TearDown();
    }

    scene::IMesh* Mesh(const std::string& path) {
        scene::IAnimatedMesh* mesh = game.sceneManager->getMesh(GamePath(std::wstring(path.begin(), path.end())).c_str());
        if (!mesh) ADD_FAILURE() << path << " does not load";
        return mesh ? mesh->getMesh(0) : nullptr;
    }

private:
    std::vector<video::IImage*> images_;
};

u32 TriangleCount(scene::IMesh* mesh) {
    u32 count = 0;
    for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i) count += mesh->getMeshBuffer(i)->getIndexCount() / 3;
    return count;
}

// Signed volume enclosed by the triangles as the engine winds them: positive
// when every face points outwards, so none is seen from inside.
double EnclosedVolume(scene::IMesh* mesh) {
    double volume = 0;
    for (u32 i = 0; i < mesh->getMeshBufferCount(); ++i) {
        scene::IMeshBuffer* buffer = mesh->getMeshBuffer(i);
        const auto* v = static_cast<const video::S3DVertex*>(buffer->getVertices());
        const u16* index = buffer->getIndices();
        for (u32 k = 0; k + 2 < buffer->getIndexCount(); k += 3)
            volume += v[index[k]].Pos.dotProduct(v[index[k + 1]].Pos.crossProduct(v[index[k + 2]].Pos)) / 6.0;
    }
    return volume;
}

const char* const kColours[] = {"bleu", "rouge", "vert", "jaune"};

}  // namespace

TEST_F(GeneratedArt, FontsCoverLatin1WithEachAccentOnItsOwnGlyph) {
    for (const char* name : {"verdana", "verdanabold", "toshopsmall"}) {
        const std::string path = std::string("data/fontes/") + name + ".bmp";
        gui::IGUIFont* font = game.guiEnvironment->getFont(path.c_str());
        ASSERT_NE(font, nullptr) << path;
        ASSERT_EQ(font->getType(), gui::EGFT_BITMAP) << path;
        auto* bitmap = static_cast<gui::IGUIFontBitmap*>(font);
        EXPECT_EQ(bitmap->getSpriteBank()->getPositions().size(), 224u) << path;
        EXPECT_EQ(bitmap->getSpriteNoFromChar(L"é"), 0xE9u - 0x20u) << path;
        EXPECT_EQ(bitmap->getSpriteNoFromChar(L"ÿ"), 0xFFu - 0x20u) << path;
        EXPECT_NE(bitmap->getSpriteNoFromChar(L"é"), bitmap->getSpriteNoFromChar(L"e")) << path;
        EXPECT_GT(font->getDimension(L"Arrière").Width, font->getDimension(L"Arri").Width) << path;
        // Glyph edges are smoothed through the alpha channel.
        if (video::IImage* image = Image(path)) {
            EXPECT_EQ(image->getColorFormat(), video::ECF_A8R8G8B8) << path;
            bool partlyCovered = false;
            for (u32 y = 0; y < image->getDimension().Height && !partlyCovered; ++y)
                for (u32 x = 3; x < image->getDimension().Width && !partlyCovered; ++x) {
                    const u32 alpha = image->getPixel(x, y).getAlpha();
                    partlyCovered = alpha > 0 && alpha < 255;
                }
            EXPECT_TRUE(partlyCovered) << path;
        }
    }
}

TEST_F(GeneratedArt, CarsAreClosedModelsOfTheRightSizeStandingOnTheTrack) {
    std::vector<u32> triangleCounts;
    for (int n = 1; n <= 3; ++n) {
        scene::IMesh* car = Mesh("data/voitures/voiture_modele_" + std::to_string(n) + ".ms3d");
        ASSERT_NE(car, nullptr);
        const core::aabbox3df box = car->getBoundingBox();
        EXPECT_NEAR(box.MinEdge.Y, -12, 0.5) << "wheels reach the track from y = 7, car " << n;
        EXPECT_GT(box.getExtent().Z, 75) << n;
        EXPECT_LT(box.getExtent().Z, 92) << n;
        EXPECT_GT(box.getExtent().X, 40) << n;
        EXPECT_LT(box.getExtent().X, 50) << n;
        EXPECT_GT(box.getExtent().Z, box.getExtent().X) << "cars lie along z, car " << n;
        EXPECT_GT(EnclosedVolume(car), 0) << "faces turned inwards on car " << n;
        triangleCounts.push_back(TriangleCount(car));
        for (const char* colour : kColours)
            ExpectSize("data/voitures/map_voiture_" + std::to_string(n) + colour + ".jpg", 256, 256);
        ExpectSize("data/voitures/thumbnail_voiture" + std::to_string(n) + ".jpg", 128, 128);
    }
    EXPECT_NE(triangleCounts[0], triangleCounts[1]);
    EXPECT_NE(triangleCounts[1], triangleCounts[2]);
}

TEST_F(GeneratedArt, CrossMarkerIsFlatAndAboutSixtyWide) {
    scene::IMesh* cross = Mesh("data/croix.ms3d");
    ASSERT_NE(cross, nullptr);
    const core::vector3df size = cross->getBoundingBox().getExtent();
    EXPECT_NEAR(size.X, 60, 12);
    EXPECT_NEAR(size.Z, 60, 12);
    EXPECT_LT(size.Y, 10);
    EXPECT_GT(EnclosedVolume(cross), 0);
}

TEST_F(GeneratedArt, RaceImagesHaveTheirSizesAndColourKeys) {
    for (const char* colour : kColours) {
        ExpectSize(std::string("data/") + colour + ".bmp", 64, 64);
        ExpectSize(std::string("data/") + colour + "clair.bmp", 64, 64);
    }
    ExpectSize("data/carbonise.bmp", 256, 256);
    ExpectSize("data/loading/barre_chargement.jpg", 128, 128);
    std::vector<std::string> keyed = {"data/derapage.bmp", "data/sablier.bmp", "data/interface/accueil.bmp"};
    for (int i = 1; i <= 64; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "data/ImagesExplosion/image%03d.bmp", i);
        keyed.push_back(name);
    }
    for (const std::string& path : keyed)
        if (video::IImage* image = Image(path)) {
            // The key colour fills the corner, and the picture is more than the key.
            const video::SColor key = image->getPixel(1, 1);
            EXPECT_EQ(image->getPixel(0, 0), key) << path;
            int drawn = 0;
            for (u32 y = 0; y < image->getDimension().Height; ++y)
                for (u32 x = 0; x < image->getDimension().Width; ++x) drawn += image->getPixel(x, y) != key;
            EXPECT_GT(drawn, 0) << path;
        }
}

TEST_F(GeneratedArt, InterfaceImagesCoverWhatTheScreensDraw) {
    if (video::IImage* menu = Image("data/interface/interface_load_circuits.bmp")) {
        EXPECT_GE(menu->getDimension().Width, 700u);
        EXPECT_GE(menu->getDimension().Height, 600u);
    }
    ExpectSize("data/voitures/car02.bmp", 480, 600);
    for (const char* circuit : {"Anneau", "Serpentin", "Autodrome"}) {
        ExpectSize(std::string("data/loading/loading_") + circuit + ".jpg", 1024, 768);
        ExpectSize(std::string("data/interface/thumb_cir_") + circuit + ".jpg", 256, 256);
    }
}
