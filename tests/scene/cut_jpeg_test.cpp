// Cut and garbled JPEG files are refused before the engine's loader, which
// reads past its buffer on them, sees them.
#include "files/image_guard.h"

#include <fstream>
#include <iterator>

#include "scene/scene_files.h"
#include "support/game_test.h"

namespace {
std::string ShippedJpeg() {
    std::ifstream file(GameFolder() + "/data/decor/arbre.jpg", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
}  // namespace

TEST(ImageGuard, AWholeJpegPassesAndEveryCutOneIsRefused) {
    const std::string jpeg = ShippedJpeg();
    ASSERT_GT(jpeg.size(), 100u);
    EXPECT_TRUE(IsWholeJpeg(jpeg));
    EXPECT_TRUE(IsWholeJpeg(jpeg + "trailing bytes after the end marker"));
    for (size_t size = 0; size < jpeg.size() - 1; size += 1 + size / 50)
        EXPECT_FALSE(IsWholeJpeg(jpeg.substr(0, size))) << "cut to " << size << " bytes";
}

TEST(ImageGuard, ASegmentRunningPastTheEndIsRefused) {
    // Start marker, then a comment segment claiming 0x4000 bytes.
    EXPECT_FALSE(IsWholeJpeg(std::string("\xff\xd8\xff\xfe\x40\x00" "abc\xff\xd9", 11)));
    EXPECT_FALSE(IsWholeJpeg(std::string("\xff\xd8\xff\xfe\x00\x01\xff\xd9", 8)));  // shorter than its length field
    EXPECT_TRUE(IsWholeJpeg(std::string("\xff\xd8\xff\xfe\x00\x05" "abc\xff\xd9", 11)));
    EXPECT_FALSE(IsWholeJpeg("BM not a jpeg"));
}

using ImageGuardTextureTest = GameTest;

TEST_F(ImageGuardTextureTest, ACutJpegTextureIsLeftOutWhileWholeOnesAndOtherImagesLoad) {
    // The decor tree's texture cut to half its size once crashed a race's
    // scene under AddressSanitizer inside the engine's JPEG loader.
    const std::string jpeg = ShippedJpeg();
    WriteFile("data/arbre.jpg", jpeg);
    WriteFile("data/arbre_coupe.jpg", jpeg.substr(0, jpeg.size() / 2));
    WriteFile("data/arbre_coupe.JPG", jpeg.substr(0, jpeg.size() / 2));
    ASSERT_TRUE(CopyFromGameFolder("data/carbonise.bmp"));
    EXPECT_NE(LoadGameTexture(L"\\data\\arbre.jpg"), nullptr);
    EXPECT_EQ(LoadGameTexture(L"\\data\\arbre_coupe.jpg"), nullptr);
    EXPECT_EQ(LoadGameTexture(L"\\data\\arbre_coupe.JPG"), nullptr);
    EXPECT_NE(LoadGameTexture(L"\\data\\carbonise.bmp"), nullptr);
}
