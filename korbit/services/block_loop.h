// The block loop both encryption routines share: 32 bytes at a time from a
// file being rewritten, each block XORed with its key, with the host's input
// test, the cancel test and the host's event pump between blocks.
#pragma once

#include <cstdint>
#include <functional>

#include "korbit/control/korbit_control.h"
#include "korbit/engine/keystream.h"

namespace korbit::services {

// Reads everything that is left in `read`'s source, block by block, and hands
// the transformed bytes to `write` (in chunks, in order). For every block, in
// this order: the end-of-input test, the host's input test (input that has
// arrived holds the block back for one round), the block, the progress
// count, the cancel test, the host's event pump. Returns false when a cancel
// request stopped it; the bytes of the blocks done are written either way.
// Exceptions of `read` and `write` pass through.
bool runBlockLoop(control::KorbitControl& control, const engine::Keystream& keys,
                  const std::function<std::size_t(std::span<std::uint8_t>)>& read,
                  const std::function<void(std::span<const std::uint8_t>)>& write);

// The progress denominator of a run over `inputLength` bytes: length / 32 + 1,
// rounded to the nearest whole number, halves to even.
std::int64_t totalBlocksFor(std::uint64_t inputLength) noexcept;

}  // namespace korbit::services
