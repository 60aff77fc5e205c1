// The man page and the bash completion know every command and option of dtii-calc. The commands
// and options are taken from the program's own help text, so one added there is looked for here.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/command_line.h"
#include "core/checks/check_parameters.h"
#include "core/file/design_file.h"

namespace dtii {
namespace {

std::string packagingFile(const std::string& name) {
    std::ifstream in(std::string(DTII_SOURCE_DIR) + "/packaging/" + name, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    // The man page writes every minus as "\-".
    for (std::size_t at = text.find("\\-"); at != std::string::npos; at = text.find("\\-", at)) {
        text.erase(at, 1);
    }
    return text;
}

bool isWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

// `word` stands in `text` on its own, not as part of a longer name.
bool holdsWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || !isWordCharacter(text[at - 1])) &&
            (end == text.size() || !isWordCharacter(text[end]))) {
            return true;
        }
    }
    return false;
}

// Each command of the usage lines (the help text's lines that begin "  dtii-calc ") with every
// "-x" or "--name" its line names.
std::map<std::string, std::set<std::string>> usageOfHelpText() {
    std::map<std::string, std::set<std::string>> usage;
    std::istringstream lines(helpText());
    const std::string start = "  dtii-calc ";
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(start)) {
            continue;
        }
        std::istringstream words(line.substr(start.size()));
        std::string command;
        words >> command;
        std::set<std::string>& options = usage[command];
        for (std::string word; words >> word;) {
            const std::size_t first = word.find_first_not_of("[");
            const std::size_t last = word.find_last_not_of("]|.");
            word = first == std::string::npos ? "" : word.substr(first, last - first + 1);
            if (word.size() > 1 && word[0] == '-' && isWordCharacter(word[1])) {
                options.insert(word);
            }
        }
    }
    return usage;
}

// The completion's first word list, and the options it offers after each command
// ("sheet | bom) options='-o' ;;").
struct Completion {
    std::set<std::string> commands;
    std::map<std::string, std::set<std::string>> options;
};

std::set<std::string> wordsOf(const std::string& text) {
    std::istringstream words(text);
    return {std::istream_iterator<std::string>(words), {}};
}

Completion completionOf(const std::string& script) {
    Completion completion;
    std::smatch found;
    if (std::regex_search(script, found, std::regex("compgen -W '([^']*)'"))) {
        completion.commands = wordsOf(found[1]);
    }
    const std::regex branch(R"(\n\s*([a-z| ]+)\) options='([^']*)')");
    for (auto at = std::sregex_iterator(script.begin(), script.end(), branch);
         at != std::sregex_iterator(); ++at) {
        for (const std::string& command : wordsOf((*at)[1])) {
            if (command != "|") {
                completion.options[command] = wordsOf((*at)[2]);
            }
        }
    }
    return completion;
}

TEST(DocumentedOptions, everyCommandAndOptionIsInTheManPageAndTheCompletion) {
    const auto usage = usageOfHelpText();
    ASSERT_GE(usage.size(), 9u);  // calc report check sweep sheet bom lists --help --version
    const std::string manPage = packagingFile("dtii-calc.1.in");
    const Completion completion = completionOf(packagingFile("dtii-calc.bash-completion"));
    const std::size_t synopsis = manPage.find(".SH 概要");
    const std::string synopsisText = manPage.substr(synopsis, manPage.find(".SH 描述") - synopsis);
    for (const auto& [command, options] : usage) {
        EXPECT_TRUE(holdsWord(synopsisText, command)) << "man page synopsis lacks " << command;
        EXPECT_TRUE(completion.commands.contains(command)) << "completion lacks " << command;
        for (const std::string& option : options) {
            EXPECT_TRUE(holdsWord(synopsisText, option)) << "man page lacks " << option;
            EXPECT_TRUE(completion.options.contains(command) &&
                        completion.options.at(command).contains(option))
                << "completion lacks " << command << " " << option;
        }
    }
}

// sweep varies the keys of the input and checks sections: the completion offers each of them
// after --vary, and the man page describes the check parameters.
TEST(DocumentedOptions, theDesignFileKeysAreOfferedAndDescribed) {
    const std::string manPage = packagingFile("dtii-calc.1.in");
    const std::string script = packagingFile("dtii-calc.bash-completion");
    std::smatch found;
    ASSERT_TRUE(std::regex_search(script, found, std::regex("-S = -W '([^']*)'")));
    const std::set<std::string> offered = wordsOf(found[1]);
    std::vector<std::string_view> varied;
    for (const auto& key : inputBoxKeys) {
        varied.push_back(key.key);
    }
    for (const auto& key : inputListKeys) {
        varied.push_back(key.key);
    }
    for (const CheckParameterKey& key : checkParameterKeys) {
        varied.push_back(key.key);
        EXPECT_TRUE(holdsWord(manPage, std::string(key.key))) << "man page lacks " << key.key;
    }
    for (const std::string_view key : varied) {
        EXPECT_TRUE(offered.contains(std::string(key))) << "completion lacks " << key;
    }
}

}  // namespace
}  // namespace dtii
