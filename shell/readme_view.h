#pragma once

// The ReadMe viewer's controls, held by their names. Behaviour lives in Form2.

#include <QPlainTextEdit>
#include <QPushButton>

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace shell {

struct ReadmeView {
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;

    QHBoxLayout* strip = nullptr; // "&Close" at the top right
    QVBoxLayout* layout = nullptr;
};

ReadmeView build_readme_view(QWidget* window);

} // namespace shell
