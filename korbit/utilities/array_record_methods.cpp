// The array record methods that write, read, trim and reverse the records.
#include "korbit/utilities/array_record_methods.h"

#include <limits>
#include <utility>

#include "korbit/services/path_methods.h"
#include "korbit/utilities/array_file_format.h"
#include "korbit/utilities/array_file_store.h"
#include "korbit/utilities/array_ordering.h"

namespace korbit::utilities {


const Array& arrayOf(const Record& data) {
    const Value& field = data.field("sMyArray");
    if (!field.holds<Array>()) {
        throw control::AutomationError::typeMismatch();
    }
    return field.get<Array>();
}

Array& arrayOf(Record& data) { return const_cast<Array&>(arrayOf(std::as_const(data))); }

namespace {

std::int32_t intField(const Record& data, std::string_view name) { return control::toInt32(data.field(name)); }

// The rows 0 .. count - 1 except `skip`, each as its columns 0 .. lastColumn
// (or the element itself when lastColumn is negative), in file form.
std::string fileText(const Array& a, std::int32_t count, std::int32_t skip, std::int32_t lastColumn) {
    std::string out;
    std::vector<Value> row;
    for (std::int32_t i = 0; i < count; ++i) {
        if (i == skip) {
            continue;
        }
        row.clear();
        if (lastColumn < 0) {
            row.push_back(a.at(i));
        } else {
            for (std::int32_t j = 0; j <= lastColumn; ++j) {
                row.push_back(a.at(i, j));
            }
        }
        appendLine(out, row);
    }
    return out;
}

VBool writeArrayRows(const Record& ArrayData, std::int32_t skip, VBool AppendFile, bool twoDim) {
    try {
        const std::int32_t count = intField(ArrayData, "nRecordCount");
        std::int32_t lastColumn = -1;
        if (twoDim) {
            lastColumn = intField(ArrayData, "nSecDimension");
            const std::int32_t rows = count - (skip >= 0 && skip < count ? 1 : 0);
            if (rows >= 1 && (lastColumn < 1 || lastColumn > 30)) {
                return control::kFalse;
            }
        }
        const std::string text = fileText(arrayOf(ArrayData), count, skip, lastColumn);
        return control::toVBool(
            storeArrayFile(control::toText(ArrayData.field("sMyFile")), text, AppendFile != control::kFalse).isOk());
    } catch (const std::exception&) {
        return control::kFalse;
    }
}

}  // namespace

VBool ArrayRecordMethods::WriteOneDimArrayToFile(const Record& ArrayData, VBool AppendFile) {
    return writeArrayRows(ArrayData, -1, AppendFile, false);
}

VBool ArrayRecordMethods::WriteTwoDimArrayToFile(const Record& ArrayData, VBool AppendFile) {
    return writeArrayRows(ArrayData, -1, AppendFile, true);
}

VBool ArrayRecordMethods::RemoveArrayRowReWriteOneDim(const Record& ArrayData, std::int32_t iPos, VBool AppendFile) {
    return writeArrayRows(ArrayData, iPos < 0 ? -1 : iPos, AppendFile, false);
}

VBool ArrayRecordMethods::RemoveArrayRowReWriteTwoDim(const Record& ArrayData, std::int32_t iPos, VBool AppendFile) {
    return writeArrayRows(ArrayData, iPos < 0 ? -1 : iPos, AppendFile, true);
}

VBool ArrayRecordMethods::fillArray(Record& ArrayData, bool twoDim) {
    try {
        const Text file = control::toText(ArrayData.field("sMyFile"));
        if (paths_.DoesFileExist(file) != control::kTrue) {
            return control::kFalse;
        }
        std::int32_t width = 1;
        if (twoDim) {
            const std::int32_t lastColumn = intField(ArrayData, "nSecDimension");
            if (lastColumn < 0 || lastColumn == std::numeric_limits<std::int32_t>::max()) {
                return control::kFalse;  // a row of no values would never end
            }
            width = lastColumn + 1;
        }
        const engine::Result<std::string> bytes = loadArrayFile(file);
        if (!bytes) {
            return control::kFalse;
        }
        ArrayFileReader reader(bytes.value());
        std::vector<Value> values;
        while (!reader.atEnd()) {
            values.push_back(reader.next());
            frame_.yieldToHost();
        }
        const std::size_t rowWidth = static_cast<std::size_t>(width);
        if (values.empty() || values.size() % rowWidth != 0) {
            return control::kFalse;  // no values, or a last row cut short
        }
        const auto rows = static_cast<std::int32_t>(values.size() / rowWidth);
        Array filled(control::VarType::kVariant, twoDim ? std::vector<control::Bound>{{0, rows}, {0, width}}
                                                        : std::vector<control::Bound>{{0, rows}});
        for (std::int32_t i = 0; i < rows; ++i) {
            for (std::int32_t j = 0; j < width; ++j) {
                Value& v = values[static_cast<std::size_t>(i) * rowWidth + static_cast<std::size_t>(j)];
                (twoDim ? filled.at(i, j) : filled.at(i)) = std::move(v);
            }
        }
        arrayOf(ArrayData) = std::move(filled);
        ArrayData.field("nRecordCount") = rows;
        return control::kTrue;
    } catch (const std::exception&) {
        return control::kFalse;
    }
}

VBool ArrayRecordMethods::FillOneDimArrayFromFile(Record& ArrayData) { return fillArray(ArrayData, false); }
VBool ArrayRecordMethods::FillTwoDimArrayFromFile(Record& ArrayData) { return fillArray(ArrayData, true); }

namespace {

VBool removeArrayRow(Record& ArrayData, std::int32_t iPos, bool twoDim) {
    try {
        Array& a = arrayOf(ArrayData);
        const control::Bound rows = a.bound(1);
        if (rows.count == 1) {
            a.erase();
            return control::kFalse;
        }
        if (iPos < rows.lower || iPos > rows.upper()) {
            return control::kFalse;
        }
        const std::int32_t width = twoDim ? intField(ArrayData, "nSecDimension") + 1 : 1;
        if (width < 1) {
            throw control::AutomationError::subscriptOutOfRange();  // a row needs at least one column
        }
        Array kept(control::VarType::kVariant,
                   twoDim ? std::vector<control::Bound>{{rows.lower, rows.count - 1}, {0, width}}
                          : std::vector<control::Bound>{{rows.lower, rows.count - 1}});
        std::int32_t to = rows.lower;
        for (std::int32_t i = rows.lower; i <= rows.upper(); ++i) {
            if (i == iPos) {
                continue;
            }
            if (twoDim) {
                for (std::int32_t j = 0; j < width; ++j) {
                    kept.at(to, j) = a.at(i, j);
                }
            } else {
                kept.at(to) = a.at(i);
            }
            ++to;
        }
        a = std::move(kept);
        return control::kTrue;
    } catch (const std::exception&) {
        return control::kFalse;
    }
}

}  // namespace

VBool ArrayRecordMethods::RemoveFromArrayOneDim(Record& ArrayData, std::int32_t iPos) {
    return removeArrayRow(ArrayData, iPos, false);
}

VBool ArrayRecordMethods::RemoveFromArrayTwoDim(Record& ArrayData, std::int32_t iPos) {
    return removeArrayRow(ArrayData, iPos, true);
}

VBool ArrayRecordMethods::ArrayReverseOneDim(Record& ArrayData) {
    try {
        Array& a = arrayOf(ArrayData);
        const std::int32_t u = a.bound(1).upper();
        for (std::int32_t i = 0; i <= u / 2; ++i) {
            std::swap(a.at(i), a.at(u - i));
        }
        return control::kTrue;
    } catch (const std::exception&) {
        return control::kFalse;
    }
}

VBool ArrayRecordMethods::ArrayReverseTwoDim(Record& ArrayData) {
    try {
        Array& a = arrayOf(ArrayData);
        const std::int32_t n = intField(ArrayData, "nRecordCount");
        const std::int32_t lastColumn = intField(ArrayData, "nSecDimension");
        for (std::int32_t i = 0; i <= (n - 1) / 2; ++i) {
            for (std::int32_t j = 0; j <= lastColumn; ++j) {
                std::swap(a.at(i, j), a.at(n - 1 - i, j));
            }
        }
        return control::kTrue;
    } catch (const std::exception&) {
        return control::kFalse;
    }
}

Value ArrayRecordMethods::DestroyArray(Record& ArrayData) {
    arrayOf(ArrayData).erase();
    return {};
}

}  // namespace korbit::utilities
