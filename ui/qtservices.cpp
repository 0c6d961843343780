// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qtservices.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The lists are described as "Data (*.dat) | *.dat"; Qt wants "Data (*.dat)".
QString qtFilter(const QString &filter)
{
    const QString described = filter.section(QLatin1Char('|'), 0, 0).trimmed();
    return described.isEmpty() ? filter : described;
}

} // namespace

QString QtFileDialogs::openFileName(QWidget *parent, const QString &filter)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFilter(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveFileName(QWidget *parent, const QString &filter)
{
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtFilter(filter));
    // Qt asks before an existing file is chosen; no default suffix is set,
    // so a name typed without an extension stays without one.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtMessageBoxes::exclamation(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok);
}

void QtProgramEnd::endNow()
{
    // Leaves the event loop without closing any window, so no closing
    // handler runs and no farewell window appears.
    QCoreApplication::exit(0);
}
