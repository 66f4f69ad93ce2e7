// Throughput of the digest and of the per-block key path.
//
// One digest per 32-byte block is the format's own cost, so the digest rate
// of one-block messages bounds everything the engine can do:
//   BM_Sha256SingleBlock  digests of 55-byte messages (one compression each)
//   BM_Keystream          counter -> key text -> digest -> key -> XOR, over 64 MiB
// Each case runs with the implementation chosen for this processor and, as
// "/portable", with the portable one.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "korbit/engine/digest.h"
#include "korbit/engine/keystream.h"

namespace {

using korbit::engine::Keystream;
namespace sha256 = korbit::engine::sha256;

void sha256SingleBlock(benchmark::State& state, const sha256::Implementation& impl) {
    std::array<std::uint8_t, 55> message{};
    std::uint64_t counter = 0;
    for (auto _ : state) {
        message[0] = static_cast<std::uint8_t>(++counter);  // a different message each time
        benchmark::DoNotOptimize(sha256::digest(message, impl));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::string(impl.name));
}

void keystream(benchmark::State& state, const sha256::Implementation& impl) {
    std::vector<std::uint8_t> buffer(std::size_t{64} << 20, 0x5A);
    const Keystream keys(u"correct horse battery", 1234567, impl);
    for (auto _ : state) {
        keys.apply(buffer, 0);
        benchmark::ClobberMemory();
    }
    const auto blocks = static_cast<std::int64_t>(buffer.size() / 32);
    state.SetItemsProcessed(state.iterations() * blocks);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(buffer.size()));
    state.SetLabel(std::string(impl.name));
}

const bool registered = [] {
    benchmark::RegisterBenchmark("BM_Sha256SingleBlock", sha256SingleBlock, std::cref(sha256::active()));
    benchmark::RegisterBenchmark("BM_Sha256SingleBlock/portable", sha256SingleBlock, std::cref(sha256::portable()));
    benchmark::RegisterBenchmark("BM_Keystream", keystream, std::cref(sha256::active()))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Keystream/portable", keystream, std::cref(sha256::portable()))
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
