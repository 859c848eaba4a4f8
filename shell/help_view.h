#pragma once

// The help window's controls, held by their names. Behaviour lives in HelpWindow.

#include <QPushButton>
#include <QString>
#include <QTextBrowser>

class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace shell {

// A page viewer whose pages take the window's themed style sheet.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QString style_sheet;

    QVariant loadResource(int type, const QUrl& name) override;
};

struct HelpView {
    HelpBrowser* HelpPage = nullptr;
    QPushButton* HelpBack = nullptr;
    QPushButton* HelpForward = nullptr;
    QPushButton* HelpContents = nullptr;

    QHBoxLayout* bar = nullptr; // Back, Forward, Contents
    QVBoxLayout* layout = nullptr;
};

HelpView build_help_view(QWidget* window);

} // namespace shell
