#include "files/circuit_file.h"

#include <climits>
#include <tuple>
#include <utility>

#include "core/game_state.h"
#include "platform/text.h"
#include "support/game_test.h"

namespace {
// A circuit with every kind of value; items one per line, no indentation.
const char* const kFullCircuit =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
    "<Circuit>\n"
    "<NomCircuit>  Montr\xe9" "al  </NomCircuit>\n"
    "<NbVoitures> 4 </NbVoitures>\n"
    "<Mesh> circuits\\montreal.3ds </Mesh>\n"
    "<Mapping> montreal.jpg\t</Mapping>\n"
    "<DeltaX> -150 </DeltaX>\n<DeltaY> 12 </DeltaY>\n<DeltaZ> 7 </DeltaZ>\n"
    "<NbCasesEnLargeur> 30 </NbCasesEnLargeur>\n"
    "<NbCasesEnLongueur> 25 </NbCasesEnLongueur>\n"
    "<NbCheckpoints> 3 </NbCheckpoints>\n"
    "<Checkpoint Numero=\"1\" Pos=\"Dep\" Coord=\"x\"> 2.5 </Checkpoint>\n"
    "<Checkpoint Numero=\"1\" Pos=\"Arr\" Coord=\"x\"> 1.5e1 </Checkpoint>\n"
    "<Checkpoint Numero=\"3\" Pos=\"Dep\" Coord=\"y\"> -4 </Checkpoint>\n"
    "<Checkpoint Numero=\"3\" Pos=\"Arr\" Coord=\"y\"> 9 </Checkpoint>\n"
    "<PositionDepart Voiture=\"1\" Coord=\"x\"> 5 </PositionDepart>\n"
    "<PositionDepart Voiture=\"1\" Coord=\"y\"> 6 </PositionDepart>\n"
    "<PositionDepart Voiture=\"19\" Coord=\"y\"> 8 </PositionDepart>\n"
    "<NbDecorAdd> 2 </NbDecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"desc\"> Tribune nord </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"Mesh\"> data\\decor\\tribune.3ds </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"Map\"> data\\decor\\tribune.jpg </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"RelCircuit\"> true </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"Transparent\"> TRUE </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"dx\"> 100 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"dy\"> -20 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"dz\"> 300 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"rot\"> 90 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"Scale\"> 3 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"anime\"> true </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"start\"> 1 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"end\"> 40 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"VitesseAnim\"> 25 </DecorAdd>\n"
    "<DecorAdd no=\"2\" var=\"couleur\"> rouge </DecorAdd>\n"
    "<NbModeleFoule> 1 </NbModeleFoule>\n"
    "<DefFoule no=\"1\" var=\"desc\"> supporter </DefFoule>\n"
    "<DefFoule no=\"1\" var=\"Mesh\"> data\\foule\\fan.md2 </DefFoule>\n"
    "<DefFoule no=\"1\" var=\"Map\"> data\\foule\\fan.jpg </DefFoule>\n"
    "<DefFoule no=\"1\" var=\"start\"> 3 </DefFoule>\n"
    "<DefFoule no=\"1\" var=\"end\"> 12 </DefFoule>\n"
    "<DefFoule no=\"1\" var=\"VitesseAnim1\"> 10 </DefFoule>\n"
    "<DefFoule no=\"1\" var=\"VitesseAnim2\"> 30 </DefFoule>\n"
    "<NbGroupesFoules> 2 </NbGroupesFoules>\n"
    "<GroupeFoule no=\"1\" var=\"NbPersonnes\"> 6 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"x1\"> 1 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"y1\"> 2 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"z1\"> 3 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"x2\"> 4 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"y2\"> 5 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"z2\"> 6 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"angle1\"> -45 </GroupeFoule>\n"
    "<GroupeFoule no=\"1\" var=\"angle2\"> 45 </GroupeFoule>\n"
    "</Circuit>\n";
}  // namespace

class CircuitFileTest : public GameTest {
protected:
    void WriteCircuit(const std::string& name, const std::string& text) {
        WriteFile("circuits/" + name + ".xml", text);
    }
    const CircuitData& circuit = game.circuit;
};

