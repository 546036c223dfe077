#include "files/settings.h"

#include "support/game_test.h"

using namespace irr;

class SettingsTest : public GameTest {
protected:
    Settings ReadBack() {
        Settings settings;
        EXPECT_TRUE(ReadSettings(settings));
        return settings;
    }
};

TEST_F(SettingsTest, OnlyTheDriverGivenKeepsEveryOtherDefault) {
    WriteFile("config.xml", "<config><driver>EDT_OPENGL</driver></config>");
    const SIrrlichtCreationParameters params = DeviceParameters(ReadBack());
    EXPECT_EQ(params.DriverType, video::EDT_OPENGL);
    EXPECT_EQ(params.WindowSize, core::dimension2du(1024, 768));
    EXPECT_TRUE(params.Fullscreen);
    EXPECT_TRUE(params.Vsync);
    EXPECT_FALSE(params.Stencilbuffer);
    EXPECT_EQ(params.Bits, 16);
    // A file older than the computers' messages setting gives them a short reading time.
    EXPECT_EQ(ComputerMessagesSetting(ReadBack()), ComputerMessages::Short);
}

TEST_F(SettingsTest, ValuesAreComparedExactly) {
    WriteFile("config.xml",
              "<c><driver>EDT_SOFTWARE </driver><resolution>800*600</resolution>"
              "<modeecran>fenetre</modeecran><synchro>inactif</synchro></c>");
    const SIrrlichtCreationParameters params = DeviceParameters(ReadBack());
    EXPECT_EQ(params.DriverType, video::EDT_OPENGL);  // trailing space: not the software value
    EXPECT_EQ(params.WindowSize, core::dimension2du(800, 600));
    EXPECT_TRUE(params.Fullscreen);  // lower case "fenetre" is not "Fenetre"
    EXPECT_TRUE(params.Vsync);
}

TEST_F(SettingsTest, DirectXValuesAndSoftwareMapToTheRenderersOfThisPlatform) {
    Settings settings{L"EDT_DIRECTX9", L"", L"Fenetre", L"Inactif", L""};
    EXPECT_EQ(DeviceParameters(settings).DriverType, video::EDT_OPENGL);
    settings.driver = L"EDT_DIRECTX8";
    EXPECT_EQ(DeviceParameters(settings).DriverType, video::EDT_OPENGL);
    settings.driver = L"EDT_SOFTWARE";
    EXPECT_EQ(DeviceParameters(settings).DriverType, video::EDT_SOFTWARE);
    EXPECT_FALSE(DeviceParameters(settings).Fullscreen);
    EXPECT_FALSE(DeviceParameters(settings).Vsync);
}

TEST_F(SettingsTest, TextGoesToTheLastElementOpenedWhateverTheNesting) {
    WriteFile("config.xml",
              "<?xml version=\"1.0\"?><root><video><driver>EDT_SOFTWARE<note>x</note></driver>"
              "<inconnu>1024*768</inconnu><resolution><b/>800*600</resolution></video>"
              "<synchro>Inactif</synchro></root>");
    const Settings settings = ReadBack();
    EXPECT_EQ(settings.driver, L"EDT_SOFTWARE");
    // The text after <b/> belongs to "b", the element opened last; "resolution"
    // keeps the name its own element node stored.
    EXPECT_EQ(settings.resolution, L"resolution");
    EXPECT_EQ(settings.synchro, L"Inactif");
    EXPECT_EQ(settings.screenMode, L"");
}

TEST_F(SettingsTest, AnEmptyElementStoresItsOwnName) {
    // An element node makes its name the value, so an empty <driver/> reads
    // as "driver": not a renderer of the table, hence the default.
    WriteFile("config.xml", "<driver></driver>");
    const Settings settings = ReadBack();
    EXPECT_EQ(settings.driver, L"driver");
    EXPECT_EQ(DeviceParameters(settings).DriverType, video::EDT_OPENGL);
}

TEST_F(SettingsTest, AMissingFileIsReportedAndAGarbledOneDoesNotCrash) {
    Settings settings;
    EXPECT_FALSE(ReadSettings(settings));
    WriteFile("config.xml", std::string("\xff\xfe<dri\0ver>><<", 14));
    EXPECT_TRUE(ReadSettings(settings));
    EXPECT_EQ(DeviceParameters(settings).DriverType, video::EDT_OPENGL);
}

TEST_F(SettingsTest, WrittenSettingsReadBackExactly) {
    const Settings written{L"EDT_SOFTWARE", L"800*600", L"Full screen", L"Actif", L"Long"};
    ASSERT_TRUE(WriteSettingsFile(workDir, written));
    const Settings settings = ReadBack();
    EXPECT_EQ(settings.driver, written.driver);
    EXPECT_EQ(settings.resolution, written.resolution);
    EXPECT_EQ(settings.screenMode, written.screenMode);
    EXPECT_EQ(settings.synchro, written.synchro);
    EXPECT_NE(ReadFile("config.xml").find("<modeecran>Full screen</modeecran>"), std::string::npos);
    EXPECT_EQ(ComputerMessagesSetting(settings), ComputerMessages::Long);
    EXPECT_EQ(ComputerMessagesSetting({L"", L"", L"", L"", L"Inactif"}), ComputerMessages::Waiting);
}
