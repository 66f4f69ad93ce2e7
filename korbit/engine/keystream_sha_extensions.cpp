// Keys on the x86 SHA extensions: four key texts at a time, their round
// instructions interleaved. One message is a chain of dependent sha256rnds2
// instructions; the other three fill the cycles it leaves idle. The round
// instructions take the whole final block, so the plan serves here for its
// message words and its state after the prefix blocks.
#include "korbit/engine/keystream_lanes.h"

#if defined(__x86_64__) || defined(__i386__)

#include <algorithm>

#include "korbit/engine/cpu_features.h"
#include "korbit/engine/digest_sha_rounds.h"

namespace korbit::engine::keylanes {

namespace {

constexpr std::size_t kInterleaved = 4;

KORBIT_SHA_TARGET void makeKeysShaExtensions(const DigitsPlan& plan, const LaneDigits& digits, std::size_t count,
                                             BlockKey* keys) noexcept {
    sha256::shani::Message chain;
    sha256::shani::loadState(plan.chain, chain);
    // The final blocks of each interleaved message: the plan's constant
    // words, the digit words replaced lane by lane.
    alignas(16) std::uint32_t message[2][kInterleaved][16];
    for (std::size_t b = 0; b < plan.blockCount; ++b) {
        for (std::size_t i = 0; i < kInterleaved; ++i) {
            std::copy(plan.blocks[b].words.begin(), plan.blocks[b].words.begin() + 16, message[b][i]);
        }
    }
    for (std::size_t lane = 0; lane < count; lane += kInterleaved) {
        for (std::size_t i = 0; i < kInterleaved; ++i) {
            // Lanes past `count` repeat the last one.
            std::uint32_t rows[kWordRows];
            laneWords(digits, static_cast<std::uint32_t>(std::min(lane + i, count - 1)), rows);
            for (std::size_t b = 0; b < plan.blockCount; ++b) {
                const BlockPlan& block = plan.blocks[b];
                for (std::size_t t = 0; t < 16; ++t) {
                    if (((block.variable >> t) & 1U) != 0) {
                        message[b][i][t] = rows[static_cast<std::size_t>(static_cast<int>(t) + block.row)];
                    }
                }
            }
        }
        sha256::shani::Message m[kInterleaved];
        for (std::size_t i = 0; i < kInterleaved; ++i) {
            m[i].abef = chain.abef;
            m[i].cdgh = chain.cdgh;
        }
        for (std::size_t b = 0; b < plan.blockCount; ++b) {
            __m128i saved[kInterleaved][2];
            for (std::size_t i = 0; i < kInterleaved; ++i) {
                sha256::shani::loadWords(message[b][i], m[i]);
                saved[i][0] = m[i].abef;
                saved[i][1] = m[i].cdgh;
            }
            sha256::shani::allRounds<kInterleaved>(m, std::make_integer_sequence<int, 16>{});
            for (std::size_t i = 0; i < kInterleaved; ++i) {
                m[i].abef = _mm_add_epi32(m[i].abef, saved[i][0]);
                m[i].cdgh = _mm_add_epi32(m[i].cdgh, saved[i][1]);
            }
        }
        for (std::size_t i = 0; i < std::min(kInterleaved, count - lane); ++i) {
            sha256::State h;
            sha256::shani::storeState(m[i], h);
            storeKey(h, keys[lane + i]);
        }
    }
}

constexpr Implementation kShaExtensions{"sha-extensions", &makeKeysShaExtensions};

}  // namespace

const Implementation* shaExtensions() noexcept { return cpuFeatures().shaExtensions ? &kShaExtensions : nullptr; }

}  // namespace korbit::engine::keylanes

#else

namespace korbit::engine::keylanes {

const Implementation* shaExtensions() noexcept { return nullptr; }

}  // namespace korbit::engine::keylanes

#endif
