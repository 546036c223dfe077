// The race setup's rows "À distance": while there are some, the race is
// hosted for the players who join it, each shown in a row as he comes.
#include <string>

#include "menus/net_setup.h"
#include "menus/quick_race.h"
#include "menus/race_setup_screen.h"

namespace {
int hostingPort = kDefaultNetPort;

int RemoteRowCount(const RaceSetupScreen& s) {
    int count = 0;
    for (int i = 1; i <= kRaceSetupRows; ++i) count += IsRemoteRow(s, i);
    return count;
}

// The pilots of the rows played on this machine, as the joiners' checks see them.
std::vector<QuickRacePilot> RowPilots(const RaceSetupScreen& s) {
    std::vector<QuickRacePilot> pilots;
    for (int i = 1; i <= kRaceSetupRows; ++i) {
        const int pilot = PilotChosenHere(s, i);
        if (pilot > 0 && pilot < static_cast<int>(s.pilotNames.size()))
            pilots.push_back({s.pilotNames[static_cast<size_t>(pilot)], Driver::Person});
    }
    return pilots;
}

// Hosting starts with the first remote row and ends with the last.
void HostForRemoteRows(RaceSetupScreen& s, int places) {
    if (places == 0) {
        s.hosting.reset();
        s.hostingError.clear();
        return;
    }
    if (!s.hosting && s.hostingError.empty())
        s.hosting = NetRace::Host(static_cast<uint16_t>(hostingPort), places, s.hostingError);
    if (s.hosting && s.hosting->Places() != places) s.hosting->SetPlaces(places);
}

std::wstring HostingText(const RaceSetupScreen& s) {
    if (!s.hostingError.empty()) return s.hostingError;
    if (!s.hosting) return L"";
    std::wstring text = L"Course hébergée sur le port " + std::to_wstring(s.hosting->Port()) +
                        L".\nJoueurs à distance venus : " + std::to_wstring(s.hosting->Joiners().size()) + L" sur " +
                        std::to_wstring(s.hosting->Places()) + L".";
    if (static_cast<int>(s.hosting->Joiners().size()) < s.hosting->Places())
        text += L"\nIls rejoignent la course par son adresse et ce port.";
    return text;
}

void ShowRemoteRows(RaceSetupScreen& s) {
    for (int i = 1; i <= kRaceSetupRows; ++i) {
        RaceSetupRow& row = s.rows[i];
        const bool remote = IsRemoteRow(s, i);
        row.remote->setVisible(remote);
        if (row.driver->isVisible()) row.pilot->setVisible(!remote);
        if (!remote) continue;
        const NetPilot* joiner = JoinerOfRow(s, i);
        row.remote->setText(joiner ? joiner->name.c_str() : L"en attente...");
    }
}
}  // namespace

void SetHostingPort(int port) { hostingPort = port; }

bool IsRemoteRow(const RaceSetupScreen& s, int row) {
    return s.rows[row].driver->isVisible() && Selected(s.rows[row].driver) == kRemoteDriverItem;
}

int PilotChosenHere(const RaceSetupScreen& s, int row) {
    return IsRemoteRow(s, row) ? 0 : Selected(s.rows[row].pilot);
}

const NetPilot* JoinerOfRow(const RaceSetupScreen& s, int row) {
    if (!s.hosting || !IsRemoteRow(s, row)) return nullptr;
    size_t place = 0;
    for (int i = 1; i < row; ++i) place += IsRemoteRow(s, i);
    const std::vector<NetPilot>& joiners = s.hosting->Joiners();
    return place < joiners.size() ? &joiners[place] : nullptr;
}

std::wstring RefusalBesideRows(const RaceSetupScreen& s, const NetPilot& joiner) {
    return JoinerRefusal(joiner, RowPilots(s));
}

void FollowRemoteRows(RaceSetupScreen& s) {
    HostForRemoteRows(s, RemoteRowCount(s));
    if (s.hosting) s.hosting->ServeLobby(0, [&s](const NetPilot& joiner) { return RefusalBesideRows(s, joiner); });
    ShowRemoteRows(s);
    s.hostingText->setText(HostingText(s).c_str());
}
