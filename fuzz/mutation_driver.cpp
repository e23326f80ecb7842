// Runs a fuzz target without libFuzzer, deterministically: the seed files,
// then a fixed-seed sequence of mutated and random inputs made from them.
// Linked with each target for the tests (any compiler, any sanitizer).
//   <target>-mutations [--inputs N] [--seed S] FILE_OR_DIR...

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace {

// Texts that matter to the readers: record starts, header syntax, keys,
// device types with a second image, numbers at and over the limits.
const char* const kDictionary[] = {
    ":", "{", "}", "=", " = ", "\"", " ", "\n", "\r\n", "\t",
    "HardwareVersionRange", "HardwareVersionList", "FirmwareVersion", "AuxiliaryVersion", "DeviceType", "Display",
    "VJV", "ZZZ", "VWT", "J1 ", "AA", "A", "~~", "\x7f\x7f", "\xff", "0", "1", "20", "21", "-1", "99999999999",
    ":00000001FF", ":0200000400FFFB", ":020000021000EC", ":10FFF800", ":FF000000", "00000001", "FF",
};

// The standard engine, seeded: the same inputs on every machine and run.
class Random {
 public:
  explicit Random(uint64_t seed) : m_engine(seed) {}
  size_t Below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(m_engine() % n); }

 private:
  std::mt19937_64 m_engine;
};

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void Mutate(std::string& input, const std::vector<std::string>& seeds, Random& random) {
  const size_t at = random.Below(input.size() + 1);
  switch (random.Below(8)) {
    case 0:  // flip a bit
      if (!input.empty()) input[random.Below(input.size())] ^= static_cast<char>(1u << random.Below(8));
      break;
    case 1:  // any byte
      if (!input.empty()) input[random.Below(input.size())] = static_cast<char>(random.Below(256));
      break;
    case 2: {  // a dictionary text
      const std::string word = kDictionary[random.Below(std::size(kDictionary))];
      input.insert(at, word);
      break;
    }
    case 3:  // cut a piece
      input.erase(at, random.Below(64) + 1);
      break;
    case 4:  // repeat a piece
      if (at < input.size()) input.insert(at, input.substr(at, random.Below(128) + 1));
      break;
    case 5:  // end early, now and then: most such files fail before their records
      if (random.Below(3) == 0) input.resize(random.Below(input.size() + 1));
      break;
    case 6: {  // a piece of another seed
      const std::string& other = seeds[random.Below(seeds.size())];
      const size_t from = random.Below(other.size() + 1);
      input.insert(at, other.substr(from, random.Below(512) + 1));
      break;
    }
    default:  // a hexadecimal digit
      if (!input.empty()) input[random.Below(input.size())] = "0123456789ABCDEFabcdef"[random.Below(22)];
      break;
  }
}

std::string RandomText(Random& random) {
  static const std::string alphabet = "0123456789ABCDEF:{}=\" \n";
  std::string text(random.Below(600), '\0');
  for (char& c : text) c = random.Below(8) == 0 ? static_cast<char>(random.Below(256)) : alphabet[random.Below(alphabet.size())];
  return text;
}

void RunOne(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  long inputs = 3000;
  uint64_t seed = 1;
  std::vector<std::string> seeds;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--inputs" && i + 1 < argc) {
      inputs = std::strtol(argv[++i], nullptr, 10);
    } else if (arg == "--seed" && i + 1 < argc) {
      seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (std::filesystem::is_directory(arg)) {
      std::vector<std::filesystem::path> files;
      for (const auto& entry : std::filesystem::directory_iterator(arg))
        if (entry.is_regular_file()) files.push_back(entry.path());
      std::sort(files.begin(), files.end());  // the order must not depend on the directory
      for (const auto& file : files) seeds.push_back(ReadFile(file));
    } else if (std::filesystem::is_regular_file(arg)) {
      seeds.push_back(ReadFile(arg));
    } else {
      std::fprintf(stderr, "usage: %s [--inputs N] [--seed S] FILE_OR_DIR...\n", argv[0]);
      return 64;
    }
  }
  if (seeds.empty()) seeds.emplace_back();

  const auto start = std::chrono::steady_clock::now();
  for (const std::string& input : seeds) RunOne(input);
  Random random(seed);
  for (long n = 0; n < inputs; ++n) {
    std::string input = random.Below(10) == 0 ? RandomText(random) : seeds[random.Below(seeds.size())];
    const size_t mutations = 1 + random.Below(8);
    for (size_t m = 0; m < mutations; ++m) Mutate(input, seeds, random);
    RunOne(input);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%zu seeds and %ld mutated inputs in %.2f s, no failure\n", seeds.size(), inputs, seconds);
  return 0;
}