TEST_F(CircuitFileTest, ReadsEveryValueIntoItsRecord) {
    WriteCircuit("Montreal", kFullCircuit);
    LoadCircuitFile(L"Montreal");
    // The Latin-1 byte read as U+00E9; only spaces are trimmed.
    EXPECT_EQ(std::make_tuple(circuit.circuitName, circuit.circuitMeshFile, circuit.circuitTextureFile),
              std::make_tuple(std::wstring(L"Montréal"), std::wstring(L"circuits\\montreal.3ds"),
                              std::wstring(L"montreal.jpg\t")));
    EXPECT_EQ(std::vector<int>({circuit.circuitMaxCars, circuit.circuitOffsetX, circuit.circuitOffsetY,
                                circuit.circuitOffsetZ, circuit.gridWidth, circuit.gridLength}),
              std::vector<int>({4, -150, 12, 7, 30, 25}));

    // Checkpoints and start cells go to their entries.
    ASSERT_EQ(circuit.checkpointCount, 3);
    EXPECT_EQ(circuit.checkpointX, std::vector<f32>({0, 2.5f, 15, 0, 0, 0, 0, 0}));
    EXPECT_EQ(circuit.checkpointY, std::vector<f32>({0, 0, 0, 0, 0, -4, 9, 0})) << "Numero 3, y";
    EXPECT_EQ(std::vector<int>({circuit.startCellX[1], circuit.startCellY[1], circuit.startCellY[19]}),
              std::vector<int>({5, 6, 8}));

    // Decor and crowds fill their numbered records; item 1 is given nothing:
    // its animation stays unset.
    ASSERT_EQ(circuit.decorCount, 2);
    ASSERT_EQ(circuit.decorItems.size(), 3u);
    const DecorItem& item = circuit.decorItems[2];
    EXPECT_EQ(std::make_tuple(item.description, item.meshFile, item.textureFile),
              std::make_tuple(std::wstring(L"Tribune nord"), std::wstring(L"data\\decor\\tribune.3ds"),
                              std::wstring(L"data\\decor\\tribune.jpg")));
    EXPECT_EQ(std::vector<int>({item.relativeToCircuit, item.transparent, item.dx, item.dy, item.dz,
                                item.rotation, item.scale, item.animated, item.frameStart, item.frameEnd,
                                item.animationSpeed, circuit.decorItems[1].frameStart,
                                circuit.decorItems[1].animationSpeed}),
              std::vector<int>({1, 0, 100, -20, 300, 90, 3, 1, 1, 40, 25, -1, -1}))
        << "\"TRUE\" is not \"true\"";

    ASSERT_EQ(circuit.crowdModelCount, 1);
    const CrowdModel& model = circuit.crowdModels.at(1);
    EXPECT_EQ(std::make_tuple(model.description, model.meshFile, model.textureFile),
              std::make_tuple(std::wstring(L"supporter"), std::wstring(L"data\\foule\\fan.md2"),
                              std::wstring(L"data\\foule\\fan.jpg")));
    EXPECT_EQ(std::vector<int>({model.frameStart, model.frameEnd, model.speedMin, model.speedMax}),
              std::vector<int>({3, 12, 10, 30}));

    ASSERT_EQ(circuit.crowdGroupCount, 2);
    const CrowdGroup& group = circuit.crowdGroups.at(1);
    EXPECT_EQ(std::vector<int>({group.personCount, static_cast<int>(group.persons.size()), group.x1, group.y1,
                                group.z1, group.x2, group.y2, group.z2, group.angle1, group.angle2}),
              std::vector<int>({6, 7, 1, 2, 3, 4, 5, 6, -45, 45}));
    EXPECT_EQ(circuit.crowdGroups.at(2).personCount, 0);
    EXPECT_TRUE(circuit.crowdGroups.at(2).persons.empty());
}

TEST_F(CircuitFileTest, ALaterOrMissingCircuitDropsTheCrowdsButKeepsWhatItDoesNotSet) {
    WriteCircuit("Montreal", kFullCircuit);
    WriteCircuit("Ovale", "<c>\n<NomCircuit>Ovale</NomCircuit>\n<NbCheckpoints>1</NbCheckpoints>\n</c>");
    // Name, checkpoints, crowd groups, decor and its second item's name,
    // crowd models, grid width.
    const auto kept = [this] {
        return std::make_tuple(circuit.circuitName, circuit.checkpointCount, circuit.crowdGroupCount,
                               circuit.decorCount, circuit.decorItems.at(2).description, circuit.crowdModelCount,
                               circuit.gridWidth);
    };
    LoadCircuitFile(L"Montreal");
    LoadCircuitFile(L"Absent");
    EXPECT_EQ(kept(), std::make_tuple(std::wstring(L"Montréal"), 3, 0, 2, std::wstring(L"Tribune nord"), 1, 30));
    LoadCircuitFile(L"Montreal");
    LoadCircuitFile(L"Ovale");
    EXPECT_EQ(kept(), std::make_tuple(std::wstring(L"Ovale"), 1, 0, 2, std::wstring(L"Tribune nord"), 1, 30));
    EXPECT_EQ(circuit.checkpointX, std::vector<f32>(4, 0.0f)) << "a count starts a new, empty array";
}

