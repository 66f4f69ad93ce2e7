// Feeds arbitrary bytes to the container reader: header, password check and,
// when the check happens to pass, the data. The first input byte splits the
// rest into a password and a container, so the fuzzer can find matching pairs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "korbit/engine/container_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korbit::engine;
    if (size == 0) {
        return 0;
    }
    const std::size_t passwordLength = std::min<std::size_t>(data[0] % 16, size - 1);
    const std::u16string password(data + 1, data + 1 + passwordLength);
    const std::span<const std::uint8_t> container(data + 1 + passwordLength, size - 1 - passwordLength);

    MemorySource source(container);
    MemorySink sink;
    // Small chunks, so that short inputs cross chunk ends; keys made on this
    // thread, so that a run depends on its input alone.
    TransformOptions options;
    options.chunkBytes = 64;
    options.keysAhead = false;
    const Result<ContainerHeader> read = readContainer(source, sink, password, options);
    if (read) {
        // A container that opened must give back exactly its data part.
        const std::size_t dataStart = read->encodedSize() + kPasswordCheckBytes;
        if (sink.bytes().size() != container.size() - dataStart) {
            __builtin_trap();
        }
    } else if (!sink.bytes().empty()) {
        __builtin_trap();  // nothing may be written for a refused container
    }
    // The header alone must decode the same way the stream reader saw it.
    const Result<ContainerHeader> header = decodeHeader(container);
    if (read && !(header && header.value() == read.value())) {
        __builtin_trap();
    }
    return 0;
}
