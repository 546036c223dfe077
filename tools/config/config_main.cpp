// skarvoll3d-config: the settings program. It shows the four display
// settings, how long the computers' messages stay open and the sound, writes
// "config.xml" (into the working directory, or the player's settings folder
// for an installed game) and starts the game in its place.
// With options it writes the file without a window.
#include <irrlicht.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "files/renderers.h"
#include "files/settings.h"
#include "platform/display.h"
#include "platform/game_folders.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

using namespace irr;

namespace {

const char* const kUsage =
    "Utilisation : skarvoll3d-config [--driver V --resolution V --modeecran V --synchro V\n"
    "                                  --messages V --journaux N --son V --volume N]\n"
    "                                 [-- ARGUMENTS DU JEU]\n"
    "  --driver      EDT_OPENGL (OpenGL) | EDT_SOFTWARE (Logiciel) | EDT_DIRECTX9 | EDT_DIRECTX8\n"
    "  --resolution  1024*768 | 800*600\n"
    "  --modeecran   Fenetre | \"Full screen\"\n"
    "  --synchro     Actif | Inactif\n"
    "  --messages    Inactif | Court | Long   (messages des ordinateurs)\n"
    "  --journaux    N   (journaux de course gardés dans courses/, de 1 à 100000)\n"
    "  --son         Actif | Inactif\n"
    "  --volume      N   (de 0 à 100)\n"
    "Sans option, une fenêtre permet de choisir ces réglages, puis le jeu démarre ;\n"
    "les arguments placés après « -- » sont alors transmis au jeu.\n";

// Settings that suit a Linux desktop.
Settings DefaultSettings() {
    return {L"EDT_OPENGL", L"1024*768", L"Fenetre", L"Inactif", L"Court", L"50", L"Actif", L"80"};
}

bool IsOneOf(const std::wstring& value, const std::vector<std::wstring>& values) {
    for (const std::wstring& v : values)
        if (v == value) return true;
    return false;
}

// Parses the options; false on an unknown option or value.
bool ParseOptions(int argc, char** argv, Settings& settings) {
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc) return false;
        const std::string option = argv[i];
        const std::wstring value = FromUtf8(argv[i + 1]);
        std::wstring* field = nullptr;
        const std::vector<std::wstring>* allowed = nullptr;
        if (option == "--driver") field = &settings.driver, allowed = &DriverValues();
        else if (option == "--resolution") field = &settings.resolution, allowed = &ResolutionValues();
        else if (option == "--modeecran") field = &settings.screenMode, allowed = &ScreenModeValues();
        else if (option == "--synchro") field = &settings.synchro, allowed = &SynchroValues();
        else if (option == "--messages") field = &settings.computerMessages, allowed = &ComputerMessagesValues();
        else if (option == "--son") field = &settings.sound, allowed = &SoundValues();
        if (option == "--journaux" || option == "--volume") {
            const bool journals = option == "--journaux";
            if (journals ? !IsJournalCount(value) : !IsVolume(value)) return false;
            (journals ? settings.journalsKept : settings.volume) = value;
            continue;
        }
        if (!field || !IsOneOf(value, *allowed)) return false;
        *field = value;
    }
    return true;
}

bool Save(const Settings& settings) {
    const std::string folder = FoldersOf("config.xml").front();
    if (WriteSettingsFile(folder, settings)) return true;
    std::fprintf(stderr, "Impossible d'écrire config.xml dans %s\n", folder.c_str());
    return false;
}

constexpr int kSaveButton = 1;

class SaveButtonReceiver : public IEventReceiver {
public:
    bool saveRequested = false;
    bool OnEvent(const SEvent& event) override {
        if (event.EventType == EET_GUI_EVENT && event.GUIEvent.EventType == gui::EGET_BUTTON_CLICKED &&
            event.GUIEvent.Caller && event.GUIEvent.Caller->getID() == kSaveButton) {
            saveRequested = true;
            return true;
        }
        return false;
    }
};

gui::IGUIComboBox* AddSettingRow(gui::IGUIEnvironment* gui, int row, const wchar_t* label,
                                 const std::vector<std::wstring>& values,
                                 const std::wstring& current) {
    const int top = 50 + row * 40;
    gui->addStaticText(label, core::recti(20, top + 4, 220, top + 24));
    gui::IGUIComboBox* box = gui->addComboBox(core::recti(220, top, 420, top + 24));
    for (const std::wstring& value : values) box->addItem(value.c_str());
    for (u32 i = 0; i < values.size(); ++i)
        if (values[i] == current) box->setSelected(static_cast<s32>(i));
    return box;
}

std::wstring Selected(gui::IGUIComboBox* box) {
    const s32 index = box->getSelected();
    return index >= 0 ? std::wstring(box->getItem(static_cast<u32>(index))) : std::wstring();
}

// The renderers as the player reads them; config.xml keeps their values.
std::vector<std::wstring> Names(const std::vector<RendererChoice>& renderers) {
    std::vector<std::wstring> names;
    for (const RendererChoice& renderer : renderers) names.push_back(renderer.name);
    return names;
}

enum class WindowOutcome { Saved, Closed, Failed };

