// Text between the control's 16-bit characters and the operating system,
// which takes and gives UTF-8 bytes (paths, environment, mount table).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korbit::platform {

// What becomes of a surrogate without its partner: U+FFFD, or its own
// three-byte sequence, so that any 16-bit text survives a round trip through
// a file of ours.
enum class LoneSurrogates { kReplace, kKeep };

// UTF-8 of `text`.
std::string toUtf8(std::u16string_view text, LoneSurrogates lone = LoneSurrogates::kReplace);

// UTF-16 of `bytes`; every maximal invalid sequence becomes one U+FFFD.
std::u16string fromUtf8(std::string_view bytes);

// The UTF-8 path the operating system is asked about, or nothing when `path`
// holds a NUL character: no path can contain one, and cutting there would
// name a different file.
std::optional<std::string> toOsPath(std::u16string_view path);

// The same, empty when `path` names no path: a call that asks the system
// about "" gets that path's failure answer.
inline std::string osPathOrEmpty(std::u16string_view path) { return toOsPath(path).value_or(std::string()); }

}  // namespace korbit::platform
