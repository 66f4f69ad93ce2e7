// The array record methods of the control: a table of values in an
// ARRAY_PARAMS record, written to and read from its delimited text file,
// sorted, searched, reversed and trimmed.
#include <limits>

#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"
#include "korbit/utilities/array_file_format.h"
#include "korbit/utilities/array_file_store.h"
#include "korbit/utilities/array_ordering.h"

namespace korbit::control {

namespace {

Array& arrayOf(Record& data) {
    Value& field = data.field("sMyArray");
    if (!field.holds<Array>()) {
        throw AutomationError::typeMismatch();
    }
    return field.get<Array>();
}

std::int32_t intField(const Record& data, std::string_view name) { return toInt32(data.field(name)); }

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
        utilities::appendLine(out, row);
    }
    return out;
}

VBool writeArrayRows(Record& ArrayData, std::int32_t skip, VBool AppendFile, bool twoDim) {
    try {
        const std::int32_t count = intField(ArrayData, "nRecordCount");
        std::int32_t lastColumn = -1;
        if (twoDim) {
            lastColumn = intField(ArrayData, "nSecDimension");
            const std::int32_t rows = count - (skip >= 0 && skip < count ? 1 : 0);
            if (rows >= 1 && (lastColumn < 1 || lastColumn > 30)) {
                return kFalse;
            }
        }
        const std::string text = fileText(arrayOf(ArrayData), count, skip, lastColumn);
        utilities::storeArrayFile(toText(ArrayData.field("sMyFile")), text, AppendFile != kFalse);
        return kTrue;
    } catch (const std::exception&) {
        return kFalse;
    }
}

}  // namespace

VBool KorbitControl::WriteOneDimArrayToFile(Record& ArrayData, VBool AppendFile) {
    return writeArrayRows(ArrayData, -1, AppendFile, false);
}

VBool KorbitControl::WriteTwoDimArrayToFile(Record& ArrayData, VBool AppendFile) {
    return writeArrayRows(ArrayData, -1, AppendFile, true);
}

VBool KorbitControl::RemoveArrayRowReWriteOneDim(Record& ArrayData, std::int32_t iPos, VBool AppendFile) {
    return writeArrayRows(ArrayData, iPos < 0 ? -1 : iPos, AppendFile, false);
}

VBool KorbitControl::RemoveArrayRowReWriteTwoDim(Record& ArrayData, std::int32_t iPos, VBool AppendFile) {
    return writeArrayRows(ArrayData, iPos < 0 ? -1 : iPos, AppendFile, true);
}

namespace {

VBool fillArray(KorbitControl& control, Record& ArrayData, bool twoDim) {
    try {
        const Text file = toText(ArrayData.field("sMyFile"));
        if (control.DoesFileExist(file) != kTrue) {
            return kFalse;
        }
        std::int32_t width = 1;
        if (twoDim) {
            const std::int32_t lastColumn = intField(ArrayData, "nSecDimension");
            if (lastColumn < 0 || lastColumn == std::numeric_limits<std::int32_t>::max()) {
                return kFalse;  // a row of no values would never end
            }
            width = lastColumn + 1;
        }
        const std::string bytes = utilities::loadArrayFile(file);
        utilities::ArrayFileReader reader(bytes);
        std::vector<Value> values;
        while (!reader.atEnd()) {
            values.push_back(reader.next());
            control.host().pumpEvents();
        }
        const std::size_t rowWidth = static_cast<std::size_t>(width);
        if (values.empty() || values.size() % rowWidth != 0) {
            return kFalse;  // no values, or a last row cut short
        }
        const auto rows = static_cast<std::int32_t>(values.size() / rowWidth);
        Array filled(VarType::kVariant, twoDim ? std::vector<Bound>{{0, rows}, {0, width}} : std::vector<Bound>{{0, rows}});
        for (std::int32_t i = 0; i < rows; ++i) {
            for (std::int32_t j = 0; j < width; ++j) {
                Value& v = values[static_cast<std::size_t>(i) * rowWidth + static_cast<std::size_t>(j)];
                (twoDim ? filled.at(i, j) : filled.at(i)) = std::move(v);
            }
        }
        arrayOf(ArrayData) = std::move(filled);
        ArrayData.field("nRecordCount") = rows;
        return kTrue;
    } catch (const std::exception&) {
        return kFalse;
    }
}

}  // namespace

VBool KorbitControl::FillOneDimArrayFromFile(Record& ArrayData) { return fillArray(*this, ArrayData, false); }
VBool KorbitControl::FillTwoDimArrayFromFile(Record& ArrayData) { return fillArray(*this, ArrayData, true); }

namespace {

VBool removeArrayRow(Record& ArrayData, std::int32_t iPos, bool twoDim) {
    try {
        Array& a = arrayOf(ArrayData);
        const Bound rows = a.bound(1);
        if (rows.count == 1) {
            a.erase();
            return kFalse;
        }
        if (iPos < rows.lower || iPos > rows.upper()) {
            return kFalse;
        }
        const std::int32_t width = twoDim ? intField(ArrayData, "nSecDimension") + 1 : 1;
        if (width < 1) {
            throw AutomationError::subscriptOutOfRange();  // a row needs at least one column
        }
        Array kept(VarType::kVariant, twoDim ? std::vector<Bound>{{rows.lower, rows.count - 1}, {0, width}}
                                             : std::vector<Bound>{{rows.lower, rows.count - 1}});
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
        return kTrue;
    } catch (const std::exception&) {
        return kFalse;
    }
}

}  // namespace

VBool KorbitControl::RemoveFromArrayOneDim(Record& ArrayData, std::int32_t iPos) {
    return removeArrayRow(ArrayData, iPos, false);
}

VBool KorbitControl::RemoveFromArrayTwoDim(Record& ArrayData, std::int32_t iPos) {
    return removeArrayRow(ArrayData, iPos, true);
}

VBool KorbitControl::ArrayReverseOneDim(Record& ArrayData) {
    try {
        Array& a = arrayOf(ArrayData);
        const std::int32_t u = a.bound(1).upper();
        for (std::int32_t i = 0; i <= u / 2; ++i) {
            std::swap(a.at(i), a.at(u - i));
        }
        return kTrue;
    } catch (const std::exception&) {
        return kFalse;
    }
}

VBool KorbitControl::ArrayReverseTwoDim(Record& ArrayData) {
    try {
        Array& a = arrayOf(ArrayData);
        const std::int32_t n = intField(ArrayData, "nRecordCount");
        const std::int32_t lastColumn = intField(ArrayData, "nSecDimension");
        for (std::int32_t i = 0; i <= (n - 1) / 2; ++i) {
            for (std::int32_t j = 0; j <= lastColumn; ++j) {
                std::swap(a.at(i, j), a.at(n - 1 - i, j));
            }
        }
        return kTrue;
    } catch (const std::exception&) {
        return kFalse;
    }
}

Value KorbitControl::DestroyArray(Record& ArrayData) {
    arrayOf(ArrayData).erase();
    return {};
}

}  // namespace korbit::control
