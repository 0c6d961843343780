// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: renders the scalable icon into the fixed sizes desktops want,
// and the program's pictures into the pixel sizes its windows show them at.
//
//   qb_rendericon ICON.svg OUT_FOLDER SIZE...            OUT_FOLDER/SIZE.png, square
//   qb_rendericon --picture SVG OUT WIDTH HEIGHT         one picture
//
// A picture whose OUT ends in ".argb" is written as the program holds it in
// memory, so that reading it is a copy: its width and height (32 bits each,
// little-endian), then its rows of premultiplied ARGB pixels, 32 bits each in
// this machine's byte order. Any other OUT is written as PNG.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <QtEndian>

#include <cstdio>

namespace {

// The picture drawn as the program draws it at run time: antialiased, over
// transparency, filling the whole image.
bool render(QSvgRenderer &renderer, QSize size, const QString &out)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (out.endsWith(QLatin1String(".argb"))) {
        QFile file(out);
        const quint32 header[2] = {qToLittleEndian(quint32(size.width())),
                                   qToLittleEndian(quint32(size.height()))};
        bool written = file.open(QIODevice::WriteOnly)
                       && file.write(reinterpret_cast<const char *>(header), sizeof header)
                              == sizeof header;
        for (int y = 0; written && y < image.height(); ++y)
            written = file.write(reinterpret_cast<const char *>(image.constScanLine(y)),
                                 4 * size.width())
                      == 4 * size.width();
        if (written)
            return true;
    } else if (image.save(out)) {
        return true;
    }
    {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return false;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const bool one = argc == 6 && QByteArray(argv[1]) == "--picture";
    if (argc < 4 || (QByteArray(argv[1]) == "--picture" && !one)) {
        std::fprintf(stderr,
                     "usage: %s ICON.svg OUT_FOLDER SIZE...\n"
                     "       %s --picture SVG OUT WIDTH HEIGHT\n",
                     argv[0], argv[0]);
        return 2;
    }
    const char *source = one ? argv[2] : argv[1];
    QSvgRenderer renderer(QString::fromLocal8Bit(source));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "cannot read %s\n", source);
        return 1;
    }
    if (one) {
        const QSize size(QByteArray(argv[4]).toInt(), QByteArray(argv[5]).toInt());
        return size.isEmpty() ? 2 : render(renderer, size, QString::fromLocal8Bit(argv[3])) ? 0 : 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (!render(renderer, QSize(size, size), QStringLiteral("%1/%2.png").arg(folder).arg(size)))
            return 1;
    }
    return 0;
}
