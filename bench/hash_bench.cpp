// Speed of RIPEMD-160: raw throughput on large buffers and the short digest
// that the deal stream computes for every candidate deal number.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "hash/digest.h"
#include "hash/hash_registry.h"
#include "hash/ripemd160.h"
#include "hash/string_format.h"

namespace {

using namespace quorvex;

std::vector<std::uint8_t> Pattern(std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 131 + 7);
    return bytes;
}

// Whole digests of one buffer per iteration, as `openssl speed` measures.
void BM_RipeMD160Buffer(benchmark::State& state) {
    const auto bytes = Pattern(static_cast<std::size_t>(state.range(0)));
    const HashClass ripemd160 = FindHashClass("THash_RipeMD160");
    for (auto _ : state) {
        benchmark::DoNotOptimize(DigestOfBuffer(ripemd160, bytes.data(), static_cast<int>(bytes.size()),
                                                nullptr, StringFormatCopy));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RipeMD160Buffer)->Arg(8192)->Arg(1 << 20);

// The compression function alone, one block per iteration.
void BM_RipeMD160Compress(benchmark::State& state) {
    const auto block = Pattern(64);
    std::uint32_t words[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    for (auto _ : state) {
        ripeMD160Compress(words, block.data());
        benchmark::DoNotOptimize(words);
    }
    state.SetBytesProcessed(state.iterations() * 64);
}
BENCHMARK(BM_RipeMD160Compress);

// One 47-byte digest through the registry class, as drawn per deal number.
void BM_DigestOfBuffer47(benchmark::State& state) {
    const auto bytes = Pattern(47);
    const HashClass ripemd160 = FindHashClass("THash_RipeMD160");
    for (auto _ : state) {
        benchmark::DoNotOptimize(DigestOfBuffer(ripemd160, bytes.data(), 47, nullptr, StringFormatCopy));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigestOfBuffer47);

}  // namespace
