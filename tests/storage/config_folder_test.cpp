#include "storage/config_folder.h"
#include "storage/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace storage;

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
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

// Puts a folder's mode back before QTemporaryDir removes it.
struct ModeGuard {
    QString path;
    ~ModeGuard() { ::chmod(QFile::encodeName(path).constData(), 0700); }
};

} // namespace

TEST(ConfigFolder, PortableOnlyWhenTheProgramFolderHoldsAnIniFileAndMayBeWritten)
{
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("bin"));
    const QString user = root.filePath(QStringLiteral("config/pigmentor"));
    QDir().mkpath(program);

    // A fresh copy (or build/ after `make run`): the user's folder, made on the way.
    EXPECT_EQ(ConfigFolder::choose(program, user).folder(), user);
    EXPECT_TRUE(QFileInfo(user).isDir());

    // Any one of the three files makes the copy portable, even a read-only one.
    for (const char* name : {"pmtprefs.ini", "pmtsetgs.ini", "pmtmprefs.ini"}) {
        const QString ini = QDir(program).filePath(QLatin1String(name));
        put(ini, "0\r\n");
        ::chmod(QFile::encodeName(ini).constData(), 0444);
        const ConfigFolder chosen = ConfigFolder::choose(program, user);
        EXPECT_EQ(chosen.folder(), program) << name;
        EXPECT_EQ(chosen.settings_file(), QDir(program).filePath(QStringLiteral("pmtsetgs.ini")));
        QFile::remove(ini);
    }

    // A system folder holding a stray file is still never written (also as root).
    put(QDir(program).filePath(QStringLiteral("pmtprefs.ini")), "0\r\n");
    ModeGuard guard {program};
    ::chmod(QFile::encodeName(program).constData(), 0555);
    EXPECT_EQ(ConfigFolder::choose(program, user).folder(), user);
    // A folder named like a file is no file.
    ::chmod(QFile::encodeName(program).constData(), 0700);
    QFile::remove(QDir(program).filePath(QStringLiteral("pmtprefs.ini")));
    QDir(program).mkdir(QStringLiteral("pmtsetgs.ini"));
    EXPECT_EQ(ConfigFolder::choose(program, user).folder(), user);
}

TEST(ConfigFolder, UserFolderFollowsTheXdgRule)
{
    EXPECT_EQ(user_config_folder(QStringLiteral("/x/conf"), QStringLiteral("/home/a")),
        QStringLiteral("/x/conf/pigmentor"));
    EXPECT_EQ(user_config_folder(QStringLiteral("/x/conf/"), QStringLiteral("/home/a")),
        QStringLiteral("/x/conf/pigmentor"));
    // Unset, empty or relative: ignored, as the XDG rule says.
    EXPECT_EQ(user_config_folder(QString(), QStringLiteral("/home/a")),
        QStringLiteral("/home/a/.config/pigmentor"));
    EXPECT_EQ(user_config_folder(QStringLiteral("conf"), QStringLiteral("/home/a")),
        QStringLiteral("/home/a/.config/pigmentor"));
}

TEST(Readme, CurrentFolderFirstThenBesideTheProgramThenTheInstalledCopy)
{
    QTemporaryDir root;
    const QString here = root.filePath(QStringLiteral("somewhere"));
    const QString prefix = root.filePath(QStringLiteral("prefix"));
    const QString bin = prefix + QStringLiteral("/bin");
    QDir().mkpath(here);
    QDir().mkpath(bin);
    const QString old_current = QDir::currentPath();
    QDir::setCurrent(here);
    const QString name = QStringLiteral("ReadMe.txt");

    // None anywhere: the bare name, so that opening it fails with the usual message.
    EXPECT_EQ(readme_path(name, bin), name);

    put(prefix + QStringLiteral("/share/pigmentor/ReadMe.txt"), "installed");
    EXPECT_EQ(bytes_of(readme_path(name, bin)), QByteArray("installed"));

    put(bin + QStringLiteral("/ReadMe.txt"), "beside");
    EXPECT_EQ(bytes_of(readme_path(name, bin)), QByteArray("beside"));

    put(here + QStringLiteral("/ReadMe.txt"), "current");
    EXPECT_EQ(readme_path(name, bin), name);
    EXPECT_EQ(bytes_of(readme_path(name, bin)), QByteArray("current"));

    QDir::setCurrent(old_current);
}

// These hold for every user; the point is that they also hold when the tests run as root,
// for whom the system would let every write through.
TEST(ReadOnly, FilesAndFoldersWhoseBitsForbidWritingAreLeftAlone)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("kept.pmt"));
    put(file, "1  2  3  \r\n");
    ::chmod(QFile::encodeName(file).constData(), 0444);
    EXPECT_FALSE(may_write(file));
    EXPECT_FALSE(write_file_atomically(file, "9  9  9  \r\n"));
    EXPECT_EQ(bytes_of(file), QByteArray("1  2  3  \r\n"));
    EXPECT_EQ(mode_of(file), mode_t(0444));

    // A writable file keeps its own mode when it is replaced.
    const QString own = dir.filePath(QStringLiteral("own.pmt"));
    put(own, "old\r\n");
    ::chmod(QFile::encodeName(own).constData(), 0640);
    EXPECT_TRUE(write_file_atomically(own, "new\r\n"));
    EXPECT_EQ(bytes_of(own), QByteArray("new\r\n"));
    EXPECT_EQ(mode_of(own), mode_t(0640));

    // A read-only folder gets no new file, and a writable file in it is not replaced.
    const QString folder = dir.filePath(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString inside = folder + QStringLiteral("/inside.ini");
    put(inside, "0\r\n");
    ModeGuard guard {folder};
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    EXPECT_FALSE(may_write(folder));
    EXPECT_FALSE(write_file_atomically(folder + QStringLiteral("/new.ini"), "1\r\n"));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/new.ini")));
    EXPECT_FALSE(write_file_atomically(inside, "1\r\n"));
    EXPECT_EQ(bytes_of(inside), QByteArray("0\r\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_FALSE(may_write(dir.filePath(QStringLiteral("missing"))));
}
