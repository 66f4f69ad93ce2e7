#include "korbit/c_interface/c_object.h"

#include <filesystem>
#include <new>
#include <stdexcept>
#include <utility>

#include "korbit/c_interface/c_text.h"
#include "korbit/control/values/automation_error.h"
#include "korbit/hosting/component_error.h"
#include "korbit/hosting/component_loader.h"
#include "korbit/hosting/dispatch_call.h"
#include "korbit/platform/loaded_library.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::c_interface {

namespace {

namespace fs = std::filesystem;

// Where the control library is looked for: the private folder of the
// installation this library belongs to, as seen from this library's own
// folder (korbit/, say); the build tree keeps it in the same place.
std::vector<fs::path> searchFolders() {
    static const char kHere = 0;
    const std::string self = platform::fileHolding(&kHere);
    if (self.empty()) {
        return {};
    }
    const fs::path folder = fs::path(self).parent_path();
    std::vector<fs::path> folders{(folder / KORBIT_C_RELATIVE_PRIVATE_LIBDIR).lexically_normal()};
    if (folders.front() != folder / "korbit") {
        folders.push_back(folder / "korbit");
    }
    return folders;
}

// A description for a status the object gave none for.
std::string statusDescription(korbit_status status) {
    switch (status) {
        case KORBIT_E_UNKNOWN_NAME: return "Unknown name";
        case KORBIT_E_MEMBER_NOT_FOUND: return "Object doesn't support this property or method";
        case KORBIT_E_TYPE_MISMATCH: return "Type mismatch";
        case KORBIT_E_OVERFLOW: return "Overflow";
        case KORBIT_E_BAD_PARAM_COUNT: return "Wrong number of arguments or invalid property assignment";
        case KORBIT_E_PARAM_NOT_OPTIONAL: return "Argument not optional";
        case KORBIT_E_NOT_IMPLEMENTED: return "Not implemented";
        case KORBIT_E_OUT_OF_MEMORY: return "Out of memory";
        default: return "The call failed with status " + hosting::statusText(status);
    }
}

control::MemberKind memberKind(korbit_invoke_kind kind) {
    switch (kind) {
        case KORBIT_INVOKE_METHOD: return control::MemberKind::kMethod;
        case KORBIT_INVOKE_PROPERTY_GET: return control::MemberKind::kPropertyGet;
        case KORBIT_INVOKE_PROPERTY_PUT: return control::MemberKind::kPropertyPut;
    }
    throw InvalidValue("the kind of invocation is " + std::to_string(static_cast<int>(kind)) +
                       ", which is no korbit_invoke_kind");
}

// The arguments as the object takes them: each caller's value converted,
// and each argument the method gives back that was left out filled in with
// what a left-out argument takes, so that it comes back.
std::vector<control::Value> argumentsOf(const control::MethodInfo* method, const korbit_value* args,
                                        std::size_t count) {
    std::vector<control::Value> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const control::ParamInfo* param =
            method != nullptr && i < method->params.size() ? &method->params[i] : nullptr;
        try {
            values.push_back(valueOf(args[i], param != nullptr ? recordTypeOf(param->type) : nullptr));
        } catch (const InvalidValue& e) {
            throw ArgumentError{static_cast<std::int32_t>(i), std::string("The value is not well formed: ") +
                                                                  e.what() + "."};
        } catch (const control::AutomationError& e) {
            throw ArgumentError{static_cast<std::int32_t>(i), e.description(), e.statusCode(), e.errorNumber()};
        }
    }
    if (method == nullptr) {
        return values;
    }
    for (std::size_t i = 0; i < method->params.size(); ++i) {
        const control::ParamInfo& param = method->params[i];
        if (!param.givenBack() || (i < values.size() && !values[i].isMissing())) {
            continue;
        }
        if (values.size() <= i) {
            values.resize(i + 1, control::Value(control::Missing{}));
        }
        control::Value leftOut = control::leftOutValue(param);
        values[i] = leftOut.isMissing() ? control::Value() : std::move(leftOut);
    }
    return values;
}

}  // namespace

void Outcome::fail(korbit_status status, std::string description, std::int32_t number,
                   std::int32_t argument) noexcept {
    error.status = status;
    error.number = number;
    error.argument = argument;
    try {
        error.description = store.keep(std::move(description));
    } catch (...) {
        error.description = "Out of memory";
    }
}

void Outcome::clear() noexcept {
    store.clear();
    result = korbit_empty();
    givenBack.clear();
    error = {KORBIT_OK, 0, -1, ""};
    reported.clear();
    failures.clear();
}

}  // namespace korbit::c_interface

using namespace korbit;
using c_interface::Outcome;

korbit_object::korbit_object()
    : members_(std::make_unique<c_interface::MemberTable>()),
      host_(*this),
      last_(std::make_unique<Outcome>()) {
    running_.reserve(4);
}

korbit_object::~korbit_object() {
    if (object_ && takesHost_) {
        (void)hosting::lendHost(*object_, nullptr);
    }
}

void korbit_object::create(std::string_view programId) {
    try {
        hosting::LoaderOptions options;
        options.searchFolders = c_interface::searchFolders();
        std::string notice;
        object_ = hosting::ComponentLoader(std::move(options)).createObject(programId, &notice);
        members_ = std::make_unique<c_interface::MemberTable>(*object_->TypeInfo());
        takesHost_ = hosting::lendHost(*object_, &host_);
        if (!notice.empty()) {
            last_->error.description = last_->store.keep(std::move(notice));
        }
    } catch (const hosting::ComponentError& e) {
        object_.reset();
        creationStatus_ = KORBIT_E_CLASS_NOT_REGISTERED;
        creationError_ = e.what();
        last_->fail(creationStatus_, creationError_);
    }
}

