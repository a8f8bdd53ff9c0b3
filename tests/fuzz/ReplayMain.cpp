//===- ReplayMain.cpp - Runs a fuzz target over its corpus, without libFuzzer ===//
//
// Every build but the fuzzing one links a fuzz target with this main: each
// file named on the command line, and each file in each folder named, goes
// once through LLVMFuzzerTestOneInput. So the suite replays the seeds and the
// reproducers of every fault found before, with any compiler, and the
// sanitizer build replays them under ASan and UBSan. A finding aborts.
//
//===----------------------------------------------------------------------===//
#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <locale>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  // As the tests run: under a comma-decimal locale, which nothing may depend on.
  if (const char* name = std::getenv("KR_TEST_LOCALE"); name != nullptr && std::setlocale(LC_ALL, name) != nullptr) {
    try {
      std::locale::global(std::locale(name));
    } catch (const std::exception&) {
    }
  }
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path named(argv[i]);
    if (std::filesystem::is_directory(named)) {
      for (const auto& entry : std::filesystem::directory_iterator(named)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else {
      inputs.push_back(named);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  for (const std::filesystem::path& input : inputs) {
    std::ifstream in(input, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s\n", input.c_str());
      return 2;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  return inputs.empty() ? 2 : 0;
}
