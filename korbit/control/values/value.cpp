#include "korbit/control/values/value.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "korbit/control/values/automation_date.h"

namespace korbit::control {

namespace {

bool isBlank(char16_t c) noexcept { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view trimBlanks(std::u16string_view text) noexcept {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char16_t foldAscii(char16_t c) noexcept { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool equalsWord(std::u16string_view text, std::string_view word) noexcept {
    return text.size() == word.size() &&
           std::equal(text.begin(), text.end(), word.begin(),
                      [](char16_t a, char b) { return foldAscii(a) == static_cast<char16_t>(b); });
}

std::optional<double> parseRadix(std::u16string_view digits, int radix) {
    if (digits.empty()) {
        return std::nullopt;
    }
    double value = 0;
    for (char16_t c : digits) {
        int d = -1;
        if (c >= u'0' && c <= u'9') {
            d = c - u'0';
        } else if (c >= u'a' && c <= u'f') {
            d = c - u'a' + 10;
        } else if (c >= u'A' && c <= u'F') {
            d = c - u'A' + 10;
        }
        if (d < 0 || d >= radix) {
            return std::nullopt;
        }
        value = value * radix + d;
    }
    // Hexadecimal and octal texts are 32-bit patterns: &HFFFFFFFF is -1.
    if (value > 4294967295.0) {
        throw AutomationError::overflow();
    }
    if (value > 2147483647.0) {
        value -= 4294967296.0;
    }
    return value;
}

// A number in text: blanks around, sign, digits with optional grouping
// commas, decimal point, exponent; or &H / &O. Empty when it is no number.
std::optional<double> parseNumber(std::u16string_view raw) {
    const std::u16string_view text = trimBlanks(raw);
    if (text.size() >= 2 && text[0] == u'&') {
        const char16_t kind = foldAscii(text[1]);
        if (kind == u'h') {
            return parseRadix(text.substr(2), 16);
        }
        if (kind == u'o') {
            return parseRadix(text.substr(2), 8);
        }
        return std::nullopt;
    }
    std::string ascii;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        ascii.push_back(static_cast<char>(text[i++]));
    }
    bool digits = false;
    while (i < text.size() && ((text[i] >= u'0' && text[i] <= u'9') || (text[i] == u',' && digits))) {
        if (text[i] != u',') {
            ascii.push_back(static_cast<char>(text[i]));
            digits = true;
        }
        ++i;
    }
    if (i < text.size() && text[i] == u'.') {
        ascii.push_back('.');
        ++i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            ascii.push_back(static_cast<char>(text[i++]));
            digits = true;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
        ascii.push_back('e');
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            ascii.push_back(static_cast<char>(text[i++]));
        }
        bool exponentDigits = false;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
            ascii.push_back(static_cast<char>(text[i++]));
            exponentDigits = true;
        }
        if (!exponentDigits) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(value)) {
        throw AutomationError::overflow();
    }
    return value;
}

// Dates in text: "yyyy-mm-dd[ hh:mm[:ss]]" or "m/d/yyyy[ hh:mm[:ss]]".
std::optional<Date> parseDate(std::u16string_view raw) {
    const std::u16string_view text = trimBlanks(raw);
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    CivilTime civil;
    int consumed = 0;
    const char* s = ascii.c_str();
    if (std::sscanf(s, "%4d-%2d-%2d%n", &civil.year, &civil.month, &civil.day, &consumed) == 3 ||
        std::sscanf(s, "%2d/%2d/%4d%n", &civil.month, &civil.day, &civil.year, &consumed) == 3) {
        const char* rest = s + consumed;
        int timeConsumed = 0;
        if (*rest != '\0') {
            if (std::sscanf(rest, " %2d:%2d:%2d%n", &civil.hour, &civil.minute, &civil.second, &timeConsumed) != 3 &&
                std::sscanf(rest, " %2d:%2d%n", &civil.hour, &civil.minute, &timeConsumed) != 2) {
                return std::nullopt;
            }
            if (rest[timeConsumed] != '\0') {
                return std::nullopt;
            }
        }
        return fromCivil(civil);
    }
    return std::nullopt;
}

template <typename Int>
Int toWhole(const Value& v) {
    const double rounded = roundHalfEven(toDouble(v));
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max())) {
        throw AutomationError::overflow();
    }
    return static_cast<Int>(rounded);
}

Text ascii(std::string_view s) { return {s.begin(), s.end()}; }

Text formatDate(Date date) {
    const std::optional<CivilTime> civil = toCivil(date);
    if (!civil) {
        throw AutomationError::overflow();
    }
    char buffer[48];
    std::string out;
    const bool hasTime = civil->hour != 0 || civil->minute != 0 || civil->second != 0;
    if (std::trunc(date.days) != 0.0 || !hasTime) {
        std::snprintf(buffer, sizeof buffer, "%d/%d/%d", civil->month, civil->day, civil->year);
        out = buffer;
    }
    if (hasTime) {
        const int hour12 = civil->hour % 12 == 0 ? 12 : civil->hour % 12;
        std::snprintf(buffer, sizeof buffer, "%s%d:%02d:%02d %s", out.empty() ? "" : " ", hour12, civil->minute,
                      civil->second, civil->hour < 12 ? "AM" : "PM");
        out += buffer;
    }
    return ascii(out);
}

}  // namespace

