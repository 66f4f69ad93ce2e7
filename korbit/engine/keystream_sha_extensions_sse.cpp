// Keys on the x86 SHA extensions (keystream_sha_kernel.h) with SSE
// encodings only, for the processors that have the SHA extensions but no
// AVX (some Atom and Celeron parts).
#include "korbit/engine/keystream_implementations.h"

#if defined(__x86_64__) || defined(__i386__)

#include "korbit/engine/cpu_features.h"

#define KORBIT_SHA_KEYS_TARGET __attribute__((target("sha,sse4.1,ssse3")))
#include "korbit/engine/keystream_sha_kernel.h"

namespace korbit::engine::keylanes {

namespace {

constexpr Implementation kShaExtensionsSse{"sha-extensions-sse", &makeKeysShaExtensions, kRunMessages,
                                           &runKeysShaExtensions};

}  // namespace

const Implementation* shaExtensionsSse() noexcept {
    return cpuFeatures().shaExtensions ? &kShaExtensionsSse : nullptr;
}

}  // namespace korbit::engine::keylanes

#else

namespace korbit::engine::keylanes {

const Implementation* shaExtensionsSse() noexcept { return nullptr; }

}  // namespace korbit::engine::keylanes

#endif
