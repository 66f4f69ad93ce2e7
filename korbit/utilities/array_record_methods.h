// The array record methods of the control: a table of values in an
// ARRAY_PARAMS record (sMyArray, sMyFile, nRecordCount, nSecDimension),
// written to and read from its delimited text file (array_file_format.h),
// sorted, searched, reversed and trimmed.
//
// The file methods, removals and reversals answer False on any error; the
// sorts and searches throw (subscript out of range for an empty array, a
// bound or column outside it). Text mode (case-insensitive) when the first
// element (of the key column) is text, value mode otherwise.
#pragma once

#include <cstdint>

#include "korbit/control/frame/control_frame.h"
#include "korbit/utilities/families.h"

namespace korbit::utilities {

class ArrayRecordMethods {
public:
    ArrayRecordMethods(control::ControlFrame& frame, services::PathMethods& paths) noexcept
        : frame_(frame), paths_(paths) {}

    Value DestroyArray(Record& ArrayData);  // erases sMyArray; Empty
    VBool RemoveArrayRowReWriteOneDim(const Record& ArrayData, std::int32_t iPos, VBool AppendFile);  // array unchanged
    VBool RemoveArrayRowReWriteTwoDim(const Record& ArrayData, std::int32_t iPos, VBool AppendFile);
    VBool RemoveFromArrayTwoDim(Record& ArrayData, std::int32_t iPos);  // a lone row is erased with False
    VBool RemoveFromArrayOneDim(Record& ArrayData, std::int32_t iPos);
    std::int32_t BinarySearchSortedArray1(const Record& ArrayData, const Value& FindValue);  // first equal index, or -1
    std::int32_t BinarySearchSortedArray2(const Record& ArrayData, std::int16_t AccordingTo, const Value& FindValue);
    VBool IsInArray2(const Value& FindValue, const Array& MyArray);  // exact, case-sensitive text forms
    VBool IsInArray(const Value& FindValue, const Record& ArrayData);
    VBool ArrayReverseTwoDim(Record& ArrayData);  // rows 0 .. nRecordCount - 1
    VBool ArrayReverseOneDim(Record& ArrayData);
    VBool WriteOneDimArrayToFile(const Record& ArrayData, VBool AppendFile);  // replaced atomically unless appending
    VBool WriteTwoDimArrayToFile(const Record& ArrayData, VBool AppendFile);  // False for widths outside 2..31
    void QuickSortOneDimArray(Record& ArrayData, std::int32_t L, std::int32_t R);
    void QuickSortTwoDimArray(Record& ArrayData, std::int16_t AccordingTo, std::int32_t L, std::int32_t R);
    VBool FillOneDimArrayFromFile(Record& ArrayData);  // sets nRecordCount
    VBool FillTwoDimArrayFromFile(Record& ArrayData);  // rows of nSecDimension + 1 values

private:
    VBool fillArray(Record& ArrayData, bool twoDim);

    control::ControlFrame& frame_;
    services::PathMethods& paths_;
};

// The sMyArray field of an ARRAY_PARAMS record; throws type mismatch when it
// holds no array.
Array& arrayOf(Record& data);
const Array& arrayOf(const Record& data);

}  // namespace korbit::utilities
