// The control's interface: the table of control_methods.def, each method
// bound to its family's implementation by one generic adapter. The adapter
// is also the one place where a family's outcome becomes what the caller of
// the interface receives.
#include <stdexcept>
#include <string>

#include "korbit/control/korbit_control.h"
#include "korbit/control/method_binding.h"

namespace korbit::control {

namespace {

using P = ParamType;
using R = ResultType;

// One member of the table, checked: a table entry whose arguments do not
// match its family's method must not reach a caller. The table gives an
// argument back exactly where the family's parameter is a non-const
// reference.
MethodInfo checked(MethodInfo method, const std::vector<bool>& written) {
    const std::string name(method.name);
    if (method.params.size() != written.size()) {
        throw std::logic_error("the interface lists " + std::to_string(method.params.size()) + " arguments for " +
                               name + ", its family takes " + std::to_string(written.size()));
    }
    for (std::size_t i = 0; i < written.size(); ++i) {
        if (method.params[i].givenBack() != written[i]) {
            throw std::logic_error("the interface " + std::string(written[i] ? "does not give" : "gives") + " back " +
                                   std::string(method.params[i].name) + " of " + name + ", which its family " +
                                   (written[i] ? "writes" : "only reads"));
        }
    }
    return method;
}

InterfaceInfo buildKorbitControlInterface() {
    std::vector<MethodInfo> methods = {
#define KORBIT_METHOD(family, name, dispid, result, ...)                                           \
    checked({#name, dispid, R::k##result, {__VA_ARGS__}, &binding::handle<R::k##result, &family::name>}, \
            binding::writtenArgumentsOf(&family::name)),
#include "korbit/control/values/control_methods.def"
#undef KORBIT_METHOD
    };
    return InterfaceInfo("_KorbitControl", std::move(methods));
}

}  // namespace

const InterfaceInfo& korbitControlInterface() {
    static const InterfaceInfo info = buildKorbitControlInterface();
    return info;
}

}  // namespace korbit::control
