// The key-stream implementations, one file per instruction set: portable
// (any processor), SHA extensions (with AVX encodings, and with SSE ones for
// processors without AVX), AVX2 and AVX-512. Each has a kernel for runs
// (keystream_runs.h), one instance per layout of the digits, and a general
// kernel for every other counter (keystream_lanes.h). keystream_dispatch.cpp
// lists the ones this processor can run, fastest first; the first is chosen
// once and used by every key stream, and each stays reachable by name for
// tests and benchmarks.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "korbit/engine/keystream_lanes.h"
#include "korbit/engine/keystream_runs.h"

namespace korbit::engine::keylanes {

struct Implementation {
    std::string_view name;  // "avx512", "sha-extensions", "sha-extensions-sse", "avx2", "portable"
    MakeKeysFn makeKeys;    // any counters of one digit count
    std::size_t runLanes;   // keys per batch of runKeys
    RunKeysFn runKeys;      // whole batches of a run
};

// Always available.
const Implementation& portable() noexcept;
// nullptr when this build or this processor has none.
const Implementation* shaExtensions() noexcept;     // needs AVX2 besides
const Implementation* shaExtensionsSse() noexcept;  // the same kernels, SSE encodings only
const Implementation* avx2() noexcept;
const Implementation* avx512() noexcept;

// Those this processor can run, fastest first: AVX-512, then the SHA
// extensions, which beat eight AVX2 lanes by far (about 50 against 27
// million keys a second on one core of the machine they were measured on),
// then AVX2; portable is always the last.
std::span<const Implementation* const> available() noexcept;

// The first of available(): what key streams use unless told otherwise.
const Implementation& active() noexcept;

}  // namespace korbit::engine::keylanes
