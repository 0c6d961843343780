// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QTimer;
class TwipsLayout;

// The first window of the program: the game's name, version and date over a
// field of letter pictures, up for a moment before the game window opens.
// Create it with new: it deletes itself when it unloads.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    // Builds the game window when the splash hands over; the splash shows it
    // and keeps no hold on it afterwards.
    using MainWindowFactory = std::function<QWidget *()>;

    explicit frmSplash(MainWindowFactory makeMainWindow, QWidget *parent = nullptr);
    ~frmSplash() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private slots:
    void tmrLoadUnload_Timer();

private:
    void createControls();
    void connectHandlers();

    void Form_KeyPress();
    void Form_Unload();
    void Frame1_Click();

    void showMainWindow();

    MainWindowFactory m_makeMainWindow;
    bool m_handedOver = false;
    bool m_frame1Pressed = false;

    // Controls, placed by the layout
    TwipsLayout *m_layout = nullptr;
    QTimer *tmrLoadUnload = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *lblCompanyProduct = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblCopyright = nullptr;
    QLabel *lblCompany = nullptr;
    std::array<QLabel *, 10> imgLogo{};
};
