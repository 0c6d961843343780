// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/spellingmarks.h"

#include "spelling/dictionaries.h"
#include "spelling/spellcheck.h"
#include "ui/wordrefusal.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextCharFormat>
#include <QTextLayout>

namespace {

// The mark text editors put under a word they do not know.
QTextCharFormat unknownWordMark()
{
    QTextCharFormat mark;
    mark.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    mark.setUnderlineColor(Qt::red);
    return mark;
}

using Marks = QList<QPair<qsizetype, qsizetype>>;

Marks unknownSpans(const QString &text, const std::function<bool(const QString &)> &unknown)
{
    Marks marks;
    for (const spelling::Span &span : spelling::wordsIn(text)) {
        if (unknown(text.mid(span.start, span.length)))
            marks.append({span.start, span.length});
    }
    return marks;
}

QStringList itemTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; list && row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

// A list's rows drawn as the style draws them, their text with the marks.
class MarkedRows final : public QStyledItemDelegate
{
public:
    MarkedRows(std::function<bool(const QString &)> unknown, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_unknown(std::move(unknown))
    {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const Marks marks = unknownSpans(item.text, m_unknown);
        if (marks.isEmpty()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QWidget *widget = item.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        // Where and how the style would put the text: a margin each side,
        // the line centred.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin, 0, -margin, 0);
        const QString text = item.text;
        item.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        QTextLayout layout(text, item.font);
        QList<QTextLayout::FormatRange> formats;
        for (const auto &[start, length] : marks)
            formats.append({int(start), int(length), unknownWordMark()});
        layout.setFormats(formats);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled)
                                               ? QPalette::Disabled
                                           : (item.state & QStyle::State_Active)
                                               ? QPalette::Normal
                                               : QPalette::Inactive;
        painter->save();
        painter->setPen(item.palette.color(group, (item.state & QStyle::State_Selected)
                                                      ? QPalette::HighlightedText
                                                      : QPalette::Text));
        painter->setClipRect(area);
        layout.draw(painter,
                    QPointF(area.left(), area.top() + (area.height() - line.height()) / 2));
        painter->restore();
    }

private:
    std::function<bool(const QString &)> m_unknown;
};

// The spellings offered, at the top of the menu, above a line.
void putSuggestions(QMenu *menu, const QStringList &offered,
                    const std::function<void(const QString &)> &take)
{
    QAction *const first = menu->actions().value(0);
    for (const QString &spelling : offered) {
        auto *action = new QAction(spelling, menu);
        QObject::connect(action, &QAction::triggered, menu, [take, spelling] { take(spelling); });
        menu->insertAction(first, action);
    }
    if (offered.isEmpty()) {
        auto *none = new QAction(SpellingMarks::tr("No spellings to suggest"), menu);
        none->setEnabled(false);
        menu->insertAction(first, none);
    }
    if (first)
        menu->insertSeparator(first);
}

void popUp(QMenu *menu, const QPoint &where)
{
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(where);
}

} // namespace

SpellingMarks::SpellingMarks(SpellCheck &spelling, QListWidget *languageFrom, QObject *parent)
    : QObject(parent)
    , m_spelling(spelling)
    , m_languageFrom(languageFrom)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &SpellingMarks::check);
    QAbstractItemModel *model = languageFrom->model();
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, changed, this, &SpellingMarks::listChanged);
    connect(model, &QAbstractItemModel::dataChanged, this, &SpellingMarks::listChanged);
    connect(model, &QAbstractItemModel::modelReset, this, &SpellingMarks::listChanged);
}

SpellingMarks::~SpellingMarks() = default;

void SpellingMarks::markBox(QLineEdit *box)
{
    m_boxes.append(box);
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this, box] {
        showMarks(box);
        checkSoon();
    });
    connect(box, &QObject::destroyed, this, [this, box] {
        m_composing.remove(box);
        m_shown.remove(box);
    });
    if (box->isVisible())
        start();
}

void SpellingMarks::markRows(QListWidget *list)
{
    m_lists.append(list);
    list->setItemDelegate(
        new MarkedRows([this](const QString &word) { return isUnknown(word); }, list));
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
    QAbstractItemModel *model = list->model();
    for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, changed, this, &SpellingMarks::checkSoon);
    connect(model, &QAbstractItemModel::dataChanged, this, &SpellingMarks::checkSoon);
    if (list->isVisible())
        start();
}

