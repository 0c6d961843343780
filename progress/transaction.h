// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSqlDatabase>

namespace progress {

// One write, all of it or none: begun at construction, rolled back at the
// end of its scope unless committed. A commit that fails (a full disk) is
// rolled back as well, so the file holds what it held before.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase &db)
        : m_db(db)
        , m_begun(db.transaction())
    {}
    ~Transaction()
    {
        if (m_begun && !m_committed)
            m_db.rollback();
    }
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool begun() const { return m_begun; }
    bool commit()
    {
        m_committed = m_begun && m_db.commit();
        return m_committed;
    }

private:
    QSqlDatabase &m_db;
    bool m_begun;
    bool m_committed = false;
};

} // namespace progress
