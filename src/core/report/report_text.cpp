// The report layout. Every list line is label (with its trailing blanks), "DTⅡ", width code,
// part letters, code, a gap of blanks and the unit weight; the tables below give each piece.
#include "core/report/report_text.h"

#include <array>
#include <optional>
#include <string_view>

#include "core/numbers.h"

namespace dtii {

namespace {

constexpr std::string_view lineBreak = "\r\n";
constexpr std::string_view seriesName = "DTⅡ";

enum class LineForm { designation, headChute, labelOnly };

struct ListLine {
    std::string_view label;  // without its trailing blanks
    std::size_t blanks = 0;  // trailing blanks of the label
    std::optional<SlotId> slot;
    std::string_view letters;
    std::size_t gap = 0;  // blanks between the code and the weight
    LineForm form = LineForm::designation;
};

using enum SlotId;

constexpr std::array<ListLine, 14> equipmentLines{{
    {"  1.传动滚筒", 9, drivePulley, "A", 5},
    {"  2.过渡托辊10度", 5, transitionIdler10, "C", 8},
    {"  3.过渡托辊20度", 5, transitionIdler20, "C", 8},
    {"  4.过渡托辊30度", 5, transitionIdler30, "C", 8},
    {"  5.缓冲托辊", 9, impactIdler, "C", 8},
    {"  6.上托辊", 11, carryingIdler, "C", 8},
    {"  7.上调心托辊", 7, carryingTrainingIdler, "C", 5},
    {"  8.尾部改向滚筒", 5, tailBendPulley, "B", 5},
    {"  9.下托辊", 11, returnIdler, "C", 5},
    {"  10.下调心托辊", 6, returnTrainingIdler, "C", 5},
    {"  11.头部清扫器", 6, headCleaner, "E", 5},
    {"  12.空段清扫器", 6, emptySectionCleaner, "E", 5},
    {"  13.拉紧装置", 8, takeUp, "D", 5},
    {"  14.增面轮", 10, snubPulley, "B", 5},
}};

// There is no item 15; the take-up frame (item 14) has no designation of its own.
constexpr std::array<ListLine, 17> structureLines{{
    {"  1.头部支架", 30, headFrame, "J01", 8},
    {"  2.头部漏斗L=", 0, headChute, "J22", 5, LineForm::headChute},
    {"  3.中间架L6000", 27, intermediateFrame, "J07", 5},
    {"  4.中间架L3000~6000", 22, intermediateFrameShort, "J07", 5},
    {"  5.凸弧段中间架L6000", 21, convexFrame, "J07", 5},
    {"  6.凸弧段中间架L3000~6000", 16, convexFrameShort, "J07", 5},
    {"  7.凹弧段中间架（R80000）L6000", 11, concaveFrameR80000, "J07", 5},
    {"  8.凹弧段中间架（R120000）L6000", 10, concaveFrameR120000, "J07", 5},
    {"  9.凹弧段中间架（R80000）L3000~6000", 6, concaveFrameR80000Short, "J07", 5},
    {"  10.凹弧段中间架（R120000）L3000~6000", 4, concaveFrameR120000Short, "J07", 5},
    {"  11.落料段中间架", 25, loadingFrame, "J07", 5},
    {"  12.支腿Ⅰ", 31, legI, "J08", 5},
    {"  13.支腿Ⅱ", 31, legII, "J08", 5},
    {"  14.拉紧装置架", 27, std::nullopt, "", 0, LineForm::labelOnly},
    {"  16.导料槽前段", 27, skirtFront, "J21", 5},
    {"  17.导料槽中段", 27, skirtMiddle, "J21", 5},
    {"  18.导料槽后段", 27, skirtRear, "J21", 5},
}};

constexpr std::size_t headChuteBlanks = 24;

class ReportWriter {
public:
    void line(std::string_view text) {
        text_ += text;
        text_ += lineBreak;
    }
    void line(std::string_view label, const std::string& number, std::string_view unit) {
        text_ += label;
        text_ += number;
        text_ += unit;
        text_ += lineBreak;
    }
    void listLine(const ListLine& line, const EquipmentSelection& selection) {
        text_ += line.label;
        if (line.form == LineForm::headChute) {
            text_ += numberText(headChuteLength(selection));
            text_.append(headChuteBlanks, ' ');
        } else {
            text_.append(line.blanks, ' ');
        }
        text_ += seriesName;
        if (line.form != LineForm::labelOnly) {
            const Slot& slot = selection[*line.slot];
            text_ += selection.widthCode;
            text_ += line.letters;
            text_ += slot.code.value_or(std::string());
            text_.append(line.gap, ' ');
            text_ += numberText(slot.unitWeight.value_or(0.0));
        }
        text_ += lineBreak;
    }
    std::string finish() {
        text_.resize(text_.size() - lineBreak.size());  // the last line has no break
        return std::move(text_);
    }
    void reserve(std::size_t size) { text_.reserve(size); }

private:
    std::string text_;
};

std::string single(double value) {
    return numberText(static_cast<float>(value));
}

}  // namespace

double headChuteLength(const EquipmentSelection& selection) {
    return selection.chuteLengthBase.value_or(0.0) -
           selection.chuteLengthDeduction.value_or(0.0) / 2;  // [mm]
}

std::string buildReport(const ConveyorDesign& design, const EquipmentSelection& selection) {
    const SharedDesign& shared = design.shared;
    ReportWriter report;
    report.reserve(4096);

    report.line("一.初始条件");
    report.line("  1.输送带宽度B=", numberText(static_cast<double>(shared.B)), "mm");
    report.line("  2.输送速度V=", numberText(shared.V), "m/s");
    report.line("  3.物料密度r=", numberText(shared.r), "kg/m^3");
    report.line("  4.输送能力Q=", numberText(shared.Q), "t/h");
    report.line("  5.输送机水平投影长度Lh=", numberText(shared.Lh), "m");
    report.line("  6.物料提升高度H=", numberText(shared.H), "m");
    report.line("");

    // The results are written in single precision, 7 significant digits.
    report.line("二.计算结果列表");
    report.line("  1.圆周驱动力Fu=", single(shared.Fu), "N");
    report.line("  2.传动滚筒圆周驱动功率Pa=", single(shared.Pa), "kw");
    report.line("  3.驱动电机所需功率Pm=", single(shared.Pm), "kw");
    report.line("  4.T1=", single(shared.T1), "N");
    report.line("  5.T2=", single(shared.T2), "N");
    report.line("  6.T3=", single(shared.T3), "N");
    report.line("  7.T4=", single(shared.T4), "N");
    report.line("8.承载面阻力Fw：", single(shared.Fw), "N");
    report.line("9.回程面阻力Fk：", single(shared.Fk), "N");
    report.line("");

    report.line("三.设备列表（名称/型号/单重(kg)）");
    for (const ListLine& line : equipmentLines) {
        report.listLine(line, selection);
    }
    report.line("");

    report.line("四.结构件清单");
    for (const ListLine& line : structureLines) {
        report.listLine(line, selection);
    }
    return report.finish();
}

}  // namespace dtii
