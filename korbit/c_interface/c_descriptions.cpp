#include "korbit/c_interface/c_descriptions.h"

#include <cctype>

#include "korbit/control/values/type_library.h"

namespace korbit::c_interface {

namespace {

std::int64_t key(std::int32_t dispid, control::MemberKind kind) noexcept {
    return static_cast<std::int64_t>(dispid) * 4 + static_cast<std::int64_t>(kind);
}

std::string folded(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::int32_t kindCode(control::MemberKind kind) noexcept {
    switch (kind) {
        case control::MemberKind::kMethod: return KORBIT_INVOKE_METHOD;
        case control::MemberKind::kPropertyGet: return KORBIT_INVOKE_PROPERTY_GET;
        case control::MemberKind::kPropertyPut: return KORBIT_INVOKE_PROPERTY_PUT;
    }
    return KORBIT_INVOKE_METHOD;
}

std::int32_t passingCode(control::Passing passing) noexcept {
    switch (passing) {
        case control::Passing::kByValue: return KORBIT_BY_VALUE;
        case control::Passing::kByRef: return KORBIT_BY_REFERENCE;
        case control::Passing::kGivenBack: return KORBIT_GIVEN_BACK;
    }
    return KORBIT_BY_REFERENCE;
}

// A field's type as the reference writes it.
std::string fieldTypeName(const control::FieldInfo& field) {
    switch (field.type) {
        case control::VarType::kBool: return "Boolean";
        case control::VarType::kInt16: return "Integer";
        case control::VarType::kInt32: return "Long";
        case control::VarType::kDouble: return "Double";
        case control::VarType::kDate: return "Date";
        case control::VarType::kText: return "String";
        case control::VarType::kArray: return field.elementType == control::VarType::kText ? "String()" : "Variant()";
        default: return "Variant";
    }
}

}  // namespace

MemberTable::MemberTable(const control::InterfaceInfo& info) {
    members_.reserve(info.methods().size());
    for (const control::MethodInfo& method : info.methods()) {
        std::vector<korbit_param_info>& params = params_.emplace_back();
        for (const control::ParamInfo& param : method.params) {
            const TypeCodes codes = typeCodes(param.type);
            const korbit_value* defaultValue = nullptr;
            if (!param.defaultValue.isEmpty()) {
                defaultValue = &defaults_.emplace_back(store_.put(control::leftOutValue(param)));
            }
            params.push_back({store_.keep(std::string(param.name)), codes.type, codes.elementType,
                              store_.keep(std::string(control::paramTypeName(param.type))),
                              passingCode(param.passing), param.optional ? 1 : 0, defaultValue});
        }
        members_.push_back({store_.keep(std::string(method.name)), method.dispid, kindCode(method.kind),
                            typeCode(method.result), store_.keep(std::string(control::resultTypeName(method.result))),
                            params.size(), params.data()});
        byId_.emplace(key(method.dispid, method.kind), &method);
        byName_.emplace(folded(method.name), method.dispid);
    }
}

const control::MethodInfo* MemberTable::find(std::int32_t dispid, control::MemberKind kind) const noexcept {
    const auto found = byId_.find(key(dispid, kind));
    return found == byId_.end() ? nullptr : found->second;
}

std::optional<std::int32_t> MemberTable::dispatchId(std::string_view name) const {
    const auto found = byName_.find(folded(name));
    if (found == byName_.end()) {
        return std::nullopt;
    }
    return found->second;
}

const std::vector<korbit_enumeration_info>& enumerationTable() {
    struct Table {
        ValueStore names;
        std::deque<std::vector<korbit_enum_member>> members;
        std::vector<korbit_enumeration_info> infos;
    };
    static const Table table = [] {
        Table t;
        for (const control::EnumInfo& e : control::enumerations()) {
            std::vector<korbit_enum_member>& members = t.members.emplace_back();
            for (const control::EnumMember& m : e.members) {
                members.push_back({t.names.keep(std::string(m.name)), m.value});
            }
            t.infos.push_back({t.names.keep(std::string(e.name)), members.size(), members.data()});
        }
        return t;
    }();
    return table.infos;
}

const std::vector<korbit_record_info>& recordTable() {
    struct Table {
        ValueStore names;
        std::deque<std::vector<korbit_field_info>> fields;
        std::vector<korbit_record_info> infos;
    };
    static const Table table = [] {
        Table t;
        for (const control::RecordInfo& r : control::records()) {
            std::vector<korbit_field_info>& fields = t.fields.emplace_back();
            for (const control::FieldInfo& f : r.fields) {
                fields.push_back({t.names.keep(std::string(f.name)), typeCode(f.type),
                                  f.type == control::VarType::kArray ? typeCode(f.elementType) : KORBIT_TYPE_EMPTY,
                                  t.names.keep(fieldTypeName(f))});
            }
            t.infos.push_back({t.names.keep(std::string(r.name)), fields.size(), fields.data()});
        }
        return t;
    }();
    return table.infos;
}

}  // namespace korbit::c_interface
