#include "files/race_pilot_results.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "core/fitted_gadgets.h"
#include "core/game_state.h"
#include "files/pilot_file.h"
#include "files/race_save.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace {
std::vector<CarRecord> pilotsThen(kCarTableSize);  // each car's pilot as last written by the race
int changesMade[kCarTableSize] = {};

bool IsRaceCar(int car) { return car >= 1 && car <= game.carCount && car < kCarTableSize; }

// Runs `use` with car `car`'s slot of the car table holding `record`, then
// gives the slot its own record back: the pilot file code reads and writes
// the table.
template <typename Use>
void InSlotOf(int car, CarRecord& record, Use use) {
    std::swap(game.cars[car], record);
    use();
    std::swap(game.cars[car], record);
}

std::vector<std::wstring> GadgetNames(const CarSide& side) {
    std::vector<std::wstring> names;
    for (int k = 1; k <= side.gadgetCount && k < static_cast<int>(side.gadgets.size()); ++k)
        names.push_back(side.gadgets[k].name);
    return names;
}

// The gadgets of a side once the race's losses are taken from the file's
// list: the race's own list when the file's is the one the race started
// from, else the file's without each gadget the race destroyed.
void ApplyGadgetLosses(int car, int side, const CarSide& then, const CarSide& now) {
    CarSide& onDisk = game.cars[car].sides[side];
    if (GadgetNames(onDisk) == GadgetNames(then)) {
        onDisk.gadgets = now.gadgets;
        onDisk.gadgetCount = now.gadgetCount;
        return;
    }
    std::vector<std::wstring> lost = GadgetNames(then);
    for (const std::wstring& kept : GadgetNames(now)) {
        const auto at = std::find(lost.begin(), lost.end(), kept);
        if (at != lost.end()) lost.erase(at);
    }
    for (const std::wstring& name : lost) {
        const std::vector<std::wstring> names = GadgetNames(onDisk);
        const auto at = std::find(names.rbegin(), names.rend(), name);
        if (at != names.rend()) RemoveGadget(car, side, static_cast<int>(names.rend() - at));
    }
}

// The new text of the file: the record on disk, in the car's slot, with
// what the race changed since `then` up to `now`.
std::wstring ChangedFileText(int car, const CarRecord& then, const CarRecord& now) {
    CarRecord& c = game.cars[car];
    c.zonks += now.zonks - then.zonks;
    c.drivingSkill = std::max(0, c.drivingSkill + now.drivingSkill - then.drivingSkill);
    c.shootingSkill = std::max(0, c.shootingSkill + now.shootingSkill - then.shootingSkill);
    if (now.wheelSide != then.wheelSide) c.wheelSide = now.wheelSide;
    for (int side = 0; side < kSideCount; ++side) ApplyGadgetLosses(car, side, then.sides[side], now.sides[side]);
    return PilotFileText(car);
}

// Reads the pilot's file as it is now into the car's slot and makes the new
// text from it; Missing or Modified when there is no file to change.
PilotFileOutcome NewFileText(int car, std::wstring& text) {
    const std::string path = PilotFilePath(game.cars[car].pilotName);
    if (!FileExists(path)) return PilotFileOutcome::Missing;
    const CarRecord now = game.cars[car];
    CarRecord onDisk;
    PilotFileOutcome outcome = PilotFileOutcome::Written;
    InSlotOf(car, onDisk, [&] {
        ReadPilotFileAt(car, path);
        if (ComputeSecu(car) != game.cars[car].secu) outcome = PilotFileOutcome::Modified;
        else text = ChangedFileText(car, pilotsThen[static_cast<size_t>(car)], now);
    });
    return outcome;
}

// The change is logged, made, then logged made: a crash in between leaves
// it to be finished when the game starts again.
bool MakeChange(const PilotFileChange& change) {
    if (!LogPilotFileChange(change)) return false;
    const std::string path = PilotFilePath(change.pilot);
    // A file already gone is no failure to delete it.
    const bool made = change.deletes ? RemoveFile(path) || errno == ENOENT
                                     : WriteFileAtomically(path, ToLatin1(change.text));
    if (made) PilotFileChangeMade(change.car, change.number);
    return made;
}

// Whether the change is not to be made on disk: files kept (the simulator,
// a replay, the part of a resumed race played again), or made already.
std::function<bool(int)> writtenHere;

// A pilot of another machine's player is written on that machine only.
bool AlreadyMade(int car, int number) {
    return PilotFilesKept() || (writtenHere && !writtenHere(car)) || PilotFileChangeLogged(car, number);
}
}  // namespace

void RememberRacePilots() {
    for (int car = 1; car <= game.carCount && car < kCarTableSize; ++car) {
        pilotsThen[static_cast<size_t>(car)] = game.cars[car];
        changesMade[car] = 0;
    }
}

void SetPilotFilesWrittenHere(std::function<bool(int car)> writesHere) { writtenHere = std::move(writesHere); }

PilotFileOutcome WriteRaceChanges(int car) {
    if (!IsRaceCar(car) || !IsSafePilotName(game.cars[car].pilotName)) return PilotFileOutcome::Failed;
    const int number = ++changesMade[car];
    PilotFileOutcome outcome = PilotFileOutcome::Written;
    if (!AlreadyMade(car, number)) {
        PilotFileChange change{car, number, false, false, game.cars[car].pilotName, L""};
        outcome = NewFileText(car, change.text);
        if (outcome == PilotFileOutcome::Written && !MakeChange(change)) outcome = PilotFileOutcome::Failed;
    }
    if (outcome != PilotFileOutcome::Failed) pilotsThen[static_cast<size_t>(car)] = game.cars[car];
    return outcome;
}

PilotFileOutcome DeleteRacePilot(int car) {
    if (!IsRaceCar(car) || !IsSafePilotName(game.cars[car].pilotName)) return PilotFileOutcome::Failed;
    const int number = ++changesMade[car];
    const std::wstring& pilot = game.cars[car].pilotName;
    NotePilotDeletion(pilot);
    if (AlreadyMade(car, number)) return PilotFileOutcome::Written;
    return MakeChange({car, number, false, true, pilot, L""}) ? PilotFileOutcome::Written : PilotFileOutcome::Failed;
}
