// The first-generation routine: a plain file becomes a new container named
// after it with ".xje" (and the plain file goes); a ".xje" file becomes the
// plain file again under its stored extension. The outcome is told through
// the last message and, unless suppressed, through title-less boxes.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "korbit/control/korbit_control.h"
#include "korbit/control/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/windows1252.h"
#include "korbit/platform/file_rewrite.h"
#include "korbit/platform/text_case.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/block_loop.h"
#include "korbit/services/encryption_support.h"

namespace korbit::control {

namespace {

// The text after the last `delimiter`, searched case-sensitively from the
// end; the whole text when there is none (or "" when `emptyWhenMissing`).
Text TextAfterLast(const Text& text, char16_t delimiter, bool emptyWhenMissing) {
    const std::size_t at = text.rfind(delimiter);
    if (at == Text::npos) {
        return emptyWhenMissing ? Text() : text;
    }
    return text.substr(at + 1);
}

// The process's file creation mask (read by setting and restoring it).
unsigned creationMask() noexcept {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

}  // namespace

VBool KorbitControl::IsFileEncrypted(const Text& FileNameSTR) const {
    return toVBool(platform::toLowerCase(TextAfterLast(FileNameSTR, u'.', false)) == u"xje");
}

void KorbitControl::EncryptionRoutine(const Text& InFileName, const Text& MyPassword, VBool SuppressMSGBOX) {
    ControlState& st = state_;
    // A message is either shown (title-less, OK only) or kept for
    // GetEncryptRoutineMessage.
    const auto tell = [&](const Text& text, std::int32_t style) {
        if (SuppressMSGBOX != kFalse) {
            st.LastMessage = text;
        } else {
            host().messageBox(text, style, Text());
        }
    };
    if (st.OperationBusy != kFalse) {
        tell(u"OPERATION IS BUSY!!!", box::kCritical);
        return;
    }
    if (InFileName.empty()) {
        return;
    }
    st.LastMessage.clear();
    st.OperationBusy = kTrue;
    const services::RunEnd runEnd(st);
    if (FileExistQ(InFileName) == kFalse) {
        return;
    }
    if (IsDriveWritable(InFileName) == kFalse) {
        tell(u"Cannot write to Drive: " + GetDriveLetter(InFileName), box::kInformation);
        return;
    }
    const std::optional<std::string> path = platform::toOsPath(InFileName);
    if (!path) {
        return;
    }

    try {
        platform::FileRewrite input(*path, {});
        if (!services::sizeAllowed(*this, input.inputSize(), Text())) {
            return;
        }
        platform::makeOwnerWritable(*path);
        const bool decrypting = IsFileEncrypted(InFileName) != kFalse;
        engine::ContainerHeader header;
        Text outputName;
        if (decrypting) {
            services::RewriteSource source(input);
            engine::Result<engine::ContainerHeader> opened = engine::openContainer(source, MyPassword);
            if (!opened) {
                if (opened.status().code() == engine::ErrorCode::NotAContainer) {
                    tell(u"File has been Corrupted!!!", box::kExclamation);
                } else if (opened.status().code() == engine::ErrorCode::WrongPassword) {
                    tell(u"Invalid Password!!!", box::kExclamation);
                } else {
                    tell(u"Unable to Encrypt!!!", box::kInformation);
                }
                return;
            }
            header = std::move(opened.value());
            outputName = CutFileExt(InFileName) + engine::fromWindows1252(header.PlainExtension);
        } else {
            header.PlainExtension = engine::makePlainExtension(GetFileExt(InFileName));
            header.PlainAttributes = 0;
            header.Seed = engine::NewSeed(randomGenerator());
            outputName = CutFileExt(InFileName) + u".xje";
        }
        const std::optional<std::string> outputPath = platform::toOsPath(outputName);
        if (!outputPath || ::access(outputPath->c_str(), F_OK) == 0 || errno != ENOENT) {
            // Never over an existing file: it may be another file's container.
            tell(u"Unable to Encrypt!!! A file named " + outputName + u" exists already.", box::kInformation);
            return;
        }

        platform::NewFile output(*outputPath);
        const engine::Keystream keys(MyPassword, header.Seed);
        if (!decrypting) {
            output.write(engine::encodeHeader(header).value());
            const engine::BlockKey check = keys.passwordCheck();
            output.write(check);
        }
        st.TotalBlocks = services::totalBlocksFor(input.inputSize());
        st.BlocksDone = 0;
        const bool finished = services::runBlockLoop(
            *this, keys, [&](std::span<std::uint8_t> b) { return input.read(b); },
            [&](std::span<const std::uint8_t> b) { output.write(b); });
        if (!finished || st.CancelRequested != kFalse) {
            st.CancelRequested = kFalse;
            return;  // the partial output goes with `output`
        }
        const unsigned created = 0666U & ~creationMask();
        output.commit(decrypting ? created : platform::readOnlyMode(created));
        if (::unlink(path->c_str()) != 0) {
            tell(u"Unable to Encrypt!!!", box::kInformation);
            return;
        }
        st.BlocksDone = st.TotalBlocks;
        st.LastMessage = decrypting ? u"Decryption Complete!" : u"Encryption Complete!";
        st.CancelRequested = kFalse;
    } catch (const platform::RewriteError& e) {
        if (e.kind() == platform::RewriteError::Kind::kNotFound) {
            return;
        }
        tell(u"Unable to Encrypt!!!", box::kInformation);
    }
}

}  // namespace korbit::control
