#include "korbit/platform/secure_random.h"

#include <sys/random.h>

#include <cerrno>
#include <cstring>
#include <random>

namespace korbit::platform {

std::uint32_t randomWord() {
    std::uint32_t word = 0;
    auto* bytes = reinterpret_cast<unsigned char*>(&word);
    std::size_t got = 0;
    while (got < sizeof word) {
        const ssize_t n = ::getrandom(bytes + got, sizeof word - got, 0);
        if (n > 0) {
            got += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EINTR) {
            // A kernel without getrandom: the standard library's device
            // reads the same source through /dev/urandom.
            static std::random_device device("/dev/urandom");
            return device();
        }
    }
    return word;
}

}  // namespace korbit::platform
