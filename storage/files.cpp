#include "storage/files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

namespace storage {

std::optional<QByteArray> read_small_file(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read one byte past the limit: a file that gives more than kReadLimit is refused
    // without reading the rest (this also covers files whose size() is unknown).
    QByteArray bytes = file.read(kReadLimit + 1);
    if (bytes.size() > kReadLimit)
        return std::nullopt;
    return bytes;
}

bool may_write(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return false;
    if (::access(native.constData(), W_OK) != 0)
        return false;
    // access() lets root write anything on a writable file system; the bits still count.
    return ::geteuid() != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

bool write_file_atomically(const QString& path, const QByteArray& bytes)
{
    // A file the user made read-only stays as it is, although its folder would let a
    // new file take its place; a read-only folder gets no new file.
    const QFileInfo target(path);
    if (target.exists() && !may_write(path))
        return false;
    if (!may_write(target.absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QList<QByteArray> split_lines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    QByteArray current;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty())
        lines.append(current);
    return lines;
}

QByteArray join_lines(const QByteArray& bytes)
{
    QByteArray joined;
    joined.reserve(bytes.size());
    for (char c : bytes) {
        if (c != '\r' && c != '\n')
            joined.append(c);
    }
    return joined;
}

namespace {

// Whether the text is an optional sign and a decimal number: digits only ("12", "-3"), or,
// where a fraction is allowed, with a point as well ("4.", ".5", "+1.25"); at most
// max_whole digits before the point.
bool plain_number(const QByteArray& text, bool fraction, int max_whole)
{
    const auto digit = [&](qsizetype i) { return text[i] >= '0' && text[i] <= '9'; };
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    qsizetype whole = 0;
    for (; i < text.size() && digit(i); ++i)
        ++whole;
    qsizetype part = 0;
    if (fraction && i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && digit(i); ++i)
            ++part;
    }
    return i == text.size() && whole + part > 0 && whole <= max_whole;
}

} // namespace

std::optional<int> read_integer(const QByteArray& line)
{
    QByteArray field = line;
    const qsizetype comma = field.indexOf(',');
    if (comma >= 0)
        field.truncate(comma);
    field = field.trimmed();
    if (!plain_number(field, false, 6))
        return std::nullopt;
    const int value = field.toInt();
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return value;
}

std::vector<int> read_integers(const QByteArray& bytes, int how_many)
{
    std::vector<int> values;
    const QList<QByteArray> lines = split_lines(bytes);
    for (int i = 0; i < how_many && i < lines.size(); ++i) {
        const auto value = read_integer(lines[i]);
        if (!value)
            break;
        values.push_back(*value);
    }
    return values;
}

QByteArray color_text(const core::Rgb& c)
{
    QByteArray text;
    for (int v : {c.red, c.green, c.blue})
        text += QByteArray::number(v).leftJustified(3, ' ');
    return text;
}

QByteArray color_file_bytes(const core::Rgb& c)
{
    return color_text(c) + "\r\n";
}

std::optional<int> channel_number(const QByteArray& piece)
{
    const QByteArray text = piece.trimmed();
    if (!plain_number(text, true, std::numeric_limits<int>::max()))
        return std::nullopt;
    const double value = std::floor(text.toDouble());
    if (value < 0 || value > 255)
        return std::nullopt;
    return int(value);
}

std::vector<int> color_text_channels(const QByteArray& text)
{
    std::vector<int> channels;
    for (const QByteArray& piece : {text.mid(0, 3), text.mid(3, 3), text.right(3)}) {
        const auto value = channel_number(piece);
        if (!value)
            break;
        channels.push_back(*value);
    }
    return channels;
}

Settings parse_settings(const QByteArray& bytes)
{
    Settings settings;
    const QList<QByteArray> lines = split_lines(bytes);
    if (lines.size() < 1 || !(settings.hash_prefix = read_integer(lines[0])))
        return settings;
    if (lines.size() < 2 || !(settings.copy_alert = read_integer(lines[1])))
        return settings;
    if (lines.size() < 3)
        return settings;
    const QByteArray line = lines[2];
    const QByteArray field = line.trimmed();
    if (field.startsWith('"')) {
        const qsizetype close = field.indexOf('"', 1);
        if (close < 0)
            return settings; // no closing quote: the text cannot be read
        settings.color = field.mid(1, close - 1);
    } else {
        // An unquoted text runs to a comma; a stray quote in it makes it unreadable.
        const qsizetype comma = field.indexOf(',');
        const QByteArray text = (comma >= 0 ? field.left(comma) : field).trimmed();
        if (text.contains('"'))
            return settings;
        settings.color = text;
    }
    return settings;
}

QByteArray settings_bytes(int hash_prefix, int copy_alert, const QByteArray& color_text)
{
    return QByteArray::number(hash_prefix) + "\r\n" + QByteArray::number(copy_alert) + "\r\n\""
        + color_text + "\"\r\n";
}

QByteArray prefs_bytes(const PreferenceValues& values)
{
    QByteArray bytes;
    for (int v : values)
        bytes += QByteArray::number(v) + "\r\n";
    return bytes;
}

QByteArray theme_bytes(
    const std::string& background, const std::string& object, const std::string& text)
{
    return QByteArray::fromStdString(background + object + text) + "\r\n";
}

ThemePieces theme_pieces(const QByteArray& joined)
{
    return ThemePieces {joined.mid(0, 6), joined.mid(6, 6), joined.right(6)};
}

QByteArray station_prefs_bytes(bool oval)
{
    return oval ? QByteArray("#TRUE#\r\n") : QByteArray("#FALSE#\r\n");
}

std::optional<bool> parse_truth(const QByteArray& bytes)
{
    const QList<QByteArray> lines = split_lines(bytes);
    if (lines.isEmpty())
        return std::nullopt;
    QByteArray field = lines[0];
    const qsizetype comma = field.indexOf(',');
    if (comma >= 0)
        field.truncate(comma);
    field = field.trimmed();
    const QByteArray word = field.toUpper();
    if (word == "#TRUE#" || word == "TRUE")
        return true;
    if (word == "#FALSE#" || word == "FALSE")
        return false;
    if (const auto number = read_integer(field))
        return *number != 0;
    return std::nullopt;
}

} // namespace storage
