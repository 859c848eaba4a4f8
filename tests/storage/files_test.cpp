#include "storage/config_folder.h"
#include "storage/files.h"
#include "storage/preferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <utility>
#include <vector>

using namespace storage;

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Writes f.txt in the folder and gives its path.
QString write_temp(QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    put(path, bytes);
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
    // Unset, empty or relative: ignored, as the XDG rule says.
    for (const auto& [xdg, folder] : {std::pair {"/x/conf", "/x/conf/pigmentor"},
             {"/x/conf/", "/x/conf/pigmentor"}, {"", "/home/a/.config/pigmentor"},
             {"conf", "/home/a/.config/pigmentor"}})
        EXPECT_EQ(user_config_folder(QString::fromLatin1(xdg), QStringLiteral("/home/a")),
            QString::fromLatin1(folder));
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
    EXPECT_FALSE(write_file_atomically(dir.filePath(QStringLiteral("no/such/folder/a.ini")), "x"));
}

TEST(ColorText, NineCharactersLeftAlignedWithCrLf)
{
    EXPECT_EQ(color_file_bytes({5, 80, 255}), QByteArray("5  80 255\r\n"));
    EXPECT_EQ(color_text({0, 0, 0}), QByteArray("0  0  0  "));
    EXPECT_EQ(color_text({255, 102, 0}), QByteArray("2551020  "));
}

TEST(ColorText, NumbersAreASignAndDigitsAtMostAPointBetween)
{
    EXPECT_EQ(read_integer(" +5 "), 5);
    EXPECT_EQ(read_integer("-32768, the rest"), -32768);
    EXPECT_EQ(read_integer("012345"), 12345);
    for (const char* refused : {"", "+", "1234567", "12a", "1.5", "40000", "- 1", "\xd9\xa1"})
        EXPECT_FALSE(read_integer(refused)) << refused;
    EXPECT_EQ(color_text_channels(".5 5. +7 "), (std::vector<int> {0, 5, 7}));
    EXPECT_EQ(color_text_channels(" . 1  2  "), std::vector<int> {});
}

TEST(ColorText, ReadsFirstSixAndLastThreeStoppingAtTheFirstBadPiece)
{
    EXPECT_EQ(color_text_channels("5  80 255"), (std::vector<int> {5, 80, 255}));
    EXPECT_EQ(
        color_text_channels(join_lines("5  \r\n80 \r\n255\r\n")), (std::vector<int> {5, 80, 255}));
    EXPECT_EQ(color_text_channels("1  2  xyz   9  "), (std::vector<int> {1, 2, 9}));
    EXPECT_EQ(color_text_channels("1.52.9250"), (std::vector<int> {1, 2, 250}));
    EXPECT_EQ(color_text_channels("10 300255"), (std::vector<int> {10}));
    for (const char* none : {"-1 0  0  ", "", "      "})
        EXPECT_EQ(color_text_channels(none), std::vector<int> {}) << none;
}

TEST(Settings, BytesAndParsing)
{
    EXPECT_EQ(settings_bytes(1, 1, "0  0  0  "), QByteArray("1\r\n1\r\n\"0  0  0  \"\r\n"));
    Settings s = parse_settings("1\r\n0\r\n\"2551020  \"\r\n");
    EXPECT_EQ(s.hash_prefix, 1);
    EXPECT_EQ(s.copy_alert, 0);
    EXPECT_EQ(s.color, QByteArray("2551020  "));
    // LF and CR line ends read the same.
    EXPECT_EQ(parse_settings("1\n0\n\"1  2  3  \"\n").color, QByteArray("1  2  3  "));
    EXPECT_EQ(parse_settings("1\r0\r\"1  2  3  \"").color, QByteArray("1  2  3  "));
    // Unquoted: read up to the line end, trailing spaces dropped; text before a quote is refused.
    EXPECT_EQ(parse_settings("1\r\n1\r\n1  2  3  \r\n").color, QByteArray("1  2  3"));
    EXPECT_FALSE(parse_settings("1\r\n1\r\nab\"0  0  0  \r\n").color);
}

