// Late-bound invocation: defaults, conversions, write-back and failures.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "korbit/control/values/dispatch.h"
#include "korbit/control/values/control_methods.h"
#include "korbit/control/korbit_control.h"
#include "korbit/control/values/type_library.h"
#include "support/control_client.h"

namespace korbit::control {
namespace {

// A small interface exercising every rule of invoke().
Value addAndDouble(DispatchObject&, std::span<Value> args) {
    // (a Long by reference, b Integer by value, optional c Double = 0.5) -> a + b + c; a doubled.
    const double sum = args[0].get<std::int32_t>() + args[1].get<std::int16_t>() + args[2].get<double>();
    args[0] = std::int32_t{args[0].get<std::int32_t>() * 2};
    args[1] = std::int16_t{99};  // by value: the caller never sees this
    return sum;
}
Value greet(DispatchObject&, std::span<Value> args) {
    return u"Hello, " + args[0].get<Text>() + (args[1].get<Boolean>().value != 0 ? u"!" : u".");
}
Value optionalVariant(DispatchObject&, std::span<Value> args) { return Value::boolean(args[0].isMissing()); }
Value raises(DispatchObject&, std::span<Value> args) {
    args[0] = Text(u"touched");
    throw AutomationError::divisionByZero();
}
Value crashesInside(DispatchObject&, std::span<Value>) { throw std::runtime_error("disk on fire"); }
Value countRecord(DispatchObject&, std::span<Value> args) {
    Record& r = args[0].get<Record>();
    r.field("nCount") = std::int32_t{toInt32(r.field("nCount")) + 1};
    return r.field("sExclusiveExtensions");
}

const InterfaceInfo& testInterface() {
    static const InterfaceInfo info(
        "_Test",
        {{"AddAndDouble", 1, ResultType::kDouble,
          {{"a", ParamType::kInt32, kByRef}, {"b", ParamType::kInt16, kByValue},
           {"c", ParamType::kDouble, kByRef, kOptional, Value(0.5)}},
          &addAndDouble},
         {"Greet", 2, ResultType::kText,
          {{"name", ParamType::kText, kByRef}, {"loud", ParamType::kBool, kByRef, kOptional, Value::boolean(true)}},
          &greet},
         {"OptionalVariant", 3, ResultType::kBool, {{"v", ParamType::kVariant, kByRef, kOptional}}, &optionalVariant},
         {"Raises", 4, ResultType::kNone, {{"s", ParamType::kText, kByRef}}, &raises},
         {"CrashesInside", 5, ResultType::kNone, {}, &crashesInside},
         {"CountRecord", 6, ResultType::kText, {{"fp", ParamType::kFileParams, kByRef}}, &countRecord},
         {"NotBuilt", 7, ResultType::kText, {}}});
    return info;
}

class TestObject final : public DispatchObject {
public:
    const InterfaceInfo& interfaceInfo() const noexcept override { return testInterface(); }
};

TEST(DispatchInvoke, ConvertsArgumentsFillsDefaultsAndWritesBackByReferenceOnly) {
    TestObject object;
    std::vector<Value> args{Value(u"5"), Value(2.5)};  // text to Long, 2.5 to Integer (2)
    const InvokeResult r = invoke(object, 1, args);
    ASSERT_TRUE(r.ok()) << r.description;
    EXPECT_EQ(r.result, Value(7.5));
    EXPECT_EQ(args[0], Value(std::int32_t{10}));  // written back, in the declared type
    EXPECT_EQ(args[1], Value(2.5));               // by value: untouched

    std::vector<Value> withMissing{Value(std::int32_t{1}), Value(std::int16_t{1}), Value(Missing{})};
    EXPECT_EQ(invoke(object, 1, withMissing).result, Value(2.5));

    std::vector<Value> explicitDefault{Value(u"Ann"), Value::boolean(true)};
    std::vector<Value> leftOut{Value(u"Ann")};
    EXPECT_EQ(invoke(object, 2, explicitDefault).result, invoke(object, 2, leftOut).result);

    std::vector<Value> none;
    EXPECT_EQ(invoke(object, 3, none).result, Value::boolean(true));  // a Variant left out stays Missing
}

TEST(DispatchInvoke, ReportsBadCallsAsFailingStatusesNeverAsCrashes) {
    TestObject object;
    std::vector<Value> mismatch{Value(u"five"), Value(std::int16_t{1})};
    InvokeResult r = invoke(object, 1, mismatch);
    EXPECT_EQ(r.status, status::kTypeMismatch);
    EXPECT_EQ(r.errorNumber, 13);
    EXPECT_EQ(r.argumentError, 0);
    EXPECT_EQ(mismatch[0], Value(u"five"));  // nothing ran, nothing written back

    std::vector<Value> overflow{Value(std::int32_t{1}), Value(std::int32_t{40000})};
    r = invoke(object, 1, overflow);
    EXPECT_EQ(r.status, status::kOverflow);
    EXPECT_EQ(r.argumentError, 1);

    std::vector<Value> tooFew{Value(std::int32_t{1})};
    EXPECT_EQ(invoke(object, 1, tooFew).status, status::kParamNotOptional);
    std::vector<Value> tooMany{Value(u"a"), Value(u"b"), Value(u"c")};
    EXPECT_EQ(invoke(object, 2, tooMany).status, status::kBadParamCount);
    std::vector<Value> none;
    EXPECT_EQ(invoke(object, 99, none).status, status::kMemberNotFound);
    EXPECT_EQ(invoke(object, 7, none).status, status::kNotImplemented);

    std::vector<Value> text{Value(u"x")};
    r = invoke(object, 4, text);
    EXPECT_EQ(r.errorNumber, 11);
    EXPECT_EQ(r.description, "Division by zero");
    EXPECT_EQ(text[0], Value(u"touched"));  // the caller sees what the method left

    r = invoke(object, 5, none);
    EXPECT_EQ(r.status, status::kException);
    EXPECT_EQ(r.description, "disk on fire");
}

TEST(DispatchInvoke, PassesRecordsByReferenceAndRefusesOtherTypes) {
    TestObject object;
    Record fp = makeRecord(*findRecord("FILE_PARAMS"));
    fp.field("sExclusiveExtensions") = Text(u"*.txt");
    fp.field("nCount") = Text(u"4");  // converted to the field's type
    std::vector<Value> args{Value(fp)};
    const InvokeResult r = invoke(object, 6, args);
    ASSERT_TRUE(r.ok()) << r.description;
    EXPECT_EQ(r.result, Value(u"*.txt"));
    EXPECT_EQ(args[0].get<Record>().field("nCount"), Value(std::int32_t{5}));

    std::vector<Value> wrongRecord{Value(makeRecord(*findRecord("ARRAY_PARAMS")))};
    EXPECT_EQ(invoke(object, 6, wrongRecord).status, status::kTypeMismatch);
    std::vector<Value> notRecord{Value(u"FILE_PARAMS")};
    EXPECT_EQ(invoke(object, 6, notRecord).status, status::kTypeMismatch);
}

TEST(ControlInterfaceIndex, ListsAll129MethodsWithUniqueNamesAndIdentifiers) {
    const InterfaceInfo& info = korbitControlInterface();
    EXPECT_EQ(info.methods().size(), 129U);
    std::set<std::int32_t> ids;
    std::set<std::string> names;
    for (const MethodInfo& m : info.methods()) {
        EXPECT_GE(m.dispid, 0x60030001);
        EXPECT_LE(m.dispid, 0x6003009c);
        ids.insert(m.dispid);
        std::string lower(m.name);
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        names.insert(lower);
        bool optionalSeen = false;
        for (const ParamInfo& p : m.params) {
            EXPECT_TRUE(!optionalSeen || p.optional) << m.name << ": a required argument after an optional one";
            optionalSeen = optionalSeen || p.optional;
        }
    }
    EXPECT_EQ(ids.size(), 129U);
    EXPECT_EQ(names.size(), 129U);

    // Identifiers the desktop program calls by number.
    EXPECT_EQ(info.find("encryptionroutine2")->dispid, 0x6003009b);
    EXPECT_EQ(info.find("IsFileEncrypted2")->dispid, 0x6003009c);
    EXPECT_EQ(info.find("PROFILEGETITEM")->dispid, 0x60030095);
    EXPECT_EQ(info.find("BackSlashNeeded")->dispid, 0x60030072);
    EXPECT_EQ(info.find(0x60030052)->name, "CancelOps");
    EXPECT_EQ(info.find("NoSuchMethod"), nullptr);

    const MethodInfo* routine = info.find("EncryptionRoutine2");
    ASSERT_EQ(routine->params.size(), 3U);
    EXPECT_EQ(routine->params[2].defaultValue, Value(u"Velmora Software"));
    const MethodInfo* fraction = info.find("MakeFraction");
    EXPECT_TRUE(fraction->params[0].byValue());
    EXPECT_EQ(fraction->params[1].defaultValue, Value(std::int32_t{64}));
}

TEST(ControlInterfaceIndex, BindsEveryMethodToItsFamily) {
    KorbitControl control;
    ASSERT_EQ(control.interfaceInfo().methods().size(), std::size(korbit::testing::kEveryMethod));
    for (const MethodInfo& m : control.interfaceInfo().methods()) {
        EXPECT_NE(m.handler, nullptr) << m.name;
        EXPECT_STREQ(control::methodName(static_cast<ControlMethod>(m.dispid)), std::string(m.name).c_str());
    }
}

TEST(ControlObject, StartsIdleKeepsItsSizeAndHasItsOwnRandomSequence) {
    KorbitControl a;
    KorbitControl b;
    EXPECT_EQ(a.state().TotalBlocks, 100);
    EXPECT_EQ(a.backupState().BackupWorkTotal, 100);
    EXPECT_EQ(a.state().OperationBusy, kFalse);
    EXPECT_EQ(a.state().CancelRequested, kFalse);

    a.resize(5000, 10);
    EXPECT_EQ(a.widthTwips(), 1980);
    EXPECT_EQ(a.heightTwips(), 450);

    a.state().CancelRequested = kTrue;
    EXPECT_EQ(b.state().CancelRequested, kFalse);

    int same = 0;
    for (int i = 0; i < 50; ++i) {
        const float x = a.nextRandom();
        EXPECT_GE(x, 0.0F);
        EXPECT_LT(x, 1.0F);
        same += x == b.nextRandom() ? 1 : 0;
    }
    EXPECT_LT(same, 3);
}

}  // namespace
}  // namespace korbit::control
