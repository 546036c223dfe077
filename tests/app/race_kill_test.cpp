// Races killed (SIGKILL) at random moments and started again: each time the
// save points at the start of the turn that was running, the race resumes
// there, and once played to its end its journal and every pilot file are
// byte for byte those of the same race played without a stop: nothing lost,
// nothing cut, nothing paid twice. On the three circuits, with both kinds of
// computer drivers and random people.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "files/race_journal.h"
#include "files/race_save.h"
#include "platform/text.h"
#include "support/child_process.h"
#include "support/game_test.h"

namespace fs = std::filesystem;

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr int kKillsPerRace = 3;
#else
constexpr int kKillsPerRace = 17;  // 204 across the twelve races
#endif

using Clock = std::chrono::steady_clock;

std::map<std::string, std::string> FilesOf(const std::string& folder, const std::string& extension = "") {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!extension.empty() && entry.path().extension() != extension) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[name] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

// The race child on a game folder: started, then waited for or killed.
class Child {
public:
    Child(const std::string& folder, unsigned seed, const std::vector<std::string>& race)
        : process_(Words(folder, seed, race), folder, folder + "/sortie.txt") {}
    // Waits `seconds` at most: true when it ended by itself (its code in `code`).
    bool EndsWithin(double seconds, int& code) { return process_.EndsWithin(seconds, code); }
    // Waits until the child says it plays (its output gains a "reprise"
    // line past the first `seen`), `seconds` at most; false when it ended or
    // did not get there.
    bool PlaysWithin(double seconds, const std::string& folder, size_t& seen) {
        const Clock::time_point until = Clock::now() + std::chrono::microseconds(static_cast<long long>(seconds * 1e6));
        while (Clock::now() < until && process_.Running()) {
            std::ifstream in(folder + "/sortie.txt");
            std::string line;
            size_t n = 0;
            for (; std::getline(in, line); ++n)
                if (n >= seen && line.compare(0, 8, "reprise ") == 0) resumedAt_ = line.substr(8);
            if (!resumedAt_.empty()) {
                seen = n;
                return true;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
        return false;
    }
    // The turn it said it plays from: "CAR ROUND".
    const std::string& ResumedAt() const { return resumedAt_; }
    void Kill() { process_.Kill(); }

private:
    static std::vector<std::string> Words(const std::string& folder, unsigned seed, const std::vector<std::string>& race) {
        std::vector<std::string> words = {SKARVOLL_RACE_CHILD, folder, std::to_string(seed)};
        words.insert(words.end(), race.begin(), race.end());
        return words;
    }
    ChildProcess process_;
    std::string resumedAt_;
};

// The car and round of the journal's last complete turn line: "C R".
std::string LastTurn(const std::string& journal) {
    std::string last;
    for (size_t at = 0, end; (end = journal.find('\n', at)) != std::string::npos; at = end + 1)
        if (journal.compare(at, 5, "tour ") == 0) {
            std::istringstream fields(journal.substr(at + 5, end - at - 5));
            int car = 0, round = 0;
            fields >> car >> round;
            last = std::to_string(car) + " " + std::to_string(round);
        }
    return last;
}

size_t LineCount(const std::string& path) {
    std::ifstream in(path);
    size_t n = 0;
    for (std::string line; std::getline(in, line);) ++n;
    return n;
}

bool EndsWithTheRace(const std::string& journal) {
    return journal.size() > 5 && journal.compare(journal.rfind('\n', journal.size() - 2) + 1, 4, "fin ") == 0;
}

struct Lineup {
    const char* name;
    std::vector<std::string> pilots;  // --pilot values
};
const Lineup kLineups[] = {
    {"Ordinateurs", {"Max Durand:IA", "Brutus:IA", "Hélène Vasseur:IA", "Camille Faure:IA"}},
    {"Combatifs", {"Odile Fournier:IAC", "Inès Moreau:IAC", "Élise Marchand:IA", "Brutus:IAC"}},
    {"Personnes", {"Camille Faure", "Max Durand:IAC", "Inès Moreau", "Paul Lambert:IA"}},
    {"Melange", {"Karim Benali:IAC", "Élise Marchand", "Jules Mercier:IA", "Hélène Vasseur:IAC"}},
};
}  // namespace

class RaceKillTest : public GameTest,
                     public ::testing::WithParamInterface<std::tuple<const char*, int>> {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const char* game : {"sans_arret", "tue"}) {
            const std::string folder = workDir + "/" + game;
            fs::create_directories(folder);
            fs::create_symlink(GameFolder() + "/data", folder + "/data");
            fs::create_symlink(GameFolder() + "/circuits", folder + "/circuits");
            fs::copy(GameFolder() + "/pilotes", folder + "/pilotes");
        }
        const Lineup& lineup = kLineups[std::get<1>(GetParam())];
        race_ = {"--circuit", std::get<0>(GetParam()), "--sans-decor"};
        for (const std::string& pilot : lineup.pilots) {
            race_.push_back("--pilot");
            race_.push_back(pilot);
        }
    }
    unsigned Seed() const { return 500u + static_cast<unsigned>(std::get<1>(GetParam())); }
    std::string Folder(const char* game) const { return workDir + "/" + game; }

    std::vector<std::string> race_;
};

