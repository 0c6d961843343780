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

namespace {

// The installed folder at that place from the executable's, when there is
// one; else the executable's own.
QString installedOrBeside(const QString &executableFolder, const QString &fromBin)
{
    const QString installed = QDir::cleanPath(executableFolder + QLatin1Char('/') + fromBin);
    return QFileInfo(installed).isDir() ? installed : executableFolder;
}

} // namespace

QString programFolder(const QString &executableFolder)
{
    return installedOrBeside(executableFolder, QStringLiteral(QB_PROGRAM_DIR_FROM_BIN));
}

QString engineFolder(const QString &executableFolder)
{
    return installedOrBeside(executableFolder, QStringLiteral(QB_ENGINE_DIR_FROM_BIN));
}
