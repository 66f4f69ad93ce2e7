// Whole containers between byte streams, in constant memory: one chunk of
// data is in flight at a time, whatever the size of the file. This is the
// one path every container takes: both encryption routines, the fuzzers and
// the benchmarks all go through openContainer / writeContainerStart and
// transformBlocks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "korbit/engine/byte_stream.h"
#include "korbit/engine/container.h"
#include "korbit/engine/keystream.h"

namespace korbit::engine {

// The blocks of one chunk, as a chunk callback steps through them in file
// order. Each block is XORed in place with its key; only the last block of
// the data may be shorter than 32 bytes.
class ChunkSteps {
public:
    ChunkSteps(std::span<std::uint8_t> data, std::span<const BlockKey> keys) noexcept
        : data_(data), keys_(keys), blocks_((data.size() + kBlockBytes - 1) / kBlockBytes) {}

    std::size_t blocks() const noexcept { return blocks_; }
    std::size_t done() const noexcept { return done_; }
    bool atEnd() const noexcept { return done_ == blocks_; }

    // Transforms the next block. Call only while !atEnd().
    void transformNext() noexcept {
        const std::size_t at = done_ * kBlockBytes;
        Keystream::xorBlock(data_.subspan(at, std::min(kBlockBytes, data_.size() - at)), keys_[done_]);
        ++done_;
    }

    // Transforms every block not done yet.
    void transformRest() noexcept {
        while (!atEnd()) {
            transformNext();
        }
    }

    // The bytes of the blocks done so far.
    std::span<const std::uint8_t> doneBytes() const noexcept {
        return data_.first(done_ * kBlockBytes < data_.size() ? done_ * kBlockBytes : data_.size());
    }

private:
    std::span<std::uint8_t> data_;
    std::span<const BlockKey> keys_;
    std::size_t blocks_;
    std::size_t done_ = 0;
};

// Called with every chunk read. It steps through the chunk's blocks with
// whatever it does between them (progress, a cancel test, a host's events)
// and returns true when it went through all of them, or false to stop after
// the blocks done so far. Either way those blocks are written; after false
// the transform fails with Cancelled.
using ChunkCallback = std::function<bool(ChunkSteps& chunk)>;

struct TransformOptions {
    // Bytes read, transformed and written at a time; rounded down to a
    // multiple of 32 (at least one block).
    std::size_t chunkBytes = std::size_t{1} << 20;

    // Steps through every chunk; when empty, each chunk is transformed whole.
    ChunkCallback eachChunk;

    // How many bytes the source holds, when known; empty when it is not (a
    // pipe, say). Known, keys are never made past it, and a source of at most
    // one chunk, the empty one included, makes its keys without a second
    // thread. Unknown, keys are made ahead as far as the format reaches.
    std::optional<std::uint64_t> expectedBytes;

    // Keys made ahead on a second core, where the machine has one.
    bool keysAhead = true;
};

// Writes header and password check to `out`.
Status writeContainerStart(ByteSink& out, const ContainerHeader& header, const Keystream& keys);

// Reads header and password check from `in` and verifies the check against
// `password`. On success the source stands at the first data byte and, when
// `keys` is given, it holds the key stream of the container (the one the
// check was verified with). Fails with NotAContainer, with WrongPassword
// (mismatch, or the source ends before the check is complete) or with
// ReadFailed; nothing is ever written.
Result<ContainerHeader> openContainer(ByteSource& in, std::u16string_view password,
                                      std::optional<Keystream>* keys = nullptr);

// Transforms everything that remains in `in` into `out`, block 0 first.
// Returns the number of bytes transformed. Fails with ReadFailed,
// WriteFailed, Cancelled or TooLarge (more than kMaxBlocks blocks).
Result<std::uint64_t> transformBlocks(ByteSource& in, ByteSink& out, const Keystream& keys,
                                      const TransformOptions& options = {});

// Encryption: header, check, then every byte of `plain`. The header's Seed
// selects the keys.
Status writeContainer(ByteSource& plain, ByteSink& out, const ContainerHeader& header, std::u16string_view password,
                      const TransformOptions& options = {});

// Decryption: verifies the password before the first byte reaches `plain`.
// Returns the header read.
Result<ContainerHeader> readContainer(ByteSource& container, ByteSink& plain, std::u16string_view password,
                                      const TransformOptions& options = {});

}  // namespace korbit::engine
