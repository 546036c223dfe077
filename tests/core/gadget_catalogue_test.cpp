#include "core/gadget_catalogue.h"

#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"

namespace {
// An entry as one line: name, price, charges, its two counters, the limit
// per car, and the sides it may be fitted on.
std::wstring Line(const GadgetRecord& entry) {
    std::wstring line = entry.name;
    for (int value : {entry.price, entry.charges, entry.auxValue1, entry.auxValue2, entry.maxPerCar})
        line += L" " + std::to_wstring(value);
    line += L" sides";
    for (int side = 0; side < kSideCount; ++side)
        if (entry.allowedSides[side]) line += L" " + std::to_wstring(side);
    return line;
}

// The workshop texts, line breaks and all.
const wchar_t* const kDescriptions[] = {
    // Nitro
    L"La Nitro vous permet de multiplier votre vitesse par 2. Vous pouvez avoir autant de réservoirs que vous le souhaitez et les installer sur n'importe quel flanc du véhicule. Les réservoirs sont remplis automatiquement en début de chaque course.\n",
    // Mitrailleuse avant
    L"Enorme Mitrailleuse installée sur votre capot avant et dont le déclencheur est relié au volant... Vous pouvez en monter autant que vous le souhaitez sur le flanc avant. Lorsque vous toucherez une cible, chaque mitrailleuse montée infligera 1 dé à 4 faces de dégâts.\n"
        L"La trajectoire des mitrailleuses est linéaire : vous devez être parfaitement aligné avec votre cible pour pouvoir tirer.\n"
        L"Les munitions des mitrailleuses sont infinies\n"
        L".",
    // Mitrailleuse arrière
    L"Cette arme est d'une inutilité quasi absolue : comment voulez vous alors que vous êtes lancé sur la piste à 200 km/h (en train d'esquiver un tir de bazooka et une flaque d'huile laissée par un concurrent), réussir à regarder dans vos rétroviseurs pour aligner une cible derrière vous ?\n"
        L"Les mitrailleuses arrière fonctionnent donc comme les mitrailleuses avant, mais votre valeur de tir est divisée par deux lorsque vous tirez avec.\n",
    // Lance Grenades
    L"Les lance grenades peuvent être installées à l'avant ou à l'arrière. Ils tirent sur votre point d'inertie suivant ou sur votre position précédentes, ainsi que les 8 cases qui se trouvent autour.\n"
        L"Si vous réussissez le tir, toutes les voitures touchées se voient infligées 1 dé à 4 faces de dégâts sur deux côtés aléatoirement.\n"
        L"Les grenades sont perdues après utilisation, que le tir soit réussi ou pas.\n"
        L"Les grenades sont réapprovisonnées au début de chaque course.\n"
        L"Vous pouvez installer autant d'unitées que vous le souhaitez.\n",
    // Pistolet
    L"Le pistolet est une arme de poing : il permet donc de tirer du côté où vous avez votre volant.\n"
        L"Après un tir, vous devez effectuer un test de pilotage pour savoir si vous empêchez votre véhicule de déraper (pas facile de conduire d'une main tout en tirant...).\n"
        L"Il inflige 1 dé à 4 faces de dégâts, et les munitions sont illimitées.\n"
        L"Vous ne pouvez en avoir qu'un seul à la fois.\n",
    // Bazooka
    L"Le bazooka est une arme de poing : il permet donc de tirer du côté où vous avez votre volant.\n"
        L"Après un tir, vous devez effectuer un test de pilotage pour savoir si vous empêchez votre véhicule de déraper (pas facile de conduire d'une main tout en tirant...).\n"
        L"Il inflige 1 dé à 4 faces de dégâts + 2 points. Les munitions sont illimitées, mais vous devez passer un tour en vitesse 1 ou à l'arrêt pour le recharger.\n"
        L"Vous ne pouvez en avoir qu'un seul à la fois.\n",
    // Blindage
    L"Un blindage peut s'installer sur n'importe quel flanc. Il réduit de 1 points tous les dégâts qui arrivent sur le flanc en question.\n"
        L"Vous pouvez en installer autant que vous le souhaitez : un véhicule qui disposerait de 5 blindages sur chacun de ses flancs serait quasiment indestructible...\n",
    // Renfort Latéral
    L"Un renfort latéral peut s'installer sur n'importe quel flanc. Il possède 5 points de structure. A chaque fois que des dégâts arriveront sur le flanc en question, ils seront réduit en premier de vos renforts latéraux avant de passer sur le côté de votre voiture\n"
        L"Un renfort latéral qui ne dispose plus de points de structure n'est pas détruit : ses points de structure sont réparés au début de chaque course.\n"
        L"Vous pouvez en installer autant que vous le souhaitez.\n",
    // Projecteur d'huile
    L"Un projecteur d'huile permet de laisser une trainée d'huile sur le terrain, le long de votre mouvement. Les véhicules qui passent dessus doivent effectuer un test de pilotage avec un malus dépendant de leur vitesse pour ne pas déraper.\n"
        L"Le projecteur d'huile ne sers à rien tout seul, il faut également aquérir des cartouches d'huiles pour pouvoir l'utiliser.\n"
        L"Le projecteur d'huile ne peut s'installer que sur le flanc arrière, et vous ne pouvez en avoir qu'un seul.\n",
    // Cartouche d'huile
    L"Les cartouches d'huiles sont utilisées par le projecteur d'huile. Chaque cartouche vous permet de laisser une trainée d'huile sur la piste\n"
        L"Les cartouches sont réapprovisionnées au début de chaque course. Vous pouvez en installer autant que vous voulez, et sur n'importe quel flanc.\n",
    // Volant double
    L"Le volant double permet de choisir au début de chaque course de quel côté vous souaitez avoir votre volant.\n",

};
}  // namespace

TEST(GadgetCatalogue, HoldsTheElevenTypesWithTheirPricesChargesSidesAndLimits) {
    FillCatalogue();
    const wchar_t* const expected[] = {
        L" 0 0 0 0 0 sides",
        L"Nitro 80 1 0 0 -1 sides 1 2 3 4",
        L"Mitrailleuse avant 150 0 0 0 -1 sides 1",
        L"Mitrailleuse arrière 150 0 0 0 -1 sides 2",
        L"Lance Grenades 100 1 0 0 -1 sides 1 2",
        L"Pistolet 50 0 0 0 1 sides 0",
        L"Bazooka 100 0 0 0 1 sides 0",
        L"Blindage 110 0 0 0 -1 sides 1 2 3 4",
        L"Renfort Latéral 100 5 0 0 -1 sides 1 2 3 4",
        L"Projecteur d'huile 70 0 0 0 1 sides 2",
        L"Cartouche d'huile 50 1 0 0 -1 sides 1 2 3 4",
        L"Volant double 50 0 0 0 1 sides 0",
    };
    for (int i = 0; i < kCatalogueSize; ++i) EXPECT_EQ(Line(game.catalogue[i]), expected[i]);
    EXPECT_TRUE(game.catalogue[0].description.empty());
    // The workshop's texts, letter for letter.
    for (int i = 1; i < kCatalogueSize; ++i) EXPECT_EQ(game.catalogue[i].description, kDescriptions[i - 1]) << i;
}
