#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QUrl>

#include <cerrno>
#include <cstring>

#include <csignal>

#include <chrono>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace app {

namespace {

// A later start writes the greeting, then, when it has one, "token " and its percent-encoded
// activation token on a line, then one percent-encoded file name a line (a line without a
// space), then an empty line; the first answers with one byte.
const QByteArray kGreeting = QByteArrayLiteral("pigmentor-open 1\n");
const QByteArray kTokenTag = QByteArrayLiteral("token ");
constexpr char kTaken = 'K';
constexpr qsizetype kMessageLimit = 256 * 1024;

bool address_of(const QString& path, sockaddr_un& address)
{
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty() || size_t(native.size()) >= sizeof address.sun_path)
        return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
    return true;
}

// A connected socket, or -1 when nobody listens there.
int connect_to(const QString& path)
{
    sockaddr_un address;
    if (!address_of(path, address))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool wait_for(int fd, short events, int timeout_ms)
{
    pollfd p {fd, events, 0};
    int ready;
    do
        ready = ::poll(&p, 1, timeout_ms);
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// The uid of the process at the other end of a local socket, or -1.
long peer_uid(int fd)
{
    struct ucred credentials { };
    socklen_t size = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return -1;
    return long(credentials.uid);
}

// The socket to remove when a signal ends the process (kill, Ctrl+C, a closed terminal).
char listening_path[sizeof(sockaddr_un::sun_path)] = {};

void remove_socket_and_end(int signal)
{
    ::unlink(listening_path);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

struct SingleInstance::Client {
    std::unique_ptr<QSocketNotifier> notifier;
    QByteArray received;
};

SingleInstance::SingleInstance(QString socket_path, QObject* parent)
    : QObject(parent), path_(std::move(socket_path))
{
}

SingleInstance::~SingleInstance()
{
    for (auto& [fd, client] : clients_)
        ::close(fd);
    if (listener_ >= 0) {
        for (int signal : {SIGTERM, SIGINT, SIGHUP})
            std::signal(signal, SIG_DFL);
        ::close(listener_);
        ::unlink(QFile::encodeName(path_).constData());
    }
}

bool SingleInstance::hand_over(
    const QStringList& files, int timeout_ms, const QString& activation_token)
{
    const int fd = connect_to(path_);
    if (fd < 0)
        return false; // nobody there, or a socket left by a crashed run
    QByteArray message = kGreeting;
    if (!activation_token.isEmpty())
        message += kTokenTag + QUrl::toPercentEncoding(activation_token) + '\n';
    for (const QString& file : files)
        message += QUrl::toPercentEncoding(file) + '\n';
    message += '\n';
    bool taken = false;
    qsizetype sent = 0;
    while (sent < message.size() && wait_for(fd, POLLOUT, timeout_ms)) {
        const ssize_t n
            = ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n <= 0 && errno != EINTR)
            break;
        sent += n > 0 ? n : 0;
    }
    if (sent == message.size() && wait_for(fd, POLLIN, timeout_ms)) {
        char answer = 0;
        taken = ::recv(fd, &answer, 1, 0) == 1 && answer == kTaken;
    }
    ::close(fd);
    return taken;
}

bool SingleInstance::listen()
{
    sockaddr_un address;
    if (listener_ >= 0 || !address_of(path_, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    auto bind_here = [&] {
        return ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    };
    if (!bind_here()) {
        // A socket file that nobody answers on is what a crashed run leaves behind; a live
        // instance's socket is never taken over.
        const bool in_use = errno == EADDRINUSE;
        const int live = in_use ? connect_to(path_) : -1;
        if (!in_use || live >= 0) {
            if (live >= 0)
                ::close(live);
            ::close(fd);
            return false;
        }
        ::unlink(address.sun_path);
        if (!bind_here()) {
            ::close(fd);
            return false;
        }
    }
    if (::listen(fd, 8) != 0) {
        ::close(fd);
        ::unlink(address.sun_path);
        return false;
    }
    listener_ = fd;
    std::memcpy(listening_path, address.sun_path, sizeof listening_path);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        std::signal(signal, remove_socket_and_end);
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept()
{
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return;
        // The folder is ours alone; the peer's uid is checked all the same.
        if (peer_uid(fd) != long(::geteuid())) {
            ::close(fd);
            continue;
        }
        auto client = std::make_unique<Client>();
        client->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(
            client->notifier.get(), &QSocketNotifier::activated, this, [this, fd] { read(fd); });
        clients_[fd] = std::move(client);
    }
}

void SingleInstance::read(int fd)
{
    Client& client = *clients_.at(fd);
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            client.received.append(buffer, n);
            if (client.received.size() > kMessageLimit)
                return drop(fd);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            break;
        return drop(fd); // closed before the message was whole
    }
    const QByteArray& message = client.received;
    if (!message.startsWith(kGreeting.left(message.size())))
        return drop(fd); // a stranger
    if (!message.startsWith(kGreeting) || !message.endsWith("\n\n"))
        return; // not all there yet
    QStringList files;
    QString token;
    for (const QByteArray& line : message.mid(kGreeting.size()).split('\n')) {
        if (line.startsWith(kTokenTag))
            token = QUrl::fromPercentEncoding(line.mid(kTokenTag.size()));
        else if (!line.isEmpty())
            files.append(QUrl::fromPercentEncoding(line));
    }
    ::send(fd, &kTaken, 1, MSG_NOSIGNAL);
    drop(fd);
    emit activated(files, token);
}

void SingleInstance::drop(int fd)
{
    auto found = clients_.find(fd);
    if (found == clients_.end())
        return;
    found->second->notifier->setEnabled(false);
    // The notifier may be the one whose signal is running: delete it later.
    found->second->notifier.release()->deleteLater();
    clients_.erase(found);
    ::close(fd);
}

bool private_folder(const QString& path)
{
    struct stat st { };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

StartLock::StartLock(const QString& path, int timeout_ms)
{
    if (path.isEmpty())
        return;
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW,
        S_IRUSR | S_IWUSR);
    if (fd_ < 0)
        return;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!(held_ = ::flock(fd_, LOCK_EX | LOCK_NB) == 0)) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        if (std::chrono::steady_clock::now() >= give_up)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

StartLock::~StartLock()
{
    if (fd_ >= 0)
        ::close(fd_); // frees the lock
}

QString runtime_folder()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(xdg) && private_folder(xdg))
        return xdg;
    const QString own = QDir::tempPath() + QStringLiteral("/pigmentor-%1").arg(::geteuid());
    const QByteArray native = QFile::encodeName(own);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return private_folder(own) ? own : QString();
}

QString instance_socket_path(const QString& runtime_folder, const QString& config_folder)
{
    if (runtime_folder.isEmpty())
        return {};
    const QByteArray key = QDir::cleanPath(QDir(config_folder).absolutePath()).toUtf8();
    const QByteArray hash
        = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QDir(runtime_folder)
        .filePath(QStringLiteral("pigmentor-%1.socket").arg(QString::fromLatin1(hash)));
}

} // namespace app
