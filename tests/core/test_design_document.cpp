// The edited design file: unsaved edits and their question, the title, the extension a typed
// name gets, and the recently opened files.
#include <gtest/gtest.h>

#include "core/windows/design_document.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

using testing::ScriptedDialogs;

DesignFile designWithWidth(const std::string& B) {
    DesignFile design;
    design.boxes[InputBox::beltWidth] = B;
    return design;
}

TEST(UnsavedEdits, OnlyADesignThatDiffersFromTheFileIsAskedAbout) {
    struct Case {
        const char* name;
        std::string shownWidth;
        std::optional<UnsavedEditsAnswer> answer;  // empty: no question may be asked
        LeaveDecision decision;
    };
    for (const Case& c : {
             Case{"unchanged", "800", std::nullopt, LeaveDecision::proceed},
             Case{"save", "1000", UnsavedEditsAnswer::save, LeaveDecision::saveFirst},
             Case{"discard", "1000", UnsavedEditsAnswer::discard, LeaveDecision::proceed},
             Case{"cancel", "1000", UnsavedEditsAnswer::cancel, LeaveDecision::stay},
         }) {
        const DesignDocument document{"/designs/belt.json", designWithWidth("800")};
        ScriptedDialogs dialogs;
        if (c.answer) {
            dialogs.unsavedAnswers.push_back(*c.answer);
        }
        EXPECT_EQ(askBeforeLeaving(document, designWithWidth(c.shownWidth), dialogs), c.decision)
            << c.name;
        ASSERT_EQ(dialogs.shown.size(), c.answer ? 1u : 0u) << c.name;
        if (c.answer) {
            EXPECT_EQ(dialogs.shown[0].text, "“belt.json”的修改尚未保存。要保存吗？");
        }
    }
}

TEST(UnsavedEdits, EquipmentEntriesCountAsEdits) {
    DesignDocument document{"", designWithWidth("800")};
    DesignFile shown = document.saved;
    shown.equipment = EquipmentEntries{};
    shown.equipment->legHeight = "1100";
    EXPECT_TRUE(hasUnsavedEdits(document, shown));
    document.saved = shown;
    EXPECT_FALSE(hasUnsavedEdits(document, shown));
}

TEST(DocumentTitle, NamesTheFileBeforeTheProgramWithTheModifiedMark) {
    EXPECT_EQ(documentWindowTitle({"/home/a/设计 1.json", {}}),
              "设计 1.json[*] - DTⅡ型固定式带式输送机设计计算");
    EXPECT_EQ(documentWindowTitle({}), "DTⅡ型固定式带式输送机设计计算[*]");
}

TEST(SavedFileName, ANameWithoutExtensionGetsJson) {
    struct Case {
        const char* typed;
        const char* saved;
    };
    for (const Case& c : {
             Case{"/d/belt", "/d/belt.json"},
             Case{"/d/belt.json", "/d/belt.json"},
             Case{"/d/belt.txt", "/d/belt.txt"},
             Case{"/d/v1.2/belt", "/d/v1.2/belt.json"},
             Case{"/d/belt.", "/d/belt.json"},
         }) {
        EXPECT_EQ(withDesignExtension(c.typed), std::filesystem::path(c.saved)) << c.typed;
    }
}

TEST(RecentFiles, TheLastUsedComesFirstOnceAndFiveAreKept) {
    using List = std::vector<std::string>;
    struct Case {
        const char* name;
        List before;
        std::string used;
        List after;
    };
    for (const Case& c : {
             Case{"first", {}, "a", {"a"}},
             Case{"new in front", {"a", "b"}, "c", {"c", "a", "b"}},
             Case{"moved, not repeated", {"a", "b", "c"}, "b", {"b", "a", "c"}},
             Case{"oldest dropped", {"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}},
             Case{"already first", {"a", "b"}, "a", {"a", "b"}},
         }) {
        EXPECT_EQ(recentFilesAfterUse(c.before, c.used), c.after) << c.name;
    }
}

}  // namespace
}  // namespace dtii
