// The settings-file methods of the control, and their bindings into its
// interface. Names and values reach the file as UTF-8, cut at their first NUL
// as the classic character-string interface sees them; a file path holding a
// NUL names no file.
#include <algorithm>
#include <optional>
#include <string>

#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"
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

template <typename Edit>
void rewrite(const Text& file, Edit edit) {
    const auto path = platform::toOsPath(file);
    if (!path || path->empty()) {
        return;
    }
    platform::rewriteProfileFile(*path, [&](std::string& content) {
        SettingsText settings(content);
        if (!edit(settings)) {
            return false;
        }
        content = settings.text();
        return true;
    });
}

}  // namespace

}  // namespace korbit::services

namespace korbit::control {

Text KorbitControl::ProfileGetItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile) {
    const auto settings = services::load(sIniFile);
    if (!settings) {
        return {};
    }
    const auto value = settings->value(services::nameOf(sSection), services::nameOf(sKeyName));
    if (!value) {
        return {};
    }
    Text text = platform::fromUtf8(*value);
    text.resize(std::min(text.size(), services::kReadBuffer - 1));
    return text;
}

void KorbitControl::ProfileSaveItem(const Text& sSection, const Text& sKeyName, const Text& sValue,
                                    const Text& sIniFile) {
    services::rewrite(sIniFile, [&](services::SettingsText& settings) {
        return settings.set(services::nameOf(sSection), services::nameOf(sKeyName), services::nameOf(sValue));
    });
}

void KorbitControl::ProfileDeleteItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile) {
    services::rewrite(sIniFile, [&](services::SettingsText& settings) {
        return settings.removeKey(services::nameOf(sSection), services::nameOf(sKeyName));
    });
}

void KorbitControl::ProfileDeleteSection(const Text& sSection, const Text& sIniFile) {
    services::rewrite(sIniFile, [&](services::SettingsText& settings) {
        return settings.removeSection(services::nameOf(sSection));
    });
}

Text KorbitControl::ProfileGetSection(const Text& lpSectionName, const Text& IniFile, Array& ArrayINI) {
    const auto settings = services::load(IniFile);
    if (!settings) {
        return {};
    }
    // The names as the classic interface copies them: each followed by a
    // NUL, a list too long for the buffer cut so that two NULs end it.
    Text list;
    for (const std::string& key : settings->keys(services::nameOf(lpSectionName))) {
        list += platform::fromUtf8(key);
        list += u'\0';
    }
    std::size_t count = list.size();
    if (count > services::kReadBuffer - 1) {
        count = services::kReadBuffer - 2;
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

VBool KorbitControl::IsArrayGood(const Value& AnyArray) {
    return toVBool(AnyArray.holds<Array>() && AnyArray.get<Array>().allocated());
}

}  // namespace korbit::control

namespace korbit::services {

namespace {

using control::DispatchObject;
using control::KorbitControl;
using control::Value;


Value getItem(DispatchObject& self, std::span<Value> a) {
    return controlOf(self).ProfileGetItem(a[0].get<Text>(), a[1].get<Text>(), a[2].get<Text>());
}

Value saveItem(DispatchObject& self, std::span<Value> a) {
    controlOf(self).ProfileSaveItem(a[0].get<Text>(), a[1].get<Text>(), a[2].get<Text>(), a[3].get<Text>());
    return {};
}

Value deleteItem(DispatchObject& self, std::span<Value> a) {
    controlOf(self).ProfileDeleteItem(a[0].get<Text>(), a[1].get<Text>(), a[2].get<Text>());
    return {};
}

Value deleteSection(DispatchObject& self, std::span<Value> a) {
    controlOf(self).ProfileDeleteSection(a[0].get<Text>(), a[1].get<Text>());
    return {};
}

Value getSection(DispatchObject& self, std::span<Value> a) {
    control::Array names = a[2].get<control::Array>();
    Text result = controlOf(self).ProfileGetSection(a[0].get<Text>(), a[1].get<Text>(), names);
    a[2] = std::move(names);
    return result;
}

Value isArrayGood(DispatchObject& self, std::span<Value> a) {
    return control::Boolean{controlOf(self).IsArrayGood(a[0])};
}

}  // namespace

void bindSettingsMethods(control::InterfaceInfo& info) {
    info.bind("ProfileGetItem", &getItem);
    info.bind("ProfileSaveItem", &saveItem);
    info.bind("ProfileDeleteItem", &deleteItem);
    info.bind("ProfileDeleteSection", &deleteSection);
    info.bind("ProfileGetSection", &getSection);
    info.bind("IsArrayGood", &isArrayGood);
}

}  // namespace korbit::services
