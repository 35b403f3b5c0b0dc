// Peak memory while loading a block of 100,000 products, against the
// block's size. Writes the block to a file, then loads it in a fresh process
// so that building the cart does not count.
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_carts.h"
#include "framework/archive.h"

namespace {

long PeakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

int Measure(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  const double blockMiB = bytes.size() / 1048576.0;
  COstrelMemoryArchive stream(std::move(bytes));
  const long before = PeakKiB();
  mervane::Archive ar(stream);
  mervane::CartSettings cart;
  cart.Serialize(ar);
  const double grownMiB = (PeakKiB() - before) / 1024.0;
  std::printf("block %.1f MiB, %zu products; peak grew by %.1f MiB while loading (%.2fx the block)\n",
              blockMiB, cart.products.Size(), grownMiB, grownMiB / blockMiB);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--measure") return Measure(argv[2]);
  mervane::CartSettings cart = mervane::bench::CartWithProducts(100000);
  COstrelMemoryArchive stream;
  mervane::Archive ar(stream);
  cart.Serialize(ar);
  std::string path = "/tmp/mervane_block_" + std::to_string(getpid());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(stream.Bytes().data()),
             static_cast<std::streamsize>(stream.Bytes().size()));
  std::string command = std::string(argv[0]) + " --measure " + path;
  int status = std::system(command.c_str());
  std::remove(path.c_str());
  return status == 0 ? 0 : 1;
}
