// What both encryption routines need around the block loop.
#pragma once

#include <cstdint>
#include <string>

#include "korbit/control/korbit_control.h"
#include "korbit/engine/byte_stream.h"
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

// Reads the file being rewritten as the engine's byte source.
class RewriteSource final : public engine::ByteSource {
public:
    explicit RewriteSource(platform::FileRewrite& file) : file_(file) {}
    engine::Result<std::size_t> read(std::span<std::uint8_t> buffer) override { return file_.read(buffer); }

private:
    platform::FileRewrite& file_;
};

// The application-data folder, made when missing, where a temporary file
// goes when the file's own folder cannot be written; "" when there is none.
std::string fallbackFolder(control::KorbitControl& control);

// Files whose blocks the 32-bit counter can number whatever the seed: 64 GiB.
inline constexpr std::uint64_t kMaxFileBytes = std::uint64_t{1} << 36;

// False, after telling the user through a box titled `title`, when a file of
// `bytes` is too large for the container format.
bool sizeAllowed(control::KorbitControl& control, std::uint64_t bytes, const control::Text& title);

// The file's attribute word as containers store it: read-only (1) when it
// has no write permission, hidden (2) for a dot name, archive (32).
std::int16_t attributeWord(const platform::FileRewrite& file) noexcept;

}  // namespace korbit::services
