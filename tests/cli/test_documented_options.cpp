// The man page and the bash completion know every command and option of dtii-calc. The commands
// and options are taken from the program's own help text, so one added there is looked for here.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
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

struct Usage {
    std::set<std::string> commands;  // the word after "dtii-calc" on each usage line
    std::set<std::string> options;   // every "-x" or "--name" on those lines
};

// The usage lines of the help text are the ones that begin "  dtii-calc ".
Usage usageOfHelpText() {
    Usage usage;
    std::istringstream lines(helpText());
    const std::string start = "  dtii-calc ";
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with(start)) {
            continue;
        }
        std::istringstream words(line.substr(start.size()));
        std::string word;
        words >> word;
        usage.commands.insert(word);
        while (words >> word) {
            const std::size_t first = word.find_first_not_of("[");
            const std::size_t last = word.find_last_not_of("]|.");
            word = first == std::string::npos ? "" : word.substr(first, last - first + 1);
            if (word.size() > 1 && word[0] == '-' && isWordCharacter(word[1])) {
                usage.options.insert(word);
            }
        }
    }
    return usage;
}

TEST(DocumentedOptions, theHelpTextNamesTheCommandsThisTestLooksFor) {
    const Usage usage = usageOfHelpText();
    for (const char* known : {"calc", "report", "check", "sweep", "sheet", "bom", "lists"}) {
        EXPECT_TRUE(usage.commands.contains(known)) << known;
    }
    for (const char* known : {"--append", "--json", "--vary", "-o"}) {
        EXPECT_TRUE(usage.options.contains(known)) << known;
    }
}

TEST(DocumentedOptions, everyCommandAndOptionIsInTheManPageAndTheCompletion) {
    const Usage usage = usageOfHelpText();
    const std::string manPage = packagingFile("dtii-calc.1.in");
    const std::string completion = packagingFile("dtii-calc.bash-completion");
    const std::size_t synopsis = manPage.find(".SH 概要");
    const std::string synopsisText = manPage.substr(synopsis, manPage.find(".SH 描述") - synopsis);
    for (const std::string& command : usage.commands) {
        EXPECT_TRUE(holdsWord(synopsisText, command)) << "man page synopsis lacks " << command;
        EXPECT_TRUE(holdsWord(completion, command)) << "completion lacks " << command;
    }
    for (const std::string& option : usage.options) {
        EXPECT_TRUE(holdsWord(manPage, option)) << "man page lacks " << option;
        EXPECT_TRUE(holdsWord(completion, option)) << "completion lacks " << option;
    }
}

// sweep varies the keys of the input and checks sections: the completion offers each of them,
// and the man page describes the check parameters.
TEST(DocumentedOptions, theDesignFileKeysAreOfferedAndDescribed) {
    const std::string manPage = packagingFile("dtii-calc.1.in");
    const std::string completion = packagingFile("dtii-calc.bash-completion");
    std::vector<std::string> varied;
    for (const auto& key : inputBoxKeys) {
        varied.emplace_back(key.key);
    }
    for (const auto& key : inputListKeys) {
        varied.emplace_back(key.key);
    }
    for (const CheckParameterKey& key : checkParameterKeys) {
        varied.emplace_back(key.key);
        EXPECT_TRUE(holdsWord(manPage, std::string(key.key))) << "man page lacks " << key.key;
    }
    for (const std::string& key : varied) {
        EXPECT_TRUE(holdsWord(completion, key)) << "completion lacks " << key;
    }
}

}  // namespace
}  // namespace dtii
