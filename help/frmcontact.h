// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class TwipsLayout;

// The farewell window, shown as the game window closes: how to reach the
// author. Closing it leaves no window, which ends the program. It deletes
// itself when it closes.
class frmContact : public QWidget
{
    Q_OBJECT

public:
    explicit frmContact(QWidget *parent = nullptr);
    ~frmContact() override;

private slots:
    void cmdExit_Click();

private:
    void createControls();
    void connectHandlers();

    // Controls, placed and drawn at the window's size by the layout
    TwipsLayout *m_layout = nullptr;
    QPushButton *cmdExit = nullptr;
    QLabel *Label1 = nullptr;
};
