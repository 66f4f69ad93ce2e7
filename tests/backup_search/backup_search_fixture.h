// A control with a scripted host and a scratch folder tree, and shorthands
// for the texts and records the backup and search methods take.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "korbit/control/korbit_control.h"
#include "korbit/control/values/type_library.h"
#include "platform/scratch_folder.h"
#include "support/scripted_host.h"
#include "support/test_system.h"

namespace korbit::testing {

inline control::Text u16(const std::string& s) { return control::Text(s.begin(), s.end()); }

inline std::vector<std::string> texts(const control::Array& a) {
    std::vector<std::string> out;
    for (const control::Value& v : a.elements()) {
        const control::Text& t = v.get<control::Text>();
        out.emplace_back(t.begin(), t.end());
    }
    return out;
}

class BackupSearch : public ::testing::Test {
protected:
    static control::Record fileParams(std::int32_t mode, const std::string& pattern, bool recursive) {
        control::Record r = control::makeRecord(*control::findRecord("FILE_PARAMS"));
        r.field("bRecursive") = control::Boolean{control::toVBool(recursive)};
        r.field("bExclusiveSpecExt") = mode;
        r.field("sExclusiveExtensions") = u16(pattern);
        return r;
    }
    control::Record backupParams(const std::string& source, const std::string& target, bool recursive,
                                 bool flat = false) const {
        control::Record r = control::makeRecord(*control::findRecord("BACKUP_FILE_PARAMS"));
        r.field("SourceFolder") = u16(source);
        r.field("TargetFolder") = u16(target);
        r.field("bRecursive") = control::Boolean{control::toVBool(recursive)};
        r.field("ExtractToOne") = control::Boolean{control::toVBool(flat)};
        return r;
    }
    static std::int32_t count(const control::Record& r, const char* name) {
        return r.field(name).get<std::int32_t>();
    }
    static bool exists(const std::string& path) { return std::filesystem::exists(path); }

    void TearDown() override { control.BackUpFilesCLEANUP(); }

    ScratchFolder scratch;
    ScriptedHost host;
    TestSystem system;
    control::KorbitControl control{&host, system};
};

}  // namespace korbit::testing
