#include "storage/config_folder.h"
#include "storage/files.h"
#include "storage/preferences.h"
#include "storage/recent.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

using core::Rgb;
using namespace storage;

namespace {

// Writes the file, and the folders on its way; gives its path.
QString put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

QByteArray bytes_of(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

mode_t mode_of(const QString& path)
{
    struct stat st { };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

void set_mode(const QString& path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Puts a folder's mode back before QTemporaryDir removes it.
struct ModeGuard {
    QString path;
    ~ModeGuard() { set_mode(path, 0700); }
};

} // namespace

TEST(Folders, PortableOnlyWhenTheProgramFolderHoldsAnIniFileAndReadMeLookedForInOrder)
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("bin"));
    const QString user = root.filePath(QStringLiteral("config/pigmentor"));
    const auto in_program = [&](const char* name) { return program + '/' + QLatin1String(name); };
    QDir().mkpath(program);

    // A fresh copy (or build/ after `make run`): the user's folder, made on the way.
    EXPECT_EQ(ConfigFolder::choose(program, user).folder(), user);
    EXPECT_TRUE(QFileInfo(user).isDir());

    // Any one of the three files makes the copy portable, even a read-only one.
    for (const char* name : {"pmtprefs.ini", "pmtsetgs.ini", "pmtmprefs.ini"}) {
        put(in_program(name), "0\r\n");
        set_mode(in_program(name), 0444);
        const ConfigFolder chosen = ConfigFolder::choose(program, user);
        EXPECT_EQ(chosen.folder(), program) << name;
        EXPECT_EQ(chosen.settings_file(), in_program("pmtsetgs.ini"));
        QFile::remove(in_program(name));
    }

    // A system folder holding a stray file is still never written (also as root).
    put(in_program("pmtprefs.ini"), "0\r\n");
    ModeGuard guard {program};
    set_mode(program, 0555);
    EXPECT_EQ(ConfigFolder::choose(program, user).folder(), user);
    // A folder named like a file is no file.
    set_mode(program, 0700);
    QFile::remove(in_program("pmtprefs.ini"));
    QDir().mkdir(in_program("pmtsetgs.ini"));
    EXPECT_EQ(ConfigFolder::choose(program, user).folder(), user);
    // $XDG_CONFIG_HOME when set, absolute and not empty; else ~/.config.
    for (const auto& [xdg, folder] :
        {std::pair {"/x/conf", "/x/conf/pigmentor"}, {"/x/conf/", "/x/conf/pigmentor"},
            {"", "/home/a/.config/pigmentor"}, {"conf", "/home/a/.config/pigmentor"}})
        EXPECT_EQ(user_config_folder(QString::fromLatin1(xdg), QStringLiteral("/home/a")),
            QString::fromLatin1(folder));

    // The ReadMe: in the current folder, else beside the program, else the installed copy.
    const QString name = QStringLiteral("ReadMe.txt");
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    QDir().mkpath(bin);
    const QString old_current = QDir::currentPath();
    QDir::setCurrent(root.path());
    // None anywhere: the bare name, so that opening it fails with the usual message.
    EXPECT_EQ(readme_path(name, bin), name);
    for (const char* where : {"prefix/share/pigmentor", "prefix/bin", "."}) {
        put(root.filePath(QLatin1String(where) + '/' + name), where);
        EXPECT_EQ(bytes_of(readme_path(name, bin)), QByteArray(where));
    }
    EXPECT_EQ(readme_path(name, bin), name);
    QDir::setCurrent(old_current);
}

// These hold for every user; the point is that they also hold when the tests run as root,
// for whom the system would let every write through.
TEST(ReadOnly, FilesAndFoldersWhoseBitsForbidWritingAreLeftAlone)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept.pmt"));
    put(file, "1  2  3  \r\n");
    set_mode(file, 0444);
    EXPECT_FALSE(may_write(file));
    EXPECT_FALSE(write_file_atomically(file, "9  9  9  \r\n"));
    EXPECT_EQ(bytes_of(file), QByteArray("1  2  3  \r\n"));
    EXPECT_EQ(mode_of(file), mode_t(0444));

