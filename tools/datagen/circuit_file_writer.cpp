#include "circuit_file_writer.h"

#include <cstdio>
#include <sstream>

#include "platform/text.h"

namespace {

class CircuitXml {
public:
    explicit CircuitXml(bool backslashes) : backslashes_(backslashes) {}

    void Value(const std::string& element, const std::string& text, const std::string& attributes = "") {
        out_ << '<' << element << attributes << "> " << text << " </" << element << ">\n";
    }
    void Value(const std::string& element, int number, const std::string& attributes = "") {
        Value(element, std::to_string(number), attributes);
    }
    void Path(const std::string& element, std::string path, const std::string& attributes = "") {
        if (backslashes_)
            for (char& c : path)
                if (c == '/') c = '\\';
        Value(element, path, attributes);
    }
    void Text(const std::string& element, const std::wstring& text, const std::string& attributes = "") {
        Value(element, ToLatin1(text), attributes);
    }
    void Raw(const std::string& text) { out_ << text; }
    std::string Take() const { return out_.str(); }

private:
    std::ostringstream out_;
    bool backslashes_;
};

std::string Item(int number, const std::string& var) {
    return " no=\"" + std::to_string(number) + "\" var=\"" + var + "\"";
}

std::string Real(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

const char* Bool(bool value) { return value ? "true" : "false"; }

void WriteCheckpoints(CircuitXml& xml, const CircuitLayout& layout) {
    xml.Value("NbCheckpoints", static_cast<int>(layout.gates.size()));
    for (size_t n = 0; n < layout.gates.size(); ++n) {
        const Gate& g = layout.gates[n];
        const std::string number = " Numero=\"" + std::to_string(n + 1) + "\"";
        xml.Value("Checkpoint", Real(g.from.x), number + " Pos=\"Dep\" Coord=\"x\"");
        xml.Value("Checkpoint", Real(g.from.y), number + " Pos=\"Dep\" Coord=\"y\"");
        xml.Value("Checkpoint", Real(g.to.x), number + " Pos=\"Arr\" Coord=\"x\"");
        xml.Value("Checkpoint", Real(g.to.y), number + " Pos=\"Arr\" Coord=\"y\"");
    }
}

void WriteStartSlots(CircuitXml& xml, const CircuitLayout& layout) {
    for (size_t k = 0; k < layout.slots.size(); ++k) {
        const std::string slot = " Voiture=\"" + std::to_string(k + 1) + "\"";
        xml.Value("PositionDepart", layout.slots[k].x, slot + " Coord=\"x\"");
        xml.Value("PositionDepart", layout.slots[k].y, slot + " Coord=\"y\"");
    }
}

void WriteDecor(CircuitXml& xml, const std::vector<DecorEntry>& decor) {
    xml.Value("NbDecorAdd", static_cast<int>(decor.size()));
    for (size_t i = 0; i < decor.size(); ++i) {
        const DecorEntry& d = decor[i];
        const int no = static_cast<int>(i + 1);
        xml.Text("DecorAdd", d.description, Item(no, "desc"));
        xml.Path("DecorAdd", d.mesh, Item(no, "Mesh"));
        xml.Path("DecorAdd", d.texture, Item(no, "Map"));
        xml.Value("DecorAdd", Bool(d.relativeToCircuit), Item(no, "RelCircuit"));
        xml.Value("DecorAdd", Bool(d.transparent), Item(no, "Transparent"));
        xml.Value("DecorAdd", d.dx, Item(no, "dx"));
        xml.Value("DecorAdd", d.dy, Item(no, "dy"));
        xml.Value("DecorAdd", d.dz, Item(no, "dz"));
        xml.Value("DecorAdd", d.scale, Item(no, "Scale"));
        xml.Value("DecorAdd", d.rotation, Item(no, "rot"));
        xml.Value("DecorAdd", Bool(d.animated), Item(no, "anime"));
        xml.Value("DecorAdd", d.frameStart, Item(no, "start"));
        xml.Value("DecorAdd", d.frameEnd, Item(no, "end"));
        xml.Value("DecorAdd", d.speed, Item(no, "VitesseAnim"));
    }
}

void WriteCrowds(CircuitXml& xml, const CircuitFileContents& contents) {
    xml.Value("NbModeleFoule", static_cast<int>(contents.crowdModels.size()));
    for (size_t i = 0; i < contents.crowdModels.size(); ++i) {
        const CrowdModelEntry& m = contents.crowdModels[i];
        const int no = static_cast<int>(i + 1);
        xml.Text("DefFoule", m.description, Item(no, "desc"));
        xml.Path("DefFoule", m.mesh, Item(no, "Mesh"));
        xml.Path("DefFoule", m.texture, Item(no, "Map"));
        xml.Value("DefFoule", m.frameStart, Item(no, "start"));
        xml.Value("DefFoule", m.frameEnd, Item(no, "end"));
        xml.Value("DefFoule", m.speedMin, Item(no, "VitesseAnim1"));
        xml.Value("DefFoule", m.speedMax, Item(no, "VitesseAnim2"));
    }
    xml.Value("NbGroupesFoules", static_cast<int>(contents.crowdGroups.size()));
    for (size_t i = 0; i < contents.crowdGroups.size(); ++i) {
        const CrowdGroupEntry& g = contents.crowdGroups[i];
        const int no = static_cast<int>(i + 1);
        const std::pair<const char*, int> values[] = {{"NbPersonnes", g.people}, {"x1", g.x1}, {"y1", g.y1},
                                                      {"z1", g.z1}, {"x2", g.x2}, {"y2", g.y2},
                                                      {"z2", g.z2}, {"angle1", g.angle1}, {"angle2", g.angle2}};
        for (const auto& [var, value] : values) xml.Value("GroupeFoule", value, Item(no, var));
    }
}

}  // namespace

std::string EncodeCircuitFile(const CircuitLayout& layout, const CircuitFileContents& contents) {
    CircuitXml xml(contents.backslashes);
    xml.Raw("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Circuit>\n");
    xml.Value("NomCircuit", layout.design.name);
    xml.Value("NbVoitures", static_cast<int>(layout.slots.size()));
    xml.Path("Mesh", contents.mesh);
    xml.Path("Mapping", contents.texture);
    xml.Value("DeltaX", contents.offsetX);
    xml.Value("DeltaY", contents.offsetY);
    xml.Value("DeltaZ", contents.offsetZ);
    xml.Value("NbCasesEnLargeur", layout.Width());
    xml.Value("NbCasesEnLongueur", layout.Length());
    WriteCheckpoints(xml, layout);
    WriteStartSlots(xml, layout);
    WriteDecor(xml, contents.decor);
    WriteCrowds(xml, contents);
    xml.Raw("</Circuit>\n");
    return xml.Take();
}
