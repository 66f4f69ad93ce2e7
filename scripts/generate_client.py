#!/usr/bin/env python3
"""Writes the typed client of KorbitControl from the method table.

  generate_client.py --root DIR --out FOLDER

FOLDER receives korbit/hosting/korbit_client.h and korbit_client.cpp: one
member function per method of korbit/control/values/control_methods.def,
with the method's name, its arguments typed as the table declares them (the
arguments it gives back as references), its result typed. The build runs
this whenever the table changes; nothing it writes is edited by hand.
"""

import argparse
import os
import sys

from method_table import SourceError, read, read_table, type_names, write_if_changed

# ParamType: the C++ type a caller passes, how it becomes an argument, and
# how the argument the control left becomes that type again.
ARGUMENTS = {
    "kText": ("control::Text", "control::Value({x})", "control::toText({v})"),
    "kBool": ("bool", "control::Value::boolean({x})", "control::toBool({v}) != control::kFalse"),
    "kInt16": ("std::int16_t", "control::Value({x})", "control::toInt16({v})"),
    "kInt32": ("std::int32_t", "control::Value({x})", "control::toInt32({v})"),
    "kDouble": ("double", "control::Value({x})", "control::toDouble({v})"),
    "kDate": ("control::Date", "control::Value({x})", "control::toDate({v})"),
    "kVariant": ("control::Value", "{x}", "{v}"),
    "kTextArray": ("control::Array", "control::Value({x})", "{v}.get<control::Array>()"),
    "kVariantArray": ("control::Array", "control::Value({x})", "{v}.get<control::Array>()"),
    "kFileParams": ("control::Record", "control::Value({x})", "{v}.get<control::Record>()"),
    "kArrayParams": ("control::Record", "control::Value({x})", "{v}.get<control::Record>()"),
    "kBackupFileParams": ("control::Record", "control::Value({x})", "{v}.get<control::Record>()"),
}
ENUMERATIONS = {"kActivityLevel": "ActivityLevel", "kFileAttributes": "FileAttributes", "kMathTypes": "MathTypes",
                "kMyMeasureUnits": "MyMeasureUnits", "kMceIDLPaths": "mceIDLPaths"}
for kind, enum in ENUMERATIONS.items():
    ARGUMENTS[kind] = ("control::" + enum, "control::Value(static_cast<std::int32_t>({x}))",
                       "static_cast<control::" + enum + ">(control::toInt32({v}))")
SMALL = {"bool", "std::int16_t", "std::int32_t", "double", "control::Date"} | {"control::" + e for e in ENUMERATIONS.values()}

RESULTS = {
    "kNone": ("void", None),
    "kText": ("control::Text", "control::toText({v})"),
    "kBool": ("bool", "control::toBool({v}) != control::kFalse"),
    "kInt16": ("std::int16_t", "control::toInt16({v})"),
    "kInt32": ("std::int32_t", "control::toInt32({v})"),
    "kDouble": ("double", "control::toDouble({v})"),
    "kDate": ("control::Date", "control::toDate({v})"),
    "kVariant": ("control::Value", "{v}"),
    "kIsFileResults": ("control::IsFileResults", "static_cast<control::IsFileResults>(control::toInt32({v}))"),
}


def parameter(p):
    """The parameter's declaration, with a default when it is optional."""
    cpp, _, _ = ARGUMENTS[p["kind"]]
    if p["given back"]:
        return f"{cpp}* {p['name']} = nullptr" if p["optional"] else f"{cpp}& {p['name']}"
    if p["optional"]:
        return f"std::optional<{cpp}> {p['name']} = std::nullopt"
    return f"{cpp} {p['name']}" if cpp in SMALL else f"const {cpp}& {p['name']}"


def argument(p):
    """The expression that makes the argument of `p`."""
    _, make, _ = ARGUMENTS[p["kind"]]
    name = p["name"]
    if p["optional"]:
        return f"{name} ? {make.format(x='*' + name)} : control::Value(control::Missing{{}})"
    return make.format(x=name)


def declaration(method, qualified=False):
    result, _ = RESULTS[method["result kind"]]
    params = ", ".join(parameter(p) for p in method["params"])
    if qualified:
        params = params.replace(" = std::nullopt", "").replace(" = nullptr", "")
    name = ("KorbitClient::" if qualified else "") + method["name"]
    return f"{result} {name}({params})"


