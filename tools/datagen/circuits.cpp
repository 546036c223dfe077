#include "circuits.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <stdexcept>

#include "circuit_decor.h"
#include "circuit_file_writer.h"
#include "circuit_layout.h"
#include "circuit_map.h"
#include "circuit_map_contents.h"
#include "circuit_map_layout.h"
#include "circuit_mesh.h"
#include "circuit_paint.h"
#include "circuit_pictures.h"
#include "data_folder.h"
#include "decor_models.h"
#include "spectators.h"
#include "typeface.h"

namespace {

namespace fs = std::filesystem;

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void WriteDecorModel(const DataFolder& folder, const DecorModel& model) {
    folder.WriteBytes("data/decor/" + model.name + ".ms3d", EncodeMs3d(model.mesh));
    folder.WriteImage("data/decor/" + model.name + ".jpg", model.texture);
}

void WriteSpectators(const DataFolder& folder) {
    for (int variant = 1; variant <= 2; ++variant)
        folder.WriteBytes("data/foule/supporter_" + std::to_string(variant) + ".ms3d", EncodeMs3d(SpectatorModel(variant)));
    folder.WriteImage("data/foule/maillot_rouge.jpg",
                      SpectatorTexture(SColor(255, 200, 30, 30), SColor(255, 40, 50, 90), SColor(255, 60, 35, 20)));
    folder.WriteImage("data/foule/maillot_bleu.jpg",
                      SpectatorTexture(SColor(255, 30, 70, 200), SColor(255, 70, 60, 50), SColor(255, 220, 190, 90)));
    folder.WriteImage("data/foule/maillot_jaune.jpg",
                      SpectatorTexture(SColor(255, 240, 200, 30), SColor(255, 30, 30, 35), SColor(255, 20, 20, 20)));
}

// A grandstand facing +x with its front at world x = front, and the people
// on its three lower rows of seats.
void GrandstandFacingTrack(CircuitFileContents& c, int front, int z) {
    c.decor.push_back(Decor(L"Tribune principale", "tribune", front, z, 90));
    for (int step = 0; step < 3; ++step) {
        const int x = front - 40 * step - 20;
        c.crowdGroups.push_back(Crowd(12, x - 12, z - 270, x + 12, z + 270, 90, 20 + 20 * step - 5));
    }
}

// The chequered flag and the see-through light gantry, both over the start
// line at world z.
void StartLineDecor(CircuitFileContents& c, int flagX, int gantryX, int z) {
    c.decor.push_back(Animated(Decor(L"Drapeau à damier", "drapeau", flagX, z), kFlagFrames, 20));
    DecorEntry gantry = Decor(L"Portique lumineux du départ", "portique", gantryX, z);
    gantry.transparent = true;
    c.decor.push_back(gantry);
}

CircuitFileContents OvalContents() {
    CircuitFileContents c;
    GrandstandFacingTrack(c, 220, 1800);
    StartLineDecor(c, 1000, 600, 2300);
    c.decor.push_back(Animated(Decor(L"Éolienne", "eolienne", 1250, 1850), kTurbineFrames, 12));
    for (auto [x, z, scale] : {std::tuple{1200, 1350, 1}, {1300, 2350, 1}, {1150, 2050, 1}, {150, 300, 2},
                               {2350, 300, 2}, {2350, 3600, 2}, {150, 3600, 2}})
        c.decor.push_back(Decor(L"Arbre", "arbre", x, z, x * 7 % 360, scale));
    c.decor.push_back(Decor(L"Pile de pneus", "pneus", 300, 3300, 45));
    c.decor.push_back(Decor(L"Pile de pneus", "pneus", 2200, 600, 45));
    c.crowdGroups.push_back(Crowd(16, 2160, 1200, 2340, 2500, 270));
    c.crowdGroups.push_back(Crowd(16, 500, 3460, 1900, 3640, 180));
    c.crowdGroups.push_back(Crowd(14, 500, 60, 1900, 240, 0));
    c.crowdGroups.push_back(Crowd(8, 1000, 1500, 1080, 2150, 270));
    c.crowdModels = CrowdModels();
    return c;
}

CircuitFileContents TechnicalContents() {
    CircuitFileContents c;
    c.backslashes = true;
    GrandstandFacingTrack(c, 220, 900);
    StartLineDecor(c, 850, 500, 1400);
    c.decor.push_back(Animated(Decor(L"Éolienne", "eolienne", 1150, 1000), kTurbineFrames, 15));
    for (auto [x, z, scale] : {std::tuple{900, 800, 1}, {1400, 1250, 1}, {1350, 750, 1}, {150, 2250, 2},
                               {2750, 200, 2}, {2750, 2250, 2}})
        c.decor.push_back(Decor(L"Arbre", "arbre", x, z, x * 7 % 360, scale));
    c.decor.push_back(Decor(L"Pile de pneus au milieu de l'épingle", "pneus", 2050, 1100));
    c.decor.push_back(Decor(L"Pile de pneus", "pneus", 2700, 1500, 90));
    c.crowdGroups.push_back(Crowd(14, 600, 20, 2200, 140, 0));
    c.crowdGroups.push_back(Crowd(14, 600, 2210, 2200, 2340, 180));
    c.crowdGroups.push_back(Crowd(12, 2710, 300, 2840, 1800, 270));
    c.crowdModels = CrowdModels();
    return c;
}

CircuitFileContents GrandPrixContents() {
    CircuitFileContents c;
    GrandstandFacingTrack(c, 220, 1700);
    GrandstandFacingTrack(c, 220, 3000);
    StartLineDecor(c, 1000, 600, 2500);
    c.decor.push_back(Animated(Decor(L"Éolienne", "eolienne", 2900, 1500), kTurbineFrames, 10));
    c.decor.push_back(Animated(Decor(L"Éolienne", "eolienne", 4200, 2300), kTurbineFrames, 14));
    for (auto [x, z, scale] : {std::tuple{1500, 1400, 1}, {2000, 2300, 1}, {3500, 1200, 1}, {4400, 1500, 1},
                               {2900, 3500, 1}, {150, 200, 2}, {5650, 200, 2}, {5650, 3950, 2}, {150, 3950, 2}})
        c.decor.push_back(Decor(L"Arbre", "arbre", x, z, x * 7 % 360, scale));
    c.decor.push_back(Decor(L"Pile de pneus dans la cuvette", "pneus", 2900, 3050));
    c.decor.push_back(Decor(L"Pile de pneus", "pneus", 5600, 1100, 45));
    c.decor.push_back(Decor(L"Pile de pneus", "pneus", 1100, 250, 45));
    c.crowdGroups.push_back(Crowd(18, 5650, 900, 5800, 3300, 270));
    c.crowdGroups.push_back(Crowd(18, 800, 3960, 2300, 4090, 180));
    c.crowdGroups.push_back(Crowd(18, 3500, 3960, 5000, 4090, 180));
    c.crowdGroups.push_back(Crowd(16, 1200, 20, 4800, 150, 0));
    c.crowdGroups.push_back(Crowd(10, 1100, 1300, 1200, 2900, 270));
    c.crowdModels = CrowdModels();
    return c;
}

CircuitFileContents ContentsOf(const std::string& name) {
    if (name == "Anneau") return OvalContents();
    if (name == "Serpentin") return TechnicalContents();
    return GrandPrixContents();
}

// Spectators stand on grass, at least one cell away from any track cell,
// so that a wall always stands between them and the cars.
void CheckCrowdsOutsideWalls(const CircuitLayout& layout, const CircuitFileContents& contents) {
    for (const CrowdGroupEntry& g : contents.crowdGroups)
        for (int x = (g.x1 + 50) / 100 - 1; x <= (g.x2 + 50) / 100 + 1; ++x)
            for (int y = (g.z1 + 50) / 100 - 1; y <= (g.z2 + 50) / 100 + 1; ++y)
                if (layout.Open(x, y))
                    throw std::runtime_error(layout.design.name + ": a crowd stands next to the track");
}

}  // namespace

