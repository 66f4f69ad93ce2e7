// The second-generation encryption routine: a file is encrypted or decrypted
// in place, keeping its name; the direction follows from the file's first
// four bytes. Plus the progress, cancel and message methods both
// generations share.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"
#include "korbit/control/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/platform/file_rewrite.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/block_loop.h"
#include "korbit/services/encryption_support.h"

namespace korbit::control {

VBool KorbitControl::IsFileEncrypted2(const Text& FileNameSTR) {
    const std::optional<std::string> path = platform::toOsPath(FileNameSTR);
    if (!path) {
        throw AutomationError::fileNotFound();
    }
    const int fd = ::open(path->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        throw errno == EACCES ? AutomationError::permissionDenied() : AutomationError::fileNotFound();
    }
    std::uint8_t magic[4] = {};
    std::size_t got = 0;
    while (got < sizeof magic) {
        const ssize_t n = ::read(fd, magic + got, sizeof magic - got);
        if (n <= 0) {
            break;  // short files and unreadable entries (a folder, say) are no containers
        }
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return toVBool(engine::hasContainerMagic(std::span(magic, got)));
}

std::int16_t KorbitControl::EncryptionProgressPercentage() const noexcept {
    if (state_.TotalBlocks <= 0) {
        return 0;
    }
    const std::int64_t percent = state_.BlocksDone * 100 / state_.TotalBlocks;
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(percent, 0, 100));
}

VBool KorbitControl::EncryptionRoutine2(const Text& InFileName, const Text& MyPassword,
                                        const Text& MyApplicationName) {
    ControlState& st = state_;
    if (st.OperationBusy != kFalse || InFileName.empty() || FileExistQ(InFileName) == kFalse) {
        return kFalse;
    }
    if (IsDriveWritable(InFileName) == kFalse) {
        host().messageBox(u"Cannot write to Drive: " + GetDriveLetter(InFileName), box::kInformation,
                          MyApplicationName);
        return kFalse;
    }
    const std::optional<std::string> path = platform::toOsPath(InFileName);
    if (!path) {
        return kFalse;
    }

    st.OperationBusy = kTrue;
    const services::RunEnd runEnd(st);  // every way out leaves the control idle
    try {
        platform::FileRewrite file(*path, services::fallbackFolder(*this));
        if (!services::sizeAllowed(*this, file.inputSize(), MyApplicationName)) {
            return kFalse;
        }
        const bool decrypting = IsFileEncrypted2(InFileName) != kFalse;
        engine::ContainerHeader header;
        if (decrypting) {
            platform::makeOwnerWritable(*path);
            services::RewriteSource source(file);
            engine::Result<engine::ContainerHeader> opened = engine::openContainer(source, MyPassword);
            if (!opened) {
                if (opened.status().code() == engine::ErrorCode::ReadFailed) {
                    throw platform::RewriteError(platform::RewriteError::Kind::kIo, EIO, opened.status().message());
                }
                host().messageBox(u"Invalid Password!!!", box::kExclamation, MyApplicationName);
                return kFalse;
            }
            header = std::move(opened.value());
        } else {
            header.PlainExtension = engine::makePlainExtension(GetFileExt(InFileName));
            header.PlainAttributes = services::attributeWord(file);
            header.Seed = engine::NewSeed(randomGenerator());
            platform::makeOwnerWritable(*path);
            const engine::Result<std::vector<std::uint8_t>> encoded = engine::encodeHeader(header);
            if (!encoded) {
                throw platform::RewriteError(platform::RewriteError::Kind::kIo, EINVAL, encoded.status().message());
            }
            file.write(encoded.value());
        }
        const engine::Keystream keys(MyPassword, header.Seed);
        if (!decrypting) {
            const engine::BlockKey check = keys.passwordCheck();
            file.write(check);
        }

        st.TotalBlocks = services::totalBlocksFor(file.inputSize());
        st.BlocksDone = 0;
        const bool finished = services::runBlockLoop(
            *this, keys, [&](std::span<std::uint8_t> b) { return file.read(b); },
            [&](std::span<const std::uint8_t> b) { file.write(b); });
        if (!finished || st.CancelRequested != kFalse) {
            st.CancelRequested = kFalse;
            return kFalse;  // the temporary file goes with `file`; the input is as it was, writable
        }

        st.BlocksDone = st.TotalBlocks;
        const bool readOnly = !decrypting || (header.PlainAttributes & eFILE_ATTRIBUTE_READONLY) != 0;
        file.commit(readOnly ? platform::readOnlyMode(file.mode()) : platform::writableMode(file.mode()));
        st.CancelRequested = kFalse;
        return kTrue;
    } catch (const platform::RewriteError& e) {
        if (e.kind() == platform::RewriteError::Kind::kIo) {
            host().messageBox(platform::fromUtf8(e.what()), box::kCritical, MyApplicationName);
        }
        return kFalse;  // not found, not a regular file, or rewritten by another run right now: nothing touched
    }
}

}  // namespace korbit::control

namespace korbit::services {

namespace {

using control::DispatchObject;
using control::KorbitControl;
using control::Text;
using control::Value;


}  // namespace

void bindEncryptionMethods(control::InterfaceInfo& info) {
    info.bind("EncryptionRoutine2", [](DispatchObject& o, std::span<Value> a) -> Value {
        return control::Boolean{controlOf(o).EncryptionRoutine2(a[0].get<Text>(), a[1].get<Text>(), a[2].get<Text>())};
    });
    info.bind("IsFileEncrypted2", [](DispatchObject& o, std::span<Value> a) -> Value {
        return control::Boolean{controlOf(o).IsFileEncrypted2(a[0].get<Text>())};
    });
    info.bind("EncryptionProgressPercentage",
              [](DispatchObject& o, std::span<Value>) -> Value { return controlOf(o).EncryptionProgressPercentage(); });
    info.bind("CancelOps", [](DispatchObject& o, std::span<Value>) -> Value {
        controlOf(o).CancelOps();
        return control::Empty{};
    });
    info.bind("GetEncryptRoutineMessage",
              [](DispatchObject& o, std::span<Value>) -> Value { return controlOf(o).GetEncryptRoutineMessage(); });
    info.bind("EncryptionRoutine", [](DispatchObject& o, std::span<Value> a) -> Value {
        controlOf(o).EncryptionRoutine(a[0].get<Text>(), a[1].get<Text>(), a[2].get<control::Boolean>().value);
        return control::Empty{};
    });
    info.bind("IsFileEncrypted", [](DispatchObject& o, std::span<Value> a) -> Value {
        return control::Boolean{controlOf(o).IsFileEncrypted(a[0].get<Text>())};
    });
}

}  // namespace korbit::services
