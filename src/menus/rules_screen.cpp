// "Règles": the game explained in a few pages, each a picture drawn by the
// game's data generator from its own cars, crosses and track, and a text.
#include <string>

#include "core/event_receiver.h"
#include "core/game_state.h"
#include "menus/menu_column.h"
#include "menus/menu_drawing.h"
#include "menus/menu_screens.h"
#include "scene/scene_files.h"

using namespace irr;

namespace {
struct RulesPage {
    const wchar_t* title;
    const wchar_t* text;
};

const RulesPage kPages[] = {
    {L"Un tour de jeu",
     L"Les voitures jouent chacune à son tour, dans l'ordre de leurs numéros. Une voiture avance par inertie : "
     L"elle refait le pas de son dernier déplacement (en blanc, puis le même pas refait en jaune) et peut le "
     L"changer d'une case au plus dans chaque direction. Les neuf cases qu'elle peut atteindre sont marquées d'une croix à sa couleur.\n\n"
     L"Cliquez sur une croix pour la choisir : elle prend la couleur pleine de la voiture. Cliquez-la de nouveau "
     L"pour partir. Les chiffres du pavé numérique choisissent aussi les croix, et Entrée confirme.\n\n"
     L"Dans son tour, une voiture peut aussi faire une action : tirer, lancer une grenade, projeter de l'huile "
     L"(avant de bouger) ou recharger son bazooka. \"Fin Tour\" passe la main ; avec \"Auto fin tour\", le tour "
     L"finit tout seul après le déplacement. \"Voir risques\" raye de noir et d'orange les croix dont le "
     L"déplacement rencontre un mur, une voiture ou de l'huile."},
    {L"Les collisions",
     L"Une voiture qui touche un mur explose et rebondit, puis tourne sur elle-même et s'arrête. Si sa vitesse "
     L"(la longueur de son déplacement, en cases) ne dépasse pas sa masse, elle perd autant de points que sa "
     L"vitesse sur le côté qui a touché. Jusqu'à une fois et demie sa masse, le pilote doit réussir un test de "
     L"pilotage pour s'en sortir ; au-delà, le crash est inévitable.\n\n"
     L"Une voiture qui fonce sur des voitures arrêtées sur son chemin s'arrête sur leur case. Toutes deux sont "
     L"poussées : à leur prochain déplacement, elles partent en tournant vers une case plus loin. Chacune perd "
     L"des points sur le côté touché, la moitié de la masse de l'autre ajoutée à leur vitesse relative, et fait un "
     L"test de pilotage pour ne pas perdre le contrôle. Un choc pile sur un coin laisse la voiture heurtée "
     L"choisir son côté, si son pilote réussit un test."},
    {L"L'huile et les dérapages",
     L"Une voiture qui passe sur une flaque d'huile (les bandes jaunes) fait un test de pilotage, avec un malus "
     L"de la moitié de sa vitesse. Si elle le rate, le panneau de dérapage s'allume au-dessus d'elle : au "
     L"prochain tour, elle ne choisit pas sa croix, elle part au hasard vers l'une des neuf en tournant sur "
     L"elle-même.\n\n"
     L"L'huile ne détourne jamais le déplacement en cours : elle gâche le suivant. La flaque sur laquelle une "
     L"voiture commence son déplacement ne compte pas, et un même déplacement ne rencontre l'huile qu'une fois.\n\n"
     L"Un test de pilotage réussit quand le dé à 20 faces, malus compris, fait autant ou moins que la valeur "
     L"de conduite du pilote. La valeur à atteindre est écrite à côté du dé."},
    {L"Les touchettes",
     L"Quand la carrosserie d'une voiture frôle une autre voiture ou un mur pendant son déplacement, c'est une "
     L"touchette. Le pilote qui bouge peut essayer de l'éviter par un test de pilotage : on vous demande si "
     L"vous le souhaitez (l'ordinateur essaie toujours). S'il rate ou ne veut pas, l'autre voiture peut "
     L"essayer à son tour.\n\n"
     L"Une touchette qui a lieu coûte à chaque voiture, sur le côté qui a frotté, la moitié de la masse de "
     L"l'autre (contre un mur, la moitié de la vitesse). Elle n'arrête et ne pousse personne."},
    {L"Les mitrailleuses",
     L"\"Mitrailleuse Av.\" et \"Mitrailleuse Ar.\" tirent le long du dernier déplacement de la voiture (ou "
     L"dans le sens où elle regarde), vers l'avant ou vers l'arrière, jusqu'au premier mur. La première voiture "
     L"posée sur cette ligne est visée : un clic droit sur la voiture marquée par le viseur tire.\n\n"
     L"Le test de tir se fait au dé à 20 faces contre la valeur de tir du pilote, moins un malus dû à la "
     L"distance ; les mitrailleuses arrière tirent à la moitié de cette valeur. Si le tir touche, chaque "
     L"mitrailleuse lance un dé à 4 faces de dégâts sur le côté de la cible tourné vers le tireur, et la cible fait un test "
     L"pour ne pas perdre le contrôle. Appuyez de nouveau sur le bouton pour ranger les armes."},
    {L"Le pistolet et le bazooka",
     L"Le pistolet et le bazooka tirent par la fenêtre du côté du volant (à gauche ici). La zone de tir est "
     L"tracée au sol et chaque voiture visible reçoit un viseur : un clic droit sur l'une d'elles tire.\n\n"
     L"Le tir fait un dé à 4 faces de dégâts, deux de plus au bazooka, et le tireur qui lâche le volant d'une "
     L"main fait un test pour garder le contrôle. Après chaque tir, le bazooka doit être rechargé "
     L"(\"Rechrg Bazooka\"), ce qui prend l'action du tour et ne se fait qu'à l'arrêt ou à la vitesse 1."},
    {L"Grenades, huile et nitro",
     L"\"Lance Grenade\" vise les neuf cases autour du point situé un déplacement plus loin (deux cases au moins). Si le "
     L"test de tir réussit, chaque voiture qui s'y trouve, le lanceur compris, est touchée sur deux côtés tirés "
     L"au hasard, d'un dé à 4 faces chacun.\n\n"
     L"\"Proj. Huile\", avant de bouger, dépose une flaque d'huile tout le long du déplacement qui suit : de "
     L"quoi faire déraper ceux qui vous suivent.\n\n"
     L"\"Nitro\" double le pas de l'inertie pour ce déplacement : les neuf croix sont deux fois plus loin. Chaque "
     L"usage prend une charge de la nitro."},
    {L"Les dégâts",
     L"Chaque coup touche un côté de la voiture : l'avant, l'arrière, la gauche ou la droite. Les points de "
     L"dégâts sont pris dans l'ordre : d'abord les plaques de blindage de ce côté, puis ses renforts latéraux, "
     L"puis ses points de structure. Quand la structure du côté est à zéro, chaque point détruit un gadget de "
     L"ce côté au hasard, puis blesse le pilote. Un rapport de dégâts raconte chaque coup.\n\n"
     L"Un pilote qui n'a plus de points de vie brûle avec sa voiture, qui quitte la course. Un dé à six faces "
     L"décide de son sort : la mort (son fichier de pilote est effacé), ou deux points de moins en conduite ou "
     L"en tir. Un clic droit sur une voiture montre sa fiche."},
    {L"La fin de la course",
     L"Le circuit est coupé de portes (les tirets jaunes de l'image) que chaque voiture doit passer dans l'ordre ; la "
     L"dernière est la ligne d'arrivée. La liste des voitures, en haut à gauche (touche L), dit combien de "
     L"portes chacune a passé et sa place.\n\n"
     L"La course s'arrête à la fin d'un tour quand deux voitures ont passé la ligne, ou quand il ne reste "
     L"au plus qu'une voiture ni carbonisée ni arrivée. Le premier gagne 200 Zonks (150 chacun s'ils "
     L"arrivent ensemble, 200 pour le seul survivant), le deuxième 100 Zonks. Chaque pilote encore en course "
     L"gagne un point de conduite ou de tir, et son fichier est enregistré."},
    {L"L'atelier",
     L"\"Nouveau Pilote\" ouvre l'atelier : donnez un nom au pilote, partagez 18 points entre la conduite et le "
     L"tir (13 au plus chacun), répartissez les points de structure entre les quatre côtés, choisissez le côté "
     L"du volant et la voiture.\n\n"
     L"Un nouveau pilote a 400 Zonks pour acheter des gadgets : armes, blindages, renforts, nitro, cartouches "
     L"d'huile, volant double. Chacun se monte sur un côté permis ; un gadget vendu rend son prix. "
     L"\"VALIDER\" enregistre le pilote. \"Editer Pilote\" rouvre un pilote pour dépenser les Zonks gagnés en "
     L"course."},
};
constexpr int kPageCount = sizeof kPages / sizeof kPages[0];

std::wstring PicturePath(int page) {
    const std::wstring number = std::to_wstring(page + 1);
    return L"\\data\\regles\\regle" + std::wstring(number.size() < 2 ? L"0" : L"") + number + L".bmp";
}

struct RulesWidgets {
    gui::IGUIStaticText* title;
    gui::IGUIStaticText* text;
    gui::IGUIStaticText* pageNumber;
    gui::IGUIButton* previous;
    gui::IGUIButton* next;

