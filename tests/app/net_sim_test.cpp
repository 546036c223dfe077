// Races over the network between separate processes on this machine (the
// loopback address only): a host and two joiners, each in a game folder of
// its own holding every pilot of the race, play a race of computer drivers
// to its end on every circuit. Every machine writes the same journal, which
// replays identically, and each writes its own pilots' files and leaves its
// copies of the others' untouched. A machine killed in the middle of the
// race: a joiner is waited for, then driven by the computer, and comes
// back; the host stops the others, whose saves resume.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "support/child_process.h"
#include "support/game_test.h"

namespace fs = std::filesystem;

namespace {
std::string Sim() { return GameFolder() + "/skarvoll3d-sim"; }

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::map<std::string, std::string> Folder(const fs::path& folder) {
    std::map<std::string, std::string> files;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder)) files[entry.path().filename().string()] = Read(entry);
    return files;
}

const std::vector<std::string> kPilots = {"Brutus", "Max Durand", "Inès Moreau", "Camille Faure"};

struct Machine {
    std::string name;
    std::vector<std::string> pilots;  // his own
    fs::path folder;
    std::map<std::string, std::string> pilotsBefore;
    std::unique_ptr<ChildProcess> process;
};
}  // namespace

class NetSimFixture : public GameTest {
protected:
    // A game folder sharing the build's data and circuits, with every pilot.
    void Prepare(Machine& m) {
        m.folder = fs::path(workDir) / m.name;
        fs::create_directories(m.folder / "pilotes");
        for (const char* shared : {"data", "circuits"}) fs::create_directory_symlink(fs::path(GameFolder()) / shared, m.folder / shared);
        for (const std::string& pilot : kPilots)
            fs::copy_file(fs::path(GameFolder()) / "pilotes" / (pilot + ".xml"), m.folder / "pilotes" / (pilot + ".xml"));
        m.pilotsBefore = Folder(m.folder / "pilotes");
    }

    void Start(Machine& m, std::vector<std::string> words) {
        words.insert(words.begin(), Sim());
        for (const char* w : {"--ecrire", "--journaux", "courses", "--attente", "60"}) words.push_back(w);
        m.process = std::make_unique<ChildProcess>(words, m.folder.string(), (m.folder / "sortie.txt").string());
    }