def definition(method):
    result, read_result = RESULTS[method["result kind"]]
    lines = [declaration(method, qualified=True) + " {"]
    lines.append("    std::vector<control::Value> arguments_{" +
                 ", ".join(argument(p) for p in method["params"]) + "};")
    call = f"invoke(control::ControlMethod::{method['name']}, arguments_)"
    given = [(i, p) for i, p in enumerate(method["params"]) if p["given back"]]
    if result == "void" and not given:
        lines.append(f"    {call};")
    else:
        lines.append(f"    const std::optional<control::Value> result_ = {call};")
        if given:
            lines.append("    if (result_) {")
            for i, p in given:
                _, _, back = ARGUMENTS[p["kind"]]
                target = ("*" if p["optional"] else "") + p["name"]
                value = back.format(v=f"arguments_[{i}]")
                if p["optional"]:
                    lines.append(f"        if ({p['name']} != nullptr) {{")
                    lines.append(f"            {target} = {value};")
                    lines.append("        }")
                else:
                    lines.append(f"        {target} = {value};")
            lines.append("    }")
        if result != "void":
            lines.append(f"    return result_ ? {read_result.format(v='*result_')} : {result}{{}};")
    lines.append("}")
    return "\n".join(lines)


HEADER = """\
// The typed client of KorbitControl, written by scripts/generate_client.py
// from korbit/control/values/control_methods.def whenever the table changes.
// Do not edit: change the table, and this follows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "korbit/control/values/control_methods.h"
#include "korbit/control/values/type_library.h"
#include "korbit/control/values/value.h"
#include "korbit/hosting/method_caller.h"

namespace korbit::hosting {

// Every method of KorbitControl as a member function of its own name. The
// arguments are typed as the table declares them; those a method gives back
// are references that receive what it wrote (only when the call worked).
// An optional argument may be left out (std::nullopt, or nullptr for one
// that is given back): the control fills in its default.
//
// A failed call goes to the failure handler and gives the result type's
// empty value (False, empty text, 0); without a handler it throws CallError.
// One client is called from one thread at a time.
class KorbitClient {
public:
    using FailureHandler = std::function<void(const CallFailure&)>;

    explicit KorbitClient(MethodCaller& caller, FailureHandler onFailure = {})
        : caller_(caller), onFailure_(std::move(onFailure)) {}

@MEMBERS@

private:
    // The call's result, or nothing after a failure (which is handled).
    std::optional<control::Value> invoke(control::ControlMethod method, std::vector<control::Value>& arguments);

    MethodCaller& caller_;
    FailureHandler onFailure_;
};

}  // namespace korbit::hosting
"""

SOURCE = """\
// Written by scripts/generate_client.py from
// korbit/control/values/control_methods.def. Do not edit.
#include "korbit/hosting/korbit_client.h"

#include <utility>

namespace korbit::hosting {

std::optional<control::Value> KorbitClient::invoke(control::ControlMethod method,
                                                   std::vector<control::Value>& arguments) {
    CallOutcome outcome = caller_.call(control::dispatchIdOf(method), arguments);
    if (outcome.ok()) {
        return std::move(outcome.result);
    }
    CallFailure failure = failureOf(control::methodName(method), outcome);
    if (!onFailure_) {
        throw CallError(std::move(failure));
    }
    onFailure_(failure);
    return std::nullopt;
}

@DEFINITIONS@

}  // namespace korbit::hosting
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--out", required=True)
    args = parser.parse_args()
    values = os.path.join(args.root, "korbit", "control", "values")
    try:
        dispatch = read(os.path.join(values, "dispatch.cpp"))
        table = read_table(read(os.path.join(values, "control_methods.def")),
                           type_names(dispatch, "paramTypeName", "ParamType"),
                           type_names(dispatch, "resultTypeName", "ResultType"))
    except SourceError as e:
        print(f"generate_client: {e}", file=sys.stderr)
        return 2
    members, definitions, group = [], [], None
    for method in table:
        if method["group"] != group:
            group = method["group"]
            members.append(f"\n    // {group}")
        members.append(f"    {declaration(method)};")
        definitions.append(definition(method))
    out = os.path.join(args.out, "korbit", "hosting")
    write_if_changed(os.path.join(out, "korbit_client.h"), HEADER.replace("@MEMBERS@", "\n".join(members).lstrip("\n")))
    write_if_changed(os.path.join(out, "korbit_client.cpp"), SOURCE.replace("@DEFINITIONS@", "\n\n".join(definitions)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
