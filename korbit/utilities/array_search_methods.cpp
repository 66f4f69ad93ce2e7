// Sorting and searching the array records, and the membership tests.
#include "korbit/utilities/array_ordering.h"
#include "korbit/utilities/array_record_methods.h"

namespace korbit::utilities {


namespace {

// Sorts rows l..r of `a` by the key `keyOf` gives, moving the values of
// `columns` (the element itself when empty).
template <typename KeyOf, typename ElementAt>
void sortRows(control::ControlFrame& frame, const ValueOrder& order, std::int32_t l, std::int32_t r, KeyOf keyOf,
              ElementAt elementAt, const std::vector<std::int32_t>& columns, bool keysMove) {
    if (l > r) {
        (void)order.key(keyOf(static_cast<std::int32_t>(pivotIndex(l, r))));
        return;
    }
    std::vector<Value> keys;
    std::vector<std::int32_t> rows;
    for (std::int64_t i = l; i <= r; ++i) {
        keys.push_back(order.key(keyOf(static_cast<std::int32_t>(i))));
        rows.push_back(static_cast<std::int32_t>(i));
    }
    for (const std::int32_t column : columns) {
        (void)elementAt(l, column);  // every column moved must exist before anything moves
    }
    quickSortKeys(keys, rows, l, l, r, keysMove, [&] { frame.yieldToHost(); });
    std::vector<Value> before(rows.size());
    for (const std::int32_t column : columns) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            before[k] = elementAt(l + static_cast<std::int32_t>(k), column);
        }
        for (std::size_t k = 0; k < rows.size(); ++k) {
            elementAt(l + static_cast<std::int32_t>(k), column) =
                std::move(before[static_cast<std::size_t>(rows[k] - l)]);
        }
    }
}

VBool isInArrayValue(const Value& find, const Value& candidate) {
    try {
        if (!candidate.holds<Array>() || candidate.get<Array>().dimensions() != 1) {
            return control::kFalse;
        }
        const Text wanted = control::toText(find);
        bool found = false;
        for (const Value& element : candidate.get<Array>().elements()) {
            found = control::toText(element) == wanted || found;  // every element must have a text form
        }
        return control::toVBool(found);
    } catch (const std::exception&) {
        return control::kFalse;
    }
}

}  // namespace

void ArrayRecordMethods::QuickSortOneDimArray(Record& ArrayData, std::int32_t L, std::int32_t R) {
    Array& a = arrayOf(ArrayData);
    const ValueOrder order(a.at(0));
    sortRows(frame_, order, L, R, [&](std::int32_t i) -> const Value& { return a.at(i); },
             [&](std::int32_t i, std::int32_t) -> Value& { return a.at(i); }, {0}, true);
}

void ArrayRecordMethods::QuickSortTwoDimArray(Record& ArrayData, std::int16_t AccordingTo, std::int32_t L,
                                              std::int32_t R) {
    Array& a = arrayOf(ArrayData);
    const ValueOrder order(a.at(0, AccordingTo));
    const std::int32_t lastColumn = control::toInt32(ArrayData.field("nSecDimension"));
    std::vector<std::int32_t> columns;
    for (std::int32_t j = 0; j <= lastColumn; ++j) {
        columns.push_back(j);
    }
    sortRows(frame_, order, L, R, [&](std::int32_t i) -> const Value& { return a.at(i, AccordingTo); },
             [&](std::int32_t i, std::int32_t j) -> Value& { return a.at(i, j); }, columns,
             AccordingTo >= 0 && AccordingTo <= lastColumn);
}

std::int32_t ArrayRecordMethods::BinarySearchSortedArray1(const Record& ArrayData, const Value& FindValue) {
    const Array& a = arrayOf(ArrayData);
    const control::Bound rows = a.bound(1);
    const ValueOrder order(a.at(0));
    return binarySearchFirst(
        rows.lower, rows.upper(), order.key(FindValue), [&](std::int32_t i) { return order.key(a.at(i)); },
        [this] { frame_.yieldToHost(); });
}

std::int32_t ArrayRecordMethods::BinarySearchSortedArray2(const Record& ArrayData, std::int16_t AccordingTo,
                                                          const Value& FindValue) {
    const Array& a = arrayOf(ArrayData);
    const control::Bound rows = a.bound(1);
    const ValueOrder order(a.at(0, AccordingTo));
    return binarySearchFirst(
        rows.lower, rows.upper(), order.key(FindValue), [&](std::int32_t i) { return order.key(a.at(i, AccordingTo)); },
        [this] { frame_.yieldToHost(); });
}

VBool ArrayRecordMethods::IsInArray(const Value& FindValue, const Record& ArrayData) {
    return isInArrayValue(FindValue, ArrayData.field("sMyArray"));
}

VBool ArrayRecordMethods::IsInArray2(const Value& FindValue, const Array& MyArray) {
    return isInArrayValue(FindValue, MyArray);
}

}  // namespace korbit::utilities

