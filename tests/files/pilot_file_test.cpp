// Pilot files: their layout, reading them back for a race, hand-made and
// broken files, names that would leave the folder, listing and deleting;
// and writes that survive a writer killed at any moment, a full disk and a
// folder the writer may not write to.
#include "files/pilot_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <thread>
#include <tuple>

#include "core/fitted_gadgets.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "support/game_test.h"

namespace fs = std::filesystem;

class PilotFileTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        FillCatalogue();
        fs::create_directories(workDir + "/pilotes");
    }

    // Noël, with gadgets on three sides, in car `car`.
    void MakePilot(int car, const std::wstring& name = L"Noël") {
        CarRecord& c = game.cars[car];
        c.pilotName = name;
        c.drivingSkill = 12;
        c.shootingSkill = 9;
        c.wheelSide = L"Droite";
        c.zonks = 340;
        c.meshNumber = 3;
        for (int side = 1; side < kSideCount; ++side) c.sides[side].structureMax = 10 + side;
        AddGadget(car, SideMisc, L"Bazooka");
        AddGadget(car, SideRear, L"Mitrailleuse arrière");
        AddGadget(car, SideRear, L"Projecteur d'huile");
        AddGadget(car, SideLeft, L"Renfort Latéral");
    }

    std::vector<std::wstring> Names(int car, int side) {
        const CarSide& s = game.cars[car].sides[side];
        std::vector<std::wstring> names;
        for (int i = 1; i <= s.gadgetCount; ++i) names.push_back(s.gadgets.at(i).name);
        return names;
    }
};

TEST_F(PilotFileTest, WritesTheLayoutAsEightBitText) {
    MakePilot(1);
    ASSERT_TRUE(WritePilotFile(1));
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
        "<Secu> " + ToLatin1(ComputeSecu(1)) + " </Secu>\n"
        "<NomPilote> No\xebl </NomPilote>\n"
        "<Conduite> 12 </Conduite>\n"
        "<Tir> 9 </Tir>\n"
        "<CoteVolant> Droite </CoteVolant>\n"
        "<Zonks> 340 </Zonks>\n"
        "<NoMesh> 3 </NoMesh>\n"
        "<Gadget Cote=\"0\"> Bazooka </Gadget>\n"
        "<Structure Cote=\"1\"> 11 </Structure>\n"
        "<Structure Cote=\"2\"> 12 </Structure>\n"
        "<Gadget Cote=\"2\"> Mitrailleuse arri\xe8re </Gadget>\n"
        "<Gadget Cote=\"2\"> Projecteur d&apos;huile </Gadget>\n"
        "<Structure Cote=\"3\"> 13 </Structure>\n"
        "<Structure Cote=\"4\"> 14 </Structure>\n"
        "<Gadget Cote=\"4\"> Renfort Lat\xe9ral </Gadget>\n"
        "\n";
    EXPECT_EQ(ReadFile("pilotes/No\xc3\xabl.xml"), expected) << "file name in UTF-8, contents in Latin-1";
    EXPECT_FALSE(fs::exists(workDir + "/pilotes/No\xc3\xabl.xml.tmp"));
}

TEST_F(PilotFileTest, AWrittenPilotReadsBackWholeAndPassesItsIntegrityCheck) {
    MakePilot(1, L"Élodie & \"Zézé\" <l'as>");
    game.cars[1].zonks = -5;
    ASSERT_TRUE(WritePilotFile(1));
    ReadPilotFile(2, L"Élodie & \"Zézé\" <l'as>");
    EXPECT_EQ(PilotSummary(2), PilotSummary(1));
    for (int side = 1; side < kSideCount; ++side) EXPECT_EQ(game.cars[2].sides[side].structure, 10 + side);
    EXPECT_EQ(game.cars[2].sides[SideLeft].gadgets[1].charges, 5) << "a fitted gadget is a catalogue copy";
    EXPECT_EQ(game.cars[2].secu, ComputeSecu(1));
    EXPECT_EQ(game.cars[2].secu, ComputeSecu(2));
}

