// Ordering of array elements for the sorts and searches of the array
// records: the comparison mode, a quicksort with a fixed pivot rule, and a
// binary search that finds the first of equal elements.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "korbit/control/values/value.h"

namespace korbit::utilities {

// Text mode when the first element is text: both sides lower-cased and
// compared by character code. Value mode otherwise: numbers (and Booleans,
// dates, Empty) by value, texts by character code, a number before any
// text, Empty as "" beside text. A comparison with Null is never true.
class ValueOrder {
public:
    explicit ValueOrder(const control::Value& first) : textMode_(first.holds<control::Text>()) {}

    bool textMode() const noexcept { return textMode_; }

    // What is compared for `v`: its lower-cased text in text mode (Null stays
    // Null), `v` itself otherwise. Throws type mismatch for a value without a
    // text form in text mode.
    control::Value key(const control::Value& v) const;

    // Order of two keys. Throws type mismatch for arrays, records, objects
    // and error values.
    static bool less(const control::Value& a, const control::Value& b);
    static bool equal(const control::Value& a, const control::Value& b);

private:
    bool textMode_;
};

// The pivot index of a range: (l + r) / 2, a half going to the even
// neighbour.
std::int64_t pivotIndex(std::int64_t l, std::int64_t r) noexcept;

// Quicksorts keys[l - base .. r - base] ascending by ValueOrder::less and
// applies every exchange to `order` as well; with `keysMove` false the keys
// stay where they are (rows exchanged without their key column). Recursion goes into the
// smaller part only, so the depth stays logarithmic; the result is that of
// sorting the left part before the right. `step` runs after every step.
void quickSortKeys(std::vector<control::Value>& keys, std::vector<std::int32_t>& order, std::int64_t base,
                   std::int64_t l, std::int64_t r, bool keysMove, const std::function<void()>& step);

// The index in [lo, hi] of the first key equal to `find` in keys sorted
// ascending, or -1. `keyAt` gives the key of an index.
std::int32_t binarySearchFirst(std::int32_t lo, std::int32_t hi, const control::Value& find,
                               const std::function<control::Value(std::int32_t)>& keyAt,
                               const std::function<void()>& step);

}  // namespace korbit::utilities