bool SpellingMarks::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QLineEdit *>(watched);
    switch (event->type()) {
    case QEvent::Show:
        start();
        break;
    case QEvent::InputMethod:
        // An input method's own event: while it composes, the box is left
        // alone; whatever it sent replaced the marks, which are put back.
        if (box && !m_sending) {
            m_composing[box] = !static_cast<QInputMethodEvent *>(event)->preeditString().isEmpty();
            m_shown.remove(box);
            QMetaObject::invokeMethod(
                this,
                [this, guard = QPointer<QLineEdit>(box)] {
                    if (guard)
                        showMarks(guard);
                },
                Qt::QueuedConnection);
        }
        break;
    case QEvent::ContextMenu: {
        const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (box)
            return boxMenu(box, menuEvent);
        for (const QPointer<QListWidget> &list : std::as_const(m_lists)) {
            if (list && watched == list->viewport())
                return rowMenu(list, menuEvent);
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void SpellingMarks::start()
{
    if (m_started)
        return;
    m_started = true;
    // The dictionaries start reading at once, while the parent types.
    check();
}

void SpellingMarks::listChanged()
{
    m_languageStale = true;
    checkSoon();
}

void SpellingMarks::checkSoon()
{
    if (m_started)
        m_pause.start();
}

void SpellingMarks::check()
{
    // A question about the language is out: its answer checks again.
    if (m_askingLanguage)
        return;
    if (m_languageStale)
        askLanguage();
    else
        askAboutNewWords();
}

void SpellingMarks::askLanguage()
{
    m_askingLanguage = true;
    m_languageStale = false;
    m_spelling.languageOf(itemTexts(m_languageFrom), this, [this](const QString &language) {
        m_askingLanguage = false;
        if (language != m_language) {
            m_language = language;
            m_known.clear();
            m_asked.clear();
            markAll();
        }
        check();
    });
}

void SpellingMarks::askAboutNewWords()
{
    QStringList texts;
    for (const QPointer<QLineEdit> &box : std::as_const(m_boxes)) {
        if (box)
            texts.append(box->text());
    }
    for (const QPointer<QListWidget> &list : std::as_const(m_lists))
        texts += itemTexts(list);
    QStringList words;
    for (const QString &text : std::as_const(texts)) {
        for (const spelling::Span &span : spelling::wordsIn(text)) {
            const QString word = text.mid(span.start, span.length);
            if (!m_known.contains(word) && !m_asked.contains(word)) {
                m_asked.insert(word);
                words.append(word);
            }
        }
    }
    if (words.isEmpty())
        return;
    m_spelling.unknownWords(m_language, words, this,
                            [this, language = m_language, words](const QStringList &unknown) {
                                if (language != m_language)
                                    return;
                                for (const QString &word : words) {
                                    m_asked.remove(word);
                                    m_known.insert(word, !unknown.contains(word));
                                }
                                markAll();
                            });
}

bool SpellingMarks::isUnknown(const QString &word) const
{
    return !m_known.value(word, true);
}

void SpellingMarks::markAll()
{
    for (const QPointer<QLineEdit> &box : std::as_const(m_boxes)) {
        if (box)
            showMarks(box);
    }
    for (const QPointer<QListWidget> &list : std::as_const(m_lists)) {
        if (list)
            list->viewport()->update();
    }
}

void SpellingMarks::showMarks(QLineEdit *box)
{
    if (m_composing.value(box))
        return;
    const Marks marks = unknownSpans(box->text(),
                                     [this](const QString &word) { return isUnknown(word); });
    const auto shown = m_shown.constFind(box);
    if (shown != m_shown.cend() && *shown == marks)
        return;
    // A line edit has no highlighter of its own, but it draws the formats
    // an input method gives the text it composes: the marks go in as an
    // input method event that composes nothing. Its places count from the
    // cursor.
    QList<QInputMethodEvent::Attribute> attributes;
    const int cursor = box->cursorPosition();
    for (const auto &[start, length] : marks)
        attributes.append(
            {QInputMethodEvent::TextFormat, int(start) - cursor, int(length), unknownWordMark()});
    QInputMethodEvent event(QString(), attributes);
    m_sending = true;
    QCoreApplication::sendEvent(box, &event);
    m_sending = false;
    m_shown.insert(box, marks);
}

bool SpellingMarks::boxMenu(QLineEdit *box, const QContextMenuEvent *event)
{
    const QString text = box->text();
    const int at = box->cursorPositionAt(event->pos());
    for (const spelling::Span &span : spelling::wordsIn(text)) {
        if (at < span.start || at > span.start + span.length)
            continue;
        const QString word = text.mid(span.start, span.length);
        if (!isUnknown(word))
            return false;
        m_spelling.suggestions(
            m_language, word, box,
            [box, word, start = span.start,
             where = event->globalPos()](const QStringList &offered) {
                QMenu *menu = box->createStandardContextMenu();
                putSuggestions(menu, offered, [box, word, start](const QString &spelling) {
                    // The text may have changed while the menu was open.
                    const qsizetype at = box->text().mid(start, word.size()) == word
                                             ? start
                                             : box->text().indexOf(word);
                    if (at < 0)
                        return;
                    // Typed in, so that Undo takes it back.
                    box->setSelection(int(at), int(word.size()));
                    box->insert(spelling);
                });
                popUp(menu, where);
            });
        return true;
    }
    return false;
}

bool SpellingMarks::rowMenu(QListWidget *list, const QContextMenuEvent *event)
{
    QListWidgetItem *item = list->itemAt(event->pos());
    if (!item)
        return false;
    const QString text = item->text();
    const Marks marks = unknownSpans(text, [this](const QString &word) { return isUnknown(word); });
    if (marks.isEmpty())
        return false;
    // A row is most often one word: its first unknown one is offered.
    // Named, not bound: a lambda below takes them by value.
    const qsizetype start = marks.constFirst().first;
    const qsizetype length = marks.constFirst().second;
    const QString word = text.mid(start, length);
    const QPersistentModelIndex row(list->model()->index(list->row(item), 0));
    m_spelling.suggestions(
        m_language, word, list,
        [list, row, text, start, length, where = event->globalPos()](const QStringList &offered) {
            if (!row.isValid())
                return;
            QStringList others = itemTexts(list);
            others.removeAt(row.row());
            QStringList fitting;
            for (const QString &spelling : offered) {
                const QString mended = QString(text).replace(start, length, spelling);
                if (wordrefusal::sort(mended, &others).kept == QStringList{mended})
                    fitting.append(spelling);
            }
            auto *menu = new QMenu(list);
            putSuggestions(menu, fitting,
                           [list, row, text, start, length](const QString &spelling) {
                               if (row.isValid() && list->item(row.row())->text() == text)
                                   list->item(row.row())->setText(
                                       QString(text).replace(start, length, spelling));
                           });
            popUp(menu, where);
        });
    return true;
}
