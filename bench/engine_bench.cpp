// Throughput of the digest and of the key stream.
//
// One digest per 32-byte block is the format's own cost:
//   BM_Sha256SingleBlock        digests of 55-byte messages (one compression each),
//                               with the processor's digest and, as "/portable", the portable one
//   BM_Keys/<impl>              keys only, no XOR: the keys of a 1 GiB file's blocks from block 0, made
//                               on one core into a buffer the size of the transform's chunk, by each
//                               key-stream implementation this processor has (what the keystream
//                               prototype's compare.sh sets beside its own figures)
//   BM_Keys/both-cores          the same keys through KeyAhead, the shipped implementation: its producer
//                               thread and the calling thread both make keys, chunk by chunk
//   BM_Keystream/<impl>         keys made and XORed over 64 MiB on one core, chunk by chunk, by each
//                               key-stream implementation this processor has; the label marks the
//                               shipped one
//   BM_Keystream/both-cores     the shipped implementation through KeyAhead: its producer thread
//                               and the calling thread make keys, the calling thread XORs 64 MiB
//                               chunk by chunk, as the container transform does
//   BM_Transform                the container transform with a callback stepping block by block,
//                               as the control runs it
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "korbit/engine/container_stream.h"
#include "korbit/engine/digest.h"
#include "korbit/engine/key_ahead.h"
#include "korbit/engine/keystream.h"

namespace {

using korbit::engine::BlockKey;
using korbit::engine::ChunkSteps;
using korbit::engine::MemorySource;
using korbit::engine::TransformOptions;
using korbit::engine::KeyAhead;
using korbit::engine::Keystream;
namespace keylanes = korbit::engine::keylanes;
namespace sha256 = korbit::engine::sha256;

constexpr std::size_t kDataBytes = std::size_t{64} << 20;
constexpr std::uint64_t kKeyBlocks = std::uint64_t{1} << 25;  // the blocks of a 1 GiB file
const std::size_t kChunkBlocks = TransformOptions{}.chunkBytes / 32;  // the transform's own chunk
constexpr char16_t kPassword[] = u"correct horse battery";
constexpr std::int32_t kSeed = 1234567;

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

// Takes the transformed bytes and forgets them.
class NullSink final : public korbit::engine::ByteSink {
public:
    korbit::engine::Status write(std::span<const std::uint8_t> bytes) override {
        benchmark::DoNotOptimize(bytes.data());
        return korbit::engine::Status::ok();
    }
};

void countBytes(benchmark::State& state, std::size_t bytes) {
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(bytes / 32));  // keys
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}

std::string implementationLabel(const keylanes::Implementation& impl, const char* cores) {
    const bool shipped = &impl == &keylanes::active();
    return std::string(impl.name) + (shipped ? " (shipped), " : ", ") + cores;
}

void keysOneCore(benchmark::State& state, const keylanes::Implementation& impl) {
    std::vector<BlockKey> chunk(kChunkBlocks);
    const Keystream keys(kPassword, kSeed, impl);
    for (auto _ : state) {
        for (std::uint64_t first = 0; first < kKeyBlocks; first += chunk.size()) {
            keys.fillKeys(first, chunk);
            benchmark::DoNotOptimize(chunk.data());
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kKeyBlocks));
    state.SetLabel(implementationLabel(impl, "one core"));
}

