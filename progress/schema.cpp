// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/schema.h"

#include "progress/transaction.h"

#include <QSqlQuery>

#include <array>
#include <initializer_list>

namespace progress::schema {

namespace {

// Each step takes the file from the version before it to the next. A
// change to the tables is a new step at the end; a step once released is
// never changed, since files out there are at every version.
//
// Times are milliseconds since 1970 in UTC. Child 0, the unnamed player,
// has no row: its records are kept all the same. Ids are never handed out
// twice (AUTOINCREMENT), so a deleted child's id names nobody afterwards.
const std::array<std::initializer_list<const char *>, 1> Steps{{
    // 0 to 1: the first tables (and the file marked as the game's).
    {
        "CREATE TABLE children ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " name TEXT NOT NULL,"
        " played INTEGER)", // when last chosen; NULL for never
        // Every answer: in practice its stage (0 to 3), in a test -1 and
        // the test's id.
        "CREATE TABLE answers ("
        " id INTEGER PRIMARY KEY,"
        " child INTEGER NOT NULL,"
        " at INTEGER NOT NULL,"
        " list TEXT NOT NULL,"
        " word TEXT NOT NULL,"
        " typed TEXT NOT NULL,"
        " right INTEGER NOT NULL,"
        " stage INTEGER NOT NULL,"
        " test INTEGER)",
        // A child's answers by the word, wrong ones apart: what the words
        // missed and the hardest words are counted from, and the CSV.
        "CREATE INDEX answers_by_child ON answers (child, right, word, at)",
        "CREATE INDEX answers_by_test ON answers (test) WHERE test IS NOT NULL",
        // The words asked, as a JSON array, in order.
        "CREATE TABLE tests ("
        " id INTEGER PRIMARY KEY AUTOINCREMENT,"
        " child INTEGER NOT NULL,"
        " at INTEGER NOT NULL,"
        " list TEXT NOT NULL,"
        " words TEXT NOT NULL,"
        " finished INTEGER NOT NULL DEFAULT 0)",
        "CREATE INDEX tests_by_child ON tests (child, at)",
        // Where each child left off; the lists as JSON arrays.
        "CREATE TABLE places ("
        " child INTEGER PRIMARY KEY,"
        " kind TEXT NOT NULL,"
        " source TEXT NOT NULL,"
        " list TEXT NOT NULL,"
        " vocabulary TEXT NOT NULL,"
        " practice TEXT NOT NULL,"
        " faces INTEGER NOT NULL)",
        // The child chosen last ("chosen").
        "CREATE TABLE settings (key TEXT PRIMARY KEY, value) WITHOUT ROWID",
    },
}};

} // namespace

int version()
{
    return int(Steps.size());
}

bool migrate(QSqlDatabase &db, int from, QSqlError *error)
{
    for (int step = from; step < version(); ++step) {
        Transaction transaction(db);
        QSqlQuery query(db);
        bool ok = transaction.begun();
        if (step == 0)
            ok = ok && query.exec(QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId));
        for (const char *statement : Steps[step])
            ok = ok && query.exec(QString::fromLatin1(statement));
        ok = ok && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(step + 1));
        query.finish();
        if (!ok || !transaction.commit()) {
            *error = query.lastError().isValid() ? query.lastError() : db.lastError();
            return false;
        }
    }
    return true;
}

} // namespace progress::schema
