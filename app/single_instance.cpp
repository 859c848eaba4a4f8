#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QUrl>

#include <cerrno>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

// A later start writes the greeting, then one percent-encoded file name a line, then an
// empty line; the first answers with one byte.
const QByteArray kGreeting = QByteArrayLiteral("pigmentor-open 1\n");
constexpr char kTaken = 'K';
constexpr qint64 kMessageLimit = 256 * 1024;

// The uid of the process at the other end of a local socket, or -1.
long peer_uid(qintptr descriptor)
{
    struct ucred credentials { };
    socklen_t size = sizeof credentials;
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
        return -1;
    return long(credentials.uid);
}

} // namespace

SingleInstance::SingleInstance(QString socket_path, QObject* parent)
    : QObject(parent), path_(std::move(socket_path))
{
    // Default options bind the socket in place, so a live instance's socket is never
    // replaced; the folder is private already.
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::hand_over(const QStringList& files, int timeout_ms)
{
    if (path_.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(timeout_ms))
        return false; // nobody there, or a socket left by a crashed run
    QByteArray message = kGreeting;
    for (const QString& file : files)
        message += QUrl::toPercentEncoding(file) + '\n';
    message += '\n';
    socket.write(message);
    if (!socket.waitForBytesWritten(timeout_ms))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeout_ms))
            return false;
    }
    char answer = 0;
    socket.getChar(&answer);
    return answer == kTaken;
}

bool SingleInstance::listen()
{
    if (path_.isEmpty())
        return false;
    if (server_.listen(path_))
        return true;
    // A socket file that nobody answers on is what a crashed run leaves behind.
    if (server_.serverError() == QAbstractSocket::AddressInUseError) {
        QLocalSocket probe;
        probe.connectToServer(path_);
        if (probe.waitForConnected(500))
            return false; // a live instance after all
        QLocalServer::removeServer(path_);
        return server_.listen(path_);
    }
    return false;
}

void SingleInstance::accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // The folder is ours alone; the peer's uid is checked all the same.
        if (peer_uid(socket->socketDescriptor()) != long(::geteuid())) {
            socket->abort();
            continue;
        }
        auto read = [this, socket] {
            // The whole message is small; wait until its closing empty line is there.
            const QByteArray message = socket->peek(kMessageLimit + 1);
            const bool closed = message.endsWith("\n\n");
            if (!message.startsWith(kGreeting.left(message.size()))
                || message.size() > kMessageLimit) {
                socket->abort();
                return;
            }
            if (!message.startsWith(kGreeting) || !closed)
                return; // not all there yet
            socket->readAll();
            QStringList files;
            for (const QByteArray& line : message.mid(kGreeting.size()).split('\n')) {
                if (!line.isEmpty())
                    files.append(QUrl::fromPercentEncoding(line));
            }
            socket->putChar(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            emit activated(files);
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        if (socket->bytesAvailable() > 0)
            read();
    }
}

bool private_folder(const QString& path)
{
    struct stat st { };
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
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

QString instance_socket_path(
    const QString& runtime_folder, const QString& config_folder, const QString& display)
{
    if (runtime_folder.isEmpty())
        return {};
    const QByteArray key
        = QDir::cleanPath(QDir(config_folder).absolutePath()).toUtf8() + '\n' + display.toUtf8();
    const QByteArray hash
        = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16);
    return QDir(runtime_folder)
        .filePath(QStringLiteral("pigmentor-%1.socket").arg(QString::fromLatin1(hash)));
}

} // namespace app
