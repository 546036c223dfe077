#include "files/circuit_file.h"

#include <algorithm>

#include "core/game_state.h"
#include "files/xml_values.h"
#include "platform/paths.h"

namespace {
CircuitData& Circuit() { return game.circuit; }

// A count element's number, kept within what an array may sensibly hold.
int ItemCount(const std::wstring& text) {
    return std::clamp(ParseInteger(text), 0, kMaxCircuitItems);
}

// Item `number` of a 1-based array, or null when the number is out of range
// (which includes every item met before its count element).
template <class Record>
Record* NumberedItem(std::vector<Record>& items, int count, int number) {
    if (number < 1 || number > count || number >= static_cast<int>(items.size())) return nullptr;
    return &items[number];
}

// Decor items whose file does not give their animation keep it untouched.
DecorItem NewDecorItem() {
    DecorItem item;
    item.frameStart = item.frameEnd = item.animationSpeed = -1;
    return item;
}

void SetCheckpointCount(const XmlValue& v) {
    CircuitData& c = Circuit();
    c.checkpointCount = ItemCount(v.text);
    c.checkpointX.assign(2 * c.checkpointCount + 2, 0.0f);
    c.checkpointY.assign(2 * c.checkpointCount + 2, 0.0f);
}

void StoreCheckpoint(const XmlValue& v) {
    CircuitData& c = Circuit();
    const std::wstring pos = v.Attribute(L"Pos");
    const std::wstring coord = v.Attribute(L"Coord");
    const int number = v.IntAttribute(L"Numero");
    if (pos != L"Dep" && pos != L"Arr") return;
    if (number < 1 || number > c.checkpointCount) return;
    std::vector<f32>* points = coord == L"x" ? &c.checkpointX : coord == L"y" ? &c.checkpointY : nullptr;
    const int entry = 2 * number - (pos == L"Dep" ? 1 : 0);
    if (points && entry < static_cast<int>(points->size())) (*points)[entry] = ParseReal(v.text);
}

void SetDecorCount(const XmlValue& v) {
    CircuitData& c = Circuit();
    c.decorCount = ItemCount(v.text);
    c.decorItems.assign(c.decorCount + 1, NewDecorItem());
}

void StoreDecorField(DecorItem& item, const std::wstring& var, const std::wstring& text) {
    if (var == L"desc") item.description = text;
    else if (var == L"Mesh") item.meshFile = text;
    else if (var == L"Map") item.textureFile = text;
    else if (var == L"RelCircuit") item.relativeToCircuit = ParseBool(text);
    else if (var == L"dx") item.dx = ParseInteger(text);
    else if (var == L"dy") item.dy = ParseInteger(text);
    else if (var == L"dz") item.dz = ParseInteger(text);
    else if (var == L"rot") item.rotation = ParseInteger(text);
    else if (var == L"anime") item.animated = ParseBool(text);
    else if (var == L"start") item.frameStart = ParseInteger(text);
    else if (var == L"end") item.frameEnd = ParseInteger(text);
    else if (var == L"VitesseAnim") item.animationSpeed = ParseInteger(text);
    else if (var == L"Scale") item.scale = ParseInteger(text);
    else if (var == L"Transparent") item.transparent = ParseBool(text);
}

void StoreDecor(const XmlValue& v) {
    CircuitData& c = Circuit();
    if (DecorItem* item = NumberedItem(c.decorItems, c.decorCount, v.IntAttribute(L"no")))
        StoreDecorField(*item, v.Attribute(L"var"), v.text);
}

void SetCrowdModelCount(const XmlValue& v) {
    CircuitData& c = Circuit();
    c.crowdModelCount = ItemCount(v.text);
    c.crowdModels.assign(c.crowdModelCount + 1, CrowdModel());
}

void StoreCrowdModelField(CrowdModel& model, const std::wstring& var, const std::wstring& text) {
    if (var == L"desc") model.description = text;
    else if (var == L"Mesh") model.meshFile = text;
    else if (var == L"Map") model.textureFile = text;
    else if (var == L"start") model.frameStart = ParseInteger(text);
    else if (var == L"end") model.frameEnd = ParseInteger(text);
    else if (var == L"VitesseAnim1") model.speedMin = ParseInteger(text);
    else if (var == L"VitesseAnim2") model.speedMax = ParseInteger(text);
}

void StoreCrowdModel(const XmlValue& v) {
    CircuitData& c = Circuit();
    if (CrowdModel* model = NumberedItem(c.crowdModels, c.crowdModelCount, v.IntAttribute(L"no")))
        StoreCrowdModelField(*model, v.Attribute(L"var"), v.text);
}

void SetCrowdGroupCount(const XmlValue& v) {
    CircuitData& c = Circuit();
    c.crowdGroupCount = ItemCount(v.text);
    c.crowdGroups.assign(c.crowdGroupCount + 1, CrowdGroup());
}

void StoreCrowdGroupField(CrowdGroup& group, const std::wstring& var, const std::wstring& text) {
    if (var == L"NbPersonnes") {
        group.personCount = ItemCount(text);
        group.persons.assign(group.personCount + 1, CrowdModel());
        return;
    }
    s32* const fields[] = {&group.x1, &group.y1, &group.z1, &group.x2,
                           &group.y2, &group.z2, &group.angle1, &group.angle2};
    const wchar_t* const names[] = {L"x1", L"y1", L"z1", L"x2", L"y2", L"z2", L"angle1", L"angle2"};
    for (size_t i = 0; i < std::size(names); ++i)
        if (var == names[i]) *fields[i] = ParseInteger(text);
}

void StoreCrowdGroup(const XmlValue& v) {
    CircuitData& c = Circuit();
    if (CrowdGroup* group = NumberedItem(c.crowdGroups, c.crowdGroupCount, v.IntAttribute(L"no")))
        StoreCrowdGroupField(*group, v.Attribute(L"var"), v.text);
}

void StoreStartCell(const XmlValue& v) {
    const int slot = v.IntAttribute(L"Voiture");
    if (slot < 1 || slot >= kStartSlotCount) return;
    const std::wstring coord = v.Attribute(L"Coord");
    if (coord == L"x") Circuit().startCellX[slot] = ParseInteger(v.text);
    else if (coord == L"y") Circuit().startCellY[slot] = ParseInteger(v.text);
}

struct CircuitKey {
    const wchar_t* element;
    void (*apply)(const XmlValue&);
};

// The keys in the order they are compared.
const CircuitKey kCircuitKeys[] = {
    {L"NomCircuit", [](const XmlValue& v) { Circuit().circuitName = v.text; }},
    // Race setup offers one slot per car the car table can hold, no more.
    {L"NbVoitures", [](const XmlValue& v) { Circuit().circuitMaxCars = std::clamp(ParseInteger(v.text), 0, kMaxCars); }},
    {L"Mesh", [](const XmlValue& v) { Circuit().circuitMeshFile = v.text; }},
    {L"Mapping", [](const XmlValue& v) { Circuit().circuitTextureFile = v.text; }},
    {L"DeltaX", [](const XmlValue& v) { Circuit().circuitOffsetX = ParseInteger(v.text); }},
    {L"DeltaY", [](const XmlValue& v) { Circuit().circuitOffsetY = ParseInteger(v.text); }},
    {L"DeltaZ", [](const XmlValue& v) { Circuit().circuitOffsetZ = ParseInteger(v.text); }},
    {L"NbCasesEnLargeur", [](const XmlValue& v) { Circuit().gridWidth = ParseInteger(v.text); }},
    {L"NbCasesEnLongueur", [](const XmlValue& v) { Circuit().gridLength = ParseInteger(v.text); }},
    {L"NbCheckpoints", SetCheckpointCount},
    {L"Checkpoint", StoreCheckpoint},
    {L"NbDecorAdd", SetDecorCount},
    {L"DecorAdd", StoreDecor},
    {L"NbModeleFoule", SetCrowdModelCount},
    {L"DefFoule", StoreCrowdModel},
    {L"NbGroupesFoules", SetCrowdGroupCount},
    {L"GroupeFoule", StoreCrowdGroup},
    {L"PositionDepart", StoreStartCell},
};

void ApplyCircuitValue(const XmlValue& value) {
    for (const CircuitKey& key : kCircuitKeys) {
        if (value.element == key.element) {
            key.apply(value);
            return;
        }
    }
}
}  // namespace

void LoadCircuitFile(const std::wstring& name) {
    Circuit().crowdGroupCount = 0;
    Circuit().crowdGroups.assign(1, CrowdGroup());
    ReadXmlValues(GamePath(L"\\circuits\\" + name + L".xml"), ApplyCircuitValue);
}
