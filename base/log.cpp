// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/log.h"

#include "base/regularfile.h"

#include <QMutex>
#include <QSet>

#include <cstring>

// Info messages: below the default threshold, so silent until enabled.
Q_LOGGING_CATEGORY(lcLists, "quillobrite.lists", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSound, "quillobrite.sound", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSpelling, "quillobrite.spelling", QtWarningMsg)
Q_LOGGING_CATEGORY(lcProgress, "quillobrite.progress", QtWarningMsg)

void noteOnce(const QLoggingCategory &category, const QString &path, const QString &what)
{
    if (!category.isInfoEnabled())
        return;
    static QMutex lock;
    static QSet<QString> noted;
    {
        const QMutexLocker locker(&lock);
        const QString key = QString::fromLatin1(category.categoryName()) + u'\0' + path + u'\0'
                            + what;
        if (noted.contains(key))
            return;
        noted.insert(key);
    }
    qCInfo(category).noquote() << path << what;
}

QString openFailure(int error)
{
    if (error == NotRegularFile)
        return QStringLiteral("is not a regular file");
    return QString::fromLocal8Bit(std::strerror(error));
}
