#include "app/sim_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/text.h"

namespace {
constexpr long long kMostRaces = 1000000;

// A whole number from first to last, the whole text read.
bool ReadNumber(const char* text, long long first, long long last, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0' && value >= first && value <= last;
}

bool TakesValue(const char* arg) {
    for (const char* option : {"--circuit", "--pilot", "--courses", "--graine", "--journaux", "--heberger",
                               "--distants", "--rejoindre", "--attente", "--absence"})
        if (!std::strcmp(arg, option)) return true;
    return false;
}

// "HOTE:PORT" of --rejoindre.
bool ReadHostAndPort(const std::string& value, SimOptions& o, std::string& error) {
    const size_t colon = value.rfind(':');
    long long port = 0;
    if (colon == std::string::npos || colon == 0 || !ReadNumber(value.c_str() + colon + 1, 1, 65535, port)) {
        error = "Adresse invalide : " + value + " (HOTE:PORT, par exemple 192.168.1.5:7777).";
        return false;
    }
    o.joinAddress = value.substr(0, colon);
    o.joinPort = static_cast<int>(port);
    return true;
}

bool ReadValue(const char* option, const char* value, SimOptions& o, std::string& error) {
    long long number = 0;
    if (!std::strcmp(option, "--circuit")) {
        o.circuit = FromUtf8(value);
    } else if (!std::strcmp(option, "--pilot")) {
        o.pilots.push_back(ReadPilotOption(FromUtf8(value), Driver::Computer));
    } else if (!std::strcmp(option, "--journaux")) {
        o.journalFolder = value;
    } else if (!std::strcmp(option, "--heberger")) {
        if (!ReadNumber(value, 0, 65535, number)) {
            error = std::string("Port invalide : ") + value + " (de 0 à 65535).";
            return false;
        }
        o.hosting = true;
        o.hostPort = static_cast<int>(number);
    } else if (!std::strcmp(option, "--rejoindre")) {
        return ReadHostAndPort(value, o, error);
    } else if (!std::strcmp(option, "--distants") || !std::strcmp(option, "--attente")) {
        const bool places = !std::strcmp(option, "--distants");
        if (!ReadNumber(value, 1, places ? 18 : 86400, number)) {
            error = std::string(places ? "Nombre de joueurs à distance invalide : " : "Attente invalide : ") + value +
                    (places ? " (de 1 à 18)." : " (de 1 à 86400 secondes).");
            return false;
        }
        (places ? o.places : o.waitSeconds) = static_cast<int>(number);
    } else if (!std::strcmp(option, "--absence")) {
        if (!ReadNumber(value, 1, 3600, number)) {
            error = std::string("Absence invalide : ") + value + " (de 1 à 3600 secondes).";
            return false;
        }
        o.absenceSeconds = static_cast<int>(number);
    } else if (!std::strcmp(option, "--courses")) {
        if (!ReadNumber(value, 1, kMostRaces, number)) {
            error = std::string("Nombre de courses invalide : ") + value + " (de 1 à 1000000).";
            return false;
        }
        o.races = static_cast<int>(number);
    } else {
        if (!ReadNumber(value, 0, UINT32_MAX, number)) {
            error = std::string("Graine invalide : ") + value + " (un entier de 0 à 4294967295).";
            return false;
        }
        o.seed = static_cast<uint32_t>(number);
        o.seedGiven = true;
    }
    return true;
}
}  // namespace

std::string SimUsage() {
    return "Utilisation : skarvoll3d-sim --circuit NOM [--pilot NOM[:IA|:IAC] ...] [--courses N] "
           "[--graine S] [--ecrire] [--journaux DOSSIER]\n"
           "       skarvoll3d-sim --verifier JOURNAL...\n"
           "       skarvoll3d-sim --heberger PORT --circuit NOM [--pilot ...] [--distants N] [--graine S]\n"
           "       skarvoll3d-sim --rejoindre HOTE:PORT --pilot NOM[:IA|:IAC]\n"
           "  Fait courir des pilotes conduits par l'ordinateur, sans fenêtre, et affiche leurs\n"
           "  résultats.\n"
           "  --circuit NOM           le circuit (fichier circuits/NOM.xml)\n"
           "  --pilot NOM[:IA|:IAC]   un pilote (fichier pilotes/NOM.xml), à répéter ; par défaut\n"
           "                          tous les pilotes, dans l'ordre alphabétique, autant que le\n"
           "                          circuit en accepte. Sans suffixe ou avec « :IA », l'ordinateur\n"
           "                          qui conduit seulement ; avec « :IAC », l'ordinateur qui se bat\n"
           "                          avec les armes de sa voiture, marqué (IAC) dans le tableau\n"
           "  --courses N             le nombre de courses (1 par défaut)\n"
           "  --graine S              l'état du hasard, pour rejouer exactement une série de courses\n"
           "  --ecrire                écrit les fichiers des pilotes comme après de vraies courses ;\n"
           "                          sans cette option, pilotes/ n'est jamais modifié et chaque\n"
           "                          course part des pilotes tels qu'ils sont\n"
           "  --journaux DOSSIER      écrit le journal de chaque course dans ce dossier\n"
           "  --verifier JOURNAL...   rejoue chaque journal sans fenêtre et dit s'il est identique,\n"
           "                          ou le premier tour qui diffère et ce qui diffère\n"
           "  --heberger PORT         héberge une course en réseau sur ce port (0 : un port libre,\n"
           "                          écrit sur la sortie) et attend ses joueurs à distance\n"
           "  --distants N            le nombre de joueurs à distance attendus (1 par défaut)\n"
           "  --rejoindre HOTE:PORT   rejoint la course hébergée là avec le pilote de --pilot\n"
           "  --attente S             secondes d'attente des joueurs ou du départ (120 par défaut)\n"
           "  --absence S             secondes d'attente d'un joueur qui ne répond plus, avant que\n"
           "                          l'ordinateur ne prenne sa voiture (30 par défaut)\n"
           "  --help                  affiche cette aide\n";
}

bool ParseSimArgs(int argc, char** argv, SimOptions& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (TakesValue(arg)) {
            if (i + 1 >= argc) {
                error = std::string("Il manque la valeur de l'option ") + arg + ".";
                return false;
            }
            if (!ReadValue(arg, argv[++i], o, error)) return false;
        } else if (!std::strcmp(arg, "--help")) {
            o.help = true;
        } else if (!std::strcmp(arg, "--ecrire")) {
            o.write = true;
        } else if (!std::strcmp(arg, "--verifier")) {
            while (i + 1 < argc && std::strncmp(argv[i + 1], "--", 2) != 0) o.journalsToCheck.push_back(argv[++i]);
            if (o.journalsToCheck.empty()) {
                error = "Il faut au moins un journal après --verifier.";
                return false;
            }
        } else {
            error = std::string("Option inconnue : ") + arg + ".";
            return false;
        }
    }
    if (!o.joinAddress.empty() && o.pilots.size() != 1) {
        error = "Pour rejoindre une course, il faut un pilote et un seul (--pilot NOM).";
        return false;
    }
    if (!o.help && o.circuit.empty() && o.journalsToCheck.empty() && o.joinAddress.empty()) {
        error = "Il faut choisir un circuit avec --circuit.";
        return false;
    }
    return true;
}
