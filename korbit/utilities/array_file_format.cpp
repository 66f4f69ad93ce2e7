#include "korbit/utilities/array_file_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "korbit/control/values/automation_date.h"
#include "korbit/platform/text_encoding.h"

namespace korbit::utilities {

using control::AutomationError;
using control::Value;
using control::VarType;

namespace {

bool isLineEnd(char c) noexcept { return c == '\r' || c == '\n'; }
bool isBlank(char c) noexcept { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view s) noexcept {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

void appendDouble(std::string& out, double value) {
    if (!std::isfinite(value)) {
        throw AutomationError::typeMismatch();
    }
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    out += digits;
    if (digits.find_first_of(".e") == std::string_view::npos) {
        out += ".0";  // keeps a floating number apart from a whole one
    }
}

void appendDate(std::string& out, control::Date date) {
    const std::optional<control::CivilTime> civil = control::toCivil(date);
    if (!civil) {
        throw AutomationError::overflow();
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "#%04d-%02d-%02d %02d:%02d:%02d#", civil->year, civil->month, civil->day,
                  civil->hour, civil->minute, civil->second);
    out += buffer;
}

bool equalsWord(std::string_view text, std::string_view upperWord) noexcept {
    if (text.size() != upperWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] >= 'a' && text[i] <= 'z' ? static_cast<char>(text[i] - 32) : text[i];
        if (c != upperWord[i]) {
            return false;
        }
    }
    return true;
}

std::optional<Value> parseNumber(std::string_view token) {
    std::string_view body = token;
    if (!body.empty() && body.front() == '+') {
        body.remove_prefix(1);
    }
    if (body.empty() || body.front() == '+') {
        return std::nullopt;
    }
    const char* first = body.data();
    const char* last = body.data() + body.size();
    const bool whole = body.find_first_of(".eE") == std::string_view::npos;
    if (whole) {
        long long n = 0;
        const auto [end, ec] = std::from_chars(first, last, n);
        if (ec == std::errc{} && end == last && n >= std::numeric_limits<std::int32_t>::min() &&
            n <= std::numeric_limits<std::int32_t>::max()) {
            return Value(static_cast<std::int32_t>(n));
        }
    }
    double d = 0;
    const auto [end, ec] = std::from_chars(first, last, d);
    if (ec != std::errc{} || end != last || !std::isfinite(d)) {
        return std::nullopt;
    }
    return Value(d);
}

}  // namespace

std::string toFileBytes(std::u16string_view text) {
    return platform::toUtf8(text, platform::LoneSurrogates::kKeep);
}

std::u16string fromFileBytes(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (b0 < 0x80) {
            length = 1;
            cp = b0;
        } else if (b0 >= 0xC2 && b0 < 0xE0) {
            length = 2;
            cp = b0 & 0x1FU;
            minimum = 0x80;
        } else if (b0 >= 0xE0 && b0 < 0xF0) {
            length = 3;
            cp = b0 & 0x0FU;
            minimum = 0x800;
        } else if (b0 >= 0xF0 && b0 < 0xF5) {
            length = 4;
            cp = b0 & 0x07U;
            minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            valid = (b & 0xC0U) == 0x80;
            cp = (cp << 6) | (b & 0x3FU);
        }
        if (!valid || cp < minimum || cp > 0x10FFFF) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return out;
}

void appendFieldText(std::string& out, const Value& value) {
    switch (value.type()) {
        case VarType::kEmpty: return;
        case VarType::kNull: out += "#NULL#"; return;
        case VarType::kBool: out += value.get<control::Boolean>().value != 0 ? "#TRUE#" : "#FALSE#"; return;
        case VarType::kInt16: out += std::to_string(value.get<std::int16_t>()); return;
        case VarType::kInt32: out += std::to_string(value.get<std::int32_t>()); return;
        case VarType::kSingle: appendDouble(out, static_cast<double>(value.get<float>())); return;
        case VarType::kDouble: appendDouble(out, value.get<double>()); return;
        case VarType::kDate: appendDate(out, value.get<control::Date>()); return;
        case VarType::kText: {
            out += '"';
            for (const char c : toFileBytes(value.get<control::Text>())) {
                out += c;
                if (c == '"') {
                    out += '"';
                }
            }
            out += '"';
            return;
        }
        default: throw AutomationError::typeMismatch();
    }
}

void appendLine(std::string& out, const std::vector<Value>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        appendFieldText(out, values[i]);
    }
    out += "\r\n";
}

void ArrayFileReader::skipBlanks() noexcept {
    while (pos_ < bytes_.size() && isBlank(bytes_[pos_])) {
        ++pos_;
    }
}

void ArrayFileReader::skipDelimiter() {
    skipBlanks();
    if (atEnd()) {
        return;
    }
    const char c = bytes_[pos_];
    if (c == ',' || c == '\n') {
        ++pos_;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < bytes_.size() && bytes_[pos_] == '\n') {
            ++pos_;
        }
    } else {
        throw AutomationError::typeMismatch();  // something after a closed value
    }
}

Value ArrayFileReader::readQuoted() {
    std::string raw;
    ++pos_;
    while (true) {
        if (atEnd()) {
            throw AutomationError{control::status::kException, 62, "Input past end of file"};
        }
        const char c = bytes_[pos_++];
        if (c != '"') {
            raw += c;
        } else if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
            raw += '"';
            ++pos_;
        } else {
            break;
        }
    }
    skipDelimiter();
    return fromFileBytes(raw);
}

Value ArrayFileReader::readHashForm() {
    const std::size_t close = bytes_.find('#', pos_ + 1);
    if (close == std::string_view::npos) {
        throw AutomationError::typeMismatch();
    }
    const std::string_view inner = trimmed(bytes_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close + 1;
    Value value;
    if (equalsWord(inner, "TRUE")) {
        value = Value::boolean(true);
    } else if (equalsWord(inner, "FALSE")) {
        value = Value::boolean(false);
    } else if (equalsWord(inner, "NULL")) {
        value = control::Null{};
    } else if (inner.find_first_of("-/") != std::string_view::npos) {
        value = control::toDate(Value(fromFileBytes(inner)));  // throws when it is no date
    } else {
        throw AutomationError::typeMismatch();
    }
    skipDelimiter();
    return value;
}

Value ArrayFileReader::readBare() {
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
        ++pos_;
    }
    const std::string_view token = trimmed(bytes_.substr(start, pos_ - start));
    skipDelimiter();
    if (token.empty()) {
        return {};
    }
    if (std::optional<Value> number = parseNumber(token)) {
        return *number;
    }
    return fromFileBytes(token);  // unquoted words read as text
}

Value ArrayFileReader::next() {
    if (atEnd()) {
        throw AutomationError{control::status::kException, 62, "Input past end of file"};
    }
    skipBlanks();
    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        return readQuoted();
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == '#') {
        return readHashForm();
    }
    return readBare();
}

std::vector<Value> ArrayFileReader::readAll() {
    std::vector<Value> values;
    while (!atEnd()) {
        values.push_back(next());
    }
    return values;
}

}  // namespace korbit::utilities
