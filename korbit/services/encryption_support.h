// What both encryption routines share: the run's bookkeeping, the byte
// streams over the files they read and write, the header of a new container
// and the block loop with the host's hooks between the blocks.
#pragma once

#include <cstdint>
#include <string>

#include "korbit/control/frame/control_frame.h"
#include "korbit/engine/byte_stream.h"
#include "korbit/engine/container.h"
#include "korbit/engine/keystream.h"
#include "korbit/platform/file_rewrite.h"

namespace korbit::services {

// Leaves the control idle however a run ends: OperationBusy False and no
// blocks counted.
class RunEnd {
public:
    explicit RunEnd(control::ControlState& state) noexcept : state_(state) {}
    ~RunEnd() {
        state_.OperationBusy = control::kFalse;
        state_.BlocksDone = 0;
    }
    RunEnd(const RunEnd&) = delete;
    RunEnd& operator=(const RunEnd&) = delete;

private:
    control::ControlState& state_;
};

// The file being rewritten (or only read) as the engine's byte source; a
// failure becomes ReadFailed with the platform's message.
class RewriteSource final : public engine::ByteSource {
public:
    explicit RewriteSource(platform::FileRewrite& file) : file_(file) {}
    engine::Result<std::size_t> read(std::span<std::uint8_t> buffer) override;

private:
    platform::FileRewrite& file_;
};

// The new content of a rewrite, or a new file, as the engine's byte sink; a
// failure becomes WriteFailed with the platform's message.
template <typename File>
class NewContentSink final : public engine::ByteSink {
public:
    explicit NewContentSink(File& file) : file_(file) {}
    engine::Status write(std::span<const std::uint8_t> bytes) override {
        const engine::Status written = file_.write(bytes);
        return written ? written
                       : engine::Status(engine::ErrorCode::WriteFailed, written.message(), written.systemError());
    }

private:
    File& file_;
};

class PathMethods;

// The application-data folder, made when missing, where a temporary file
// goes when the file's own folder cannot be written; "" when there is none.
std::string fallbackFolder(PathMethods& paths);

// False, after telling the user through a box titled `title`, when a file of
// `bytes` is too large for the container format.
bool sizeAllowed(control::ControlFrame& control, std::uint64_t bytes, const control::Text& title);

// The file's attribute word as containers store it: read-only (1) when it
// has no write permission, hidden (2) for a dot name, archive (32).
std::int16_t attributeWord(const platform::FileRewrite& file) noexcept;

// True when the file starts with the container signature (read on the open,
// locked file). Fails as FileRewrite::peek.
engine::Result<bool> startsWithSignature(platform::FileRewrite& file);

// The header of a new container for a plain file of `plainBytes` bytes: its
// extension (without the dot), its attribute word and a fresh Seed from the
// operating system's random source that suits the file's length.
engine::ContainerHeader newContainerHeader(const control::Text& extension, std::int16_t attributes,
                                           std::uint64_t plainBytes);

// The progress denominator of a run over `inputLength` bytes: length / 32 + 1,
// rounded to the nearest whole number, halves to even.
std::int64_t totalBlocksFor(std::uint64_t inputLength) noexcept;

// Transforms everything left in `in` into `out` for one run of either
// routine. Sets TotalBlocks for an input of `inputLength` bytes and counts
// BlocksDone; for every block, in this order: the end-of-input test, the
// host's input test (input that has arrived holds the block back for one
// round), the block, the count, the cancel test, the yield to the host (at the pace the control's system gives).
// Host calls happen on the calling thread only. Returns the engine's status:
// Cancelled when a cancel request stopped it after a block, or came during
// the pump after the last one.
engine::Status transformForRun(control::ControlFrame& control, std::uint64_t inputLength, engine::ByteSource& in,
                               engine::ByteSink& out, const engine::Keystream& keys);

}  // namespace korbit::services
