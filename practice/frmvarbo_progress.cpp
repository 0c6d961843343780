// SPDX-License-Identifier: GPL-3.0-or-later

// Who is playing, the spelling test, and what is kept of each child's play:
// every answer as it is given, and where the child left off.

#include "practice/frmvarbo.h"

#include "base/randomsource.h"
#include "practice/whoisplaying.h"
#include "progress/progress.h"
#include "sound/keysounds.h"
#include "wordlist/grades.h"

#include <QAction>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

// How long a test shows a right word's tick, and a wrong word beside the
// attempt, before the next word is said; and how long a word nobody can
// say stands before it is covered.
constexpr int TickMs = 1000;
constexpr int ShownWrongMs = 2000;
constexpr int LookMs = 3000;

// The list a test or an answer came from, as the parent will read it.
QString gradeListName(const grades::Grade &grade)
{
    return QCoreApplication::translate("grades", grade.caption).remove(u'&');
}

} // namespace

void frmVarbo::takeUpProgress()
{
    progress::Store *store = m_services.store;
    if (!store)
        return;
    store->open();
    // More than one child named: the game asks who is playing, the one who
    // played last offered first.
    const QList<progress::Child> children = store->children();
    if (children.size() > 1) {
        askWhoIsPlaying();
        return;
    }
    store->choose(children.isEmpty() ? 0 : children.front().id);
    childChosen();
}

void frmVarbo::askWhoIsPlaying()
{
    if (!m_services.store)
        return;
    auto *who = new dlgWhoIsPlaying(*m_services.store, m_services.messages, this);
    who->setAttribute(Qt::WA_DeleteOnClose);
    const qint64 before = m_services.store->chosen();
    connect(who, &QDialog::finished, this, [this, before](int result) {
        if (result == QDialog::Accepted || m_services.store->chosen() != before)
            childChosen();
        else
            drawNote();
    });
    who->open();
}

void frmVarbo::mnuYoursWhoIsPlaying_Click()
{
    askWhoIsPlaying();
}

void frmVarbo::childChosen()
{
    takeUpPlace();
    // Told after the welcome, so that it is what the parent sees.
    tellTroubleOnce();
}

void frmVarbo::takeUpPlace()
{
    progress::Store &store = *m_services.store;
    m_childName.clear();
    for (const progress::Child &child : store.children()) {
        if (child.id == store.chosen())
            m_childName = child.name;
    }
    // Each child comes back to the list they left and the faces they had.
    const std::optional<progress::Place> place = store.place();
    if (!place) {
        hideNote(m_note);
        drawNote();
        keepPlace();
        return;
    }
    hideResult();
    m_listKind = place->kind;
    m_listSource = place->source;
    m_listName = place->list;
    if (place->kind == QLatin1String("grade"))
        listIsEnglish();
    else
        findListLanguage(place->vocabulary);
    m_play.resume(place->vocabulary, place->practice, place->faces);
    showNote(Note::Told, m_childName.isEmpty() ? tr("Welcome back!")
                                               : tr("Welcome back, %1!").arg(m_childName));
}

void frmVarbo::listInPlay(const QString &kind, const QString &source, const QString &name)
{
    m_listKind = kind;
    m_listSource = source;
    m_listName = name;
}

void frmVarbo::gradeInPlay(const grades::Grade &grade)
{
    listInPlay(QStringLiteral("grade"), grades::fileName(grade), gradeListName(grade));
}

void frmVarbo::keepPlace()
{
    if (!m_services.store)
        return;
    m_services.store->keepPlace({m_listKind, m_listSource, m_listName, m_play.vocabulary(),
                                 m_play.practiceList(), m_play.intFaceCount()});
    tellTroubleOnce();
}

void frmVarbo::recordAnswer(const progress::Answer &answer)
{
    if (!m_services.store)
        return;
    m_services.store->record(answer);
    tellTroubleOnce();
}

void frmVarbo::tellTroubleOnce()
{
    // A game that cannot keep progress plays on; the parent is told once.
    if (m_troubleTold || !m_services.store || m_services.store->trouble().isEmpty())
        return;
    m_troubleTold = true;
    showNote(Note::Told, m_services.store->trouble());
}