    // A writable file keeps its own mode when it is replaced.
    const QString own = dir.filePath(QStringLiteral("own.pmt"));
    put(own, "old\r\n");
    set_mode(own, 0640);
    EXPECT_TRUE(write_file_atomically(own, "new\r\n"));
    EXPECT_EQ(bytes_of(own), QByteArray("new\r\n"));
    EXPECT_EQ(mode_of(own), mode_t(0640));

    // A read-only folder gets no new file, and a writable file in it is not replaced.
    const QString folder = dir.filePath(QStringLiteral("locked"));
    const QString inside = folder + QStringLiteral("/inside.ini");
    put(inside, "0\r\n");
    ModeGuard guard {folder};
    set_mode(folder, 0555);
    EXPECT_FALSE(may_write(folder));
    EXPECT_FALSE(write_file_atomically(folder + QStringLiteral("/new.ini"), "1\r\n"));
    EXPECT_FALSE(write_file_atomically(inside, "1\r\n"));
    EXPECT_EQ(bytes_of(inside), QByteArray("0\r\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList {"inside.ini"});

    EXPECT_FALSE(may_write(dir.filePath(QStringLiteral("missing"))));
    EXPECT_FALSE(write_file_atomically(dir.filePath(QStringLiteral("no/such/folder/a.ini")), "x"));
}

// Reading only, and only what the windows' tests do not already load through Load and at
// start-up (fields on separate lines, junk between fields, damaged settings).
TEST(Readers, StopAtTheFirstBadPieceAndTakeSmallFilesOnly)
{
    EXPECT_EQ(read_integer(" +5 "), 5);
    EXPECT_EQ(read_integer("-32768, the rest"), -32768);
    EXPECT_EQ(read_integer("012345"), 12345);
    for (const char* refused : {"", "+", "1234567", "12a", "1.5", "40000", "- 1", "\xd9\xa1"})
        EXPECT_FALSE(read_integer(refused)) << refused;
    // Red from characters 1-3, green 4-6, blue from the last three.
    const std::pair<QByteArray, std::vector<int>> texts[] = {{"1.52.9250", {1, 2, 250}},
        {".5 5. +7 ", {0, 5, 7}}, {"10 300255", {10}}, {" . 1  2  ", {}}, {"-1 0  0  ", {}}};
    for (const auto& [text, channels] : texts)
        EXPECT_EQ(color_text_channels(text), channels) << text.toStdString();
    // Settings: any line end; unquoted, up to the line end without trailing spaces; text
    // before a quote is refused, and so is everything after a bad line.
    const std::optional<QByteArray> none;
    const std::tuple<QByteArray, std::optional<int>, std::optional<QByteArray>> settings[]
        = {{"1\n0\n\"1  2  3  \"\n", 0, "1  2  3  "}, {"1\r0\r\"1  2  3  \"", 0, "1  2  3  "},
            {"1\r\n1\r\n1  2  3  \r\n", 1, "1  2  3"}, {"1\r\n1\r\nab\"0  0  0  \r\n", 1, none},
            {"1\r\nabc\r\n\"0  0  0  \"\r\n", std::nullopt, none}};
    for (const auto& [bytes, alert, color] : settings) {
        const Settings s = parse_settings(bytes);
        EXPECT_EQ(s.hash_prefix, 1) << bytes.toStdString();
        EXPECT_EQ(s.copy_alert, alert) << bytes.toStdString();
        EXPECT_EQ(s.color, color) << bytes.toStdString();
    }
    EXPECT_FALSE(parse_settings(QByteArray("\x00\xff\x13", 3)).hash_prefix);
    // Themes and the station's marker (their bytes are checked where the station saves them).
    const ThemePieces p = theme_pieces("11111122222233333344444455");
    EXPECT_EQ(p.background, QByteArray("111111"));
    EXPECT_EQ(p.object, QByteArray("222222"));
    EXPECT_EQ(p.text, QByteArray("444455")); // the last six
    const std::pair<const char*, std::optional<bool>> truths[]
        = {{"#TRUE#\r\n", true}, {"True", true}, {"-1", true}, {"#FALSE#\n", false}, {"0", false},
            {"maybe", std::nullopt}, {"", std::nullopt}};
    for (const auto& [text, truth] : truths)
        EXPECT_EQ(parse_truth(text), truth) << text;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pmtprefs.ini"));
    put(path, QByteArray(10 * 1024 * 1024, '1'));
    EXPECT_FALSE(read_small_file(path));
    EXPECT_FALSE(read_small_file(dir.filePath(QStringLiteral("none"))));
    EXPECT_FALSE(read_small_file(dir.path())); // a folder is no file
    put(path, QByteArray("\x01\x02\xfe\xff\r\n\x00", 7));
    ASSERT_TRUE(read_small_file(path));
    EXPECT_TRUE(read_integers(*read_small_file(path), 6).empty());

    const std::pair<QByteArray, PreferenceValues> files[]
        = {{"1\r\n", {1, 0, 0, 0, 0, 0}}, {"0\r\n1\r\nx\r\n1\r\n", {0, 1, 0, 0, 0, 0}},
            {"2\r\n-1\r\n99999\r\n", {2, -1, 0, 0, 0, 0}}};
    for (const auto& [bytes, values] : files) {
        put(path, bytes);
        PreferenceTable t;
        t.read(path);
        EXPECT_EQ((PreferenceValues {t[0], t[1], t[2], t[3], t[4], t[5]}), values);
        EXPECT_EQ(t.on(LoadStation), values[0] == 1); // only exactly 1 counts, not 2
    }
}

// Newest first, one upper-case code and CR LF a line, sixteen at most; a colour already
// there moves to the front. (Forgetting one and reordering are followed in the window's tests.)
TEST(RecentFile, SixteenDistinctCodesNewestFirstWithCrLfAndDamagedFilesReadInPart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(recent_file_name());
    ASSERT_TRUE(write_recent(path, {{255, 153, 0}, {10, 0, 171}}));
    EXPECT_EQ(bytes_of(path), QByteArray("FF9900\r\n0A00AB\r\n"));
    EXPECT_EQ(read_recent(path), (std::vector<Rgb> {{255, 153, 0}, {10, 0, 171}}));
    ASSERT_TRUE(write_recent(path, {}));
    EXPECT_EQ(bytes_of(path), QByteArray());
    // No temporary file is left beside it (a read-only file is kept, as every file is that
    // goes through write_file_atomically: see ReadOnly).
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {recent_file_name()});

    std::vector<Rgb> list, ramp;
    for (int i = 0; i < 20; ++i) {
        ramp.push_back({i, i, i});
        list = with_recent(list, {i, i, i});
    }
    list = with_recent(list, {10, 10, 10});
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[0], (Rgb {10, 10, 10}));
    EXPECT_EQ(list[1], (Rgb {19, 19, 19}));
    EXPECT_EQ(list.back(), (Rgb {4, 4, 4}));
    EXPECT_EQ(std::count(list.begin(), list.end(), Rgb {10, 10, 10}), 1);
    // Never more than sixteen lines on disk, whatever the caller hands over.
    EXPECT_EQ(recent_bytes(ramp).count("\r\n"), 16);

