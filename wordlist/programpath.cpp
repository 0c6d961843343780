#include "wordlist/programpath.h"

#include <QCoreApplication>
#include <QDir>

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
