// Reading a design command's arguments.
#include "cli/design_arguments.h"

#include "core/echoed_value.h"

namespace dtii {

DesignArguments readDesignArguments(const std::vector<std::string>& arguments,
                                    const OptionReader& readOption) {
    std::optional<std::string> designPath;
    bool strict = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string problem;
        if (argument == "--strict") {
            problem = strict ? "--strict 只能给一次" : "";
            strict = true;
        } else if (argument.size() > 1 && argument.front() == '-') {
            const NextArgument next = [&]() -> std::optional<std::string> {
                if (i + 1 == arguments.size()) {
                    return std::nullopt;
                }
                return arguments[++i];
            };
            problem =
                readOption(argument, next).value_or("未知的选项“" + echoedValue(argument) + "”");
        } else if (designPath) {
            problem = "只能给一个设计文件，多出了“" + echoedValue(argument) + "”";
        } else {
            designPath = argument;
        }
        if (!problem.empty()) {
            return {{}, false, problem};
        }
    }
    if (!designPath) {
        return {{}, false, "缺少设计文件（文件为 - 时从标准输入读取）"};
    }
    return {*designPath, strict, {}};
}

}  // namespace dtii
