#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QSocketNotifier;

namespace app {

// One running Pigmentor per user and settings folder, whatever window system each start is on. The first start listens on
// a local socket in the user's runtime folder; a later start hands its files over through
// that socket and ends, and the first brings its main window to the front.
// Plain Unix sockets under QSocketNotifier: the program loads no network library for it.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString socket_path, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Hands the files (already absolute) and the activation token this start was launched
    // with (empty when none) to a running instance; true when it took them. Waits at most
    // timeout_ms for the answer.
    bool hand_over(
        const QStringList& files, int timeout_ms = 3000, const QString& activation_token = {});
    // Listens for later starts, first removing a socket a crashed run left behind; false
    // when that failed (the program then simply runs on its own).
    bool listen();

    QString socket_path() const { return path_; }

signals:
    // A later start asked for the front, with the files it was given and the token that
    // lets the window take the focus on Wayland.
    void activated(const QStringList& files, const QString& activation_token);

private:
    struct Client;
    void accept();
    void read(int fd);
    void drop(int fd);

    QString path_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<int, std::unique_ptr<Client>> clients_;
};

// Serialises two starts at the same moment, so that one listens and the other hands over:
// an advisory lock on a file beside the socket, held while the object lives. The file stays
// where it is; the system frees the lock when its holder ends, however it ends. Gives up
// after timeout_ms (the start then goes on as if it held it).
class StartLock {
public:
    StartLock(const QString& path, int timeout_ms);
    ~StartLock();
    StartLock(const StartLock&) = delete;
    StartLock& operator=(const StartLock&) = delete;

    bool held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// The user's runtime folder: $XDG_RUNTIME_DIR when it is a folder of ours that nobody else
// may enter, otherwise a private folder of ours under /tmp, made when missing; empty when
// neither can be had (another user's folder in the way).
QString runtime_folder();
// Whether a folder is ours alone: a real folder (no link), owned by us, no group or other
// permissions.
bool private_folder(const QString& path);

// The socket for one user's settings folder. Not the display's: two copies on two window
// systems of one session (X11 and Wayland) would still share and overwrite one folder.
QString instance_socket_path(const QString& runtime_folder, const QString& config_folder);

} // namespace app
