// A worker thread reports 20,000 frames through the main form's SetProgressPos,
// each with a text (so each logs a line), while the UI thread runs its event
// loop: the pace an upload can report at. Runs on the offscreen platform with a
// runtime folder of its own; the program's settings go to a file of the run.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <QEventLoop>
#include <filesystem>
#include <string>
#include <thread>

#include "app/app_update_app.h"
#include "app/update_doc.h"
#include "gui/qt_host.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/main_windows.h"
#include "ui/ovupdate_view.h"

namespace {

constexpr int kCalls = 20000;
COVUpdateView* g_view = nullptr;

void BM_WorkerSetProgressPos(benchmark::State& state) {
  const bool logWindowShown = state.range(0) != 0;
  int lost = 0;
  for (auto _ : state) {
    g_view->BeginProgress(0, kCalls, "Sending OVHex File...", 1);
    QEventLoop loop;
    std::thread worker([&] {
      for (int i = 0; i < kCalls; ++i)
        if (!g_view->SetProgressPos(i, "Block 1 Record " + std::to_string(i) + " Try 1")) ++lost;
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    g_view->EndProgress();
  }
  if (lost != 0) state.SkipWithError("a call found the run inactive");
  state.SetItemsProcessed(state.iterations() * kCalls);
  state.SetLabel(logWindowShown ? "log window shown" : "log window hidden");
}

}  // namespace

int main(int argc, char** argv) {
  std::string runtime = (std::filesystem::temp_directory_path() / "talvex-gui-bench-XXXXXX").string();
  if (::mkdtemp(runtime.data()) == nullptr) return 2;
  ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  int status = 0;
  {
    QApplication application(argc, argv);
    gui::QtHost host;
    platform::SetHost(&host);
    MainWindows windows;
    COVUpdateApp app(windows);
    app.SetSettingsPath(std::filesystem::path(runtime) / "settings.ini");
    if (!app.InitInstance()) return 1;
    g_view = dynamic_cast<COVUpdateView*>(app.GetView());

    benchmark::RegisterBenchmark("WorkerSetProgressPos/hidden_log", BM_WorkerSetProgressPos)
        ->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("WorkerSetProgressPos/shown_log", [&](benchmark::State& state) {
      app.GetFrame()->ExecuteCommand(res::ID_VIEW_STATUS_LOG);
      BM_WorkerSetProgressPos(state);
    })->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    platform::SetHost(nullptr);
  }
  std::error_code ignored;
  std::filesystem::remove_all(runtime, ignored);
  return status;
}
