#include "app/doc_messages.h"
#include "app/update_doc.h"
#include "firmware/hex_file.h"
#include "firmware/mem_map.h"
#include "platform/host.h"

namespace {
bool BuildMap(std::unique_ptr<OVMemMap>& map, const OVHexFile* list, MainFormLink* form) {
  if (map) return true;
  auto built = std::make_unique<OVMemMap>(list, form);
  if (!built->IsComplete()) {
    platform::MessageBox(kMsgOutOfMemory, platform::Buttons::Ok);
    return false;
  }
  map = std::move(built);
  return true;
}
}  // namespace

bool COVUpdateDoc::CreateMemMap(MainFormLink* form) { return BuildMap(m_pMemMap, m_pHexFile.get(), form); }

bool COVUpdateDoc::CreateMemMap2(MainFormLink* form) { return BuildMap(m_pMemMap2, m_pHexFile2.get(), form); }
