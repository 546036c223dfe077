#include "files/pilot_file.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "files/value_text.h"
#include "files/xml_values.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace {
bool pilotFilesKept = false;
std::function<void(const std::wstring&)> deletionObserver;

bool IsCar(int car) { return car >= 0 && car < kCarTableSize; }


// A pilot's numbers stay far from the ends of an int, so that the rules
// may add to them and take from them: no race comes near a million points
// or Zonks. A file edited beyond that is read at the limit, and so no longer
// passes its integrity check.
constexpr int kPilotNumberLimit = 1000000;

int PilotNumber(const std::wstring& text) {
    return std::clamp(ParseInteger(text), -kPilotNumberLimit, kPilotNumberLimit);
}

void ApplyPilotValue(int car, const XmlValue& v) {
    CarRecord& c = game.cars[car];
    if (v.element == L"NomPilote") c.pilotName = v.text;
    else if (v.element == L"Conduite") c.drivingSkill = PilotNumber(v.text);
    else if (v.element == L"Tir") c.shootingSkill = PilotNumber(v.text);
    else if (v.element == L"CoteVolant") c.wheelSide = v.text;
    else if (v.element == L"Zonks") c.zonks = PilotNumber(v.text);
    else if (v.element == L"NoMesh") c.meshNumber = PilotNumber(v.text);
    else if (v.element == L"Gadget") AddGadget(car, v.IntAttribute(L"Cote"), v.text);  // ignores a side out of 0..4
    else if (v.element == L"Structure") {
        const int side = v.IntAttribute(L"Cote");
        if (side < SideFront || side > SideLeft) return;
        c.sides[side].structureMax = PilotNumber(v.text);
        c.sides[side].structure = c.sides[side].structureMax;
    } else if (v.element == L"Secu") c.secu = v.text;
}

// What every loaded pilot starts a race with, whatever its file held.
void PrepareForRace(int car) {
    CarRecord& c = game.cars[car];
    c.hitPoints = 4;
    c.oilSprayed = c.hasMoved = c.hasActed = c.skidPending = c.pendingMoveFlag = 0;
    c.mass = ComputeMass(car);
    c.meshFile = L"voiture_modele_" + IntText(c.meshNumber) + L".ms3d";
    c.textureBase = L"map_voiture_" + IntText(c.meshNumber);
    c.textureExt = L".jpg";
    c.inRace = 1;
    c.checkpointsPassed = 0;
    c.finishOrder = -1;
}

std::wstring EscapeXml(const std::wstring& text) {
    std::wstring out;
    for (wchar_t ch : text) {
        switch (ch) {
            case L'&': out += L"&amp;"; break;
            case L'<': out += L"&lt;"; break;
            case L'>': out += L"&gt;"; break;
            case L'"': out += L"&quot;"; break;
            case L'\'': out += L"&apos;"; break;
            default: out += ch;
        }
    }
    return out;
}

// One line of the file: the element, its value between single spaces.
std::wstring ElementLine(const std::wstring& element, const std::wstring& value, const wchar_t* side = nullptr) {
    const std::wstring attribute = side ? std::wstring(L" Cote=\"") + side + L"\"" : std::wstring();
    return L"<" + element + attribute + L"> " + EscapeXml(value) + L" </" + element + L">\n";
}

std::wstring SideLines(const CarRecord& c, int side) {
    const std::wstring number = IntText(side);
    std::wstring lines;
    if (side != SideMisc) lines += ElementLine(L"Structure", IntText(c.sides[side].structureMax), number.c_str());
    const CarSide& s = c.sides[side];
    for (int position = 1; position <= s.gadgetCount && position < static_cast<int>(s.gadgets.size()); ++position)
        lines += ElementLine(L"Gadget", s.gadgets[position].name, number.c_str());
    return lines;
}

}  // namespace

std::string PilotFilePath(const std::wstring& name) { return GamePath(L"\\pilotes\\" + name + L".xml"); }

bool IsSafePilotName(const std::wstring& name) {
    if (name == L"." || name == L"..") return false;
    return name.find_first_of(std::wstring(L"/\\\0", 3)) == std::wstring::npos;
}

std::wstring PilotFileText(int car) {
    const std::wstring secu = ComputeSecu(car);
    const CarRecord& c = game.cars[car];
    std::wstring text = L"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
    text += ElementLine(L"Secu", secu);
    text += ElementLine(L"NomPilote", c.pilotName);
    text += ElementLine(L"Conduite", IntText(c.drivingSkill));
    text += ElementLine(L"Tir", IntText(c.shootingSkill));
    text += ElementLine(L"CoteVolant", c.wheelSide);
    text += ElementLine(L"Zonks", IntText(c.zonks));
    text += ElementLine(L"NoMesh", IntText(c.meshNumber));
    for (int side = 0; side < kSideCount; ++side) text += SideLines(c, side);
    return text + L"\n";
}

void ReadPilotFile(int car, const std::wstring& name) {
    if (!IsCar(car)) return;
    if (IsSafePilotName(name)) ReadPilotFileAt(car, PilotFilePath(name));
    else {
        RemoveAllGadgets(car);
        PrepareForRace(car);
    }
}

void ReadPilotFileAt(int car, const std::string& path) {
    if (!IsCar(car)) return;
    RemoveAllGadgets(car);
    ReadXmlValues(path, [car](const XmlValue& v) { ApplyPilotValue(car, v); });
    PrepareForRace(car);
}

bool ReadPilotFileBytes(int car, const std::string& bytes) {
    char path[] = "/tmp/skarvoll3d-pilote-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return false;
    const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    close(fd);
    if (written) ReadPilotFileAt(car, path);
    std::remove(path);
    return written;
}

bool PilotFilesKept() { return pilotFilesKept; }

bool WritePilotFile(int car) {
    if (!IsCar(car) || !IsSafePilotName(game.cars[car].pilotName)) return false;
    if (pilotFilesKept) return true;
    return WriteFileAtomically(PilotFilePath(game.cars[car].pilotName), ToLatin1(PilotFileText(car)));
}

bool PilotFileExists(const std::wstring& name) {
    return IsSafePilotName(name) && FileExists(PilotFilePath(name));
}

bool DeletePilotFile(const std::wstring& name) {
    if (!IsSafePilotName(name)) return false;
    NotePilotDeletion(name);
    return pilotFilesKept || RemoveFile(PilotFilePath(name));
}

void NotePilotDeletion(const std::wstring& name) {
    if (deletionObserver) deletionObserver(name);
}

void KeepPilotFiles(bool kept) { pilotFilesKept = kept; }

void SetPilotDeletionObserver(std::function<void(const std::wstring&)> observer) {
    deletionObserver = std::move(observer);
}
