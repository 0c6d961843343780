// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/whoisplaying.h"

#include "progress/progress.h"
#include "ui/look.h"
#include "ui/onelinebox.h"
#include "ui/services.h"
#include "ui/twipslayout.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <array>

namespace {

constexpr int ClientWidth = 5160, ClientHeight = 3480;

// The buttons down the right, in twips.
struct ButtonPlace {
    const char *name;
    const char *caption;
    QRect where;
};
constexpr std::array<ButtonPlace, 4> Buttons = {{
    {"cmdPlay", QT_TRANSLATE_NOOP("dlgWhoIsPlaying", "Play"), QRect(3480, 120, 1560, 495)},
    {"cmdDelete", QT_TRANSLATE_NOOP("dlgWhoIsPlaying", "Delete…"), QRect(3480, 1920, 1560, 375)},
    {"cmdRename", QT_TRANSLATE_NOOP("dlgWhoIsPlaying", "Rename"), QRect(3480, 2460, 1560, 375)},
    {"cmdAdd", QT_TRANSLATE_NOOP("dlgWhoIsPlaying", "Add"), QRect(3480, 2940, 1560, 375)},
}};
constexpr QRect NamesPlace(120, 120, 3240, 2715);
constexpr QRect NamePlace(120, 2940, 3240, 375);

constexpr int ChildRole = Qt::UserRole;

} // namespace

dlgWhoIsPlaying::dlgWhoIsPlaying(progress::Store &store, MessageBoxes &messages, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("dlgWhoIsPlaying"));
    setWindowTitle(tr("Who Is Playing?"));
    paintBackground(this, QColor(128, 128, 255));
    m_layout = new TwipsLayout(this, QSize(twips(ClientWidth), twips(ClientHeight)));
    createControls();
    fillNames(m_store.chosen());
    m_layout->fitOnScreen();
}

void dlgWhoIsPlaying::createControls()
{
    lstChildren = named(new QListWidget(this), QStringLiteral("lstChildren"));
    m_layout->place(lstChildren, NamesPlace);
    m_layout->setFont(lstChildren, plainFont(12, true));
    txtName = named(new QLineEdit(this), QStringLiteral("txtName"));
    m_layout->place(txtName, NamePlace);
    m_layout->setFont(txtName, plainFont(9.75));
    txtName->setPlaceholderText(tr("A child's name"));
    keepOnOneLine(txtName);

    std::array<QPushButton *, Buttons.size()> made{};
    for (size_t i = 0; i < Buttons.size(); ++i) {
        auto *button = named(new QPushButton(tr(Buttons[i].caption), this),
                             QLatin1String(Buttons[i].name));
        m_layout->place(button, Buttons[i].where);
        m_layout->setFont(button, plainFont(9.75, i == 0));
        paintButton(button, i == 0 ? QColor(0, 255, 0) : QColor(Qt::white));
        button->setAutoDefault(false);
        made[i] = button;
    }
    cmdPlay = made[0];
    cmdDelete = made[1];
    cmdRename = made[2];
    cmdAdd = made[3];
    cmdPlay->setDefault(true);

    connect(cmdPlay, &QPushButton::clicked, this, &dlgWhoIsPlaying::cmdPlay_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &dlgWhoIsPlaying::cmdAdd_Click);
    connect(cmdRename, &QPushButton::clicked, this, &dlgWhoIsPlaying::cmdRename_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &dlgWhoIsPlaying::cmdDelete_Click);
    connect(lstChildren, &QListWidget::itemDoubleClicked, this, &dlgWhoIsPlaying::cmdPlay_Click);
    connect(lstChildren, &QListWidget::currentRowChanged, this, [this](int row) {
        cmdRename->setEnabled(row >= 0);
        cmdDelete->setEnabled(row >= 0);
    });
}

void dlgWhoIsPlaying::fillNames(qint64 current)
{
    lstChildren->clear();
    for (const progress::Child &child : m_store.children()) {
        auto *item = new QListWidgetItem(child.name, lstChildren);
        item->setData(ChildRole, child.id);
        if (child.id == current)
            lstChildren->setCurrentItem(item);
    }
    // The one who played last is first, and taken by Return.
    if (!lstChildren->currentItem() && lstChildren->count() > 0)
        lstChildren->setCurrentRow(0);
    cmdRename->setEnabled(lstChildren->currentRow() >= 0);
    cmdDelete->setEnabled(lstChildren->currentRow() >= 0);
    // With nobody named yet, the name box is where to begin.
    if (lstChildren->count() > 0)
        lstChildren->setFocus();
    else
        txtName->setFocus();
}

qint64 dlgWhoIsPlaying::selectedChild() const
{
    const QListWidgetItem *item = lstChildren->currentItem();
    return item ? item->data(ChildRole).toLongLong() : 0;
}

void dlgWhoIsPlaying::keyPressEvent(QKeyEvent *event)
{
    // Return in the name box adds the name typed there rather than starting
    // the game with the name chosen above.
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && focusWidget() == txtName && !txtName->text().trimmed().isEmpty()) {
        cmdAdd_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void dlgWhoIsPlaying::cmdPlay_Click()
{
    m_store.choose(selectedChild());
    accept();
}

bool dlgWhoIsPlaying::nameRefused(const QString &name)
{
    if (name.isEmpty()) {
        txtName->setFocus();
        return true;
    }
    for (const progress::Child &child : m_store.children()) {
        if (child.name.compare(name, Qt::CaseInsensitive) == 0) {
            m_messages.exclamation(this, windowTitle(),
                                   tr("There is already a child called %1.").arg(child.name));
            return true;
        }
    }
    return false;
}

void dlgWhoIsPlaying::cmdAdd_Click()
{
    const QString name = txtName->text().trimmed();
    if (nameRefused(name))
        return;
    const std::optional<qint64> added = m_store.addChild(name);
    if (!added) {
        m_messages.exclamation(this, windowTitle(),
                               tr("%1 could not be added: progress is not being kept.").arg(name));
        return;
    }
    txtName->clear();
    fillNames(*added);
}

void dlgWhoIsPlaying::cmdRename_Click()
{
    const QString name = txtName->text().trimmed();
    const qint64 child = selectedChild();
    if (child == 0 || nameRefused(name))
        return;
    if (m_store.renameChild(child, name))
        txtName->clear();
    fillNames(child);
}

void dlgWhoIsPlaying::cmdDelete_Click()
{
    const qint64 child = selectedChild();
    if (child == 0)
        return;
    const QString name = lstChildren->currentItem()->text();
    if (!m_messages.askYesNo(this, windowTitle(),
                             tr("Delete %1 and everything kept of %1's spelling? This cannot "
                                "be undone.")
                                 .arg(name)))
        return;
    m_store.deleteChild(child);
    fillNames(m_store.chosen());
}
