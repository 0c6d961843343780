// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmreport.h"

#include "ui/look.h"
#include "ui/twipslayout.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <utility>

namespace {

// Inner area as laid out, in twips.
constexpr int LayoutWidth = 11520;
constexpr int LayoutHeight = 7920;

constexpr qreal TextPoints = 9.75;
constexpr qreal HeadingPoints = 13.5;

// The words handed to the game to practise: a practice list's ten.
constexpr int HardWords = 10;
// The misspelt words listed, most often first.
constexpr int MissedShown = 20;

// Every control in layout order: object name, caption, left, top, width,
// height. The sentences told where there is nothing to show stand where
// that would have stood.
struct ControlPlace {
    const char *name;
    const char *caption;
    int left, top, width, height;
};
constexpr ControlPlace Controls[] = {
    {"lblChild", nullptr, 240, 120, 11040, 480},
    {"lblScores", QT_TRANSLATE_NOOP("frmReport", "Scores over time"), 240, 720, 6720, 300},
    {"chtScores", nullptr, 240, 1020, 6720, 3300},
    {"lblTests", QT_TRANSLATE_NOOP("frmReport", "Spelling tests, the newest first"), 240, 4440,
     6720, 300},
    {"grdTests", nullptr, 240, 4740, 6720, 2280},
    {"lblNoTests", QT_TRANSLATE_NOOP("frmReport", "No spelling test has been taken yet."), 240,
     1020, 6720, 6000},
    {"lblMissed", QT_TRANSLATE_NOOP("frmReport", "Words most often misspelt"), 7200, 720, 4080,
     300},
    {"lstMissed", nullptr, 7200, 1020, 4080, 3300},
    {"lblNoneMissed", QT_TRANSLATE_NOOP("frmReport", "No word has been misspelt yet."), 7200, 1020,
     4080, 3300},
    {"lblMastered", QT_TRANSLATE_NOOP("frmReport", "Words mastered (right in the last two tests)"),
     7200, 4440, 4080, 300},
    {"lstMastered", nullptr, 7200, 4740, 4080, 2280},
    {"lblNoneMastered", QT_TRANSLATE_NOOP("frmReport", "No word has been mastered yet."), 7200,
     4740, 4080, 2280},
    {"cmdSaveAs", QT_TRANSLATE_NOOP("frmReport", "Save As…"), 240, 7200, 1680, 480},
    {"cmdPractise", QT_TRANSLATE_NOOP("frmReport", "Practise The Hard Words"), 6720, 7200, 2880,
     480},
    {"cmdClose", QT_TRANSLATE_NOOP("frmReport", "Close"), 9840, 7200, 1440, 480},
};

constexpr const ControlPlace &placeOf(std::string_view name)
{
    return *std::find_if(std::begin(Controls), std::end(Controls),
                         [name](const ControlPlace &p) { return name == p.name; });
}

// The control of that name, placed where the table has it.
template<typename Control>
Control *make(TwipsLayout &layout, QWidget *window, std::string_view name)
{
    const ControlPlace &p = placeOf(name);
    auto *control = named(new Control(window), p.name);
    layout.place(control, QRect(p.left, p.top, p.width, p.height));
    if constexpr (std::is_base_of_v<QLabel, Control> || std::is_base_of_v<QPushButton, Control>)
        if (p.caption)
            control->setText(frmReport::tr(p.caption));
    return control;
}

QLabel *sentence(TwipsLayout &layout, QWidget *window, std::string_view name)
{
    auto *label = make<QLabel>(layout, window, name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel *caption(TwipsLayout &layout, QWidget *window, std::string_view name)
{
    auto *label = make<QLabel>(layout, window, name);
    layout.setFont(label, plainFont(TextPoints, true));
    return label;
}

QString dateOf(const progress::TestResult &test)
{
    return QLocale().toString(test.when.toLocalTime().date(), QLocale::ShortFormat);
}

QString scoreOf(const progress::TestResult &test)
{
    return (test.finished ? frmReport::tr("%1 of %2") : frmReport::tr("%1 of %2 (unfinished)"))
        .arg(test.right)
        .arg(test.total);
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

frmReport::frmReport(progress::Store &store, qint64 child, ProgressReport::Practise practise,
                     ReportTools tools, QWidget *over)
    : QDialog(over)
    , m_store(store)
    , m_child(child)
    , m_practise(std::move(practise))
    , m_tools(std::move(tools))
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(tr("How Are We Doing?"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The parent may make the window larger or smaller, and all in it
    // grows or shrinks with it.
    m_layout = new TwipsLayout(this, QSize(twips(LayoutWidth), twips(LayoutHeight)));
    m_layout->setFont(this, plainFont(TextPoints));
    createControls();
    m_layout->fitOnScreen(over);
}

frmReport::~frmReport() = default;

void frmReport::createControls()
{
    TwipsLayout &layout = *m_layout;
    auto *heading = make<QLabel>(layout, this, "lblChild");
    const QString name = childName();
    heading->setText(name.isEmpty() ? tr("How your child is doing")
                                    : tr("How %1 is doing").arg(name));
    layout.setFont(heading, plainFont(HeadingPoints, true));

    QList<progress::TestResult> tests = m_store.tests(m_child);
    std::stable_sort(tests.begin(), tests.end(),
                     [](const auto &a, const auto &b) { return a.when > b.when; });
    showTests(tests);
    showWords();

    m_hardWords = m_store.hardest(m_child, HardWords);
    cmdSaveAs = make<QPushButton>(layout, this, "cmdSaveAs");
    cmdPractise = make<QPushButton>(layout, this, "cmdPractise");
    cmdPractise->setEnabled(!m_hardWords.isEmpty());
    cmdClose = make<QPushButton>(layout, this, "cmdClose");
    cmdClose->setDefault(true);
    connect(cmdSaveAs, &QPushButton::clicked, this, &frmReport::cmdSaveAs_Click);
    connect(cmdPractise, &QPushButton::clicked, this, &frmReport::cmdPractise_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmReport::reject);
    cmdClose->setFocus();
}

QString frmReport::childName()
{
    const QList<progress::Child> children = m_store.children();
    const auto found = std::find_if(children.begin(), children.end(),
                                    [this](const progress::Child &c) { return c.id == m_child; });
    return found == children.end() ? QString() : found->name.trimmed();
}

void frmReport::showTests(const QList<progress::TestResult> &tests)
{
    TwipsLayout &layout = *m_layout;
    caption(layout, this, "lblScores");
    if (tests.isEmpty()) {
        sentence(layout, this, "lblNoTests");
        return;
    }
    QWidget *chart = scoreChart(tests);
    const ControlPlace &p = placeOf("chtScores");
    layout.place(named(chart, p.name), QRect(p.left, p.top, p.width, p.height));

    caption(layout, this, "lblTests");
    auto *table = make<QTableWidget>(layout, this, "grdTests");
    table->setColumnCount(3);
    table->setRowCount(int(tests.size()));
    table->setHorizontalHeaderLabels({tr("Date"), tr("List"), tr("Score")});
    table->verticalHeader()->hide();
    table->setAlternatingRowColors(true);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < tests.size(); ++row) {
        const progress::TestResult &test = tests.at(row);
        table->setItem(row, 0, cell(dateOf(test)));
        table->setItem(row, 1, cell(test.list));
        table->setItem(row, 2, cell(scoreOf(test)));
    }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

void frmReport::showWords()
{
    TwipsLayout &layout = *m_layout;
    caption(layout, this, "lblMissed");
    const QList<progress::Missed> missed = m_store.oftenMissed(m_child, MissedShown);
    if (missed.isEmpty()) {
        sentence(layout, this, "lblNoneMissed");
    } else {
        auto *tree = make<QTreeWidget>(layout, this, "lstMissed");
        tree->setHeaderLabels({tr("Word"), tr("Times"), tr("Typed as")});
        tree->setRootIsDecorated(false);
        tree->setAlternatingRowColors(true);
        tree->setSelectionMode(QAbstractItemView::NoSelection);
        for (const progress::Missed &word : missed)
            tree->addTopLevelItem(new QTreeWidgetItem(
                {word.word, QString::number(word.times), word.typed.join(tr(", "))}));
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        tree->header()->setStretchLastSection(true);
    }

    caption(layout, this, "lblMastered");
    const QStringList mastered = m_store.mastered(m_child);
    if (mastered.isEmpty()) {
        sentence(layout, this, "lblNoneMastered");
    } else {
        // The words flow as a text does, row after row.
        auto *list = make<QListWidget>(layout, this, "lstMastered");
        list->setFlow(QListView::LeftToRight);
        list->setWrapping(true);
        list->setResizeMode(QListView::Adjust);
        list->setSpacing(4);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->addItems(mastered);
    }
}

void frmReport::cmdPractise_Click()
{
    // Closed first: the game's practice list changes under no open report.
    accept();
    if (m_practise)
        m_practise(m_hardWords);
}

void frmReport::cmdSaveAs_Click()
{
    const QString path = m_tools.dialogs.saveFileName(this, tr("CSV (*.csv) | *.csv"),
                                                      m_tools.folder);
    if (path.isEmpty())
        return;
    if (!m_store.saveCsv(m_child, path))
        m_tools.messages.exclamation(this, windowTitle(),
                                     tr("\"%1\" could not be saved. Try another folder, or "
                                        "make room on the disk.")
                                         .arg(QFileInfo(path).fileName()));
}
