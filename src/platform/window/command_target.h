#pragma once
// Command routing. A command (menu item, toolbar button, accelerator) goes
// along a route of command targets; the first with a handler takes it. Before
// a command is shown or sent, its state is asked for along the same route: an
// update handler decides it; without one, a command with a handler is enabled
// and a command without any is disabled.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct CommandState {
  int id = 0;
  bool enabled = false;
  bool checked = false;
  // Set by update handlers that give the item (or status pane) a text.
  std::optional<std::string> text;

  void Enable(bool on = true) { enabled = on; }
  void SetCheck(bool on = true) { checked = on; }
  void SetText(std::string value) { text = std::move(value); }
};

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;

  // Runs this target's handler of id. Returns false when it has none.
  virtual bool OnCommand(int id);
  // Runs this target's update handler of id into state. Returns false when it has none.
  virtual bool OnUpdateCommand(int id, CommandState& state);
  virtual bool HasCommandHandler(int id) const { return m_commands.count(id) != 0; }

 protected:
  void BindCommand(int id, std::function<void()> handler) { m_commands[id] = std::move(handler); }
  void BindCommandRange(int first, int last, std::function<void(int)> handler);
  void BindCommandUpdate(int id, std::function<void(CommandState&)> handler) { m_updates[id] = std::move(handler); }
  void BindCommandUpdateRange(int first, int last, std::function<void(CommandState&)> handler);

 private:
  std::map<int, std::function<void()>> m_commands;
  std::map<int, std::function<void(CommandState&)>> m_updates;
};

}  // namespace platform
