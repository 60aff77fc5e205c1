// The arguments after a design command's name: the options that command knows, and exactly one
// design file ("-" for standard input). Every command reads them the same way and words its
// usage errors the same way.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dtii {

// Hands an option the argument that follows it; empty when there is none.
using NextArgument = std::function<std::optional<std::string>()>;

// What a command makes of an argument that starts with '-': absent when the option is not one
// of its own, else a usage problem ("" when the option is fine).
using OptionReader =
    std::function<std::optional<std::string>(const std::string& option, const NextArgument& next)>;

struct DesignArguments {
    std::string designPath;
    bool strict = false;  // --strict: every number entry must read as typed
    std::string problem;  // a usage problem; empty when the arguments are fine
};

// Walks arguments[1 ...]; the first problem ends the walk. --strict, which every design command
// takes, is read here.
DesignArguments readDesignArguments(const std::vector<std::string>& arguments,
                                    const OptionReader& readOption);

}  // namespace dtii
