// SPDX-License-Identifier: GPL-3.0-or-later

// The plugin's door: the game asks it for the report window.

#include "frmreport.h"

#include <QObject>

class ReportPlugin final : public QObject, public ReportWindows
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QB_REPORT_WINDOWS_IID)
    Q_INTERFACES(ReportWindows)

public:
    void open(QWidget *over, progress::Store &store, qint64 child,
              ProgressReport::Practise practise, const ReportTools &tools) override
    {
        (new frmReport(store, child, std::move(practise), tools, over))->open();
    }
};

#include "reportplugin.moc"
