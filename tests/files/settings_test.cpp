#include "files/settings.h"

#include "files/renderers.h"
#include "platform/text.h"

#include <tuple>

#include "support/game_test.h"

using namespace irr;

class SettingsTest : public GameTest {
protected:
    Settings ReadBack() {
        Settings settings;
        EXPECT_TRUE(ReadSettings(settings));
        return settings;
    }
    // What the device is made with: renderer, size, full screen, vertical sync.
    static std::tuple<video::E_DRIVER_TYPE, core::dimension2du, bool, bool> Device(const Settings& settings) {
        const SIrrlichtCreationParameters p = DeviceParameters(settings);
        return {p.DriverType, p.WindowSize, p.Fullscreen, p.Vsync};
    }
    static auto Fields(const Settings& s) {
        return std::make_tuple(s.driver, s.resolution, s.screenMode, s.synchro, s.computerMessages, s.journalsKept,
                               s.sound, s.volume);
    }
};

TEST_F(SettingsTest, OnlyTheDriverGivenKeepsEveryOtherDefault) {
    WriteFile("config.xml", "<config><driver>EDT_OPENGL</driver></config>");
    EXPECT_EQ(Device(ReadBack()), std::make_tuple(video::EDT_OPENGL, core::dimension2du(1024, 768), true, true));
    const SIrrlichtCreationParameters params = DeviceParameters(ReadBack());
    EXPECT_FALSE(params.Stencilbuffer);
    EXPECT_EQ(params.Bits, 16);
    // A file older than the computers' messages setting gives them a short
    // reading time; one older than the sound is heard at 80.
    EXPECT_EQ(ComputerMessagesSetting(ReadBack()), ComputerMessages::Short);
    EXPECT_TRUE(SoundSetting(ReadBack()));
    EXPECT_EQ(VolumeSetting(ReadBack()), 80);
}

TEST_F(SettingsTest, ValuesAreComparedExactly) {
    WriteFile("config.xml",
              "<c><driver>EDT_SOFTWARE </driver><resolution>800*600</resolution>"
              "<modeecran>fenetre</modeecran><synchro>inactif</synchro></c>");
    // A trailing space is not the software value, lower case "fenetre" not "Fenetre".
    EXPECT_EQ(Device(ReadBack()), std::make_tuple(video::EDT_OPENGL, core::dimension2du(800, 600), true, true));
}

TEST_F(SettingsTest, DirectXValuesAndSoftwareMapToTheRenderersOfThisPlatform) {
    const core::dimension2du size(1024, 768);
    const std::pair<const wchar_t*, video::E_DRIVER_TYPE> drivers[] = {
        {L"EDT_DIRECTX9", video::EDT_OPENGL}, {L"EDT_DIRECTX8", video::EDT_OPENGL}, {L"EDT_SOFTWARE", video::EDT_SOFTWARE}};
    for (const auto& [driver, type] : drivers)
        EXPECT_EQ(Device({driver, L"", L"Fenetre", L"Inactif", L"", L"", L"", L""}),
                  std::make_tuple(type, size, false, false));
}

TEST_F(SettingsTest, TextGoesToTheLastElementOpenedWhateverTheNesting) {
    WriteFile("config.xml",
              "<?xml version=\"1.0\"?><root><video><driver>EDT_SOFTWARE<note>x</note></driver>"
              "<inconnu>1024*768</inconnu><resolution><b/>800*600</resolution></video>"
              "<synchro>Inactif</synchro></root>");
    // The text after <b/> belongs to "b", the element opened last; "resolution"
    // keeps the name its own element node stored.
    EXPECT_EQ(Fields(ReadBack()), Fields({L"EDT_SOFTWARE", L"resolution", L"", L"Inactif", L"", L"", L"", L""}));
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
    const Settings written{L"EDT_SOFTWARE", L"800*600", L"Full screen", L"Actif", L"Long", L"200", L"Inactif", L"0"};
    ASSERT_TRUE(WriteSettingsFile(workDir, written));
    const Settings settings = ReadBack();
    EXPECT_EQ(Fields(settings), Fields(written));
    EXPECT_NE(ReadFile("config.xml").find("<modeecran>Full screen</modeecran>"), std::string::npos);
    EXPECT_EQ(ComputerMessagesSetting(settings), ComputerMessages::Long);
    EXPECT_EQ(JournalsKeptSetting(settings), 200);
    EXPECT_FALSE(SoundSetting(settings));
    EXPECT_EQ(VolumeSetting(settings), 0);
    EXPECT_EQ(ComputerMessagesSetting({L"", L"", L"", L"", L"Inactif", L"", L"", L""}), ComputerMessages::Waiting);
    // A journal count out of range, or not a number, keeps the last 50; a
    // volume likewise 80.
    for (const wchar_t* wrong : {L"", L"0", L"100001", L"-5", L"12x", L"99999999999"})
        EXPECT_EQ(JournalsKeptSetting({L"", L"", L"", L"", L"", wrong, L"", L""}), 50) << ToUtf8(wrong);
    for (const wchar_t* wrong : {L"", L"101", L"-5", L"5x", L"0100"})
        EXPECT_EQ(VolumeSetting({L"", L"", L"", L"", L"", L"", L"", wrong}), 80) << ToUtf8(wrong);
}

TEST_F(SettingsTest, TheSettingsProgramNamesTheRenderersAsAPlayerWouldAndOffersOnlyThoseThatCanShow) {
    const auto names = [](const std::vector<RendererChoice>& offered) {
        std::vector<std::wstring> shown;
        for (const RendererChoice& choice : offered) shown.push_back(choice.name + L"=" + choice.value);
        return shown;
    };
    const std::vector<RendererChoice> both = RenderersOffered(true), software = RenderersOffered(false);
    EXPECT_EQ(names(both), (std::vector<std::wstring>{L"OpenGL=EDT_OPENGL", L"Logiciel=EDT_SOFTWARE"}));
    EXPECT_EQ(names(software), std::vector<std::wstring>{L"Logiciel=EDT_SOFTWARE"}) << "a display without OpenGL";
    // Each stored value shows as the renderer the game makes of it.
    std::vector<std::wstring> shown;
    for (const std::wstring& value : DriverValues()) {
        shown.push_back(RendererOf(value, both).name);
        EXPECT_EQ(RendererOf(value, both).driver,
                  DeviceParameters({value, L"", L"", L"", L"", L"", L"", L""}).DriverType);
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"OpenGL", L"Logiciel", L"OpenGL", L"OpenGL"}));
    EXPECT_EQ(RendererOf(L"EDT_OPENGL", software).name, L"Logiciel");
}
