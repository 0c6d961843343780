// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/sqlitestore.h"

#include "base/log.h"
#include "progress/csv.h"
#include "progress/schema.h"
#include "progress/transaction.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlQuery>

#include <algorithm>
#include <atomic>

namespace progress {

namespace {

// SQLite's primary result codes that say why a statement failed (the
// driver hands out the extended ones; their low byte is the primary).
enum SqliteCode { Busy = 5, Locked = 6, Corrupt = 11, NotADatabase = 26 };

// A second game waits this long for the file, then keeps nothing rather
// than hang the window.
constexpr auto ConnectOptions = "QSQLITE_BUSY_TIMEOUT=200";

QString listText(const QStringList &list)
{
    return QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(list)).toJson(QJsonDocument::Compact));
}

QStringList listOf(const QString &text)
{
    QStringList list;
    const QJsonArray array = QJsonDocument::fromJson(text.toUtf8()).array();
    for (const auto &value : array)
        list.append(value.toString());
    return list;
}

QDateTime timeOf(const QVariant &milliseconds)
{
    return QDateTime::fromMSecsSinceEpoch(milliseconds.toLongLong(), Qt::UTC);
}

} // namespace

SqliteStore::SqliteStore(const QString &folder, Clock now)
    : m_path(QDir(folder).filePath(QLatin1String(FileName)))
    , m_now(now ? std::move(now) : Clock(&QDateTime::currentDateTimeUtc))
{
    static std::atomic<int> stores{0};
    m_connection = QStringLiteral("quillobrite-progress-%1").arg(++stores);
}

SqliteStore::~SqliteStore()
{
    if (!m_opened)
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connection);
}

qint64 SqliteStore::now() const
{
    return m_now().toMSecsSinceEpoch();
}

void SqliteStore::open()
{
    if (m_opened)
        return;
    m_opened = true;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return giveUp(Fault::NoDriver);
    // A FIFO would hang the first read; a folder cannot be opened at all.
    const QFileInfo file(m_path);
    if (file.exists() && !file.isFile())
        return giveUp(Fault::NotAFile);
    if (!QDir().mkpath(file.absolutePath()))
        return giveUp(Fault::Unwritable);
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QString::fromLatin1(ConnectOptions));
    if (!m_db.open()) {
        m_error = m_db.lastError();
        return giveUp();
    }
    if (!adopt())
        return;
    if (const auto chosen = select(
            QStringLiteral("SELECT value FROM settings WHERE key = 'chosen'"));
        chosen && chosen->next()) {
        const qint64 child = chosen->value(0).toLongLong();
        chosen->finish();
        m_chosen = isChild(child) ? child : 0;
    }
}

