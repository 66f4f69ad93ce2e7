#include "korbit/utilities/array_ordering.h"

#include <optional>

#include "korbit/platform/text_case.h"

namespace korbit::utilities {

using control::AutomationError;
using control::Value;
using control::VarType;

namespace {

// Empty compares as 0, like any number.
bool isNumberLike(const Value& v) noexcept { return v.isEmpty() || v.isNumeric(); }

// -1, 0, 1; empty when Null takes part.
std::optional<int> compare(const Value& a, const Value& b) {
    const VarType ta = a.type();
    const VarType tb = b.type();
    if (ta == VarType::kNull || tb == VarType::kNull) {
        return std::nullopt;
    }
    const bool textA = ta == VarType::kText;
    const bool textB = tb == VarType::kText;
    if ((!textA && !isNumberLike(a)) || (!textB && !isNumberLike(b))) {
        throw AutomationError::typeMismatch();
    }
    if (textA || textB) {
        if (!textA && ta != VarType::kEmpty) {
            return -1;  // a number sorts before any text
        }
        if (!textB && tb != VarType::kEmpty) {
            return 1;
        }
        const std::u16string_view x = textA ? std::u16string_view(a.get<control::Text>()) : std::u16string_view();
        const std::u16string_view y = textB ? std::u16string_view(b.get<control::Text>()) : std::u16string_view();
        const int c = x.compare(y);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    const double x = control::toDouble(a);
    const double y = control::toDouble(b);
    return x < y ? -1 : (y < x ? 1 : 0);
}

}  // namespace

Value ValueOrder::key(const Value& v) const {
    if (!textMode_ || v.isNull()) {
        return v;
    }
    return platform::toLowerCase(control::toText(v));
}

bool ValueOrder::less(const Value& a, const Value& b) {
    const std::optional<int> c = compare(a, b);
    return c && *c < 0;
}

bool ValueOrder::equal(const Value& a, const Value& b) {
    const std::optional<int> c = compare(a, b);
    return c && *c == 0;
}

std::int64_t pivotIndex(std::int64_t l, std::int64_t r) noexcept {
    const std::int64_t sum = l + r;
    const std::int64_t down = sum >= 0 ? sum / 2 : -((-sum + 1) / 2);  // floor(sum / 2)
    if (sum % 2 == 0) {
        return down;
    }
    return down % 2 == 0 ? down : down + 1;
}

void quickSortKeys(std::vector<Value>& keys, std::vector<std::int32_t>& order, std::int64_t base, std::int64_t l,
                   std::int64_t r, bool keysMove, const std::function<void()>& step) {
    auto at = [&](std::int64_t i) -> Value& { return keys[static_cast<std::size_t>(i - base)]; };
    auto exchange = [&](std::int64_t i, std::int64_t j) {
        if (keysMove) {
            std::swap(at(i), at(j));
        }
        std::swap(order[static_cast<std::size_t>(i - base)], order[static_cast<std::size_t>(j - base)]);
    };
    while (true) {
        std::int64_t i = l;
        std::int64_t j = r;
        const Value x = at(pivotIndex(l, r));
        while (i <= j) {
            while (ValueOrder::less(at(i), x) && i < r) {
                ++i;
                step();
            }
            while (ValueOrder::less(x, at(j)) && j > l) {
                --j;
                step();
            }
            if (i <= j) {
                exchange(i, j);
                ++i;
                --j;
            }
            step();
        }
        // The parts l..j and i..r are disjoint: sorting the smaller one first
        // gives the same result and bounds the depth.
        const bool leftDue = l < j;
        const bool rightDue = i < r;
        if (leftDue && rightDue) {
            if (j - l < r - i) {
                quickSortKeys(keys, order, base, l, j, keysMove, step);
                l = i;
            } else {
                quickSortKeys(keys, order, base, i, r, keysMove, step);
                r = j;
            }
        } else if (leftDue) {
            r = j;
        } else if (rightDue) {
            l = i;
        } else {
            return;
        }
    }
}

std::int32_t binarySearchFirst(std::int32_t lo, std::int32_t hi, const Value& find,
                               const std::function<Value(std::int32_t)>& keyAt, const std::function<void()>& step) {
    std::int32_t mid = 0;
    while (lo <= hi) {
        mid = static_cast<std::int32_t>((std::int64_t{lo} + hi) / 2);
        const Value element = keyAt(mid);
        step();
        if (ValueOrder::less(find, element)) {
            hi = mid - 1;
        } else if (ValueOrder::less(element, find)) {
            lo = mid + 1;
        } else {
            break;
        }
    }
    while (mid > lo && ValueOrder::equal(keyAt(mid - 1), find)) {
        --mid;
        step();
    }
    return ValueOrder::equal(keyAt(mid), find) ? mid : -1;
}

}  // namespace korbit::utilities
