// Replaying a design file through the window handlers gives what typing and clicking it in gives,
// and capturing the windows gives the design file back.
#include <gtest/gtest.h>

#include "core/file/design_replay.h"
#include "support/example_design.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

using testing::ExampleDesign;
using testing::ScriptedDialogs;

// The example design as a design file, key by key.
DesignFile exampleFile(const ExampleDesign& e = {}) {
    DesignFile file;
    const std::pair<std::string_view, const std::string*> boxes[] = {
        {"B", &e.B},
        {"a0", &e.a0},
        {"au", &e.au},
        {"r", &e.r},
        {"V", &e.V},
        {"Q", &e.Q},
        {"L", &e.L},
        {"H", &e.H},
        {"wrapAngle", &e.wrapAngle},
        {"Lh", &e.Lh},
        {"plies", &e.plies},
        {"carryingTroughAngle", &e.carryingTroughAngle},
        {"carryingTiltAngle", &e.carryingTiltAngle},
        {"returnTroughAngle", &e.returnTroughAngle},
        {"returnTiltAngle", &e.returnTiltAngle},
    };
    const std::pair<std::string_view, const std::string*> lists[] = {
        {"workingCondition", &e.workingCondition},
        {"runningCondition", &e.runningCondition},
        {"drumSurface", &e.drumSurface},
        {"beltType", &e.beltType},
        {"covers", &e.covers},
        {"carryingRollerDiameter", &e.carryingRollerDiameter},
        {"carryingBearing", &e.carryingBearing},
        {"returnRollerDiameter", &e.returnRollerDiameter},
        {"returnBearing", &e.returnBearing},
    };
    for (const auto& [key, text] : boxes) {
        for (const DesignKey<InputBox>& box : inputBoxKeys) {
            if (box.key == key) {
                file.boxes[box.control] = *text;
            }
        }
    }
    for (const auto& [key, text] : lists) {
        for (const DesignKey<InputList>& list : inputListKeys) {
            if (list.key == key) {
                file.lists[list.control] = *text;
            }
        }
    }
    file.carryingIdlerForm = std::string(troughIdlerCaption);
    file.returnIdlerForm = std::string(flatIdlerCaption);
    file.ploughTrippers = e.ploughTrippers;
    return file;
}

struct Entered {
    InputWindow window;
    ConveyorDesign record;
    ScriptedDialogs dialogs;
};

void replayed(Entered& entered, const DesignFile& file) {
    loadInputWindow(entered.window, entered.record);
    if (file.ploughTrippers) {
        entered.dialogs.textAnswers.push_back(*file.ploughTrippers);
    }
    replayInputWindow(file, entered.window, entered.record, entered.dialogs);
}

TEST(DesignReplay, ReplayingTheFileComputesWhatTypingItInComputes) {
    ExampleDesign variants[3];
    variants[1].ploughTrippers = "2";
    variants[2].carryingIdlerButton =
        IdlerButton::carryingV;  // a V set: the lists are refilled by the button
    variants[2].carryingTroughAngle = "0";
    variants[2].carryingBearing = "4G204";
    for (const ExampleDesign& example : variants) {
        Entered byHand;
        ASSERT_EQ(
            testing::computeExampleDesign(byHand.record, byHand.window, byHand.dialogs, example),
            ComputeOutcome::computed);
        DesignFile file = exampleFile(example);
        if (example.carryingIdlerButton == IdlerButton::carryingV) {
            file.carryingIdlerForm = std::string(vIdlerCaption);
        }
        Entered fromFile;
        replayed(fromFile, file);
        ASSERT_EQ(computeDrive(fromFile.window, fromFile.record, fromFile.dialogs),
                  ComputeOutcome::computed);
        EXPECT_EQ(fromFile.record.shared.resultsText, byHand.record.shared.resultsText);
        EXPECT_EQ(fromFile.window.boxes, byHand.window.boxes);
        EXPECT_EQ(fromFile.window.carryingIdlerButton, byHand.window.carryingIdlerButton);
        EXPECT_EQ(fromFile.window.returnIdlerButton, byHand.window.returnIdlerButton);
        EXPECT_EQ(fromFile.dialogs.shown, byHand.dialogs.shown);
        for (const InputList list : inputLists) {
            const int number = controlNumber(list);
            EXPECT_EQ(fromFile.window.lists[list].text, byHand.window.lists[list].text) << number;
            EXPECT_EQ(fromFile.window.lists[list].items, byHand.window.lists[list].items) << number;
        }
    }
    // The complete run, to be sure the comparison above compared a real listing.
    Entered entered;
    replayed(entered, exampleFile());
    computeDrive(entered.window, entered.record, entered.dialogs);
    EXPECT_EQ(entered.record.shared.resultsText.rfind("1.圆周驱动力Fu= 9208.972N\r\n", 0), 0u);
}

