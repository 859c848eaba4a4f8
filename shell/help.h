#pragma once

#include <QString>
#include <QUrl>

class QWidget;

namespace platform {
class Platform;
}

namespace shell {

// The product's web page.
inline const char kWebsite[] = "https://pigmentor.example.org/";

// The folder that holds the help pages: beside the program, or where it was installed.
QString help_folder();

// Opens the help contents in a help window; says so when the pages are missing.
void show_help_contents(platform::Platform& platform, QWidget* parent);

// Opens the product's web page in the desktop's browser; says so when that failed.
void open_website(platform::Platform& platform, QWidget* parent);

} // namespace shell
