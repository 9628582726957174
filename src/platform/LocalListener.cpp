// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocalListener.h"

#include "platform/RetireNotifier.h"
#include "platform/UnixAddress.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

namespace platform {
namespace {

QString systemError(const char* step) {
    return QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
}

// Removes the private folder and anything bound in it, keeping errno for the caller's message.
void removeFolder(const QByteArray& folder, const QByteArray& socketFile) {
    const int saved = errno;
    ::unlink(socketFile.constData());
    ::rmdir(folder.constData());
    errno = saved;
}

} // namespace

LocalListener::LocalListener(QObject* parent) : QObject(parent) {}

LocalListener::~LocalListener() {
    close();
}

bool LocalListener::listen(const QString& path, int backlog, QString* error) {
    QString ignored;
    QString& why = error ? *error : ignored;
    close();
    const QByteArray target = QFile::encodeName(path);
    if (!UnixAddress::of(target)) {
        why = QStringLiteral("the socket path is empty or longer than a socket address holds");
        return false;
    }
    // mkdtemp makes the folder with mode 0700; the socket inside takes the process's umask, which
    // may let others in, until the chmod below. Nobody else can reach it in between.
    QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.XXXXXX";
    if (!::mkdtemp(folder.data())) {
        why = systemError("mkdtemp");
        return false;
    }
    const QByteArray inFolder = folder + "/s";
    const auto address = UnixAddress::of(inFolder);
    UniqueFd fd(openUnixStreamSocket());
    const char* failed = nullptr;
    if (!address) {
        errno = ENAMETOOLONG;
        failed = "bind";
    } else if (!fd)
        failed = "socket";
    else if (::bind(fd.get(), address->get(), address->length) != 0)
        failed = "bind";
    else if (::listen(fd.get(), backlog) != 0)
        failed = "listen";
    else if (::chmod(inFolder.constData(), S_IRUSR | S_IWUSR) != 0)
        failed = "chmod";
    else if (::rename(inFolder.constData(), target.constData()) != 0)
        failed = "rename";
    struct stat file {};
    if (!failed && ::lstat(target.constData(), &file) != 0)
        failed = "lstat";
    removeFolder(folder, inFolder);
    if (failed) {
        why = systemError(failed);
        return false;
    }

    fd_ = std::move(fd);
    path_ = target;
    device_ = file.st_dev;
    inode_ = file.st_ino;
    notifier_ = new QSocketNotifier(fd_.get(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &LocalListener::pending);
    return true;
}

void LocalListener::close() {
    if (!fd_)
        return;
    retireNotifier(notifier_);
    fd_.reset();
    struct stat file {};
    if (::lstat(path_.constData(), &file) == 0 && file.st_dev == device_ && file.st_ino == inode_)
        ::unlink(path_.constData());
    path_.clear();
}

UniqueFd LocalListener::accept() {
    while (fd_) {
        const int accepted = ::accept4(fd_.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (accepted >= 0)
            return UniqueFd(accepted);
        if (errno == EINTR || errno == ECONNABORTED)
            continue; // a peer that gave up before it was taken in: look at the next one
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            pause();
        break;
    }
    return {};
}

void LocalListener::pause() {
    // Out of descriptors or memory: the connection stays queued, and the notifier would wake the
    // event loop for it again at once. Rest a little instead of spinning; keep listening.
    notifier_->setEnabled(false);
    QTimer::singleShot(acceptPause, this, [this] {
        if (notifier_)
            notifier_->setEnabled(true);
    });
}

} // namespace platform
