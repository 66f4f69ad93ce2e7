#include "korbit/services/settings_methods.h"

#include <algorithm>
#include <optional>
#include <string>

#include "korbit/base/concat.h"
#include "korbit/platform/profile_file.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/settings_store.h"

namespace korbit::services {

namespace {

using control::Text;

// The read buffer of the classic interface: 65,536 characters, of which the
// last holds the terminating NUL.
constexpr std::size_t kReadBuffer = 65536;

std::string nameOf(const Text& text) { return platform::toUtf8(std::u16string_view(text).substr(0, text.find(u'\0'))); }

std::optional<SettingsText> load(const Text& file) {
    const auto path = platform::toOsPath(file);
    if (!path || path->empty()) {
        return std::nullopt;
    }
    const auto content = platform::readRegularFile(*path);
    if (!content) {
        return std::nullopt;
    }
    return SettingsText(*content);
}

// Edits the settings file `file` in place. `edit` changes the text and says
// whether it did; refusing to (a name that would not read back) is a
// failure. Nothing changed is no failure.
template <typename Edit>
engine::Status rewrite(const Text& file, Edit edit) {
    const auto path = platform::toOsPath(file);
    if (!path || path->empty()) {
        return {engine::ErrorCode::InvalidArgument,
                concat("\"", platform::toUtf8(platform::displayText(file)), "\" names no settings file")};
    }
    bool refused = false;
    engine::Status written = platform::rewriteProfileFile(*path, [&](std::string& content) {
        SettingsText settings(content);
        const std::optional<bool> changed = edit(settings);
        if (!changed) {
            refused = true;
            return false;
        }
        if (!*changed) {
            return false;
        }
        content = settings.text();
        return true;
    });
    if (refused) {
        return {engine::ErrorCode::InvalidArgument,
                "a section or key name, or a value, of " + *path + " would not read back as written"};
    }
    return written;
}

}  // namespace

Text SettingsMethods::ProfileGetItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile) {
    const auto settings = load(sIniFile);
    if (!settings) {
        return {};
    }
    const auto value = settings->value(nameOf(sSection), nameOf(sKeyName));
    if (!value) {
        return {};
    }
    Text text = platform::fromUtf8(*value);
    text.resize(std::min(text.size(), kReadBuffer - 1));
    return text;
}

engine::Status SettingsMethods::ProfileSaveItem(const Text& sSection, const Text& sKeyName, const Text& sValue,
                                                const Text& sIniFile) {
    return rewrite(sIniFile, [&](SettingsText& settings) -> std::optional<bool> {
        if (!settings.set(nameOf(sSection), nameOf(sKeyName), nameOf(sValue))) {
            return std::nullopt;
        }
        return true;
    });
}

engine::Status SettingsMethods::ProfileDeleteItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile) {
    return rewrite(sIniFile, [&](SettingsText& settings) -> std::optional<bool> {
        return settings.removeKey(nameOf(sSection), nameOf(sKeyName));
    });
}

engine::Status SettingsMethods::ProfileDeleteSection(const Text& sSection, const Text& sIniFile) {
    return rewrite(sIniFile, [&](SettingsText& settings) -> std::optional<bool> {
        return settings.removeSection(nameOf(sSection));
    });
}

Text SettingsMethods::ProfileGetSection(const Text& lpSectionName, const Text& IniFile, Array& ArrayINI) {
    const auto settings = load(IniFile);
    if (!settings) {
        return {};
    }
    // The names as the classic interface copies them: each followed by a
    // NUL, a list too long for the buffer cut so that two NULs end it.
    Text list;
    for (const std::string& key : settings->keys(nameOf(lpSectionName))) {
        list += platform::fromUtf8(key);
        list += u'\0';
    }
    std::size_t count = list.size();
    if (count > kReadBuffer - 1) {
        count = kReadBuffer - 2;
    }
    if (count < 1) {
        return {};
    }
    Text kept = list.substr(0, count - 1);
    std::vector<Text> names;
    std::size_t start = 0;
    if (!kept.empty()) {
        for (std::size_t nul = kept.find(u'\0'); nul != Text::npos; nul = kept.find(u'\0', start)) {
            names.push_back(kept.substr(start, nul - start));
            start = nul + 1;
        }
        names.push_back(kept.substr(start));
    }
    ArrayINI = Array::ofTexts(names);
    return kept;
}

VBool SettingsMethods::IsArrayGood(const Value& AnyArray) {
    return control::toVBool(AnyArray.holds<Array>() && AnyArray.get<Array>().allocated());
}

}  // namespace korbit::services

