// Calling the control's methods late-bound by name, the way hosts do.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "korbit/control/korbit_control.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::testing {

inline control::InvokeResult callMethod(control::KorbitControl& control, std::string_view name,
                                        std::vector<control::Value>& args) {
    const control::MethodInfo* method = control.interfaceInfo().find(name);
    if (method == nullptr) {
        ADD_FAILURE() << "no method " << name;
        return {};
    }
    return control::invoke(control, method->dispid, args);
}

// Calls `name` and expects success; returns the result.
inline control::Value call(control::KorbitControl& control, std::string_view name,
                           std::vector<control::Value> args = {}) {
    const control::InvokeResult r = callMethod(control, name, args);
    EXPECT_TRUE(r.ok()) << name << ": " << r.description;
    return r.result;
}

inline control::Value text(const std::string& utf8) { return platform::fromUtf8(utf8); }
inline control::Value boolean(bool b) { return control::Value::boolean(b); }
inline const control::Value kTrueValue = control::Value::boolean(true);
inline const control::Value kFalseValue = control::Value::boolean(false);

}  // namespace korbit::testing
