#include "gui/images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "res/resource_ids.h"

namespace gui {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kFolder(230, 190, 70);
const QColor kBlue(40, 80, 170);
const QColor kGrey(150, 150, 150);

void DrawOpen(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kFolder.darker(115));
  p.drawRect(1, 3, 11, 9);
  p.drawRect(1, 2, 5, 1);
  p.setBrush(kFolder);
  QPolygon front;
  front << QPoint(1, 12) << QPoint(4, 6) << QPoint(15, 6) << QPoint(12, 12);
  p.drawPolygon(front);
}

void DrawSave(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kBlue);
  p.drawRect(1, 1, 13, 13);
  p.setBrush(kPaper);
  p.drawRect(4, 1, 7, 5);
  p.setBrush(kGrey);
  p.drawRect(4, 9, 7, 5);
  p.fillRect(9, 2, 1, 3, kInk);
}

void DrawCut(QPainter& p) {
  p.setPen(QPen(kInk, 1));
  p.drawLine(5, 1, 9, 9);
  p.drawLine(10, 1, 6, 9);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kBlue, 1.5));
  p.drawEllipse(QPointF(4.5, 11.5), 2.5, 2.5);
  p.drawEllipse(QPointF(10.5, 11.5), 2.5, 2.5);
}

void DrawPage(QPainter& p, int x, int y) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(x, y, 8, 10);
  for (int line = 0; line < 3; ++line) p.drawLine(x + 2, y + 3 + 2 * line, x + 6, y + 3 + 2 * line);
}

void DrawCopy(QPainter& p) {
  DrawPage(p, 1, 1);
  DrawPage(p, 6, 4);
}

void DrawPaste(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kFolder.darker(130));
  p.drawRect(1, 2, 10, 12);
  p.setBrush(kGrey);
  p.drawRect(4, 1, 4, 2);
  DrawPage(p, 7, 4);
}

void DrawPrint(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(4, 1, 8, 5);
  p.setBrush(kGrey);
  p.drawRect(1, 6, 14, 5);
  p.setBrush(kPaper);
  p.drawRect(4, 9, 8, 5);
  p.fillRect(12, 7, 2, 1, QColor(60, 170, 60));
}

void DrawAbout(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(QColor(255, 250, 200));
  p.drawEllipse(1, 0, 13, 13);
  QFont font;
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kBlue);
  p.drawText(QRect(1, 0, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

QPixmap Blank() {
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QIcon ToolbarIcon(int command) {
  QPixmap pixmap = Blank();
  QPainter painter(&pixmap);
  switch (command) {
    case res::ID_FILE_OPEN: DrawOpen(painter); break;
    case res::ID_FILE_SAVE: DrawSave(painter); break;
    case res::ID_EDIT_CUT: DrawCut(painter); break;
    case res::ID_EDIT_COPY: DrawCopy(painter); break;
    case res::ID_EDIT_PASTE: DrawPaste(painter); break;
    case res::ID_FILE_PRINT: DrawPrint(painter); break;
    case res::ID_APP_ABOUT: DrawAbout(painter); break;
    default:
      painter.setPen(kInk);
      painter.drawRect(2, 2, 11, 10);
      break;
  }
  painter.end();
  return QIcon(pixmap);
}

// A device with a row of ports and a chip: the program icon.
QIcon ProgramIcon(int) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(70, 110, 160));
  p.drawRoundedRect(QRectF(2, 8, 28, 16), 3, 3);
  p.setBrush(QColor(30, 30, 30));
  p.drawRect(QRectF(6, 12, 9, 8));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 220, 120));
  for (int led = 0; led < 3; ++led) p.drawEllipse(QPointF(19.5 + led * 3.5, 13.5), 1.2, 1.2);
  p.setBrush(QColor(220, 220, 220));
  for (int port = 0; port < 3; ++port) p.drawRect(QRectF(18 + port * 3.5, 17, 2.5, 3));
  p.setPen(QPen(QColor(250, 200, 60), 2));
  p.drawLine(QPointF(16, 24), QPointF(16, 30));
  p.end();
  return QIcon(pixmap);
}

}  // namespace gui
