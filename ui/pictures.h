// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// A picture from the program's resources (":/pictures/NAME.svg") at the
// given size in device-independent pixels, drawn for the given pixel density.
// Where the build drew it ready-made at that size (":/pictures/NAME@2x.argb",
// density 2), that is read instead of drawing it again.
QPixmap picture(const QString &name, QSize size, qreal devicePixelRatio = 1.0);
// The picture the build drew ready-made for density 2, at its size in
// pixels; a null image when there is none.
QImage readyPicture(const QString &name);
// The same picture always drawn from its source.
QPixmap drawnPicture(const QString &name, QSize size, qreal devicePixelRatio = 1.0);
