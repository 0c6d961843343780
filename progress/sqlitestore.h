// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress/progress.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QVariantList>

#include <functional>
#include <memory>

class QSqlQuery;

namespace progress {

// The store in an SQLite file, through Qt SQL's driver plugin, which is
// loaded by open() and not before: building the store reads nothing.
//
// The file is held for the whole run (a second game finds it in use and
// keeps nothing), and every change is its own transaction, committed before
// the call returns. A file that cannot be opened, read or written, is
// damaged, another program's or a newer game's, leaves the store empty for
// the rest of the run with trouble() saying why; such a file is never
// written to, and a write that fails (a full disk) leaves the file as the
// last commit left it.
class SqliteStore final : public Store
{
    Q_DECLARE_TR_FUNCTIONS(SqliteStore)

public:
    // The time now, in UTC; the tests and the benchmark give times of their
    // own.
    using Clock = std::function<QDateTime()>;

    // The file is progress.sqlite in `folder` (the game's data folder,
    // ~/.local/share/Quillobrite), made with its folder by open().
    explicit SqliteStore(const QString &folder, Clock now = {});
    ~SqliteStore() override;
    SqliteStore(const SqliteStore &) = delete;
    SqliteStore &operator=(const SqliteStore &) = delete;

    static constexpr auto FileName = "progress.sqlite";
    QString path() const { return m_path; }

    void open() override;
    QString trouble() const override { return m_trouble; }

    QList<Child> children() override;
    std::optional<qint64> addChild(const QString &name) override;
    bool renameChild(qint64 id, const QString &name) override;
    bool deleteChild(qint64 id) override;
    void choose(qint64 child) override;
    qint64 chosen() const override;

    void record(const Answer &answer) override;
    qint64 startTest(const QString &list, const QStringList &words) override;
    void finishTest(qint64 test) override;
    void keepPlace(const Place &place) override;
    std::optional<Place> place() override;

    QList<TestResult> tests(qint64 child) override;
    QList<Missed> oftenMissed(qint64 child, int most) override;
    QStringList mastered(qint64 child) override;
    QStringList hardest(qint64 child, int most) override;
    bool saveCsv(qint64 child, const QString &path) override;

private:
    enum class Fault { NoDriver, NotAFile, InUse, Damaged, Foreign, Newer, Unwritable };

    bool keeping() const { return m_db.isOpen(); }
    bool adopt();
    // Statements with their values bound in order; a failure is kept in
    // m_error.
    bool run(QSqlQuery &query, const QString &sql, const QVariantList &values = {});
    // A statement whose rows are read next; nullptr, the store given up,
    // on a failure.
    std::unique_ptr<QSqlQuery> select(const QString &sql, const QVariantList &values = {});
    // Whether the rows were read to their end; gives up if not.
    bool readToEnd(QSqlQuery &query);
    // The statements run by `steps` as one transaction; gives up if any
    // fails.
    bool write(const std::function<bool(QSqlQuery &)> &steps);
    std::optional<Child> childNamed(const QString &name);
    bool isChild(qint64 id);
    void giveUp(Fault fault);
    void giveUp();
    qint64 now() const;

    QString m_path;
    Clock m_now;
    QString m_connection;
    QSqlDatabase m_db;
    bool m_opened = false;
    // Whether the file was taken and brought up to date.
    bool m_adopted = false;
    QString m_trouble;
    QSqlError m_error;
    qint64 m_chosen = 0;
};

} // namespace progress
