// SPDX-License-Identifier: GPL-3.0-or-later

#include "reportwindow.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace {

// The words handed to the game to practise: a practice list's ten.
constexpr int HardWords = 10;
// The misspelt words listed, most often first.
constexpr int MissedShown = 20;
// Room enough for the tests and the words side by side.
constexpr QSize Preferred(1000, 680);

QString dateOf(const progress::TestResult &test)
{
    return QLocale().toString(test.when.toLocalTime().date(), QLocale::ShortFormat);
}

QString scoreOf(const progress::TestResult &test)
{
    return test.finished
               ? ReportWindow::tr("%1 of %2").arg(test.right).arg(test.total)
               : ReportWindow::tr("%1 of %2, unfinished").arg(test.right).arg(test.total);
}

QLabel *sentence(const QString &text, const QString &name)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QGroupBox *group(const QString &title, QWidget *content)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

ReportWindow::ReportWindow(progress::Store &store, qint64 child,
                           ProgressReport::Practise practise, const ReportTools &tools,
                           QWidget *over)
    : QDialog(over)
    , m_store(store)
    , m_child(child)
    , m_practise(std::move(practise))
    , m_tools(tools)
{
    setObjectName(QStringLiteral("reportWindow"));
    setWindowTitle(tr("How Are We Doing?"));
    setAttribute(Qt::WA_DeleteOnClose);
    setSizeGripEnabled(true);

    QList<progress::TestResult> tests = m_store.tests(m_child);
    std::stable_sort(tests.begin(), tests.end(), [](const auto &a, const auto &b) {
        return a.when > b.when;
    });
    const QList<progress::Missed> missed = m_store.oftenMissed(m_child, MissedShown);
    const QStringList mastered = m_store.mastered(m_child);
    m_hardWords = m_store.hardest(m_child, HardWords);

    auto *layout = new QVBoxLayout(this);
    const QString name = childName();
    auto *heading = new QLabel(name.isEmpty() ? tr("How your child is doing")
                                              : tr("How %1 is doing").arg(name));
    heading->setObjectName(QStringLiteral("heading"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    heading->setFont(big);
    layout->addWidget(heading);

    m_nothingYet = tests.isEmpty() && missed.isEmpty() && mastered.isEmpty();
    if (m_nothingYet) {
        layout->addWidget(sentence(tr("No spelling test has been taken and no word spelt yet. "
                                      "Once there is some play, how it went shows here."),
                                   QStringLiteral("nothingYet")));
        layout->addStretch();
    } else {
        layout->addWidget(sentence(
            tests.isEmpty()
                ? tr("No spelling test has been taken yet.")
                : tr("%n spelling test(s) taken. The last, on %1, scored %2.", "", tests.size())
                      .arg(dateOf(tests.first()), scoreOf(tests.first())),
            QStringLiteral("summary")));
        auto *parts = new QHBoxLayout;
        if (!tests.isEmpty())
            parts->addWidget(testsPart(tests), 3);
        parts->addWidget(wordsPart(missed, mastered), 2);
        layout->addLayout(parts, 1);
    }
    layout->addWidget(buttons());
}

QString ReportWindow::childName()
{
    const QList<progress::Child> children = m_store.children();
    const auto found = std::find_if(children.begin(), children.end(),
                                    [this](const progress::Child &c) { return c.id == m_child; });
    return found == children.end() ? QString() : found->name.trimmed();
}

QWidget *ReportWindow::testsPart(const QList<progress::TestResult> &tests)
{
    auto *table = new QTableWidget(int(tests.size()), 3);
    table->setObjectName(QStringLiteral("tests"));
    table->setHorizontalHeaderLabels({tr("Date"), tr("List"), tr("Score")});
    table->verticalHeader()->hide();
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < tests.size(); ++row) {
        const progress::TestResult &test = tests.at(row);
        table->setItem(row, 0, cell(dateOf(test)));
        table->setItem(row, 1, cell(test.list));
        QTableWidgetItem *score = cell(scoreOf(test));
        if (!test.finished) {
            QFont italic = table->font();
            italic.setItalic(true);
            score->setFont(italic);
        }
        table->setItem(row, 2, score);
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    auto *part = new QWidget;
    auto *layout = new QVBoxLayout(part);
    layout->setContentsMargins({});
    layout->addWidget(group(tr("Scores over time"), scoreChart(tests)), 3);
    layout->addWidget(group(tr("Spelling tests, the newest first"), table), 2);
    return part;
}

QWidget *ReportWindow::wordsPart(const QList<progress::Missed> &missed,
                                 const QStringList &mastered)
{
    QWidget *missedPart;
    if (missed.isEmpty()) {
        missedPart = sentence(tr("No word has been misspelt yet."), QStringLiteral("noneMissed"));
    } else {
        auto *tree = new QTreeWidget;
        tree->setObjectName(QStringLiteral("missed"));
        tree->setHeaderLabels({tr("Word"), tr("Misspelt"), tr("Typed as")});
        tree->setRootIsDecorated(false);
        tree->setAlternatingRowColors(true);
        tree->setSelectionMode(QAbstractItemView::NoSelection);
        for (const progress::Missed &word : missed)
            tree->addTopLevelItem(new QTreeWidgetItem(
                {word.word, tr("%n time(s)", "", word.times), word.typed.join(u", ")}));
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->header()->setStretchLastSection(true);
        missedPart = tree;
    }

    QWidget *masteredPart;
    if (mastered.isEmpty()) {
        masteredPart = sentence(tr("No word is mastered yet. A word is mastered once it is "
                                   "spelt right in the last two tests that asked for it."),
                                QStringLiteral("noneMastered"));
    } else {
        // The words flow as a text does, row after row.
        auto *list = new QListWidget;
        list->setObjectName(QStringLiteral("mastered"));
        list->setFlow(QListView::LeftToRight);
        list->setWrapping(true);
        list->setResizeMode(QListView::Adjust);
        list->setSpacing(4);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->addItems(mastered);
        masteredPart = list;
    }

    auto *part = new QWidget;
    auto *layout = new QVBoxLayout(part);
    layout->setContentsMargins({});
    layout->addWidget(group(tr("Words most often misspelt"), missedPart), 3);
    layout->addWidget(group(tr("Words mastered"), masteredPart), 2);
    return part;
}

QWidget *ReportWindow::buttons()
{
    auto *saveAs = new QPushButton(tr("Save As…"));
    saveAs->setObjectName(QStringLiteral("saveAs"));
    saveAs->setToolTip(tr("Saves every answer and test as a CSV file, for a teacher."));
    saveAs->setEnabled(!m_nothingYet);
    auto *practise = new QPushButton(tr("Practise The Hard Words"));
    practise->setObjectName(QStringLiteral("practise"));
    practise->setEnabled(!m_hardWords.isEmpty());
    practise->setToolTip(m_hardWords.isEmpty()
                             ? tr("No word has been misspelt yet.")
                             : tr("Makes the %n word(s) misspelt most the practice list.", "",
                                  m_hardWords.size()));
    auto *close = new QPushButton(tr("Close"));
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);

    connect(saveAs, &QPushButton::clicked, this, &ReportWindow::saveAsClicked);
    connect(practise, &QPushButton::clicked, this, &ReportWindow::practiseClicked);
    connect(close, &QPushButton::clicked, this, &ReportWindow::reject);

    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins({});
    layout->addWidget(saveAs);
    layout->addStretch();
    layout->addWidget(practise);
    layout->addWidget(close);
    return row;
}

void ReportWindow::practiseClicked()
{
    accept();
    if (m_practise)
        m_practise(m_hardWords);
}

void ReportWindow::saveAsClicked()
{
    const QString path =
        m_tools.dialogs.saveFileName(this, tr("CSV (*.csv) | *.csv"), m_tools.folder);
    if (path.isEmpty())
        return;
    if (!m_store.saveCsv(m_child, path))
        m_tools.messages.exclamation(this, windowTitle(),
                                     tr("\"%1\" could not be saved. Try another folder, or "
                                        "make room on the disk.")
                                         .arg(QFileInfo(path).fileName()));
}

void ReportWindow::placeOver(const QWidget *over)
{
    const QScreen *screen = over ? over->screen() : this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
    resize(Preferred.expandedTo(minimumSizeHint()).boundedTo(room.size() - frame));
    QRect placed(QPoint(), size() + frame);
    placed.moveCenter(over ? over->frameGeometry().center() : room.center());
    // Whole on the screen; where even the smallest the window can be is
    // larger, its top left corner is.
    placed.moveLeft(std::max(room.left(), std::min(placed.left(), room.right() + 1 - placed.width())));
    placed.moveTop(std::max(room.top(), std::min(placed.top(), room.bottom() + 1 - placed.height())));
    move(placed.topLeft());
}
