#pragma once

// The splash window's controls, held by their names. Behaviour lives in Splashscreen;
// the controls are built only when the window is going to show.

#include "core/version.h"
#include "widgets/controls.h"

#include <QLabel>
#include <QPushButton>

#include <memory>

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace shell {

inline const char kVersionLabel[] = "v." PIGMENTOR_VERSION;

struct SplashView {
    QLabel* Label2 = nullptr; // the version
    QLabel* Label1 = nullptr; // the credits, hidden until "&More Info"
    QPushButton* Command1 = nullptr; // "&Close", shown in the About box only
    QPushButton* Command2 = nullptr; // "&More Info"
    // The credits toggle's state; a box of its own that is never shown.
    std::unique_ptr<widgets::ValueCheckBox> Check1;

    QHBoxLayout* buttons = nullptr;
    QVBoxLayout* layout = nullptr;
};

SplashView build_splash_view(QWidget* window);

} // namespace shell
