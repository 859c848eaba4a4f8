#include "shell/prefs_view.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace shell {

namespace {

widgets::ValueCheckBox* add_check(
    QGroupBox* frame, const char* name, const char* caption, const char* tooltip)
{
    auto* box = new widgets::ValueCheckBox(QString::fromUtf8(caption), frame);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(QString::fromUtf8(tooltip));
    frame->layout()->addWidget(box);
    return box;
}

QGroupBox* add_frame(QWidget* parent, const char* name, const char* caption)
{
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setLayout(new QVBoxLayout);
    return frame;
}

} // namespace

PrefsView build_prefs_view(QDialog* dialog)
{
    PrefsView v;
    v.Frame1 = add_frame(dialog, "Frame1", "Loading Options");
    v.Check1 = add_check(v.Frame1, "Check1", "&Load Color Matching Station on start up",
        "PMT will start the Color Matching Station automatically.");
    v.Check4 = add_check(v.Frame1, "Check4", "S&how splash screen at start up",
        "If this is checked then a splash screen will appear for about 1.25 "
        "seconds when you start PMT.");
    v.Frame3 = add_frame(dialog, "Frame3", "Exiting Options");
    v.Check2 = add_check(v.Frame3, "Check2", "&Automatically save color on exit",
        "When you exit, PMT will save the color you were working on and load "
        "it when you run PMT again!");
    v.Check3 = add_check(v.Frame3, "Check3", "Close PMT like a &TV (try this!)",
        "You've got to try this to know what I mean!");
    v.Check5 = add_check(v.Frame3, "Check5", "Confir&m when you exit", "Confirm Exit");

    v.Frame2 = add_frame(dialog, "Frame2", "Show PMT in:");
    v.tray_group = new QButtonGroup(dialog);
    const char* captions[] = {"Task Bar only", "System tray only", "Task bar && system tray"};
    const char* tips[] = {"Show PMT in the task bar (Like normal programs)",
        "Show PMT in the system tray", "Show in both"};
    for (int i = 0; i < 3; ++i) {
        v.tray[i] = new QRadioButton(QString::fromUtf8(captions[i]), v.Frame2);
        v.tray[i]->setObjectName(QStringLiteral("tray_%1").arg(i));
        v.tray[i]->setToolTip(QString::fromUtf8(tips[i]));
        v.tray_group->addButton(v.tray[i], i);
        v.Frame2->layout()->addWidget(v.tray[i]);
    }

    v.Command1 = widgets::push_button(
        dialog, "Command1", QStringLiteral("&Save && close"), QStringLiteral("Save and Close"));
    v.Command1->setDefault(true);
    v.Command2 = widgets::push_button(
        dialog, "Command2", QStringLiteral("&Cancel"), QStringLiteral("Cancel"));

    v.buttons = new QVBoxLayout;
    v.buttons->addStretch();
    v.buttons->addWidget(v.Command1);
    v.buttons->addWidget(v.Command2);
    v.layout = new QGridLayout(dialog);
    v.layout->addWidget(v.Frame1, 0, 0, 1, 2);
    v.layout->addWidget(v.Frame3, 1, 0, 1, 2);
    v.layout->addWidget(v.Frame2, 2, 0);
    v.layout->addLayout(v.buttons, 2, 1);
    v.layout->setSizeConstraint(QLayout::SetFixedSize);
    return v;
}

} // namespace shell