void keysBothCores(benchmark::State& state) {
    const Keystream keys(kPassword, kSeed);
    bool threaded = false;
    for (auto _ : state) {
        KeyAhead ahead(keys, kChunkBlocks, {.endBlock = kKeyBlocks});
        threaded = ahead.threaded();
        for (std::span<const BlockKey> chunk = ahead.next(); !chunk.empty(); chunk = ahead.next()) {
            benchmark::DoNotOptimize(chunk.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kKeyBlocks));
    state.SetLabel(implementationLabel(keys.implementation(), threaded ? "both cores" : "no second core: one core"));
}

void keystreamOneCore(benchmark::State& state, const keylanes::Implementation& impl) {
    std::vector<std::uint8_t> buffer(kDataBytes, 0x5A);
    const Keystream keys(kPassword, kSeed, impl);
    for (auto _ : state) {
        KeyAhead ahead(keys, kChunkBlocks, {.endBlock = buffer.size() / 32, .useThread = false});
        for (std::size_t at = 0; at < buffer.size(); at += kChunkBlocks * 32) {
            ChunkSteps(std::span(buffer).subspan(at, kChunkBlocks * 32), ahead.next()).transformRest();
        }
        benchmark::ClobberMemory();
    }
    countBytes(state, buffer.size());
    state.SetLabel(implementationLabel(impl, "one core"));
}

void keystreamBothCores(benchmark::State& state) {
    std::vector<std::uint8_t> buffer(kDataBytes, 0x5A);
    const Keystream keys(kPassword, kSeed);
    bool threaded = false;
    for (auto _ : state) {
        KeyAhead ahead(keys, kChunkBlocks, {.endBlock = buffer.size() / 32});
        threaded = ahead.threaded();
        std::size_t at = 0;
        for (std::span<const BlockKey> chunk = ahead.next(); !chunk.empty(); chunk = ahead.next()) {
            for (const BlockKey& key : chunk) {
                Keystream::xorBlock(std::span(buffer).subspan(at, 32), key);
                at += 32;
            }
        }
        benchmark::ClobberMemory();
    }
    countBytes(state, buffer.size());
    state.SetLabel(std::string(keys.implementation().name) +
                   (threaded ? " (shipped), both cores" : " (shipped), no second core: one core"));
}

// The whole transform as the control runs it, without the files: a chunk
// callback that steps block by block (a counter, a flag test and two calls
// through an interface between blocks, as the host's hooks are), keys made
// ahead on the second core.
class Hooks {
public:
    virtual ~Hooks() = default;
    virtual bool inputPending() = 0;
    virtual void pumpEvents() = 0;
};

class QuietHooks final : public Hooks {
public:
    bool inputPending() override { return false; }
    void pumpEvents() override { ++pumps_; }
    std::uint64_t pumps_ = 0;
};

void transformAsShipped(benchmark::State& state) {
    const std::vector<std::uint8_t> plain(kDataBytes, 0x5A);
    const Keystream keys(kPassword, kSeed);
    QuietHooks quiet;
    Hooks& hooks = quiet;
    std::uint64_t done = 0;
    volatile short cancel = 0;
    TransformOptions options;
    options.expectedBytes = plain.size();
    options.eachChunk = [&](ChunkSteps& chunk) {
        while (!chunk.atEnd()) {
            if (hooks.inputPending()) {
                continue;
            }
            chunk.transformNext();
            ++done;
            if (cancel != 0) {
                return false;
            }
            hooks.pumpEvents();
        }
        return true;
    };
    for (auto _ : state) {
        MemorySource source(plain);
        NullSink sink;
        benchmark::DoNotOptimize(transformBlocks(source, sink, keys, options));
    }
    countBytes(state, plain.size());
    state.SetLabel(std::string(keys.implementation().name) + ", the transform as shipped, keys ahead on the second core");
}

const bool registered = [] {
    benchmark::RegisterBenchmark("BM_Sha256SingleBlock", sha256SingleBlock, std::cref(sha256::active()));
    benchmark::RegisterBenchmark("BM_Sha256SingleBlock/portable", sha256SingleBlock, std::cref(sha256::portable()));
    for (const keylanes::Implementation* impl : keylanes::available()) {
        // Wall-clock time, as the prototype measures.
        benchmark::RegisterBenchmark(("BM_Keys/" + std::string(impl->name)).c_str(), keysOneCore, std::cref(*impl))
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark("BM_Keys/both-cores", keysBothCores)->Unit(benchmark::kMillisecond)->UseRealTime();
    for (const keylanes::Implementation* impl : keylanes::available()) {
        benchmark::RegisterBenchmark(("BM_Keystream/" + std::string(impl->name)).c_str(), keystreamOneCore,
                                     std::cref(*impl))
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_Keystream/both-cores", keystreamBothCores)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("BM_Transform", transformAsShipped)->Unit(benchmark::kMillisecond)->UseRealTime();
    return true;
}();

}  // namespace
