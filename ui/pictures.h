// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// A picture from the program's resources (":/pictures/NAME.svg") rendered
// at the given size in device-independent pixels, sharp on any screen.
QPixmap picture(const QString &name, QSize size, qreal devicePixelRatio = 1.0);
