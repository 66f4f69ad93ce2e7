// korbit_object: one of the control library's objects as the C interface
// holds it: the object, loaded late-bound, the host lent to it, its members'
// description and what its last call left to read.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "include/korbit/korbit.h"
#include "korbit/c_interface/c_descriptions.h"
#include "korbit/c_interface/c_host.h"
#include "korbit/c_interface/c_values.h"
#include "korbit/hosting/com_ptr.h"

namespace korbit::c_interface {

// What one call leaves to read: its status and error, its result, the final
// values of the arguments it gives back, the failures it reported.
struct Outcome {
    ValueStore store;
    korbit_value result = korbit_empty();
    std::vector<std::optional<korbit_value>> givenBack;
    korbit_error error{KORBIT_OK, 0, -1, ""};
    std::vector<std::pair<std::string, std::string>> reported;
    std::vector<korbit_failure> failures;

    // Sets the error; the description is kept in the store ("Out of memory"
    // when it cannot be).
    void fail(korbit_status status, std::string description, std::int32_t number = 0,
              std::int32_t argument = -1) noexcept;
    // Back to an outcome of nothing, keeping the memory it has for the next.
    void clear() noexcept;
};

}  // namespace korbit::c_interface

struct korbit_object final : korbit::c_interface::FailureSink {
    korbit_object();
    korbit_object(const korbit_object&) = delete;
    korbit_object& operator=(const korbit_object&) = delete;
    ~korbit_object();

    // Creates the object `programId` names; on failure keeps why.
    void create(std::string_view programId);

    // Invokes member `dispid`, or, when `name` is given, the method of that
    // name.
    korbit_status invoke(std::int32_t dispid, korbit_invoke_kind kind, const korbit_value* args, std::size_t count,
                         const korbit_value** result, const char* name = nullptr);
    korbit_status dispatchId(const char* name, std::int32_t* dispid);
    korbit_status lendHost(const korbit_host* host);

    // Releases the object now, or, inside one of its own calls, when the
    // outermost is over.
    void release();

    // What the last call (or the creation) left to read.
    const korbit::c_interface::Outcome& last() const noexcept { return *last_; }
    // The object's members; empty when it was not created.
    const korbit::c_interface::MemberTable& members() const noexcept { return *members_; }


private:
    void failed(std::string method, std::string description) override;
    bool enter();
    // True when the object is to be deleted now.
    bool leave();

    korbit::hosting::ComPtr<korbit::com::IDispatch> object_;
    std::unique_ptr<korbit::c_interface::MemberTable> members_;
    korbit::c_interface::CallbackHost host_;
    bool takesHost_ = false;
    korbit_status creationStatus_ = KORBIT_OK;
    std::string creationError_;

    // The thread whose call runs, and how deeply calls nest on it.
    std::atomic<std::thread::id> owner_{};
    int depth_ = 0;
    std::atomic<bool> releasePending_{false};
    // What the last call left, and outcomes to be used again, so that a call
    // mostly reuses the memory of the one before last.
    std::unique_ptr<korbit::c_interface::Outcome> last_;
    std::vector<std::unique_ptr<korbit::c_interface::Outcome>> spare_;
    // The outcomes of the calls running, innermost last.
    std::vector<korbit::c_interface::Outcome*> running_;
};
