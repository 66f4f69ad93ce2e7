// The second-generation encryption routine: a file is encrypted or decrypted
// in place, keeping its name. Plus the progress method both generations share.
#include "korbit/services/encryption_methods.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "korbit/control/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/keystream.h"
#include "korbit/platform/file_metadata.h"
#include "korbit/platform/file_rewrite.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/encryption_support.h"
#include "korbit/services/path_methods.h"

namespace korbit::services {

VBool EncryptionMethods::IsFileEncrypted2(const Text& FileNameSTR) {
    const std::optional<std::string> path = platform::toOsPath(FileNameSTR);
    if (!path) {
        throw control::AutomationError::fileNotFound();
    }
    const platform::Descriptor file = platform::openRegularFile(*path, O_RDONLY);
    if (!file.valid()) {
        if (errno == EISDIR || errno == EINVAL) {
            return control::kFalse;  // folders, pipes and devices are no containers
        }
        throw errno == EACCES ? control::AutomationError::permissionDenied() : control::AutomationError::fileNotFound();
    }
    std::uint8_t magic[4] = {};
    const std::size_t got = platform::readAtMost(file.get(), magic);
    return control::toVBool(engine::hasContainerMagic(std::span(magic, got)));
}

std::int16_t EncryptionMethods::EncryptionProgressPercentage() const noexcept {
    if (frame_.state().TotalBlocks <= 0) {
        return 0;
    }
    const std::int64_t percent = frame_.state().BlocksDone * 100 / frame_.state().TotalBlocks;
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

VBool EncryptionMethods::EncryptionRoutine2(const Text& InFileName, const Text& MyPassword,
                                        const Text& MyApplicationName) {
    control::ControlState& st = frame_.state();
    if (st.OperationBusy != control::kFalse || InFileName.empty() || paths_.FileExistQ(InFileName) == control::kFalse) {
        return control::kFalse;
    }
    if (paths_.IsDriveWritable(InFileName) == control::kFalse) {
        frame_.host().messageBox(u"Cannot write to Drive: " + paths_.GetDriveLetter(InFileName), control::box::kInformation,
                          MyApplicationName);
        return control::kFalse;
    }
    const std::optional<std::string> path = platform::toOsPath(InFileName);
    if (!path) {
        return control::kFalse;
    }

    st.OperationBusy = control::kTrue;
    const RunEnd runEnd(st);  // every way out leaves the control idle
    const Text name = paths_.GetFileName(InFileName);
    bool decrypting = false;
    const auto fail = [&](const Text& text) {
        frame_.host().messageBox(text, control::box::kCritical, MyApplicationName);
        return control::kFalse;
    };
    try {
        platform::FileRewrite file(*path, fallbackFolder(paths_));
        decrypting = startsWithSignature(file);
        if (file.completeInterrupted()) {
            // An earlier run was stopped while it copied its complete result
            // into the file; that result is now in place.
            const bool nowContainer = startsWithSignature(file);
            frame_.host().messageBox(u"An interrupted " + Text(nowContainer ? u"encryption" : u"decryption") + u" of " +
                                  name + u" was completed from its complete copy.",
                              control::box::kInformation, MyApplicationName);
            if (nowContainer != decrypting) {
                st.CancelRequested = control::kFalse;
                return control::kTrue;  // what was asked is what that run did
            }
        }
        if (!sizeAllowed(frame_, file.inputSize(), MyApplicationName)) {
            return control::kFalse;
        }

        RewriteSource source(file);
        NewContentSink sink(file);
        engine::ContainerHeader header;
        std::optional<engine::Keystream> keys;
        if (decrypting) {
            engine::Result<engine::ContainerHeader> opened = engine::openContainer(source, MyPassword, &keys);
            if (!opened) {
                if (opened.status().code() == engine::ErrorCode::ReadFailed) {
                    return fail(platform::fromUtf8(opened.status().message()));
                }
                frame_.host().messageBox(u"Invalid Password!!!", control::box::kExclamation, MyApplicationName);
                return control::kFalse;  // nothing written, nothing changed
            }
            header = std::move(opened.value());
        } else {
            header = newContainerHeader(paths_.GetFileExt(InFileName), attributeWord(file),
                                                  file.inputSize());
            keys.emplace(MyPassword, header.Seed);
            if (const engine::Status started = engine::writeContainerStart(sink, header, *keys); !started) {
                return fail(platform::fromUtf8(started.message()));
            }
        }

        const engine::Status moved = transformForRun(frame_, file.inputSize(), source, sink, *keys);
        if (moved.code() == engine::ErrorCode::Cancelled || (moved && st.CancelRequested != control::kFalse)) {
            st.CancelRequested = control::kFalse;
            return control::kFalse;  // the temporary file goes with `file`; the input is as it was
        }
        if (!moved) {
            return fail(platform::fromUtf8(moved.message()));
        }

        st.BlocksDone = st.TotalBlocks;
        const bool readOnly = (header.PlainAttributes & control::eFILE_ATTRIBUTE_READONLY) != 0;
        file.commit(decrypting ? platform::decryptedMode(file.mode(), readOnly, platform::fileCreationMask())
                               : platform::encryptedMode(file.mode()));
        st.CancelRequested = control::kFalse;
        return control::kTrue;
    } catch (const platform::RewriteError& e) {
        switch (e.kind()) {
        case platform::RewriteError::Kind::kIo:
        case platform::RewriteError::Kind::kChanged:
            frame_.host().messageBox(failureText(e, name, decrypting),
                              e.kind() == platform::RewriteError::Kind::kChanged ? control::box::kExclamation : control::box::kCritical,
                              MyApplicationName);
            return control::kFalse;
        default:
            return control::kFalse;  // not found, not a regular file, or rewritten by another run right now: nothing touched
        }
    }
}

}  // namespace korbit::services

