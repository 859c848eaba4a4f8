#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

class Platform;

// The program's filter followed by "All files (*)", for every open and save dialog.
QString with_all_files(const QString& filter);

// The extension of a filter's first pattern: "pmtm" for "Color Matching Station File
// (*.pmtm)", "palette.json" for "Palettes (*.palette.json)"; empty when the filter names none.
QString filter_extension(const QString& filter);

// A name typed without an extension gets the filter's: "mine" becomes "mine.pmtm",
// "mine." too; "mine.txt" and "mine.pmtm" stay as typed.
QString complete_save_name(const QString& name, const QString& filter);

// The question asked before an existing file is replaced.
QString replace_question(const QString& path);

// What a save dialog hands back: the name from `dialog` (called with the folder or the
// name to start from; empty on cancel), completed with the filter's extension; when that
// file exists the user is asked whether to replace it, and No shows the dialog again.
QString confirmed_save_name(Platform& platform, QWidget* parent, const QString& title,
    const QString& folder, const QString& filter,
    const std::function<QString(const QString& start)>& dialog);

} // namespace platform
