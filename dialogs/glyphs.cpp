#include "dialogs/glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "platform/font_faces.h"

namespace dlg {
namespace {

QPixmap Blank(int w, int h) {
  QPixmap pixmap(w, h);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

const QColor kInk(40, 40, 40);

}  // namespace

QPixmap PreviewGlyph() {
  QPixmap pixmap = Blank(23, 21);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // The page with a folded corner and lines of text.
  QPolygonF page;
  page << QPointF(1.5, 0.5) << QPointF(11.5, 0.5) << QPointF(15.5, 4.5) << QPointF(15.5, 19.5) << QPointF(1.5, 19.5);
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawPolygon(page);
  p.drawLine(QPointF(11.5, 0.5), QPointF(11.5, 4.5));
  p.drawLine(QPointF(11.5, 4.5), QPointF(15.5, 4.5));
  p.setPen(QPen(QColor(120, 120, 140), 1));
  for (int y = 4; y <= 16; y += 3) p.drawLine(QPointF(4, y + 0.5), QPointF(y < 6 ? 9 : 13, y + 0.5));
  // The magnifier: a tinted lens in a dark rim, and its handle.
  p.setPen(QPen(QColor(30, 30, 60), 2));
  p.setBrush(QColor(170, 215, 250, 200));
  p.drawEllipse(QPointF(13.5, 11.5), 5, 5);
  p.setPen(QPen(QColor(110, 60, 20), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(17.5, 15.5), QPointF(21, 19));
  return pixmap;
}

QPixmap PrintGlyph() {
  QPixmap pixmap = Blank(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kInk, 1));
  // Paper fed in at the back.
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 0.5, 7, 6));
  // The body.
  p.setBrush(QColor(160, 160, 160));
  p.drawRoundedRect(QRectF(0.5, 5.5, 15, 6), 1.5, 1.5);
  p.setBrush(QColor(0, 170, 0));
  p.setPen(Qt::NoPen);
  p.drawRect(QRectF(12, 7, 2, 1.5));
  // The printed sheet in front.
  p.setPen(QPen(kInk, 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(3.5, 9.5, 9, 6));
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.drawLine(QPointF(5, 12), QPointF(11, 12));
  p.drawLine(QPointF(5, 14), QPointF(9, 14));
  return pixmap;
}

QPixmap HelpGlyph() {
  QPixmap pixmap = Blank(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 50, 130), 1));
  p.setBrush(QColor(30, 100, 200));
  p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
  QFont font = platform::ScreenFont("Arial");
  font.setPixelSize(13);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
  return pixmap;
}

QPixmap CloseGlyph() {
  QPixmap pixmap = Blank(16, 16);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // The door frame and the door swung open towards the viewer.
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(60, 60, 60));
  p.drawRect(QRectF(5.5, 0.5, 8, 15));
  QPolygonF door;
  door << QPointF(5.5, 0.5) << QPointF(10.5, 2.5) << QPointF(10.5, 14.5) << QPointF(5.5, 15.5);
  p.setBrush(QColor(190, 120, 50));
  p.drawPolygon(door);
  p.setBrush(QColor(240, 210, 80));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(9, 8.5), 0.9, 0.9);
  // The arrow leading out.
  p.setPen(QPen(QColor(0, 140, 0), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(4, 8), QPointF(0.8, 8));
  QPolygonF head;
  head << QPointF(0, 8) << QPointF(3, 5) << QPointF(3, 11);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 140, 0));
  p.drawPolygon(head);
  return pixmap;
}

}  // namespace dlg
