// The objects and class factories of the component server, called through
// the binary interface as any host calls them.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include "component/component_test_support.h"
#include "korbit/control/values/automation_error.h"
#include "korbit/hosting/hosting.h"
#include "support/control_client.h"

namespace korbit::testing {
namespace {

namespace fs = std::filesystem;
using control::Text;
using control::Value;
using hosting::ComPtr;
using hosting::ComponentError;
using hosting::ComponentFailure;
using hosting::ComponentLibrary;

const fs::path kLibrary = KORBIT_LIBRARY_FILE;
constexpr KorbitGuid kUnknownGuid = {0xDEADBEEF, 0x0001, 0x0002, {1, 2, 3, 4, 5, 6, 7, 8}};

const ComponentLibrary& library() { return ComponentLibrary::load(kLibrary); }

ComPtr<com::IDispatch> make(const KorbitGuid& clsid) { return library().createInstance(clsid); }

TEST(ComObject, Sha256IsCalledByNameAndGivesTheStandardDigest) {
    ComPtr<com::IDispatch> sha = make(com::kCLSID_SHA256);
    const std::optional<std::int32_t> dispid = hosting::dispatchId(*sha, u"sha256");
    ASSERT_TRUE(dispid);

    std::vector<Value> args{Value(Text(u"abc"))};
    const hosting::CallOutcome out = hosting::call(*sha, *dispid, args);
    ASSERT_TRUE(out.ok()) << out.status;
    ASSERT_TRUE(out.result.holds<Text>());
    EXPECT_EQ(out.result.get<Text>(), u"ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(args[0].get<Text>(), u"abc");
}

TEST(ComObject, FailedCallsReportTheirStatusAndExceptionInfo) {
    ComPtr<com::IDispatch> sha = make(com::kCLSID_SHA256);
    const std::int32_t dispid = hosting::dispatchId(*sha, u"SHA256").value();

    std::vector<Value> wrongType{Value(control::Array::ofTexts({u"a"}))};
    hosting::CallOutcome out = hosting::call(*sha, dispid, wrongType);
    EXPECT_EQ(out.status, control::status::kTypeMismatch);
    EXPECT_TRUE(out.result.isEmpty());
    EXPECT_EQ(out.error.errorNumber, 13);
    EXPECT_EQ(out.error.argumentError, 0);
    EXPECT_EQ(out.error.source, u"Korbit.SHA256");
    EXPECT_EQ(out.error.description, u"Type mismatch");

    std::vector<Value> none;
    EXPECT_EQ(hosting::call(*sha, dispid, none).status, control::status::kParamNotOptional);
    EXPECT_EQ(hosting::call(*sha, 0x12345, none).status, control::status::kMemberNotFound);
    EXPECT_EQ(sha->Invoke(dispid, com::kInvokeMethod, nullptr, 1, nullptr, nullptr), com::kPointer);

    std::int32_t id = 7;
    EXPECT_EQ(sha->GetIDsOfNames(u"NoSuchMember", &id), control::status::kUnknownName);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(sha->GetIDsOfNames(u"SHA\u0100256", &id), control::status::kUnknownName);
    EXPECT_EQ(sha->GetIDsOfNames(nullptr, &id), com::kPointer);
}

TEST(ComObject, InvokeFlagsSelectMethodsGettersAndSetters) {
    ComPtr<com::IDispatch> sha = make(com::kCLSID_SHA256);
    const std::int32_t method = hosting::dispatchId(*sha, u"SHA256").value();
    std::vector<Value> args{Value(Text(u"abc"))};
    // A method is no property: put and get alone do not reach it.
    EXPECT_EQ(hosting::call(*sha, method, args, com::kInvokePropertyPut).status, control::status::kMemberNotFound);
    EXPECT_EQ(hosting::call(*sha, method, args, com::kInvokePropertyGet).status, control::status::kMemberNotFound);
    EXPECT_TRUE(hosting::call(*sha, method, args, com::kInvokeMethod | com::kInvokePropertyGet).ok());
    EXPECT_EQ(hosting::call(*sha, method, args, 0).status, control::status::kMemberNotFound);

    ComPtr<com::IDispatch> converter = make(com::kCLSID_BinHexDecCls);
    const std::int32_t hexNum = hosting::dispatchId(*converter, u"hexnum").value();
    std::vector<Value> value{Value(Text(u"FF"))};
    std::vector<Value> noArgs;
    EXPECT_NE(hosting::call(*converter, hexNum, value, com::kInvokePropertyPut).status,
              control::status::kMemberNotFound);
    EXPECT_NE(hosting::call(*converter, hexNum, noArgs, com::kInvokePropertyGet).status,
              control::status::kMemberNotFound);
    EXPECT_EQ(hosting::call(*converter, hexNum, noArgs, com::kInvokeMethod).status,
              control::status::kMemberNotFound);
}

TEST(ComObject, QueryInterfaceOffersExactlyTheClasssInterfaces) {
    ComPtr<com::IDispatch> control = make(com::kCLSID_KorbitControl);
    ComPtr<com::IDispatch> sha = make(com::kCLSID_SHA256);

    void* out = &out;
    EXPECT_EQ(control->QueryInterface(kUnknownGuid, &out), com::kNoInterface);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(control->QueryInterface(com::kIID_IClassFactory, &out), com::kNoInterface);
    EXPECT_EQ(control->QueryInterface(com::kIID_IUnknown, nullptr), com::kPointer);

    // One identity: IUnknown is the dispatch interface itself.
    EXPECT_EQ(control.query<com::IUnknown>(com::kIID_IUnknown).get(), static_cast<com::IUnknown*>(control.get()));
    EXPECT_TRUE(control.query<com::IObjectWithHost>(com::kIID_IObjectWithHost));
    EXPECT_FALSE(sha.query<com::IObjectWithHost>(com::kIID_IObjectWithHost));

    control::HeadlessHost host;
    EXPECT_TRUE(hosting::lendHost(*control, &host));
    EXPECT_TRUE(hosting::lendHost(*control, nullptr));
    EXPECT_FALSE(hosting::lendHost(*sha, &host));
}

TEST(ComObject, ReferenceCountsRiseAndFallByOne) {
    com::IDispatch* raw = make(com::kCLSID_BinHexDecCls).detach();
    EXPECT_EQ(raw->AddRef(), 2U);
    EXPECT_EQ(raw->AddRef(), 3U);
    void* again = nullptr;
    ASSERT_EQ(raw->QueryInterface(com::kIID_IDispatch, &again), com::kOk);
    EXPECT_EQ(raw->Release(), 3U);
    EXPECT_EQ(raw->Release(), 2U);
    EXPECT_EQ(raw->Release(), 1U);
    EXPECT_EQ(library().canUnloadNow(), com::kFalse);
    EXPECT_EQ(raw->Release(), 0U);
    EXPECT_EQ(library().canUnloadNow(), com::kOk);
}

TEST(ComObject, TheControlCarriesItsWholeInterface) {
    ComPtr<com::IDispatch> control = make(com::kCLSID_KorbitControl);
    const control::InterfaceInfo* info = control->TypeInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->name(), "_KorbitControl");
    EXPECT_EQ(info->methods().size(), std::size(kEveryMethod));
    EXPECT_EQ(hosting::dispatchId(*control, u"encryptionroutine2"), 0x6003009b);
    EXPECT_EQ(hosting::dispatchId(*control, std::u16string_view(u"EncryptionRoutine2\0x", 20)), std::nullopt);
}

TEST(ClassFactory, RefusesAggregationUnknownClassesAndUnbalancedUnlocks) {
    ComPtr<com::IClassFactory> factory = library().classFactory(com::kCLSID_KorbitControl);
    void* out = &out;
    com::IUnknown* outer = factory.get();
    EXPECT_EQ(factory->CreateInstance(outer, com::kIID_IDispatch, &out), com::kNoAggregation);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, kUnknownGuid, &out), com::kNoInterface);
    EXPECT_EQ(factory->QueryInterface(com::kIID_IDispatch, &out), com::kNoInterface);

