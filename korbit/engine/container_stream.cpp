#include "korbit/engine/container_stream.h"

#include <algorithm>
#include <vector>

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

Result<ContainerHeader> openContainer(ByteSource& in, std::u16string_view password) {
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
    const BlockKey expected = Keystream(password, header->Seed).passwordCheck();
    if (!std::equal(expected.begin(), expected.end(), bytes.begin() + static_cast<std::ptrdiff_t>(headerBytes))) {
        return Status{ErrorCode::WrongPassword, "The password does not match."};
    }
    return header;
}

Result<std::uint64_t> transformBlocks(ByteSource& in, ByteSink& out, const Keystream& keys,
                                      const TransformOptions& options) {
    const std::size_t chunk = std::max(kBlockBytes, options.chunkBytes / kBlockBytes * kBlockBytes);
    std::vector<std::uint8_t> buffer(chunk);
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
        const std::uint64_t blocks = (n + kBlockBytes - 1) / kBlockBytes;
        if (firstBlock + blocks > kMaxBlocks) {
            return Status{ErrorCode::TooLarge, "The file is too large for this format (64 GiB at most)."};
        }
        const std::span<std::uint8_t> data(buffer.data(), n);
        keys.apply(data, firstBlock);
        if (Status s = out.write(data); !s) {
            return s;
        }
        done += n;
        if (options.afterChunk && !options.afterChunk(firstBlock + blocks)) {
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
    Result<ContainerHeader> header = openContainer(container, password);
    if (!header) {
        return header;
    }
    const Keystream keys(password, header->Seed);
    Result<std::uint64_t> moved = transformBlocks(container, plain, keys, options);
    if (!moved) {
        return moved.status();
    }
    return header;
}

}  // namespace korbit::engine
