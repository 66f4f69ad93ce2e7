#include "korbit/control/values/dispatch.h"

#include <new>
#include <stdexcept>

#include "korbit/control/values/type_library.h"

namespace korbit::control {

namespace {

Array coerceArray(const Value& value, VarType elementType) {
    if (!value.holds<Array>()) {
        throw AutomationError::typeMismatch();
    }
    Array array = value.get<Array>();
    if (array.elementType() == elementType) {
        return array;
    }
    // An array of another element type: every element converted, bounds kept.
    Array out(elementType);
    if (array.allocated()) {
        out.redim(array.bounds());
        for (std::size_t i = 0; i < array.size(); ++i) {
            out.elements()[i] = elementType == VarType::kText ? Value(toText(array.elements()[i])) : array.elements()[i];
        }
    }
    return out;
}

Value typeDefault(ParamType type) {
    switch (type) {
        case ParamType::kVariant: return Missing{};
        case ParamType::kText: return Text();
        case ParamType::kBool: return Boolean{};
        case ParamType::kInt16: return std::int16_t{0};
        case ParamType::kDouble: return 0.0;
        case ParamType::kDate: return Date{};
        case ParamType::kTextArray: return Array(VarType::kText);
        case ParamType::kVariantArray: return Array(VarType::kVariant);
        case ParamType::kFileParams: return makeRecord(*findRecord("FILE_PARAMS"));
        case ParamType::kArrayParams: return makeRecord(*findRecord("ARRAY_PARAMS"));
        case ParamType::kBackupFileParams: return makeRecord(*findRecord("BACKUP_FILE_PARAMS"));
        default: return std::int32_t{0};
    }
}

InvokeResult failure(const AutomationError& e, std::int32_t argument = -1) {
    InvokeResult r;
    r.status = e.statusCode();
    r.errorNumber = e.errorNumber();
    r.description = e.description();
    r.argumentError = argument;
    return r;
}

InvokeResult failure(std::int32_t status, std::string description) {
    InvokeResult r;
    r.status = status;
    r.description = std::move(description);
    return r;
}

}  // namespace

InterfaceInfo::InterfaceInfo(std::string_view name, std::vector<MethodInfo> methods)
    : name_(name), methods_(std::move(methods)) {}

const MethodInfo* InterfaceInfo::find(std::string_view name) const noexcept {
    for (const MethodInfo& m : methods_) {
        if (equalsIgnoreCase(m.name, name)) {
            return &m;
        }
    }
    return nullptr;
}

const MethodInfo* InterfaceInfo::find(std::int32_t dispid, MemberKind kind) const noexcept {
    for (const MethodInfo& m : methods_) {
        if (m.dispid == dispid && m.kind == kind) {
            return &m;
        }
    }
    return nullptr;
}

void InterfaceInfo::annotate(std::string_view name, std::string_view note) {
    for (MethodInfo& m : methods_) {
        if (m.name == name && m.kind == MemberKind::kMethod) {
            m.note = note;
            return;
        }
    }
    throw std::logic_error("no method " + std::string(name) + " in " + std::string(name_));
}

Value coerce(const Value& value, ParamType type) {
    switch (type) {
        case ParamType::kText: return toText(value);
        case ParamType::kBool: return Boolean{toBool(value)};
        case ParamType::kInt16: return toInt16(value);
        case ParamType::kDouble: return toDouble(value);
        case ParamType::kDate: return toDate(value);
        case ParamType::kVariant: return value;
        case ParamType::kTextArray: return coerceArray(value, VarType::kText);
        case ParamType::kVariantArray: return coerceArray(value, VarType::kVariant);
        case ParamType::kFileParams: return coerceRecord(value, *findRecord("FILE_PARAMS"));
        case ParamType::kArrayParams: return coerceRecord(value, *findRecord("ARRAY_PARAMS"));
        case ParamType::kBackupFileParams: return coerceRecord(value, *findRecord("BACKUP_FILE_PARAMS"));
        default: return toInt32(value);  // 32-bit integers and enumerations
    }
}

Value leftOutValue(const ParamInfo& param) {
    return param.defaultValue.isEmpty() ? typeDefault(param.type) : coerce(param.defaultValue, param.type);
}

InvokeResult invoke(DispatchObject& self, std::int32_t dispid, std::vector<Value>& args, MemberKind kind) {
    const MethodInfo* method = self.interfaceInfo().find(dispid, kind);
    if (method == nullptr) {
        return failure(status::kMemberNotFound, "Object doesn't support this property or method");
    }
    if (args.size() > method->params.size()) {
        return failure(status::kBadParamCount, "Wrong number of arguments or invalid property assignment");
    }

    std::vector<Value> converted;
    converted.reserve(method->params.size());
    for (std::size_t i = 0; i < method->params.size(); ++i) {
        const ParamInfo& param = method->params[i];
        const bool given = i < args.size() && !args[i].isMissing();
        if (!given) {
            if (!param.optional) {
                return failure(status::kParamNotOptional, "Argument not optional: " + std::string(param.name));
            }
            converted.push_back(leftOutValue(param));
            continue;
        }
        try {
            converted.push_back(coerce(args[i], param.type));
        } catch (const AutomationError& e) {
            return failure(e, static_cast<std::int32_t>(i));
        }
    }

    if (method->handler == nullptr) {
        return failure(status::kNotImplemented, std::string(method->name) + " is not implemented yet");
    }

    InvokeResult r;
    try {
        r.result = method->handler(self, converted);
    } catch (const AutomationError& e) {
        r = failure(e);
    } catch (const std::bad_alloc&) {
        r = failure(static_cast<std::int32_t>(0x8007000EU), "Out of memory");
        r.errorNumber = 7;
    } catch (const std::exception& e) {
        r = failure(status::kException, e.what());
        r.errorNumber = 51;  // internal error
    }

    // By-reference arguments see what the method left in them, also when it
    // failed part-way.
    for (std::size_t i = 0; i < args.size() && i < method->params.size(); ++i) {
        if (!method->params[i].byValue() && !args[i].isMissing()) {
            args[i] = std::move(converted[i]);
        }
    }
    return r;
}

std::string_view paramTypeName(ParamType type) noexcept {
    switch (type) {
        case ParamType::kText: return "String";
        case ParamType::kBool: return "Boolean";
        case ParamType::kInt16: return "Integer";
        case ParamType::kInt32: return "Long";
        case ParamType::kDouble: return "Double";
        case ParamType::kDate: return "Date";
        case ParamType::kVariant: return "Variant";
        case ParamType::kTextArray: return "String()";
        case ParamType::kVariantArray: return "Variant()";
        case ParamType::kFileParams: return "FILE_PARAMS";
        case ParamType::kArrayParams: return "ARRAY_PARAMS";
        case ParamType::kBackupFileParams: return "BACKUP_FILE_PARAMS";
        case ParamType::kActivityLevel: return "ActivityLevel";
        case ParamType::kFileAttributes: return "FileAttributes";
        case ParamType::kMathTypes: return "MathTypes";
        case ParamType::kMyMeasureUnits: return "MyMeasureUnits";
        case ParamType::kMceIDLPaths: return "mceIDLPaths";
    }
    return "Variant";
}

std::string_view resultTypeName(ResultType type) noexcept {
    switch (type) {
        case ResultType::kNone: return "";
        case ResultType::kText: return "String";
        case ResultType::kBool: return "Boolean";
        case ResultType::kInt16: return "Integer";
        case ResultType::kInt32: return "Long";
        case ResultType::kDouble: return "Double";
        case ResultType::kDate: return "Date";
        case ResultType::kVariant: return "Variant";
        case ResultType::kIsFileResults: return "IsFileResults";
    }
    return "Variant";
}

}  // namespace korbit::control
