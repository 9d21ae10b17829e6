// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/SingleInstance.h"

#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace app::shell {

namespace {
constexpr int connectTimeoutMs = 1000;
constexpr int answerTimeoutMs = 2000;
// A request is one JSON line; anything longer is not from us.
constexpr qsizetype maxRequestBytes = 64 * 1024;
constexpr char acknowledgement[] = "ok\n";
constexpr QLatin1StringView argumentsKey("activate");
constexpr QLatin1StringView tokenKey("token");

// Closes the descriptor it holds when it goes.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

QString errorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// A Unix socket's address holds a short path; a longer one would be cut
// short and name another file.
bool socketAddress(const QString &path, sockaddr_un &address, QString *why)
{
    const QByteArray bytes = QFile::encodeName(path);
    address = sockaddr_un{};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || bytes.contains('\0') || bytes.size() >= qsizetype(sizeof address.sun_path)) {
        *why = QStringLiteral("the socket path %1 is empty or longer than %2 bytes")
                   .arg(path)
                   .arg(sizeof address.sun_path - 1);
        return false;
    }
    std::memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    return true;
}

// Waits until `fd` is ready for `events`; false when the deadline passed first.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd ready{fd, events, 0};
        const int count = ::poll(&ready, 1, int(deadline.remainingTime()));
        if (count > 0)
            return true;
        if (count == 0 || errno != EINTR)
            return false;
    }
}

struct Activation
{
    QStringList arguments;
    QString token;
};

std::optional<Activation> parseRequest(const QByteArray &line)
{
    const QJsonObject request = QJsonDocument::fromJson(line).object();
    const QJsonValue arguments = request.value(argumentsKey);
    if (!arguments.isArray())
        return std::nullopt;
    Activation activation;
    const QJsonArray values = arguments.toArray();
    for (const auto &value : values)
        activation.arguments << value.toString();
    activation.token = request.value(tokenKey).toString();
    return activation;
}

// One later start's connection: reads its request line, answers and closes.
class Request : public QObject
{
public:
    using Deliver = std::function<void(const Activation &)>;

    Request(int fd, QObject *parent, Deliver deliver)
        : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read), deliver_(std::move(deliver))
    {
        connect(&notifier_, &QSocketNotifier::activated, this, &Request::readable);
    }

private:
    void readable()
    {
        char chunk[4096];
        for (;;) {
            const ssize_t count = ::read(fd_.get(), chunk, sizeof chunk);
            if (count > 0) {
                buffer_.append(chunk, count);
                if (buffer_.contains('\n'))
                    break;
                if (buffer_.size() > maxRequestBytes)
                    return finish();
                continue;
            }
            if (count < 0 && errno == EINTR)
                continue;
            if (count < 0 && errno == EAGAIN)
                return;
            return finish(); // closed, or failed, before a whole line
        }
        const std::optional<Activation> activation = parseRequest(buffer_.left(buffer_.indexOf('\n')));
        if (!activation) {
            platform::consoleWarning(
                lcWindow(), QStringLiteral("Ignored a malformed request from another start of Qamarly"));
            return finish();
        }
        // The other start waits for this before it exits; a fresh socket
        // always has room for it.
        (void)::send(fd_.get(), acknowledgement, sizeof acknowledgement - 1, MSG_NOSIGNAL);
        finish();
        deliver_(*activation);
    }

    void finish()
    {
        notifier_.setEnabled(false);
        ::close(fd_.release());
        deleteLater();
    }

    Descriptor fd_;
    QSocketNotifier notifier_;
    QByteArray buffer_;
    Deliver deliver_;
};
} // namespace

QString SingleInstance::defaultServerName()
{
    const QString fileName = QStringLiteral("qamarly-%1.socket").arg(::getuid());
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir())
        return QDir(runtimeDir).filePath(fileName);
    return QDir(QDir::tempPath()).filePath(fileName);
}

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent), serverName_(std::move(serverName))
{
}

SingleInstance::~SingleInstance()
{
    if (listener_ < 0)
        return;
    delete accepting_;
    ::close(listener_);
    removeSocketFile();
}

