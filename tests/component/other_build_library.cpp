// A component library of another build: it reports the interface version
// held in KORBIT_TEST_INTERFACE_VERSION, or none when that is unset (as the
// builds before there was one), and makes no objects. A host must refuse it
// before it asks for any.
#include <cstdlib>

#include "korbit/control/values/component_abi.h"

namespace {

using namespace korbit::com;

class Info final : public IComponentInfo {
public:
    HResult QueryInterface(const KorbitGuid&, void** out) noexcept override {
        *out = this;
        return kOk;
    }
    std::uint32_t AddRef() noexcept override { return 1; }
    std::uint32_t Release() noexcept override { return 1; }
    std::uint32_t InterfaceVersion() noexcept override {
        return static_cast<std::uint32_t>(std::strtoul(std::getenv("KORBIT_TEST_INTERFACE_VERSION"), nullptr, 10));
    }
};

Info info;

}  // namespace

extern "C" __attribute__((visibility("default"))) HResult DllGetClassObject(const KorbitGuid* clsid,
                                                                            const KorbitGuid* iid, void** out);

extern "C" HResult DllGetClassObject(const KorbitGuid* clsid, const KorbitGuid*, void** out) {
    *out = nullptr;
    if (!(*clsid == kCLSID_ComponentInfo) || std::getenv("KORBIT_TEST_INTERFACE_VERSION") == nullptr) {
        return kClassNotAvailable;
    }
    *out = &info;
    return kOk;
}
