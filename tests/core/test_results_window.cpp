#include <gtest/gtest.h>

#include "core/windows/results_window.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

TEST(ResultsWindow, AsksWhetherToMakeTheEquipmentListAndFollowsTheAnswer) {
    for (const bool answer : {true, false}) {
        testing::ScriptedDialogs dialogs;
        dialogs.okAnswers.push_back(answer);
        EXPECT_EQ(askForEquipmentList(dialogs), answer);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, "您希望让程序自动生成设备清单吗？");
        EXPECT_EQ(dialogs.shown[0].caption, "询问框");
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::question);
    }
}

}  // namespace
}  // namespace dtii