void SingleInstance::removeSocketFile() const
{
    // Only our own: a start after a crash of ours may have made a new one.
    struct stat status
    {
    };
    const QByteArray path = QFile::encodeName(serverName_);
    if (::lstat(path.constData(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_ino == socketInode_)
        ::unlink(path.constData());
}

SingleInstance::Outcome SingleInstance::claim(const QStringList &arguments)
{
    // Two starts at the same moment must not both find no one and both listen.
    QLockFile lock(serverName_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(answerTimeoutMs))
        platform::consoleWarning(
            lcWindow(),
            QStringLiteral("Another start of Qamarly holds %1.lock; going on without it").arg(serverName_));

    bool reached = false;
    if (forwardTo(arguments, reached) == Outcome::forwarded)
        return Outcome::forwarded;
    if (reached) {
        platform::consoleWarning(
            lcWindow(), QStringLiteral("Another Qamarly holds %1 but did not answer").arg(serverName_));
        return Outcome::failed;
    }

    QString why;
    if (!listen(&why)) {
        // Another start may have won the race between our attempt and now.
        if (forwardTo(arguments, reached) == Outcome::forwarded)
            return Outcome::forwarded;
        platform::consoleWarning(lcWindow(), QStringLiteral("Cannot listen on %1: %2").arg(serverName_, why));
        return Outcome::failed;
    }
    return Outcome::primary;
}

bool SingleInstance::listen(QString *why)
{
    sockaddr_un address;
    if (!socketAddress(serverName_, address, why))
        return false;
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0) {
        *why = errorText(errno);
        return false;
    }
    // Nobody answered, so whatever is left at the name is stale (a Qamarly
    // that crashed); take it over.
    ::unlink(address.sun_path);
    // Only this user may connect, from the moment the file exists.
    const mode_t mask = ::umask(0077);
    const int bound = ::bind(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address);
    const int bindError = errno;
    ::umask(mask);
    if (bound != 0) {
        *why = errorText(bindError);
        return false;
    }
    struct stat status
    {
    };
    if (::listen(fd.get(), 16) != 0 || ::stat(address.sun_path, &status) != 0) {
        *why = errorText(errno);
        ::unlink(address.sun_path);
        return false;
    }
    socketInode_ = status.st_ino;
    listener_ = fd.release();
    accepting_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(accepting_, &QSocketNotifier::activated, this, &SingleInstance::acceptConnections);
    return true;
}

SingleInstance::Outcome SingleInstance::forwardTo(const QStringList &arguments, bool &reached)
{
    sockaddr_un address;
    QString why;
    if (!socketAddress(serverName_, address, &why))
        return Outcome::failed;
    const Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0)
        return Outcome::failed;
    const QDeadlineTimer connectDeadline(connectTimeoutMs);
    while (::connect(fd.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        if (errno == EINTR)
            continue;
        // A full queue of starts waiting to be taken: someone listens.
        if (errno == EAGAIN) {
            reached = true;
            if (connectDeadline.hasExpired())
                return Outcome::failed;
            ::poll(nullptr, 0, 10);
            continue;
        }
        return Outcome::failed; // no file, or nobody listening on it
    }
    reached = true;

    // A compositor lets a window come to the front only with the token the
    // launcher handed this start (Wayland's activation; X11's startup id).
    QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        token = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    const QJsonObject request{{argumentsKey, QJsonArray::fromStringList(arguments)}, {tokenKey, token}};
    const QByteArray line = QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n';

    const QDeadlineTimer deadline(answerTimeoutMs);
    for (qsizetype sent = 0; sent < line.size();) {
        const ssize_t count =
            ::send(fd.get(), line.constData() + sent, size_t(line.size() - sent), MSG_NOSIGNAL);
        if (count >= 0) {
            sent += count;
        } else if (errno == EAGAIN) {
            if (!waitFor(fd.get(), POLLOUT, deadline))
                return Outcome::failed;
        } else if (errno != EINTR) {
            return Outcome::failed;
        }
    }
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < qsizetype(sizeof acknowledgement)) {
        char chunk[16];
        const ssize_t count = ::read(fd.get(), chunk, sizeof chunk);
        if (count > 0)
            answer.append(chunk, count);
        else if (count == 0)
            break;
        else if (errno == EAGAIN) {
            if (!waitFor(fd.get(), POLLIN, deadline))
                return Outcome::failed;
        } else if (errno != EINTR) {
            return Outcome::failed;
        }
    }
    return answer == acknowledgement ? Outcome::forwarded : Outcome::failed;
}

void SingleInstance::acceptConnections()
{
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR)
                continue;
            return; // none left to take (or one gave up while queued)
        }
        new Request(fd, this, [this](const Activation &activation) {
            emit activationRequested(activation.arguments, activation.token);
        });
    }
}

} // namespace app::shell
