#include "shell/readme_view.h"

#include "widgets/controls.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

ReadmeView build_readme_view(QWidget* window)
{
    ReadmeView v;
    v.Text1 = new QPlainTextEdit(window);
    v.Text1->setObjectName(QStringLiteral("Text1"));
    v.Text1->setAccessibleName(QStringLiteral("ReadMe text"));
    v.Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    v.Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    v.Text1->setReadOnly(true);
    v.Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The desktop's fixed-pitch font at a fixed 9 pt, a factor of the default size.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(window->font().pointSizeF() > 0 ? window->font().pointSizeF() : 9);
    v.Text1->setFont(widgets::scaled_font(mono, 1.09));
    v.Text1->setPlainText(
        QStringLiteral("You should see the contents of ReadMe.txt here.\n"
                       "If you don't, the file is currently loading! Please wait...\n"));

    v.Command1 = widgets::push_button(window, "Command1", QStringLiteral("&Close"));
    v.Command1->setFont(widgets::scaled_font(window->font(), 1.0, true));

    // "&Close" at the top right, in a strip of its own; the text fills the rest of the
    // window to its edges.
    v.strip = new QHBoxLayout;
    v.strip->setContentsMargins(6, 6, 6, 6);
    v.strip->addStretch();
    v.strip->addWidget(v.Command1);
    v.layout = new QVBoxLayout(window);
    v.layout->setContentsMargins(0, 0, 0, 0);
    v.layout->setSpacing(0);
    v.layout->addLayout(v.strip);
    v.layout->addWidget(v.Text1, 1);
    return v;
}

} // namespace shell
