// The edited design file: the extension a typed name gets, and the recently opened files.
#include <gtest/gtest.h>

#include "core/windows/design_document.h"

namespace dtii {
namespace {

TEST(SavedFileName, ANameWithoutExtensionGetsJson) {
    struct Case {
        const char* typed;
        const char* saved;
    };
    for (const Case& c : {
             Case{"/d/belt", "/d/belt.json"},
             Case{"/d/belt.txt", "/d/belt.txt"},
             Case{"/d/v1.2/belt", "/d/v1.2/belt.json"},
             Case{"/d/belt.", "/d/belt.json"},
         }) {
        EXPECT_EQ(withDesignExtension(c.typed), std::filesystem::path(c.saved)) << c.typed;
    }
}

TEST(RecentFiles, TheLastUsedComesFirstOnceAndFiveAreKept) {
    using List = std::vector<std::string>;
    struct Case {
        const char* name;
        List before;
        std::string used;
        List after;
    };
    for (const Case& c : {
             Case{"new in front", {"a", "b"}, "c", {"c", "a", "b"}},
             Case{"moved, not repeated", {"a", "b", "c"}, "b", {"b", "a", "c"}},
             Case{"oldest dropped", {"a", "b", "c", "d", "e"}, "f", {"f", "a", "b", "c", "d"}},
         }) {
        EXPECT_EQ(recentFilesAfterUse(c.before, c.used), c.after) << c.name;
    }
}

}  // namespace
}  // namespace dtii
