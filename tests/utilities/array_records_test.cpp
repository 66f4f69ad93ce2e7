// Removing, reversing, searching and sorting array records through the
// control's dispatch interface.
#include <algorithm>
#include <random>

#include "korbit/utilities/array_ordering.h"
#include "utilities/late_bound.h"

namespace korbit::testing {
namespace {

using control::Array;
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

const Array& arrayIn(const Value& record) { return record.get<Record>().field("sMyArray").get<Array>(); }

class ArrayRecords : public LateBound {};

TEST_F(ArrayRecords, RemovingRowsFromTheArray) {
    std::vector<Value> five{arrayParams(list(ints({0, 1, 2, 3, 4})), {}, 5), std::int32_t{2}};
    EXPECT_EQ(call("RemoveFromArrayOneDim", five).result, boolean(true));
    EXPECT_EQ(arrayIn(five[0]), list(ints({0, 1, 3, 4})));
    EXPECT_EQ(five[0].get<Record>().field("nRecordCount"), Value(std::int32_t{5})) << "the caller adjusts it";
    EXPECT_EQ(five[1], Value(std::int32_t{2}));

    std::vector<Value> single{arrayParams(list(ints({7})), {}, 1), std::int32_t{9}};
    EXPECT_EQ(call("RemoveFromArrayOneDim", single).result, boolean(false));
    EXPECT_FALSE(arrayIn(single[0]).allocated());

    for (const std::int32_t outside : {-1, 3}) {
        std::vector<Value> args{arrayParams(list(ints({1, 2, 3}))), outside};
        EXPECT_EQ(call("RemoveFromArrayOneDim", args).result, boolean(false));
        EXPECT_EQ(arrayIn(args[0]), list(ints({1, 2, 3})));
    }
    std::vector<Value> never{arrayParams(Array(VarType::kVariant)), std::int32_t{0}};
    EXPECT_EQ(call("RemoveFromArrayTwoDim", never).result, boolean(false));

    std::vector<Value> rows{arrayParams(table(ints({5, 6, 7}), 0, 1), {}, 3, 1), std::int32_t{0}};
    EXPECT_EQ(call("RemoveFromArrayTwoDim", rows).result, boolean(true));
    Array kept(VarType::kVariant, {{0, 2}, {0, 2}});
    kept.at(0, 0) = std::int32_t{6};
    kept.at(0, 1) = std::int32_t{101};
    kept.at(1, 0) = std::int32_t{7};
    kept.at(1, 1) = std::int32_t{201};
    EXPECT_EQ(arrayIn(rows[0]), kept);
    std::vector<Value> lone{arrayParams(table(ints({5}), 0, 1), {}, 1, 1), std::int32_t{4}};
    EXPECT_EQ(call("RemoveFromArrayTwoDim", lone).result, boolean(false));
    EXPECT_FALSE(arrayIn(lone[0]).allocated());
    const Array pair = table(ints({5, 6}), 0, 1);
    std::vector<Value> columnless{arrayParams(pair, {}, 2, -1), std::int32_t{0}};
    EXPECT_EQ(call("RemoveFromArrayTwoDim", columnless).result, boolean(false));
    EXPECT_EQ(arrayIn(columnless[0]), pair) << "no row of no columns";
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
        std::vector<Value> args{arrayParams(list(values))};
        EXPECT_EQ(call("ArrayReverseOneDim", args).result, boolean(true));
        EXPECT_EQ(arrayIn(args[0]), list(c.reversed));
    }
    for (const int rows : {4, 5}) {
        std::vector<Value> keys;
        for (int i = 0; i < rows; ++i) {
            keys.emplace_back(std::int32_t{i});
        }
        std::vector<Value> args{arrayParams(table(keys, 0, 2), {}, rows, 2)};
        EXPECT_EQ(call("ArrayReverseTwoDim", args).result, boolean(true));
        for (std::int32_t i = 0; i < rows; ++i) {
            EXPECT_EQ(arrayIn(args[0]).at(i, 0), Value(rows - 1 - i));
            EXPECT_EQ(arrayIn(args[0]).at(i, 2), Value((rows - 1 - i) * 100 + 2));
        }
    }
    EXPECT_EQ(result("ArrayReverseOneDim", {arrayParams(Array(VarType::kVariant))}), boolean(false));
    EXPECT_EQ(result("ArrayReverseTwoDim", {arrayParams(table(ints({1, 2}), 0, 1), {}, 3, 1)}), boolean(false));
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
        EXPECT_EQ(result("BinarySearchSortedArray1", {arrayParams(list(c.sorted)), c.find}), Value(c.index));
        EXPECT_EQ(result("BinarySearchSortedArray2", {arrayParams(table(c.sorted, 1, 2), {}, 0, 2), std::int16_t{1},
                                                      c.find}),
                  Value(c.index));
    }
    EXPECT_GT(host.pumps, 0);
}

