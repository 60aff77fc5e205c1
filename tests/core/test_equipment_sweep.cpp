// Every belt width with tables, every idler form, roller diameter, bearing, trough and tilt angle,
// several drive-pulley diameters and two loads through the confirm: nothing crashes, every slot is
// unset or holds a code of the right shape with a non-negative weight, and each message appears
// exactly where the neighbouring choices say it must (the same set at 35 degrees, another bearing,
// a light load, an accepted diameter).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/equipment/width_dispatch.h"
#include "core/windows/equipment_window.h"
#include "equipment_test_support.h"

namespace dtii {
namespace {

using testing::ShownBox;
using enum SlotId;

constexpr std::string_view troughAngle = testing::troughAngleText;
constexpr std::string_view vSetUnsuitable = testing::vSetUnsuitableText;
constexpr std::string_view noImpact = testing::noImpactText;
constexpr std::string_view noTransitionSmall = testing::noTransitionSmallText;
constexpr std::string_view noTransitionLarge = testing::noTransitionLargeText;
constexpr std::string_view noDrivePulley = testing::noDrivePulleyText;
constexpr std::string_view invalidLeg = testing::invalidLegText;

constexpr std::array<std::int16_t, 3> forms{1, 2, 3};
constexpr std::array<std::int16_t, 5> diameters{89, 108, 133, 159, 194};  // [mm]
constexpr std::array<std::int16_t, 5> bearings{1, 2, 3, 4, 5};
constexpr std::array<double, 4> troughs{0, 35, 40, 45};  // [degrees]
constexpr std::array<double, 2> tilts{0, 1.5};           // [degrees]
// Accepted by the narrow widths only, by the wide ones, and by none. [mm]
constexpr std::array<const char*, 3> drivePulleys{"500", "800", "1250"};
constexpr std::array<double, 2> tensions{0, 1e6};  // T1 [N]: no load, and past every ladder

// One confirm and what it showed.
struct ConfirmRun {
    bool stopped = false;
    int focusBox = 0;
    EquipmentSelection selection;
    std::vector<ShownBox> shown;
    std::string report;
    std::string widthCode;
    std::string legAnswer;
};

struct Key {
    std::size_t D, T, d, bearing, trough, tilt;
};

// All runs of one width and idler form.
class Group {
public:
    ConfirmRun& at(const Key& k) { return runs_[index(k)]; }
    const ConfirmRun& at(const Key& k) const { return runs_[index(k)]; }

private:
    static std::size_t index(const Key& k) {
        return ((((k.D * tensions.size() + k.T) * diameters.size() + k.d) * bearings.size() +
                 k.bearing) *
                    troughs.size() +
                k.trough) *
                   tilts.size() +
               k.tilt;
    }
    std::vector<ConfirmRun> runs_ =
        std::vector<ConfirmRun>(drivePulleys.size() * tensions.size() * diameters.size() *
                                bearings.size() * troughs.size() * tilts.size());
};

std::vector<std::string> messages(const ConfirmRun& run) {
    std::vector<std::string> texts;
    for (const ShownBox& box : run.shown) {
        if (box.kind == ShownBox::Kind::message) {
            texts.push_back(box.text);
        }
    }
    return texts;
}

bool shows(const ConfirmRun& run, std::string_view text) {
    const std::vector<std::string> texts = messages(run);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The first height a leg prompt offers: "...选择：1000、..." gives "1000".
std::string firstOfferedHeight(const std::string& prompt) {
    const std::string colon = "：";
    const std::size_t start = prompt.find(colon);
    if (start == std::string::npos) {
        return "";
    }
    const std::size_t from = start + colon.size();
    const std::size_t end = prompt.find_first_not_of("0123456789", from);
    return prompt.substr(from, end == std::string::npos ? end : end - from);
}

// Answers the leg box with the first height on offer when the tilt is 0, and with a height no
// table offers otherwise.
class SweepDialogs : public testing::ScriptedDialogs {
public:
    bool answerValid = true;
    std::string answered;
    std::string askText(std::string_view prompt, std::string_view caption,
                        std::string_view defaultText) override {
        testing::ScriptedDialogs::askText(prompt, caption, defaultText);
        answered = answerValid ? firstOfferedHeight(std::string(prompt)) : "1";
        return answered;
    }
};

ConfirmRun confirm(const WidthEntry& width, std::int16_t form, const Key& k) {
    ConveyorDesign design = testing::baseDesign(width.B);
    SharedDesign& s = design.shared;
    s.carryingIdlerForm = form;
    s.carryingRollerDiameter = diameters[k.d];
    s.carryingBearing = bearings[k.bearing];
    s.carryingTroughAngle = troughs[k.trough];
    s.carryingTiltAngle = tilts[k.tilt];
    s.T1 = tensions[k.T];
    s.T2 = 0;
    EquipmentWindow window = testing::filledWindow(drivePulleys[k.D], "315");
    EquipmentWindowValues values;
    SweepDialogs dialogs;
    dialogs.answerValid = k.tilt == 0;
    ConfirmResult result = confirmEquipment(window, design, values, dialogs);
    ConfirmRun run;
    run.stopped = result.outcome == SelectionOutcome::stopped;
    run.focusBox = window.focusBox.value_or(0);
    run.selection = std::move(result.selection);
    run.shown = std::move(dialogs.shown);
    run.report = std::move(result.reportText);
    run.widthCode = values.widthCode;
    run.legAnswer = dialogs.answered;
    return run;
}

// ---------------------------------------------------------------------------------------------
// Shapes of the codes

struct SlotShape {
    SlotId slot;
    // Codes the slot may hold, separated by "|", "#" standing for a digit; an empty alternative
    // allows the empty code.
    std::string_view shapes;
};

const std::vector<SlotShape>& slotShapes() {
    static const std::vector<SlotShape> shapes{
        {drivePulley, "####Y/Z"},
        {transitionIdler10, "04##"},
        {transitionIdler20, "05##"},
        {transitionIdler30, "06##"},
        {impactIdler, "|07##|08##"},
        {carryingIdler, "|01##|02##|03##|25##|26##|14##"},
        {carryingTrainingIdler, "####"},
        {tailBendPulley, "####"},
        {returnIdler, "####"},
        {returnTrainingIdler, "####"},
        {headCleaner, "1"},
        {emptySectionCleaner, "2"},
        {takeUp, "###|####"},
        {snubPulley, "####"},
        {headFrame, "###"},
        {headChute, "###"},
        {intermediateFrame, "111|121"},
        {intermediateFrameShort, "101"},
        {convexFrame, "112|122"},
        {convexFrameShort, "102"},
        {concaveFrameR80000, "113|123"},
        {concaveFrameR120000, "114|124|None"},
        {concaveFrameR80000Short, "103"},
        {concaveFrameR120000Short, "104"},
        {loadingFrame, "105"},
        {legI, "|####"},
        {legII, "|####"},
        {skirtFront, "111"},
        {skirtMiddle, "121"},
        {skirtRear, "131"},
    };
    return shapes;
}

bool hasShape(std::string_view code, std::string_view shapes) {
    while (true) {
        const std::size_t bar = shapes.find('|');
        const std::string_view shape = shapes.substr(0, bar);
        const bool matches =
            code.size() == shape.size() &&
            std::equal(code.begin(), code.end(), shape.begin(),
                       [](char c, char s) { return s == '#' ? c >= '0' && c <= '9' : c == s; });
        if (matches) {
            return true;
        }
        if (bar == std::string_view::npos) {
            return false;
        }
        shapes.remove_prefix(bar + 1);
    }
}

void checkSlotShapes(const ConfirmRun& run, const std::string& where) {
    ASSERT_EQ(slotShapes().size(), slotCount);
    for (const SlotShape& shape : slotShapes()) {
        const Slot& slot = run.selection[shape.slot];
        const std::string at = where + ", slot " + std::to_string(static_cast<int>(shape.slot));
        if (slot.code) {
            EXPECT_TRUE(hasShape(*slot.code, shape.shapes))
                << at << ": code \"" << *slot.code << "\"";
        }
        if (slot.unitWeight) {
            EXPECT_TRUE(std::isfinite(*slot.unitWeight) && *slot.unitWeight >= 0)
                << at << ": weight " << *slot.unitWeight;
        }
        if (slot.code && slot.code->empty()) {
            EXPECT_EQ(slot.unitWeight, 0.0) << at << ": an empty code weighs 0";
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Where each message belongs

// Slot order of the messages: carrying idler, impact idler, transition idlers, drive pulley or
// stop, leg height.
int stageOf(const std::string& text, bool last, bool stopped) {
    if (text == troughAngle || text == vSetUnsuitable) {
        return 0;
    }
    if (text == noImpact) {
        return 1;
    }
    if (text == noTransitionSmall || text == noTransitionLarge) {
        return 2;
    }
    if (text == noDrivePulley || (last && stopped)) {
        return 3;
    }
    if (text == invalidLeg) {
        return 4;
    }
    return -1;
}

struct Context {
    const WidthEntry& width;
    std::int16_t form;
    const Group& group;
    std::optional<std::size_t> acceptedD;  // a diameter index the width accepts, if any
};

void checkMessages(const Context& c, const Key& k, const std::string& where) {
    const ConfirmRun& run = c.group.at(k);
    const std::vector<std::string> texts = messages(run);

    // Known texts, in the order of the slots, with their captions.
    int previousStage = 0;
    for (std::size_t i = 0; i < run.shown.size(); ++i) {
        const ShownBox& box = run.shown[i];
        if (box.kind != ShownBox::Kind::message) {
            EXPECT_EQ(box.caption, "输入框") << where;
            continue;
        }
        const bool last = i + 1 == run.shown.size();
        const int stage = stageOf(box.text, last, run.stopped);
        EXPECT_GE(stage, 0) << where << ": unexpected message " << box.text;
        EXPECT_GE(stage, previousStage) << where << ": " << box.text << " out of order";
        previousStage = stage;
        const bool equipmentCaption = box.text == noTransitionSmall ||
                                      box.text == noTransitionLarge || box.text == noDrivePulley ||
                                      (last && run.stopped && run.focusBox == 0);
        EXPECT_EQ(box.caption, equipmentCaption ? "消息框" : programTitle) << where << box.text;
    }

    if (run.stopped) {
        ASSERT_FALSE(texts.empty()) << where << ": a stop always says why";
        EXPECT_EQ(run.shown.back().kind, ShownBox::Kind::message) << where;
        EXPECT_TRUE(run.focusBox == 0 || run.focusBox == 1 || run.focusBox == 5) << where;
        // What was shown before the stop is what an accepted diameter shows first.
        if (c.acceptedD) {
            Key accepted = k;
            accepted.D = *c.acceptedD;
            const std::vector<std::string> full = messages(c.group.at(accepted));
            const std::vector<std::string> before(texts.begin(), texts.end() - 1);
            ASSERT_LE(before.size(), full.size()) << where;
            EXPECT_TRUE(std::equal(before.begin(), before.end(), full.begin())) << where;
        }
        return;
    }

    const EquipmentSelection& s = run.selection;
    const double lambda = troughs[k.trough];
    const auto codeAt = [&](SlotId slot, std::size_t trough) -> std::string {
        Key other = k;
        other.trough = trough;
        return c.group.at(other).selection[slot].code.value_or("");
    };
    constexpr std::size_t at35 = 1, at45 = 3;

    // Trough angle: a set the width lists at 35 or 45 degrees, asked for at another angle.
    const bool listedSet =
        !codeAt(carryingIdler, at35).empty() || !codeAt(carryingIdler, at45).empty();
    const bool troughExpected = c.form == 3 && lambda != 35 && lambda != 45 && listedSet;
    EXPECT_EQ(shows(run, troughAngle), troughExpected) << where;
    if (troughExpected) {
        EXPECT_FALSE(s[carryingIdler].code.has_value()) << where;
    }

    // The V-set refusal is the one row that writes an empty carrying code.
    EXPECT_EQ(shows(run, vSetUnsuitable), s[carryingIdler].code == "") << where;
    if (shows(run, vSetUnsuitable)) {
        EXPECT_EQ(c.form, 2) << where;
    }

    // Carrying idler codes follow the form, the trough angle and the tilt.
    if (const std::string code = s[carryingIdler].code.value_or(""); !code.empty()) {
        const bool tilted = tilts[k.tilt] != 0;
        std::string prefix;
        if (c.form == 3) {
            prefix = lambda == 45 ? "02" : lambda == 35 ? (tilted ? "03" : "01") : "none";
        } else {
            prefix = c.form == 2 ? (tilted ? "26" : "25") : "14";
        }
        EXPECT_EQ(code.substr(0, 2), prefix) << where;
    }

    // Impact idler: trough sets only; an empty one is explained unless the belt is flat (0
    // degrees) on rollers the width lists.
    const std::optional<std::string>& impact = s[impactIdler].code;
    if (c.form != 3) {
        EXPECT_TRUE(!impact || *impact == "") << where;
        EXPECT_FALSE(shows(run, noImpact)) << where;
    } else {
        const bool listedRollers = !codeAt(impactIdler, at35).empty();
        const bool impactExpected = impact == "" && !(lambda == 0 && listedRollers);
        EXPECT_EQ(shows(run, noImpact), impactExpected) << where;
        if (impact && !impact->empty()) {
            EXPECT_EQ(impact->substr(0, 2), lambda == 35 ? "07" : "08") << where;
        }
    }

    // Transition idlers: all three or none; a missing set is explained when another bearing on
    // the same rollers has one, in the wording of the width's smallest such rollers.
    const auto transitionsSet = [&](const EquipmentSelection& selection) {
        return selection[transitionIdler10].code.has_value();
    };
    EXPECT_EQ(s[transitionIdler10].code.has_value(), s[transitionIdler20].code.has_value())
        << where;
    EXPECT_EQ(s[transitionIdler10].code.has_value(), s[transitionIdler30].code.has_value())
        << where;
    std::optional<std::size_t> smallestListed;
    bool otherBearingListed = false;
    for (std::size_t d = 0; d < diameters.size(); ++d) {
        for (std::size_t b = 0; b < bearings.size(); ++b) {
            Key other = k;
            other.d = d;
            other.bearing = b;
            if (transitionsSet(c.group.at(other).selection)) {
                smallestListed = smallestListed.value_or(d);
                otherBearingListed = otherBearingListed || d == k.d;
            }
        }
    }
    const bool transitionExpected = !transitionsSet(s) && otherBearingListed;
    const bool small = smallestListed == k.d;
    EXPECT_EQ(shows(run, noTransitionSmall), transitionExpected && small) << where;
    EXPECT_EQ(shows(run, noTransitionLarge), transitionExpected && !small) << where;

    // Drive pulley: the load-ladder message exactly when the same design without load gets one.
    Key unloaded = k;
    unloaded.T = 0;
    const bool hasLadder = c.group.at(unloaded).selection[drivePulley].code.has_value();
    EXPECT_EQ(shows(run, noDrivePulley), hasLadder && !s[drivePulley].code) << where;

    // Leg height: asked at most once; the first offered height is taken, an unoffered one refused.
    std::size_t asked = 0;
    for (const ShownBox& box : run.shown) {
        asked += box.kind == ShownBox::Kind::input ? 1 : 0;
    }
    ASSERT_LE(asked, 1u) << where;
    EXPECT_EQ(s[legI].code.has_value(), asked == 1) << where;
    EXPECT_EQ(s[legII].code.has_value(), asked == 1) << where;
    if (asked == 1) {
        const bool refused = run.legAnswer == "1";
        EXPECT_FALSE(run.legAnswer.empty()) << where << ": the prompt names no height";
        EXPECT_EQ(shows(run, invalidLeg), refused) << where << " answer " << run.legAnswer;
        EXPECT_EQ(s[legI].code.value_or("").empty(), refused) << where << " " << run.legAnswer;
        EXPECT_EQ(s[legII].code.value_or("").empty(), refused) << where << " " << run.legAnswer;
        if (!refused) {
            EXPECT_GT(s[legI].unitWeight.value_or(0), 0) << where;
            EXPECT_GT(s[legII].unitWeight.value_or(0), 0) << where;
        }
    } else {
        EXPECT_FALSE(shows(run, invalidLeg)) << where;
    }
}

template <typename F>
void forEachKey(F f) {
    for (std::size_t D = 0; D < drivePulleys.size(); ++D) {
        for (std::size_t T = 0; T < tensions.size(); ++T) {
            for (std::size_t d = 0; d < diameters.size(); ++d) {
                for (std::size_t b = 0; b < bearings.size(); ++b) {
                    for (std::size_t l = 0; l < troughs.size(); ++l) {
                        for (std::size_t e = 0; e < tilts.size(); ++e) {
                            f(Key{D, T, d, b, l, e});
                        }
                    }
                }
            }
        }
    }
}

std::string describe(const WidthEntry& width, std::int16_t form, const Key& k) {
    return "B=" + std::to_string(width.B) + " form=" + std::to_string(form) +
           " D=" + drivePulleys[k.D] + " T1=" + std::to_string(tensions[k.T]) +
           " d=" + std::to_string(diameters[k.d]) +
           " bearing=" + std::to_string(bearings[k.bearing]) +
           " lambda=" + std::to_string(troughs[k.trough]) + " eps=" + std::to_string(tilts[k.tilt]);
}

TEST(EquipmentSweep, EveryWidthAndIdlerChoiceGivesWellFormedSlotsAndMessagesWhereTheyBelong) {
    ASSERT_FALSE(widthEntries().empty());
    for (const WidthEntry& width : widthEntries()) {
        // Whether each drive-pulley diameter stops this width; it must not depend on anything else.
        std::map<std::size_t, bool> stopsAt;
        for (const std::int16_t form : forms) {
            Group group;
            forEachKey([&](const Key& k) {
                ConfirmRun run = confirm(width, form, k);
                const std::string where = describe(width, form, k);
                const auto [known, inserted] = stopsAt.emplace(k.D, run.stopped);
                EXPECT_EQ(known->second, run.stopped) << where << ": a stop depends on D alone";
                if (!run.stopped) {
                    EXPECT_EQ(run.widthCode, width.widthCode) << where;
                    EXPECT_NE(run.report.find("DTⅡ" + std::string(width.widthCode)),
                              std::string::npos)
                        << where;
                    checkSlotShapes(run, where);
                } else {
                    EXPECT_TRUE(run.report.empty()) << where;
                }
                run.report.clear();
                group.at(k) = std::move(run);
            });
            std::optional<std::size_t> acceptedD;
            for (const auto& [D, stops] : stopsAt) {
                if (!stops && !acceptedD) {
                    acceptedD = D;
                }
            }
            const Context context{width, form, group, acceptedD};
            forEachKey([&](const Key& k) {
                // One broken rule fails many neighbouring cases; the first ones tell the story.
                if (!::testing::Test::HasFailure()) {
                    checkMessages(context, k, describe(width, form, k));
                }
            });
        }
    }
}

}  // namespace
}  // namespace dtii
