// Loads one file through the document's own load, tests it and builds its
// map, as a first use of a file does, then prints the time taken and the
// process's peak memory.
//   firmware_load_once FILE

#include <sys/resource.h>

#include <chrono>
#include <cstdio>

#include "app/update_doc.h"
#include "firmware/mem_map.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: firmware_load_once FILE\n");
    return 64;
  }
  rusage before{};
  ::getrusage(RUSAGE_SELF, &before);
  const auto start = std::chrono::steady_clock::now();
  auto since = [](std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from).count();
  };
  COVUpdateDoc doc;
  if (!doc.OnOpenDocument(argv[1])) return 2;
  const double loadMs = since(start);
  const auto testStart = std::chrono::steady_clock::now();
  const bool passed = doc.TestHexFile(false);
  const double testMs = since(testStart);
  const auto mapStart = std::chrono::steady_clock::now();
  const bool mapped = doc.CreateMemMap(nullptr);
  const double mapMs = since(mapStart);
  const double ms = since(start);
  rusage after{};
  ::getrusage(RUSAGE_SELF, &after);
  int segments = 0;
  for (int s = 0; mapped && s < 256; ++s) segments += doc.GetMemMap()->HasSegment(static_cast<uint8_t>(s)) ? 1 : 0;
  auto cpuMs = [](const rusage& u) {
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
  };
  std::printf(
      "records %d, test %s, segments %d: %.1f ms (load %.1f, test %.1f, map %.1f; CPU %.1f), peak RSS %ld KiB (%ld KiB "
      "before the load)\n",
      doc.GetRecordCount(), passed ? "passed" : "FAILED", segments, ms, loadMs, testMs, mapMs, cpuMs(after) - cpuMs(before),
      after.ru_maxrss, before.ru_maxrss);
  return passed && mapped ? 0 : 1;
}
