#include "wordlist/programpath.h"

#include <QCoreApplication>
#include <QDir>

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
