#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <optional>

namespace platform {
class Platform;
}

namespace shell {

// The ReadMe viewer window.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(platform::Platform& platform);

    QPlainTextEdit* Text1() const { return text1_; }
    QPushButton* Command1() const { return command1_; }
    platform::Platform& platform() { return platform_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    platform::Platform& platform_;
    QPlainTextEdit* text1_;
    QPushButton* command1_;
};

// Reads a whole text file into the viewer, or reports that it could not.
void load_readme(Form2& viewer, const QString& file_name);

// The window sizes, in twips, at which the viewer lays out its controls.
struct ReadmeLayout {
    int text_width;
    int text_height;
    int button_left;
};
// Nothing when the window is too small to lay out (the controls keep their places).
std::optional<ReadmeLayout> readme_layout(int window_width, int window_height);

} // namespace shell
