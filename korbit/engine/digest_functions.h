// The six logical functions of SHA-256 (FIPS 180-4, section 4.1.2) and one
// round of the compression, on plain 32-bit words.
#pragma once

#include <bit>
#include <cstdint>

#include "korbit/engine/digest.h"

namespace korbit::engine::sha256 {

constexpr std::uint32_t ch(std::uint32_t x, std::uint32_t y, std::uint32_t z) noexcept { return (x & y) ^ (~x & z); }
constexpr std::uint32_t maj(std::uint32_t x, std::uint32_t y, std::uint32_t z) noexcept {
    return (x & y) ^ (x & z) ^ (y & z);
}
constexpr std::uint32_t bigSigma0(std::uint32_t x) noexcept {
    return std::rotr(x, 2) ^ std::rotr(x, 13) ^ std::rotr(x, 22);
}
constexpr std::uint32_t bigSigma1(std::uint32_t x) noexcept {
    return std::rotr(x, 6) ^ std::rotr(x, 11) ^ std::rotr(x, 25);
}
constexpr std::uint32_t smallSigma0(std::uint32_t x) noexcept { return std::rotr(x, 7) ^ std::rotr(x, 18) ^ (x >> 3); }
constexpr std::uint32_t smallSigma1(std::uint32_t x) noexcept {
    return std::rotr(x, 17) ^ std::rotr(x, 19) ^ (x >> 10);
}

// One round on the working variables a..h (in that order in `v`), with
// `keyedWord` = K[t] + W[t].
constexpr void round(State& v, std::uint32_t keyedWord) noexcept {
    const std::uint32_t t1 = v[7] + bigSigma1(v[4]) + ch(v[4], v[5], v[6]) + keyedWord;
    const std::uint32_t t2 = bigSigma0(v[0]) + maj(v[0], v[1], v[2]);
    v = {t1 + t2, v[0], v[1], v[2], v[3] + t1, v[4], v[5], v[6]};
}

}  // namespace korbit::engine::sha256
