#include "files/settings.h"

#include "files/xml_values.h"
#include "platform/paths.h"
#include "platform/text.h"

using namespace irr;

bool ReadSettings(Settings& settings) {
    std::wstring name;
    return VisitXmlNodes(GamePath(L"\\config.xml"), [&](io::IXMLReader& reader) {
        std::wstring value;
        if (reader.getNodeType() == io::EXN_ELEMENT) {
            name = NodeText(reader.getNodeName());
            value = name;
        } else if (reader.getNodeType() == io::EXN_TEXT) {
            value = NodeText(reader.getNodeData());
        }
        if (value.empty()) return;
        if (name == L"driver") settings.driver = value;
        else if (name == L"resolution") settings.resolution = value;
        else if (name == L"modeecran") settings.screenMode = value;
        else if (name == L"synchro") settings.synchro = value;
        else if (name == L"messagesordinateurs") settings.computerMessages = value;
        else if (name == L"journaux") settings.journalsKept = value;
        else if (name == L"son") settings.sound = value;
        else if (name == L"volume") settings.volume = value;
    });
}

bool ReadSettings(std::wstring& driver, std::wstring& resolution, std::wstring& screenMode,
                  std::wstring& synchro) {
    Settings settings;
    const bool read = ReadSettings(settings);
    driver = settings.driver;
    resolution = settings.resolution;
    screenMode = settings.screenMode;
    synchro = settings.synchro;
    return read;
}

const std::vector<std::wstring>& DriverValues() {
    static const std::vector<std::wstring> values = {L"EDT_OPENGL", L"EDT_SOFTWARE",
                                                     L"EDT_DIRECTX9", L"EDT_DIRECTX8"};
    return values;
}
const std::vector<std::wstring>& ResolutionValues() {
    static const std::vector<std::wstring> values = {L"1024*768", L"800*600"};
    return values;
}
const std::vector<std::wstring>& ScreenModeValues() {
    static const std::vector<std::wstring> values = {L"Fenetre", L"Full screen"};
    return values;
}
const std::vector<std::wstring>& SynchroValues() {
    static const std::vector<std::wstring> values = {L"Actif", L"Inactif"};
    return values;
}

const std::vector<std::wstring>& ComputerMessagesValues() {
    static const std::vector<std::wstring> values = {L"Inactif", L"Court", L"Long"};
    return values;
}

ComputerMessages ComputerMessagesSetting(const Settings& settings) {
    if (settings.computerMessages == L"Inactif") return ComputerMessages::Waiting;
    if (settings.computerMessages == L"Long") return ComputerMessages::Long;
    return ComputerMessages::Short;
}

bool IsJournalCount(const std::wstring& text) {
    if (text.empty() || text.size() > 6 || text.find_first_not_of(L"0123456789") != std::wstring::npos)
        return false;
    const int count = std::stoi(text);
    return count >= 1 && count <= 100000;
}

int JournalsKeptSetting(const Settings& settings) {
    return IsJournalCount(settings.journalsKept) ? std::stoi(settings.journalsKept) : 50;
}

const std::vector<std::wstring>& JournalsKeptValues() {
    static const std::vector<std::wstring> values = {L"10", L"50", L"200", L"1000"};
    return values;
}

const std::vector<std::wstring>& SoundValues() { return SynchroValues(); }

bool SoundSetting(const Settings& settings) { return settings.sound != L"Inactif"; }

bool IsVolume(const std::wstring& text) {
    return !text.empty() && text.size() <= 3 && text.find_first_not_of(L"0123456789") == std::wstring::npos &&
           std::stoi(text) <= 100;
}

int VolumeSetting(const Settings& settings) { return IsVolume(settings.volume) ? std::stoi(settings.volume) : 80; }

const std::vector<std::wstring>& VolumeValues() {
    static const std::vector<std::wstring> values = {L"0", L"25", L"50", L"80", L"100"};
    return values;
}

SIrrlichtCreationParameters DeviceParameters(const Settings& settings) {
    SIrrlichtCreationParameters params;
    // Direct3D does not exist here: its values and the default give OpenGL.
    params.DriverType =
        settings.driver == L"EDT_SOFTWARE" ? video::EDT_SOFTWARE : video::EDT_OPENGL;
    params.WindowSize = settings.resolution == L"800*600" ? core::dimension2du(800, 600)
                                                          : core::dimension2du(1024, 768);
    params.Bits = 16;
    params.Fullscreen = settings.screenMode != L"Fenetre";
    params.Stencilbuffer = false;
    params.Vsync = settings.synchro != L"Inactif";
    return params;
}

bool WriteSettingsFile(const std::string& folder, const Settings& settings) {
    std::wstring text = L"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<config>\n";
    text += L"<driver>" + settings.driver + L"</driver>\n";
    text += L"<resolution>" + settings.resolution + L"</resolution>\n";
    text += L"<modeecran>" + settings.screenMode + L"</modeecran>\n";
    text += L"<synchro>" + settings.synchro + L"</synchro>\n";
    if (!settings.computerMessages.empty())
        text += L"<messagesordinateurs>" + settings.computerMessages + L"</messagesordinateurs>\n";
    if (!settings.journalsKept.empty()) text += L"<journaux>" + settings.journalsKept + L"</journaux>\n";
    if (!settings.sound.empty()) text += L"<son>" + settings.sound + L"</son>\n";
    if (!settings.volume.empty()) text += L"<volume>" + settings.volume + L"</volume>\n";
    text += L"</config>\n";
    return WriteFileAtomically(folder + "/config.xml", ToLatin1(text));
}
