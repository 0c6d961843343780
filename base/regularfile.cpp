// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int openRegularFile(const QString &path, int accessFlags)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty())
        return -1;
    const int flags = (accessFlags & (O_ACCMODE | O_CREAT)) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    int fd;
    do {
        fd = ::open(name.constData(), flags, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = NotRegularFile;
        return -1;
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl >= 0)
        ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    return fd;
}
