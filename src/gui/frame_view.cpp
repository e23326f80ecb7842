#include "gui/frame_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>

#include "gui/images.h"
#include "gui/keys.h"
#include "gui/menus.h"
#include "gui/paint_throttle.h"
#include "gui/window_view.h"

namespace gui {

namespace {

constexpr int kIdleIntervalMs = 33;
constexpr const char* kToolCommandProperty = "talvexToolCommand";

QString FromModel(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The form's natural size is the size of the client area; larger frames leave the rest empty.
class ClientArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    return widget() != nullptr ? widget()->size() + QSize(2 * frameWidth(), 2 * frameWidth()) : QScrollArea::sizeHint();
  }
};

}  // namespace

FrameView::FrameView(platform::FrameWindow& frame) : m_frame(frame) {
  setWindowIcon(ProgramIcon(0));
  setWindowTitle(FromModel(frame.GetWindowText()));
  setAcceptDrops(true);
  new PaintThrottle(*this);
  BuildMenuBar();
  BuildToolBar();
  BuildStatusBar();
  auto* client = new ClientArea(this);
  client->setFrameShape(QFrame::NoFrame);
  client->setWidgetResizable(false);
  client->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  m_pClient = client;
  if (platform::Window* view = frame.GetView()) {
    m_pForm = new FormWidget(*view, client);
    client->setWidget(m_pForm);
  }
  setCentralWidget(client);
  frame.SetObserver(this);
  SyncToolBar();
  SyncStatusBar();
  m_pToolBar->setVisible(frame.IsToolBarVisible());
  statusBar()->setVisible(frame.IsStatusBarVisible());
  FitToForm();
  QObject::connect(&m_idleTimer, &QTimer::timeout, this, [this] { m_frame.OnIdle(); });
  m_idleTimer.start(kIdleIntervalMs);
  // Accelerators are the frame's before any of its widgets sees the key.
  qApp->installEventFilter(this);
}

FrameView::~FrameView() { Detach(); }

void FrameView::Detach() {
  if (m_bDetached) return;
  m_bDetached = true;
  m_idleTimer.stop();
  qApp->removeEventFilter(this);
  if (m_frame.Observer() == this) m_frame.SetObserver(nullptr);
  ReleaseForm();
  menuBar()->clear();
  for (QAction* action : m_toolActions)
    if (action != nullptr) QObject::disconnect(action, nullptr, this, nullptr);
}

void FrameView::ReleaseForm() {
  if (m_pForm == nullptr) return;
  m_pForm->View().Detach();
  m_pClient->takeWidget();
  m_pForm->hide();
  m_pForm->deleteLater();
  m_pForm = nullptr;
}

void FrameView::BuildMenuBar() {
  const platform::MenuResource* menu = m_frame.Menu();
  if (menu == nullptr) return;
  for (const platform::MenuItem& item : menu->items) {
    if ((item.flags & platform::menu_flag::kPopup) == 0) continue;
    QMenu* popup = menuBar()->addMenu(MenuText(item.text));
    FillMenu(*popup, item.popup, m_frame);
  }
  QObject::connect(menuBar(), &QMenuBar::triggered, this, [this](QAction* action) {
    if (const int command = MenuCommand(action)) m_frame.ExecuteCommand(command);
  });
}

void FrameView::BuildToolBar() {
  m_pToolBar = addToolBar(QString());
  m_pToolBar->setObjectName(QStringLiteral("toolbar"));
  const platform::ToolbarResource* source = m_frame.ToolbarSource();
  if (source != nullptr) m_pToolBar->setIconSize(QSize(source->buttonWidth, source->buttonHeight));
  for (const platform::ToolBarButton& button : m_frame.ToolBarButtons()) {
    if (button.command == 0) {
      m_pToolBar->addSeparator();
      m_toolActions.push_back(nullptr);
      continue;
    }
    const int command = button.command;
    QAction* action = m_pToolBar->addAction(ToolbarIcon(command), FromModel(m_frame.CommandToolTip(command)));
    QObject::connect(action, &QAction::triggered, this, [this, command] { m_frame.ExecuteCommand(command); });
    if (QWidget* widget = m_pToolBar->widgetForAction(action)) {
      widget->setProperty(kToolCommandProperty, command);
      widget->installEventFilter(this);
    }
    m_toolActions.push_back(action);
  }
}

