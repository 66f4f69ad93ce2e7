// Whole containers between byte streams, in constant memory: one chunk of
// data is in flight at a time, whatever the size of the file.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "korbit/engine/byte_stream.h"
#include "korbit/engine/container.h"
#include "korbit/engine/keystream.h"

namespace korbit::engine {

struct TransformOptions {
    // Bytes read, transformed and written at a time; a multiple of 32.
    std::size_t chunkBytes = std::size_t{64} * 1024;

    // Called after every chunk with the number of blocks done so far. Returning
    // false stops the transform with Cancelled. May be empty.
    std::function<bool(std::uint64_t blocksDone)> afterChunk;
};

// Writes header and password check to `out`.
Status writeContainerStart(ByteSink& out, const ContainerHeader& header, const Keystream& keys);

// Reads header and password check from `in` and verifies the check against
// `password`. On success the source stands at the first data byte. Fails with
// NotAContainer, with WrongPassword (mismatch, or the source ends before the
// check is complete) or with ReadFailed; nothing is ever written.
Result<ContainerHeader> openContainer(ByteSource& in, std::u16string_view password);

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
