// The text of dtii-calc --help: the commands, the output and the design file in brief.
#include <string>

#include "cli/command_line.h"
#include "core/file/design_file.h"

namespace dtii {
namespace {

template <class Control, std::size_t N>
std::string keyNames(const std::array<DesignKey<Control>, N>& keys) {
    std::string names;
    for (const DesignKey<Control>& key : keys) {
        names += (names.empty() ? "" : " ") + std::string(key.key);
    }
    return names;
}

}  // namespace

std::string helpText() {
    std::string text = R"(dtii-calc：带式输送机设计计算的命令行，与窗口程序使用同一套计算

用法：
  dtii-calc calc 设计文件
      计算并输出张力及电机功率计算结果（与结果窗口相同的十四行）。
  dtii-calc report [--append 报告文件] 设计文件
      计算、按 equipment 一节选取设备，输出计算结果及设备清单；
      --append 同时把这份清单追加到报告文件（与报告窗口的存盘相同：GBK 编码，带引号）。
  dtii-calc sheet 设计文件 -o 计算书.pdf
      与 report 相同地计算和选取设备，写出 A4 计算书（PDF，文件名须以 .pdf 结尾）；
      日期取 project.date，
      缺少时取 SOURCE_DATE_EPOCH 所在的日期（UTC），再缺少时取今天。
  dtii-calc bom 设计文件 -o 设备表.xlsx|设备表.csv
      写出设备及结构件表，按扩展名为 Excel 工作簿或 UTF-8 CSV。
  dtii-calc check [--json] 设计文件
      计算（与 calc 相同），再做设计校核：输送带强度、输送能力、电动机、
      减速器速比（equipment 一节有 D 时）、拉紧装置；每项一行，给出合格/不合格
      与建议；--json 输出一个 JSON 对象（results 与 checks）。
  dtii-calc sweep 设计文件 --vary 键=值 [--vary 键=值 ...]
      逐一计算各键取值的所有组合（最后一个 --vary 变化最快），输出 CSV。
      值为逗号分隔的文字（B=800,1000,1200），或数值范围 起点:终点:步长
      （V=1:4:0.5）；键为 input 一节或 checks 一节的键；最多 10000000 个组合。
      CSV 为 UTF-8，行尾 CR LF；计算被拒绝的组合 status 为 refused，原因在
      message 一列；各组合的消息框与输入框都不输出。
  --strict
      calc、report、sheet、bom、check、sweep 都可以加这个选项：数值输入须按原样
      读取，开头不是数字、数字之后还有其他字符或含全角数字的输入（如 "abc"、
      "12abc"、"５００"）作为设计文件错误拒绝（退出状态 2），指明键、文字和
      将被读成的值。不加时照旧按开头的数字读取，计算书的“说明与警告”列出这些输入。
  dtii-calc lists
      列出设计文件中各列表可以填写的项目文字。
  dtii-calc --help
      显示本说明。
  dtii-calc --version
      显示版本号。
设计文件为 - 时从标准输入读取。

输出：标准输出只有窗口会显示的文字（行间为 CR LF，末行之后不换行）。
每个消息框在标准错误上占一行“[标题] 文字”，输入框为“[输入框] 提示 -> 回答”；
窗口里“是否生成设备清单”“是否存盘”这类询问由命令自己回答“确定”，不输出。
退出状态：0 已输出结果；1 程序的检查中止了命令（提示在标准错误上）；
2 命令用法错误，或设计文件无法读取、格式不对。

设计文件（UTF-8 编码的 JSON）：
  {"format": "dtii-conveyor-design", "version": 1, "input": {...}, "equipment": {...},
   "checks": {...}}
每个值是在输入框中键入的文字，或在列表中选取的项目文字；写成 JSON 数字也可以，
含义与其文字相同。缺少的键表示输入框为空、列表未选择。未知的键、类型不对的值
都会被拒绝，不做任何计算。
  input 的输入框：)";
    text += keyNames(inputBoxKeys);
    text += R"(
  input 的列表：)";
    text += keyNames(inputListKeys);
    text += R"(
  托辊形式 carryingIdlerForm、returnIdlerForm：")";
    text += std::string(troughIdlerCaption) + "\"、\"" + std::string(vIdlerCaption) + "\"、\"" +
            std::string(flatIdlerCaption);
    text += R"(" 或 ""（不选）。
  ploughTrippers：有此键表示勾选了犁式卸料器，其值为卸料器个数。
  equipment 一节：takeUpType )";
    text += keyNames(equipmentBoxKeys);
    text += R"(；
      legHeight 为支腿高度输入框的回答（缺少时按取消处理）。
  project 一节（可省略）：name designer checker date，即计算书的工程名称、设计、校核、日期。
  checks 一节（可选，校核参数）：requiredSafetyFactor 要求的安全系数（大于 0；
      缺省时棉帆布 8、其他帆布 10、钢绳芯 7），surchargeAngle 动堆积角（度，
      大于 0 且不超过 45，缺省 20），motorSpeed 电动机同步转速（3000、1500、
      1000 或 750 r/min，缺省 1500）。
例子见 examples/ 目录，例如 dtii-calc report examples/belt800-trough.json。
)";
    return text;
}

}  // namespace dtii