// The settings window: what the player did with it.
WindowOutcome RunSettingsWindow(Settings& settings) {
    SaveButtonReceiver receiver;
    IrrlichtDevice* device = createDevice(video::EDT_SOFTWARE, core::dimension2du(440, 450), 16,
                                          false, false, false, &receiver);
    if (!device) {
        std::fprintf(stderr, "Impossible d'ouvrir la fenêtre de configuration.\n%s", kUsage);
        return WindowOutcome::Failed;
    }
    device->setWindowCaption(L"Skarvoll 3D - Configuration");
    gui::IGUIEnvironment* gui = device->getGUIEnvironment();
    const std::string font = GamePath(L"\\data\\fontes\\verdana.bmp");
    if (FileExists(font))
        if (gui::IGUIFont* loaded = gui->getFont(font.c_str())) gui->getSkin()->setFont(loaded);
    gui->addStaticText(L"Réglages du jeu", core::recti(20, 15, 420, 35));
    // The window itself is drawn by the software renderer: it is offered.
    const std::vector<RendererChoice> renderers = RenderersOffered(DisplayOffersOpenGL());
    gui::IGUIComboBox* driver =
        AddSettingRow(gui, 0, L"Rendu :", Names(renderers), RendererOf(settings.driver, renderers).name);
    gui::IGUIComboBox* resolution =
        AddSettingRow(gui, 1, L"Résolution :", ResolutionValues(), settings.resolution);
    gui::IGUIComboBox* mode =
        AddSettingRow(gui, 2, L"Mode d'écran :", ScreenModeValues(), settings.screenMode);
    gui::IGUIComboBox* synchro =
        AddSettingRow(gui, 3, L"Synchro verticale :", SynchroValues(), settings.synchro);
    gui::IGUIComboBox* messages = AddSettingRow(gui, 4, L"Messages des ordinateurs :",
                                                ComputerMessagesValues(), settings.computerMessages);
    messages->setToolTipText(L"Inactif : ils attendent un clic ; Court ou Long : ils se ferment seuls");
    std::vector<std::wstring> counts = JournalsKeptValues();
    if (!IsOneOf(settings.journalsKept, counts)) counts.push_back(settings.journalsKept);
    gui::IGUIComboBox* journals = AddSettingRow(gui, 5, L"Courses gardées :", counts, settings.journalsKept);
    journals->setToolTipText(L"Nombre de journaux de course gardés dans courses/");
    gui::IGUIComboBox* sound = AddSettingRow(gui, 6, L"Son :", SoundValues(), settings.sound);
    sound->setToolTipText(L"En course, la touche O coupe et rend le son");
    std::vector<std::wstring> volumes = VolumeValues();
    if (!IsOneOf(settings.volume, volumes)) volumes.push_back(settings.volume);
    gui::IGUIComboBox* volume = AddSettingRow(gui, 7, L"Volume :", volumes, settings.volume);
    volume->setToolTipText(L"De 0 à 100");
    gui->addButton(core::recti(160, 390, 280, 420), nullptr, kSaveButton, L"Enregistrer");
    // A row's drop-down list opens over the rows below it: those are drawn
    // first, and the list's background hides them.
    gui::IGUISkin* skin = gui->getSkin();
    video::SColor listBackground = skin->getColor(gui::EGDC_3D_HIGH_LIGHT);
    listBackground.setAlpha(255);
    skin->setColor(gui::EGDC_3D_HIGH_LIGHT, listBackground);
    for (gui::IGUIComboBox* box : {volume, sound, journals, messages, synchro, mode, resolution, driver})
        gui->getRootGUIElement()->bringToFront(box);

    while (!receiver.saveRequested && device->run()) {
        device->getVideoDriver()->beginScene(true, true, video::SColor(255, 200, 200, 200));
        gui->drawAll();
        device->getVideoDriver()->endScene();
        device->sleep(15);
    }
    if (receiver.saveRequested) {
        const size_t renderer = static_cast<size_t>(std::max(0, driver->getSelected()));
        settings = {renderers[renderer].value, Selected(resolution), Selected(mode),  Selected(synchro),
                    Selected(messages),         Selected(journals),   Selected(sound), Selected(volume)};
    }
    device->closeDevice();
    device->run();
    device->drop();
    return receiver.saveRequested ? WindowOutcome::Saved : WindowOutcome::Closed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    // What follows "--" is for the game, started once the settings are saved.
    int optionCount = 1;
    while (optionCount < argc && std::strcmp(argv[optionCount], "--") != 0) ++optionCount;
    const std::vector<std::string> gameArguments(argv + std::min(optionCount + 1, argc), argv + argc);
    if (!PreparePlayerFolders()) return 1;
    Settings settings = DefaultSettings();
    if (optionCount > 1) {
        if (!ParseOptions(optionCount, argv, settings)) {
            std::fputs(kUsage, stderr);
            return 2;
        }
        return Save(settings) ? 0 : 1;
    }
    Settings current;
    if (ReadSettings(current)) {
        // Keep what an earlier run chose, where it is a value of the table.
        if (IsOneOf(current.driver, DriverValues())) settings.driver = current.driver;
        if (IsOneOf(current.resolution, ResolutionValues())) settings.resolution = current.resolution;
        if (IsOneOf(current.screenMode, ScreenModeValues())) settings.screenMode = current.screenMode;
        if (IsOneOf(current.synchro, SynchroValues())) settings.synchro = current.synchro;
        if (IsOneOf(current.computerMessages, ComputerMessagesValues()))
            settings.computerMessages = current.computerMessages;
        if (IsJournalCount(current.journalsKept)) settings.journalsKept = current.journalsKept;
        if (IsOneOf(current.sound, SoundValues())) settings.sound = current.sound;
        if (IsVolume(current.volume)) settings.volume = current.volume;
    }
    const WindowOutcome outcome = RunSettingsWindow(settings);
    if (outcome != WindowOutcome::Saved) return outcome == WindowOutcome::Closed ? 0 : 1;
    if (!Save(settings)) return 1;
    ReplaceProcess(ExecutableDirectory() + "/skarvoll3d", gameArguments);
    return 1;
}
