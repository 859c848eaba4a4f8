// The recent colours file: exact bytes, the sixteen-colour bound, and damaged files.
#include "storage/recent.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using core::Rgb;
using namespace storage;

namespace {

QString put(QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(recent_file_name());
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

QByteArray bytes_of(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

std::vector<Rgb> grey_ramp(int n)
{
    std::vector<Rgb> colors;
    for (int i = 0; i < n; ++i)
        colors.push_back({i, i, i});
    return colors;
}

TEST(RecentFile, WritesUpperCaseCodesWithCrLfNewestFirstUnlessReadOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(recent_file_name());
    ASSERT_TRUE(write_recent(path, {{255, 153, 0}, {10, 0, 171}}));
    EXPECT_EQ(bytes_of(path), QByteArray("FF9900\r\n0A00AB\r\n"));
    EXPECT_EQ(read_recent(path), (std::vector<Rgb> {{255, 153, 0}, {10, 0, 171}}));
    ASSERT_TRUE(write_recent(path, {}));
    EXPECT_EQ(bytes_of(path), QByteArray());
    EXPECT_TRUE(read_recent(path).empty());
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {recent_file_name()});
    // A read-only file stays as it is.
    put(dir, "FF9900\r\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_FALSE(write_recent(path, {{0, 0, 0}}));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(bytes_of(path), QByteArray("FF9900\r\n"));
}

TEST(RecentFile, ListKeepsSixteenDistinctNewestFirst)
{
    std::vector<Rgb> list;
    for (const Rgb& c : grey_ramp(20))
        list = with_recent(list, c);
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list.front(), (Rgb {19, 19, 19}));
    EXPECT_EQ(list.back(), (Rgb {4, 4, 4}));
    // A colour already there moves to the front instead of appearing twice.
    list = with_recent(list, {10, 10, 10});
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[0], (Rgb {10, 10, 10}));
    EXPECT_EQ(list[1], (Rgb {19, 19, 19}));
    EXPECT_EQ(std::count(list.begin(), list.end(), Rgb {10, 10, 10}), 1);
    list = without_recent(list, {19, 19, 19});
    EXPECT_EQ(list.size(), 15u);
    EXPECT_EQ(list[1], (Rgb {18, 18, 18}));
    EXPECT_EQ(without_recent(list, {200, 0, 0}), list);
    // Never more than sixteen lines on disk, whatever the caller hands over.
    EXPECT_EQ(recent_bytes(grey_ramp(20)).count("\r\n"), 16);
}

TEST(RecentFile, DamagedFilesGivePartialOrEmptyLists)
{
    QTemporaryDir dir;
    // Hand-edited: LF only, lower case, blanks, junk and repeats.
    EXPECT_EQ(read_recent(put(dir,
                  "ff9900\n  336699 \r\nnot a colour\n\n12345\nFF9900\r\n#000000\r"
                  "0a00ab")),
        (std::vector<Rgb> {{255, 153, 0}, {51, 102, 153}, {10, 0, 171}}));
    // More than sixteen good lines: the first sixteen.
    QByteArray many;
    for (int i = 0; i < 40; ++i)
        many += QByteArray::number(100000 + i) + "\r\n";
    EXPECT_EQ(read_recent(put(dir, many)).size(), 16u);
    // Binary bytes within the bound.
    QByteArray binary;
    for (int i = 0; i < 4000; ++i)
        binary += char((i * 131 + 7) % 256);
    EXPECT_LE(read_recent(put(dir, binary)).size(), 16u);
    EXPECT_TRUE(read_recent(put(dir, QByteArray(6, '\0'))).empty());
    // Too big to be ours: refused unread, even though it starts well.
    EXPECT_TRUE(read_recent(put(dir, "336699\r\n" + QByteArray(10 * 1024 * 1024, 'A'))).empty());
    EXPECT_TRUE(read_recent(dir.filePath(QStringLiteral("missing.ini"))).empty());
}

} // namespace
