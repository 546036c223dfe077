#include "sample_pilots.h"

#include <filesystem>
#include <set>
#include <stdexcept>
#include <vector>

#include "core/fitted_gadgets.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "files/pilot_integrity.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

struct Fitting {
    int side;
    const wchar_t* gadget;
};

struct SamplePilot {
    const wchar_t* name;
    int driving, shooting, zonks, model;
    const wchar_t* wheelSide;
    int structure[kSideCount];  // sides 1 to 4
    std::vector<Fitting> gadgets;
};

const std::vector<SamplePilot>& SamplePilots() {
    static const std::vector<SamplePilot> pilots = {
        {L"Hélène Vasseur", 11, 10, 140, 3, L"Gauche", {0, 6, 5, 5, 5},
         {{SideFront, L"Mitrailleuse avant"}, {SideFront, L"Blindage"}, {SideMisc, L"Pistolet"}, {SideRight, L"Nitro"}}},
        {L"Max Durand", 10, 12, 60, 1, L"Droite", {0, 5, 5, 5, 5},
         {{SideFront, L"Mitrailleuse avant"}, {SideFront, L"Mitrailleuse avant"}, {SideRear, L"Nitro"}}},
        {L"Brutus", 9, 9, 20, 2, L"Gauche", {0, 7, 6, 6, 6},
         {{SideFront, L"Lance Grenades"}, {SideFront, L"Blindage"}, {SideRear, L"Blindage"}, {SideLeft, L"Blindage"},
          {SideRight, L"Blindage"}, {SideMisc, L"Bazooka"}}},
        {L"Inès Moreau", 12, 9, 210, 1, L"Droite", {0, 5, 5, 5, 5},
         {{SideMisc, L"Volant double"}, {SideRear, L"Mitrailleuse arrière"}, {SideLeft, L"Renfort Latéral"},
          {SideRight, L"Renfort Latéral"}}},
        // Enough rivals besides for a full grid of nineteen on Autodrome.
        {L"Albert Roux", 10, 8, 30, 1, L"Gauche", {0, 6, 4, 5, 5}, {{SideFront, L"Mitrailleuse avant"}, {SideFront, L"Blindage"}}},
        {L"Béatrice Lemaire", 12, 6, 50, 3, L"Droite", {0, 5, 5, 5, 5}, {{SideRear, L"Nitro"}, {SideLeft, L"Nitro"}}},
        {L"Camille Faure", 9, 9, 10, 2, L"Droite", {0, 5, 5, 5, 5},
         {{SideRear, L"Projecteur d'huile"}, {SideRear, L"Cartouche d'huile"}, {SideLeft, L"Cartouche d'huile"}}},
        {L"Denis Girard", 8, 10, 40, 1, L"Gauche", {0, 5, 5, 5, 5}, {{SideMisc, L"Bazooka"}, {SideFront, L"Blindage"}}},
        {L"Élise Marchand", 11, 7, 80, 3, L"Droite", {0, 4, 6, 5, 5},
         {{SideFront, L"Lance Grenades"}, {SideRear, L"Lance Grenades"}}},
        {L"Fabien Chevalier", 9, 9, 0, 2, L"Gauche", {0, 5, 5, 5, 5},
         {{SideFront, L"Blindage"}, {SideRear, L"Blindage"}, {SideLeft, L"Blindage"}, {SideRight, L"Blindage"}}},
        {L"Gaston Leroy", 7, 11, 120, 1, L"Droite", {0, 6, 4, 5, 5}, {{SideMisc, L"Pistolet"}, {SideFront, L"Mitrailleuse avant"}}},
        {L"Irène Dupuis", 13, 5, 200, 3, L"Gauche", {0, 5, 5, 5, 5}, {{SideFront, L"Nitro"}}},
        {L"Jules Mercier", 10, 8, 0, 2, L"Droite", {0, 5, 5, 5, 5},
         {{SideLeft, L"Renfort Latéral"}, {SideRight, L"Renfort Latéral"}, {SideFront, L"Renfort Latéral"}}},
        {L"Karim Benali", 9, 9, 90, 1, L"Gauche", {0, 5, 6, 5, 4}, {{SideRear, L"Mitrailleuse arrière"}, {SideFront, L"Mitrailleuse avant"}}},
        {L"Louise Perrin", 11, 7, 60, 3, L"Droite", {0, 5, 5, 5, 5}, {{SideMisc, L"Volant double"}, {SideMisc, L"Pistolet"}}},
        {L"Marius Blanc", 8, 10, 10, 2, L"Gauche", {0, 7, 3, 5, 5},
         {{SideFront, L"Mitrailleuse avant"}, {SideFront, L"Mitrailleuse avant"}, {SideFront, L"Blindage"}}},
        {L"Noémie Garnier", 12, 6, 150, 1, L"Droite", {0, 5, 5, 5, 5}, {{SideRight, L"Nitro"}, {SideRear, L"Blindage"}}},
        {L"Odile Fournier", 10, 8, 20, 3, L"Gauche", {0, 5, 5, 5, 5}, {{SideMisc, L"Bazooka"}, {SideRear, L"Lance Grenades"}}},
        {L"Paul Lambert", 9, 9, 300, 2, L"Droite", {0, 5, 5, 5, 5}, {}},
    };
    return pilots;
}

