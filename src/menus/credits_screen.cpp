// The credits: who and what the game is made with.
#include <string>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "core/game_version.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"

using namespace irr;

namespace {
constexpr size_t kMaxCreditsText = 10000;

std::wstring CreditsText() {
    const wchar_t* const lines[] = {
        kGameTitle,
        L"Combat automobile au tour par tour.",
        L"",
        L"Remerciements :",
        L"",
        L"Irrlicht Engine 1.8, de Nikolaus Gebhardt et ses contributeurs : le moteur 3D, "
        L"sous licence zlib/libpng.",
        L"Les polices DejaVu, de Bitstream (Bitstream Vera) et de l'équipe DejaVu : les lettres "
        L"du jeu, sous licence Bitstream Vera ; les ajouts DejaVu sont dans le domaine public.",
        L"FreeType, de David Turner, Robert Wilhelm et Werner Lemberg : le dessin des polices à "
        L"la construction du jeu, sous licence FreeType (FTL).",
        L"libjpeg-turbo, libpng et zlib : la lecture des images par Irrlicht, sous leurs licences "
        L"(IJG, libpng, zlib). Ce logiciel repose en partie sur le travail de l'Independent JPEG Group.",
        L"GoogleTest, de Google : les tests seulement, sous licence BSD à 3 clauses.",
        L"Google Benchmark, de Google : les mesures seulement, sous licence Apache 2.0.",
        L"",
        L"Les images, les modèles 3D, les circuits et les pilotes d'exemple sont faits par le "
        L"générateur du jeu.",
        L"Merci à tous ceux qui ont piloté les premières courses !",
    };
    std::wstring text;
    for (const wchar_t* line : lines) text += std::wstring(line) + L"\n";
    return text.substr(0, kMaxCreditsText);
}
}  // namespace

void CreditsScreen(int x0, int y0) {
    gui::IGUIStaticText* text = game.guiEnvironment->addStaticText(
        CreditsText().c_str(), core::recti(x0 + 120, y0 + 20, x0 + 780, y0 + 580), false, true);
    while (!MenuColumnFrame(gui_id::Credits)) DrawMenuScreen(x0, y0, nullptr);
    text->remove();
}
