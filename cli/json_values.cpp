#include "cli/json_values.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "cli/iso_dates.h"
#include "korbit/control/values/type_library.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::cli {

namespace {

using control::Array;
using control::Bound;
using control::Value;
using control::VarType;

const control::RecordInfo* recordTypeOf(const nlohmann::json& object, const control::ParamInfo* param) {
    if (auto type = object.find("$type"); type != object.end() && type->is_string()) {
        return control::findRecord(type->get<std::string>());
    }
    if (param != nullptr) {
        switch (param->type) {
            case control::ParamType::kFileParams: return control::findRecord("FILE_PARAMS");
            case control::ParamType::kArrayParams: return control::findRecord("ARRAY_PARAMS");
            case control::ParamType::kBackupFileParams: return control::findRecord("BACKUP_FILE_PARAMS");
            default: break;
        }
    }
    return nullptr;
}

Value arrayFromJson(const nlohmann::json& json, const control::ParamInfo* param, std::size_t depth) {
    const VarType element = param != nullptr && param->type == control::ParamType::kTextArray ? VarType::kText
                                                                                              : VarType::kVariant;
    const bool twoDimensional = !json.empty() && std::all_of(json.begin(), json.end(), [&](const nlohmann::json& row) {
        return row.is_array() && row.size() == json.front().size();
    });
    if (!twoDimensional) {
        Array a(element, {Bound{0, static_cast<std::int32_t>(json.size())}});
        for (std::size_t i = 0; i < json.size(); ++i) {
            a.elements()[i] = element == VarType::kText ? Value(control::toText(fromJson(json[i], nullptr, depth + 1)))
                                                        : fromJson(json[i], nullptr, depth + 1);
        }
        return a;
    }
    const auto rows = static_cast<std::int32_t>(json.size());
    const auto columns = static_cast<std::int32_t>(json.front().size());
    Array a(element, {Bound{0, rows}, Bound{0, columns}});
    for (std::int32_t i = 0; i < rows; ++i) {
        for (std::int32_t j = 0; j < columns; ++j) {
            const Value v = fromJson(json[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)], nullptr, depth + 2);
            a.at(i, j) = element == VarType::kText ? Value(control::toText(v)) : v;
        }
    }
    return a;
}

}  // namespace

