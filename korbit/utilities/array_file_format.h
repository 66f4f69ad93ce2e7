// The comma-delimited sequential text format of the array files: one line per
// element or row, values separated by commas, lines ended by CR LF.
//
//   text      "quoted"; a quotation mark inside is doubled (""), commas and
//             line breaks inside stand as they are, the quotes keep them in
//   number    whole numbers (16- and 32-bit) as plain digits; floating ones
//             (single and double) in their shortest exact decimal form with
//             a period, always with a period or an exponent ("5.0", "1e+300")
//   Boolean   #TRUE# or #FALSE#
//   date      #yyyy-mm-dd hh:mm:ss#, kept to the second
//   Null      #NULL#
//   Empty     nothing
//
// The bytes are UTF-8; a 16-bit text holding a lone surrogate writes it as
// its own three-byte sequence, so every text reads back unchanged. Reading
// gives whole numbers back as 32-bit integers (larger ones as doubles) and
// floating numbers as doubles.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "korbit/control/values/value.h"

namespace korbit::utilities {

// Appends `value` in its file form. Throws type mismatch for a value the
// format has no form for (arrays, records, objects, errors, Missing, NaN or
// infinite numbers) and overflow for a date outside years 100 to 9999.
void appendFieldText(std::string& out, const control::Value& value);

// Appends one line: `values` separated by commas, then CR LF.
void appendLine(std::string& out, const std::vector<control::Value>& values);

// Reads the values of a file one at a time, each delimited by a comma or a
// line end wherever it stands.
class ArrayFileReader {
public:
    explicit ArrayFileReader(std::string_view bytes) noexcept : bytes_(bytes) {}

    bool atEnd() const noexcept { return pos_ >= bytes_.size(); }

    // The next value. Throws AutomationError when there is none left or the
    // value is malformed (an unterminated quotation or number-sign form).
    control::Value next();

    // Every value up to the end.
    std::vector<control::Value> readAll();

private:
    control::Value readQuoted();
    control::Value readHashForm();
    control::Value readBare();
    void skipBlanks() noexcept;
    void skipDelimiter();

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// UTF-16 to UTF-8, lone surrogates encoded on their own; and back, where
// bytes that are no UTF-8 become U+FFFD each.
std::string toFileBytes(std::u16string_view text);
std::u16string fromFileBytes(std::string_view bytes);

}  // namespace korbit::utilities
