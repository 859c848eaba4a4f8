#include "shell/splash_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

const char kCredits[] = "Pigmentor " PIGMENTOR_VERSION ", by the Pigmentor developers.\n"
                        "Free to use and to pass on, unchanged and without charge.\n"
                        "Questions and the latest version: Help > On the Web.";

const QColor kCreditsPaper(0xFF, 0xFF, 0xF2);

} // namespace

SplashView build_splash_view(QWidget* window)
{
    SplashView v;
    v.Label2 = new QLabel(QString::fromLatin1(kVersionLabel), window);
    v.Label2->setObjectName(QStringLiteral("Label2"));
    v.Label2->setToolTip(QStringLiteral("Version Number"));
    v.Label2->setAccessibleName(QStringLiteral("Version"));
    v.Label2->setFont(widgets::scaled_font(window->font(), 1.0, true));
    v.Label2->setAlignment(Qt::AlignCenter);

    v.Label1 = new QLabel(QString::fromUtf8(kCredits), window);
    v.Label1->setObjectName(QStringLiteral("Label1"));
    v.Label1->setAccessibleName(QStringLiteral("Credits"));
    v.Label1->setWordWrap(true);
    v.Label1->setAlignment(Qt::AlignCenter);
    v.Label1->setMargin(4);
    v.Label1->setAutoFillBackground(true);
    QPalette paper = v.Label1->palette();
    paper.setColor(QPalette::Window, kCreditsPaper);
    paper.setColor(QPalette::WindowText, Qt::black);
    v.Label1->setPalette(paper);
    v.Label1->setFont(widgets::scaled_font(window->font(), 1.09));
    v.Label1->hide();
    QSizePolicy keep = v.Label1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    keep.setVerticalPolicy(QSizePolicy::Ignored);
    keep.setHorizontalPolicy(QSizePolicy::Ignored);
    v.Label1->setSizePolicy(keep);

    v.Command1 = widgets::push_button(
        window, "Command1", QStringLiteral("&Close"), QStringLiteral("Close"));
    v.Command1->hide();
    v.Command2 = widgets::push_button(window, "Command2", QStringLiteral("&More Info"),
        QStringLiteral("Click Here for more info about Pigmentor"));
    v.Command2->hide();
    for (QPushButton* b : {v.Command1, v.Command2}) {
        QSizePolicy p = b->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        b->setSizePolicy(p);
    }

    v.Check1 = std::make_unique<widgets::ValueCheckBox>(QStringLiteral("Check1"));
    v.Check1->setObjectName(QStringLiteral("Check1"));

    // Inside the ellipse: the version at the top, the credits across the middle, the
    // buttons low in the middle, where the ellipse is still wide enough for them.
    v.buttons = new QHBoxLayout;
    v.buttons->addStretch();
    v.buttons->addWidget(v.Command2);
    v.buttons->addWidget(v.Command1);
    v.buttons->addStretch();
    v.layout = new QVBoxLayout(window);
    v.layout->setContentsMargins(46, 12, 46, 20);
    v.layout->setSpacing(4);
    v.layout->addWidget(v.Label2);
    v.layout->addWidget(v.Label1, 1);
    v.layout->addLayout(v.buttons);
    return v;
}

} // namespace shell
