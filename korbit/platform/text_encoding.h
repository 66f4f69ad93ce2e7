// Text between the control's 16-bit characters and the operating system,
// which takes and gives bytes (paths, environment, mount table), UTF-8 where
// they are text.
//
// A file name is any bytes but "/" and NUL, and not every name is UTF-8. A
// byte that does not decode is carried as the lone surrogate U+DC80..U+DCFF
// whose low byte it is (0xE9 as U+DCE9, the convention Python calls
// "surrogateescape"), so fromUtf8 then toOsPath gives back the very bytes of
// every name. displayText shows such a byte to people as "\xE9".
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

// What becomes of bytes that are no UTF-8: each its own escape U+DC80..U+DCFF
// (names, and any text that may hold one), or each maximal invalid sequence
// one U+FFFD (text read as text: a password, whose key has always taken
// U+FFFD there, or a file's content).
enum class InvalidBytes { kEscape, kReplace };

// UTF-16 of `bytes`.
std::u16string fromUtf8(std::string_view bytes, InvalidBytes invalid = InvalidBytes::kEscape);

// The bytes the operating system is asked about: UTF-8, with every escaped
// byte back as it was. Nothing when `path` holds a NUL character or a lone
// surrogate that is no escaped byte: no name can hold either, and cutting or
// replacing there would name a different file.
std::optional<std::string> toOsPath(std::u16string_view path);

// `text` as people read it: every escaped byte as "\xE9" (as a shell's $'...'
// quoting reads it back), any other lone surrogate as U+FFFD.
std::u16string displayText(std::u16string_view text);

// The name or message `bytes` from the operating system as UTF-8 that people
// can read: toUtf8(displayText(fromUtf8(bytes))).
std::string displayUtf8(std::string_view bytes);

// The same, empty when `path` names no path: a call that asks the system
// about "" gets that path's failure answer.
inline std::string osPathOrEmpty(std::u16string_view path) { return toOsPath(path).value_or(std::string()); }

}  // namespace korbit::platform
