// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QDataStream>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

QImage readyPicture(const QString &name)
{
    // Width and height, then the rows of premultiplied pixels (see the
    // drawing tool, qb_rendericon).
    const QResource ready(QStringLiteral(":/pictures/%1@2x.argb").arg(name));
    const QByteArray bytes = ready.uncompressedData();
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 width = 0, height = 0;
    in >> width >> height;
    if (in.status() != QDataStream::Ok || width == 0 || height == 0 || width > 4096 || height > 4096
        || qsizetype(bytes.size()) != 8 + qsizetype(4 * width * height))
        return QImage();
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        in.readRawData(reinterpret_cast<char *>(image.scanLine(y)), int(4 * width));
    return image;
}

QPixmap picture(const QString &name, QSize size, qreal devicePixelRatio)
{
    if (devicePixelRatio == 2.0) {
        QImage image = readyPicture(name);
        if (image.size() == size * devicePixelRatio) {
            image.setDevicePixelRatio(devicePixelRatio);
            return QPixmap::fromImage(std::move(image));
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
