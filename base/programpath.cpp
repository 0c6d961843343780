// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/programpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFile(const QString &programFolder, const QString &name)
{
    if (name.startsWith(QLatin1Char('\\')))
        return programFolder + QLatin1Char('/') + name.mid(1);
    return programFolder + name;
}

QString executableFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

QString programFolder(const QString &executableFolder)
{
    const QString installed =
        QDir::cleanPath(executableFolder + QLatin1Char('/') + QStringLiteral(QB_PROGRAM_DIR_FROM_BIN));
    return QFileInfo(installed).isDir() ? installed : executableFolder;
}
