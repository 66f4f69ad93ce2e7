// What the C interface tells about an object's members and about the type
// library's enumerations and records, read from the object's own interface
// description and from the type library.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "include/korbit/korbit.h"
#include "korbit/c_interface/c_values.h"
#include "korbit/control/values/dispatch.h"

namespace korbit::c_interface {

class MemberTable {
public:
    MemberTable() = default;
    // The members of `info`, which must outlive the table.
    explicit MemberTable(const control::InterfaceInfo& info);
    MemberTable(const MemberTable&) = delete;
    MemberTable& operator=(const MemberTable&) = delete;

    const std::vector<korbit_member_info>& members() const noexcept { return members_; }

    // The member of `dispid` invoked as `kind`; nullptr when there is none.
    const control::MethodInfo* find(std::int32_t dispid, control::MemberKind kind) const noexcept;

    // The dispatch identifier of the member `name` (ASCII case ignored).
    std::optional<std::int32_t> dispatchId(std::string_view name) const;

private:
    ValueStore store_;  // names and defaults
    std::deque<korbit_value> defaults_;
    std::deque<std::vector<korbit_param_info>> params_;
    std::vector<korbit_member_info> members_;
    std::unordered_map<std::int64_t, const control::MethodInfo*> byId_;
    std::unordered_map<std::string, std::int32_t> byName_;
};

// The type library's enumerations and records, in declared order.
const std::vector<korbit_enumeration_info>& enumerationTable();
const std::vector<korbit_record_info>& recordTable();

}  // namespace korbit::c_interface
