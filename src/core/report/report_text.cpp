// The report layout. Every list line is label (with its trailing blanks), "DTⅡ", width code,
// part letters, code, a gap of blanks and the unit weight; report_list_lines.h gives each piece.
#include "core/report/report_text.h"

#include <optional>
#include <string_view>

#include "core/numbers.h"
#include "core/report/report_list_lines.h"

namespace dtii {

namespace {

constexpr std::string_view lineBreak = "\r\n";

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
        text_ += lineDesignation(line, selection);
        if (const std::optional<double> weight = lineUnitWeight(line, selection)) {
            text_.append(line.gap, ' ');
            text_ += numberText(*weight);
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
