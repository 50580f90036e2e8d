// The program's icon (icon 128), drawn rather than loaded.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace kt {

QPixmap AppIconPixmap(int size);
QIcon AppIcon();  // the usual sizes

}  // namespace kt
