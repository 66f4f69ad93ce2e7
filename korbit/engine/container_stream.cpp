#include "korbit/engine/container_stream.h"

#include <algorithm>
#include <vector>

#include "korbit/engine/key_ahead.h"

namespace korbit::engine {

Status writeContainerStart(ByteSink& out, const ContainerHeader& header, const Keystream& keys) {
    Result<std::vector<std::uint8_t>> encoded = encodeHeader(header);
    if (!encoded) {
        return encoded.status();
    }
    if (Status s = out.write(encoded.value()); !s) {
        return s;
    }
    const BlockKey check = keys.passwordCheck();
    return out.write(check);
}

Result<ContainerHeader> openContainer(ByteSource& in, std::u16string_view password, std::optional<Keystream>* keys) {
    // Signature and length field first, then exactly as many bytes as the
    // length field announces: never more than the header can hold.
    std::vector<std::uint8_t> bytes(6);
    Result<std::size_t> got = readFully(in, bytes);
    if (!got) {
        return got.status();
    }
    bytes.resize(got.value());
    if (bytes.size() < 6) {
        return decodeHeader(bytes);
    }
    const std::size_t n = std::size_t{bytes[4]} | (std::size_t{bytes[5]} << 8);
    const std::size_t headerBytes = kFixedHeaderBytes + n;
    bytes.resize(headerBytes + kPasswordCheckBytes);
    got = readFully(in, std::span(bytes).subspan(6));
    if (!got) {
        return got.status();
    }
    bytes.resize(6 + got.value());

    Result<ContainerHeader> header = decodeHeader(bytes);
    if (!header) {
        return header;
    }
    if (bytes.size() < headerBytes + kPasswordCheckBytes) {
        return Status{ErrorCode::WrongPassword, "The container ends inside its password check."};
    }
    std::optional<Keystream> local;
    std::optional<Keystream>& stream = keys != nullptr ? *keys : local;
    stream.emplace(password, header->Seed);
    const BlockKey expected = stream->passwordCheck();
    if (!std::equal(expected.begin(), expected.end(), bytes.begin() + static_cast<std::ptrdiff_t>(headerBytes))) {
        stream.reset();
        return Status{ErrorCode::WrongPassword, "The password does not match."};
    }
    return header;
}

Result<std::uint64_t> transformBlocks(ByteSource& in, ByteSink& out, const Keystream& keys,
                                      const TransformOptions& options) {
    const std::size_t chunk = std::max(kBlockBytes, options.chunkBytes / kBlockBytes * kBlockBytes);
    const std::size_t chunkBlocks = chunk / kBlockBytes;
    KeyAheadOptions ahead;
    ahead.useThread = options.keysAhead;
    if (options.expectedBytes) {
        // A source that grew past it gets its further keys made below, as
        // each chunk needs them.
        ahead.endBlock = std::min(kMaxBlocks, blocksOf(*options.expectedBytes));
    }
    KeyAhead chunkKeys(keys, chunkBlocks, ahead);
    std::vector<std::uint8_t> buffer(chunk);
    std::vector<BlockKey> lateKeys;
    std::uint64_t done = 0;
    for (;;) {
        Result<std::size_t> got = readFully(in, buffer);
        if (!got) {
            return got.status();
        }
        const std::size_t n = got.value();
        if (n == 0) {
            break;
        }
        const std::uint64_t firstBlock = done / kBlockBytes;
        const std::size_t blocks = (n + kBlockBytes - 1) / kBlockBytes;
        if (firstBlock + blocks > kMaxBlocks) {
            return Status{ErrorCode::TooLarge, "The file is too large for this format (64 GiB at most)."};
        }
        std::span<const BlockKey> blockKeys = chunkKeys.next();
        if (blockKeys.size() < blocks) {
            // Past the announced end: these keys are made here and now.
            lateKeys.resize(blocks);
            keys.fillKeys(firstBlock, lateKeys);
            blockKeys = lateKeys;
        }
        ChunkSteps steps{std::span(buffer).first(n), blockKeys.first(blocks)};
        const bool goOn = !options.eachChunk || options.eachChunk(steps);
        if (goOn) {
            steps.transformRest();  // a callback that returns true has let every block through
        }
        if (Status s = out.write(steps.doneBytes()); !s) {
            return s;
        }
        done += steps.doneBytes().size();
        if (!goOn) {
            return Status{ErrorCode::Cancelled, "The operation was cancelled."};
        }
        if (n < chunk) {
            break;
        }
    }
    return done;
}

Status writeContainer(ByteSource& plain, ByteSink& out, const ContainerHeader& header, std::u16string_view password,
                      const TransformOptions& options) {
    const Keystream keys(password, header.Seed);
    if (Status s = writeContainerStart(out, header, keys); !s) {
        return s;
    }
    Result<std::uint64_t> moved = transformBlocks(plain, out, keys, options);
    return moved ? Status::ok() : moved.status();
}

Result<ContainerHeader> readContainer(ByteSource& container, ByteSink& plain, std::u16string_view password,
                                      const TransformOptions& options) {
    std::optional<Keystream> keys;
    Result<ContainerHeader> header = openContainer(container, password, &keys);
    if (!header) {
        return header;
    }
    Result<std::uint64_t> moved = transformBlocks(container, plain, *keys, options);
    if (!moved) {
        return moved.status();
    }
    return header;
}

}  // namespace korbit::engine
