// One late-bound call as the command line spells it:
//   [--class SHA256|BinHexDecCls] [--set PROP=VALUE]... METHOD [ARG]...
// and its outcome as one JSON object.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/terminal_host.h"
#include "korbit/control/values/component_abi.h"
#include "korbit/hosting/com_ptr.h"

namespace korbit::cli {

struct CallRequest {
    std::string className = "KorbitControl";  // KorbitControl, SHA256 or BinHexDecCls
    std::vector<std::pair<std::string, std::string>> propertySets;
    std::string method;
    std::vector<std::string> arguments;
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

// Runs the call and describes it: {"result", "byref", "boxes"} on success,
// {"error": {"code", "description"}} on failure. `ok` tells which.
nlohmann::json runCall(ObjectPool& pool, TerminalHost& host, const CallRequest& request, bool& ok);

}  // namespace korbit::cli
