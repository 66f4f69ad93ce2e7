// Random words from the operating system's random source, for what must not
// be guessable: the seeds of containers, the names of temporary files.
#pragma once

#include <cstdint>

namespace korbit::platform {

// A uniformly random 32-bit word from the kernel's random source. Never
// blocks once the system has booted.
std::uint32_t randomWord();

}  // namespace korbit::platform
