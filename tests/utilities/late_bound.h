// Calls the control's methods by name through the dispatch interface, the
// way a host does.
#pragma once

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "korbit/control/korbit_control.h"
#include "korbit/control/values/type_library.h"
#include "support/scripted_host.h"
#include "support/test_system.h"

namespace korbit::testing {

class LateBound : public ::testing::Test {
protected:
    // Invokes `method` with `args`, which receive the by-reference results.
    control::InvokeResult call(std::string_view method, std::vector<control::Value>& args) {
        const control::MethodInfo* m = control.interfaceInfo().find(method);
        EXPECT_NE(m, nullptr) << method;
        return control::invoke(control, m->dispid, args);
    }
    control::InvokeResult call(std::string_view method, std::vector<control::Value>&& args) { return call(method, args); }

    // The result of a call that must succeed.
    control::Value result(std::string_view method, std::vector<control::Value>& args) {
        const control::InvokeResult r = call(method, args);
        EXPECT_TRUE(r.ok()) << method << ": " << r.description;
        return r.result;
    }
    control::Value result(std::string_view method, std::vector<control::Value>&& args) { return result(method, args); }

    static control::Record arrayParams(control::Array array, const std::string& file = {}, std::int32_t count = 0,
                                       std::int32_t lastColumn = 0) {
        control::Record r = control::makeRecord(*control::findRecord("ARRAY_PARAMS"));
        r.field("sMyArray") = std::move(array);
        r.field("sMyFile") = control::Text(file.begin(), file.end());
        r.field("nRecordCount") = count;
        r.field("nSecDimension") = lastColumn;
        return r;
    }

    ScriptedHost host;
    TestSystem system;
    control::KorbitControl control{&host, system};
};

inline control::Value boolean(bool b) { return control::Value::boolean(b); }

}  // namespace korbit::testing