    // A damaged, huge or binary file gives a partial or empty list; a hand-edited one
    // (LF only, lower case, blanks, junk and repeats) gives its good codes.
    EXPECT_EQ(read_recent(put(path,
                  "ff9900\n  336699 \r\nnot a colour\n\n12345\nFF9900\r\n#000000\r"
                  "0a00ab")),
        (std::vector<Rgb> {{255, 153, 0}, {51, 102, 153}, {10, 0, 171}}));
    // More than sixteen good lines: the first sixteen.
    QByteArray many, binary;
    for (int i = 0; i < 40; ++i)
        many += QByteArray::number(100000 + i) + "\r\n";
    EXPECT_EQ(read_recent(put(path, many)).size(), 16u);
    // Binary bytes within the bound.
    for (int i = 0; i < 4000; ++i)
        binary += char((i * 131 + 7) % 256);
    EXPECT_LE(read_recent(put(path, binary)).size(), 16u);
    EXPECT_TRUE(read_recent(put(path, QByteArray(6, '\0'))).empty());
    // Too big to be ours: refused unread, even though it starts well.
    EXPECT_TRUE(read_recent(put(path, "336699\r\n" + QByteArray(10 * 1024 * 1024, 'A'))).empty());
    EXPECT_TRUE(read_recent(dir.filePath(QStringLiteral("missing.ini"))).empty());
}