TEST_F(PilotFileTest, ReadingPreparesThePilotForARace) {
    MakePilot(1);
    AddGadget(1, SideFront, L"Nitro");
    AddGadget(1, SideFront, L"Nitro");
    ASSERT_TRUE(WritePilotFile(1));
    CarRecord& c = game.cars[4];
    AddGadget(4, SideRight, L"Blindage");
    c.hitPoints = 0;
    c.inRace = 0;
    c.finishOrder = 2;
    c.checkpointsPassed = 5;
    c.hasMoved = c.hasActed = c.oilSprayed = c.skidPending = c.pendingMoveFlag = 1;
    ReadPilotFile(4, L"Noël");
    EXPECT_EQ(std::make_tuple(c.hitPoints, c.inRace, c.finishOrder, c.checkpointsPassed, c.mass),
              std::make_tuple(4, 1, -1, 0, 4)) << "a new race, six gadgets";
    EXPECT_EQ(c.hasMoved + c.hasActed + c.oilSprayed + c.skidPending + c.pendingMoveFlag, 0);
    EXPECT_EQ(CountGadgets(L"Blindage", 4, kAllSides), 0) << "the earlier gadgets are removed first";
    EXPECT_EQ(c.meshFile + L" " + c.textureBase + c.textureExt, L"voiture_modele_3.ms3d map_voiture_3.jpg");
}

TEST_F(PilotFileTest, AMissingFileStillEmptiesTheGadgetsAndPreparesTheRace) {
    MakePilot(1);
    game.cars[1].hitPoints = 0;
    ReadPilotFile(1, L"Personne");
    EXPECT_EQ(CountGadgets(L"", 1, kAllSides), 0);
    EXPECT_EQ(std::make_tuple(game.cars[1].hitPoints, game.cars[1].mass), std::make_tuple(4, 2));
    EXPECT_EQ(game.cars[1].pilotName, L"Noël") << "nothing read";
}

TEST_F(PilotFileTest, HandMadeValuesOutOfRangeStayInsideTheSides) {
    WriteFile("pilotes/Bricoleur.xml",
              "<NomPilote>Bricoleur</NomPilote>\n<Conduite>douze</Conduite>\n<Tir> 7ans </Tir>\n"
              "<Structure Cote=\"7\"> 50 </Structure>\n<Structure Cote=\"-1\"> 50 </Structure>\n"
              "<Structure Cote=\"0\"> 50 </Structure>\n<Structure Cote=\"2\"> 8 </Structure>\n"
              "<Gadget Cote=\"7\"> Nitro </Gadget>\n<Gadget Cote=\"-1\"> Nitro </Gadget>\n"
              "<Gadget Cote=\"5\"> Nitro </Gadget>\n<Gadget> Pistolet </Gadget>\n"
              "<Gadget Cote=\"3\"> Lance-flammes </Gadget>\n<Inconnu>1</Inconnu>\n"
              "<Zonks> 99999999999 </Zonks>\n<Structure Cote=\"4\"> -2147483648 </Structure>\n");
    ReadPilotFile(1, L"Bricoleur");
    // An absent Cote reads 0; Zonks stay far from the ends of an int, which a race would pass.
    EXPECT_EQ(PilotSummary(1), L"Bricoleur conduite 0 tir 7 volant  zonks 1000000 modèle 0 | 0 (0): Pistolet"
                               L" | 1 (0) | 2 (8) | 3 (0): Lance-flammes | 4 (-1000000)");
    EXPECT_EQ(game.cars[1].mass, 2);
}

TEST_F(PilotFileTest, BrokenFilesNeitherCrashNorHang) {
    const std::string broken[] = {
        "<NomPilote> Coup",
        "<Gadget Cote=\"1\"> Nitro </Gadget><Gadget Cote=\"1",
        std::string("\x00\x01\x02 rien <<< &&& >>>\xff", 21),
        "",
        "<Gadget Cote=\"1\">\xe9\xe8\xff</Gadget>",
    };
    for (const std::string& text : broken) {
        WriteFile("pilotes/Casse.xml", text);
        ReadPilotFile(1, L"Casse");
        EXPECT_EQ(game.cars[1].hitPoints, 4);
    }
    EXPECT_EQ(Names(1, SideFront), std::vector<std::wstring>{L"\u00e9\u00e8\u00ff"}) << "bytes above 127 map to U+0080..U+00FF";
}

