#pragma once

// The preferences dialog's controls, held by their names. Behaviour lives in prefres.

#include "widgets/controls.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <array>

class QButtonGroup;
class QDialog;
class QGridLayout;
class QVBoxLayout;

namespace shell {

struct PrefsView {
    // Check1..Check5 by their number.
    widgets::ValueCheckBox* check(int n) const
    {
        return std::array {Check1, Check2, Check3, Check4, Check5}[n - 1];
    }

    // "Loading Options"
    QGroupBox* Frame1 = nullptr;
    widgets::ValueCheckBox* Check1 = nullptr;
    widgets::ValueCheckBox* Check4 = nullptr;
    // "Exiting Options"
    QGroupBox* Frame3 = nullptr;
    widgets::ValueCheckBox* Check2 = nullptr;
    widgets::ValueCheckBox* Check3 = nullptr;
    widgets::ValueCheckBox* Check5 = nullptr;
    // "Show PMT in:", the tray modes 0, 1 and 2
    QGroupBox* Frame2 = nullptr;
    QButtonGroup* tray_group = nullptr;
    std::array<QRadioButton*, 3> tray {};

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    QVBoxLayout* buttons = nullptr;
    QGridLayout* layout = nullptr;
};

PrefsView build_prefs_view(QDialog* dialog);

} // namespace shell
