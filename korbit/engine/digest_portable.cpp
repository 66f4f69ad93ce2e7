// Plain C++ compression function, a direct reading of FIPS 180-4, section 6.2.2.
#include "korbit/engine/digest.h"
#include "korbit/engine/digest_constants.h"
#include "korbit/engine/digest_functions.h"

namespace korbit::engine::sha256 {

namespace {

inline std::uint32_t loadBigEndian(const std::uint8_t* p) noexcept {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           std::uint32_t{p[3]};
}

void compressPortable(State& state, const std::uint8_t* blocks, std::size_t blockCount) noexcept {
    std::uint32_t w[64];
    for (; blockCount > 0; --blockCount, blocks += kBlockSize) {
        for (std::size_t t = 0; t < 16; ++t) {
            w[t] = loadBigEndian(blocks + 4 * t);
        }
        for (std::size_t t = 16; t < 64; ++t) {
            w[t] = smallSigma1(w[t - 2]) + w[t - 7] + smallSigma0(w[t - 15]) + w[t - 16];
        }

        std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
        std::uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
        for (std::size_t t = 0; t < 64; ++t) {
            const std::uint32_t t1 = h + bigSigma1(e) + ch(e, f, g) + kRoundConstants[t] + w[t];
            const std::uint32_t t2 = bigSigma0(a) + maj(a, b, c);
            h = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + t2;
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
        state[4] += e;
        state[5] += f;
        state[6] += g;
        state[7] += h;
    }
}

constexpr Implementation kPortable{"portable", &compressPortable};

}  // namespace

const Implementation& portable() noexcept { return kPortable; }

}  // namespace korbit::engine::sha256
