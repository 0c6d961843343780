// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/programpath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString programFile(const QString &programFolder, const QString &name)
{
    QString joined = programFolder + name;
    joined.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return joined;
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
