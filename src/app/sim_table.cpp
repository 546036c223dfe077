#include "app/sim_table.h"

#include <algorithm>
#include <cstdio>

#include "platform/text.h"

namespace {
const char* const kHeadings[] = {"Courses", "Victoires", "Deuxièmes", "Seul survivant",
                                 "Carbonisés", "Morts", "Tours (moy.)"};

// The text padded with spaces to `width` characters (not bytes).
std::string Padded(const std::wstring& text, size_t width, bool right) {
    const std::string spaces(text.size() < width ? width - text.size() : 0, ' ');
    return right ? spaces + ToUtf8(text) : ToUtf8(text) + spaces;
}

std::string Cell(const std::string& text, size_t width) { return "  " + Padded(FromUtf8(text), width, true); }

std::string Number(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}
}  // namespace

PilotTally& SimTally::TallyOf(const std::wstring& pilot) {
    for (auto& [name, tally] : pilots_)
        if (name == pilot) return tally;
    pilots_.push_back({pilot, PilotTally()});
    return pilots_.back().second;
}

void SimTally::Add(const SimRaceResult& race) {
    ++races_;
    abandoned_ += race.abandoned ? 1 : 0;
    rounds_ += race.rounds;
    for (const SimCarResult& car : race.cars) {
        // A pilot driven by the computer that fights is marked in the
        // table, so that a series mixing both kinds reads clearly.
        PilotTally& t = TallyOf(car.fighting ? car.pilot + L" (IAC)" : car.pilot);
        t.races += 1;
        t.rounds += race.rounds;
        t.wins += car.placing == SimPlacing::Win;
        t.seconds += car.placing == SimPlacing::Second;
        t.soleSurvivals += car.placing == SimPlacing::SoleSurvivor;
        t.burnOuts += car.burntOut;
        t.deaths += car.died;
    }
}

std::string SimTally::Report(const DrivingFigures& f) const {
    size_t nameWidth = 6;
    for (const auto& entry : pilots_) nameWidth = std::max(nameWidth, entry.first.size());
    std::string out = Padded(L"Pilote", nameWidth, false);
    for (const char* heading : kHeadings) out += "  " + std::string(heading);
    out += "\n";
    for (const auto& [name, t] : pilots_) {
        const int counts[] = {t.races, t.wins, t.seconds, t.soleSurvivals, t.burnOuts, t.deaths};
        out += Padded(name, nameWidth, false);
        for (size_t k = 0; k < 6; ++k)
            out += Cell(std::to_string(counts[k]), FromUtf8(kHeadings[k]).size());
        out += Cell(Number(t.races ? double(t.rounds) / t.races : 0, 1), FromUtf8(kHeadings[6]).size()) + "\n";
    }
    out += "\nCourses : " + std::to_string(races_) + ", dont " + std::to_string(abandoned_) +
           " abandonnée(s) après " + std::to_string(kSimRoundLimit) + " tours ; " +
           Number(races_ ? double(rounds_) / races_ : 0, 1) + " tours par course en moyenne.\n";
    out += "Coups de l'ordinateur : " + std::to_string(f.moves) + ", " +
           Number(f.wallSeconds > 0 ? f.moves / f.wallSeconds : 0, 0) + " par seconde ; le plus lent : " +
           Number(f.slowestMove * 1000, 1) + " ms (en moyenne " +
           Number(f.moves ? f.moveSeconds * 1000 / f.moves : 0, 2) + " ms).\n";
    return out;
}