TEST(Settings, FaultsKeepWhatWasReadBefore)
{
    Settings s = parse_settings("");
    EXPECT_FALSE(s.hash_prefix);
    s = parse_settings("1\r\n");
    EXPECT_EQ(s.hash_prefix, 1);
    EXPECT_FALSE(s.copy_alert);
    s = parse_settings("1\r\nabc\r\n\"0  0  0  \"\r\n");
    EXPECT_EQ(s.hash_prefix, 1);
    EXPECT_FALSE(s.copy_alert);
    EXPECT_FALSE(s.color);
    s = parse_settings("0\r\n1\r\n\"0  0  0  \r\n");
    EXPECT_EQ(s.copy_alert, 1);
    EXPECT_FALSE(s.color); // no closing quote
    EXPECT_FALSE(parse_settings("1.5\r\n1\r\n").hash_prefix);
    EXPECT_FALSE(parse_settings("99999\r\n").hash_prefix);
    EXPECT_EQ(parse_settings(" -1 ,x\r\n").hash_prefix, -1);
    EXPECT_FALSE(parse_settings(QByteArray("\x00\xff\x13", 3)).hash_prefix);
}

TEST(Preferences, ReadsLinesUntilTheFirstFault)
{
    QTemporaryDir dir;
    const auto table = [&](const QByteArray& bytes) {
        PreferenceTable t;
        t.read(write_temp(dir, bytes));
        return std::vector<int> {t[0], t[1], t[2], t[3], t[4], t[5]};
    };
    PreferenceTable missing;
    missing.read(dir.filePath(QStringLiteral("missing.ini")));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(missing[i], 0);
    EXPECT_EQ(table("1\r\n"), (std::vector<int> {1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(table("0\r\n1\r\nx\r\n1\r\n"), (std::vector<int> {0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(table("2\r\n-1\r\n99999\r\n"), (std::vector<int> {2, -1, 0, 0, 0, 0}));
    PreferenceTable w;
    w.read(write_temp(dir, "2\r\n1\r\n"));
    EXPECT_FALSE(w.on(LoadStation)); // only exactly 1 counts
    EXPECT_TRUE(w.on(AutoSaveColor));

    EXPECT_EQ(prefs_bytes({1, 1, 1, 1, 2, 1}), QByteArray("1\r\n1\r\n1\r\n1\r\n2\r\n1\r\n"));
}

TEST(Files, HugeAndBinaryFilesAreRefusedQuickly)
{
    QTemporaryDir dir;
    const QString path = write_temp(dir, QByteArray(10 * 1024 * 1024, '1'));
    EXPECT_FALSE(read_small_file(path));
    EXPECT_FALSE(read_small_file(dir.filePath(QStringLiteral("none"))));
    EXPECT_FALSE(read_small_file(dir.path())); // a folder is no file
    const QString binary = write_temp(dir, QByteArray("\x01\x02\xfe\xff\r\n\x00", 7));
    ASSERT_TRUE(read_small_file(binary));
    EXPECT_TRUE(read_integers(*read_small_file(binary), 6).empty());
}

TEST(Theme, EighteenCharactersAndPieces)
{
    EXPECT_EQ(theme_bytes("FFFFFF", "000000", "000000"), QByteArray("FFFFFF000000000000\r\n"));
    const ThemePieces p = theme_pieces(join_lines("FF00000000FFFF0000\r\n"));
    EXPECT_EQ(p.background, QByteArray("FF0000"));
    EXPECT_EQ(p.object, QByteArray("0000FF"));
    EXPECT_EQ(p.text, QByteArray("FF0000"));
    const ThemePieces longer = theme_pieces("11111122222233333344444455");
    EXPECT_EQ(longer.object, QByteArray("222222"));
    EXPECT_EQ(longer.text, QByteArray("444455"));
}

TEST(StationPrefs, TruthMarkers)
{
    EXPECT_EQ(station_prefs_bytes(true), QByteArray("#TRUE#\r\n"));
    EXPECT_EQ(station_prefs_bytes(false), QByteArray("#FALSE#\r\n"));
    for (const char* yes : {"#TRUE#\r\n", "True", "-1"})
        EXPECT_EQ(parse_truth(yes), true) << yes;
    for (const char* no : {"#FALSE#\n", "0"})
        EXPECT_EQ(parse_truth(no), false) << no;
    EXPECT_FALSE(parse_truth("maybe"));
    EXPECT_FALSE(parse_truth(""));
}
