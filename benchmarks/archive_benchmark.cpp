// Storing and loading a project block of 100,000 products, beside a plain
// memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_carts.h"
#include "framework/archive.h"

namespace mervane {
namespace {

constexpr size_t kProducts = 100000;

std::vector<uint8_t> StoreBlock(CartSettings& cart) {
  COstrelMemoryArchive stream;
  Archive ar(stream);
  cart.Serialize(ar);
  return stream.Bytes();
}

const std::vector<uint8_t>& Block() {
  static const std::vector<uint8_t> block = [] {
    CartSettings cart = bench::CartWithProducts(kProducts);
    return StoreBlock(cart);
  }();
  return block;
}

void BM_StoreBlock(benchmark::State& state) {
  CartSettings cart = bench::CartWithProducts(kProducts);
  for (auto _ : state) benchmark::DoNotOptimize(StoreBlock(cart));
  state.SetBytesProcessed(state.iterations() * Block().size());
}
BENCHMARK(BM_StoreBlock)->Unit(benchmark::kMillisecond);

void BM_LoadBlock(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    COstrelMemoryArchive stream(Block());
    state.ResumeTiming();
    Archive ar(stream);
    CartSettings cart;
    cart.Serialize(ar);
    benchmark::DoNotOptimize(cart.products.Size());
  }
  state.SetBytesProcessed(state.iterations() * Block().size());
}
BENCHMARK(BM_LoadBlock)->Unit(benchmark::kMillisecond);

void BM_MemcpyBlockSize(benchmark::State& state) {
  const std::vector<uint8_t>& block = Block();
  std::vector<uint8_t> copy(block.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), block.data(), block.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * block.size());
}
BENCHMARK(BM_MemcpyBlockSize)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mervane

BENCHMARK_MAIN();
