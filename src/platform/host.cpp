#include "platform/host.h"

#include <atomic>
#include <cstdio>

namespace platform {

namespace {
std::atomic<Host*> g_host{nullptr};
}

Host* GetHost() { return g_host.load(); }
void SetHost(Host* host) { g_host.store(host); }

Answer MessageBox(const std::string& text, Buttons buttons, Icon icon, DefaultButton defaultButton) {
  MessageBoxRequest request;
  request.text = text;
  request.buttons = buttons;
  request.icon = icon == Icon::Default ? Icon::Warning : icon;
  request.defaultButton = defaultButton;
  if (Host* host = GetHost()) return host->ShowMessageBox(request);
  std::fprintf(stderr, "%s\n", text.c_str());
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

}  // namespace platform
