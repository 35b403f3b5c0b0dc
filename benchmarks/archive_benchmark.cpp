// Storing and loading a project block of 100,000 products, beside a plain
// memcpy of the same number of bytes into a buffer that is already in use.
// Storing runs twice: into a fresh memory archive, whose growth the stand-in
// host pays for, and into a buffer kept between runs like the memcpy's.
// Loading builds a new cart each run; its destruction is not timed. Beside
// it, a copy of the same catalogue, as the properties dialog makes one: the
// same records built from texts already in memory, with no archive at all.
#include <benchmark/benchmark.h>

#include <cstring>
#include <optional>
#include <vector>

#include "bench_carts.h"
#include "framework/archive.h"

namespace mervane {
namespace {

constexpr size_t kProducts = 100000;

// A storing archive that appends to a buffer its owner keeps between runs.
class ReusedBufferArchive : public COstrelArchive {
 public:
  explicit ReusedBufferArchive(std::vector<uint8_t>& bytes)
      : COstrelArchive(true), bytes_(bytes) {
    bytes_.clear();
  }
  uint32_t Read(void*, uint32_t) override { return 0; }
  void Write(const void* data, uint32_t size) override {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  uint64_t BytesLeft() const override { return 0; }

 private:
  std::vector<uint8_t>& bytes_;
};

const std::vector<uint8_t>& Block() {
  static const std::vector<uint8_t> block = [] {
    CartSettings cart = bench::CartWithProducts(kProducts);
    COstrelMemoryArchive stream;
    Archive ar(stream);
    cart.Serialize(ar);
    return stream.Bytes();
  }();
  return block;
}

void BM_StoreBlock(benchmark::State& state) {
  CartSettings cart = bench::CartWithProducts(kProducts);
  for (auto _ : state) {
    COstrelMemoryArchive stream;
    Archive ar(stream);
    cart.Serialize(ar);
    benchmark::DoNotOptimize(stream.Bytes().data());
  }
  state.SetBytesProcessed(state.iterations() * Block().size());
}
BENCHMARK(BM_StoreBlock)->Unit(benchmark::kMillisecond);

void BM_StoreBlockReusedBuffer(benchmark::State& state) {
  CartSettings cart = bench::CartWithProducts(kProducts);
  std::vector<uint8_t> bytes(Block().size());
  for (auto _ : state) {
    ReusedBufferArchive stream(bytes);
    Archive ar(stream);
    cart.Serialize(ar);
    benchmark::DoNotOptimize(bytes.data());
    benchmark::ClobberMemory();
  }
  if (bytes != Block()) state.SkipWithError("stored bytes differ");
  state.SetBytesProcessed(state.iterations() * Block().size());
}
BENCHMARK(BM_StoreBlockReusedBuffer)->Unit(benchmark::kMillisecond);

void BM_LoadBlock(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<COstrelMemoryArchive> stream(Block());
    std::optional<CartSettings> cart(std::in_place);
    state.ResumeTiming();
    Archive ar(*stream);
    cart->Serialize(ar);
    benchmark::DoNotOptimize(cart->products.Size());
    state.PauseTiming();
    if (stream->BytesLeft() != 0) state.SkipWithError("block not read to its end");
    cart.reset();
    stream.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * Block().size());
}
BENCHMARK(BM_LoadBlock)->Unit(benchmark::kMillisecond);

void BM_CopyProducts(benchmark::State& state) {
  const ProductList source = bench::CartWithProducts(kProducts).products;
  for (auto _ : state) {
    std::optional<ProductList> copy(source);
    benchmark::DoNotOptimize((*copy)[kProducts - 1].name.data());
    state.PauseTiming();
    copy.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * Block().size());
}
BENCHMARK(BM_CopyProducts)->Unit(benchmark::kMillisecond);

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
