#include "korbit/services/settings_store.h"

#include <algorithm>
#include <utility>

#include "korbit/base/concat.h"

namespace korbit::services {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

char foldAscii(char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The section name of a "[...]" line: the text up to the first "]" (or the
// line's end), trimmed.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() != '[') {
        return std::nullopt;
    }
    const std::string_view inner = t.substr(1);
    return trimBlanks(inner.substr(0, inner.find(']')));
}

bool isComment(std::string_view line) { return trimBlanks(line).starts_with(';'); }

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') {
        return std::nullopt;
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{trimBlanks(t.substr(0, eq)), trimBlanks(t.substr(eq + 1))};
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

std::string_view trimBlanks(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool namesEqual(std::string_view a, std::string_view b) noexcept {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

SettingsText::SettingsText(std::string_view content) {
    if (content.starts_with(kByteOrderMark)) {
        byteOrderMark_ = true;
        content.remove_prefix(kByteOrderMark.size());
    }
    bool lineEndSeen = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        const std::size_t endLength = c == '\r' && i + 1 < content.size() && content[i + 1] == '\n' ? 2 : 1;
        if (!lineEndSeen) {
            lineEnd_ = std::string(content.substr(i, endLength));
            lineEndSeen = true;
        }
        lines_.emplace_back(content.substr(start, i - start));
        i += endLength - 1;
        start = i + 1;
    }
    if (start < content.size()) {
        lines_.emplace_back(content.substr(start));
    }
}

std::optional<SettingsText::Span> SettingsText::findSection(std::string_view section, std::size_t from) const {
    const std::string_view wanted = trimBlanks(section);
    for (std::size_t i = from; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (!name || !namesEqual(*name, wanted)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(lines_[end])) {
            ++end;
        }
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> SettingsText::findKey(const Span& span, std::string_view key) const {
    const std::string_view wanted = trimBlanks(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto entry = keyLine(lines_[i]);
        if (entry && namesEqual(entry->key, wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> SettingsText::value(std::string_view section, std::string_view key) const {
    const auto span = findSection(section);
    if (!span) {
        return std::nullopt;
    }
    const auto line = findKey(*span, key);
    if (!line) {
        return std::nullopt;
    }
    return std::string(unquote(keyLine(lines_[*line])->value));
}

std::vector<std::string> SettingsText::keys(std::string_view section) const {
    std::vector<std::string> names;
    const auto span = findSection(section);
    if (!span) {
        return names;
    }
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const auto entry = keyLine(lines_[i]);
        if (entry && std::none_of(names.begin(), names.end(),
                                  [&](const std::string& known) { return namesEqual(known, entry->key); })) {
            names.emplace_back(entry->key);
        }
    }
    return names;
}

bool SettingsText::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view sectionTrimmed = trimBlanks(section);
    const std::string_view keyTrimmed = trimBlanks(key);
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) ||
        sectionTrimmed.find(']') != std::string_view::npos || keyTrimmed.find('=') != std::string_view::npos ||
        keyTrimmed.starts_with(';') || keyTrimmed.starts_with('[')) {
        return false;
    }
    const auto span = findSection(sectionTrimmed);
    if (!span) {
        lines_.push_back(concat("[", sectionTrimmed, "]"));
        lines_.push_back(std::string(keyTrimmed) + "=" + std::string(value));
        return true;
    }
    if (const auto line = findKey(*span, keyTrimmed)) {
        lines_[*line] = std::string(keyLine(lines_[*line])->key) + "=" + std::string(value);
        return true;
    }
    std::size_t at = span->end;
    while (at > span->header + 1 && trimBlanks(lines_[at - 1]).empty()) {
        --at;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::string(keyTrimmed) + "=" + std::string(value));
    return true;
}

bool SettingsText::removeKey(std::string_view section, std::string_view key) {
    const auto span = findSection(section);
    if (!span) {
        return false;
    }
    const std::string_view wanted = trimBlanks(key);
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(span->header + 1);
    const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(span->end);
    const auto kept = std::remove_if(first, last, [&](const std::string& line) {
        const auto entry = keyLine(line);
        return entry && namesEqual(entry->key, wanted);
    });
    if (kept == last) {
        return false;
    }
    lines_.erase(kept, last);
    return true;
}

bool SettingsText::removeSection(std::string_view section) {
    bool removed = false;
    std::size_t from = 0;
    while (const auto span = findSection(section, from)) {
        const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(span->header);
        const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(span->end);
        const auto comments = std::remove_if(first, last, [](const std::string& line) { return !isComment(line); });
        from = span->header + static_cast<std::size_t>(comments - first);
        lines_.erase(comments, last);
        removed = true;
    }
    return removed;
}

std::string SettingsText::text() const {
    std::string out = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : lines_) {
        out += line;
        out += lineEnd_;
    }
    return out;
}

}  // namespace korbit::services
