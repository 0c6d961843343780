// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Stands by while the code under test is handed a FIFO (a named pipe) that
// no one writes to. Opening one for reading waits for a writer, for ever:
// if the code has not finished by the end of the watchdog's patience, the
// watchdog opens the writing end itself, so that a stuck open returns and
// the test reports the wait instead of hanging.

#include <QFile>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

class FifoWatchdog
{
public:
    explicit FifoWatchdog(const QString &fifo,
                          std::chrono::milliseconds patience = std::chrono::seconds(5))
        : m_name(QFile::encodeName(fifo))
    {
        m_thread = std::thread([this, patience] {
            std::unique_lock lock(m_mutex);
            if (m_woken.wait_for(lock, patience, [this] { return m_finished; }))
                return;
            m_stepIn = true;
            const int fd = ::open(m_name.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        });
    }
    ~FifoWatchdog() { finished(); }
    FifoWatchdog(const FifoWatchdog &) = delete;
    FifoWatchdog &operator=(const FifoWatchdog &) = delete;

    // To be called once the code under test has returned: true when it did
    // so within the patience, without the watchdog stepping in.
    bool finished()
    {
        {
            std::lock_guard lock(m_mutex);
            m_finished = true;
        }
        m_woken.notify_one();
        if (m_thread.joinable())
            m_thread.join();
        return !m_stepIn;
    }

private:
    QByteArray m_name;
    std::mutex m_mutex;
    std::condition_variable m_woken;
    bool m_finished = false;
    bool m_stepIn = false;
    std::thread m_thread;
};
