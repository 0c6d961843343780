// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/services.h"
#include "wordlist/listwriter.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TwipsLayout;

// The custom list editor: a parent types at least ten words, makes a file,
// then moves the words into it one by one. Shown modally with exec().
class frmCreateList : public QDialog
{
    Q_OBJECT
    // The record "Add To File" writes the next word at.
    Q_PROPERTY(int intNextRecord READ nextRecord)

public:
    explicit frmCreateList(Services &services, QWidget *parent = nullptr);
    ~frmCreateList() override;

    int nextRecord() const { return intNextRecord; }

public slots:
    // Every way out ends here: I'm Done!, and the close box, which Qt turns
    // into a rejection.
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void cmdEnter_Click();
    void cmdRemove_Click();
    void cmdMakeFile_Click();
    void cmdAddToFile_Click();
    void cmdExit_Click();

private:
    void createControls();
    void connectHandlers();

    void Form_Load();
    void Form_Unload();
    void txtNewWord_GotFocus();

    QList<int> pickedRows() const;
    void deleteRow(int row);
    bool makeFile();
    bool writeWord(int row);
    bool saveEveryWord();
    void cannotWrite(const QString &what);

    Services &m_services;
    ListWriter m_listFile;

    // Controls, placed and drawn at the window's size by the layout
    TwipsLayout *m_layout = nullptr;
    QListWidget *lstNewVocab = nullptr;
    QLineEdit *txtNewWord = nullptr;
    QLineEdit *txtCounter = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *cmdEnter = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdMakeFile = nullptr;
    QPushButton *cmdExit = nullptr;
    QPushButton *cmdAddToFile = nullptr;

    // State
    std::int16_t intNextRecord = 1;
    // Set once the last record a 16-bit counter can name holds a word: the
    // counter cannot move past it, and no later word may land on it.
    bool blnFileFull = false;
};