// Reads what the file is before anything is written to it; only a file that
// is empty, or the game's own of this version or an older one, and sound,
// is taken and brought up to date.
bool SqliteStore::adopt()
{
    QSqlQuery query(m_db);
    // The file stays locked from the first read to the end of the run, so a
    // second game cannot write between this one's reads and writes.
    // (Exclusive mode also keeps WAL's index in memory: no -shm file.)
    bool ok = run(query, QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
    qint64 facts[3] = {};
    const char *const questions[3] = {"PRAGMA application_id", "PRAGMA user_version",
                                      "SELECT count(*) FROM sqlite_schema"};
    for (int i = 0; ok && i < 3; ++i) {
        ok = run(query, QString::fromLatin1(questions[i])) && query.next();
        if (ok)
            facts[i] = query.value(0).toLongLong();
    }
    if (!ok) {
        query.finish();
        giveUp();
        return false;
    }
    const auto [application, version, objects] = facts;
    if (application != schema::ApplicationId && (objects > 0 || version != 0)) {
        giveUp(Fault::Foreign);
        return false;
    }
    if (version > schema::version()) {
        giveUp(Fault::Newer);
        return false;
    }
    if (!run(query, QStringLiteral("PRAGMA quick_check(1)")) || !query.next()
        || query.value(0).toString() != QLatin1String("ok")) {
        query.finish();
        giveUp(Fault::Damaged);
        return false;
    }
    // Write-ahead logging with synchronous=NORMAL: a commit is one write to
    // the log, with no wait for the disk, so an answer is kept in well under
    // a millisecond. A committed transaction survives the game being killed
    // (the log is in the system's hands, and the next open reads it back);
    // only a power cut may take back the last few answers, never damage the
    // file.
    ok = run(query, QStringLiteral("PRAGMA journal_mode = WAL")) && query.next()
         && query.value(0).toString() == QLatin1String("wal")
         && run(query, QStringLiteral("PRAGMA synchronous = NORMAL"));
    query.finish();
    if (!ok) {
        giveUp(Fault::Unwritable);
        return false;
    }
    if (!schema::migrate(m_db, int(version), &m_error)) {
        giveUp();
        return false;
    }
    m_adopted = true;
    return true;
}

// Words for the parent, shown once by the window; the details, with the
// file's path and SQLite's own words, go to the log.
void SqliteStore::giveUp(Fault fault)
{
    switch (fault) {
    case Fault::NoDriver:
        m_trouble = tr("Progress is not being kept: the SQLite driver for Qt is not installed.");
        break;
    case Fault::NotAFile:
    case Fault::Unwritable:
        m_trouble = m_adopted
                        ? tr("Progress is no longer being kept: the disk is full or cannot be "
                             "written to.")
                        : tr("Progress is not being kept: its folder cannot be written to.");
        break;
    case Fault::InUse:
        m_trouble = tr("Progress is not being kept: another game is using it.");
        break;
    case Fault::Damaged:
        m_trouble = tr("Progress is not being kept: its file is damaged, and is left as it is.");
        break;
    case Fault::Foreign:
        m_trouble = tr("Progress is not being kept: another program's file is in its place, "
                       "and is left as it is.");
        break;
    case Fault::Newer:
        m_trouble = tr("Progress is not being kept: a newer version of the game keeps it.");
        break;
    }
    noteOnce(lcProgress(), m_path, m_error.isValid() ? m_error.text() : m_trouble);
    if (m_db.isOpen())
        m_db.close();
}

// Gives up for the SQLite error kept in m_error.
void SqliteStore::giveUp()
{
    const int code = m_error.nativeErrorCode().toInt() & 0xff;
    if (code == Busy || code == Locked)
        return giveUp(Fault::InUse);
    if (code == Corrupt || code == NotADatabase)
        return giveUp(Fault::Damaged);
    giveUp(Fault::Unwritable);
}

bool SqliteStore::run(QSqlQuery &query, const QString &sql, const QVariantList &values)
{
    bool ok = query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    ok = ok && query.exec();
    if (!ok)
        m_error = query.lastError();
    return ok;
}

std::unique_ptr<QSqlQuery> SqliteStore::select(const QString &sql, const QVariantList &values)
{
    if (!keeping())
        return nullptr;
    auto query = std::make_unique<QSqlQuery>(m_db);
    query->setForwardOnly(true);
    if (run(*query, sql, values))
        return query;
    query.reset();
    giveUp();
    return nullptr;
}

bool SqliteStore::readToEnd(QSqlQuery &query)
{
    if (!query.lastError().isValid())
        return true;
    m_error = query.lastError();
    giveUp();
    return false;
}

bool SqliteStore::write(const std::function<bool(QSqlQuery &)> &steps)
{
    if (!keeping())
        return false;
    m_error = QSqlError();
    bool ok = false;
    {
        Transaction transaction(m_db);
        QSqlQuery query(m_db);
        ok = transaction.begun() && steps(query);
        query.finish();
        ok = ok && transaction.commit();
        if (!ok && !m_error.isValid())
            m_error = m_db.lastError();
    }
    if (!ok)
        giveUp();
    return ok;
}

QList<Child> SqliteStore::children()
{
    QList<Child> out;
    if (auto query = select(QStringLiteral(
            "SELECT id, name FROM children ORDER BY played IS NULL, played DESC, id"))) {
        while (query->next())
            out.append({query->value(0).toLongLong(), query->value(1).toString()});
        if (!readToEnd(*query))
            return {};
    }
    return out;
}

// Names are told apart as a parent would, whatever their case ("Émile" is
// "ÉMILE").
std::optional<Child> SqliteStore::childNamed(const QString &name)
{
    for (const Child &child : children()) {
        if (child.name.compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return std::nullopt;
}

bool SqliteStore::isChild(qint64 id)
{
    const QList<Child> all = children();
    return std::any_of(all.begin(), all.end(), [id](const Child &c) { return c.id == id; });
}

std::optional<qint64> SqliteStore::addChild(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || childNamed(trimmed))
        return std::nullopt;
    qint64 id = 0;
    if (!write([&](QSqlQuery &query) {
            if (!run(query, QStringLiteral("INSERT INTO children (name) VALUES (?)"), {trimmed}))
                return false;
            id = query.lastInsertId().toLongLong();
            return true;
        }))
        return std::nullopt;
    return id;
}

bool SqliteStore::renameChild(qint64 id, const QString &name)
{
    const QString trimmed = name.trimmed();
    const auto named = childNamed(trimmed);
    if (trimmed.isEmpty() || !isChild(id) || (named && named->id != id))
        return false;
    return write([&](QSqlQuery &query) {
        return run(query, QStringLiteral("UPDATE children SET name = ? WHERE id = ?"),
                   {trimmed, id});
    });
}

bool SqliteStore::deleteChild(qint64 id)
{
    if (!isChild(id))
        return false;
    const bool ok = write([&](QSqlQuery &query) {
        for (const char *table : {"answers", "tests", "places"}) {
            if (!run(query,
                     QStringLiteral("DELETE FROM %1 WHERE child = ?").arg(QLatin1String(table)),
                     {id}))
                return false;
        }
        return run(query, QStringLiteral("DELETE FROM children WHERE id = ?"), {id})
               && (m_chosen != id
                   || run(query, QStringLiteral("DELETE FROM settings WHERE key = 'chosen'")));
    });
    if (ok && m_chosen == id)
        m_chosen = 0;
    return ok;
}

void SqliteStore::choose(qint64 child)
{
    if (child != 0 && !isChild(child))
        return;
    if (write([&](QSqlQuery &query) {
            return run(query, QStringLiteral("UPDATE children SET played = ? WHERE id = ?"),
                       {now(), child})
                   && run(query,
                          QStringLiteral("INSERT OR REPLACE INTO settings VALUES ('chosen', ?)"),
                          {child});
        }))
        m_chosen = child;
}

qint64 SqliteStore::chosen() const
{
    return keeping() ? m_chosen : 0;
}

void SqliteStore::record(const Answer &answer)
{
    write([&](QSqlQuery &query) {
        return run(query,
                   QStringLiteral("INSERT INTO answers (child, at, list, word, typed, right, "
                                  "stage, test) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                   {m_chosen, now(), answer.list, answer.word, answer.typed, int(answer.right),
                    answer.stage, answer.test != 0 ? QVariant(answer.test) : QVariant()});
    });
}

qint64 SqliteStore::startTest(const QString &list, const QStringList &words)
{
    qint64 id = 0;
    write([&](QSqlQuery &query) {
        if (!run(query,
                 QStringLiteral("INSERT INTO tests (child, at, list, words) VALUES (?, ?, ?, ?)"),
                 {m_chosen, now(), list, listText(words)}))
            return false;
        id = query.lastInsertId().toLongLong();
        return true;
    });
    return keeping() ? id : 0;
}

void SqliteStore::finishTest(qint64 test)
{
    write([&](QSqlQuery &query) {
        return run(query, QStringLiteral("UPDATE tests SET finished = 1 WHERE id = ?"), {test});
    });
}

void SqliteStore::keepPlace(const Place &place)
{
    write([&](QSqlQuery &query) {
        return run(query,
                   QStringLiteral("INSERT OR REPLACE INTO places (child, kind, source, list, "
                                  "vocabulary, practice, faces) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                   {m_chosen, place.kind, place.source, place.list, listText(place.vocabulary),
                    listText(place.practice), place.faces});
    });
}

std::optional<Place> SqliteStore::place()
{
    auto query = select(QStringLiteral("SELECT kind, source, list, vocabulary, practice, faces "
                                       "FROM places WHERE child = ?"),
                        {m_chosen});
    if (!query || !query->next()) {
        if (query)
            readToEnd(*query);
        return std::nullopt;
    }
    return Place{query->value(0).toString(),         query->value(1).toString(),
                 query->value(2).toString(),         listOf(query->value(3).toString()),
                 listOf(query->value(4).toString()), query->value(5).toInt()};
}

QList<TestResult> SqliteStore::tests(qint64 child)
{
    QList<TestResult> out;
    auto query = select(
        QStringLiteral("SELECT t.id, t.at, t.list, t.finished, json_array_length(t.words),"
                       " count(a.id), coalesce(sum(a.right), 0)"
                       " FROM tests t LEFT JOIN answers a ON a.test = t.id"
                       " WHERE t.child = ? GROUP BY t.id ORDER BY t.at, t.id"),
        {child});
    if (!query)
        return out;
    while (query->next()) {
        TestResult test;
        test.id = query->value(0).toLongLong();
        test.when = timeOf(query->value(1));
        test.list = query->value(2).toString();
        test.finished = query->value(3).toBool();
        test.total = query->value(4).toInt();
        test.answered = query->value(5).toInt();
        test.right = query->value(6).toInt();
        out.append(test);
    }
    return readToEnd(*query) ? out : QList<TestResult>();
}

// The words missed most often, the one missed last first among equals; the
// attempts at each, each once, the latest first.
QList<Missed> SqliteStore::oftenMissed(qint64 child, int most)
{
    QList<Missed> out;
    if (auto query = select(QStringLiteral("SELECT word, count(*) AS times FROM answers"
                                           " WHERE child = ? AND right = 0 GROUP BY word"
                                           " ORDER BY times DESC, max(at) DESC, word LIMIT ?"),
                            {child, most})) {
        while (query->next())
            out.append({query->value(0).toString(), query->value(1).toInt(), {}});
        if (!readToEnd(*query))
            return {};
    }
    for (Missed &missed : out) {
        auto query = select(QStringLiteral("SELECT typed FROM answers"
                                           " WHERE child = ? AND right = 0 AND word = ?"
                                           " GROUP BY typed ORDER BY max(at) DESC, max(id) DESC"),
                            {child, missed.word});
        if (!query)
            return {};
        while (query->next())
            missed.typed.append(query->value(0).toString());
        if (!readToEnd(*query))
            return {};
    }
    return out;
}

// A word is mastered when the child spelled it right in each of the last two
// of their tests that asked it (a word asked twice in a test must be right
// both times); a word one test asked is not mastered yet.
QStringList SqliteStore::mastered(qint64 child)
{
    QStringList out;
    auto query = select(
        QStringLiteral("WITH asked AS ("
                       "  SELECT a.word, t.id AS test, t.at, min(a.right) AS right"
                       "  FROM tests t JOIN answers a ON a.test = t.id"
                       "  WHERE t.child = ? GROUP BY a.word, t.id),"
                       " latest AS ("
                       "  SELECT word, right, row_number() OVER"
                       "   (PARTITION BY word ORDER BY at DESC, test DESC) AS n FROM asked)"
                       " SELECT word FROM latest WHERE n <= 2"
                       " GROUP BY word HAVING count(*) = 2 AND min(right) = 1 ORDER BY word"),
        {child});
    if (!query)
        return out;
    while (query->next())
        out.append(query->value(0).toString());
    return readToEnd(*query) ? out : QStringList();
}

// The hardest words are those with the most wrong answers, each wrong answer
// weighing 30 / (30 + its age in days): one today counts 1, a month ago 1/2,
// two months ago 1/3. So a word missed often lately comes before one missed
// as often long ago and spelled right since, and old misses fade without
// ever counting for nothing. Equal weights go to the word missed last.
QStringList SqliteStore::hardest(qint64 child, int most)
{
    QStringList out;
    auto query = select(
        QStringLiteral("SELECT word FROM answers WHERE child = ? AND right = 0 GROUP BY word"
                       " ORDER BY sum(30.0 / (30.0 + max(0, ? - at) / 86400000.0)) DESC,"
                       " max(at) DESC, word LIMIT ?"),
        {child, now(), most});
    if (!query)
        return out;
    while (query->next())
        out.append(query->value(0).toString());
    return readToEnd(*query) ? out : QStringList();
}

// One line for each answer and one for each test, in the order they came,
// local times as a spreadsheet reads them: a test's line comes before its
// answers, with its score. Written beside the file and renamed over it once
// whole.
bool SqliteStore::saveCsv(qint64 child, const QString &path)
{
    const QList<TestResult> testsTaken = tests(child);
    auto query = select(QStringLiteral("SELECT at, list, word, typed, right, test"
                                       " FROM answers WHERE child = ? ORDER BY at, id"),
                        {child});
    if (!query)
        return false;
    const auto when = [](const QDateTime &time) {
        return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    };
    QByteArray text = csv::line(
        {tr("when"), tr("kind"), tr("list"), tr("word"), tr("typed"), tr("right")});
    auto test = testsTaken.cbegin();
    const auto testsUntil = [&](const QDateTime &time) {
        for (; test != testsTaken.cend() && (!time.isValid() || test->when <= time); ++test) {
            text += csv::line({when(test->when),
                               test->finished ? tr("test") : tr("test, unfinished"),
                               test->list,
                               {},
                               {},
                               tr("%1 of %2").arg(test->right).arg(test->total)});
        }
    };
    while (query->next()) {
        const QDateTime at = timeOf(query->value(0));
        testsUntil(at);
        text += csv::line({when(at), query->value(5).isNull() ? tr("practice") : tr("test answer"),
                           query->value(1).toString(), query->value(2).toString(),
                           query->value(3).toString(),
                           query->value(4).toBool() ? tr("yes") : tr("no")});
    }
    if (!readToEnd(*query))
        return false;
    testsUntil({});
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

} // namespace progress
