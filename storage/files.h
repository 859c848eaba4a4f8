#pragma once

#include "core/color.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace storage {

// No file of ours is larger than a few lines; anything bigger is refused unread.
constexpr qint64 kReadLimit = 4096;

// The whole file, or nothing when it is missing, unreadable, not a regular file or larger
// than kReadLimit; `reason` (when given) then says why in words.
std::optional<QByteArray> read_small_file(const QString& path, QString* reason = nullptr);

// The same with a limit of one's own. Only a regular file is opened at all, without
// waiting (a FIFO or a device never blocks the program), and never more than `limit`
// bytes and one are read.
std::optional<QByteArray> read_regular_file(
    const QString& path, qint64 limit, QString* reason = nullptr);

// The name the system knows a path by. A name that is not valid UTF-8 comes back from the
// toolkit with U+FFFD in place of its bad bytes; it stands for the one entry of its folder
// that decodes to it.
QByteArray native_name(const QString& path);

// Whether an existing file or folder may be written. For root the permission bits
// decide as well: a file or folder the user made read-only stays read-only, as it would
// for anyone else.
bool may_write(const QString& path);

// Writes through a temporary file in the same folder that replaces the old one only when
// every byte has reached the disk; on any failure (a full disk, say) the old file stays
// whole. Nothing is written when the file or its folder may not be written (may_write),
// when the file is no regular file, or when it belongs to another user; a symbolic link is
// replaced itself, never written through. `reason` (when given) says why it failed.
bool write_file_atomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// The message box texts of a save and of a file that could not be opened; `reason` is a
// sentence without its full stop, as the functions above give it.
QString save_failure_text(const QString& path, const QString& reason);
QString open_failure_text(const QString& path, const QString& reason);

// Lines ended by CR LF, LF or CR; the line ends are dropped.
QList<QByteArray> split_lines(const QByteArray& bytes);
// All lines joined with their line ends dropped.
QByteArray join_lines(const QByteArray& bytes);

// A whole number in a line (white space around it skipped, a comma ends the field),
// or nothing when the field is not a 16-bit integer.
std::optional<int> read_integer(const QByteArray& line);

// Reads one integer per line until the first line that is missing or not an integer.
std::vector<int> read_integers(const QByteArray& bytes, int how_many);

// ---- Colour text and colour file (.pmt) ----

// Nine characters: each channel left-aligned in three, padded with spaces.
QByteArray color_text(const core::Rgb& c);
QByteArray color_file_bytes(const core::Rgb& c);

// A channel piece as a number (spaces ignored, fraction floored), or nothing when it
// is not a number or lies outside 0..255.
std::optional<int> channel_number(const QByteArray& piece);

// Red from characters 1-3, green 4-6, blue from the last three, of an already joined
// text; the channels read before the first bad piece.
std::vector<int> color_text_channels(const QByteArray& text);

// ---- Settings file (pmtsetgs.ini) ----

struct Settings {
    std::optional<int> hash_prefix; // line 1
    std::optional<int> copy_alert; // line 2
    std::optional<QByteArray> color; // line 3, the text between the quotes
};
Settings parse_settings(const QByteArray& bytes);
QByteArray settings_bytes(int hash_prefix, int copy_alert, const QByteArray& color_text);

// ---- Preferences file (pmtprefs.ini) ----

using PreferenceValues = std::array<int, 6>;
QByteArray prefs_bytes(const PreferenceValues& values);

// ---- Theme file (.pmtm) and station preferences (pmtmprefs.ini) ----

QByteArray theme_bytes(
    const std::string& background, const std::string& object, const std::string& text);

struct ThemePieces {
    QByteArray background; // characters 1-6
    QByteArray object; // characters 7-12
    QByteArray text; // the last six characters
};
ThemePieces theme_pieces(const QByteArray& joined);

QByteArray station_prefs_bytes(bool oval);
std::optional<bool> parse_truth(const QByteArray& bytes);

} // namespace storage
