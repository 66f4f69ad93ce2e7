#include "korbit/services/encryption_support.h"

#include "korbit/control/values/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/windows1252.h"
#include "korbit/platform/secure_random.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/path_methods.h"

namespace korbit::services {

engine::Result<std::size_t> RewriteSource::read(std::span<std::uint8_t> buffer) {
    engine::Result<std::size_t> got = file_.read(buffer);
    if (!got) {
        return engine::Status{engine::ErrorCode::ReadFailed, got.status().message(), got.status().systemError()};
    }
    return got;
}

std::string fallbackFolder(PathMethods& paths) { return platform::osPathOrEmpty(paths.ApplicationDataFolderMade()); }

bool sizeAllowed(control::ControlFrame& control, std::uint64_t bytes, const control::Text& title) {
    if (bytes <= engine::kMaxFileBytes) {
        return true;
    }
    control.host().messageBox(u"This file is too large to encrypt: 64 GB at most.", control::box::kExclamation,
                              title);
    return false;
}

std::int16_t attributeWord(const platform::FileRewrite& file) noexcept {
    std::int32_t word = control::eFILE_ATTRIBUTE_ARCHIVE;
    if ((file.mode() & 0222U) == 0) {
        word |= control::eFILE_ATTRIBUTE_READONLY;
    }
    if (file.hiddenName()) {
        word |= control::eFILE_ATTRIBUTE_HIDDEN;
    }
    return static_cast<std::int16_t>(word);
}

engine::Result<bool> startsWithSignature(platform::FileRewrite& file) {
    std::uint8_t magic[4] = {};
    const engine::Result<std::size_t> got = file.peek(magic);
    if (!got) {
        return got.status();
    }
    return engine::hasContainerMagic(std::span(magic, got.value()));
}

namespace {

// A byte of the name that is no UTF-8 (carried as its escape) is stored as
// that very byte: the character it stands for in the container's code page.
control::Text storedExtension(control::Text extension) {
    for (char16_t& c : extension) {
        if (c >= 0xDC80 && c <= 0xDCFF) {
            c = engine::fromWindows1252(std::string(1, static_cast<char>(c - 0xDC00))).front();
        }
    }
    return extension;
}

}  // namespace

engine::ContainerHeader newContainerHeader(const control::Text& extension, std::int16_t attributes,
                                           std::uint64_t plainBytes) {
    engine::ContainerHeader header;
    header.PlainExtension = engine::makePlainExtension(storedExtension(extension));
    header.PlainAttributes = attributes;
    header.Seed = engine::NewSeed(engine::blocksOf(plainBytes), platform::randomWord);
    return header;
}

std::int64_t totalBlocksFor(std::uint64_t inputLength) noexcept {
    return static_cast<std::int64_t>(control::roundHalfEven(static_cast<double>(inputLength) / 32.0 + 1.0));
}

engine::Status transformForRun(control::ControlFrame& control, std::uint64_t inputLength, engine::ByteSource& in,
                               engine::ByteSink& out, const engine::Keystream& keys) {
    control::ControlState& state = control.state();
    control::Host& host = control.host();
    state.TotalBlocks = totalBlocksFor(inputLength);
    state.BlocksDone = 0;
    engine::TransformOptions options;
    options.expectedBytes = inputLength;
    options.eachChunk = [&](engine::ChunkSteps& chunk) {
        while (!chunk.atEnd()) {
            if (host.inputPending()) {
                continue;  // held back for one round; the input is dealt with at the next pump
            }
            chunk.transformNext();
            ++state.BlocksDone;
            if (state.CancelRequested != control::kFalse) {
                return false;
            }
            control.yieldToHost();
        }
        return true;
    };
    const engine::Result<std::uint64_t> moved = engine::transformBlocks(in, out, keys, options);
    if (!moved) {
        return moved.status();
    }
    if (state.CancelRequested != control::kFalse) {
        // Asked for during the pump after the last block: the run is cancelled all the same.
        return {engine::ErrorCode::Cancelled, "The operation was cancelled."};
    }
    return engine::Status::ok();
}

}  // namespace korbit::services
