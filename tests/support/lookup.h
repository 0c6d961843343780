// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A window's controls found by their object names, and list boxes read back.

#include <QListWidget>
#include <QObject>
#include <QString>
#include <QStringList>

// The child of `parent` of type T with this object name. A missing control
// is a broken window, not a failed check: the test program stops at once.
template<typename T = QWidget>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// The texts of a list box's rows, top to bottom, as shown (list-file
// entries padded to their record) or trimmed of that padding.
enum class Padding { Kept, Trimmed };
inline QStringList rows(const QListWidget *list, Padding padding = Padding::Kept)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(padding == Padding::Kept ? list->item(i)->text()
                                            : list->item(i)->text().trimmed());
    return out;
}