bool korbit_object::enter() {
    const std::thread::id me = std::this_thread::get_id();
    std::thread::id expected{};
    if (!owner_.compare_exchange_strong(expected, me) && expected != me) {
        return false;
    }
    ++depth_;
    return true;
}

bool korbit_object::leave() {
    if (--depth_ > 0) {
        return false;
    }
    owner_.store(std::thread::id{});
    return releasePending_.load();
}

void korbit_object::release() {
    if (depth_ > 0 && owner_.load() == std::this_thread::get_id()) {
        releasePending_.store(true);
        return;
    }
    delete this;
}

void korbit_object::failed(std::string method, std::string description) {
    if (!running_.empty()) {
        running_.back()->reported.emplace_back(std::move(method), std::move(description));
    }
}

korbit_status korbit_object::lendHost(const korbit_host* host) {
    if (!object_ || !takesHost_) {
        return KORBIT_E_NOT_IMPLEMENTED;
    }
    host_.lend(host);
    return KORBIT_OK;
}

korbit_status korbit_object::dispatchId(const char* name, std::int32_t* dispid) {
    if (!object_) {
        return creationStatus_;
    }
    const std::optional<std::int32_t> found = members_->dispatchId(name);
    if (!found) {
        return KORBIT_E_UNKNOWN_NAME;
    }
    *dispid = *found;
    return KORBIT_OK;
}

korbit_status korbit_object::invoke(std::int32_t dispid, korbit_invoke_kind kind, const korbit_value* args,
                                    std::size_t count, const korbit_value** result, const char* name) {
    static const korbit_value kEmpty = korbit_empty();
    if (!enter()) {
        if (result != nullptr) {
            *result = &kEmpty;
        }
        return KORBIT_E_WRONG_THREAD;
    }
    std::unique_ptr<Outcome> current;
    if (!spare_.empty()) {
        current = std::move(spare_.back());
        spare_.pop_back();
        current->clear();
    } else {
        try {
            current = std::make_unique<Outcome>();
        } catch (const std::bad_alloc&) {
            (void)leave();
            return KORBIT_E_OUT_OF_MEMORY;
        }
    }
    Outcome& outcome = *current;
    try {
        running_.push_back(&outcome);
        if (!object_) {
            outcome.fail(creationStatus_, creationError_);
        } else if (args == nullptr && count > 0) {
            outcome.fail(KORBIT_E_POINTER, "The arguments point to nothing.");
        } else if (name != nullptr && !members_->dispatchId(name)) {
            outcome.fail(KORBIT_E_UNKNOWN_NAME, std::string("Unknown name: ") + name);
        } else {
            if (name != nullptr) {
                dispid = *members_->dispatchId(name);
            }
            const control::MemberKind memberKind = c_interface::memberKind(kind);
            const control::MethodInfo* method = members_->find(dispid, memberKind);
            std::vector<control::Value> values = c_interface::argumentsOf(method, args, count);
            control::Value value;
            com::ExceptionInfo info;
            const com::HResult status =
                object_->Invoke(dispid, static_cast<std::uint16_t>(kind), values.data(), values.size(), &value, &info);
            if (status != com::kOk) {
                outcome.fail(status,
                             info.description.empty() ? c_interface::statusDescription(status)
                                                      : c_interface::bytesOf(info.description),
                             info.errorNumber, info.argumentError);
            } else {
                outcome.result = outcome.store.put(value);
                if (method != nullptr) {
                    outcome.givenBack.resize(method->params.size());
                    for (std::size_t i = 0; i < method->params.size() && i < values.size(); ++i) {
                        if (method->params[i].givenBack()) {
                            outcome.givenBack[i] = outcome.store.put(values[i]);
                        }
                    }
                }
                if (!outcome.reported.empty()) {
                    outcome.fail(KORBIT_E_REPORTED, outcome.reported.front().second);
                }
            }
        }
    } catch (const c_interface::ArgumentError& e) {
        outcome.fail(e.status, e.what, e.number, e.index);
    } catch (const c_interface::InvalidValue& e) {
        outcome.fail(KORBIT_E_INVALID_ARG, std::string("The value is not well formed: ") + e.what() + ".");
    } catch (const control::AutomationError& e) {
        outcome.fail(e.statusCode(), e.description(), e.errorNumber());
    } catch (const std::bad_alloc&) {
        outcome.fail(KORBIT_E_OUT_OF_MEMORY, "Out of memory");
    } catch (const std::exception& e) {
        outcome.fail(KORBIT_E_FAIL, e.what());
    } catch (...) {
        outcome.fail(KORBIT_E_FAIL, "The call failed.");
    }
    if (!running_.empty() && running_.back() == &outcome) {
        running_.pop_back();
    }
    if (outcome.error.status != KORBIT_OK && outcome.error.status != KORBIT_E_REPORTED) {
        outcome.result = korbit_empty();
        outcome.givenBack.clear();
    }
    try {
        for (const auto& [method, description] : outcome.reported) {
            outcome.failures.push_back({outcome.store.keep(method), outcome.store.keep(description)});
        }
    } catch (const std::bad_alloc&) {
        outcome.failures.clear();
    }
    const korbit_status status = outcome.error.status;
    try {
        spare_.push_back(std::move(last_));
    } catch (const std::bad_alloc&) {
        // The outcome before goes now instead of being used again.
    }
    last_ = std::move(current);
    if (leave()) {
        delete this;
        if (result != nullptr) {
            *result = &kEmpty;
        }
        return status;
    }
    if (result != nullptr) {
        *result = &last_->result;
    }
    return status;
}
