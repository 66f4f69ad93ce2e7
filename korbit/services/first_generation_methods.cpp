// The first-generation routine: a plain file becomes a new container named
// after it with ".xje" (and the plain file goes); a ".xje" file becomes the
// plain file again under its stored extension. The outcome is told through
// the last message and, unless suppressed, through title-less boxes.
#include <optional>

#include "korbit/services/encryption_methods.h"
#include "korbit/control/values/type_library.h"
#include "korbit/engine/container_stream.h"
#include "korbit/engine/keystream.h"
#include "korbit/engine/windows1252.h"
#include "korbit/platform/file_metadata.h"
#include "korbit/platform/file_rewrite.h"
#include "korbit/platform/text_case.h"
#include "korbit/platform/text_encoding.h"
#include "korbit/services/encryption_support.h"
#include "korbit/services/path_methods.h"

namespace korbit::services {

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

// The plain file's name from a container's stored extension, or nothing when
// the extension would take it out of the container's folder or make it name
// no file: it holds "/" or NUL, or leaves the name empty, "." or "..". Such a
// header was edited by hand or damaged.
std::optional<Text> plainFileName(const Text& withoutExtension, const Text& storedExtension) {
    if (storedExtension.find_first_of(std::u16string_view(u"/\0", 2)) != Text::npos) {
        return std::nullopt;
    }
    Text name = withoutExtension + storedExtension;
    const std::size_t slash = name.rfind(u'/');
    const std::u16string_view leaf = slash == Text::npos ? std::u16string_view(name)
                                                          : std::u16string_view(name).substr(slash + 1);
    if (leaf.empty() || leaf == u"." || leaf == u"..") {
        return std::nullopt;
    }
    return name;
}

}  // namespace

VBool EncryptionMethods::IsFileEncrypted(const Text& FileNameSTR) const {
    return control::toVBool(platform::toLowerCase(TextAfterLast(FileNameSTR, u'.', false)) == u"xje");
}

void EncryptionMethods::EncryptionRoutine(const Text& InFileName, const Text& MyPassword, VBool SuppressMSGBOX) {
    control::ControlState& st = frame_.state();
    // A message is either shown (title-less, OK only) or kept for
    // GetEncryptRoutineMessage.
    const auto tell = [&](const Text& text, std::int32_t style) {
        if (SuppressMSGBOX != control::kFalse) {
            st.LastMessage = text;
        } else {
            frame_.host().messageBox(text, style, Text());
        }
    };
    if (st.OperationBusy != control::kFalse) {
        tell(u"OPERATION IS BUSY!!!", control::box::kCritical);
        return;
    }
    if (InFileName.empty()) {
        return;
    }
    st.LastMessage.clear();
    st.OperationBusy = control::kTrue;
    const RunEnd runEnd(st);
    if (paths_.FileExistQ(InFileName) == control::kFalse) {
        return;
    }
    if (paths_.IsDriveWritable(InFileName) == control::kFalse) {
        tell(u"Cannot write to Drive: " + paths_.GetDriveLetter(InFileName), control::box::kInformation);
        return;
    }
    const std::optional<std::string> path = platform::toOsPath(InFileName);
    if (!path) {
        return;
    }

    // A failure of the files themselves: a plain file that went missing says
    // nothing; anything else is told.
    const auto failed = [&](const engine::Status& failure) {
        if (failure.code() != engine::ErrorCode::NotFound) {
            tell(u"Unable to Encrypt!!!", control::box::kInformation);
        }
    };
    engine::Result<std::unique_ptr<platform::FileRewrite>> opened = platform::FileRewrite::open(*path, {}, frame_.system());
    if (!opened) {
        return failed(opened.status());
    }
    platform::FileRewrite& input = *opened.value();  // opened and locked, only read
    if (!sizeAllowed(frame_, input.inputSize(), Text())) {
        return;
    }
    const bool decrypting = IsFileEncrypted(InFileName) != control::kFalse;
    RewriteSource source(input);
    engine::ContainerHeader header;
    std::optional<engine::Keystream> keys;
    Text outputName;
    if (decrypting) {
        engine::Result<engine::ContainerHeader> container = engine::openContainer(source, MyPassword, &keys);
        if (!container) {
            if (container.status().code() == engine::ErrorCode::NotAContainer) {
                tell(u"File has been Corrupted!!!", control::box::kExclamation);
            } else if (container.status().code() == engine::ErrorCode::WrongPassword) {
                tell(u"Invalid Password!!!", control::box::kExclamation);
            } else {
                tell(u"Unable to Encrypt!!!", control::box::kInformation);
            }
            return;
        }
        header = std::move(container).value();
        const std::optional<Text> plainName =
            plainFileName(paths_.CutFileExt(InFileName), engine::fromWindows1252(header.PlainExtension));
        if (!plainName) {
            tell(u"File has been Corrupted!!!", control::box::kExclamation);
            return;
        }
        outputName = *plainName;
    } else {
        header = newContainerHeader(paths_.GetFileExt(InFileName), 0, input.inputSize());
        keys.emplace(MyPassword, header.Seed);
        outputName = paths_.CutFileExt(InFileName) + u".xje";
    }
    const std::optional<std::string> outputPath = platform::toOsPath(outputName);
    if (!outputPath || platform::nameTaken(*outputPath)) {
        // Never over an existing file: it may be another file's container.
        tell(u"Unable to Encrypt!!! A file named " + outputName + u" exists already.", control::box::kInformation);
        return;
    }

    engine::Result<std::unique_ptr<platform::NewFile>> made = platform::NewFile::create(*outputPath);
    if (!made) {
        return failed(made.status());
    }
    platform::NewFile& output = *made.value();
    NewContentSink sink(output);
    if (!decrypting && !engine::writeContainerStart(sink, header, *keys)) {
        tell(u"Unable to Encrypt!!!", control::box::kInformation);
        return;
    }
    const engine::Status moved = transformForRun(frame_, input.inputSize(), source, sink, *keys);
    if (moved.code() == engine::ErrorCode::Cancelled) {
        st.CancelRequested = control::kFalse;
        return;  // the partial output goes with `output`
    }
    if (!moved) {
        tell(u"Unable to Encrypt!!!", control::box::kInformation);
        return;
    }
    // A new file gets what the creation mask gives any new file; a
    // container is read-only.
    const unsigned created = 0666U & ~platform::fileCreationMask();
    if (const engine::Status committed = output.commit(decrypting ? created : platform::encryptedMode(created));
        !committed) {
        return failed(committed);
    }
    if (const engine::Status removed = input.removeOriginal(); !removed) {
        return failed(removed);
    }
    st.BlocksDone = st.TotalBlocks;
    st.LastMessage = decrypting ? u"Decryption Complete!" : u"Encryption Complete!";
    st.CancelRequested = control::kFalse;
}

}  // namespace korbit::services
