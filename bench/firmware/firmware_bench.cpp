// Load, test and map build of generated images, each step on its own and the
// three together as a file's first use takes them. The images are written
// into a temporary folder at start and removed at the end.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "app/update_doc.h"
#include "firmware/archive.h"
#include "firmware/mem_map.h"
#include "hex_writer.h"
#include "platform/app/headless_host.h"

namespace {

constexpr int64_t kKiB = 1024;

class Images {
 public:
  Images() {
    char pattern[] = "/tmp/talvex-bench-XXXXXX";
    if (::mkdtemp(pattern) == nullptr) std::abort();
    m_dir = pattern;
  }
  ~Images() { std::filesystem::remove_all(m_dir); }
  Images(const Images&) = delete;
  Images& operator=(const Images&) = delete;

  // The image of `bytes` bytes, written on first use.
  const std::string& Path(int64_t bytes) {
    auto found = m_paths.find(bytes);
    if (found != m_paths.end()) return found->second;
    const std::string path = m_dir + "/image-" + std::to_string(bytes / kKiB) + "k.hex";
    const std::string text = samples::MakeImage(static_cast<size_t>(bytes), 42);
    std::ofstream(path, std::ios::binary) << text;
    m_sizes[bytes] = static_cast<int64_t>(text.size());
    return m_paths.emplace(bytes, path).first->second;
  }
  int64_t TextSize(int64_t bytes) { return Path(bytes), m_sizes[bytes]; }

 private:
  std::string m_dir;
  std::map<int64_t, std::string> m_paths;
  std::map<int64_t, int64_t> m_sizes;
};

Images& TheImages() {
  static Images images;
  return images;
}

// A failed load or test would measure the wrong thing.
void Load(benchmark::State& state, COVUpdateDoc& doc, const std::string& path) {
  if (!doc.OnOpenDocument(path)) state.SkipWithError("the image did not load");
}

void Finish(benchmark::State& state, int64_t bytes) {
  state.SetBytesProcessed(state.iterations() * TheImages().TextSize(bytes));
  state.counters["text_MB"] = static_cast<double>(TheImages().TextSize(bytes)) / 1e6;
}

void BM_Load(benchmark::State& state) {
  const std::string& path = TheImages().Path(state.range(0));
  COVUpdateDoc doc;
  for (auto _ : state) Load(state, doc, path);
  state.counters["records"] = doc.GetRecordCount();
  Finish(state, state.range(0));
}

void BM_Test(benchmark::State& state) {
  COVUpdateDoc doc;
  Load(state, doc, TheImages().Path(state.range(0)));
  for (auto _ : state)
    if (!doc.TestHexFile(false)) state.SkipWithError("the image failed its test");
  Finish(state, state.range(0));
}

void BM_MapBuild(benchmark::State& state) {
  COVUpdateDoc doc;
  Load(state, doc, TheImages().Path(state.range(0)));
  for (auto _ : state) {
    OVMemMap map(doc.GetHexFile(), nullptr);
    benchmark::DoNotOptimize(map.m_nTopSeg);
  }
  Finish(state, state.range(0));
}

// A fresh document each time, as a run of the program has.
void BM_LoadTestMap(benchmark::State& state) {
  const std::string& path = TheImages().Path(state.range(0));
  for (auto _ : state) {
    COVUpdateDoc doc;
    Load(state, doc, path);
    if (!doc.TestHexFile(false) || !doc.CreateMemMap(nullptr)) state.SkipWithError("test or map failed");
  }
  Finish(state, state.range(0));
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(128 * kKiB)->Arg(1024 * kKiB)->Arg(16 * 1024 * kKiB)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Load)->Apply(Sizes);
BENCHMARK(BM_Test)->Apply(Sizes);
BENCHMARK(BM_MapBuild)->Apply(Sizes);
BENCHMARK(BM_LoadTestMap)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  // A load that fails shows its box through a host, not on the terminal.
  platform::HeadlessHost host;
  host.SetDefaultAnswer([](const platform::MessageBoxRequest&) { return platform::Answer::Ok; });
  platform::SetHost(&host);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