TEST_F(CircuitFileTest, ItemsOutOfRangeBeforeTheirCountOrWithUnknownKeysStoreNothing) {
    WriteCircuit("Bizarre",
                 "<c>\n"
                 "<Checkpoint Numero=\"1\" Pos=\"Dep\" Coord=\"x\">5</Checkpoint>\n"
                 "<DecorAdd no=\"1\" var=\"dx\">5</DecorAdd>\n"
                 "<DefFoule no=\"1\" var=\"start\">5</DefFoule>\n"
                 "<GroupeFoule no=\"1\" var=\"NbPersonnes\">5</GroupeFoule>\n"
                 "<NbCheckpoints>2</NbCheckpoints>\n<NbDecorAdd>1</NbDecorAdd>\n"
                 "<NbModeleFoule>1</NbModeleFoule>\n<NbGroupesFoules>1</NbGroupesFoules>\n"
                 "<Checkpoint Numero=\"0\" Pos=\"Arr\" Coord=\"x\">1</Checkpoint>\n"
                 "<Checkpoint Numero=\"3\" Pos=\"Dep\" Coord=\"x\">1</Checkpoint>\n"
                 "<Checkpoint Numero=\"-1\" Pos=\"Arr\" Coord=\"y\">1</Checkpoint>\n"
                 "<Checkpoint Numero=\"2\" Pos=\"Milieu\" Coord=\"x\">1</Checkpoint>\n"
                 "<Checkpoint Numero=\"2\" Pos=\"dep\" Coord=\"x\">1</Checkpoint>\n"
                 "<Checkpoint Numero=\"2\" Pos=\"Dep\" Coord=\"z\">1</Checkpoint>\n"
                 "<Checkpoint Numero=\"2\" Pos=\"Dep\" Coord=\"X\">1</Checkpoint>\n"
                 "<Checkpoint Pos=\"Arr\" Coord=\"x\">1</Checkpoint>\n"
                 "<Checkpoint Numero=\"2\" Pos=\"Arr\" Coord=\"y\"></Checkpoint>\n"
                 "<Checkpoint Numero=\"2\" Pos=\"Arr\" Coord=\"y\"/>\n"
                 "<DecorAdd no=\"2\" var=\"dx\">1</DecorAdd>\n"
                 "<DecorAdd no=\"0\" var=\"dx\">1</DecorAdd>\n"
                 "<DecorAdd no=\"1\" var=\"DX\">1</DecorAdd>\n"
                 "<DefFoule no=\"2\" var=\"start\">1</DefFoule>\n"
                 "<GroupeFoule no=\"99999999999\" var=\"x1\">1</GroupeFoule>\n"
                 "<PositionDepart Voiture=\"20\" Coord=\"x\">1</PositionDepart>\n"
                 "<PositionDepart Voiture=\"0\" Coord=\"x\">1</PositionDepart>\n"
                 "<PositionDepart Voiture=\"-5\" Coord=\"y\">1</PositionDepart>\n"
                 "<PositionDepart Voiture=\"3\" Coord=\"z\">1</PositionDepart>\n"
                 "<PositionDepart Voiture=\"4\" Coord=\"x\"></PositionDepart>\n"
                 "</c>");
    LoadCircuitFile(L"Bizarre");
    EXPECT_EQ(circuit.checkpointX, std::vector<f32>(6, 0.0f));
    EXPECT_EQ(circuit.checkpointY, std::vector<f32>(6, 0.0f));
    ASSERT_EQ(circuit.decorItems.size(), 2u);
    std::vector<int> stored = {circuit.decorItems[1].dx, circuit.crowdModels.at(1).frameStart,
                               circuit.crowdGroups.at(1).personCount, circuit.crowdGroups.at(1).x1};
    for (int slot = 0; slot < kStartSlotCount; ++slot)
        stored.insert(stored.end(), {circuit.startCellX[slot], circuit.startCellY[slot]});
    EXPECT_EQ(stored, std::vector<int>(4 + 2 * kStartSlotCount, 0)) << "decor, crowds, then the start slots";
}