TEST(DesignReplay, CapturingTheReplayedWindowGivesTheFileBack) {
    DesignFile withTrippers = exampleFile();
    withTrippers.ploughTrippers = "2.5";
    DesignFile sparse;  // boxes partly typed, lists at their prompts, no buttons
    sparse.boxes[InputBox::beltWidth] = "800";
    sparse.boxes[InputBox::beltSpeed] = "2";
    sparse.lists[InputList::beltType] = "st630";
    sparse.returnIdlerForm = std::string(vIdlerCaption);
    for (const DesignFile& file : {exampleFile(), withTrippers, sparse}) {
        Entered entered;
        replayed(entered, file);
        EXPECT_EQ(captureInputWindow(entered.window, entered.record), file);
    }
}

TEST(DesignReplay, ReplayOverAnEarlierDesignLeavesNothingOfItShowing) {
    Entered entered;
    DesignFile earlier = exampleFile();
    earlier.ploughTrippers = "3";
    replayed(entered, earlier);
    EXPECT_EQ(entered.record.input.ploughResistance, 3 * 800 * 1.5);

    DesignFile later;
    later.boxes[InputBox::beltWidth] = "650";
    later.ploughTrippers = "1";
    entered.dialogs.textAnswers.push_back("1");
    replayInputWindow(later, entered.window, entered.record, entered.dialogs);

    InputWindow fresh;
    ConveyorDesign scratch;
    loadInputWindow(fresh, scratch);
    for (const InputList list : inputLists) {
        EXPECT_EQ(entered.window.lists[list].text, fresh.lists[list].text) << controlNumber(list);
    }
    EXPECT_EQ(entered.window.boxes[InputBox::conveyorLength], "");
    EXPECT_FALSE(entered.window.carryingIdlerButton);
    EXPECT_FALSE(entered.window.returnIdlerButton);
    // The box was checked already: it is asked again, with the new belt width.
    EXPECT_TRUE(entered.window.ploughTrippers);
    EXPECT_EQ(entered.record.input.ploughResistance, 1 * 650 * 1.5);

    later.ploughTrippers.reset();
    replayInputWindow(later, entered.window, entered.record, entered.dialogs);
    EXPECT_FALSE(entered.window.ploughTrippers);
}

TEST(DesignReplay, EquipmentEntriesGoIntoTheWindowAndComeBack) {
    EquipmentEntries typed;
    typed.takeUpType = "螺旋拉紧";
    typed.boxes = {"", "630", "400", "1000", "800", "315"};
    typed.legHeight = "1300";
    EquipmentEntries atPrompt;
    atPrompt.boxes[1] = "800";
    for (const EquipmentEntries& entries : {typed, atPrompt}) {
        EquipmentWindow window;
        loadEquipmentWindow(window);
        window.takeUpList.text = "绞车拉紧";  // left from an earlier entry
        replayEquipmentWindow(entries, window);
        EXPECT_EQ(window.boxes, entries.boxes);
        EXPECT_EQ(captureEquipmentWindow(window, entries.legHeight), entries);
    }
}

}  // namespace
}  // namespace dtii
