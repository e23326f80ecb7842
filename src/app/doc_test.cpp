#include "app/doc_messages.h"
#include "app/update_doc.h"
#include "firmware/hex_file.h"
#include "platform/host.h"

bool COVUpdateDoc::TestHexFile(bool bShowProgress) {
  MainFormLink* form = bShowProgress ? m_pView : nullptr;
  const bool started = form != nullptr && form->BeginProgress(0, m_nRecords, kCaptionTesting, 1);
  for (const OVHexFile* node = m_pHexFile.get(); node != nullptr; node = node->GetNext()) {
    if (!node->IsChecksumValid()) {
      if (started) form->EndProgress();
      return false;
    }
    if (started) {
      form->StepProgress(std::string());
      if (form->m_bCancel) break;
    }
  }
  if (started) {
    form->EndProgress();
    if (form->m_bCancel) {
      platform::MessageBox(kMsgTestCancelled, platform::Buttons::Ok);
      return false;
    }
  }
  return true;
}
