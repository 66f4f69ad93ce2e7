// KorbitControl: the control object. It carries the encryption engine and
// the library of services; hosts call it late-bound through its interface
// (interfaceInfo(), invoke()) or, from C++, through the typed methods below.
#pragma once

#include <cstdint>
#include <memory>

#include "korbit/control/control_state.h"
#include "korbit/control/dispatch.h"
#include "korbit/control/host.h"
#include "korbit/engine/random_fraction.h"

namespace korbit::control {

// The control's interface, every method of it; the members whose family is
// built carry their implementation.
const InterfaceInfo& korbitControlInterface();

class KorbitControl final : public DispatchObject {
public:
    // The control's face is always this size, whatever the host asks.
    static constexpr std::int32_t kWidthTwips = 1980;
    static constexpr std::int32_t kHeightTwips = 450;

    // `host` may be null: boxes then go to standard error with their safe
    // answer. The host must outlive the control or be withdrawn first.
    explicit KorbitControl(Host* host = nullptr);

    const InterfaceInfo& interfaceInfo() const noexcept override { return korbitControlInterface(); }

    Host& host() noexcept { return host_ != nullptr ? *host_ : headlessHost(); }
    void setHost(Host* host) noexcept { host_ = host; }

    ControlState& state() noexcept { return state_; }
    const ControlState& state() const noexcept { return state_; }

    // The instance's random sequence: single-precision fractions in [0, 1),
    // seeded from the clock when the control was created. Every random draw
    // of every method comes from it.
    float nextRandom() noexcept { return random_.next(); }
    engine::FractionGenerator& randomGenerator() noexcept { return random_; }

    // The host sizing the control: the size snaps back.
    void resize(std::int32_t widthTwips, std::int32_t heightTwips) noexcept;
    std::int32_t widthTwips() const noexcept { return width_; }
    std::int32_t heightTwips() const noexcept { return height_; }

    // ---- Typed methods, one block per family (see korbit/services,
    // korbit/utilities). Booleans are VBool: True = -1, False = 0.

    // Paths and file names (services/path_methods.cpp).
    Text ExtractLastFolderInDir(const Text& MyDir);
    Text CompactDirectoryString(const Text& MyDir);
    Text GetFileType(const Text& MyFile);
    Text GetFileName(const Text& MyFile);
    VBool DoesFileExist(const Text& strFile);
    Text GetDriveLetter(const Text& MyFile);
    VBool IsDriveWritable(const Text& MyFile);
    Text GetFileExt(const Text& MyFile);
    Text CutFileExt(const Text& MyFile);
    Text GetMyFileSize(const Text& MyFile);
    double GetMyFileSizeBytes(const Text& MyFile);
    Text SetBytes(std::int32_t mBytes);
    Text GetSpecialFolderA(std::int32_t eSpecialFolder);  // shows "GetSpecialFolderA" when nothing can be found
    VBool FileExistQ(const Text& sSource);
    Text GetFilePath(const Text& MyFile);
    VBool FolderExists(const Text& sFolder);
    Text CutFilePath(const Text& MyFile);
    Text BackSlashNeeded(const Text& sPath);
    Text TrimNull(const Text& startstr);

private:
    Host* host_;
    ControlState state_;
    engine::FractionGenerator random_;
    std::int32_t width_ = kWidthTwips;
    std::int32_t height_ = kHeightTwips;
};

}  // namespace korbit::control
