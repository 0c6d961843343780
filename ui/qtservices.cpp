// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qtservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

// The lists are described as "Data (*.dat) | *.dat"; Qt wants "Data (*.dat)".
QString qtFilter(const QString &filter)
{
    const QString described = filter.section(QLatin1Char('|'), 0, 0).trimmed();
    return described.isEmpty() ? filter : described;
}

// "dat" of "Data (*.dat) | *.dat".
QString filterSuffix(const QString &filter)
{
    const qsizetype star = filter.lastIndexOf(QLatin1String("*."));
    return star < 0 ? QString() : filter.mid(star + 2).section(QLatin1Char(')'), 0, 0).trimmed();
}

} // namespace

QString ListFolder::start() const
{
    if (!m_last.isEmpty() && QFileInfo(m_last).isDir())
        return m_last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void ListFolder::remember(const QString &file)
{
    m_last = QFileInfo(file).absolutePath();
}

QString QtFileDialogs::openFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFilter(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveFileName(QWidget *parent, const QString &filter, const QString &folder)
{
    QFileDialog dialog(parent, QString(), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtFilter(filter));
    // A name typed without an extension gets the list's, or the game's own
    // Open A List, which shows only those, would never find it; Qt asks
    // before the file so named is written over.
    dialog.setDefaultSuffix(filterSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtMessageBoxes::exclamation(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}

MessageBoxes::Unsaved QtMessageBoxes::askToSave(QWidget *parent, const QString &title,
                                                const QString &text)
{
    switch (QMessageBox::warning(parent, title, text,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Save)) {
    case QMessageBox::Save:
        return Unsaved::Save;
    case QMessageBox::Discard:
        return Unsaved::Discard;
    default:
        return Unsaved::Cancel;
    }
}

void QtProgramEnd::endNow()
{
    // Leaves the event loop without closing any window, so no closing
    // handler runs and no farewell window appears.
    QCoreApplication::exit(0);
}
