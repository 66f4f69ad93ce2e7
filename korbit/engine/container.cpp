#include "korbit/engine/container.h"

#include <algorithm>
#include <charconv>

#include "korbit/base/concat.h"
#include "korbit/engine/sha256.h"
#include "korbit/engine/windows1252.h"

namespace korbit::engine {

namespace {

void putLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint32_t getLittleEndian(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        value |= std::uint32_t{bytes[at + i]} << (8 * i);
    }
    return value;
}

Status truncated() { return {ErrorCode::WrongPassword, "The container ends inside its header."}; }

}  // namespace

std::string makePlainExtension(std::u16string_view extension) { return concat(".", toWindows1252(extension)); }

Result<std::vector<std::uint8_t>> encodeHeader(const ContainerHeader& header) {
    if (header.PlainExtension.size() > 0xFFFF) {
        return Status{ErrorCode::InvalidArgument, "The file's extension is too long to be stored."};
    }
    std::vector<std::uint8_t> out;
    out.reserve(header.encodedSize());
    out.insert(out.end(), header.Magic.begin(), header.Magic.end());
    putLittleEndian(out, static_cast<std::uint32_t>(header.PlainExtension.size()), 2);
    out.insert(out.end(), header.PlainExtension.begin(), header.PlainExtension.end());
    putLittleEndian(out, static_cast<std::uint16_t>(header.PlainAttributes), 2);
    putLittleEndian(out, static_cast<std::uint32_t>(header.Seed), 4);
    return out;
}

Result<ContainerHeader> decodeHeader(std::span<const std::uint8_t> bytes) {
    const std::size_t signatureBytes = std::min(bytes.size(), kContainerMagic.size());
    if (!std::equal(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(signatureBytes),
                    kContainerMagic.begin())) {
        return Status{ErrorCode::NotAContainer, "The file is not an encrypted container."};
    }
    if (bytes.size() < kContainerMagic.size()) {
        return truncated();
    }
    if (bytes.size() < 6) {
        return truncated();
    }
    const std::size_t n = getLittleEndian(bytes, 4, 2);
    if (bytes.size() < kFixedHeaderBytes + n) {
        return truncated();
    }
    ContainerHeader header;
    std::copy_n(bytes.begin(), 4, header.Magic.begin());
    header.PlainExtension.assign(reinterpret_cast<const char*>(bytes.data() + 6), n);
    header.PlainAttributes = static_cast<std::int16_t>(getLittleEndian(bytes, 6 + n, 2));
    header.Seed = static_cast<std::int32_t>(getLittleEndian(bytes, 8 + n, 4));
    return header;
}

bool hasContainerMagic(std::span<const std::uint8_t> firstBytes) noexcept {
    return firstBytes.size() >= kContainerMagic.size() &&
           std::equal(kContainerMagic.begin(), kContainerMagic.end(), firstBytes.begin());
}

std::int32_t NewSeed(std::uint64_t blocks, const std::function<std::uint32_t()>& randomWord) {
    // Uniform by rejection: 31 random bits, drawn again while below the
    // lowest allowed seed (at most half of them are).
    // A source that keeps giving low words (a broken one) ends in the
    // allowed range all the same.
    const auto lowest = static_cast<std::uint32_t>(lowestSeedFor(blocks));
    std::uint32_t candidate = 0;
    for (int attempt = 0; attempt < 64; ++attempt) {
        candidate = randomWord() & 0x7FFFFFFFU;
        if (candidate >= lowest) {
            return static_cast<std::int32_t>(candidate);
        }
    }
    return static_cast<std::int32_t>(lowest + candidate % (0x80000000U - lowest));
}

std::u16string keyText(std::u16string_view password, std::int32_t counter) {
    char digits[12];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), counter).ptr;
    std::u16string text(password);
    text.push_back(u'?');
    text.append(digits, end);
    return text;
}

BlockKey keyFromDigest(const sha256::Digest& digest) noexcept {
    BlockKey key{};
    for (std::size_t i = 0; i + 1 < kBlockBytes; ++i) {
        key[i] = static_cast<std::uint8_t>((digest[i] << 4) | (digest[i + 1] >> 4));
    }
    key[kBlockBytes - 1] = static_cast<std::uint8_t>(digest[kBlockBytes - 1] & 0x0F);
    return key;
}

BlockKey DeriveBlockKey(std::u16string_view text) { return keyFromDigest(sha256::digest(lowBytes(text))); }

std::vector<std::uint8_t> XorBlock(std::span<const std::uint8_t> data, std::span<const std::uint8_t> key) {
    if (data.size() != key.size()) {
        return {};
    }
    std::vector<std::uint8_t> out(data.size());
    for (std::size_t j = 0; j < data.size(); ++j) {
        out[j] = static_cast<std::uint8_t>(data[j] ^ key[j]);
    }
    return out;
}

}  // namespace korbit::engine
