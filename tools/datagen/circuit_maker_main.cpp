// skarvoll3d-circuit: makes a circuit of the game from a map drawn as text,
// checks it, writes it where the game finds it and lets the computers race
// on it.
#include <irrlicht.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/simulator.h"
#include "circuit_map.h"
#include "circuit_map_contents.h"
#include "circuit_map_layout.h"
#include "circuits.h"
#include "data_folder.h"
#include "platform/game_folders.h"

using namespace irr;

namespace {

const char kUsage[] =
    "Usage : skarvoll3d-circuit [--dossier DOSSIER] [--courses N] [--graine S] CARTE\n"
    "Fait un circuit du jeu d'une carte dessinée en texte, un caractère par case, le vérifie,\n"
    "l'écrit dans le dossier du jeu (ou, jeu installé, dans ~/.local/share/skarvoll3d/) puis\n"
    "fait courir les ordinateurs dessus N fois (3 par défaut ; 0 : aucune course).\n"
    "\n"
    "La carte : des lignes « clé = valeur » (« nom = Mon circuit » obligatoire,\n"
    "« spectateurs = 12 » au plus par foule ; « ; » commente), la ligne « carte », puis la grille,\n"
    "sa ligne du haut au bout du circuit :\n"
    "  .        piste\n"
    "  # ou ' ' hors piste, un mur le sépare de la piste\n"
    "  1 à 9, A à J   départs 1 à 19, sur la piste, le 1 devant ; la grille suit une ligne ou une colonne\n"
    "  a à z    les deux bouts des portes 1 à 26 dans l'ordre de la course (sinon placées seules)\n"
    "  ^ arbre, % pile de pneus, Y éolienne, * spectateurs : à une case au moins de la piste\n"
    "\n"
    "Options :\n"
    "  --dossier DOSSIER  écrit dans ce dossier de jeu plutôt que là où le jeu cherche les circuits\n"
    "  --courses N        nombre de courses simulées\n"
    "  --graine S         graine des courses simulées\n";

struct MakerOptions {
    std::string map, folder, seed = "1";
    int races = 3;
    bool help = false;
};

bool ParseOptions(int argc, char** argv, MakerOptions& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--aide" || arg == "--help")
            o.help = true;
        else if (arg == "--dossier" && hasValue)
            o.folder = argv[++i];
        else if (arg == "--courses" && hasValue)
            o.races = std::atoi(argv[++i]);
        else if (arg == "--graine" && hasValue)
            o.seed = argv[++i];
        else if (arg.rfind("--", 0) == 0 || !o.map.empty())
            return false;
        else
            o.map = arg;
    }
    return o.help || (!o.map.empty() && o.races >= 0);
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    text = out.str();
    return static_cast<bool>(in);
}

// Where the game looks for a player's circuits: the game folder, or his
// own folder for an installed game.
std::string CircuitsRoot(const MakerOptions& o) {
    if (!o.folder.empty()) return o.folder;
    return FoldersOf("circuits/").back();
}

bool Write(const std::string& root, const CircuitLayout& layout, const CircuitFileContents& contents) {
    SIrrlichtCreationParameters params;
    params.DriverType = video::EDT_NULL;
    params.LoggingLevel = ELL_ERROR;
    IrrlichtDevice* device = createDeviceEx(params);
    if (!device) return false;
    bool written = true;
    try {
        WriteCircuit(DataFolder(device->getVideoDriver(), root), layout, contents, SKARVOLL_FONT_DIR);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Le circuit n'a pas pu être écrit dans %s : %s\n", root.c_str(), error.what());
        written = false;
    }
    device->drop();
    return written;
}

// The simulator's races on the new circuit, run from its game folder.
int Simulate(const MakerOptions& o, const std::string& root, const std::string& name) {
    if (!o.folder.empty()) std::filesystem::current_path(root);
    const std::string races = std::to_string(o.races);
    std::vector<std::string> args = {"skarvoll3d-sim", "--circuit", name, "--courses", races, "--graine", o.seed};
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    std::printf("\n%d courses simulées entre ordinateurs :\n", o.races);
    std::fflush(stdout);
    return RunSimulator(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

int main(int argc, char** argv) {
    MakerOptions o;
    if (!ParseOptions(argc, argv, o)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (o.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    std::string text;
    if (!ReadFile(o.map, text)) {
        std::fprintf(stderr, "Impossible de lire la carte %s.\n", o.map.c_str());
        return 2;
    }
    try {
        const TrackMap map = ReadTrackMap(text);
        const CircuitLayout layout = MapLayout(map);
        const CircuitFileContents contents = MapContents(map, layout);
        if (o.folder.empty() && !PreparePlayerFolders()) return 1;
        const std::string root = CircuitsRoot(o);
        if (!Write(root, layout, contents)) return 1;
        std::printf("Circuit « %s » écrit dans %s/circuits/%s.xml : %dx%d cases, %zu départs, %zu portes.\n",
                    map.name.c_str(), root.c_str(), map.name.c_str(), map.Width(), map.Length(), layout.slots.size(),
                    layout.gates.size());
        return o.races > 0 ? Simulate(o, root, map.name) : 0;
    } catch (const MapRefusal& refusal) {
        std::fprintf(stderr, "%s, %s\n", o.map.c_str(), refusal.what());
        return 2;
    }
}
