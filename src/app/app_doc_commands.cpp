#include "app/app_doc_commands.h"

#include "app/update_doc.h"
#include "platform/window/form_view.h"
#include "platform/window/frame_window.h"
#include "res/resource_ids.h"

COVUpdateDocCommands::COVUpdateDocCommands() {
  BindCommand(res::ID_ENABLE_TOOLTIPS, [this] { OnEnableToolTips(); });
  BindCommandUpdate(res::ID_ENABLE_TOOLTIPS, [this](platform::CommandState& state) {
    state.SetCheck(m_pDoc != nullptr && m_pDoc->m_bToolTips == 1);
  });
}

void COVUpdateDocCommands::Attach(COVUpdateDoc* doc, platform::FormView* view, platform::FrameWindow* frame) {
  m_pDoc = doc;
  m_pView = view;
  m_pFrame = frame;
}

void COVUpdateDocCommands::OnEnableToolTips() {
  if (m_pDoc == nullptr) return;
  m_pDoc->m_bToolTips = m_pDoc->m_bToolTips != 0 ? 0 : 1;
  const bool enable = m_pDoc->m_bToolTips != 0;
  if (m_pView != nullptr) m_pView->EnableToolTips(enable);
  if (m_pFrame != nullptr) m_pFrame->EnableToolBarTips(enable);
}