TEST_F(PilotFileTest, NamesThatWouldLeaveThePilotFolderAreRefused) {
    WriteFile("secret.xml", "<NomPilote>secret</NomPilote>");
    WriteFile("pilotes/sub/x.xml", "<NomPilote>x</NomPilote>");
    const std::vector<std::wstring> unsafe = {L"../secret", L"..", L".", L"sub/x", L"sub\\x", std::wstring(L"a\0b", 3)};
    for (const std::wstring& name : unsafe) {
        EXPECT_FALSE(IsSafePilotName(name));
        game.cars[1].pilotName = name;
        EXPECT_FALSE(WritePilotFile(1));
        EXPECT_FALSE(DeletePilotFile(name));
        ReadPilotFile(2, name);
        EXPECT_EQ(game.cars[2].pilotName, L"");
    }
    EXPECT_TRUE(fs::exists(workDir + "/secret.xml"));
    EXPECT_TRUE(fs::exists(workDir + "/pilotes/sub/x.xml"));
    EXPECT_FALSE(fs::exists(workDir + "/pilotes/..xml"));
    for (const wchar_t* name : {L"Max", L"...", L"Zoé 2", L".cache", L"a:b"}) EXPECT_TRUE(IsSafePilotName(name));
}

TEST_F(PilotFileTest, DeletingRemovesOnlyThatPilot) {
    MakePilot(1, L"Max");
    ASSERT_TRUE(WritePilotFile(1));
    game.cars[1].pilotName = L"Zoé";
    ASSERT_TRUE(WritePilotFile(1));
    EXPECT_TRUE(DeletePilotFile(L"Zoé"));
    EXPECT_FALSE(DeletePilotFile(L"Zoé"));
    EXPECT_TRUE(fs::exists(workDir + "/pilotes/Max.xml"));
    EXPECT_FALSE(fs::exists(workDir + "/pilotes/Zo\xc3\xa9.xml"));
}

TEST_F(PilotFileTest, ListsTheXmlFilesThatAreNotFoldersInAlphabeticalOrder) {
    WriteFile("pilotes/Zo\xc3\xa9.xml", "");
    WriteFile("pilotes/Max.xml", "");
    WriteFile("pilotes/notes.txt", "");
    WriteFile("pilotes/Max.xml.bak", "");
    fs::create_directories(workDir + "/pilotes/old.xml");
    EXPECT_EQ(CountFiles(L"\\pilotes\\"), 2);
    std::vector<std::wstring> list{L"reste"};
    ListFiles(L"\\pilotes\\", list);
    EXPECT_EQ(list, (std::vector<std::wstring>{L"", L"Max", L"Zoé"}));
    // Capitals and accents do not change a name's place.
    for (const char* name : {"\xc3\x89lodie", "eve", "Anna", "zack", "\xc3\xa9mile"})
        WriteFile(std::string("pilotes/") + name + ".xml", "");
    ListFiles(L"\\pilotes\\", list);
    EXPECT_EQ(list, (std::vector<std::wstring>{L"", L"Anna", L"\u00C9lodie", L"\u00E9mile", L"eve",
                                                L"Max", L"zack", L"Zo\u00E9"}));
    EXPECT_EQ(CountFiles(L"\\absent\\"), 0);
    ListFiles(L"\\absent\\", list);
    EXPECT_EQ(list.size(), 1u);
}

// Two versions of Noël, before and after a race that paid him and fitted
// him a gadget: whatever happens to a writer, the file on disk is always one
// of them, whole, and passes its integrity check.
class PilotCrashSafetyTest : public PilotFileTest {
protected:
    void SetUp() override {
        PilotFileTest::SetUp();
        MakePilot(kOld);
        MakePilot(kNew);
        game.cars[kNew].zonks = 12850;
        AddGadget(kNew, SideFront, L"Mitrailleuse avant");
        ASSERT_TRUE(WritePilotFile(kNew));
        newBytes = ReadFile(kFile);
        ASSERT_TRUE(WritePilotFile(kOld));  // replaces the longer version
        oldBytes = ReadFile(kFile);
        ASSERT_NE(oldBytes, newBytes);
    }

    void ExpectOneWholeVersion(const std::string& when) {
        const std::string bytes = ReadFile(kFile);
        EXPECT_TRUE(bytes == oldBytes || bytes == newBytes) << when << ": " << bytes.size() << " bytes";
        ReadPilotFile(kCheck, L"Noël");
        EXPECT_EQ(game.cars[kCheck].secu, ComputeSecu(kCheck)) << when;
    }