    void Remove() const {
        for (gui::IGUIElement* e : {static_cast<gui::IGUIElement*>(title), static_cast<gui::IGUIElement*>(text),
                                    static_cast<gui::IGUIElement*>(pageNumber), static_cast<gui::IGUIElement*>(previous),
                                    static_cast<gui::IGUIElement*>(next)})
            e->remove();
    }
};

RulesWidgets AddRulesWidgets(int x0, int y0) {
    gui::IGUIEnvironment* gui = game.guiEnvironment;
    RulesWidgets w;
    w.title = gui->addStaticText(L"", core::recti(x0 + 120, y0 + 10, x0 + 780, y0 + 30), false, false, nullptr,
                                 gui_id::RulesTitle);
    w.title->setTextAlignment(gui::EGUIA_CENTER, gui::EGUIA_CENTER);
    w.text = gui->addStaticText(L"", core::recti(x0 + 120, y0 + 285, x0 + 780, y0 + 548), false, true, nullptr,
                                gui_id::RulesText);
    w.pageNumber = gui->addStaticText(L"", core::recti(x0 + 380, y0 + 560, x0 + 520, y0 + 580));
    w.pageNumber->setTextAlignment(gui::EGUIA_CENTER, gui::EGUIA_CENTER);
    w.previous = gui->addButton(core::recti(x0 + 120, y0 + 556, x0 + 280, y0 + 582), nullptr, gui_id::RulesPrevious,
                                L"< Précédente");
    w.next = gui->addButton(core::recti(x0 + 620, y0 + 556, x0 + 780, y0 + 582), nullptr, gui_id::RulesNext,
                            L"Suivante >");
    return w;
}

void ShowPage(const RulesWidgets& w, int page, video::ITexture*& picture) {
    w.title->setText(kPages[page].title);
    w.text->setText(kPages[page].text);
    w.pageNumber->setText((L"Page " + std::to_wstring(page + 1) + L" / " + std::to_wstring(kPageCount)).c_str());
    w.previous->setEnabled(page > 0);
    w.next->setEnabled(page + 1 < kPageCount);
    // A missing picture leaves the page its text.
    picture = LoadGameTexture(PicturePath(page));
}

// The page the player turned to, or `page` when he turned none.
int TurnedPage(int page) {
    const int id = game.lastGuiId;
    if (id == gui_id::RulesNext && page + 1 < kPageCount) ++page;
    else if (id == gui_id::RulesPrevious && page > 0) --page;
    else return page;
    game.lastGuiId = 0;
    return page;
}
}  // namespace

void RulesScreen(int x0, int y0) {
    const RulesWidgets widgets = AddRulesWidgets(x0, y0);
    int page = 0;
    video::ITexture* picture = nullptr;
    ShowPage(widgets, page, picture);
    while (!MenuColumnFrame(gui_id::Rules)) {
        const int turned = TurnedPage(page);
        if (turned != page) ShowPage(widgets, page = turned, picture);
        DrawMenuScreen(x0, y0, [&] {
            if (picture) DrawWholeImage(picture, x0 + 250, y0 + 38);
        });
    }
    widgets.Remove();
}
