// Replays a fuzz target's inputs without clang's fuzzer: every file named on
// the command line, and every regular file of every directory named there, is
// given to the target once, in name order. Used to run the seed corpus as an
// ordinary test.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputsOf(const std::filesystem::path& path) {
  if (!std::filesystem::is_directory(path)) return {path};
  std::vector<std::filesystem::path> inputs;
  for (const auto& entry : std::filesystem::directory_iterator(path)) {
    if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const std::filesystem::path& input : InputsOf(argv[i])) {
      // A path's own characters are wide on Windows: its name is printed
      // as narrow text there.
      const std::string name = input.string();
      std::ifstream file(input, std::ios::binary);
      if (!file) {
        std::fprintf(stderr, "cannot read %s\n", name.c_str());
        return 1;
      }
      const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
      std::fprintf(stderr, "%s\n", name.c_str());
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  // An empty corpus would test nothing: a missing or misnamed directory.
  return replayed > 0 ? 0 : 1;
}
