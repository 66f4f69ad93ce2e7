// The sectioned settings-file format: "[Section]" lines, "key=value" lines,
// ";" comment lines. Plain C++ over UTF-8 text, so the format can be checked
// on its own.
//
// Reading rules: section and key names compare without regard to ASCII
// letter case; the first matching section and, within it, the first
// matching key win; blanks (space, tab) around names and values are
// trimmed; a value wrapped in one pair of matching quotes (" or ') loses
// them. Lines before the first section, comment lines, and lines without
// "=" are kept untouched but never matched or listed.
//
// Writing rules: an existing key keeps its spelling in the file and gets the
// new value; a new key goes after the last non-blank line of its section; a
// new section goes at the end of the file. Every line is written with the
// line end the text already uses (CRLF, LF or CR; LF for an empty text), and
// a leading UTF-8 byte-order mark is kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korbit::services {

class SettingsText {
public:
    // Accepts CRLF, LF and CR line ends, mixed.
    explicit SettingsText(std::string_view content);

    // The value of `key` in `section` (names trimmed before comparing);
    // nothing when either is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // The key names of the first matching section in file order, each name
    // once (its first spelling); empty when the section is missing.
    std::vector<std::string> keys(std::string_view section) const;

    // Sets `key` to `value`, adding the key or the section when missing.
    // Refuses (false, nothing changed) names and values that would not read
    // back as written: a line break anywhere, "]" in the section name, "=" in
    // the key name, a key name that would read as a comment or a section.
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // Removes every line of `key` in the first matching section; false when
    // there was none.
    bool removeKey(std::string_view section, std::string_view key);

    // Removes every matching section with all its lines but its comments,
    // which stay where they stood; false when there was none.
    bool removeSection(std::string_view section);

    // The whole text, every line ended.
    std::string text() const;

private:
    struct Span {
        std::size_t header;  // index of the "[...]" line
        std::size_t end;     // one past the section's last line
    };
    std::optional<Span> findSection(std::string_view section, std::size_t from = 0) const;
    std::optional<std::size_t> findKey(const Span& span, std::string_view key) const;

    std::vector<std::string> lines_;
    std::string lineEnd_ = "\n";
    bool byteOrderMark_ = false;
};

// Blanks (space, tab) removed from both ends.
std::string_view trimBlanks(std::string_view text) noexcept;

// True when `a` and `b` are equal but for ASCII letter case.
bool namesEqual(std::string_view a, std::string_view b) noexcept;

}  // namespace korbit::services
