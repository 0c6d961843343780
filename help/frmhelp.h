// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QPlainTextEdit;
class TwipsLayout;

// The user manual, beside the game. The reader may type into it; closing the
// window throws the changes away, since it deletes itself.
class frmHelp : public QWidget
{
    Q_OBJECT

public:
    explicit frmHelp(QWidget *parent = nullptr);
    ~frmHelp() override;

    // The manual as written: paragraphs of one line each, an empty line
    // between them, CR LF line breaks, one line break at the end.
    static QString manual();

private:
    void createControls();

    // Controls, placed and drawn at the window's size by the layout
    TwipsLayout *m_layout = nullptr;
    QPlainTextEdit *txtHelp = nullptr;
};
