#include "korbit/c_interface/c_values.h"

#include <limits>
#include <stdexcept>
#include <utility>

#include "korbit/c_interface/c_text.h"

namespace korbit::c_interface {

namespace {

using control::Value;
using control::VarType;

// The C codes are the value types' own numbers; the switches below say so
// once for each.
static_assert(KORBIT_TYPE_TEXT == static_cast<int>(VarType::kText));
static_assert(KORBIT_TYPE_VARIANT == static_cast<int>(VarType::kVariant));

VarType elementTypeOf(std::int32_t code) {
    switch (code) {
        case KORBIT_TYPE_VARIANT: return VarType::kVariant;
        case KORBIT_TYPE_BOOL: return VarType::kBool;
        case KORBIT_TYPE_INT16: return VarType::kInt16;
        case KORBIT_TYPE_INT32: return VarType::kInt32;
        case KORBIT_TYPE_SINGLE: return VarType::kSingle;
        case KORBIT_TYPE_DOUBLE: return VarType::kDouble;
        case KORBIT_TYPE_DATE: return VarType::kDate;
        case KORBIT_TYPE_TEXT: return VarType::kText;
        default: throw InvalidValue("an array's element type is " + std::to_string(code) + ", which no array holds");
    }
}

// `value` as an element of an array of `type`.
Value asElement(Value value, VarType type) {
    switch (type) {
        case VarType::kBool: return control::Boolean{control::toBool(value)};
        case VarType::kInt16: return control::toInt16(value);
        case VarType::kInt32: return control::toInt32(value);
        case VarType::kSingle: return control::toSingle(value);
        case VarType::kDouble: return control::toDouble(value);
        case VarType::kDate: return control::toDate(value);
        case VarType::kText: return control::toText(value);
        default: return value;
    }
}

std::string textOfName(const char* name, const char* what) {
    if (name == nullptr) {
        throw InvalidValue(std::string(what) + " has no name");
    }
    return name;
}

Value valueAt(const korbit_value& value, const control::RecordInfo* declared, int depth);

control::Array arrayOf(const korbit_array* a, int depth) {
    if (a == nullptr) {
        throw InvalidValue("an array value points to no array");
    }
    const VarType element = elementTypeOf(a->element_type);
    if (a->dimensions == 0) {
        return control::Array(element);
    }
    if (a->dimensions > 2) {
        throw InvalidValue("an array has " + std::to_string(a->dimensions) + " dimensions; at most 2 are carried");
    }
    std::vector<control::Bound> bounds;
    std::size_t total = 1;
    for (std::uint32_t d = 0; d < a->dimensions; ++d) {
        const korbit_bound& b = a->bounds[d];
        if (b.count < 0 || static_cast<std::int64_t>(b.lower) + b.count - 1 > std::numeric_limits<std::int32_t>::max()) {
            throw InvalidValue("an array's dimension " + std::to_string(d + 1) + " has a count of " +
                               std::to_string(b.count) + " from " + std::to_string(b.lower));
        }
        bounds.push_back({b.lower, b.count});
        total *= static_cast<std::size_t>(b.count);
    }
    if (total > 0 && a->elements == nullptr) {
        throw InvalidValue("an array of " + std::to_string(total) + " elements points to none");
    }
    control::Array out(element, std::move(bounds));
    for (std::size_t i = 0; i < total; ++i) {
        out.elements()[i] = asElement(valueAt(a->elements[i], nullptr, depth + 1), element);
    }
    return out;
}

control::Record recordOf(const korbit_record* r, const control::RecordInfo* declared, int depth) {
    if (r == nullptr) {
        throw InvalidValue("a record value points to no record");
    }
    const control::RecordInfo* info = declared;
    if (r->type_name != nullptr) {
        info = control::findRecord(r->type_name);
        if (info == nullptr) {
            throw InvalidValue(std::string("no record type is named ") + r->type_name);
        }
    } else if (info == nullptr) {
        throw InvalidValue("a record without a type name, where no record type is declared");
    }
    if (r->field_count > 0 && r->fields == nullptr) {
        throw InvalidValue("a record of " + std::to_string(r->field_count) + " fields points to none");
    }
    control::Record out = control::makeRecord(*info);
    for (std::size_t i = 0; i < r->field_count; ++i) {
        const std::string name = textOfName(r->fields[i].name, "a record's field");
        if (!out.hasField(name)) {
            throw InvalidValue(std::string(info->name) + " has no field " + name);
        }
        out.field(name) = valueAt(r->fields[i].value, nullptr, depth + 1);
    }
    return out;
}

Value valueAt(const korbit_value& value, const control::RecordInfo* declared, int depth) {
    if (depth > kMaxNesting) {
        throw InvalidValue("arrays and records nest more than " + std::to_string(kMaxNesting) + " levels deep");
    }
    switch (value.type) {
        case KORBIT_TYPE_EMPTY: return control::Empty{};
        case KORBIT_TYPE_NULL: return control::Null{};
        case KORBIT_TYPE_MISSING: return control::Missing{};
        case KORBIT_TYPE_ERROR: return control::ErrorValue{value.as.error};
        case KORBIT_TYPE_BOOL: return control::Boolean{control::toVBool(value.as.boolean != 0)};
        case KORBIT_TYPE_INT16: return value.as.int16;
        case KORBIT_TYPE_INT32: return value.as.int32;
        case KORBIT_TYPE_SINGLE: return value.as.single;
        case KORBIT_TYPE_DOUBLE: return value.as.number;
        case KORBIT_TYPE_DATE: return control::Date{value.as.date};
        case KORBIT_TYPE_TEXT:
            if (value.as.text.data == nullptr && value.as.text.length > 0) {
                throw InvalidValue("a text of " + std::to_string(value.as.text.length) + " bytes points to none");
            }
            return textOf(value.as.text.length == 0 ? std::string_view()
                                                     : std::string_view(value.as.text.data, value.as.text.length));
        case KORBIT_TYPE_ARRAY: return arrayOf(value.as.array, depth);
        case KORBIT_TYPE_RECORD: return recordOf(value.as.record, declared, depth);
        default: throw InvalidValue("a value's type is " + std::to_string(value.type) + ", which is no korbit_type");
    }
}

}  // namespace

Value valueOf(const korbit_value& value, const control::RecordInfo* declared) { return valueAt(value, declared, 0); }

std::int32_t typeCode(VarType type) noexcept {
    switch (type) {
        case VarType::kEmpty: return KORBIT_TYPE_EMPTY;
        case VarType::kNull: return KORBIT_TYPE_NULL;
        case VarType::kMissing: return KORBIT_TYPE_MISSING;
        case VarType::kError: return KORBIT_TYPE_ERROR;
        case VarType::kBool: return KORBIT_TYPE_BOOL;
        case VarType::kInt16: return KORBIT_TYPE_INT16;
        case VarType::kInt32: return KORBIT_TYPE_INT32;
        case VarType::kSingle: return KORBIT_TYPE_SINGLE;
        case VarType::kDouble: return KORBIT_TYPE_DOUBLE;
        case VarType::kDate: return KORBIT_TYPE_DATE;
        case VarType::kText: return KORBIT_TYPE_TEXT;
        case VarType::kArray: return KORBIT_TYPE_ARRAY;
        case VarType::kRecord: return KORBIT_TYPE_RECORD;
        case VarType::kObject: return KORBIT_TYPE_EMPTY;  // never handed out: put() refuses it
        case VarType::kVariant: return KORBIT_TYPE_VARIANT;
    }
    return KORBIT_TYPE_EMPTY;
}

TypeCodes typeCodes(control::ParamType type) noexcept {
    using control::ParamType;
    switch (type) {
        case ParamType::kText: return {KORBIT_TYPE_TEXT};
        case ParamType::kBool: return {KORBIT_TYPE_BOOL};
        case ParamType::kInt16: return {KORBIT_TYPE_INT16};
        case ParamType::kInt32: return {KORBIT_TYPE_INT32};
        case ParamType::kDouble: return {KORBIT_TYPE_DOUBLE};
        case ParamType::kDate: return {KORBIT_TYPE_DATE};
        case ParamType::kVariant: return {KORBIT_TYPE_VARIANT};
        case ParamType::kTextArray: return {KORBIT_TYPE_ARRAY, KORBIT_TYPE_TEXT};
        case ParamType::kVariantArray: return {KORBIT_TYPE_ARRAY, KORBIT_TYPE_VARIANT};
        case ParamType::kFileParams:
        case ParamType::kArrayParams:
        case ParamType::kBackupFileParams: return {KORBIT_TYPE_RECORD};
        case ParamType::kActivityLevel:
        case ParamType::kFileAttributes:
        case ParamType::kMathTypes:
        case ParamType::kMyMeasureUnits:
        case ParamType::kMceIDLPaths: return {KORBIT_TYPE_INT32};
    }
    return {};
}

std::int32_t typeCode(control::ResultType type) noexcept {
    using control::ResultType;
    switch (type) {
        case ResultType::kNone: return KORBIT_TYPE_EMPTY;
        case ResultType::kText: return KORBIT_TYPE_TEXT;
        case ResultType::kBool: return KORBIT_TYPE_BOOL;
        case ResultType::kInt16: return KORBIT_TYPE_INT16;
        case ResultType::kInt32: return KORBIT_TYPE_INT32;
        case ResultType::kDouble: return KORBIT_TYPE_DOUBLE;
        case ResultType::kDate: return KORBIT_TYPE_DATE;
        case ResultType::kVariant: return KORBIT_TYPE_VARIANT;
        case ResultType::kIsFileResults: return KORBIT_TYPE_INT32;
    }
    return KORBIT_TYPE_EMPTY;
}

const control::RecordInfo* recordTypeOf(control::ParamType type) noexcept {
    switch (type) {
        case control::ParamType::kFileParams: return control::findRecord("FILE_PARAMS");
        case control::ParamType::kArrayParams: return control::findRecord("ARRAY_PARAMS");
        case control::ParamType::kBackupFileParams: return control::findRecord("BACKUP_FILE_PARAMS");
        default: return nullptr;
    }
}

const char* ValueStore::keep(std::string text) { return texts_.emplace_back(std::move(text)).c_str(); }

korbit_value ValueStore::put(const Value& value) {
    korbit_value out = korbit_empty();
    out.type = typeCode(value.type());
    switch (value.type()) {
        case VarType::kEmpty:
        case VarType::kNull:
        case VarType::kMissing:
        case VarType::kVariant: break;
        case VarType::kError: out.as.error = value.get<control::ErrorValue>().scode; break;
        case VarType::kBool: out.as.boolean = value.get<control::Boolean>().value; break;
        case VarType::kInt16: out.as.int16 = value.get<std::int16_t>(); break;
        case VarType::kInt32: out.as.int32 = value.get<std::int32_t>(); break;
        case VarType::kSingle: out.as.single = value.get<float>(); break;
        case VarType::kDouble: out.as.number = value.get<double>(); break;
        case VarType::kDate: out.as.date = value.get<control::Date>().days; break;
        case VarType::kText: {
            const std::string& text = texts_.emplace_back(bytesOf(value.get<control::Text>()));
            out.as.text.data = text.c_str();
            out.as.text.length = text.size();
            break;
        }
        case VarType::kArray: {
            const control::Array& a = value.get<control::Array>();
            std::vector<korbit_value>& elements = elements_.emplace_back();
            elements.reserve(a.size());
            for (const Value& element : a.elements()) {
                elements.push_back(put(element));
            }
            korbit_array& array = arrays_.emplace_back();
            array.element_type = typeCode(a.elementType());
            array.dimensions = static_cast<std::uint32_t>(a.dimensions());
            for (std::size_t d = 0; d < a.dimensions() && d < 2; ++d) {
                array.bounds[d] = {a.bounds()[d].lower, a.bounds()[d].count};
            }
            array.elements = elements.data();
            out.as.array = &array;
            break;
        }
        case VarType::kRecord: {
            const control::Record& r = value.get<control::Record>();
            std::vector<korbit_field>& fields = fields_.emplace_back();
            fields.reserve(r.fields().size());
            for (const auto& [name, field] : r.fields()) {
                fields.push_back({keep(name), put(field)});
            }
            korbit_record& record = records_.emplace_back();
            record.type_name = keep(r.typeName());
            record.field_count = fields.size();
            record.fields = fields.data();
            out.as.record = &record;
            break;
        }
        case VarType::kObject: throw std::domain_error("The value is an object, which the C interface does not carry.");
    }
    return out;
}

void ValueStore::clear() noexcept {
    texts_.clear();
    elements_.clear();
    fields_.clear();
    arrays_.clear();
    records_.clear();
}

}  // namespace korbit::c_interface
