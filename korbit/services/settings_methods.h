// The settings-file methods of the control. Names and values reach the file
// as UTF-8, cut at their first NUL as the classic character-string interface
// sees them; a file path holding a NUL names no file.
#pragma once

#include "korbit/control/values/value.h"
#include "korbit/engine/status.h"
#include "korbit/services/families.h"

namespace korbit::services {

class SettingsMethods {
public:
    // Empty text for a missing file, section or key.
    Text ProfileGetItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile);

    // The writes answer nothing to their caller (a write that fails changes
    // nothing); the status they return reaches the host instead.
    engine::Status ProfileSaveItem(const Text& sSection, const Text& sKeyName, const Text& sValue,
                                   const Text& sIniFile);
    engine::Status ProfileDeleteItem(const Text& sSection, const Text& sKeyName, const Text& sIniFile);
    engine::Status ProfileDeleteSection(const Text& sSection, const Text& sIniFile);

    // The section's key names joined by NULs; ArrayINI gets them as an
    // array. Empty text, ArrayINI untouched, when there are none.
    Text ProfileGetSection(const Text& lpSectionName, const Text& IniFile, Array& ArrayINI);
    VBool IsArrayGood(const Value& AnyArray);
};

}  // namespace korbit::services
