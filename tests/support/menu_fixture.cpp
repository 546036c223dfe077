#include "support/menu_fixture.h"

#include <filesystem>

#include "core/gadget_catalogue.h"
#include "core/game_state.h"
#include "files/pilot_file.h"

using namespace irr;

void MenuTest::SetUp() {
    GameTest::SetUp();
    FillCatalogue();
    std::filesystem::create_directories("pilotes");
}

void MenuTest::WriteCircuit(const std::string& name, int maxCars) {
    WriteFile("circuits/" + name + ".xml", "<c>\n<NomCircuit>" + name + "</NomCircuit>\n<NbVoitures>" +
                                               std::to_string(maxCars) + "</NbVoitures>\n</c>\n");
}

void MenuTest::WritePilot(const std::wstring& name) {
    CarRecord& scratch = game.cars[0];
    scratch.pilotName = name;
    scratch.drivingSkill = 10;
    scratch.shootingSkill = 8;
    scratch.wheelSide = L"Gauche";
    scratch.meshNumber = 1;
    ASSERT_TRUE(WritePilotFile(0));
    game.cars[0] = CarRecord();
}

void MenuTest::EditPilotByHand(const std::string& name) {
    const std::string file = "pilotes/" + name + ".xml";
    std::string text = ReadFile(file);
    const size_t skill = text.find("<Conduite>");
    ASSERT_NE(skill, std::string::npos);
    text.replace(text.find("10", skill), 2, "19");
    WriteFile(file, text);
}

namespace {
gui::IGUIComboBox* FindComboAt(gui::IGUIElement* element, const core::position2di& corner) {
    for (gui::IGUIElement* child : element->getChildren()) {
        if (child->getType() == gui::EGUIET_COMBO_BOX &&
            child->getAbsolutePosition().UpperLeftCorner == corner)
            return static_cast<gui::IGUIComboBox*>(child);
        if (gui::IGUIComboBox* found = FindComboAt(child, corner)) return found;
    }
    return nullptr;
}
}  // namespace

gui::IGUIComboBox* MenuTest::ComboAt(int x, int y) {
    return FindComboAt(game.guiEnvironment->getRootGUIElement(), {x, y});
}