    // Until `m`'s journal holds `turns` turns.
    void WaitForTurns(const Machine& m, int turns) {
        const auto count = [&m] {
            const auto journals = Folder(m.folder / "courses");
            int n = 0;
            for (const auto& [name, text] : journals)
                if (fs::path(name).extension() == ".journal")
                            for (size_t at = 0; (at = text.find("\ntour ", at)) != std::string::npos; ++at) ++n;
            return n;
        };
        for (int tries = 0; tries < 3000 && count() < turns; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    bool WaitForOutput(const Machine& m, const std::string& text) {
        for (int tries = 0; tries < 6000; ++tries) {
            if (Read(m.folder / "sortie.txt").find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    // Each machine wrote its own pilots' files and left the others' as they were.
    void ExpectOwnPilotsWrittenOnly(const std::vector<const Machine*>& machines) {
        for (const Machine* m : machines) {
            const auto after = Folder(m->folder / "pilotes");
            for (const std::string& pilot : kPilots) {
                const std::string file = pilot + ".xml";
                const bool own = std::find(m->pilots.begin(), m->pilots.end(), pilot) != m->pilots.end();
                const bool changed = !after.count(file) || after.at(file) != m->pilotsBefore.at(file);
                EXPECT_EQ(changed, own) << m->name << (own ? " left its own pilot " : " wrote another machine's pilot ")
                                        << pilot;
            }
        }
    }

    // The port the host says it listens on.
    std::string HostPort(const Machine& host) {
        const std::regex said("port ([0-9]+)");
        for (int tries = 0; tries < 3000; ++tries) {
            std::smatch found;
            const std::string output = Read(host.folder / "sortie.txt");
            if (std::regex_search(output, found, said)) return found[1];
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return "";
    }
};

class NetSimTest : public NetSimFixture, public ::testing::WithParamInterface<const char*> {};
using NetSimKillTest = NetSimFixture;

TEST_P(NetSimTest, AHostAndTwoJoinersPlayTheSameRaceAndEachWritesOnlyItsOwnPilots) {
    Machine host{"hote", {"Brutus", "Max Durand"}, {}, {}, {}};
    Machine lea{"joueur1", {"Inès Moreau"}, {}, {}, {}};
    Machine zoe{"joueur2", {"Camille Faure"}, {}, {}, {}};
    for (Machine* m : {&host, &lea, &zoe}) Prepare(*m);
    Start(host, {"--heberger", "0", "--distants", "2", "--circuit", GetParam(), "--pilot", "Brutus:IAC", "--pilot",
                 "Max Durand", "--graine", "11"});
    const std::string port = HostPort(host);
    ASSERT_FALSE(port.empty()) << Read(host.folder / "sortie.txt");
    Start(lea, {"--rejoindre", "127.0.0.1:" + port, "--pilot", "Inès Moreau:IAC"});
    Start(zoe, {"--rejoindre", "localhost:" + port, "--pilot", "Camille Faure"});
    for (Machine* m : {&host, &lea, &zoe}) {
        int code = -1;
        ASSERT_TRUE(m->process->EndsWithin(110, code)) << m->name << " still running";
        EXPECT_EQ(code, 0) << m->name << ": " << Read(m->folder / "sortie.txt");
    }
    const auto journals = Folder(host.folder / "courses");
    ASSERT_EQ(journals.size(), 1u);
    const std::string& journal = journals.begin()->second;
    EXPECT_NE(journal.find("\nfin "), std::string::npos) << "the race ran to its end";
    for (const Machine* m : {&lea, &zoe}) EXPECT_EQ(Folder(m->folder / "courses"), journals) << m->name;

    ExpectOwnPilotsWrittenOnly({&host, &lea, &zoe});

    // The journal replays identically on its own.
    ChildProcess check({Sim(), "--verifier", (host.folder / "courses" / journals.begin()->first).string()},
                       host.folder.string(), (host.folder / "verification.txt").string());
    int code = -1;
    ASSERT_TRUE(check.EndsWithin(60, code));
    EXPECT_EQ(code, 0) << Read(host.folder / "verification.txt");
}

// A joiner killed in the middle of the race: the others wait for him a
// moment, telling the count-down, then his car goes on driven by the
// computer. Started again he joins the same race: the host sends it so
// far, he replays it and watches it to its end. Every machine then holds
// the same journal, and his pilot's file is written on his machine only.
TEST_F(NetSimKillTest, AJoinerKilledMidRaceIsWaitedForLeftToTheComputerAndCatchesUpWhenBack) {
    Machine host{"hote", {"Brutus", "Max Durand"}, {}, {}, {}};
    Machine lea{"joueur1", {"Inès Moreau"}, {}, {}, {}};
    Machine zoe{"joueur2", {"Camille Faure"}, {}, {}, {}};
    for (Machine* m : {&host, &lea, &zoe}) Prepare(*m);
    Start(host, {"--heberger", "0", "--distants", "2", "--circuit", "Autodrome", "--pilot", "Brutus", "--pilot",
                 "Max Durand", "--graine", "3", "--absence", "2"});
    const std::string port = HostPort(host);
    ASSERT_FALSE(port.empty());
    const std::vector<std::string> leaJoins = {"--rejoindre", "127.0.0.1:" + port, "--pilot", "Inès Moreau"};
    Start(lea, leaJoins);
    Start(zoe, {"--rejoindre", "127.0.0.1:" + port, "--pilot", "Camille Faure"});
    WaitForTurns(lea, 6);
    lea.process->Kill();
    std::string cut = Folder(lea.folder / "courses").begin()->second;
    cut.resize(cut.rfind('\n') + 1);
    ASSERT_TRUE(WaitForOutput(host, " a quitté la course : l'ordinateur conduit sa voiture."))
        << Read(host.folder / "sortie.txt");
    // The race, nearly over, waits for the other joiner while he comes back.
    zoe.process->Pause(true);
    Start(lea, leaJoins);
    const bool rejoined = WaitForOutput(host, " a rejoint la course.");
    zoe.process->Pause(false);
    ASSERT_TRUE(rejoined);
    for (Machine* m : {&host, &zoe, &lea}) {
        int code = -1;
        ASSERT_TRUE(m->process->EndsWithin(110, code)) << m->name << " still running";
        EXPECT_EQ(code, 0) << m->name << ": " << Read(m->folder / "sortie.txt");
    }
    for (const Machine* m : {&host, &zoe})
        EXPECT_NE(Read(m->folder / "sortie.txt").find(" ne répond plus : l'ordinateur prend sa voiture dans 2 s."),
                  std::string::npos) << m->name;
    EXPECT_NE(Read(lea.folder / "sortie.txt").find("rejointe en cours"), std::string::npos);
    const auto journals = Folder(host.folder / "courses");
    ASSERT_EQ(journals.size(), 1u);
    EXPECT_EQ(Folder(zoe.folder / "courses"), journals);
    EXPECT_EQ(Folder(lea.folder / "courses"), journals) << "caught up, his cut journal replaced";
    const std::string& whole = journals.begin()->second;
    EXPECT_NE(whole.find("\nfin "), std::string::npos);
    EXPECT_EQ(whole.compare(0, cut.size(), cut), 0) << "the killed machine played the same race";
    ExpectOwnPilotsWrittenOnly({&host, &lea, &zoe});
}

// The host killed in the middle of the race: the joiners stop with a
// message, their saves kept; resumed there, the race runs to its end.
TEST_F(NetSimKillTest, TheHostKilledStopsTheJoinersWhoseSavesResumeToTheEnd) {
    Machine host{"hote", {"Brutus", "Max Durand"}, {}, {}, {}};
    Machine lea{"joueur1", {"Inès Moreau"}, {}, {}, {}};
    Machine zoe{"joueur2", {"Camille Faure"}, {}, {}, {}};
    for (Machine* m : {&host, &lea, &zoe}) Prepare(*m);
    Start(host, {"--heberger", "0", "--distants", "2", "--circuit", "Anneau", "--pilot", "Brutus", "--pilot",
                 "Max Durand", "--graine", "5"});
    const std::string port = HostPort(host);
    ASSERT_FALSE(port.empty());
    Start(lea, {"--rejoindre", "127.0.0.1:" + port, "--pilot", "Inès Moreau"});
    Start(zoe, {"--rejoindre", "127.0.0.1:" + port, "--pilot", "Camille Faure"});
    WaitForTurns(lea, 6);
    host.process->Kill();
    int code = -1;
    for (Machine* m : {&lea, &zoe}) {
        ASSERT_TRUE(m->process->EndsWithin(60, code));
        EXPECT_EQ(code, 1) << m->name;
        EXPECT_NE(Read(m->folder / "sortie.txt").find("L'hôte a quitté la course : elle s'arrête."), std::string::npos);
    }

    ChildProcess resumed({SKARVOLL_RACE_CHILD, lea.folder.string(), "1", "--reprendre"}, lea.folder.string(),
                         (lea.folder / "reprise.txt").string());
    ASSERT_TRUE(resumed.EndsWithin(110, code));
    EXPECT_EQ(code, 0) << Read(lea.folder / "reprise.txt");
    const auto courses = Folder(lea.folder / "courses");
    ASSERT_EQ(courses.size(), 1u) << "the save gone with the race's end";
    EXPECT_NE(courses.begin()->second.find("\nfin "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(ShippedCircuits, NetSimTest, ::testing::Values("Anneau", "Serpentin", "Autodrome", "Huit", "Lacets", "Faubourg"));
