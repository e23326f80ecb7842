#pragma once
// The main form as the command line plays it: the progress channel drawn as a
// bar on standard error when that is a terminal, silent otherwise. The run
// state and return values follow the form's channel; the buttons have no
// console counterpart.

#include <ostream>
#include <string>

#include "core/main_form_link.h"

class ConsoleForm final : public ProgressOnlyForm {
 public:
  ConsoleForm(std::ostream& stream, bool drawBar) : m_stream(stream), m_bDraw(drawBar) {}

  bool BeginProgress(int low, int high, std::string caption, int step) override;
  bool StepProgress(std::string text) override;
  bool SetProgressPos(int pos, std::string text) override;
  bool EndProgress() override;


  bool IsActive() const { return m_bActive; }

 private:
  void Draw(bool force);

  std::ostream& m_stream;
  bool m_bDraw;
  bool m_bActive = false;
  long long m_nLow = 0;
  long long m_nHigh = 0;
  long long m_nPos = 0;
  int m_nStep = 1;
  int m_nDrawnPercent = -1;
  std::string m_strCaption;
};
