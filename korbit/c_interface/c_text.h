// Text between the C interface's UTF-8 bytes and the control's 16-bit
// characters, the way the hosts carry file names: a byte that is no UTF-8
// travels as U+DC80..U+DCFF and comes back as the same byte.
#pragma once

#include <string>
#include <string_view>

#include "korbit/control/values/value.h"

namespace korbit::c_interface {

// The 16-bit text of `bytes`: UTF-8 decoded, each byte that does not decode
// as its escape U+DC80..U+DCFF. NUL characters are kept.
control::Text textOf(std::string_view bytes);

// The bytes of `text`: UTF-8, each escape U+DC80..U+DCFF back as the byte it
// stands for, any other surrogate without its partner as U+FFFD. NUL
// characters are kept.
std::string bytesOf(std::u16string_view text);

}  // namespace korbit::c_interface
