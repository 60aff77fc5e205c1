// The working of a computed design, from the values its record kept.
#include "core/report/sheet_working.h"

#include <initializer_list>

#include "core/calc/belt_tensions.h"
#include "core/calc/drive_constants.h"
#include "core/file/design_file.h"
#include "core/report/sheet_figures.h"

namespace dtii {
namespace {

constexpr std::string_view times = " × ";

// A substitution: the figures and the operators between them, in order.
std::string put(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text += part;
    }
    return text;
}

std::string fig(double value) {
    return workingFigure(value);
}

// A value as it is put in: in brackets when negative, so "- -5.0" reads "- (-5.0)".
std::string term(double value) {
    return value < 0 ? "(" + fig(value) + ")" : fig(value);
}

WorkingStep step(std::string formula, std::string substituted, double result, std::string_view unit,
                 std::string reason = {}) {
    return {std::move(formula), std::move(substituted),
            fig(result) + (unit.empty() ? "" : " " + std::string(unit)), std::move(reason)};
}

void massSteps(const ConveyorDesign& d, std::vector<WorkingStep>& steps) {
    const SharedDesign& s = d.shared;
    const InputDesign& in = d.input;
    steps.push_back(step("qG = Q / (3.6·V)", put({term(s.Q), " / (3.6", times, term(s.V), ")"}),
                         in.qG, "kg/m"));
    if (in.plyMass != 0 && in.coverMass != 0) {
        steps.push_back(step("qB = [z·q_z + (δ1 + δ2)·q_δ]·B / 1000",
                             put({"[", term(in.plies), times, fig(in.plyMass), " + (",
                                  fig(in.topCover), " + ", fig(in.bottomCover), ")", times,
                                  fig(in.coverMass), "]", times, term(s.B), " / 1000"}),
                             in.qB, "kg/m"));
    } else {
        steps.push_back(step("qB = B·q_st / 1000",
                             put({term(s.B), times, fig(in.steelCordMass), " / 1000"}), in.qB,
                             "kg/m"));
    }
    steps.push_back(
        step("qRO = n_o·G_o / a0",
             put({fig(s.carryingIdlerForm), times, fig(in.carryingRollerMass), " / ", term(s.a0)}),
             in.qRO, "kg/m"));
    steps.push_back(
        step("qRU = n_u·G_u / au",
             put({fig(s.returnIdlerForm), times, fig(in.returnRollerMass), " / ", term(in.au)}),
             in.qRU, "kg/m"));
}

void resistanceSteps(const ConveyorDesign& d, std::vector<WorkingStep>& steps) {
    const SharedDesign& s = d.shared;
    const InputDesign& in = d.input;
    const DriveWorkingValues& w = d.working;
    const double FH = w.mainAndSecondaryResistance / w.secondaryFactor;
    steps.push_back(step("F_H = f·g·[L·(qRO + qRU) + Lh·(qG + 2·qB)]",
                         put({fig(in.frictionFactor), times, fig(gravity), " × [", term(in.L),
                              " × (", fig(in.qRO), " + ", fig(in.qRU), ") + ", term(s.Lh), " × (",
                              fig(in.qG), " + 2 × ", fig(in.qB), ")]"}),
                         FH, "N"));
    steps.push_back(step("F_St = g·H·qG", put({fig(gravity), times, term(s.H), times, fig(in.qG)}),
                         w.slopeResistance, "N"));
    steps.push_back(step("F_S1 = F_ε + F_gl",
                         put({term(w.tiltResistance), " + ", term(w.skirtResistance)}),
                         w.specialMainResistance, "N"));
    steps.push_back(step("F_S2 = F_r + F_a",
                         put({term(w.cleanerResistance), " + ", term(in.ploughResistance)}),
                         w.specialSecondaryResistance, "N"));
    steps.push_back(
        step("Fu = C·F_H + F_S1 + F_S2 + F_St + F_εu",
             put({fig(w.secondaryFactor), times, fig(FH), " + ", term(w.specialMainResistance),
                  " + ", term(w.specialSecondaryResistance), " + ", term(w.slopeResistance), " + ",
                  term(w.returnTiltResistance)}),
             s.Fu, "N"));
    steps.push_back(
        step("Pa = Fu·V / 1000", put({term(s.Fu), times, term(s.V), " / 1000"}), s.Pa, "kW"));
    steps.push_back(
        step("Pm = Pa / η", put({term(s.Pa), " / ", fig(motorEfficiency)}), s.Pm, "kW"));
    const std::string CfG =
        put({fig(w.secondaryFactor), times, fig(in.frictionFactor), times, fig(gravity)});
    const std::string loaded = "(" + fig(in.qB) + " + " + fig(in.qG) + ")";  // qB + qG
    steps.push_back(step("Fw = C·f·g·Lh·(qB + qG) + F_a + F_S1 + C·f·g·L·qRO + g·H·(qB + qG)",
                         put({CfG,
                              times,
                              term(s.Lh),
                              times,
                              loaded,
                              " + ",
                              term(in.ploughResistance),
                              " + ",
                              term(w.specialMainResistance),
                              " + ",
                              CfG,
                              times,
                              term(in.L),
                              times,
                              fig(in.qRO),
                              " + ",
                              fig(gravity),
                              times,
                              term(s.H),
                              times,
                              loaded}),
                         s.Fw, "N"));
    steps.push_back(
        step("Fk = C·f·g·(Lh·qB + L·qRU) - g·H·qB + F_r + F_εu",
             put({CfG, " × (", term(s.Lh), times, fig(in.qB), " + ", term(in.L), times, fig(in.qRU),
                  ") - ", fig(gravity), times, term(s.H), times, fig(in.qB), " + ",
                  term(w.cleanerResistance), " + ", term(w.returnTiltResistance)}),
             s.Fk, "N"));
}

void tensionSteps(const ConveyorDesign& d, std::vector<WorkingStep>& steps) {
    const SharedDesign& s = d.shared;
    const InputDesign& in = d.input;
    const DriveWorkingValues& w = d.working;
    const std::string sag = fig(permittedSag);
    steps.push_back(
        step("S_u,min = au·qB·g / [8·(h/a)adm]",
             put({term(in.au), times, fig(in.qB), times, fig(gravity), " / (8 × ", sag, ")"}),
             w.returnSagTension, "N"));
    steps.push_back(step("S_o,min = a0·(qB + qG)·g / [8·(h/a)adm]",
                         put({term(s.a0), " × (", fig(in.qB), " + ", fig(in.qG), ")", times,
                              fig(gravity), " / (8 × ", sag, ")"}),
                         w.carryingSagTension, "N"));
    steps.push_back(
        step("S_2,min = K_A·Fu / [e^(μα) - 1]",
             put({fig(startingFactor), times, term(s.Fu), " / (", fig(w.wrapFactor), " - 1)"}),
             w.noSlipTension, "N"));

    const TensionCase t = tensionCase(
        {w.wrapFactor, s.Fw, s.Fk, w.noSlipTension, w.returnSagTension, w.carryingSagTension});
    const std::string slackReason =
        t.returnSagGoverns ? "回程分支垂度张力 " + fig(w.returnSagTension) + " N 大于不打滑张力 " +
                                 fig(w.noSlipTension) + " N，按回程分支垂度条件"
                           : "不打滑张力 " + fig(w.noSlipTension) + " N 不小于回程分支垂度张力 " +
                                 fig(w.returnSagTension) + " N，按传动滚筒不打滑条件";
    const double slack = t.returnSagGoverns ? w.returnSagTension : w.noSlipTension;
    if (!t.carryingSagRaised) {
        steps.push_back(step(t.returnSagGoverns ? "T2 = S_u,min" : "T2 = S_2,min", fig(slack), s.T2,
                             "N", slackReason));
        steps.push_back(
            step("T1 = e^(μα)·T2", put({fig(w.wrapFactor), times, term(s.T2)}), s.T1, "N"));
        steps.push_back(step("T4 = T1 - Fw", put({term(s.T1), " - ", term(s.Fw)}), s.T4, "N",
                             "T4 不小于承载分支垂度张力 S_o,min = " + fig(w.carryingSagTension) +
                                 " N，承载分支垂度满足"));
    } else {
        const double firstT4 = w.wrapFactor * slack - s.Fw;
        steps.push_back(step("T4 = S_o,min", fig(w.carryingSagTension), s.T4, "N",
                             slackReason + "时 T4 = e^(μα)·T2 - Fw = " + fig(firstT4) +
                                 " N，小于承载分支垂度张力，按承载分支垂度条件提高张力"));
        steps.push_back(step("T1 = T4 + Fw", put({term(s.T4), " + ", term(s.Fw)}), s.T1, "N"));
        steps.push_back(
            step("T2 = T1 / e^(μα)", put({term(s.T1), " / ", fig(w.wrapFactor)}), s.T2, "N"));
    }
    if (t.returnSagGoverns && !t.carryingSagRaised) {
        steps.push_back(step("T3 = T2 + Fk", put({term(s.T2), " + ", term(s.Fk)}), s.T3, "N",
                             "回程分支垂度条件控制且承载分支垂度满足，T3 由 T2 加回程阻力"));
    } else {
        steps.push_back(step("T3 = T4 / " + typedNumberText(tailPulleyFactor),
                             put({term(s.T4), " / ", fig(tailPulleyFactor)}), s.T3, "N",
                             "T3 由 T4 经尾部滚筒折算"));
    }
}

}  // namespace

std::vector<WorkingStep> workingSteps(const ConveyorDesign& record) {
    std::vector<WorkingStep> steps;
    massSteps(record, steps);
    resistanceSteps(record, steps);
    tensionSteps(record, steps);
    return steps;
}

}  // namespace dtii
