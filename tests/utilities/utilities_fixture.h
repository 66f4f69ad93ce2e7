// A control with a scripted host, called through its typed client, and the
// record the array methods take.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "korbit/control/korbit_control.h"
#include "korbit/control/values/type_library.h"
#include "support/control_client.h"
#include "support/scripted_host.h"
#include "support/test_system.h"

namespace korbit::testing {

class UtilitiesFixture : public ::testing::Test {
protected:
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
    ControlCaller caller{control};
    hosting::KorbitClient client{caller};
};

inline control::Value boolean(bool b) { return control::Value::boolean(b); }

}  // namespace korbit::testing
