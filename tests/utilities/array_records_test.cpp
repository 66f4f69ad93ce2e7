// Removing, reversing, searching and sorting array records through the
// control's typed client.
#include <algorithm>
#include <random>

#include "korbit/utilities/array_ordering.h"
#include "utilities/utilities_fixture.h"

namespace korbit::testing {
namespace {

using control::Array;
using control::ControlMethod;
using control::Record;
using control::Text;
using control::Value;
using control::VarType;

Array list(std::vector<Value> values) { return Array::ofValues(std::move(values)); }

std::vector<Value> ints(std::initializer_list<int> values) {
    std::vector<Value> out;
    for (const int v : values) {
        out.emplace_back(std::int32_t{v});
    }
    return out;
}

// Rows of (key, row number) with `lastColumn` + 1 columns.
Array table(const std::vector<Value>& keys, std::int32_t keyColumn, std::int32_t lastColumn) {
    const auto rows = static_cast<std::int32_t>(keys.size());
    Array a(VarType::kVariant, {{0, rows}, {0, lastColumn + 1}});
    for (std::int32_t i = 0; i < rows; ++i) {
        for (std::int32_t j = 0; j <= lastColumn; ++j) {
            a.at(i, j) = j == keyColumn ? keys[static_cast<std::size_t>(i)] : Value(i * 100 + j);
        }
    }
    return a;
}

const Array& arrayIn(const Record& record) { return record.field("sMyArray").get<Array>(); }
const Array& arrayIn(const Value& record) { return arrayIn(record.get<Record>()); }

class ArrayRecords : public UtilitiesFixture {
protected:
    // Late-bound, to see what the call left in every by-reference argument.
    control::InvokeResult invoke(ControlMethod method, std::vector<Value>& args) {
        return control::invoke(control, control::dispatchIdOf(method), args);
    }
};

TEST_F(ArrayRecords, RemovingRowsFromTheArray) {
    std::vector<Value> five{arrayParams(list(ints({0, 1, 2, 3, 4})), {}, 5), std::int32_t{2}};
    EXPECT_EQ(invoke(ControlMethod::RemoveFromArrayOneDim, five).result, boolean(true));
    EXPECT_EQ(arrayIn(five[0]), list(ints({0, 1, 3, 4})));
    EXPECT_EQ(five[0].get<Record>().field("nRecordCount"), Value(std::int32_t{5})) << "the caller adjusts it";
    EXPECT_EQ(five[1], Value(std::int32_t{2}));

    Record single = arrayParams(list(ints({7})), {}, 1);
    EXPECT_FALSE(client.RemoveFromArrayOneDim(single, 9));
    EXPECT_FALSE(arrayIn(single).allocated());

    for (const std::int32_t outside : {-1, 3}) {
        Record three = arrayParams(list(ints({1, 2, 3})));
        EXPECT_FALSE(client.RemoveFromArrayOneDim(three, outside));
        EXPECT_EQ(arrayIn(three), list(ints({1, 2, 3})));
    }
    Record never = arrayParams(Array(VarType::kVariant));
    EXPECT_FALSE(client.RemoveFromArrayTwoDim(never, 0));

    Record rows = arrayParams(table(ints({5, 6, 7}), 0, 1), {}, 3, 1);
    EXPECT_TRUE(client.RemoveFromArrayTwoDim(rows, 0));
    Array kept(VarType::kVariant, {{0, 2}, {0, 2}});
    kept.at(0, 0) = std::int32_t{6};
    kept.at(0, 1) = std::int32_t{101};
    kept.at(1, 0) = std::int32_t{7};
    kept.at(1, 1) = std::int32_t{201};
    EXPECT_EQ(arrayIn(rows), kept);
    Record lone = arrayParams(table(ints({5}), 0, 1), {}, 1, 1);
    EXPECT_FALSE(client.RemoveFromArrayTwoDim(lone, 4));
    EXPECT_FALSE(arrayIn(lone).allocated());
    const Array pair = table(ints({5, 6}), 0, 1);
    Record columnless = arrayParams(pair, {}, 2, -1);
    EXPECT_FALSE(client.RemoveFromArrayTwoDim(columnless, 0));
    EXPECT_EQ(arrayIn(columnless), pair) << "no row of no columns";
}

TEST_F(ArrayRecords, ReversingListsAndTables) {
    const struct {
        int count;
        std::vector<Value> reversed;
    } lists[] = {{5, ints({4, 3, 2, 1, 0})}, {4, ints({3, 2, 1, 0})}, {1, ints({0})}, {2, ints({1, 0})}};
    for (const auto& c : lists) {
        std::vector<Value> values;
        for (int i = 0; i < c.count; ++i) {
            values.emplace_back(std::int32_t{i});
        }
        Record reversed = arrayParams(list(values));
        EXPECT_TRUE(client.ArrayReverseOneDim(reversed));
        EXPECT_EQ(arrayIn(reversed), list(c.reversed));
    }
    for (const int rows : {4, 5}) {
        std::vector<Value> keys;
        for (int i = 0; i < rows; ++i) {
            keys.emplace_back(std::int32_t{i});
        }
        Record reversed = arrayParams(table(keys, 0, 2), {}, rows, 2);
        EXPECT_TRUE(client.ArrayReverseTwoDim(reversed));
        for (std::int32_t i = 0; i < rows; ++i) {
            EXPECT_EQ(arrayIn(reversed).at(i, 0), Value(rows - 1 - i));
            EXPECT_EQ(arrayIn(reversed).at(i, 2), Value((rows - 1 - i) * 100 + 2));
        }
    }
    Record empty = arrayParams(Array(VarType::kVariant));
    EXPECT_FALSE(client.ArrayReverseOneDim(empty));
    Record tooFew = arrayParams(table(ints({1, 2}), 0, 1), {}, 3, 1);
    EXPECT_FALSE(client.ArrayReverseTwoDim(tooFew));
}

TEST_F(ArrayRecords, BinarySearchFindsTheFirstOfEqualElements) {
    const struct {
        std::vector<Value> sorted;
        Value find;
        std::int32_t index;
    } cases[] = {
        {ints({1, 3, 3, 3, 7}), std::int32_t{3}, 1},
        {ints({1, 3, 3, 3, 7}), std::int32_t{4}, -1},
        {ints({3, 3, 3, 3, 3, 3, 3}), std::int32_t{3}, 0},
        {ints({1, 3, 3, 3, 7}), 7.0, 4},
        {ints({1, 3, 3, 3, 7}), Text(u"3"), -1},
        {{Text(u"apple"), Text(u"banana"), Text(u"cherry")}, Text(u"BANANA"), 1},
        {{Text(u"Apple"), Text(u"apple"), Text(u"b")}, Text(u"APPLE"), 0},
        {{Text(u"a"), Text(u"b")}, Value(control::Null{}), -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.BinarySearchSortedArray1(arrayParams(list(c.sorted)), c.find), c.index);
        EXPECT_EQ(client.BinarySearchSortedArray2(arrayParams(table(c.sorted, 1, 2), {}, 0, 2), 1, c.find), c.index);
    }
    EXPECT_GT(host.pumps, 0);
}

TEST_F(ArrayRecords, SearchesAndSortsLetTheirErrorsThrough) {
    const Array three = table(ints({1, 2, 3}), 0, 1);
    // Late-bound, for the run-time error number (the typed client reports the
    // status and the description) and the array the failed sort left.
    const struct {
        ControlMethod method;
        std::vector<Value> args;
    } cases[] = {
        {ControlMethod::BinarySearchSortedArray1, {arrayParams(Array(VarType::kVariant)), std::int32_t{1}}},
        {ControlMethod::BinarySearchSortedArray1, {arrayParams(Array(VarType::kVariant, {{0, 0}})), std::int32_t{1}}},
        {ControlMethod::BinarySearchSortedArray2, {arrayParams(three, {}, 3, 1), std::int16_t{2}, std::int32_t{1}}},
        {ControlMethod::QuickSortOneDimArray, {arrayParams(list(ints({2, 1}))), std::int32_t{0}, std::int32_t{2}}},
        {ControlMethod::QuickSortOneDimArray,
         {arrayParams(Array(VarType::kVariant)), std::int32_t{0}, std::int32_t{0}}},
        {ControlMethod::QuickSortOneDimArray, {arrayParams(list(ints({2, 1}))), std::int32_t{5}, std::int32_t{4}}},
        {ControlMethod::QuickSortTwoDimArray,
         {arrayParams(three, {}, 3, 1), std::int16_t{2}, std::int32_t{0}, std::int32_t{2}}},
        {ControlMethod::QuickSortTwoDimArray,
         {arrayParams(three, {}, 3, 4), std::int16_t{0}, std::int32_t{0}, std::int32_t{2}}},
    };
    for (auto c : cases) {
        const control::InvokeResult r = invoke(c.method, c.args);
        EXPECT_EQ(r.errorNumber, 9) << control::methodName(c.method) << ": " << r.description;
    }
    std::vector<Value> untouched{arrayParams(three, {}, 3, 4), std::int16_t{0}, std::int32_t{0}, std::int32_t{2}};
    invoke(ControlMethod::QuickSortTwoDimArray, untouched);
    EXPECT_EQ(arrayIn(untouched[0]), three) << "nothing moves when a column is missing";
}

TEST_F(ArrayRecords, IsInArrayMatchesWholeTextForms) {
    const struct {
        std::vector<Value> elements;
        Value find;
        bool found;
    } cases[] = {
        {{Text(u"ab"), Text(u"c")}, Text(u"a"), false},
        {{Text(u"ab"), Text(u"c")}, Text(u"ab"), true},
        {{Text(u"ab")}, Text(u"AB"), false},
        {{Text(u"5")}, std::int32_t{5}, true},
        {ints({5}), Text(u"5"), true},
        {{Value::boolean(true)}, Text(u"True"), true},
        {{Text(u"")}, Text(u""), true},
        {{}, Text(u""), false},
        {{Text(u"a"), Value(control::Null{})}, Text(u"a"), false},
        {{Text(u"a\0b", 3)}, Text(u"b"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(client.IsInArray(c.find, arrayParams(list(c.elements))), c.found);
        EXPECT_EQ(client.IsInArray2(c.find, list(c.elements)), c.found);
    }
    EXPECT_FALSE(client.IsInArray(Text(u"1"), arrayParams(table(ints({1}), 0, 1))));
    EXPECT_FALSE(client.IsInArray(Text(u""), arrayParams(Array(VarType::kVariant))));
    Record one = arrayParams(list(ints({1})));
    EXPECT_EQ(client.DestroyArray(one), Value());
    Record destroyed = arrayParams(list(ints({1})), "f.txt", 1, 0);
    client.DestroyArray(destroyed);
    EXPECT_FALSE(arrayIn(destroyed).allocated());
    EXPECT_EQ(destroyed.field("sMyFile"), Value(u"f.txt"));
}

TEST_F(ArrayRecords, QuickSortPivotAndModes) {
    EXPECT_EQ(utilities::pivotIndex(0, 5), 2);
    EXPECT_EQ(utilities::pivotIndex(0, 7), 4);
    EXPECT_EQ(utilities::pivotIndex(1, 2), 2);
    EXPECT_EQ(utilities::pivotIndex(-3, 0), -2);

    Record texts = arrayParams(list({Text(u"pear"), Text(u"Apple"), Text(u"banana"), Text(u"apple")}));
    client.QuickSortOneDimArray(texts, 0, 3);
    const Array& sorted = arrayIn(texts);
    EXPECT_TRUE((sorted.at(0) == Value(u"apple") && sorted.at(1) == Value(u"Apple")) ||
                (sorted.at(0) == Value(u"Apple") && sorted.at(1) == Value(u"apple")));
    EXPECT_EQ(sorted.at(2), Value(u"banana"));
    EXPECT_EQ(sorted.at(3), Value(u"pear"));

    Record numbers = arrayParams(list({std::int32_t{10}, 9.5, std::int32_t{-2}, std::int32_t{100}}));
    client.QuickSortOneDimArray(numbers, 0, 3);
    EXPECT_EQ(arrayIn(numbers), list({std::int32_t{-2}, 9.5, std::int32_t{10}, std::int32_t{100}}));

    std::vector<Value> part{arrayParams(list(ints({5, 4, 3, 2, 1}))), std::int32_t{1}, std::int32_t{3}};
    invoke(ControlMethod::QuickSortOneDimArray, part);
    EXPECT_EQ(arrayIn(part[0]), list(ints({5, 2, 3, 4, 1})));
    EXPECT_EQ(part[1], Value(std::int32_t{1}));
    EXPECT_EQ(part[2], Value(std::int32_t{3}));
}

// The sorted key sequence must be that of std::stable_sort under the same
// order: the quicksort is not stable, so only the keys are compared, and
// every row must keep its columns together.
TEST_F(ArrayRecords, SortsAgreeWithStableSortOnRandomInput) {
    std::mt19937 rng(7);
    const Text words[] = {u"Alpha", u"alpha", u"beta", u"BETA", u"gamma", u"Delta", u"10", u"9", u""};
    for (int round = 0; round < 200; ++round) {
        const bool textual = round % 2 == 0;
        const std::size_t n = 1 + rng() % 60;
        std::vector<Value> keys;
        for (std::size_t i = 0; i < n; ++i) {
            if (textual) {
                keys.emplace_back(words[rng() % std::size(words)]);
            } else if (rng() % 4 == 0) {
                keys.emplace_back(static_cast<double>(rng() % 20) / 4);
            } else {
                keys.emplace_back(static_cast<std::int32_t>(rng() % 10));
            }
        }
        const utilities::ValueOrder order(keys[0]);
        std::vector<Value> expected;
        for (const Value& k : keys) {
            expected.push_back(order.key(k));
        }
        std::stable_sort(expected.begin(), expected.end(), utilities::ValueOrder::less);

        const auto last = static_cast<std::int32_t>(n - 1);
        Record one = arrayParams(list(keys));
        client.QuickSortOneDimArray(one, 0, last);
        Record two = arrayParams(table(keys, 1, 2), {}, 0, 2);
        client.QuickSortTwoDimArray(two, 1, 0, last);
        for (std::size_t i = 0; i < n; ++i) {
            const auto row = static_cast<std::int32_t>(i);
            ASSERT_TRUE(utilities::ValueOrder::equal(order.key(arrayIn(one).at(row)), expected[i])) << round;
            const Value& key = arrayIn(two).at(row, 1);
            ASSERT_TRUE(utilities::ValueOrder::equal(order.key(key), expected[i])) << round;
            const std::int32_t from = arrayIn(two).at(row, 0).get<std::int32_t>() / 100;
            ASSERT_EQ(key, keys[static_cast<std::size_t>(from)]) << "a row keeps its columns";
            ASSERT_EQ(arrayIn(two).at(row, 2), Value(from * 100 + 2));
        }
    }
}

TEST_F(ArrayRecords, AMillionSortedOrReversedElementsSortWithoutDeepRecursion) {
    for (const bool reversed : {false, true}) {
        std::vector<Value> values;
        constexpr std::int32_t kCount = 1'000'000;
        for (std::int32_t i = 0; i < kCount; ++i) {
            values.emplace_back(reversed ? kCount - i : i);
        }
        Record sorted = arrayParams(list(std::move(values)));
        client.QuickSortOneDimArray(sorted, 0, kCount - 1);
        const Array& a = arrayIn(sorted);
        EXPECT_TRUE(std::is_sorted(a.elements().begin(), a.elements().end(), utilities::ValueOrder::less));
        const std::int32_t found = client.BinarySearchSortedArray1(sorted, std::int32_t{777});
        EXPECT_EQ(a.at(found), Value(std::int32_t{777}));
    }
}

}  // namespace
}  // namespace korbit::testing
