#pragma once

#include "shell/help_view.h"

#include <QPalette>
#include <QString>
#include <QUrl>
#include <QWidget>

namespace platform {
class Platform;
}

namespace shell {

// The product's web page.
inline const char kWebsite[] = "https://pigmentor.example.org/";

// The folder that holds the help pages: beside the program, or where it was installed.
QString help_folder();

// The help pages' style sheet with its colours made legible on a palette's page colour
// (a navy heading turns light on a dark desktop).
QString themed_style_sheet(const QString& css, const QPalette& palette);

// The help window: the pages with their style sheet, Back, Forward and Contents (also
// Alt+Left, Alt+Right), help pages opened inside it and outside addresses in the browser.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(platform::Platform& platform, const QString& folder);

    void show_contents();
    const HelpView& view() const { return view_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void follow(const QUrl& url);
    void apply_style();

    platform::Platform& platform_;
    QString folder_;
    HelpView view_;
};

// Opens the help contents in the help window; says so when the pages are missing.
// Returns the window (null when the pages are missing).
HelpWindow* show_help_contents(platform::Platform& platform, QWidget* parent);

// Opens the product's web page in the desktop's browser; says so when that failed.
void open_website(platform::Platform& platform, QWidget* parent);

} // namespace shell
