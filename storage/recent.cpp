#include "storage/recent.h"

#include "storage/files.h"

#include <algorithm>

namespace storage {

namespace {

int hex_digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::vector<core::Rgb> parse_recent(const QByteArray& bytes)
{
    std::vector<core::Rgb> colors;
    for (const QByteArray& raw : split_lines(bytes)) {
        const QByteArray line = raw.trimmed();
        if (line.size() != 6)
            continue;
        int digits[6];
        bool ok = true;
        for (int i = 0; i < 6 && ok; ++i)
            ok = (digits[i] = hex_digit(line[i])) >= 0;
        if (!ok)
            continue;
        const core::Rgb c {
            16 * digits[0] + digits[1], 16 * digits[2] + digits[3], 16 * digits[4] + digits[5]};
        if (std::find(colors.begin(), colors.end(), c) != colors.end())
            continue;
        colors.push_back(c);
        if (int(colors.size()) == kRecentLimit)
            break;
    }
    return colors;
}

QByteArray recent_bytes(const std::vector<core::Rgb>& colors)
{
    QByteArray bytes;
    for (size_t i = 0; i < colors.size() && int(i) < kRecentLimit; ++i)
        bytes += QByteArray::fromStdString(core::build_hex_code(colors[i])) + "\r\n";
    return bytes;
}

std::vector<core::Rgb> read_recent(const QString& path)
{
    const auto bytes = read_small_file(path);
    return bytes ? parse_recent(*bytes) : std::vector<core::Rgb> {};
}

bool write_recent(const QString& path, const std::vector<core::Rgb>& colors)
{
    return write_file_atomically(path, recent_bytes(colors));
}

std::vector<core::Rgb> with_recent(std::vector<core::Rgb> colors, const core::Rgb& c)
{
    colors = without_recent(std::move(colors), c);
    colors.insert(colors.begin(), c);
    if (int(colors.size()) > kRecentLimit)
        colors.resize(size_t(kRecentLimit));
    return colors;
}

std::vector<core::Rgb> without_recent(std::vector<core::Rgb> colors, const core::Rgb& c)
{
    colors.erase(std::remove(colors.begin(), colors.end(), c), colors.end());
    return colors;
}

} // namespace storage