void LoadIntoScratchCar(const SamplePilot& p) {
    CarRecord& car = game.cars[0];
    RemoveAllGadgets(0);
    car.pilotName = p.name;
    car.drivingSkill = p.driving, car.shootingSkill = p.shooting;
    car.hitPoints = 4, car.zonks = p.zonks, car.meshNumber = p.model, car.wheelSide = p.wheelSide;
    for (int side = 1; side < kSideCount; ++side) car.sides[side].structure = car.sides[side].structureMax = p.structure[side];
    for (const Fitting& f : p.gadgets) AddGadget(0, f.side, f.gadget);
    car.mass = ComputeMass(0);
}

bool HoldsPilots(const fs::path& folder) {
    if (!fs::exists(folder)) return false;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".xml") return true;
    return false;
}

// Each pilot read back by the game holds the integrity text the game
// computes for it; the samples fill Autodrome's grid of nineteen, drive
// every car model and one has an accented name.
void CheckWrittenPilots() {
    std::set<int> models;
    bool accented = false;
    for (const SamplePilot& p : SamplePilots()) {
        ReadPilotFile(1, p.name);
        const CarRecord& car = game.cars[1];
        if (car.pilotName != p.name || car.secu.empty() || car.secu != ComputeSecu(1))
            throw std::runtime_error("a sample pilot does not pass the game's integrity check");
        models.insert(car.meshNumber);
        for (const wchar_t ch : std::wstring(p.name)) accented |= ch > 127;
    }
    if (SamplePilots().size() < 19 || models.size() != 3 || !accented)
        throw std::runtime_error("the sample pilots fill no grid, miss a car model or an accented name");
}

}  // namespace

int WriteSamplePilots(const std::string& gameFolder) {
    const fs::path folder = fs::path(gameFolder) / "pilotes";
    if (HoldsPilots(folder)) return 0;
    fs::create_directories(folder);
    const fs::path previous = fs::current_path();
    fs::current_path(gameFolder);  // the game writes its pilot files below the working directory
    FillCatalogue();
    int written = 0;
    for (const SamplePilot& p : SamplePilots()) {
        LoadIntoScratchCar(p);
        written += WritePilotFile(0) ? 1 : 0;
    }
    if (written == static_cast<int>(SamplePilots().size())) CheckWrittenPilots();
    fs::current_path(previous);
    if (written != static_cast<int>(SamplePilots().size())) throw std::runtime_error("cannot write the sample pilots");
    return written;
}
