// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/services.h"

#include <QCoreApplication>
#include <QObject>
#include <QPluginLoader>
#include <QString>

// What the report window takes from the game besides the child's records:
// the dialog that names the file a report is saved to, the message that
// tells a failure, and the folder that dialog starts in.
struct ReportTools {
    FileDialogs &dialogs;
    MessageBoxes &messages;
    QString folder;
};

// What the report's plugin offers: its window.
class ReportWindows
{
public:
    virtual ~ReportWindows() = default;
    // Opens the report of `child` over `over` (modal to it) and returns at
    // once; the window goes when it closes.
    virtual void open(QWidget *over, progress::Store &store, qint64 child,
                      ProgressReport::Practise practise, const ReportTools &tools) = 0;
};

#define QB_REPORT_WINDOWS_IID "org.example.Quillobrite.ReportWindows/1"
Q_DECLARE_INTERFACE(ReportWindows, QB_REPORT_WINDOWS_IID)

// The report from its plugin, quillobrite-report.so in the folder given
// (engineFolder()), loaded at the first showing and kept to the end. A
// plugin that is missing, broken or not the report is noted once under
// quillobrite.progress and told to the parent at every showing.
class PluginProgressReport final : public ProgressReport
{
    Q_DECLARE_TR_FUNCTIONS(PluginProgressReport)

public:
    PluginProgressReport(const QString &folder, FileDialogs &dialogs, MessageBoxes &messages);

    void show(QWidget *over, progress::Store &store, qint64 child, Practise practise) override;

private:
    ReportWindows *windows();

    QString m_path;
    ReportTools m_tools;
    QPluginLoader m_loader;
    bool m_tried = false;
    ReportWindows *m_windows = nullptr; // the plugin's own
};
