// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A file in memory with a path, so that a fuzz input reaches the code under
// test through the same open() by name that a file on disk takes.

#include <QString>

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

class MemFile
{
public:
    explicit MemFile(const char *name)
        : m_fd(::memfd_create(name, MFD_CLOEXEC))
    {
        if (m_fd < 0)
            std::abort();
    }
    ~MemFile() { ::close(m_fd); }

    // Replaces the contents with the given bytes.
    void fill(const uint8_t *data, size_t size) const
    {
        if (::ftruncate(m_fd, 0) != 0)
            std::abort();
        size_t done = 0;
        while (done < size) {
            const ssize_t put = ::pwrite(m_fd, data + done, size - done, off_t(done));
            if (put <= 0)
                std::abort();
            done += size_t(put);
        }
    }
    off_t size() const
    {
        const off_t end = ::lseek(m_fd, 0, SEEK_END);
        return end;
    }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

private:
    int m_fd;
};