void WriteCircuit(const DataFolder& folder, const CircuitLayout& layout, CircuitFileContents contents,
                  const std::string& fontDir) {
    const Typeface numbers(fontDir + "/DejaVuSans-Bold.ttf", 22);
    const std::string& name = layout.design.name;
    const std::string base = "circuits/" + Lower(name);
    contents.mesh = base + ".ms3d";
    contents.texture = base + ".jpg";
    const Ms3dModel mesh = CircuitMesh(layout);
    const Canvas texture = CircuitTexture(layout, numbers);
    folder.WriteBytes("data/" + contents.mesh, EncodeMs3d(mesh));
    folder.WriteImage("data/" + contents.texture, texture);
    folder.WriteBytes("circuits/" + name + ".xml", EncodeCircuitFile(layout, contents));
    const Canvas map = CircuitMap(texture, layout);
    folder.WriteImage("data/interface/thumb_cir_" + name + ".jpg", CircuitThumbnail(map));
    folder.WriteImage("data/loading/loading_" + name + ".jpg", LoadingPicture(CircuitPictureFonts{fontDir}, name, map, mesh, texture));
}

std::vector<std::string> WriteCircuits(const DataFolder& folder, const std::string& fontDir, const std::string& mapDir) {
    const Typeface signs(fontDir + "/DejaVuSans-Bold.ttf", 84);
    for (const DecorModel& model : {Grandstand(), ChequeredFlag(), StartGantry(signs, kGantrySpan), WindTurbine(), Tree(), TyreStack()})
        WriteDecorModel(folder, model);
    WriteSpectators(folder);

    std::vector<std::string> names;
    for (const CircuitDesign& design : CircuitDesigns()) {
        const CircuitLayout layout = LayOut(design);
        const CircuitFileContents contents = ContentsOf(design.name);
        CheckCrowdsOutsideWalls(layout, contents);
        WriteCircuit(folder, layout, contents, fontDir);
        names.push_back(design.name);
    }
    std::vector<fs::path> maps;
    for (const fs::directory_entry& entry : fs::directory_iterator(mapDir))
        if (entry.path().extension() == ".txt") maps.push_back(entry.path());
    std::sort(maps.begin(), maps.end());
    for (const fs::path& path : maps) {
        std::ifstream in(path);
        std::ostringstream text;
        text << in.rdbuf();
        try {
            const TrackMap map = ReadTrackMap(text.str());
            const CircuitLayout layout = MapLayout(map);
            WriteCircuit(folder, layout, MapContents(map, layout), fontDir);
            names.push_back(map.name);
        } catch (const MapRefusal& refusal) {
            throw std::runtime_error(path.string() + ", " + refusal.what());
        }
    }
    return names;
}
