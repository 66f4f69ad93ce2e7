#include "korbit/utilities/name_pattern.h"

#include "korbit/platform/text_case.h"

namespace korbit::utilities {

namespace {

std::u16string lowered(std::u16string_view text) {
    for (const char16_t c : text) {
        if (c >= 0x80) {
            return platform::toLowerCase(text);
        }
    }
    std::u16string out(text);
    for (char16_t& c : out) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c - u'A' + u'a');
        }
    }
    return out;
}

// Wildcard match of the whole name, backtracking to the last "*" only.
bool wildcardMatch(std::u16string_view pattern, std::u16string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::u16string_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            star = p++;
            resume = n;
        } else if (star != std::u16string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

NamePattern::NamePattern(std::u16string_view patternList) {
    std::size_t at = 0;
    while (at <= patternList.size()) {
        std::size_t end = patternList.find(u';', at);
        if (end == std::u16string_view::npos) {
            end = patternList.size();
        }
        std::u16string_view part = patternList.substr(at, end - at);
        while (!part.empty() && part.front() == u' ') {
            part.remove_prefix(1);
        }
        if (part == u"*.*") {
            everything_ = true;
        } else if (!part.empty()) {
            patterns_.push_back(lowered(part));
        }
        at = end + 1;
    }
}

bool NamePattern::matches(std::u16string_view name) const {
    if (everything_) {
        return true;
    }
    if (patterns_.empty()) {
        return false;
    }
    const std::u16string folded = lowered(name);
    for (const std::u16string& pattern : patterns_) {
        if (wildcardMatch(pattern, folded)) {
            return true;
        }
    }
    return false;
}

bool matchesPatternList(std::u16string_view name, std::u16string_view patternList) {
    return NamePattern(patternList).matches(name);
}

}  // namespace korbit::utilities