std::string_view typeName(VarType type) noexcept {
    switch (type) {
        case VarType::kEmpty: return "Empty";
        case VarType::kNull: return "Null";
        case VarType::kMissing: return "Missing";
        case VarType::kError: return "Error";
        case VarType::kBool: return "Boolean";
        case VarType::kInt16: return "Integer";
        case VarType::kInt32: return "Long";
        case VarType::kSingle: return "Single";
        case VarType::kDouble: return "Double";
        case VarType::kDate: return "Date";
        case VarType::kText: return "String";
        case VarType::kArray: return "Array";
        case VarType::kRecord: return "Record";
        case VarType::kObject: return "Object";
        case VarType::kVariant: return "Variant";
    }
    return "Unknown";
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) noexcept {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto fx = static_cast<char>(x >= 'A' && x <= 'Z' ? x + 32 : x);
               const auto fy = static_cast<char>(y >= 'A' && y <= 'Z' ? y + 32 : y);
               return fx == fy;
           });
}

// ---- Array ----

Array::Array() = default;
Array::Array(VarType elementType) : elementType_(elementType) {}

std::size_t Array::size() const noexcept { return elements_.size(); }

Array::Array(VarType elementType, std::vector<Bound> bounds) : elementType_(elementType) { redim(std::move(bounds)); }

Array Array::ofTexts(const std::vector<Text>& values, std::int32_t lower) {
    Array a(VarType::kText, {Bound{lower, static_cast<std::int32_t>(values.size())}});
    for (std::size_t i = 0; i < values.size(); ++i) {
        a.elements_[i] = values[i];
    }
    return a;
}

Array Array::ofValues(std::vector<Value> values, std::int32_t lower) {
    Array a(VarType::kVariant);
    a.bounds_ = {Bound{lower, static_cast<std::int32_t>(values.size())}};
    a.elements_ = std::move(values);
    return a;
}

const Bound& Array::bound(std::size_t dimension) const {
    if (dimension < 1 || dimension > bounds_.size()) {
        throw AutomationError::subscriptOutOfRange();
    }
    return bounds_[dimension - 1];
}

Value Array::defaultElement() const {
    switch (elementType_) {
        case VarType::kText: return Text();
        case VarType::kBool: return Boolean{};
        case VarType::kInt16: return std::int16_t{0};
        case VarType::kInt32: return std::int32_t{0};
        case VarType::kSingle: return 0.0F;
        case VarType::kDouble: return 0.0;
        case VarType::kDate: return Date{};
        default: return Empty{};
    }
}

void Array::redim(std::vector<Bound> bounds) {
    if (bounds.empty() || bounds.size() > 2) {
        throw AutomationError::subscriptOutOfRange();
    }
    std::size_t total = 1;
    for (const Bound& b : bounds) {
        if (b.count < 0) {
            throw AutomationError::subscriptOutOfRange();
        }
        total *= static_cast<std::size_t>(b.count);
    }
    bounds_ = std::move(bounds);
    elements_.assign(total, defaultElement());
}

void Array::redimPreserve(std::int32_t lastCount) {
    if (bounds_.empty() || lastCount < 0) {
        throw AutomationError::subscriptOutOfRange();
    }
    bounds_.back().count = lastCount;
    std::size_t total = 1;
    for (const Bound& b : bounds_) {
        total *= static_cast<std::size_t>(b.count);
    }
    elements_.resize(total, defaultElement());
}

void Array::erase() noexcept {
    bounds_.clear();
    elements_.clear();
}

std::size_t Array::offset(std::int32_t i) const {
    if (bounds_.size() != 1) {
        throw AutomationError::subscriptOutOfRange();
    }
    const std::int64_t k = std::int64_t{i} - bounds_[0].lower;
    if (k < 0 || k >= bounds_[0].count) {
        throw AutomationError::subscriptOutOfRange();
    }
    return static_cast<std::size_t>(k);
}

std::size_t Array::offset(std::int32_t i, std::int32_t j) const {
    if (bounds_.size() != 2) {
        throw AutomationError::subscriptOutOfRange();
    }
    const std::int64_t a = std::int64_t{i} - bounds_[0].lower;
    const std::int64_t b = std::int64_t{j} - bounds_[1].lower;
    if (a < 0 || a >= bounds_[0].count || b < 0 || b >= bounds_[1].count) {
        throw AutomationError::subscriptOutOfRange();
    }
    return static_cast<std::size_t>(a + b * bounds_[0].count);
}

Value& Array::at(std::int32_t i) { return elements_[offset(i)]; }
const Value& Array::at(std::int32_t i) const { return elements_[offset(i)]; }
Value& Array::at(std::int32_t i, std::int32_t j) { return elements_[offset(i, j)]; }
const Value& Array::at(std::int32_t i, std::int32_t j) const { return elements_[offset(i, j)]; }