    // An unlock without a lock fails and is not counted against a later lock.
    EXPECT_EQ(factory->LockServer(false), com::kFail);
    ASSERT_EQ(factory->LockServer(true), com::kOk);
    factory.reset();
    EXPECT_EQ(library().canUnloadNow(), com::kFalse);
    EXPECT_EQ(library().classFactory(com::kCLSID_SHA256)->LockServer(false), com::kOk);
    EXPECT_EQ(library().canUnloadNow(), com::kOk);

    auto getClassObject = reinterpret_cast<KorbitDllGetClassObjectFn>(::dlsym(
        ::dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_NOLOAD), "DllGetClassObject"));
    ASSERT_NE(getClassObject, nullptr);
    out = &out;
    EXPECT_EQ(getClassObject(&kUnknownGuid, &com::kIID_IClassFactory, &out), com::kClassNotAvailable);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(getClassObject(&com::kCLSID_SHA256, &com::kIID_IClassFactory, nullptr), com::kPointer);
}

TEST(ComponentLoader, SaysWhyAnObjectCannotBeHad) {
    TempFolder data;
    const fs::path registry = data.path() / "registry.ini";
    const auto failureOf = [](auto&& action) {
        try {
            action();
        } catch (const ComponentError& e) {
            return e.failure();
        }
        ADD_FAILURE() << "no ComponentError";
        return ComponentFailure::kCallFailed;
    };

    const hosting::ComponentLoader nowhere({registry, {}});
    EXPECT_EQ(failureOf([&] { (void)nowhere.locate("Korbit.Nothing"); }), ComponentFailure::kNotRegistered);
    EXPECT_EQ(failureOf([&] { (void)nowhere.locate("Korbit.KorbitControl"); }), ComponentFailure::kNotRegistered);

    hosting::addRegistryEntries(registry, {{"Korbit.KorbitControl", com::kCLSID_KorbitControl, "/gone/libkorbit.so"},
                                           {"Korbit.Odd", kUnknownGuid, kLibrary}});
    EXPECT_EQ(failureOf([&] { (void)nowhere.locate("Korbit.KorbitControl"); }), ComponentFailure::kLibraryMissing);
    EXPECT_EQ(failureOf([&] { (void)nowhere.createObject("Korbit.Odd"); }), ComponentFailure::kClassNotAvailable);

    // A registered library that has gone: the one beside the program serves.
    const hosting::ComponentLoader besideProgram({registry, {kLibrary.parent_path()}});
    const hosting::ComponentLocation found = besideProgram.locate("Korbit.KorbitControl");
    EXPECT_FALSE(found.registered);
    EXPECT_TRUE(fs::equivalent(found.library, kLibrary));

    writeText(data.path() / "libfake.so", "not a shared object");
    EXPECT_EQ(failureOf([&] { (void)ComponentLibrary::load(data.path() / "libfake.so"); }),
              ComponentFailure::kLibraryNotLoaded);

    // A real library, but no component server.
    link_map* libc = nullptr;
    ASSERT_EQ(::dlinfo(::dlopen("libc.so.6", RTLD_NOW | RTLD_NOLOAD), RTLD_DI_LINKMAP, &libc), 0);
    EXPECT_EQ(failureOf([&] { (void)ComponentLibrary::load(libc->l_name).canUnloadNow(); }),
              ComponentFailure::kEntryPointMissing);
}

}  // namespace
}  // namespace korbit::testing