TEST_P(RaceKillTest, KilledAtRandomTheRaceResumesAtItsTurnAndEndsAsIfNeverStopped) {
    // The race without a stop, timed from the moment it plays.
    int code = -1;
    size_t lines = 0;
    Child first(Folder("sans_arret"), Seed(), race_);
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(first.PlaysWithin(60, Folder("sans_arret"), lines));
    const Clock::time_point playing = Clock::now();
    ASSERT_TRUE(first.EndsWithin(300, code));
    ASSERT_EQ(code, 0);
    const double seconds = std::chrono::duration<double>(Clock::now() - playing).count();
    double starting = std::chrono::duration<double>(playing - start).count();

    // The same race killed again and again after a random while of play,
    // and one time in five while it starts or replays its journal.
    std::mt19937 random(Seed());
    std::uniform_real_distribution<double> share(0.0, 1.0);
    const std::string game = Folder("tue"), courses = game + "/courses";
    int kills = 0, resumesChecked = 0;
    bool saved = false;
    std::string turnAtKill;
    for (bool ended = false; !ended;) {
        lines = LineCount(game + "/sortie.txt");  // what the children before said
        Child child(game, Seed(), saved ? std::vector<std::string>{"--reprendre"} : race_);
        const Clock::time_point spawned = Clock::now();
        if (kills % 5 == 4) {
            ended = child.EndsWithin(share(random) * starting, code);
        } else if (child.PlaysWithin(60, game, lines)) {
            starting = std::chrono::duration<double>(Clock::now() - spawned).count();
            if (saved) {
                EXPECT_EQ(child.ResumedAt(), turnAtKill) << "kill " << kills << ": the race resumes at the turn that was running";
                ++resumesChecked;
            }
            // On average the kills take half the race's time of play: a
            // machine that runs the resumed races faster than the race
            // measured still sees most of them.
            ended = child.EndsWithin(kills >= kKillsPerRace ? 300 : share(random) * seconds / kKillsPerRace, code);
        } else {
            ended = child.EndsWithin(0, code);
        }
        if (ended) break;
        child.Kill();
        ++kills;
        saved = fs::exists(courses) && !ListSavedRaces(courses).empty();
        const std::string journal = fs::exists(courses) ? FilesOf(courses, ".journal").begin()->second : "";
        if (saved) {
            turnAtKill = LastTurn(journal);
        } else if (EndsWithTheRace(journal)) {
            code = 0;  // killed once the race was over
            break;
        } else {
            fs::remove_all(courses);  // killed before its first turn: the race starts again
        }
    }
    ASSERT_EQ(code, 0);
    std::printf("%d kills, %d resumes checked, race of %.2f s\n", kills, resumesChecked, seconds);
    EXPECT_GE(kills, kKillsPerRace / 2) << "the race ended before most kills";

    EXPECT_EQ(FilesOf(Folder("tue") + "/courses", ".journal"), FilesOf(Folder("sans_arret") + "/courses", ".journal"));
    EXPECT_EQ(FilesOf(Folder("tue") + "/pilotes"), FilesOf(Folder("sans_arret") + "/pilotes"));
    EXPECT_TRUE(ListSavedRaces(Folder("tue") + "/courses").empty()) << "a race over leaves no save";
}

INSTANTIATE_TEST_SUITE_P(CircuitsAndDrivers, RaceKillTest,
                         ::testing::Combine(::testing::Values("Anneau", "Serpentin", "Autodrome", "Huit", "Lacets", "Faubourg"),
                                            ::testing::Range(0, 4)),
                         [](const ::testing::TestParamInfo<std::tuple<const char*, int>>& info) {
                             return std::string(std::get<0>(info.param)) + kLineups[std::get<1>(info.param)].name;
                         });
