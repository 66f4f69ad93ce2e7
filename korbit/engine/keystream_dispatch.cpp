// Which key-stream implementations this processor can run, fastest first.
#include <array>

#include "korbit/engine/keystream_implementations.h"

namespace korbit::engine::keylanes {

namespace {

struct Available {
    std::array<const Implementation*, 5> list{};
    std::size_t count = 0;
};

Available findAvailable() noexcept {
    Available found;
    for (const Implementation* impl : {avx512(), shaExtensions(), shaExtensionsSse(), avx2()}) {
        if (impl != nullptr) {
            found.list[found.count++] = impl;
        }
    }
    found.list[found.count++] = &portable();
    return found;
}

const Available& availableOnce() noexcept {
    static const Available found = findAvailable();
    return found;
}

}  // namespace

std::span<const Implementation* const> available() noexcept {
    const Available& found = availableOnce();
    return {found.list.data(), found.count};
}

const Implementation& active() noexcept { return *available().front(); }

}  // namespace korbit::engine::keylanes
