// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/services.h"

// The real dialogs: Qt's own, the same on every desktop.
class QtFileDialogs final : public FileDialogs
{
public:
    QString openFileName(QWidget *parent, const QString &filter, const QString &folder) override;
    QString saveFileName(QWidget *parent, const QString &filter, const QString &folder) override;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    void exclamation(QWidget *parent, const QString &title, const QString &text) override;
    Unsaved askToSave(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
};

class QtProgramEnd final : public ProgramEnd
{
public:
    void endNow() override;
};