TEST_F(ArrayRecords, SearchesAndSortsLetTheirErrorsThrough) {
    const Array three = table(ints({1, 2, 3}), 0, 1);
    const struct {
        const char* method;
        std::vector<Value> args;
    } cases[] = {
        {"BinarySearchSortedArray1", {arrayParams(Array(VarType::kVariant)), std::int32_t{1}}},
        {"BinarySearchSortedArray1", {arrayParams(Array(VarType::kVariant, {{0, 0}})), std::int32_t{1}}},
        {"BinarySearchSortedArray2", {arrayParams(three, {}, 3, 1), std::int16_t{2}, std::int32_t{1}}},
        {"QuickSortOneDimArray", {arrayParams(list(ints({2, 1}))), std::int32_t{0}, std::int32_t{2}}},
        {"QuickSortOneDimArray", {arrayParams(Array(VarType::kVariant)), std::int32_t{0}, std::int32_t{0}}},
        {"QuickSortOneDimArray", {arrayParams(list(ints({2, 1}))), std::int32_t{5}, std::int32_t{4}}},
        {"QuickSortTwoDimArray", {arrayParams(three, {}, 3, 1), std::int16_t{2}, std::int32_t{0}, std::int32_t{2}}},
        {"QuickSortTwoDimArray", {arrayParams(three, {}, 3, 4), std::int16_t{0}, std::int32_t{0}, std::int32_t{2}}},
    };
    for (auto c : cases) {
        const control::InvokeResult r = call(c.method, c.args);
        EXPECT_EQ(r.errorNumber, 9) << c.method << ": " << r.description;
    }
    std::vector<Value> untouched{arrayParams(three, {}, 3, 4), std::int16_t{0}, std::int32_t{0}, std::int32_t{2}};
    call("QuickSortTwoDimArray", untouched);
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
        EXPECT_EQ(result("IsInArray", {c.find, arrayParams(list(c.elements))}), boolean(c.found));
        EXPECT_EQ(result("IsInArray2", {c.find, list(c.elements)}), boolean(c.found));
    }
    EXPECT_EQ(result("IsInArray", {Text(u"1"), arrayParams(table(ints({1}), 0, 1))}), boolean(false));
    EXPECT_EQ(result("IsInArray", {Text(u""), arrayParams(Array(VarType::kVariant))}), boolean(false));
    EXPECT_EQ(result("DestroyArray", {arrayParams(list(ints({1})))}), Value());
    std::vector<Value> destroyed{arrayParams(list(ints({1})), "f.txt", 1, 0)};
    call("DestroyArray", destroyed);
    EXPECT_FALSE(arrayIn(destroyed[0]).allocated());
    EXPECT_EQ(destroyed[0].get<Record>().field("sMyFile"), Value(u"f.txt"));
}

TEST_F(ArrayRecords, QuickSortPivotAndModes) {
    EXPECT_EQ(utilities::pivotIndex(0, 5), 2);
    EXPECT_EQ(utilities::pivotIndex(0, 7), 4);
    EXPECT_EQ(utilities::pivotIndex(1, 2), 2);
    EXPECT_EQ(utilities::pivotIndex(-3, 0), -2);

    std::vector<Value> texts{arrayParams(list({Text(u"pear"), Text(u"Apple"), Text(u"banana"), Text(u"apple")})),
                             std::int32_t{0}, std::int32_t{3}};
    call("QuickSortOneDimArray", texts);
    const Array& sorted = arrayIn(texts[0]);
    EXPECT_TRUE((sorted.at(0) == Value(u"apple") && sorted.at(1) == Value(u"Apple")) ||
                (sorted.at(0) == Value(u"Apple") && sorted.at(1) == Value(u"apple")));
    EXPECT_EQ(sorted.at(2), Value(u"banana"));
    EXPECT_EQ(sorted.at(3), Value(u"pear"));

    std::vector<Value> numbers{arrayParams(list({std::int32_t{10}, 9.5, std::int32_t{-2}, std::int32_t{100}})),
                               std::int32_t{0}, std::int32_t{3}};
    call("QuickSortOneDimArray", numbers);
    EXPECT_EQ(arrayIn(numbers[0]), list({std::int32_t{-2}, 9.5, std::int32_t{10}, std::int32_t{100}}));

    std::vector<Value> part{arrayParams(list(ints({5, 4, 3, 2, 1}))), std::int32_t{1}, std::int32_t{3}};
    call("QuickSortOneDimArray", part);
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

        std::vector<Value> one{arrayParams(list(keys)), std::int32_t{0}, static_cast<std::int32_t>(n - 1)};
        ASSERT_TRUE(call("QuickSortOneDimArray", one).ok());
        std::vector<Value> two{arrayParams(table(keys, 1, 2), {}, 0, 2), std::int16_t{1}, std::int32_t{0},
                               static_cast<std::int32_t>(n - 1)};
        ASSERT_TRUE(call("QuickSortTwoDimArray", two).ok());
        for (std::size_t i = 0; i < n; ++i) {
            const auto row = static_cast<std::int32_t>(i);
            ASSERT_TRUE(utilities::ValueOrder::equal(order.key(arrayIn(one[0]).at(row)), expected[i])) << round;
            const Value& key = arrayIn(two[0]).at(row, 1);
            ASSERT_TRUE(utilities::ValueOrder::equal(order.key(key), expected[i])) << round;
            const std::int32_t from = arrayIn(two[0]).at(row, 0).get<std::int32_t>() / 100;
            ASSERT_EQ(key, keys[static_cast<std::size_t>(from)]) << "a row keeps its columns";
            ASSERT_EQ(arrayIn(two[0]).at(row, 2), Value(from * 100 + 2));
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
        std::vector<Value> args{arrayParams(list(std::move(values))), std::int32_t{0}, kCount - 1};
        ASSERT_TRUE(call("QuickSortOneDimArray", args).ok());
        const Array& a = arrayIn(args[0]);
        EXPECT_TRUE(std::is_sorted(a.elements().begin(), a.elements().end(), utilities::ValueOrder::less));
        const std::int32_t found =
            result("BinarySearchSortedArray1", {args[0], std::int32_t{777}}).get<std::int32_t>();
        EXPECT_EQ(a.at(found), Value(std::int32_t{777}));
    }
}

}  // namespace
}  // namespace korbit::testing