    // Runs `write` in a child process and returns its exit code (-1 when it
    // did not exit by itself).
    static int InChild(const std::function<int()>& write) {
        const pid_t child = fork();
        if (child == 0) _exit(write());
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static constexpr int kOld = 1, kNew = 2, kCheck = 3;
    const std::string kFile = "pilotes/No\xc3\xabl.xml";
    std::string oldBytes, newBytes;
};

TEST_F(PilotCrashSafetyTest, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
    // The kills fall within two rounds of writes after the writer starts,
    // however slow the build or the machine makes a round; while none has
    // yet landed after a rename (a forked writer under the sanitizers on a
    // loaded machine starts far slower than the round measured here), the
    // span grows fourfold every 50 kills.
    const auto before = std::chrono::steady_clock::now();
    WritePilotFile(kNew);
    WritePilotFile(kOld);
    const auto round = std::chrono::steady_clock::now() - before;
    std::mt19937 random(20261206);
    long long span = 2 * round.count();
    int sawOld = 0, sawNew = 0;
    for (int kill = 1; kill <= 300; ++kill) {
        if (kill % 50 == 0 && sawNew == 0) span *= 4;
        std::uniform_int_distribution<long long> delay(0, span);
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (write(started[1], "", 1) != 1) _exit(1);
            for (;;) {
                WritePilotFile(kNew);
                WritePilotFile(kOld);
            }
        }
        char ignored;
        EXPECT_EQ(read(started[0], &ignored, 1), 1);
        close(started[0]);
        close(started[1]);
        std::this_thread::sleep_for(decltype(round)(delay(random)));
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        ExpectOneWholeVersion("kill " + std::to_string(kill));
        (ReadFile(kFile) == newBytes ? sawNew : sawOld) += 1;
        // A temporary file left by the killed writer is never taken for a pilot.
        EXPECT_EQ(ListXmlEntries(workDir + "/pilotes"), std::vector<std::wstring>{L"Noël"});
        if (HasFailure()) break;
    }
    // The kills fell on both sides of the renames.
    EXPECT_GT(sawNew, 0);
    EXPECT_GT(sawOld, 0);
    // The next write replaces whatever the last killed writer left.
    ASSERT_TRUE(WritePilotFile(kNew));
    EXPECT_EQ(ReadFile(kFile), newBytes);
    EXPECT_FALSE(fs::exists(workDir + "/" + kFile + ".tmp"));
}

TEST_F(PilotCrashSafetyTest, AWriteThatCannotFinishFailsAndKeepsTheOldFile) {
    // A file-size limit on the writer stands for the full disk: nothing at
    // all fits, or the file is cut half-way. Then the folder is made
    // read-only; root writes anywhere whatever the mode, so as root the
    // writer gives up its rights first, as a player's game runs without them.
    const bool root = geteuid() == 0;
    chmod(workDir.c_str(), 0755);
    for (const long room : {0L, static_cast<long>(newBytes.size() / 2), -1L}) {
        const bool readOnly = room < 0;
        SCOPED_TRACE(readOnly ? "read-only folder" : "room for " + std::to_string(room) + " bytes");
        if (readOnly) chmod((workDir + "/pilotes").c_str(), 0555);
        const int reported = InChild([room, readOnly, root] {
            signal(SIGXFSZ, SIG_IGN);  // the write fails instead of killing the writer
            const rlimit limit{rlim_t(room), rlim_t(room)};
            if (!readOnly && setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
            if (readOnly && root && (setgid(65534) != 0 || setuid(65534) != 0)) return 3;
            return WritePilotFile(kNew) ? 1 : 0;
        });
        chmod((workDir + "/pilotes").c_str(), 0755);
        if (reported == 3 && readOnly) GTEST_SKIP() << "the writer could not give up root's rights";
        EXPECT_EQ(reported, 0) << "the write said it succeeded";
        EXPECT_EQ(ReadFile(kFile), oldBytes);
        EXPECT_FALSE(fs::exists(workDir + "/" + kFile + ".tmp"));
        ExpectOneWholeVersion("after the failed write");
    }
}