void frmVarbo::mnuOursHowAreWeDoing_Click()
{
    if (!m_services.store || !m_services.report)
        return;
    m_services.report->show(this, *m_services.store, m_services.store->chosen(),
                            [this](const QStringList &words) { practiseWords(words); });
}

void frmVarbo::practiseWords(const QStringList &words)
{
    if (words.isEmpty())
        return;
    hideResult();
    hideNote(m_note);
    m_play.practise(words);
}

void frmVarbo::mnuFileSpellingTest_Click()
{
    // The list as last drawn, opened or added to, in a new order.
    QStringList words;
    for (const QString &entry : m_play.testList()) {
        if (!VocabFile::isBlank(entry))
            words.append(entry);
    }
    if (words.isEmpty()) {
        showNote(Note::Told, tr("There are no words to test yet. Choose a Grade Level, or open "
                                "a list, first."));
        return;
    }
    m_services.random.reseed();
    for (qsizetype i = words.size() - 1; i > 0; --i)
        words.swapItemsAt(i, draw::pickRow(int(i) + 1, m_services.random.next()));
    hideResult();
    hideNote(m_note);
    QStringList asked;
    for (const QString &entry : words)
        asked.append(VocabFile::shownAs(entry));
    m_testId = m_services.store ? m_services.store->startTest(m_listName, asked) : 0;
    tellTroubleOnce();
    ++m_testStep;
    m_play.StartTest(words);
    askTestWord();
}

void frmVarbo::askTestWord()
{
    // Said with its sentence, as a teacher says it, whether or not the
    // words are said in practice. Where no voice can say it, the word is
    // shown for a moment and then covered: look, cover, write.
    if (m_services.speaker.languages().isEmpty()) {
        m_play.showTestWord(true);
        const int step = m_testStep;
        QTimer::singleShot(LookMs, this, [this, step] {
            if (step == m_testStep)
                m_play.showTestWord(false);
        });
        return;
    }
    sayTheWord(true);
}

void frmVarbo::testWordAnswered(bool right)
{
    // A right word shows its tick, a wrong one the word beside the
    // attempt; a moment later the next word is asked.
    imgTick->setVisible(right);
    const int step = ++m_testStep;
    QTimer::singleShot(right ? TickMs : ShownWrongMs, this, [this, step] {
        if (step == m_testStep && m_play.inTest())
            nextTestWord();
    });
}

void frmVarbo::nextTestWord()
{
    imgTick->hide();
    if (m_play.NextTestWord()) {
        askTestWord();
        return;
    }
    if (m_services.store)
        m_services.store->finishTest(m_testId);
    showResult();
}

void frmVarbo::showResult()
{
    int right = 0;
    QStringList missed;
    lstMissed->clear();
    for (const PlayModel::TestAnswer &answer : m_play.testAnswers()) {
        if (answer.right) {
            ++right;
            continue;
        }
        missed.append(answer.entry);
        lstMissed->addItem(answer.typed.trimmed().isEmpty()
                               ? answer.word
                               : tr("%1 (not %2)").arg(answer.word, answer.typed.trimmed()));
    }
    m_testMissed = missed;
    m_resultFaces = std::min(right, PlayModel::Faces);
    lblScore->setText(tr("%1 of %2").arg(right).arg(m_play.testSize()));
    lblMissedTitle->setText(missed.isEmpty() ? tr("Every word right!") : tr("Words to practise:"));
    cmdPractiseThese->setEnabled(!missed.isEmpty());
    fraResult->show();
    fraResult->raise();
    drawPlay();
    if (right > 0)
        playProgramWave(QString::fromLatin1(keysounds::Applause));
}

void frmVarbo::hideResult()
{
    if (fraResult->isHidden() && m_resultFaces == 0)
        return;
    fraResult->hide();
    m_resultFaces = 0;
    drawPlay();
}

void frmVarbo::cmdPractiseThese_Click()
{
    practiseWords(m_testMissed);
}

void frmVarbo::cmdResultDone_Click()
{
    hideResult();
}

void frmVarbo::drawNote()
{
    // The child's name on the first line; the latest note below it.
    QStringList lines;
    if (!m_childName.isEmpty())
        lines.append(m_childName);
    if (!m_noteText.isEmpty())
        lines.append(m_noteText);
    notePlace->setText(lines.join(u'\n'));
    notePlace->setVisible(!lines.isEmpty());
}
