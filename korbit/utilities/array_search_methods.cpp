// Sorting and searching the array records, membership tests, and the
// bindings of the whole array record family.
#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"
#include "korbit/utilities/array_ordering.h"

namespace korbit::control {

namespace {

using utilities::ValueOrder;

Array& arrayOf(Record& data) {
    Value& field = data.field("sMyArray");
    if (!field.holds<Array>()) {
        throw AutomationError::typeMismatch();
    }
    return field.get<Array>();
}

// Sorts rows l..r of `a` by the key `keyOf` gives, moving the values of
// `columns` (the element itself when empty).
template <typename KeyOf, typename ElementAt>
void sortRows(KorbitControl& control, const ValueOrder& order, std::int32_t l, std::int32_t r, KeyOf keyOf,
              ElementAt elementAt, const std::vector<std::int32_t>& columns, bool keysMove) {
    if (l > r) {
        (void)order.key(keyOf(static_cast<std::int32_t>(utilities::pivotIndex(l, r))));
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
    utilities::quickSortKeys(keys, rows, l, l, r, keysMove, [&] { control.host().pumpEvents(); });
    std::vector<Value> before(rows.size());
    for (const std::int32_t column : columns) {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            before[k] = elementAt(l + static_cast<std::int32_t>(k), column);
        }
        for (std::size_t k = 0; k < rows.size(); ++k) {
            elementAt(l + static_cast<std::int32_t>(k), column) = std::move(before[static_cast<std::size_t>(rows[k] - l)]);
        }
    }
}

VBool isInArrayValue(const Value& find, const Value& candidate) {
    try {
        if (!candidate.holds<Array>() || candidate.get<Array>().dimensions() != 1) {
            return kFalse;
        }
        const Text wanted = toText(find);
        bool found = false;
        for (const Value& element : candidate.get<Array>().elements()) {
            found = toText(element) == wanted || found;  // every element must have a text form
        }
        return toVBool(found);
    } catch (const std::exception&) {
        return kFalse;
    }
}

}  // namespace

void KorbitControl::QuickSortOneDimArray(Record& ArrayData, std::int32_t L, std::int32_t R) {
    Array& a = arrayOf(ArrayData);
    const ValueOrder order(a.at(0));
    sortRows(*this, order, L, R, [&](std::int32_t i) -> const Value& { return a.at(i); },
             [&](std::int32_t i, std::int32_t) -> Value& { return a.at(i); }, {0}, true);
}

void KorbitControl::QuickSortTwoDimArray(Record& ArrayData, std::int16_t AccordingTo, std::int32_t L,
                                         std::int32_t R) {
    Array& a = arrayOf(ArrayData);
    const ValueOrder order(a.at(0, AccordingTo));
    const std::int32_t lastColumn = toInt32(ArrayData.field("nSecDimension"));
    std::vector<std::int32_t> columns;
    for (std::int32_t j = 0; j <= lastColumn; ++j) {
        columns.push_back(j);
    }
    sortRows(*this, order, L, R, [&](std::int32_t i) -> const Value& { return a.at(i, AccordingTo); },
             [&](std::int32_t i, std::int32_t j) -> Value& { return a.at(i, j); }, columns,
             AccordingTo >= 0 && AccordingTo <= lastColumn);
}

std::int32_t KorbitControl::BinarySearchSortedArray1(Record& ArrayData, const Value& FindValue) {
    const Array& a = arrayOf(ArrayData);
    const Bound rows = a.bound(1);
    const ValueOrder order(a.at(0));
    return utilities::binarySearchFirst(
        rows.lower, rows.upper(), order.key(FindValue), [&](std::int32_t i) { return order.key(a.at(i)); },
        [this] { host().pumpEvents(); });
}

std::int32_t KorbitControl::BinarySearchSortedArray2(Record& ArrayData, std::int16_t AccordingTo,
                                                     const Value& FindValue) {
    const Array& a = arrayOf(ArrayData);
    const Bound rows = a.bound(1);
    const ValueOrder order(a.at(0, AccordingTo));
    return utilities::binarySearchFirst(
        rows.lower, rows.upper(), order.key(FindValue), [&](std::int32_t i) { return order.key(a.at(i, AccordingTo)); },
        [this] { host().pumpEvents(); });
}

VBool KorbitControl::IsInArray(const Value& FindValue, Record& ArrayData) {
    return isInArrayValue(FindValue, ArrayData.field("sMyArray"));
}

VBool KorbitControl::IsInArray2(const Value& FindValue, const Array& MyArray) {
    return isInArrayValue(FindValue, MyArray);
}

}  // namespace korbit::control

