// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/progressreport.h"

#include "base/log.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

PluginProgressReport::PluginProgressReport(const QString &folder, FileDialogs &dialogs,
                                           MessageBoxes &messages)
    : m_path(folder + QStringLiteral("/quillobrite-report"))
    // A report is no word list: its file starts where the desktop keeps
    // documents, not where the last list was.
    , m_tools{dialogs, messages, ListFolder().start()}
{}

void PluginProgressReport::show(QWidget *over, progress::Store &store, qint64 child,
                                Practise practise)
{
    if (ReportWindows *loaded = windows()) {
        loaded->open(over, store, child, std::move(practise), m_tools);
        return;
    }
    m_tools.messages.exclamation(
        over, tr("How Are We Doing?"),
        tr("The report cannot be shown: a part of the game is missing or damaged (%1). "
           "Installing the game again brings it back.")
            .arg(QDir::toNativeSeparators(m_path + QStringLiteral(".so"))));
}

ReportWindows *PluginProgressReport::windows()
{
    if (m_tried)
        return m_windows;
    m_tried = true;
    // The window's code stays mapped to the end, so a window still open as
    // the game ends never points into an unloaded library.
    m_loader.setLoadHints(QLibrary::PreventUnloadHint);
    m_loader.setFileName(m_path);
    QObject *root = m_loader.instance();
    m_windows = qobject_cast<ReportWindows *>(root);
    if (!m_windows)
        noteOnce(lcProgress(), m_path,
                 root ? QStringLiteral("is not the progress report") : m_loader.errorString());
    return m_windows;
}
