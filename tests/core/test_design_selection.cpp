// The automatic selection: the order of the list, the verdicts it judges by, and the search
// against every candidate design computed afresh on its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/checks/check_parameters.h"
#include "core/design/selection_lists.h"
#include "core/file/design_replay.h"
#include "core/select/design_selection.h"
#include "core/windows/input_window.h"
#include "support/scripted_dialogs.h"

namespace dtii {
namespace {

using testing::ScriptedDialogs;

DesignFile readExample(const std::string& name) {
    const DesignFileResult read = loadDesignFile(std::filesystem::path(DTII_EXAMPLES_DIR) / name);
    EXPECT_EQ(read.error, "");
    return read.design.value_or(DesignFile{});
}

SelectedDesign ranked(double width, double motor, double strength, double speed,
                      std::size_t beltType, double plies) {
    SelectedDesign d;
    d.width = width;
    d.ratedMotor = motor;
    d.strengthPerWidth = strength;
    d.speed = speed;
    d.beltTypeIndex = beltType;
    d.plyCount = plies;
    return d;
}

TEST(DesignSelection, OrderTakesEachRuleOnlyWhenTheEarlierOnesTie) {
    const SelectedDesign base = ranked(800, 30, 300, 2, 5, 4);
    struct Case {
        const char* rule;
        SelectedDesign better;
    };
    // Each better design wins on its rule although it loses on every later one.
    const Case cases[] = {
        {"narrower belt", ranked(650, 90, 900, 4, 9, 9)},
        {"smaller motor", ranked(800, 22, 900, 4, 9, 9)},
        {"weaker belt", ranked(800, 30, 200, 4, 9, 9)},
        {"lower speed", ranked(800, 30, 300, 1.6, 9, 9)},
        {"earlier belt type", ranked(800, 30, 300, 2, 1, 9)},
        {"fewer plies", ranked(800, 30, 300, 2, 5, 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_TRUE(ranksBefore(c.better, base));
        EXPECT_FALSE(ranksBefore(base, c.better));
    }
    EXPECT_FALSE(ranksBefore(base, base));
}

// The verdicts must be the verdicts of the check rows, in their order: a check that gains a
// verdict there and not here would let failing designs through.
TEST(DesignSelection, VerdictsAreThoseOfTheCheckRows) {
    for (const char* name : {"belt800-steelcord.json", "belt800-downhill.json"}) {
        SCOPED_TRACE(name);
        const DesignFile design = readExample(name);
        InputWindow window;
        ConveyorDesign record;
        ScriptedDialogs dialogs;
        loadInputWindow(window, record);
        replayInputWindow(design, window, record, dialogs);
        ASSERT_EQ(computeDrive(window, record, dialogs), ComputeOutcome::computed);
        CheckParameters strict;
        for (const double factor : {1.0, 1000.0}) {  // every belt passes, then none does
            strict.requiredSafetyFactor = factor;
            const DesignChecks checks =
                runDesignChecks(record, window.lists[InputList::beltType].text, strict, 800);
            std::vector<CheckVerdict> fromRows;
            const std::vector<CheckRow> rows = checkRows(checks);
            for (const CheckRow& row : rows) {
                if (row.ok) {
                    fromRows.push_back({row.name, *row.ok});
                }
            }
            const std::vector<CheckVerdict> verdicts = checkVerdicts(checks);
            ASSERT_EQ(verdicts.size(), fromRows.size());
            for (std::size_t i = 0; i < verdicts.size(); ++i) {
                EXPECT_EQ(verdicts[i].check, fromRows[i].check);
                EXPECT_EQ(verdicts[i].ok, fromRows[i].ok);
            }
        }
    }
}

// The passing designs found by typing every candidate into a fresh window, best first.
std::vector<SelectedDesign> passingAfresh(const DesignFile& base, double maxSpeed) {
    std::vector<SelectedDesign> passing;
    const CheckParameters parameters = usableCheckParameters(base.checks);
    for (const std::vector<SweepAxis>& axes : candidateSweeps(base, maxSpeed)) {
        for (const std::string& B : axes[0].values) {
            for (const std::string& V : axes[1].values) {
                for (const std::string& type : axes[2].values) {
                    for (const std::string& plies : axes[3].values) {
                        DesignFile design = base;
                        design.boxes[InputBox::beltWidth] = B;
                        design.boxes[InputBox::beltSpeed] = V;
                        design.lists[InputList::beltType] = type;
                        design.boxes[InputBox::plies] = plies;
                        InputWindow window;
                        ConveyorDesign record;
                        ScriptedDialogs dialogs;
                        loadInputWindow(window, record);
                        replayInputWindow(design, window, record, dialogs);
                        if (computeDrive(window, record, dialogs) != ComputeOutcome::computed ||
                            !dialogs.shown.empty()) {
                            continue;
                        }
                        const DesignChecks checks =
                            runDesignChecks(record, type, parameters, std::nullopt);
                        if (!everyVerdictPasses(checkVerdicts(checks))) {
                            continue;
                        }
                        SelectedDesign d;
                        d.B = B, d.V = V, d.beltType = type, d.plies = plies;
                        d.width = record.shared.B, d.speed = record.shared.V;
                        d.beltTypeIndex =
                            static_cast<std::size_t>(findItem(beltTypes, type) - beltTypes.data());
                        d.plyCount = record.input.plies;
                        d.ratedMotor = *checks.motor.rated;
                        d.strengthPerWidth = checks.beltStrength.strengthPerWidth;
                        d.T1 = record.shared.T1;
                        passing.push_back(d);
                    }
                }
            }
        }
    }
    std::sort(passing.begin(), passing.end(), ranksBefore);
    return passing;
}

TEST(DesignSelection, FindsWhatEachCandidateGivesAloneBestFirst) {
    const DesignFile base = readExample("belt800-trough.json");
    const SelectionResult result = selectDesigns(base, {1.6, 25});
    const std::vector<SelectedDesign> afresh = passingAfresh(base, 1.6);
    EXPECT_EQ(result.candidates, 6u * 4u * (20u * 8u + 11u));
    EXPECT_EQ(result.passing, afresh.size());
    ASSERT_EQ(result.best.size(), std::min<std::size_t>(25, afresh.size()));
    ASSERT_GT(result.best.size(), 0u);
    for (std::size_t i = 0; i < result.best.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(
            result.best[i].B + result.best[i].V + result.best[i].beltType + result.best[i].plies,
            afresh[i].B + afresh[i].V + afresh[i].beltType + afresh[i].plies);
        EXPECT_EQ(result.best[i].T1, afresh[i].T1);
        EXPECT_LE(result.best[i].speed, 1.6);
    }
}

TEST(DesignSelection, NamesTheRefusalWhenMostCandidatesWereRefused) {
    DesignFile design = readExample("belt800-trough.json");
    design.boxes[InputBox::materialDensity] = "";  // every candidate is refused
    const SelectionResult refused = selectDesigns(design, {});
    EXPECT_EQ(refused.refused, refused.candidates);
    EXPECT_NE(noPassingDesignMessage(refused).find("个方案未能计算，第一个的提示是“请"),
              std::string::npos)
        << noPassingDesignMessage(refused);
}

}  // namespace
}  // namespace dtii
