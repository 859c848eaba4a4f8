#include "storage/files.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {

namespace {

void tell(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
}

// The system's own words for an error number.
QString system_reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString size_words(qint64 limit)
{
    if (limit >= 1024 * 1024 && limit % (1024 * 1024) == 0)
        return QStringLiteral("%1 MiB").arg(limit / (1024 * 1024));
    if (limit >= 1024 && limit % 1024 == 0)
        return QStringLiteral("%1 KiB").arg(limit / 1024);
    return QStringLiteral("%1 bytes").arg(limit);
}

QString not_regular(const struct stat& st)
{
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("It is a folder, not a file");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("It is a pipe, not a regular file");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("It is a device, not a regular file");
    return QStringLiteral("It is not a regular file");
}

// Closes a descriptor once.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

QByteArray native_name(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (!path.contains(QChar::ReplacementCharacter) || ::lstat(native.constData(), &st) == 0)
        return native;
    const QFileInfo info(path);
    const QString name = info.fileName();
    const QByteArray folder = native_name(info.absolutePath());
    QByteArray found;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            if (QFile::decodeName(entry->d_name) != name)
                continue;
            if (!found.isEmpty()) { // two names decode alike: neither is meant
                found.clear();
                break;
            }
            found = entry->d_name;
        }
        ::closedir(dir);
    }
    if (found.isEmpty())
        return native;
    return folder.endsWith('/') ? folder + found : folder + '/' + found;
}

std::optional<QByteArray> read_regular_file(const QString& path, qint64 limit, QString* reason)
{
    const QByteArray native = native_name(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0) {
        tell(reason, system_reason(errno));
        return std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        tell(reason, not_regular(st));
        return std::nullopt;
    }
    // O_NONBLOCK: should the name have become a FIFO since, opening it does not wait.
    Descriptor file {::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0) {
        tell(reason, system_reason(errno));
        return std::nullopt;
    }
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        tell(reason, not_regular(st));
        return std::nullopt;
    }
    const QString too_large = QStringLiteral("It is larger than %1").arg(size_words(limit));
    if (st.st_size > limit) {
        tell(reason, too_large);
        return std::nullopt;
    }
    // One byte past the limit: a file that grew meanwhile is refused without the rest.
    QByteArray bytes(qsizetype(limit + 1), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            tell(reason, system_reason(errno));
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > limit) {
        tell(reason, too_large);
        return std::nullopt;
    }
    bytes.truncate(got);
    return bytes;
}

std::optional<QByteArray> read_small_file(const QString& path, QString* reason)
{
    return read_regular_file(path, kReadLimit, reason);
}

bool may_write(const QString& path)
{
    const QByteArray native = native_name(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return false;
    if (::access(native.constData(), W_OK) != 0)
        return false;
    // access() lets root write anything on a writable file system; the bits still count.
    return ::geteuid() != 0 || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

bool write_file_atomically(const QString& path, const QByteArray& bytes, QString* reason)
{
    const QByteArray native = native_name(path);
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    const QByteArray native_folder = native_name(folder);
    // The file itself, not what a link points to: a link is replaced, never written through.
    struct stat st;
    const bool exists = ::lstat(native.constData(), &st) == 0;
    mode_t mode = 0;
    if (exists && !S_ISLNK(st.st_mode)) {
        if (!S_ISREG(st.st_mode)) {
            tell(reason, not_regular(st));
            return false;
        }
        if (st.st_uid != ::geteuid()) {
            tell(reason, QStringLiteral("It belongs to another user"));
            return false;
        }
        // A file the user made read-only stays as it is, although its folder would let a
        // new file take its place.
        if (!may_write(path)) {
            tell(reason, system_reason(EACCES));
            return false;
        }
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    struct stat folder_st;
    if (::stat(native_folder.constData(), &folder_st) != 0) {
        tell(reason, system_reason(errno));
        return false;
    }
    if (!may_write(folder)) {
        tell(reason,
            system_reason(::access(native_folder.constData(), W_OK) != 0 && errno != EACCES
                    ? errno
                    : EACCES));
        return false;
    }

    QByteArray temporary = native_folder;
    if (!temporary.endsWith('/'))
        temporary += '/';
    temporary += '.' + native.mid(native.lastIndexOf('/') + 1) + ".XXXXXX";
    Descriptor file {::mkostemp(temporary.data(), O_CLOEXEC)};
    if (file.fd < 0) {
        tell(reason, system_reason(errno));
        return false;
    }
    const auto fail = [&](int error) {
        ::unlink(temporary.constData());
        tell(reason, system_reason(error));
        return false;
    };
    if (::fchmod(file.fd, mode) != 0)
        return fail(errno);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(file.fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(n < 0 ? errno : ENOSPC);
        done += n;
    }
    // The bytes must be on the disk before the name moves: a full disk or a failing device
    // may only say so here.
    if (::fsync(file.fd) != 0)
        return fail(errno);
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(temporary.constData(), native.constData()) != 0)
        return fail(errno);
    Descriptor dir {::open(native_folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
    return true;
}

QString save_failure_text(const QString& path, const QString& reason)
{
    return QStringLiteral("\"%1\" could not be saved.\r%2.").arg(path, reason);
}

QString open_failure_text(const QString& path, const QString& reason)
{
    return QStringLiteral("\"%1\" could not be opened.\r%2.").arg(path, reason);
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
