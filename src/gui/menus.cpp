#include "gui/menus.h"

#include <string>

namespace gui {

namespace mf = platform::menu_flag;

namespace {

constexpr const char* kCommandProperty = "talvexCommand";
constexpr const char* kRecentProperty = "talvexRecent";
// The placeholder of the recent-file list stands until the list has entries.
constexpr int kRecentSlots = 16;

QAction* AddCommand(QMenu& menu, QAction* before, const QString& text, int command) {
  auto* action = new QAction(text, &menu);
  action->setProperty(kCommandProperty, command);
  menu.insertAction(before, action);
  return action;
}

void ApplyState(QAction* action, const platform::CommandState& state) {
  action->setEnabled(state.enabled);
  action->setCheckable(state.checked);
  action->setChecked(state.checked);
}

// The recent-file entries take the placeholder's place, each with the text its update gives.
void UpdateRecentFiles(QMenu& menu, QAction* placeholder, platform::FrameWindow& frame) {
  for (QAction* action : menu.actions())
    if (action->property(kRecentProperty).toBool()) {
      menu.removeAction(action);
      action->deleteLater();
    }
  const int first = MenuCommand(placeholder);
  bool any = false;
  for (int slot = 0; slot < kRecentSlots; ++slot) {
    const platform::CommandState state = frame.QueryCommand(first + slot);
    if (!state.text) break;
    QAction* entry = AddCommand(menu, placeholder, QString::fromStdString(*state.text), first + slot);
    entry->setProperty(kRecentProperty, true);
    ApplyState(entry, state);
    any = true;
  }
  placeholder->setVisible(!any);
  placeholder->setEnabled(false);
}

void UpdateStates(QMenu& menu, platform::FrameWindow& frame) {
  for (QAction* action : menu.actions()) {
    const int command = MenuCommand(action);
    if (command == 0 || action->property(kRecentProperty).toBool()) continue;
    if (command == platform::cmd::kFileMruFirst) {
      UpdateRecentFiles(menu, action, frame);
      continue;
    }
    ApplyState(action, frame.QueryCommand(command));
  }
}

}  // namespace

QString MenuText(const char* text) { return QString::fromUtf8(text); }

int MenuCommand(const QAction* action) {
  const QVariant value = action->property(kCommandProperty);
  return value.isValid() ? value.toInt() : 0;
}

void FillMenu(QMenu& menu, std::span<const platform::MenuItem> items, platform::FrameWindow& frame) {
  for (const platform::MenuItem& item : items) {
    if ((item.flags & mf::kSeparator) != 0) {
      menu.addSeparator();
    } else if ((item.flags & mf::kPopup) != 0) {
      QMenu* sub = menu.addMenu(MenuText(item.text));
      FillMenu(*sub, item.popup, frame);
    } else {
      QAction* action = AddCommand(menu, nullptr, MenuText(item.text), item.command);
      action->setEnabled((item.flags & mf::kGrayed) == 0);
      action->setCheckable((item.flags & mf::kChecked) != 0);
      action->setChecked((item.flags & mf::kChecked) != 0);
    }
  }
  QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, &frame] { UpdateStates(menu, frame); });
  QObject::connect(&menu, &QMenu::hovered, &menu, [&frame](QAction* action) { frame.ShowPrompt(MenuCommand(action)); });
  QObject::connect(&menu, &QMenu::aboutToHide, &menu, [&frame] { frame.ShowIdleMessage(); });
}

}  // namespace gui
