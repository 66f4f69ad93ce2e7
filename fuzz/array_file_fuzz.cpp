// Feeds arbitrary bytes to the array-file reader and the fraction reader.
// The first byte picks one. A file that reads must write back into a form
// that reads into the same values; the fraction readers must never throw
// anything but their own run-time errors.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "korbit/utilities/array_file_format.h"
#include "korbit/utilities/fraction_text.h"

namespace {

using korbit::control::AutomationError;
using korbit::control::Value;

std::string written(const std::vector<Value>& values) {
    std::string out;
    for (const Value& v : values) {
        korbit::utilities::appendLine(out, {v});
    }
    return out;
}

void checkArrayFile(std::string_view bytes) {
    std::vector<Value> first;
    try {
        first = korbit::utilities::ArrayFileReader(bytes).readAll();
    } catch (const AutomationError&) {
        return;  // a malformed file is refused
    }
    const std::string once = written(first);
    const std::vector<Value> second = korbit::utilities::ArrayFileReader(once).readAll();
    if (written(second) != once || second.size() != first.size()) {
        __builtin_trap();
    }
}

void checkFractions(std::string_view bytes) {
    const std::u16string text = korbit::utilities::fromFileBytes(bytes);
    (void)korbit::utilities::fractionToDecimal(text);
    (void)korbit::utilities::leadingNumberValue(text.size() > 64 ? text.substr(0, 64) : text);
    std::int32_t denominator = 64;
    if (bytes.size() >= 4) {
        std::memcpy(&denominator, bytes.data(), sizeof denominator);
    }
    try {
        (void)korbit::utilities::makeFraction(Value(text), denominator, (bytes.size() & 1U) != 0);
    } catch (const AutomationError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        if (data[0] % 2 == 0) {
            checkArrayFile(rest);
        } else {
            checkFractions(rest);
        }
    } catch (const AutomationError&) {
        if (data[0] % 2 == 0) {
            __builtin_trap();  // text that read once must read again
        }
    }
    return 0;
}
