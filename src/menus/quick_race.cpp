#include "menus/quick_race.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/gadget_catalogue.h"
#include "core/game_device.h"
#include "core/game_state.h"
#include "files/circuit_file.h"
#include "files/file_listing.h"
#include "menus/race_cars.h"
#include "platform/text.h"

using namespace irr;

namespace {
bool EndsWith(const std::wstring& value, const std::wstring& suffix) {
    return value.size() > suffix.size() &&
           value.compare(value.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool Listed(const std::wstring& folder, const std::wstring& name) {
    std::vector<std::wstring> names;
    ListFiles(folder, names);
    return std::find(names.begin() + 1, names.end(), name) != names.end();
}

// Race setup refuses the same pilot twice with one message only.
bool HasDuplicatePilot(const QuickRaceOptions& options) {
    const auto& p = options.pilots;
    for (size_t i = 0; i < p.size(); ++i)
        for (size_t j = 0; j < p.size(); ++j)
            if (i != j && p[i].name == p[j].name) return true;
    return false;
}

std::vector<std::wstring> RaceSetupRefusals(const QuickRaceOptions& options) {
    std::vector<std::wstring> refusals;
    if (HasDuplicatePilot(options))
        refusals.push_back(kSamePilotTwice);
    // A circuit named on the command line but missing from the folder is
    // named in the refusal, as a missing pilot is.
    if (options.circuit.empty())
        refusals.push_back(kChooseCircuitAndPilots);
    else if (!Listed(L"\\circuits\\", options.circuit))
        refusals.push_back(L"Le circuit " + options.circuit + L" n'existe pas.");
    if (refusals.empty() && options.pilots.size() + static_cast<size_t>(options.joiningCars) < 2)
        refusals.push_back(kAtLeastTwoPilots);
    for (const QuickRacePilot& pilot : options.pilots)
        if (refusals.empty() && !Listed(L"\\pilotes\\", pilot.name))
            refusals.push_back(L"Le pilote " + pilot.name + L" n'existe pas.");
    return refusals;
}

void LoadPilots(const QuickRaceOptions& options) {
    int k = 0;
    for (const QuickRacePilot& pilot : options.pilots) {
        ++k;
        LoadRaceCar(k, pilot.name, ColourWord(k - 1), pilot.driver);
    }
}

void PrintMessages(const std::vector<std::wstring>& messages) {
    for (const std::wstring& message : messages) std::fprintf(stderr, "%s\n", ToUtf8(message).c_str());
}

// The checks and the loading need the engine's file reader: a null device
// serves, so that a refused race never opens a window.
std::vector<std::wstring> SetUpWithoutWindow(const QuickRaceOptions& options) {
    if (!CreateNullGameDevice()) return {L"Impossible de lire les fichiers du jeu."};
    FillCatalogue();
    std::vector<std::wstring> refusals = SetUpQuickRace(options);
    ReleaseGameDevice();
    return refusals;
}

}  // namespace

QuickRacePilot ReadPilotOption(const std::wstring& value, Driver unmarked) {
    for (const Driver driver : {Driver::Computer, Driver::FightingComputer}) {
        const std::wstring suffix = std::wstring(L":") + DriverWord(driver);
        if (EndsWith(value, suffix)) return {value.substr(0, value.size() - suffix.size()), driver};
    }
    return {value, unmarked};
}

std::string QuickRaceUsage() {
    return "Utilisation : skarvoll3d [--circuit NOM --pilot NOM[:IA|:IAC] --pilot NOM[:IA|:IAC] ...] "
           "[--sans-decor]\n"
           "  Sans option, le jeu s'ouvre sur le menu d'accueil.\n"
           "  --circuit NOM           le circuit (fichier circuits/NOM.xml)\n"
           "  --pilot NOM[:IA|:IAC]   un pilote (fichier pilotes/NOM.xml) ; de 2 pilotes au nombre\n"
           "                          de places du circuit. Sans suffixe, un joueur le conduit ;\n"
           "                          avec « :IA », l'ordinateur qui conduit seulement ; avec\n"
           "                          « :IAC », l'ordinateur qui se bat avec les armes de sa voiture\n"
           "  --sans-decor            sans décor ni spectateurs\n"
           "  --heberger PORT         héberge la course en réseau sur ce port (7777 d'habitude) ;\n"
           "                          elle part quand les joueurs à distance sont tous venus\n"
           "  --distants N            le nombre de joueurs à distance (1 par défaut)\n"
           "  --rejoindre HOTE[:PORT] rejoint la course hébergée là avec le pilote de --pilot\n"
           "  --help                  affiche cette aide\n";
}

namespace {
// A whole number from first to last, the whole text read.
bool ReadWholeNumber(const std::string& text, int first, int last, int& value) {
    char* end = nullptr;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || number < first || number > last) return false;
    value = static_cast<int>(number);
    return true;
}
}  // namespace

bool ReadHostAddress(const std::string& value, std::string& address, int& port) {
    const size_t colon = value.rfind(':');
    address = value.substr(0, colon);
    port = kDefaultNetPort;
    return !address.empty() &&
           (colon == std::string::npos || ReadWholeNumber(value.substr(colon + 1), 1, 65535, port));
}

std::wstring HostAddressRefusal(const std::string& value) {
    return L"Adresse invalide : " + FromUtf8(value) + L" (HOTE ou HOTE:PORT, par exemple 192.168.1.5:7777).";
}

namespace {
// The network's options: "--heberger PORT", "--distants N", "--rejoindre HOTE[:PORT]".
bool ReadNetworkOption(const std::string& option, const std::string& value, QuickRaceOptions& options,
                       std::string& error) {
    if (option == "--heberger" && !ReadWholeNumber(value, 0, 65535, options.hostPort))
        error = "Port invalide : " + value + " (de 0 à 65535).";
    else if (option == "--distants" && !ReadWholeNumber(value, 1, 18, options.places))
        error = "Nombre de joueurs à distance invalide : " + value + " (de 1 à 18).";
    else if (option == "--rejoindre" && !ReadHostAddress(value, options.joinAddress, options.joinPort))
        error = ToUtf8(HostAddressRefusal(value));
    return error.empty();
}

bool IsNetworkOption(const char* arg) {
    return !std::strcmp(arg, "--heberger") || !std::strcmp(arg, "--distants") || !std::strcmp(arg, "--rejoindre");
}

bool ParseArgs(int argc, char** argv, QuickRaceOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool takesValue = !std::strcmp(arg, "--circuit") || !std::strcmp(arg, "--pilot") || IsNetworkOption(arg);
        if (takesValue && i + 1 >= argc) {
            error = std::string("Il manque la valeur de l'option ") + arg + ".";
            return false;
        }
        if (!std::strcmp(arg, "--help")) options.help = true;
        else if (!std::strcmp(arg, "--sans-decor")) options.decor = false;
        else if (!std::strcmp(arg, "--circuit")) options.circuit = FromUtf8(argv[++i]);
        else if (!std::strcmp(arg, "--pilot"))
            options.pilots.push_back(ReadPilotOption(FromUtf8(argv[++i]), Driver::Person));
        else if (IsNetworkOption(arg)) {
            if (!ReadNetworkOption(arg, argv[i + 1], options, error)) return false;
            ++i;
        } else {
            error = std::string("Option inconnue : ") + arg + ".";
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParseQuickRaceArgs(int argc, char** argv, QuickRaceOptions& options, std::string& error) {
    if (!ParseArgs(argc, argv, options, error)) return false;
    if (!options.joinAddress.empty() && options.pilots.size() != 1) {
        error = "Pour rejoindre une course, il faut un pilote et un seul (--pilot NOM).";
        return false;
    }
    return true;
}

std::vector<std::wstring> SetUpQuickRace(const QuickRaceOptions& options) {
    std::vector<std::wstring> refusals = RaceSetupRefusals(options);
    if (!refusals.empty()) return refusals;
    LoadCircuitFile(options.circuit);
    if (static_cast<int>(options.pilots.size()) + options.joiningCars > RaceCarLimit())
        return {L"Le circuit " + options.circuit + L" n'accepte que " + IntText(RaceCarLimit()) +
                L" pilotes."};
    LoadPilots(options);
    const int count = static_cast<int>(options.pilots.size());
    refusals = IntegrityRefusals(count);
    if (!refusals.empty()) return refusals;
    game.decorEnabled = options.decor ? 1 : 0;
    game.carCount = count;
    return {};
}

bool PrepareQuickRace(int argc, char** argv, QuickRaceOptions& options, int& exitCode) {
    std::string error;
    if (!ParseQuickRaceArgs(argc, argv, options, error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), QuickRaceUsage().c_str());
        exitCode = 2;
        return false;
    }
    if (options.help) {
        std::fputs(QuickRaceUsage().c_str(), stdout);
        exitCode = 0;
        return false;
    }
    // A joiner brings his one pilot; the host checks the rest.
    if (!options.joinAddress.empty()) {
        if (Listed(L"\\pilotes\\", options.pilots.front().name)) return true;
        PrintMessages({L"Le pilote " + options.pilots.front().name + L" n'existe pas."});
        exitCode = 2;
        return false;
    }
    if (options.hostPort >= 0) options.joiningCars = options.places;
    const std::vector<std::wstring> refusals = SetUpWithoutWindow(options);
    if (!refusals.empty()) {
        PrintMessages(refusals);
        exitCode = 2;
        return false;
    }
    return true;
}
