// The reader of race saves on any bytes: it must never crash, and what it
// accepts must name its journal in its own folder, say where the race
// stands, and log only changes of pilot files that stay in the pilot folder.
#include "files/race_save.h"
#include "files/pilot_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WriteFuzzInput("essai.sauvegarde", data, size);
    SavedRace saved;
    std::wstring error;
    if (!ReadSavedRace("essai.sauvegarde", saved, error)) {
        if (error.find(L"essai.sauvegarde") == std::wstring::npos) FuzzFailure("a refusal that does not name the file");
        return 0;
    }
    if (saved.journal.rfind("./", 0) != 0 || saved.journal.find('/', 2) != std::string::npos)
        FuzzFailure("a journal outside the save's folder");
    if (saved.events < 0 || saved.bytes < 0 || saved.car < 1) FuzzFailure("a position before the race");
    for (const PilotFileChange& change : saved.changes) {
        if (change.car < 1 || change.number < 1) FuzzFailure("a change of no car");
        if (!change.done && !IsSafePilotName(change.pilot)) FuzzFailure("a change outside the pilot folder");
        if (!change.done && change.deletes != change.text.empty()) FuzzFailure("a deletion with a text");
    }
    LeftByACrash(saved);
    return 0;
}
