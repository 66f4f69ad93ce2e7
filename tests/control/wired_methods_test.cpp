// Every method the control implements, called late-bound the way a careless
// host would: arguments left out, of the wrong type, or fine. Whatever comes
// in, the answer is a status and never a crash.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "korbit/control/korbit_control.h"
#include "korbit/control/values/control_methods.h"
#include "korbit/control/values/type_library.h"
#include "platform/scratch_folder.h"
#include "support/scripted_host.h"

namespace korbit::control {
namespace {

// A value of the parameter's type that names something harmless.
Value plausible(const ParamInfo& param) {
    switch (param.type) {
        case ParamType::kText: return Text(u"/tmp/korbit-wired-test.txt");
        case ParamType::kBool: return Value::boolean(false);
        case ParamType::kDouble: return 1.5;
        case ParamType::kDate: return Date{45000.0};
        case ParamType::kVariant: return Text(u"x");
        case ParamType::kTextArray: return Array::ofTexts({u"x"});
        case ParamType::kVariantArray: return Array::ofValues({Text(u"x")});
        case ParamType::kArrayParams: {
            Record data = makeRecord(*findRecord("ARRAY_PARAMS"));
            data.field("sMyArray") = Array::ofValues({std::int32_t{3}, std::int32_t{1}, std::int32_t{2}});
            data.field("sMyFile") = Text(u"7.txt");
            data.field("nRecordCount") = std::int32_t{3};
            return data;
        }
        case ParamType::kFileParams: return makeRecord(*findRecord("FILE_PARAMS"));
        case ParamType::kBackupFileParams: {
            Record folders = makeRecord(*findRecord("BACKUP_FILE_PARAMS"));
            folders.field("SourceFolder") = Text(u"7-source");
            folders.field("TargetFolder") = Text(u"7-target");
            return folders;
        }
        default: return std::int32_t{26};
    }
}

// Methods that would start a program with the plausible arguments: only
// their argument checks are exercised here.
bool startsPrograms(std::string_view name) { return name == "BrowserLaunch" || name == "StartRunOpenFile"; }

// Methods that let a subscript error through by design: with the plausible
// arguments a bound or column is outside the array.
bool failsOnPlausibleBounds(std::string_view name) {
    return name == "BinarySearchSortedArray2" || name == "QuickSortOneDimArray" || name == "QuickSortTwoDimArray";
}

// Methods that raise, by design, when the file they read does not exist.
bool raisesForMissingFile(std::string_view name) { return name == "IsFileEncrypted2"; }

// A value no parameter type accepts but Variant and the arrays.
Value wrongType() { return Array::ofTexts({u"not", u"scalar"}); }

class WiredMethods : public ::testing::Test {
protected:
    korbit::testing::ScriptedHost host;
    KorbitControl control{&host};
};

TEST_F(WiredMethods, AnswerEveryKindOfCallWithAStatus) {
    // Files and folders named "7" are made and removed in a folder of our own.
    const korbit::testing::ScratchFolder scratch;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(scratch.path());
    std::size_t wired = 0;
    for (const MethodInfo& m : control.interfaceInfo().methods()) {
        if (m.handler == nullptr) {
            continue;
        }
        ++wired;
        SCOPED_TRACE(std::string(m.name));

        std::vector<Value> missing(m.params.size(), Value(Missing{}));
        const InvokeResult leftOut = invoke(control, m.dispid, missing);
        const bool anyRequired = std::any_of(m.params.begin(), m.params.end(), [](auto& p) { return !p.optional; });
        EXPECT_EQ(leftOut.status, anyRequired ? status::kParamNotOptional : status::kOk);

        for (std::size_t i = 0; i < m.params.size(); ++i) {
            if (m.params[i].type == ParamType::kVariant || m.params[i].type == ParamType::kTextArray ||
                m.params[i].type == ParamType::kVariantArray) {
                continue;
            }
            std::vector<Value> args;
            for (const ParamInfo& p : m.params) {
                args.push_back(plausible(p));
            }
            args[i] = wrongType();
            const InvokeResult r = invoke(control, m.dispid, args);
            EXPECT_EQ(r.status, status::kTypeMismatch) << "argument " << i;
            EXPECT_EQ(r.argumentError, static_cast<std::int32_t>(i));
        }

        if (startsPrograms(m.name)) {
            continue;
        }
        std::vector<Value> args;
        for (const ParamInfo& p : m.params) {
            args.push_back(p.type == ParamType::kText ? Value(std::int32_t{7}) : plausible(p));  // 7 becomes "7"
        }
        const InvokeResult r = invoke(control, m.dispid, args);
        if (failsOnPlausibleBounds(m.name)) {
            EXPECT_EQ(r.errorNumber, 9) << r.description;
            continue;
        }
        if (raisesForMissingFile(m.name)) {
            EXPECT_EQ(r.errorNumber, 53) << r.description;
            continue;
        }
        EXPECT_TRUE(r.ok()) << r.description;
        for (std::size_t i = 0; i < m.params.size(); ++i) {
            if (m.params[i].passing == kByRef && m.params[i].type == ParamType::kText) {
                EXPECT_EQ(args[i], Value(u"7")) << "by-reference argument written back in its declared type";
            }
        }
    }
    std::filesystem::current_path(before);
    EXPECT_EQ(wired, control.interfaceInfo().methods().size());  // every method, each bound to its family
}

TEST_F(WiredMethods, ShowTheirBoxesThroughTheHost) {
    // No home folder can be found for a user the password database does not know, without HOME: the
    // special folders cannot be looked up at all. Only the superuser can become such a user.
    constexpr uid_t kStranger = 54321;
    if (::geteuid() != 0 || ::getpwuid(kStranger) != nullptr) {
        GTEST_SKIP() << "needs root, and a user id without a password entry, to run without a home folder";
    }
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::unsetenv("HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        if (::setgid(kStranger) != 0 || ::setuid(kStranger) != 0) {
            ::_exit(2);
        }
        std::vector<Value> args{Value(std::int32_t{26})};
        const InvokeResult r = invoke(control, dispatchIdOf(ControlMethod::GetSpecialFolderA), args);
        const bool shown = r.ok() && r.result == Value(Text()) && host.boxes.size() == 1 &&
                           host.boxes[0].text == u"GetSpecialFolderA" && host.boxes[0].style == box::kOkOnly;
        ::_exit(shown ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: no box, or not the expected one; 2: could not switch users";
}

}  // namespace
}  // namespace korbit::control
