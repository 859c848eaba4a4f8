#include "shell/help_view.h"

#include "widgets/controls.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::StyleSheetResource)
        return style_sheet;
    return QTextBrowser::loadResource(type, name);
}

HelpView build_help_view(QWidget* window)
{
    HelpView v;
    v.HelpPage = new HelpBrowser(window);
    v.HelpPage->setObjectName(QStringLiteral("HelpPage"));
    v.HelpPage->setAccessibleName(QStringLiteral("Help page"));

    v.HelpBack = widgets::push_button(
        window, "HelpBack", QStringLiteral("Back"), QStringLiteral("The page before (Alt+Left)"));
    v.HelpForward = widgets::push_button(window, "HelpForward", QStringLiteral("Forward"),
        QStringLiteral("The page after (Alt+Right)"));
    v.HelpContents = widgets::push_button(window, "HelpContents", QStringLiteral("Contents"),
        QStringLiteral("The list of help pages"));
    v.HelpBack->setEnabled(false);
    v.HelpForward->setEnabled(false);
    for (QPushButton* b : {v.HelpBack, v.HelpForward, v.HelpContents})
        b->setFocusPolicy(Qt::TabFocus);

    v.bar = new QHBoxLayout;
    v.bar->addWidget(v.HelpBack);
    v.bar->addWidget(v.HelpForward);
    v.bar->addWidget(v.HelpContents);
    v.bar->addStretch();
    v.layout = new QVBoxLayout(window);
    v.layout->setContentsMargins(6, 6, 6, 6);
    v.layout->addLayout(v.bar);
    v.layout->addWidget(v.HelpPage, 1);
    return v;
}

} // namespace shell
