#include "AppIcon.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace kt {

QPixmap AppIconPixmap(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, QColor(0x2F, 0x6F, 0xB8));
  fill.setColorAt(1, QColor(0x17, 0x3F, 0x73));
  QPainterPath path;
  path.addRoundedRect(box, size / 6.0, size / 6.0);
  p.fillPath(path, fill);
  p.setPen(QPen(QColor(0x10, 0x2A, 0x4C), 1));
  p.drawPath(path);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(std::max(6, size * 5 / 12));
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(box, Qt::AlignCenter, QStringLiteral("KT"));
  return pixmap;
}

QIcon AppIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) icon.addPixmap(AppIconPixmap(size));
  return icon;
}

}  // namespace kt
