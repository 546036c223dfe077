#include "files/xml_values.h"

#include <irrlicht.h>

#include <fstream>
#include <iterator>

#include "core/game_state.h"
#include "files/value_text.h"
#include "files/xml_guard.h"
#include "platform/paths.h"

using namespace irr;

std::wstring XmlValue::Attribute(const std::wstring& name) const {
    const auto found = attributes.find(name);
    return found == attributes.end() ? std::wstring() : found->second;
}

int XmlValue::IntAttribute(const std::wstring& name) const {
    return ParseInteger(Attribute(name));
}

namespace {
// The reader hands 8-bit files over one byte per character, sign-extended on
// this platform; every text of the game's files is taken by its low byte.
std::wstring LowByteText(const wchar_t* text) {
    std::wstring out;
    if (!text) return out;
    for (; *text; ++text)
        out.push_back(static_cast<wchar_t>(static_cast<unsigned>(*text) & 0xffu));
    return out;
}

void TakeElement(io::IXMLReader& reader, XmlValue& current) {
    current.element = LowByteText(reader.getNodeName());
    current.attributes.clear();
    for (int i = 0; i < static_cast<int>(reader.getAttributeCount()); ++i)
        current.attributes[LowByteText(reader.getAttributeName(i))] =
            LowByteText(reader.getAttributeValue(i));
}

// The engine's file system; a null device of our own when the game has none
// (tools that read files without a window).
class FileSystemAccess {
public:
    FileSystemAccess() {
        if (game.device) {
            fileSystem_ = game.device->getFileSystem();
            return;
        }
        SIrrlichtCreationParameters params;
        params.DriverType = video::EDT_NULL;
        params.LoggingLevel = ELL_NONE;
        ownDevice_ = createDeviceEx(params);
        if (ownDevice_) fileSystem_ = ownDevice_->getFileSystem();
    }
    ~FileSystemAccess() {
        if (ownDevice_) ownDevice_->drop();
    }
    FileSystemAccess(const FileSystemAccess&) = delete;
    FileSystemAccess& operator=(const FileSystemAccess&) = delete;
    io::IFileSystem* get() const { return fileSystem_; }

private:
    IrrlichtDevice* ownDevice_ = nullptr;
    io::IFileSystem* fileSystem_ = nullptr;
};

// Far more than any circuit or pilot file holds.
constexpr size_t kMaxXmlFileBytes = 16u << 20;

// The file's bytes, cut before anything the engine's reader cannot finish.
bool ReadGuardedFile(const std::string& path, std::string& bytes) {
    if (!FileExists(path)) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad() || bytes.size() > kMaxXmlFileBytes) return false;
    bytes.resize(SafeXmlLength(bytes));
    return true;
}

io::IXMLReader* CreateReader(io::IFileSystem& fileSystem, const std::string& path, std::string& bytes) {
    io::IReadFile* memoryFile = fileSystem.createMemoryReadFile(
        bytes.data(), static_cast<s32>(bytes.size()), path.c_str(), false);
    if (!memoryFile) return nullptr;
    io::IXMLReader* reader = fileSystem.createXMLReader(memoryFile);
    memoryFile->drop();
    return reader;
}
}  // namespace

bool VisitXmlNodes(const std::string& path, const std::function<void(io::IXMLReader&)>& visit) {
    std::string bytes;
    if (!ReadGuardedFile(path, bytes)) return false;
    FileSystemAccess fileSystem;
    if (!fileSystem.get()) return false;
    io::IXMLReader* reader = CreateReader(*fileSystem.get(), path, bytes);
    if (!reader) return false;
    while (reader->read()) visit(*reader);
    reader->drop();
    return true;
}

std::wstring NodeText(const wchar_t* text) { return LowByteText(text); }

bool ReadXmlValues(const std::string& path, const std::function<void(const XmlValue&)>& apply) {
    XmlValue current;
    return VisitXmlNodes(path, [&](io::IXMLReader& reader) {
        if (reader.getNodeType() == io::EXN_ELEMENT) {
            TakeElement(reader, current);
            return;
        }
        if (reader.getNodeType() != io::EXN_TEXT) return;
        // A text of spaces only trims to nothing and is not applied.
        current.text = TrimSpaces(LowByteText(reader.getNodeData()));
        if (!current.text.empty()) apply(current);
    });
}
