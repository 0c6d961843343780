// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class MessageBoxes;
class QLineEdit;
class QListWidget;
class QPushButton;
class TwipsLayout;
namespace progress {
class Store;
}

// "Who Is Playing?": the children of the family by name, the one who played
// last at the top. The parent adds, renames and deletes them here, and picks
// who plays now; Return takes the name chosen. No account, no password: a
// family that names nobody plays as one unnamed player.
class dlgWhoIsPlaying final : public QDialog
{
    Q_OBJECT

public:
    dlgWhoIsPlaying(progress::Store &store, MessageBoxes &messages, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void cmdPlay_Click();
    void cmdAdd_Click();
    void cmdRename_Click();
    void cmdDelete_Click();

private:
    void createControls();
    void fillNames(qint64 current);
    qint64 selectedChild() const;
    bool nameRefused(const QString &name);

    progress::Store &m_store;
    MessageBoxes &m_messages;
    TwipsLayout *m_layout = nullptr;
    QListWidget *lstChildren = nullptr;
    QLineEdit *txtName = nullptr;
    QPushButton *cmdPlay = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdRename = nullptr;
    QPushButton *cmdDelete = nullptr;
};
