#include "app/single_instance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <future>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using app::SingleInstance;

namespace {

// A later start runs in its own process; here a thread stands in for it, so that the
// first instance's event loop can answer while the later one waits (5 s at most).
template <class F> auto in_thread(F f) -> decltype(f())
{
    auto later = std::async(std::launch::async, f);
    for (int i = 0; i < 500; ++i) {
        if (later.wait_for(std::chrono::milliseconds(10)) == std::future_status::ready)
            return later.get();
        QCoreApplication::processEvents();
    }
    return {};
}

bool later_start(const QString& path, const QStringList& files, const QString& token = {})
{
    return in_thread([&] { return SingleInstance(path).hand_over(files, 5000, token); });
}

// Sends bytes as a stranger would, then reads until the first instance closes the connection.
QByteArray send(const QString& path, const QByteArray& bytes, bool close_early)
{
    return in_thread([&] {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        const QByteArray native = QFile::encodeName(path);
        std::memcpy(address.sun_path, native.constData(), native.size());
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            return QByteArray("no connection");
        }
        ::send(fd, bytes.constData(), bytes.size(), MSG_NOSIGNAL);
        if (close_early)
            ::shutdown(fd, SHUT_WR);
        char answer[16];
        const ssize_t n = ::recv(fd, answer, sizeof answer, 0); // 0: closed on us
        ::close(fd);
        return QByteArray(answer, n > 0 ? int(n) : 0);
    });
}

} // namespace

TEST(SingleInstance, ALaterStartHandsItsFilesToTheFirstOverACrashedRunsSocketAStrangerNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.socket"));
    // What a crashed run leaves: a socket file that nobody listens on.
    ASSERT_EQ(::mknod(QFile::encodeName(path).constData(), S_IFSOCK | 0600, 0), 0);

    SingleInstance first(path);
    EXPECT_FALSE(first.hand_over({"/x.pmt"}, 500)); // refused at once, not a hang
    ASSERT_TRUE(first.listen());
    QSignalSpy activated(&first, &SingleInstance::activated);
    // The launcher's activation token goes along, whatever bytes it holds, and never as a
    // file; a file named like the token's line stays a file.
    EXPECT_TRUE(later_start(path, {"/a/one.pmt", "/b/two words.pmtm"}, "kwin-7 x\ny%"));
    EXPECT_TRUE(later_start(path, {"/token x"})); // still brings the first one forward
    ASSERT_EQ(activated.size(), 2);
    EXPECT_EQ(activated[0][0].toStringList(), (QStringList {"/a/one.pmt", "/b/two words.pmtm"}));
    EXPECT_EQ(activated[0][1].toString(), "kwin-7 x\ny%");
    EXPECT_EQ(activated[1][0].toStringList(), QStringList {"/token x"});
    EXPECT_EQ(activated[1][1].toString(), QString());

    // While the first runs, nobody else can take its place.
    EXPECT_FALSE(SingleInstance(path).listen());

    // A stranger on the socket is not answered; a start that dies half-way through its
    // message opens nothing; and the first still answers a proper start afterwards.
    activated.clear();
    EXPECT_EQ(send(path, QByteArray(64, 'x'), false), QByteArray());
    EXPECT_EQ(send(path, "pigmentor-open 1\n/a.pmt\n", true), QByteArray());
    EXPECT_EQ(activated.size(), 0);
    EXPECT_EQ(send(path, "pigmentor-open 1\n%2Fx%0Ay.pmt\n\n", false), QByteArray("K"));
    EXPECT_EQ(send(path, "pigmentor-open 1\ntoken abc\n\n", false), QByteArray("K"));
    ASSERT_EQ(activated.size(), 2);
    EXPECT_EQ(activated[0][0].toStringList(), QStringList {"/x\ny.pmt"});
    EXPECT_EQ(activated[1][0].toStringList(), QStringList());
    EXPECT_EQ(activated[1][1].toString(), "abc");
}

// Two starts at once take turns at a lock beside the socket; the socket is one per user and
// settings folder (an X11 and a Wayland start of one session meet there), in a runtime
// folder that must be ours alone.
TEST(SingleInstance, StartLockSocketPathAndARuntimeFolderOfOursAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.socket.lock"));
    {
        const app::StartLock first(path, 0);
        ASSERT_TRUE(first.held());
        EXPECT_FALSE(app::StartLock(path, 50).held()); // waits, then goes on without it
    }
    // The file stays; the lock went with its holder.
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(app::StartLock(path, 0).held());
    EXPECT_FALSE(app::StartLock(QString(), 0).held());

    const QString a = app::instance_socket_path("/run/user/7", "/home/a/.config/pigmentor");
    EXPECT_TRUE(a.startsWith("/run/user/7/pigmentor-"));
    EXPECT_LT(a.size(), 100); // a local socket's path is short
    EXPECT_EQ(a, app::instance_socket_path("/run/user/7", "/home/a/.config/pigmentor/"));
    EXPECT_NE(a, app::instance_socket_path("/run/user/7", "/opt/portable"));
    EXPECT_TRUE(app::instance_socket_path(QString(), "/x").isEmpty());

    const auto made = [&](const char* name, mode_t mode) {
        const QByteArray path = QFile::encodeName(dir.filePath(QLatin1String(name)));
        EXPECT_EQ(::mkdir(path.constData(), 0700), 0);
        ::chmod(path.constData(), mode);
        return QFile::decodeName(path);
    };
    const QString own = made("own", 0700);
    EXPECT_TRUE(app::private_folder(own));
    EXPECT_FALSE(app::private_folder(made("shared", 0777)));
    const QString link = dir.filePath(QStringLiteral("link"));
    ASSERT_EQ(
        ::symlink(QFile::encodeName(own).constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_FALSE(app::private_folder(link)); // a link someone planted is refused
    EXPECT_FALSE(app::private_folder(dir.filePath(QStringLiteral("missing"))));
    if (::geteuid() == 0) {
        const QString foreign = made("foreign", 0700);
        ASSERT_EQ(::chown(QFile::encodeName(foreign).constData(), 65534, 65534), 0);
        EXPECT_FALSE(app::private_folder(foreign)); // another user's folder
    }
    EXPECT_TRUE(app::private_folder(app::runtime_folder()));
}
