#include "platform/window/command_target.h"

namespace platform {

bool CommandTarget::OnCommand(int id) {
  const auto it = m_commands.find(id);
  if (it == m_commands.end()) return false;
  // A copy: the handler may rebind its own entry.
  const auto handler = it->second;
  handler();
  return true;
}

bool CommandTarget::OnUpdateCommand(int id, CommandState& state) {
  const auto it = m_updates.find(id);
  if (it == m_updates.end()) return false;
  const auto handler = it->second;
  handler(state);
  return true;
}

void CommandTarget::BindCommandRange(int first, int last, std::function<void(int)> handler) {
  for (int id = first; id <= last; ++id) m_commands[id] = [handler, id] { handler(id); };
}

void CommandTarget::BindCommandUpdateRange(int first, int last, std::function<void(CommandState&)> handler) {
  for (int id = first; id <= last; ++id) m_updates[id] = handler;
}

}  // namespace platform
