#include <gtest/gtest.h>

#include "korbit/utilities/name_pattern.h"

namespace korbit::utilities {
namespace {

struct Case {
    const char16_t* name;
    const char16_t* patterns;
    bool match;
};

TEST(NamePattern, MatchesTheWholeNameByTheFilterRules) {
    const Case cases[] = {
        {u"a.txt", u"*.txt", true},
        {u"A.TXT", u"*.txt", true},
        {u"a.txt", u"*.TXT", true},
        {u"a.txt.bak", u"*.txt", false},
        {u"a.txt", u"*.tx", false},
        {u"README", u"*.*", true},
        {u".hidden", u"*.*", true},
        {u"a.txt", u"", false},
        {u"a.txt", u";", false},
        {u"a.txt", u"*.doc;*.txt", true},
        {u"a.txt", u"*.doc; *.txt", true},
        {u"a.txt", u"*.doc;   *.txt", true},
        {u"a.txt", u"*.doc;*.xls", false},
        {u"abc", u"a?c", true},
        {u"ac", u"a?c", false},
        {u"abbc", u"a?c", false},
        {u"abc", u"*", true},
        {u"", u"*", true},
        {u"abc", u"a*b*c", true},
        {u"aXbYc", u"a*b*c", true},
        {u"acb", u"a*b*c", false},
        {u"mississippi", u"*sip*", true},
        {u"mississippi", u"m*iss*ppi", true},
        {u"file", u"file", true},
        {u"file1", u"file", false},
        {u"ÄRGER.TXT", u"ärger.*", true},
        {u"a*b", u"a*b", true},
        {u"x.txt", u"*.txt ", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchesPatternList(c.name, c.patterns), c.match) << "case " << (&c - cases);
    }
}

TEST(NamePattern, LongNamesDoNotTakeExponentialTime) {
    const std::u16string name(2000, u'a');
    EXPECT_FALSE(matchesPatternList(name, u"*a*a*a*a*a*a*a*a*a*b"));
}

}  // namespace
}  // namespace korbit::utilities