void FrameView::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  for (const platform::StatusPane& pane : m_frame.StatusPanes()) {
    auto* label = new QLabel(bar);
    label->setTextFormat(Qt::PlainText);
    if (pane.id == 0) {
      label->setIndent(2);
      bar->addWidget(label, 1);
    } else {
      label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      label->setAlignment(Qt::AlignCenter);
      // Sized once from its first text, as the pane is.
      label->setMinimumWidth(label->fontMetrics().horizontalAdvance(FromModel(pane.sizingText)) + 12);
      bar->addPermanentWidget(label);
    }
    m_panes.push_back(label);
  }
}

QLabel* FrameView::Pane(int id) const {
  const auto& panes = m_frame.StatusPanes();
  for (size_t i = 0; i < panes.size() && i < m_panes.size(); ++i)
    if (panes[i].id == id) return m_panes[i];
  return nullptr;
}

void FrameView::SyncToolBar() {
  const auto& buttons = m_frame.ToolBarButtons();
  for (size_t i = 0; i < buttons.size() && i < m_toolActions.size(); ++i) {
    QAction* action = m_toolActions[i];
    if (action == nullptr) continue;
    action->setEnabled(buttons[i].enabled);
    action->setCheckable(buttons[i].checked);
    action->setChecked(buttons[i].checked);
  }
}

void FrameView::SyncStatusBar() {
  const auto& panes = m_frame.StatusPanes();
  for (size_t i = 0; i < panes.size() && i < m_panes.size(); ++i) {
    // A disabled pane shows no text.
    const QString text = panes[i].enabled ? FromModel(panes[i].text) : QString();
    if (m_panes[i]->text() != text) m_panes[i]->setText(text);
  }
}

void FrameView::FitToForm() {
  if (m_pForm == nullptr) return;
  ensurePolished();
  const QSize natural = sizeHint();
  resize(natural + QSize(m_frame.GrowthX(), m_frame.GrowthY()));
}

void FrameView::OnFrameChanged(platform::FrameWindow& frame, platform::FrameChange change) {
  switch (change) {
    case platform::FrameChange::Title: setWindowTitle(FromModel(frame.GetWindowText())); break;
    case platform::FrameChange::Geometry: FitToForm(); break;
    case platform::FrameChange::Activate:
      if (isMinimized()) showNormal();
      raise();
      activateWindow();
      break;
    case platform::FrameChange::ToolBar: SyncToolBar(); break;
    case platform::FrameChange::ToolBarVisible: m_pToolBar->setVisible(frame.IsToolBarVisible()); break;
    case platform::FrameChange::ToolTips:
      if (!frame.ToolBarTipsEnabled()) QToolTip::hideText();
      break;
    case platform::FrameChange::StatusBar: SyncStatusBar(); break;
    case platform::FrameChange::StatusBarVisible: statusBar()->setVisible(frame.IsStatusBarVisible()); break;
    case platform::FrameChange::Destroyed: break;
  }
}

bool FrameView::TranslateKey(QKeyEvent* event) {
  const auto key = KeyOf(*event);
  if (!key) return false;
  return m_frame.TranslateAccelerator(*key, ModifiersOf(*event));
}

void FrameView::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!m_bDetached) m_frame.UserClose();
}

namespace {
std::vector<std::string> LocalFiles(const QMimeData* data) {
  std::vector<std::string> paths;
  if (data == nullptr || !data->hasUrls()) return paths;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
  return paths;
}
}  // namespace

void FrameView::dragEnterEvent(QDragEnterEvent* event) {
  if (m_frame.AcceptsFiles() && !LocalFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void FrameView::dropEvent(QDropEvent* event) {
  const auto paths = LocalFiles(event->mimeData());
  if (paths.empty() || !m_frame.AcceptsFiles()) return;
  event->acceptProposedAction();
  m_frame.UserDropFiles(paths);
}

// The toolbar buttons: their tips while switched on, and their prompts in the message pane.
bool FrameView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget != nullptr && widget->window() == this && TranslateKey(static_cast<QKeyEvent*>(event))) return true;
    return false;
  }
  const QVariant command = watched->property(kToolCommandProperty);
  if (!command.isValid()) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ToolTip: {
      const std::string tip = m_frame.ToolBarTipsEnabled() ? m_frame.CommandToolTip(command.toInt()) : std::string();
      if (tip.empty())
        QToolTip::hideText();
      else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), FromModel(tip), static_cast<QWidget*>(watched));
      return true;
    }
    case QEvent::Enter: m_frame.ShowPrompt(command.toInt()); break;
    case QEvent::Leave: m_frame.ShowIdleMessage(); break;
    default: break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace gui