namespace korbit::utilities {

namespace {

using control::Boolean;
using control::DispatchObject;
using control::KorbitControl;
using control::Record;
using control::Value;

Record& recordOf(Value& v) { return v.get<Record>(); }
control::VBool flag(const Value& v) { return v.get<Boolean>().value; }
Value boolean(control::VBool b) { return Boolean{b}; }

using Span = std::span<Value>;

}  // namespace

void bindArrayRecordMethods(control::InterfaceInfo& info) {
    info.bind("DestroyArray", [](DispatchObject& s, Span a) { return controlOf(s).DestroyArray(recordOf(a[0])); });
    info.bind("RemoveArrayRowReWriteOneDim", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).RemoveArrayRowReWriteOneDim(recordOf(a[0]), a[1].get<std::int32_t>(), flag(a[2])));
    });
    info.bind("RemoveArrayRowReWriteTwoDim", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).RemoveArrayRowReWriteTwoDim(recordOf(a[0]), a[1].get<std::int32_t>(), flag(a[2])));
    });
    info.bind("RemoveFromArrayTwoDim", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).RemoveFromArrayTwoDim(recordOf(a[0]), a[1].get<std::int32_t>()));
    });
    info.bind("RemoveFromArrayOneDim", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).RemoveFromArrayOneDim(recordOf(a[0]), a[1].get<std::int32_t>()));
    });
    info.bind("BinarySearchSortedArray1", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).BinarySearchSortedArray1(recordOf(a[0]), a[1]);
    });
    info.bind("BinarySearchSortedArray2", [](DispatchObject& s, Span a) -> Value {
        return controlOf(s).BinarySearchSortedArray2(recordOf(a[0]), a[1].get<std::int16_t>(), a[2]);
    });
    info.bind("IsInArray2", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).IsInArray2(a[0], a[1].get<control::Array>()));
    });
    info.bind("IsInArray", [](DispatchObject& s, Span a) { return boolean(controlOf(s).IsInArray(a[0], recordOf(a[1]))); });
    info.bind("ArrayReverseTwoDim", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).ArrayReverseTwoDim(recordOf(a[0])));
    });
    info.bind("ArrayReverseOneDim", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).ArrayReverseOneDim(recordOf(a[0])));
    });
    info.bind("WriteOneDimArrayToFile", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).WriteOneDimArrayToFile(recordOf(a[0]), flag(a[1])));
    });
    info.bind("WriteTwoDimArrayToFile", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).WriteTwoDimArrayToFile(recordOf(a[0]), flag(a[1])));
    });
    info.bind("QuickSortOneDimArray", [](DispatchObject& s, Span a) {
        controlOf(s).QuickSortOneDimArray(recordOf(a[0]), a[1].get<std::int32_t>(), a[2].get<std::int32_t>());
        return Value();
    });
    info.bind("QuickSortTwoDimArray", [](DispatchObject& s, Span a) {
        controlOf(s).QuickSortTwoDimArray(recordOf(a[0]), a[1].get<std::int16_t>(), a[2].get<std::int32_t>(),
                                          a[3].get<std::int32_t>());
        return Value();
    });
    info.bind("FillOneDimArrayFromFile", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).FillOneDimArrayFromFile(recordOf(a[0])));
    });
    info.bind("FillTwoDimArrayFromFile", [](DispatchObject& s, Span a) {
        return boolean(controlOf(s).FillTwoDimArrayFromFile(recordOf(a[0])));
    });
}

}  // namespace korbit::utilities
