#include "korbit/services/block_loop.h"

#include <vector>

namespace korbit::services {

namespace {

// Bytes read, keyed and written at a time. Blocks are still handled one by
// one in between; the chunk only batches the file system calls and lets the
// keys be digested two at a time.
constexpr std::size_t kChunkBytes = std::size_t{64} * 1024;

}  // namespace

std::int64_t totalBlocksFor(std::uint64_t inputLength) noexcept {
    return static_cast<std::int64_t>(control::roundHalfEven(static_cast<double>(inputLength) / 32.0 + 1.0));
}

bool runBlockLoop(control::KorbitControl& control, const engine::Keystream& keys,
                  const std::function<std::size_t(std::span<std::uint8_t>)>& read,
                  const std::function<void(std::span<const std::uint8_t>)>& write) {
    control::ControlState& state = control.state();
    control::Host& host = control.host();
    std::vector<std::uint8_t> chunk(kChunkBytes);
    std::vector<engine::BlockKey> chunkKeys(kChunkBytes / engine::kBlockBytes);
    std::uint64_t block = 0;
    for (;;) {
        std::size_t filled = 0;
        while (filled < chunk.size()) {
            const std::size_t n = read(std::span(chunk).subspan(filled));
            if (n == 0) {
                break;
            }
            filled += n;
        }
        const std::size_t blocks = (filled + engine::kBlockBytes - 1) / engine::kBlockBytes;
        keys.fillKeys(block, std::span(chunkKeys).first(blocks));

        std::size_t done = 0;
        bool cancelled = false;
        while (done < blocks) {
            if (host.inputPending()) {
                continue;  // held back for one round; the input is dealt with at the next pump
            }
            const std::size_t at = done * engine::kBlockBytes;
            const std::size_t length = std::min(engine::kBlockBytes, filled - at);
            engine::Keystream::xorBlock(std::span(chunk).subspan(at, length), chunkKeys[done]);
            ++done;
            ++state.BlocksDone;
            if (state.CancelRequested != control::kFalse) {
                cancelled = true;
                break;
            }
            host.pumpEvents();
        }
        write(std::span(chunk).first(std::min(filled, done * engine::kBlockBytes)));
        block += done;
        if (cancelled) {
            return false;
        }
        if (filled < chunk.size()) {
            return true;
        }
    }
}

}  // namespace korbit::services