namespace {

// Whether a read came back at once with nothing and the reason given.
void expect_refused(const QString& path, const QString& why)
{
    QString reason;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(read_small_file(path, &reason)) << path.toStdString();
    EXPECT_EQ(reason, why) << path.toStdString();
    EXPECT_LT(clock.elapsed(), 2000) << path.toStdString();
}

} // namespace

// Pipes and devices are never opened for reading, nor written into; a link is replaced
// itself; another user's file is left alone.
TEST(StrangeFiles, PipesDevicesLinksAndOtherUsersFilesAreNeverReadOrWrittenThrough)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pmtsetgs.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    expect_refused(fifo, QStringLiteral("It is a pipe, not a regular file"));
    expect_refused(
        QStringLiteral("/dev/zero"), QStringLiteral("It is a device, not a regular file"));
    expect_refused(dir.path(), QStringLiteral("It is a folder, not a file"));
    expect_refused(
        dir.filePath(QStringLiteral("none")), QStringLiteral("No such file or directory"));
    expect_refused(put(dir.filePath(QStringLiteral("big")), QByteArray(4097, '1')),
        QStringLiteral("It is larger than 4 KiB"));
    EXPECT_EQ(read_regular_file(put(dir.filePath(QStringLiteral("big")), "12345"), 5), "12345");

    QString reason;
    EXPECT_FALSE(write_file_atomically(fifo, "1\r\n", &reason));
    EXPECT_EQ(reason, QStringLiteral("It is a pipe, not a regular file"));
    EXPECT_TRUE(QFileInfo(fifo).isFile() == false && QFileInfo(fifo).exists());

    // Links to a device, to a copy of a system file and into a read-only folder: the link
    // becomes a file of its own, what it pointed to is untouched.
    const QString copy = put(dir.filePath(QStringLiteral("passwd")), "root:x:0:0::/root:/bin/sh\n");
    const QString locked = dir.filePath(QStringLiteral("locked"));
    const QString locked_file = put(locked + QStringLiteral("/pmtsetgs.ini"), "0\r\n");
    ModeGuard guard {locked};
    set_mode(locked, 0555);
    for (const QString& to : {QStringLiteral("/dev/null"), copy, locked_file}) {
        const QString link = dir.filePath(QStringLiteral("link.ini"));
        QFile::remove(link);
        ASSERT_TRUE(QFile::link(to, link));
        EXPECT_TRUE(write_file_atomically(link, "1\r\n1\r\n\"1  2  3  \"\r\n", &reason))
            << reason.toStdString();
        EXPECT_FALSE(QFileInfo(link).isSymLink()) << to.toStdString();
        EXPECT_EQ(bytes_of(link), QByteArray("1\r\n1\r\n\"1  2  3  \"\r\n"));
    }
    EXPECT_EQ(bytes_of(copy), QByteArray("root:x:0:0::/root:/bin/sh\n"));
    EXPECT_EQ(bytes_of(locked_file), QByteArray("0\r\n"));
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/null")).isSymLink()
        || !QFileInfo(QStringLiteral("/dev/null")).isFile());

    if (::geteuid() == 0) {
        const QString theirs = put(dir.filePath(QStringLiteral("theirs.pmt")), "1  1  1  \r\n");
        ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), 65534, 65534), 0);
        EXPECT_FALSE(write_file_atomically(theirs, "2  2  2  \r\n", &reason));
        EXPECT_EQ(reason, QStringLiteral("It belongs to another user"));
        EXPECT_EQ(bytes_of(theirs), QByteArray("1  1  1  \r\n"));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 5);
}

