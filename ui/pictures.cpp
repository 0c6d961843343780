// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

QPixmap picture(const QString &name, QSize size, qreal devicePixelRatio)
{
    if (devicePixelRatio == 2.0) {
        const QString ready = QStringLiteral(":/pictures/%1@2x.png").arg(name);
        if (QFile::exists(ready)) {
            QImage image(ready, "png");
            if (image.size() == size * devicePixelRatio) {
                image.setDevicePixelRatio(devicePixelRatio);
                return QPixmap::fromImage(std::move(image));
            }
        }
    }
    return drawnPicture(name, size, devicePixelRatio);
}

QPixmap drawnPicture(const QString &name, QSize size, qreal devicePixelRatio)
{
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
