#include "shell/help.h"

#include "platform/platform.h"
#include "widgets/controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>

namespace shell {

namespace {

QString website_message()
{
    // The address on a line of its own, so that no line break falls inside it.
    return QStringLiteral(
        "The web page could not be opened. Please visit\r%1\rin your web browser.")
        .arg(QString::fromLatin1(kWebsite));
}

} // namespace

QString help_folder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        QDir(program).filePath(QStringLiteral("help")),
        QDir(program).filePath(QStringLiteral("../share/pigmentor/help")),
    };
    for (const QString& folder : candidates) {
        if (QFileInfo::exists(QDir(folder).filePath(QStringLiteral("index.html"))))
            return QDir(folder).absolutePath();
    }
    return {};
}

QString themed_style_sheet(const QString& css, const QPalette& palette)
{
    const QColor page = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    QString out;
    static const QRegularExpression colour(QStringLiteral(
        "(^|[;{\\s])(color|background|background-color|border)(\\s*:[^;}#]*)#([0-9a-fA-F]{6})"));
    qsizetype last = 0;
    auto it = colour.globalMatch(css);
    while (it.hasNext()) {
        const auto m = it.next();
        const QString property = m.captured(2);
        const QColor fixed(QLatin1Char('#') + m.captured(4));
        QColor shown = fixed;
        if (property == QLatin1String("color")) {
            shown = widgets::legible(fixed, page);
        } else if (property == QLatin1String("border")) {
            shown = palette.color(QPalette::Mid);
        } else if (widgets::legible(text, fixed) != text) {
            // A shade behind text that the page's text colour does not read on.
            shown = palette.color(QPalette::AlternateBase);
        }
        out += css.mid(last, m.capturedStart(4) - 1 - last);
        out += shown.name();
        last = m.capturedEnd(4);
    }
    out += css.mid(last);
    return out;
}

HelpWindow::HelpWindow(platform::Platform& platform, const QString& folder)
    : QWidget(nullptr), platform_(platform), folder_(folder)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pigmentor Help"));

    view_ = build_help_view(this);
    view_.HelpPage->setOpenLinks(false);
    view_.HelpPage->setSearchPaths({folder});
    connect(view_.HelpPage, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);
    connect(view_.HelpBack, &QPushButton::clicked, view_.HelpPage, &QTextBrowser::backward);
    connect(view_.HelpForward, &QPushButton::clicked, view_.HelpPage, &QTextBrowser::forward);
    connect(view_.HelpContents, &QPushButton::clicked, this, &HelpWindow::show_contents);
    connect(view_.HelpPage, &QTextBrowser::backwardAvailable, view_.HelpBack, &QWidget::setEnabled);
    connect(
        view_.HelpPage, &QTextBrowser::forwardAvailable, view_.HelpForward, &QWidget::setEnabled);

    const auto on_key = [this](const QKeySequence& key, auto slot) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    on_key(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { view_.HelpPage->backward(); });
    on_key(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { view_.HelpPage->forward(); });
    on_key(QKeySequence(Qt::Key_Escape), [this] { close(); });
    on_key(QKeySequence(QKeySequence::Close), [this] { close(); });

    apply_style();
    resize(QSize(640, 520).expandedTo(minimumSizeHint()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void HelpWindow::apply_style()
{
    QFile file(QDir(folder_).filePath(QStringLiteral("style.css")));
    const QString css
        = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    const QString themed = themed_style_sheet(css, view_.HelpPage->palette());
    HelpBrowser* browser = view_.HelpPage;
    if (browser->style_sheet == themed)
        return;
    browser->style_sheet = themed;
    view_.HelpPage->document()->setDefaultStyleSheet(themed);
    if (!view_.HelpPage->source().isEmpty())
        view_.HelpPage->reload();
}

void HelpWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        apply_style();
}

void HelpWindow::show_contents()
{
    view_.HelpPage->setSource(
        QUrl::fromLocalFile(QDir(folder_).filePath(QStringLiteral("index.html"))));
}

void HelpWindow::follow(const QUrl& link)
{
    const QUrl url = view_.HelpPage->source().resolved(link);
    if (url.isLocalFile()) {
        const QString path = QFileInfo(url.toLocalFile()).absoluteFilePath();
        if (path.startsWith(QDir(folder_).absolutePath() + QLatin1Char('/'))) {
            view_.HelpPage->setSource(url);
            return;
        }
    }
    if (!platform_.openUrl(url)) {
        platform_.showMessage(this,
            QStringLiteral("The address could not be opened. Please visit\r%1\rin your web "
                           "browser.")
                .arg(url.toString()),
            QStringLiteral("Pigmentor"), core::Icon::Exclamation);
    }
}

HelpWindow* show_help_contents(platform::Platform& platform, QWidget* parent)
{
    const QString folder = help_folder();
    if (folder.isEmpty()) {
        platform.showMessage(parent,
            QStringLiteral("The help pages could not be found. They belong in the "
                           "folder \"help\" beside the program."),
            QStringLiteral("Pigmentor"), core::Icon::Exclamation);
        return nullptr;
    }
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow(platform, folder);
    window->show_contents();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void open_website(platform::Platform& platform, QWidget* parent)
{
    if (!platform.openUrl(QUrl(QString::fromLatin1(kWebsite))))
        platform.showMessage(
            parent, website_message(), QStringLiteral("Pigmentor"), core::Icon::Exclamation);
}

} // namespace shell
