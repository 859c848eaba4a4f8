#pragma once

#include "shell/readme_view.h"

#include <QWidget>

namespace platform {
class Platform;
}

namespace shell {

// The ReadMe viewer window: the text fills the window below a strip that holds "&Close",
// wraps long lines, and can be selected and copied. Escape closes it.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(platform::Platform& platform);

    const ReadmeView& view() const { return view_; }
    platform::Platform& platform() { return platform_; }

private:
    platform::Platform& platform_;
    ReadmeView view_;
};

// Reads a whole text file into the viewer, or reports that it could not. Text that is
// not valid UTF-8 is taken as 8-bit Latin-1.
void load_readme(Form2& viewer, const QString& file_name);

// The text of a ReadMe file's bytes: UTF-8 where they are valid UTF-8, else Latin-1.
QString readme_text(const QByteArray& bytes);

} // namespace shell
