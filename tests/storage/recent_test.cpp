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

// Newest first, one upper-case code and CR LF a line, sixteen at most; a colour already
// there moves to the front. (Forgetting one and reordering are followed in the window's tests.)
TEST(RecentFile, WritesSixteenDistinctCodesNewestFirstWithCrLfUnlessReadOnly)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(recent_file_name());
    ASSERT_TRUE(write_recent(path, {{255, 153, 0}, {10, 0, 171}}));
    EXPECT_EQ(bytes_of(path), QByteArray("FF9900\r\n0A00AB\r\n"));
    EXPECT_EQ(read_recent(path), (std::vector<Rgb> {{255, 153, 0}, {10, 0, 171}}));
    ASSERT_TRUE(write_recent(path, {}));
    EXPECT_EQ(bytes_of(path), QByteArray());
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {recent_file_name()});
    // A read-only file stays as it is.
    put(dir, "FF9900\r\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    EXPECT_FALSE(write_recent(path, {{0, 0, 0}}));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(bytes_of(path), QByteArray("FF9900\r\n"));

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
}

TEST(RecentFile, DamagedHugeOrBinaryFilesGivePartialOrEmptyLists)
{
    QTemporaryDir dir;
    // Hand-edited: LF only, lower case, blanks, junk and repeats.
    EXPECT_EQ(read_recent(put(dir,
                  "ff9900\n  336699 \r\nnot a colour\n\n12345\nFF9900\r\n#000000\r"
                  "0a00ab")),
        (std::vector<Rgb> {{255, 153, 0}, {51, 102, 153}, {10, 0, 171}}));
    // More than sixteen good lines: the first sixteen.
    QByteArray many, binary;
    for (int i = 0; i < 40; ++i)
        many += QByteArray::number(100000 + i) + "\r\n";
    EXPECT_EQ(read_recent(put(dir, many)).size(), 16u);
    // Binary bytes within the bound.
    for (int i = 0; i < 4000; ++i)
        binary += char((i * 131 + 7) % 256);
    EXPECT_LE(read_recent(put(dir, binary)).size(), 16u);
    EXPECT_TRUE(read_recent(put(dir, QByteArray(6, '\0'))).empty());
    // Too big to be ours: refused unread, even though it starts well.
    EXPECT_TRUE(read_recent(put(dir, "336699\r\n" + QByteArray(10 * 1024 * 1024, 'A'))).empty());
    EXPECT_TRUE(read_recent(dir.filePath(QStringLiteral("missing.ini"))).empty());
}

} // namespace
