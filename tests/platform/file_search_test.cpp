// Wildcards of the find-first search (the search itself: FileExistQ).
#include <gtest/gtest.h>

#include "korbit/platform/file_search.h"

namespace korbit::platform {
namespace {

TEST(Wildcard, StarAndQuestionMarkMatchWholeCharacters) {
    const struct {
        std::string_view pattern;
        std::string_view name;
        bool matches;
    } cases[] = {
        {"*", "", true},          {"*.txt", "a.txt", true},     {"*.txt", "a.txt.bak", false},
        {"*.txt", "A.TXT", false},  // names differ by case here
        {"a*b*c", "aXbYbZc", true}, {"a*b*c", "aXbYbZ", false}, {"**x", "abx", true},
        {"?", ".", true},         {"?", "..", false},           {"x?z", "xz", false},
        {"?", "\xC3\xA9", true},  // one character, two bytes
        {"*.*", "README", true},  // the host's "all files"
    };
    for (const auto& c : cases) {
        EXPECT_EQ(matchesWildcard(c.pattern, c.name), c.matches) << c.pattern << " vs " << c.name;
    }
}

}  // namespace
}  // namespace korbit::platform