std::size_t nestingDepth(std::string_view word) noexcept {
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = word[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

Value fromJson(const nlohmann::json& json, const control::ParamInfo* param, std::size_t depth) {
    if (depth > kMaxNesting) {
        throw control::AutomationError(control::status::kTypeMismatch, 13,
                                       "The value nests arrays or records more than 256 levels deep.");
    }
    switch (json.type()) {
        case nlohmann::json::value_t::null: return control::Null{};
        case nlohmann::json::value_t::boolean: return Value::boolean(json.get<bool>());
        case nlohmann::json::value_t::number_integer:
        case nlohmann::json::value_t::number_unsigned: {
            const double d = json.get<double>();
            if (d >= std::numeric_limits<std::int32_t>::min() && d <= std::numeric_limits<std::int32_t>::max()) {
                return static_cast<std::int32_t>(json.get<std::int64_t>());
            }
            return d;
        }
        case nlohmann::json::value_t::number_float: return json.get<double>();
        case nlohmann::json::value_t::string: return platform::fromUtf8(json.get<std::string>());
        case nlohmann::json::value_t::array: return arrayFromJson(json, param, depth);
        case nlohmann::json::value_t::object: {
            const control::RecordInfo* info = recordTypeOf(json, param);
            if (info == nullptr) {
                throw control::AutomationError::typeMismatch();
            }
            control::Record record = control::makeRecord(*info);
            for (const auto& [key, item] : json.items()) {
                if (key != "$type") {
                    if (!record.hasField(key)) {
                        throw control::AutomationError::typeMismatch();
                    }
                    record.field(key) = fromJson(item, nullptr, depth + 1);
                }
            }
            return record;
        }
        default: throw control::AutomationError::typeMismatch();
    }
}

namespace {

const control::EnumInfo* enumerationOf(const control::ParamInfo& param) {
    const std::string_view type = control::paramTypeName(param.type);
    for (const control::EnumInfo& info : control::enumerations()) {
        if (info.name == type) {
            return &info;
        }
    }
    return nullptr;
}

// The value of the member `word` names (with or without JSON's quotes);
// empty for a word that is JSON of another kind, a number say. Throws type
// mismatch for a name that is no member.
std::optional<Value> enumerationMember(std::string_view word, const control::EnumInfo& info) {
    std::string name(word);
    const nlohmann::json json = nlohmann::json::parse(word, nullptr, false);
    if (!json.is_discarded()) {
        if (!json.is_string()) {
            return std::nullopt;
        }
        name = json.get<std::string>();
    }
    std::string members;
    for (const control::EnumMember& member : info.members) {
        if (control::equalsIgnoreCase(member.name, name)) {
            return Value(member.value);
        }
        members.append(members.empty() ? "" : ", ").append(member.name).append(" ").append(
            std::to_string(member.value));
    }
    throw control::AutomationError(control::status::kTypeMismatch, 13,
                                   "'" + name + "' is no member of " + std::string(info.name) + ": " + members);
}

}  // namespace

Value argumentFromText(std::string_view word, const control::ParamInfo* param) {
    if (param != nullptr && param->type == control::ParamType::kText) {
        if (word == "null") {
            return control::Null{};
        }
        if (word.starts_with('"')) {
            const nlohmann::json json = nlohmann::json::parse(word, nullptr, false);
            if (json.is_string()) {
                return platform::fromUtf8(json.get<std::string>());
            }
        }
        return platform::fromUtf8(word);
    }
    if (param != nullptr && param->type == control::ParamType::kDate) {
        if (std::optional<control::Date> date = readIsoDate(word)) {
            return *date;
        }
    }
    if (const control::EnumInfo* info = param != nullptr ? enumerationOf(*param) : nullptr) {
        if (std::optional<Value> member = enumerationMember(word, *info)) {
            return *member;
        }
    }
    nlohmann::json json = nlohmann::json::parse(word, nullptr, false);
    if (json.is_discarded()) {
        return platform::fromUtf8(word);
    }
    return fromJson(json, param);
}

nlohmann::json toJson(const Value& value, DateStyle dates) {
    switch (value.type()) {
        case VarType::kBool: return value.get<control::Boolean>().value != 0;
        case VarType::kInt16: return value.get<std::int16_t>();
        case VarType::kInt32: return value.get<std::int32_t>();
        case VarType::kSingle: return static_cast<double>(value.get<float>());
        case VarType::kDouble: {
            const double d = value.get<double>();
            return std::isfinite(d) ? nlohmann::json(d) : nlohmann::json(platform::toUtf8(control::formatNumber(d)));
        }
        case VarType::kDate: {
            const control::Date date = value.get<control::Date>();
            if (dates == DateStyle::kIso) {
                if (std::string text = isoDateText(date); !text.empty()) {
                    return text;
                }
            }
            return date.days;
        }
        case VarType::kText: return platform::toUtf8(value.get<control::Text>());
        case VarType::kError: return nlohmann::json{{"error", value.get<control::ErrorValue>().scode}};
        case VarType::kArray: {
            const Array& a = value.get<Array>();
            nlohmann::json out = nlohmann::json::array();
            if (a.dimensions() == 1) {
                for (const Value& element : a.elements()) {
                    out.push_back(toJson(element, dates));
                }
            } else if (a.dimensions() == 2) {
                for (std::int32_t i = a.bound(1).lower; i <= a.bound(1).upper(); ++i) {
                    nlohmann::json row = nlohmann::json::array();
                    for (std::int32_t j = a.bound(2).lower; j <= a.bound(2).upper(); ++j) {
                        row.push_back(toJson(a.at(i, j), dates));
                    }
                    out.push_back(std::move(row));
                }
            }
            return out;
        }
        case VarType::kRecord: {
            nlohmann::json out = nlohmann::json::object();
            for (const auto& [name, field] : value.get<control::Record>().fields()) {
                out[name] = toJson(field, dates);
            }
            return out;
        }
        case VarType::kObject: return "[object]";
        default: return nullptr;  // Empty, Null, Missing
    }
}

}  // namespace korbit::cli