bool Array::operator==(const Array& other) const {
    return elementType_ == other.elementType_ && bounds_ == other.bounds_ && elements_ == other.elements_;
}

// ---- Record ----

Record::Record(std::string typeName, std::vector<std::pair<std::string, Value>> fields)
    : typeName_(std::move(typeName)), fields_(std::move(fields)) {}

Value& Record::field(std::string_view name) {
    for (auto& [fieldName, value] : fields_) {
        if (equalsIgnoreCase(fieldName, name)) {
            return value;
        }
    }
    throw AutomationError::typeMismatch();
}

const Value& Record::field(std::string_view name) const { return const_cast<Record*>(this)->field(name); }

bool Record::hasField(std::string_view name) const noexcept {
    return std::any_of(fields_.begin(), fields_.end(),
                       [&](const auto& f) { return equalsIgnoreCase(f.first, name); });
}

bool Record::operator==(const Record& other) const {
    return typeName_ == other.typeName_ && fields_ == other.fields_;
}

// ---- Value ----

VarType Value::type() const noexcept {
    static constexpr VarType kTypes[] = {VarType::kEmpty,  VarType::kNull,   VarType::kMissing, VarType::kError,
                                         VarType::kBool,   VarType::kInt16,  VarType::kInt32,   VarType::kSingle,
                                         VarType::kDouble, VarType::kDate,   VarType::kText,    VarType::kArray,
                                         VarType::kRecord, VarType::kObject};
    return kTypes[v_.index()];
}

bool Value::isNumeric() const noexcept {
    switch (type()) {
        case VarType::kBool:
        case VarType::kInt16:
        case VarType::kInt32:
        case VarType::kSingle:
        case VarType::kDouble:
        case VarType::kDate:
            return true;
        default:
            return false;
    }
}

bool Value::operator==(const Value& other) const { return v_ == other.v_; }

// ---- Conversions ----

double roundHalfEven(double x) noexcept {
    const double whole = std::floor(x);
    const double rest = x - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        return whole + 1.0;
    }
    return whole;
}

double toDouble(const Value& v) {
    switch (v.type()) {
        case VarType::kEmpty: return 0.0;
        case VarType::kNull: throw AutomationError::invalidUseOfNull();
        case VarType::kBool: return v.get<Boolean>().value;
        case VarType::kInt16: return v.get<std::int16_t>();
        case VarType::kInt32: return v.get<std::int32_t>();
        case VarType::kSingle: return static_cast<double>(v.get<float>());
        case VarType::kDouble: return v.get<double>();
        case VarType::kDate: return v.get<Date>().days;
        case VarType::kText: {
            if (const std::optional<double> number = parseNumber(v.get<Text>())) {
                return *number;
            }
            throw AutomationError::typeMismatch();
        }
        default: throw AutomationError::typeMismatch();
    }
}

std::int16_t toInt16(const Value& v) { return toWhole<std::int16_t>(v); }
std::int32_t toInt32(const Value& v) { return toWhole<std::int32_t>(v); }

float toSingle(const Value& v) {
    const double d = toDouble(v);
    if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw AutomationError::overflow();
    }
    return static_cast<float>(d);
}

VBool toBool(const Value& v) {
    if (v.holds<Text>()) {
        const std::u16string_view text = trimBlanks(v.get<Text>());
        if (equalsWord(text, "true")) {
            return kTrue;
        }
        if (equalsWord(text, "false")) {
            return kFalse;
        }
    }
    return toVBool(toDouble(v) != 0.0);
}

Date toDate(const Value& v) {
    double days = 0.0;
    if (v.holds<Text>()) {
        if (const std::optional<Date> date = parseDate(v.get<Text>())) {
            return *date;
        }
        days = toDouble(v);
    } else {
        days = toDouble(v);
    }
    if (!(days >= kMinDateDays && days < kMaxDateDays + 1e-5)) {
        throw AutomationError::overflow();
    }
    return Date{days};
}

Text formatNumber(double value) {
    if (std::isnan(value)) {
        return u"NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? u"-Infinity" : u"Infinity";
    }
    if (value == 0.0) {
        return u"0";
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string s = buffer;
    // %G writes exponents with at least two digits and a sign, as wanted
    // ("1E+20", "1.5E-07"); it already drops trailing zeros.
    return ascii(s);
}

Text toText(const Value& v) {
    switch (v.type()) {
        case VarType::kEmpty: return Text();
        case VarType::kNull: throw AutomationError::invalidUseOfNull();
        case VarType::kBool: return v.get<Boolean>().value != 0 ? u"True" : u"False";
        case VarType::kInt16: return ascii(std::to_string(v.get<std::int16_t>()));
        case VarType::kInt32: return ascii(std::to_string(v.get<std::int32_t>()));
        case VarType::kSingle: {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(v.get<float>()));
            return ascii(buffer);
        }
        case VarType::kDouble: return formatNumber(v.get<double>());
        case VarType::kDate: return formatDate(v.get<Date>());
        case VarType::kText: return v.get<Text>();
        default: throw AutomationError::typeMismatch();
    }
}

}  // namespace korbit::control
