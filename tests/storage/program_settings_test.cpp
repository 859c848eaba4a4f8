#include "storage/preferences.h"
#include "storage/program_settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ProgramSettings, OneKeyIsSetAndEveryOtherLineKept)
{
    using storage::program_setting;
    using storage::with_program_setting;
    EXPECT_EQ(with_program_setting("", "A", "1"), "A=1\n");
    // Replaced in place; lines of other versions and CR LF endings survive as lines.
    EXPECT_EQ(with_program_setting("B=x\r\nA=0\r\nC=y", "A", "HSL"), "B=x\nA=HSL\nC=y\n");
    // A repeated key keeps only the first line; a key that only begins alike is another key.
    EXPECT_EQ(with_program_setting("A=1\nAB=2\nA=3\n", "A", "4"), "A=4\nAB=2\n");
    EXPECT_EQ(program_setting("AB=2\nA= OKLCH \n", "A"), QByteArray("OKLCH"));
    EXPECT_FALSE(program_setting("AB=2\n", "A"));
}

TEST(ProgramSettings, WrittenWholeAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(storage::program_settings_name());
    EXPECT_FALSE(storage::read_program_setting(path, "A"));
    ASSERT_TRUE(storage::write_program_setting(path, "A", "HSL"));
    ASSERT_TRUE(storage::write_program_setting(path, "B", "RGB"));
    EXPECT_EQ(storage::read_program_setting(path, "A"), QByteArray("HSL"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "A=HSL\nB=RGB\n");
}

TEST(Preferences, NamedInTheFilesOrderAndReadingStopsAtTheFirstBadLine)
{
    const storage::Preferences p = storage::parse_preferences("1\r\n0\r\n2\r\nx\r\n1\r\n1\r\n");
    EXPECT_EQ(p.load_station, 1);
    EXPECT_EQ(p.auto_save_color, 0);
    EXPECT_EQ(p.close_like_tv, 2);
    EXPECT_FALSE(p.show_splash);
    EXPECT_FALSE(p.tray_mode) << "a line after a bad one is not read";
    EXPECT_FALSE(p.confirm_exit);
    const storage::Preferences all = storage::parse_preferences("0\n0\n0\n1\n2\n1");
    EXPECT_EQ(all.tray_mode, 2);
    EXPECT_EQ(*all.lines()[5], 1);
}
