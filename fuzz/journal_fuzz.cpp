// The reader of race journals on any bytes: it must never crash, and what
// it accepts must be a journal a replay can start from (two cars or more,
// each event of a car of the race, every turn check with its parts).
#include "files/race_journal.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteFuzzInput("essai.journal", data, size);
    RaceJournal journal;
    std::wstring error;
    if (!ReadJournal("essai.journal", journal, error)) {
        if (error.find(L"essai.journal") == std::wstring::npos) FuzzFailure("a refusal that does not name the file");
        return 0;
    }
    if (journal.cars.size() < 2) FuzzFailure("a journal of fewer than two cars");
    for (const RaceEvent& event : journal.events) {
        if (event.car < 0 || event.car > static_cast<int>(journal.cars.size())) FuzzFailure("an event of no car");
        const bool checked = event.kind == RaceEventKind::TurnStart || event.kind == RaceEventKind::RaceEnd;
        if (checked == event.sums.empty()) FuzzFailure("a check without its parts, or parts without a check");
    }
    JournalSummary(journal);
    return 0;
}
