// Pilot files survive a writer killed at any moment, a full disk and a
// folder the writer may not write to: the file on disk is always a whole
// version, old or new, that passes its integrity check.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "core/fitted_gadgets.h"
#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "platform/paths.h"
#include "support/game_test.h"

namespace fs = std::filesystem;

class PilotCrashSafetyTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        FillCatalogue();
        fs::create_directories(workDir + "/pilotes");
        // Two versions of the same pilot, of different lengths: before and
        // after a race that paid him and fitted him a gadget.
        for (int car : {kOld, kNew}) {
            CarRecord& c = game.cars[car];
            c.pilotName = L"Noël";
            c.drivingSkill = 12;
            c.shootingSkill = 9;
            c.wheelSide = L"Droite";
            c.meshNumber = 2;
            for (int side = 1; side < kSideCount; ++side) c.sides[side].structureMax = 10 + side;
            AddGadget(car, SideRear, L"Projecteur d'huile");
        }
        game.cars[kOld].zonks = 340;
        game.cars[kNew].zonks = 12850;
        AddGadget(kNew, SideFront, L"Mitrailleuse avant");
        ASSERT_TRUE(WritePilotFile(kNew));
        newBytes = ReadFile(kFile);
        ASSERT_TRUE(WritePilotFile(kOld));
        oldBytes = ReadFile(kFile);
        ASSERT_NE(oldBytes, newBytes);
    }

    // The file on disk is one of the two versions, whole, and the game
    // reads it as intact.
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
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int sawOld = 0, sawNew = 0;
    for (int kill = 1; kill <= 300; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                WritePilotFile(kNew);
                WritePilotFile(kOld);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
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
    RecordProperty("old", sawOld);
    RecordProperty("new", sawNew);
    // The next write replaces whatever the last killed writer left.
    ASSERT_TRUE(WritePilotFile(kNew));
    EXPECT_EQ(ReadFile(kFile), newBytes);
    EXPECT_FALSE(fs::exists(workDir + "/" + kFile + ".tmp"));
}

TEST_F(PilotCrashSafetyTest, AWriteThatRunsOutOfRoomFailsAndKeepsTheOldFile) {
    // A file-size limit on the writing process stands for the full disk:
    // nothing at all fits, or the file is cut half-way.
    for (const rlim_t room : {rlim_t(0), rlim_t(newBytes.size() / 2)}) {
        const int reported = InChild([room] {
            signal(SIGXFSZ, SIG_IGN);  // the write fails instead of killing the writer
            const rlimit limit{room, room};
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
            return WritePilotFile(kNew) ? 1 : 0;
        });
        EXPECT_EQ(reported, 0) << "the write said it succeeded with room for " << room << " bytes";
        EXPECT_EQ(ReadFile(kFile), oldBytes) << room;
        EXPECT_FALSE(fs::exists(workDir + "/" + kFile + ".tmp")) << room;
    }
    ExpectOneWholeVersion("after the full disk");
}

TEST_F(PilotCrashSafetyTest, AWriteToAFolderTheWriterMayNotWriteFailsAndKeepsTheOldFile) {
    // The folder is made read-only. Root writes anywhere whatever the mode,
    // so as root the writer gives up its rights first, as a player's game
    // runs without them.
    const bool root = geteuid() == 0;
    chmod(workDir.c_str(), 0755);
    chmod((workDir + "/pilotes").c_str(), 0555);
    const int reported = InChild([root] {
        if (root && (setgid(65534) != 0 || setuid(65534) != 0)) return 3;
        return WritePilotFile(kNew) ? 1 : 0;
    });
    chmod((workDir + "/pilotes").c_str(), 0755);
    if (reported == 3) GTEST_SKIP() << "running as root, and the writer could not give up root's rights";
    EXPECT_EQ(reported, 0) << "the write said it succeeded";
    EXPECT_EQ(ReadFile(kFile), oldBytes);
    EXPECT_FALSE(fs::exists(workDir + "/" + kFile + ".tmp"));
    ExpectOneWholeVersion("after the read-only folder");
}
