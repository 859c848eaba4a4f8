#include "storage/files.h"
#include "storage/preferences.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace storage;

namespace {
QString write_temp(QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}
} // namespace

TEST(ColorText, NineCharactersLeftAlignedWithCrLf)
{
    EXPECT_EQ(color_file_bytes({5, 80, 255}), QByteArray("5  80 255\r\n"));
    EXPECT_EQ(color_text({0, 0, 0}), QByteArray("0  0  0  "));
    EXPECT_EQ(color_text({255, 102, 0}), QByteArray("2551020  "));
}

TEST(ColorText, ReadsFirstSixAndLastThreeStoppingAtTheFirstBadPiece)
{
    EXPECT_EQ(color_text_channels("5  80 255"), (std::vector<int> {5, 80, 255}));
    EXPECT_EQ(
        color_text_channels(join_lines("5  \r\n80 \r\n255\r\n")), (std::vector<int> {5, 80, 255}));
    EXPECT_EQ(color_text_channels("1  2  xyz   9  "), (std::vector<int> {1, 2, 9}));
    EXPECT_EQ(color_text_channels("1.52.9250"), (std::vector<int> {1, 2, 250}));
    EXPECT_EQ(color_text_channels("10 300255"), (std::vector<int> {10}));
    EXPECT_EQ(color_text_channels("-1 0  0  "), std::vector<int> {});
    EXPECT_EQ(color_text_channels(""), std::vector<int> {});
    EXPECT_EQ(color_text_channels("      "), std::vector<int> {});
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
    PreferenceTable t;
    t.read(dir.filePath(QStringLiteral("missing.ini")));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(t[i], 0);

    t.read(write_temp(dir, "1\r\n"));
    EXPECT_EQ(t[0], 1);
    EXPECT_EQ(t[1], 0);

    PreferenceTable u;
    u.read(write_temp(dir, "0\r\n1\r\nx\r\n1\r\n"));
    EXPECT_EQ(u[1], 1);
    EXPECT_EQ(u[2], 0);
    EXPECT_EQ(u[3], 0);
    EXPECT_TRUE(u.on(AutoSaveColor));

    PreferenceTable w;
    w.read(write_temp(dir, "2\r\n-1\r\n99999\r\n"));
    EXPECT_EQ(w[0], 2);
    EXPECT_FALSE(w.on(LoadStation)); // only exactly 1 counts
    EXPECT_EQ(w[1], -1);
    EXPECT_EQ(w[2], 0);

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

TEST(Files, AtomicWriteLeavesTheOldFileWhenItCannotWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.ini"));
    ASSERT_TRUE(write_file_atomically(path, "old\r\n"));
    ASSERT_TRUE(write_file_atomically(path, "new\r\n"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("new\r\n"));
    EXPECT_FALSE(write_file_atomically(dir.filePath(QStringLiteral("no/such/folder/a.ini")), "x"));
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
    EXPECT_EQ(parse_truth("#TRUE#\r\n"), true);
    EXPECT_EQ(parse_truth("#FALSE#\n"), false);
    EXPECT_EQ(parse_truth("True"), true);
    EXPECT_EQ(parse_truth("0"), false);
    EXPECT_EQ(parse_truth("-1"), true);
    EXPECT_FALSE(parse_truth("maybe"));
    EXPECT_FALSE(parse_truth(""));
}

TEST(Settings, UnquotedColourText)
{
    EXPECT_EQ(parse_settings("1\r\n1\r\n1  2  3  \r\n").color, QByteArray("1  2  3"));
    EXPECT_FALSE(parse_settings("1\r\n1\r\nab\"0  0  0  \r\n").color);
}
