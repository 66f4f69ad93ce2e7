// Matching a file name against a list of wildcard patterns, the rules the
// search's extension filter uses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korbit::utilities {

// A pattern list ready for matching: patterns separated by ";", each with
// its leading blanks skipped; "*" stands for any run of characters (none
// included), "?" for exactly one; letter case does not count. A pattern
// that is exactly "*.*" matches every name, with or without a dot. Empty
// patterns match nothing, so an empty list matches no name.
class NamePattern {
public:
    explicit NamePattern(std::u16string_view patternList);

    // True when the whole of `name` matches one of the patterns.
    bool matches(std::u16string_view name) const;

private:
    std::vector<std::u16string> patterns_;  // lower-cased
    bool everything_ = false;
};

// The same as NamePattern(patternList).matches(name).
bool matchesPatternList(std::u16string_view name, std::u16string_view patternList);

}  // namespace korbit::utilities
