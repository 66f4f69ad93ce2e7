// The second-generation encryption routine: a file is encrypted or decrypted
// in place, keeping its name. Plus the progress method both generations share.
#include "korbit/services/encryption_methods.h"

#include <algorithm>
#include <optional>

#include "korbit/control/frame/failure_status.h"
#include "korbit/control/values/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/keystream.h"
#include "korbit/platform/file_metadata.h"
#include "korbit/platform/file_rewrite.h"
#include "korbit/platform/regular_file.h"
#include "korbit/platform/rewrite_check.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/encryption_support.h"
#include "korbit/services/path_methods.h"

namespace korbit::services {

VBool EncryptionMethods::IsFileEncrypted2(const Text& FileNameSTR) {
    const std::optional<std::string> path = platform::toOsPath(FileNameSTR);
    if (!path) {
        throw control::AutomationError::fileNotFound();
    }
    std::uint8_t magic[4] = {};
    const engine::Result<std::size_t> got = platform::readFileStart(*path, magic);
    if (!got) {
        if (got.status().code() == engine::ErrorCode::NotAFile) {
            return control::kFalse;  // folders, pipes and devices are no containers
        }
        // A file that cannot be read is "not found" unless the user may not read it.
        throw got.status().code() == engine::ErrorCode::AccessDenied
            ? control::automationErrorOf(got.status())
            : control::AutomationError::fileNotFound();
    }
    return control::toVBool(engine::hasContainerMagic(std::span(magic, got.value())));
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
Text failureText(const engine::Status& failure, const Text& name, bool decrypting) {
    if (failure.code() == engine::ErrorCode::Changed) {
        return name + (decrypting ? u" changed while it was being decrypted; nothing was replaced."
                                  : u" changed while it was being encrypted; nothing was replaced.");
    }
    return platform::fromUtf8(failure.message());
}

}  // namespace

VBool EncryptionMethods::EncryptionRoutine2(const Text& InFileName, const Text& MyPassword,
                                            const Text& MyApplicationName) {
    control::ControlState& st = frame_.state();
    control::Host& host = frame_.host();
    if (st.OperationBusy != control::kFalse || InFileName.empty() || paths_.FileExistQ(InFileName) == control::kFalse) {
        return control::kFalse;
    }
    if (paths_.IsDriveWritable(InFileName) == control::kFalse) {
        host.messageBox(u"Cannot write to Drive: " + paths_.GetDriveLetter(InFileName), control::box::kInformation,
                        MyApplicationName);
        return control::kFalse;
    }
    const std::optional<std::string> path = platform::toOsPath(InFileName);
    if (!path) {
        return control::kFalse;
    }
    const std::string fallback = fallbackFolder(paths_);
    // A run that cannot succeed is refused before it starts, and says why.
    if (const engine::Status refused = platform::checkRewritable(*path, !fallback.empty()); !refused) {
        host.messageBox(platform::fromUtf8(refused.message()), control::box::kExclamation, MyApplicationName);
        return control::kFalse;
    }

    st.OperationBusy = control::kTrue;
    const RunEnd runEnd(st);  // every way out leaves the control idle
    const Text name = paths_.GetFileName(InFileName);
    bool decrypting = false;
    const auto fail = [&](const Text& text) {
        host.messageBox(text, control::box::kCritical, MyApplicationName);
        return control::kFalse;
    };
    // A failure of the file itself: told when reading, writing or replacing
    // failed or the file changed; a file that is not there, is no regular
    // file or is being rewritten by another run right now was not touched.
    const auto failed = [&](const engine::Status& failure) {
        if (failure.code() == engine::ErrorCode::IoFailed || failure.code() == engine::ErrorCode::Changed) {
            host.messageBox(failureText(failure, name, decrypting),
                            failure.code() == engine::ErrorCode::Changed ? control::box::kExclamation
                                                                         : control::box::kCritical,
                            MyApplicationName);
        }
        return control::kFalse;
    };

    engine::Result<std::unique_ptr<platform::FileRewrite>> opened =
        platform::FileRewrite::open(*path, fallback, frame_.system());
    if (!opened) {
        return failed(opened.status());
    }
    platform::FileRewrite& file = *opened.value();
    for (const std::string& removed : file.removedTemporaries()) {
        host.messageBox(u"An unfinished temporary file that an earlier run of " + name + u" left behind was removed: " +
                            platform::fromUtf8(removed),
                        control::box::kInformation, MyApplicationName);
    }
    const engine::Result<bool> completed = file.completeInterrupted();
    for (const std::string& notice : file.notices()) {
        host.messageBox(platform::fromUtf8(notice), control::box::kExclamation, MyApplicationName);
    }
    if (!completed) {
        return failed(completed.status());
    }
    if (completed.value()) {
        // An earlier run was stopped while it copied its complete result into
        // the file. That result, now in place, is what this call did: what
        // the half-written file looked like said nothing about what its user
        // wants next.
        const engine::Result<bool> nowContainer = startsWithSignature(file);
        if (!nowContainer) {
            return failed(nowContainer.status());
        }
        host.messageBox(u"An interrupted " + Text(nowContainer.value() ? u"encryption" : u"decryption") + u" of " +
                            name + u" was completed from its complete copy.",
                        control::box::kInformation, MyApplicationName);
        st.CancelRequested = control::kFalse;
        return control::kTrue;
    }
    const engine::Result<bool> signature = startsWithSignature(file);
    if (!signature) {
        return failed(signature.status());
    }
    decrypting = signature.value();
    if (!sizeAllowed(frame_, file.inputSize(), MyApplicationName)) {
        return control::kFalse;
    }

    RewriteSource source(file);
    NewContentSink sink(file);
    engine::ContainerHeader header;
    std::optional<engine::Keystream> keys;
    if (decrypting) {
        engine::Result<engine::ContainerHeader> container = engine::openContainer(source, MyPassword, &keys);
        if (!container) {
            if (container.status().code() == engine::ErrorCode::ReadFailed) {
                return fail(platform::fromUtf8(container.status().message()));
            }
            host.messageBox(u"Invalid Password!!!", control::box::kExclamation, MyApplicationName);
            return control::kFalse;  // nothing written, nothing changed
        }
        header = std::move(container).value();
    } else {
        header = newContainerHeader(paths_.GetFileExt(InFileName), attributeWord(file), file.inputSize());
        keys.emplace(MyPassword, header.Seed);
        if (const engine::Status started = engine::writeContainerStart(sink, header, *keys); !started) {
            return fail(platform::fromUtf8(started.message()));
        }
    }

    const engine::Status moved = transformForRun(frame_, file.inputSize(), source, sink, *keys);
    if (moved.code() == engine::ErrorCode::Cancelled) {
        st.CancelRequested = control::kFalse;
        return control::kFalse;  // the temporary file goes with `file`; the input is as it was
    }
    if (!moved) {
        return fail(platform::fromUtf8(moved.message()));
    }

    st.BlocksDone = st.TotalBlocks;
    const bool readOnly = (header.PlainAttributes & control::eFILE_ATTRIBUTE_READONLY) != 0;
    if (const engine::Status committed =
            file.commit(decrypting ? platform::decryptedMode(file.mode(), readOnly, platform::fileCreationMask())
                                   : platform::encryptedMode(file.mode()));
        !committed) {
        return failed(committed);
    }
    st.CancelRequested = control::kFalse;
    return control::kTrue;
}

}  // namespace korbit::services
