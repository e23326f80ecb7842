#pragma once
// A record or memory view in the document's chain of open viewers. A load
// destroys the head, which destroys every viewer after it.

class OVViewer {
 public:
  virtual ~OVViewer() = default;
  // Hides and destroys this viewer and every viewer linked after it.
  virtual void DestroyWindow() = 0;

  void LinkViewer(OVViewer* viewer) {
    OVViewer* last = this;
    while (last->m_pNextViewer != nullptr) last = last->m_pNextViewer;
    last->m_pNextViewer = viewer;
  }

  OVViewer* m_pNextViewer = nullptr;
};
