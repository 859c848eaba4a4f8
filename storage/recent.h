#pragma once

#include "core/color.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace storage {

// The recent colours file, pmtrecent.ini beside the other settings: one six-digit hex
// code and CR LF a line, newest first, distinct, at most kRecentLimit lines.
constexpr int kRecentLimit = 16;
inline QString recent_file_name()
{
    return QStringLiteral("pmtrecent.ini");
}

// The colours a file's bytes hold: lines that are not a hex code are skipped, repeats
// after the first are dropped, and reading stops at kRecentLimit colours.
std::vector<core::Rgb> parse_recent(const QByteArray& bytes);
QByteArray recent_bytes(const std::vector<core::Rgb>& colors);

// Nothing when the file is missing, unreadable or larger than a few KiB (left unread).
std::vector<core::Rgb> read_recent(const QString& path);
bool write_recent(const QString& path, const std::vector<core::Rgb>& colors);

// The list with the colour moved (or added) to the front, cut to kRecentLimit.
std::vector<core::Rgb> with_recent(std::vector<core::Rgb> colors, const core::Rgb& c);
// The list without the colour.
std::vector<core::Rgb> without_recent(std::vector<core::Rgb> colors, const core::Rgb& c);

} // namespace storage
