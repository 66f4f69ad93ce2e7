#include "korbit/engine/cpu_features.h"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

#include <cstdint>

namespace korbit::engine {

namespace {

#if defined(__x86_64__) || defined(__i386__)

constexpr unsigned bit(unsigned n) noexcept { return 1U << n; }

// XCR0: which register states the OS saves and restores on a context
// switch. Only valid when CPUID reports OSXSAVE.
std::uint64_t enabledRegisterStates() noexcept {
    std::uint32_t low = 0, high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return (std::uint64_t{high} << 32) | low;
}

CpuFeatures detect() noexcept {
    CpuFeatures found;
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) {
        return found;
    }
    const bool ssse3 = (ecx & bit(9)) != 0;
    const bool sse41 = (ecx & bit(19)) != 0;
    const bool osxsave = (ecx & bit(27)) != 0;
    const bool avx = (ecx & bit(28)) != 0;
    if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) {
        return found;
    }
    found.shaExtensions = ssse3 && sse41 && (ebx & bit(29)) != 0;

    if (!osxsave || !avx) {
        return found;
    }
    const std::uint64_t states = enabledRegisterStates();
    constexpr std::uint64_t kXmmYmm = 0x06;            // SSE and AVX state
    constexpr std::uint64_t kMaskZmm = 0xE0;           // opmask, upper ZMM0-15, ZMM16-31
    const bool ymmEnabled = (states & kXmmYmm) == kXmmYmm;
    const bool zmmEnabled = ymmEnabled && (states & kMaskZmm) == kMaskZmm;
    found.avx2 = ymmEnabled && (ebx & bit(5)) != 0;
    found.avx512 = zmmEnabled && found.avx2 && (ebx & bit(16)) != 0 && (ebx & bit(31)) != 0;
    return found;
}

#else

CpuFeatures detect() noexcept { return {}; }

#endif

}  // namespace

const CpuFeatures& cpuFeatures() noexcept {
    static const CpuFeatures features = detect();
    return features;
}

}  // namespace korbit::engine