// A name that is not UTF-8 is read and replaced under its own bytes.
TEST(StrangeFiles, NamesThatAreNotUtf8AreFoundByTheirBytes)
{
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xe9.pmt";
    {
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "5  80 255\r\n", 11), 11);
        ::close(fd);
    }
    const QString name = QFile::decodeName(native); // as the toolkit hands it over
    EXPECT_EQ(native_name(name), native);
    EXPECT_EQ(read_small_file(name), "5  80 255\r\n");
    ASSERT_TRUE(write_file_atomically(name, "1  2  3  \r\n"));
    std::vector<std::string> entries;
    if (DIR* d = ::opendir(QFile::encodeName(dir.path()).constData())) {
        while (const dirent* e = ::readdir(d))
            if (e->d_name[0] != '.')
                entries.push_back(e->d_name);
        ::closedir(d);
    }
    EXPECT_EQ(entries, std::vector<std::string> {"caf\xe9.pmt"});
    EXPECT_EQ(read_small_file(name), "1  2  3  \r\n");
    // Two names that decode alike: neither is taken for the other.
    const QByteArray twin = QFile::encodeName(dir.path()) + "/caf\xe8.pmt";
    ::close(::open(twin.constData(), O_WRONLY | O_CREAT, 0644));
    EXPECT_FALSE(read_small_file(name));
    ::unlink(native.constData());
    ::unlink(twin.constData());
}

namespace {

// Lets a test's writes fail as on a full disk: files may grow to `limit` bytes only.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &old);
        previous = ::signal(SIGXFSZ, SIG_IGN);
        rlimit now = old;
        now.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old);
        ::signal(SIGXFSZ, previous);
    }
    rlimit old {};
    void (*previous)(int) = nullptr;
};

} // namespace

// A write that fails halfway keeps the earlier file whole and leaves nothing beside it.
TEST(FullDisk, AFailedWriteKeepsTheOldFileWholeAndSaysWhy)
{
    QTemporaryDir dir;
    const QString path
        = put(dir.filePath(QStringLiteral("pmtsetgs.ini")), "0\r\n1\r\n\"0  0  0  \"\r\n");
    {
        const FileSizeLimit limit(4);
        QString reason;
        EXPECT_FALSE(write_file_atomically(path, "1\r\n1\r\n\"255102153\"\r\n", &reason));
        EXPECT_EQ(reason, QStringLiteral("File too large"));
    }
    EXPECT_EQ(bytes_of(path), QByteArray("0\r\n1\r\n\"0  0  0  \"\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"pmtsetgs.ini"});

    // A real full file system, where the tests may mount one.
    if (::geteuid() != 0)
        return;
    const QString mount_point = dir.filePath(QStringLiteral("small"));
    QDir().mkpath(mount_point);
    const QByteArray target = QFile::encodeName(mount_point);
    if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=16k") != 0)
        GTEST_SKIP() << "no tmpfs here";
    const QString kept = put(mount_point + QStringLiteral("/kept.pmt"), "5  80 255\r\n");
    // Fill it to the last byte.
    QFile filler(mount_point + QStringLiteral("/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (filler.write(QByteArray(512, 'x')) > 0) { }
    filler.close();
    QString reason;
    EXPECT_FALSE(write_file_atomically(kept, "1  2  3  \r\n", &reason));
    EXPECT_EQ(reason, QStringLiteral("No space left on device"));
    EXPECT_EQ(bytes_of(kept), QByteArray("5  80 255\r\n"));
    EXPECT_FALSE(write_file_atomically(mount_point + QStringLiteral("/new.pmt"), "1  2  3  \r\n"));
    EXPECT_EQ(QDir(mount_point).entryList(QDir::Files | QDir::Hidden),
        (QStringList {"filler", "kept.pmt"}));
    ::umount(target.constData());
}
