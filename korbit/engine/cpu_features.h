// The instruction-set extensions this processor has and its operating system
// lets programs use, as far as the digest and the key stream have code for
// them. Read once, on first use.
#pragma once

namespace korbit::engine {

struct CpuFeatures {
    bool shaExtensions = false;  // SHA, SSSE3 and SSE4.1
    bool avx2 = false;           // AVX2, with the YMM state enabled by the OS
    bool avx512 = false;         // AVX-512 F and VL, with the ZMM and mask state enabled by the OS
};

// All false on processors other than x86.
const CpuFeatures& cpuFeatures() noexcept;

}  // namespace korbit::engine
