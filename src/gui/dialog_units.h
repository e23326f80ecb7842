#pragma once
// Dialog units to pixels. The templates name the classic dialog font ("MS Sans
// Serif" 8 or 10); this platform's sans-serif at the same size takes its place,
// and the base units come from that font as the classic dialog manager measures
// them: the average width of the 52 letters and the character height.

#include <QFont>
#include <QRect>
#include <QSize>

#include "platform/window/geometry.h"
#include "platform/window/resources.h"

namespace gui {

QFont DialogFont(const char* fontName, int pointSize);

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  double BaseX() const { return m_baseX; }
  double BaseY() const { return m_baseY; }
  int X(int units) const;
  int Y(int units) const;
  QRect ToPixels(const platform::Rect& units) const;
  QSize ToPixels(int cx, int cy) const { return {X(cx), Y(cy)}; }

 private:
  double m_baseX;
  double m_baseY;
};

}  // namespace gui
