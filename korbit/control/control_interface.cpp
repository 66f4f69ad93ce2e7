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

// How the members behave on this platform, where that needs saying.
struct MethodNote {
    std::string_view method;
    std::string_view note;
};

constexpr MethodNote kNotes[] = {
    {"SetFileCreatedDate", "Always False: Linux keeps a file's creation (birth) time itself and offers no way to "
                           "set it."},
    {"SetFileTimes", "Sets the accessed and modified times; True when both were set. The creation (birth) time "
                     "cannot be set on Linux: creation_date is checked, then left unused."},
    {"GetFileTimes", "creation_date is the birth time where the file system keeps one, otherwise the earlier of "
                     "the last change of the file's status and its last modification."},
};

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
    InterfaceInfo info("_KorbitControl", std::move(methods));
    for (const MethodNote& n : kNotes) {
        info.annotate(n.method, n.note);
    }
    return info;
}

}  // namespace

const InterfaceInfo& korbitControlInterface() {
    static const InterfaceInfo info = buildKorbitControlInterface();
    return info;
}

}  // namespace korbit::control
