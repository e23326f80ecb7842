#include "gui/dialog_units.h"

#include <QFontMetricsF>
#include <cmath>
#include <string_view>

namespace gui {

QFont DialogFont(const char* fontName, int pointSize) {
  const std::string_view name = fontName != nullptr ? fontName : "";
  const bool fixed = name.find("Courier") != std::string_view::npos || name == "Fixedsys" || name == "Terminal";
  QFont font(fixed ? "DejaVu Sans Mono" : "DejaVu Sans");
  font.setStyleHint(fixed ? QFont::Monospace : QFont::SansSerif);
  font.setPointSize(pointSize > 0 ? pointSize : 8);
  return font;
}

DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetricsF metrics(font);
  m_baseX = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
  m_baseY = std::round(metrics.height());
}

int DialogUnits::X(int units) const { return static_cast<int>(std::lround(units * m_baseX / 4.0)); }

int DialogUnits::Y(int units) const { return static_cast<int>(std::lround(units * m_baseY / 8.0)); }

QRect DialogUnits::ToPixels(const platform::Rect& units) const {
  // Both edges are converted, so neighbouring controls keep their common edge.
  const int left = X(units.x);
  const int top = Y(units.y);
  return QRect(left, top, X(units.x + units.cx) - left, Y(units.y + units.cy) - top);
}

}  // namespace gui
