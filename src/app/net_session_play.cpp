#include "app/net_session_play.h"

#include "app/race_resume.h"

#include "core/decisions.h"
#include "core/frame_pump.h"
#include "files/race_journal.h"
#include "files/race_pilot_results.h"
#include "platform/text.h"

namespace {
void SetUp(NetRace& session, const NetSessionWays& ways) {
    SetRemoteSeats(&session);
    SetPilotFilesWrittenHere([&session](int car) { return session.WritesPilotOf(car); });
    session.SetWaitingFrame(ways.waitingFrame);
    if (ways.everyFrame) SetNetworkPump(ways.everyFrame);
}

void TearDown() {
    SetNetworkPump(nullptr);
    SetRemoteSeats(nullptr);
    SetPilotFilesWrittenHere(nullptr);
}
}  // namespace

int PlayNetSession(NetRace& session, const NetSessionWays& ways, const std::function<void()>& play) {
    SetUp(session, ways);
    std::wstring why;
    try {
        play();
    } catch (const NetRaceStopped& stopped) {
        why = FromUtf8(stopped.what());
    } catch (const ReplayStopped& different) {
        why = L"Les machines ne jouent plus la même course (" + FromUtf8(different.what()) +
              L"). La course s'arrête ; chaque machine garde son journal.";
        session.StopEverywhere(why);
    }
    TearDown();
    if (!why.empty()) {
        KeepRaceSave();
        StopJournal();
        ways.tellStop(why);
        return 1;
    }
    // The others finish in their own time.
    session.SetWaitingFrame(ways.finishing);
    session.Finish();
    return 0;
}