TEST_F(CircuitFileTest, NumbersFollowTheCLibraryRulesAndStayInRange) {
    WriteCircuit("Nombres",
                 "<c>\n<NbVoitures>40 voitures</NbVoitures>\n<DeltaX>\t-7x</DeltaX>\n"
                 "<DeltaY>+8</DeltaY>\n<DeltaZ>abc</DeltaZ>\n"
                 "<NbCasesEnLargeur>99999999999</NbCasesEnLargeur>\n"
                 "<NbCasesEnLongueur>-99999999999</NbCasesEnLongueur>\n"
                 "<NbCheckpoints>-4</NbCheckpoints>\n<NbDecorAdd>2000000000</NbDecorAdd>\n"
                 "<NbGroupesFoules>1</NbGroupesFoules>\n"
                 "<GroupeFoule no=\"1\" var=\"NbPersonnes\">-3</GroupeFoule>\n</c>");
    LoadCircuitFile(L"Nombres");
    // No more slots than the car table holds, no more decor than the reader keeps.
    EXPECT_EQ(std::vector<long long>({circuit.circuitMaxCars, circuit.circuitOffsetX, circuit.circuitOffsetY,
                                      circuit.circuitOffsetZ, circuit.gridWidth, circuit.gridLength,
                                      circuit.checkpointCount, (long long)circuit.checkpointX.size(),
                                      circuit.decorCount, (long long)circuit.decorItems.size(),
                                      circuit.crowdGroups.at(1).personCount,
                                      (long long)circuit.crowdGroups.at(1).persons.size()}),
              std::vector<long long>({kMaxCars, -7, 8, 0, INT_MAX, INT_MIN, 0, 2, kMaxCircuitItems,
                                      kMaxCircuitItems + 1, 0, 1}));
}

// Name, cars, mesh and texture read from small files: text goes to the
// element opened last ("xyz" after </NbVoitures> to NbVoitures, read as 0;
// the text after an empty <b/> to "b"); entities are decoded and a text of
// spaces only is not applied; a cut file keeps what came before the cut;
// UTF-16 is read too.
TEST_F(CircuitFileTest, SmallFilesReadAsTheReaderSeesThem) {
    static const char kUtf16[] = "\xff\xfe<\0N\0o\0m\0C\0i\0r\0c\0u\0i\0t\0>\0\xe9\0t\0\xe9\0"
                                 "<\0/\0N\0o\0m\0C\0i\0r\0c\0u\0i\0t\0>\0";
    const struct {
        std::string text;
        std::wstring name;
        int maxCars;
        std::wstring mesh, texture;
    } cases[] = {
        {"<c><NomCircuit>Nom</NomCircuit><NbVoitures>4</NbVoitures>xyz<Mesh>a.3ds</Mesh><Mapping><b/>t.jpg</Mapping></c>",
         L"Nom", 0, L"a.3ds", L""},
        {"<c><NomCircuit>Monts &amp; Merveilles</NomCircuit><Mesh>   </Mesh><Mapping>&lt;x&gt;</Mapping></c>",
         L"Monts & Merveilles", 0, L"avant.3ds", L"<x>"},
        {"<c><NomCircuit>Coup\xe9</NomCircuit><NbVoitures>3</NbVoitures><NbCasesEnLarg", L"Coupé", 3,
         L"avant.3ds", L""},
        {std::string(kUtf16, sizeof kUtf16 - 1), L"été", 0, L"avant.3ds", L""},
    };
    for (const auto& c : cases) {
        game.circuit = CircuitData();
        game.circuit.circuitMeshFile = L"avant.3ds";
        WriteCircuit("Petit", c.text);
        LoadCircuitFile(L"Petit");
        EXPECT_EQ(std::make_tuple(circuit.circuitName, circuit.circuitMaxCars, circuit.circuitMeshFile,
                                  circuit.circuitTextureFile),
                  std::make_tuple(c.name, c.maxCars, c.mesh, c.texture));
    }
}

TEST_F(CircuitFileTest, BrokenFilesNeitherCrashNorHang) {
    const std::string broken[] = {
        std::string("<c><NomCircuit>Cass"),
        std::string("<c><NbCheckpoints>2</NbCheckpoints><Checkpoint Numero=\"1\" Pos=\"Dep"),
        std::string("pas du tout du XML \xff\xfe\x00\x01 <<<>>> &&& \"", 36),
        std::string("\xff\xfe<\0N\0b\0", 9),
        std::string(""),
        std::string("<c><NbDecorAdd>1</NbDecorAdd><DecorAdd no=\"1\" var=\"desc\">a</DecorAdd></"),
        std::string("<!-- <NomCircuit>X</NomCircuit>"),
        std::string("<![CDATA[<NomCircuit>X</NomCircuit>"),
        std::string("<c><!>"),
        std::string("\xff\xfe"),
        std::string("<\t/t\n<"),
        std::string("<c><a x>"),
        std::string("<![12345]]>"),
    };
    for (const std::string& text : broken) {
        WriteCircuit("Casse", text);
        LoadCircuitFile(L"Casse");
    }
    EXPECT_EQ(circuit.crowdGroupCount, 0);
}

TEST(TrimSpaces, RemovesOnlyLeadingAndTrailingSpaces) {
    for (const auto& [text, trimmed] : {std::pair{L"  Max  ", L"Max"}, {L" a b ", L"a b"}, {L"\tMax\n", L"\tMax\n"},
             {L"    ", L""}, {L"", L""}, {L"\u00a0x ", L"\u00a0x"}})
        EXPECT_EQ(TrimSpaces(text), trimmed) << ToUtf8(text);
}
