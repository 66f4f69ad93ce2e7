// The second-generation encryption routine: a file is encrypted or decrypted
// in place, keeping its name; the direction follows from the file's first
// four bytes. Plus the progress, cancel and message methods both
// generations share.
#include <fcntl.h>

#include <cerrno>
#include <optional>

#include "korbit/control/bindings.h"
#include "korbit/control/korbit_control.h"
#include "korbit/control/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/keystream.h"
#include "korbit/platform/file_metadata.h"
#include "korbit/platform/file_rewrite.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/encryption_support.h"

namespace korbit::control {

VBool KorbitControl::IsFileEncrypted2(const Text& FileNameSTR) {
    const std::optional<std::string> path = platform::toOsPath(FileNameSTR);
    if (!path) {
        throw AutomationError::fileNotFound();
    }
    const platform::Descriptor file = platform::openRegularFile(*path, O_RDONLY);
    if (!file.valid()) {
        if (errno == EISDIR || errno == EINVAL) {
            return kFalse;  // folders, pipes and devices are no containers
        }
        throw errno == EACCES ? AutomationError::permissionDenied() : AutomationError::fileNotFound();
    }
    std::uint8_t magic[4] = {};
    const std::size_t got = platform::readAtMost(file.get(), magic);
    return toVBool(engine::hasContainerMagic(std::span(magic, got)));
}

std::int16_t KorbitControl::EncryptionProgressPercentage() const noexcept {
    if (state_.TotalBlocks <= 0) {
        return 0;
    }
    const std::int64_t percent = state_.BlocksDone * 100 / state_.TotalBlocks;
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(percent, 0, 100));
}

namespace {

// What the user reads when a run stops on a failure of the platform.
Text failureText(const platform::RewriteError& e, const Text& name, bool decrypting) {
    if (e.kind() == platform::RewriteError::Kind::kChanged) {
        return name + (decrypting ? u" changed while it was being decrypted; nothing was replaced."
                                  : u" changed while it was being encrypted; nothing was replaced.");
    }
    return platform::fromUtf8(e.what());
}

}  // namespace

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
    const Text name = GetFileName(InFileName);
    bool decrypting = false;
    const auto fail = [&](const Text& text) {
        host().messageBox(text, box::kCritical, MyApplicationName);
        return kFalse;
    };
    try {
        platform::FileRewrite file(*path, services::fallbackFolder(*this));
        for (const std::string& removed : file.removedTemporaries()) {
            host().messageBox(u"An unfinished temporary file that an earlier run of " + name +
                                  u" left behind was removed: " + platform::fromUtf8(removed),
                              box::kInformation, MyApplicationName);
        }
        decrypting = services::startsWithSignature(file);
        if (file.completeInterrupted()) {
            // An earlier run was stopped while it copied its complete result
            // into the file; that result is now in place.
            const bool nowContainer = services::startsWithSignature(file);
            host().messageBox(u"An interrupted " + Text(nowContainer ? u"encryption" : u"decryption") + u" of " +
                                  name + u" was completed from its complete copy.",
                              box::kInformation, MyApplicationName);
            if (nowContainer != decrypting) {
                st.CancelRequested = kFalse;
                return kTrue;  // what was asked is what that run did
            }
        }
        if (!services::sizeAllowed(*this, file.inputSize(), MyApplicationName)) {
            return kFalse;
        }

        services::RewriteSource source(file);
        services::NewContentSink sink(file);
        engine::ContainerHeader header;
        std::optional<engine::Keystream> keys;
        if (decrypting) {
            engine::Result<engine::ContainerHeader> opened = engine::openContainer(source, MyPassword, &keys);
            if (!opened) {
                if (opened.status().code() == engine::ErrorCode::ReadFailed) {
                    return fail(platform::fromUtf8(opened.status().message()));
                }
                host().messageBox(u"Invalid Password!!!", box::kExclamation, MyApplicationName);
                return kFalse;  // nothing written, nothing changed
            }
            header = std::move(opened.value());
        } else {
            header = services::newContainerHeader(GetFileExt(InFileName), services::attributeWord(file),
                                                  file.inputSize());
            keys.emplace(MyPassword, header.Seed);
            if (const engine::Status started = engine::writeContainerStart(sink, header, *keys); !started) {
                return fail(platform::fromUtf8(started.message()));
            }
        }

        const engine::Status moved = services::transformForRun(*this, file.inputSize(), source, sink, *keys);
        if (moved.code() == engine::ErrorCode::Cancelled || (moved && st.CancelRequested != kFalse)) {
            st.CancelRequested = kFalse;
            return kFalse;  // the temporary file goes with `file`; the input is as it was
        }
        if (!moved) {
            return fail(platform::fromUtf8(moved.message()));
        }

        st.BlocksDone = st.TotalBlocks;
        const bool readOnly = (header.PlainAttributes & eFILE_ATTRIBUTE_READONLY) != 0;
        file.commit(decrypting ? platform::decryptedMode(file.mode(), readOnly, platform::fileCreationMask())
                               : platform::encryptedMode(file.mode()));
        st.CancelRequested = kFalse;
        return kTrue;
    } catch (const platform::RewriteError& e) {
        switch (e.kind()) {
        case platform::RewriteError::Kind::kIo:
        case platform::RewriteError::Kind::kChanged:
            host().messageBox(failureText(e, name, decrypting),
                              e.kind() == platform::RewriteError::Kind::kChanged ? box::kExclamation : box::kCritical,
                              MyApplicationName);
            return kFalse;
        default:
            return kFalse;  // not found, not a regular file, or rewritten by another run right now: nothing touched
        }
    }
}

}  // namespace korbit::control

namespace korbit::services {

namespace {

using control::DispatchObject;
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
