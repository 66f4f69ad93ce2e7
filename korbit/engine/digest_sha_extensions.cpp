// Compression function on the x86 SHA extensions (see digest_sha_rounds.h).
#include "korbit/engine/digest.h"

#if defined(__x86_64__) || defined(__i386__)

#include "korbit/engine/cpu_features.h"
#include "korbit/engine/digest_sha_rounds.h"

namespace korbit::engine::sha256 {

namespace {

KORBIT_SHA_TARGET void compressShaExtensions(State& state, const std::uint8_t* blocks,
                                             std::size_t blockCount) noexcept {
    shani::Message s;
    shani::loadState(state, s);
    for (; blockCount > 0; --blockCount, blocks += kBlockSize) {
        const __m128i abefSaved = s.abef;
        const __m128i cdghSaved = s.cdgh;
        shani::loadBlock(blocks, s);
        shani::allRounds<1>(&s, std::make_integer_sequence<int, 16>{});
        s.abef = _mm_add_epi32(s.abef, abefSaved);
        s.cdgh = _mm_add_epi32(s.cdgh, cdghSaved);
    }
    shani::storeState(s, state);
}

constexpr Implementation kShaExtensions{"sha-extensions", &compressShaExtensions};

}  // namespace

const Implementation* shaExtensions() noexcept {
    return cpuFeatures().shaExtensions ? &kShaExtensions : nullptr;
}

}  // namespace korbit::engine::sha256

#else

namespace korbit::engine::sha256 {

const Implementation* shaExtensions() noexcept { return nullptr; }

}  // namespace korbit::engine::sha256

#endif
