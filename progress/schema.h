// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlDatabase>
#include <QSqlError>

namespace progress::schema {

// The version of the tables this program writes, kept in the file's
// header (PRAGMA user_version); a file of a later version is left alone.
int version();
// What the file's header says of the program it belongs to (PRAGMA
// application_id), so that another program's database is never taken for
// ours and written into.
constexpr int ApplicationId = 0x51425047; // "QBPG"

// Brings a file of an older version forward, one version at a time, each
// step in a transaction of its own that also writes the version it
// reaches: a step cut short leaves the file at the one before. False, with
// the error, at the first step that fails.
bool migrate(QSqlDatabase &db, int from, QSqlError *error);

} // namespace progress::schema
