// One late-bound call as the command line spells it:
//   [--class SHA256|BinHexDecCls] [--set PROP=VALUE]... [--secret NAME]... METHOD [ARG]...
// and its outcome as one JSON object.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/json_values.h"
#include "cli/terminal_host.h"
#include "korbit/control/values/component_abi.h"
#include "korbit/hosting/com_ptr.h"

namespace korbit::cli {

struct CallRequest {
    std::string className = "KorbitControl";  // KorbitControl, SHA256 or BinHexDecCls
    std::vector<std::pair<std::string, std::string>> propertySets;
    // --secret NAME: the method's arguments whose values are read from the
    // secret input, one line each, instead of the command line; the words
    // of `arguments` fill the other arguments in order.
    std::vector<std::string> secretNames;
    std::string method;
    std::vector<std::string> arguments;
    // The lines read for secretNames, in the same order (the command reads
    // them before the call).
    std::vector<std::string> secretValues;
};

// Parses the words of a call; on a usage error returns false with `error`
// set.
bool parseCallRequest(const std::vector<std::string>& words, CallRequest& request, std::string& error);

// The program identifier of a class name given to --class.
std::string progIdOf(const std::string& className);

// Keeps one object per class, created on first use, for a whole run.
class ObjectPool {
public:
    explicit ObjectPool(TerminalHost& host) : host_(host) {}
    ~ObjectPool();
    ObjectPool(const ObjectPool&) = delete;
    ObjectPool& operator=(const ObjectPool&) = delete;

    // Throws hosting::ComponentError when the class cannot be created.
    com::IDispatch& object(const std::string& className);

private:
    TerminalHost& host_;
    std::map<std::string, hosting::ComPtr<com::IDispatch>> objects_;
};

// Runs the call and describes it: {"result", "byref", "boxes", "failures"}
// when it ran, or {"error": {"code", "description"}} (with "boxes" and
// "failures" when there were any) when it failed. "failures" are what the
// method reported through the host ({"method", "description"}); `ok` is
// true only for a call that ran and reported none.
//
// An argument the method gives back may be left out or given as null: it
// then starts as its type's empty value (or its default) and comes back in
// "byref". A secret argument is never printed. Dates are written as `dates`
// says.
nlohmann::json runCall(ObjectPool& pool, TerminalHost& host, const CallRequest& request, DateStyle dates, bool& ok);

}  // namespace korbit::cli
