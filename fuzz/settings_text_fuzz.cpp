// Settings text: any bytes parse; the text written back parses to the same
// answers; edits keep every other answer and read back as written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "korbit/services/settings_store.h"

namespace {

using korbit::services::SettingsText;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Every section and key the text names, asked both ways.
void requireSameAnswers(const SettingsText& a, const SettingsText& b, std::string_view probeSection,
                        std::string_view probeKey) {
    require(a.keys(probeSection) == b.keys(probeSection));
    require(a.value(probeSection, probeKey) == b.value(probeSection, probeKey));
    for (const std::string& key : a.keys(probeSection)) {
        require(a.value(probeSection, key) == b.value(probeSection, key));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // Layout: section \x01 key \x01 value \x01 file text.
    const std::size_t a = input.find('\x01');
    const std::size_t b = a == std::string_view::npos ? a : input.find('\x01', a + 1);
    const std::size_t c = b == std::string_view::npos ? b : input.find('\x01', b + 1);
    if (c == std::string_view::npos) {
        SettingsText text(input);
        SettingsText again(text.text());
        require(again.text() == text.text());
        return 0;
    }
    const std::string_view section = input.substr(0, a);
    const std::string_view key = input.substr(a + 1, b - a - 1);
    const std::string_view value = input.substr(b + 1, c - b - 1);
    const std::string_view content = input.substr(c + 1);

    const SettingsText original(content);
    const SettingsText reparsed(original.text());
    requireSameAnswers(original, reparsed, section, key);
    require(reparsed.text() == original.text());

    SettingsText edited = reparsed;
    if (edited.set(section, key, value)) {
        const SettingsText after(edited.text());
        const auto read = after.value(section, key);
        require(read.has_value());
        std::string_view expected = korbit::services::trimBlanks(value);
        if (expected.size() >= 2 && (expected.front() == '"' || expected.front() == '\'') &&
            expected.back() == expected.front()) {
            expected = expected.substr(1, expected.size() - 2);
        }
        require(*read == expected);
        requireSameAnswers(edited, after, section, key);
    }
    SettingsText removed = reparsed;
    removed.removeKey(section, key);
    require(!SettingsText(removed.text()).value(section, key).has_value());
    removed.removeSection(section);
    const SettingsText gone(removed.text());
    require(gone.keys(section).empty() && !gone.value(section, key).has_value());
    return 0;
}
