// Stand-ins for the pilot workshop and the choice of a pilot to edit, so
// that the home menu's buttons answer until those screens are written.
#include "menus/menu_screens.h"
#include "ui/notice.h"

void PilotWorkshop(int, int, bool) { ShowNotice(L"L'atelier des pilotes n'est pas encore ouvert."); }

void ChoosePilotToEdit(int, int) { ShowNotice(L"L'atelier des pilotes n'est pas encore ouvert."); }
