#include "shell/help.h"

#include "platform/platform.h"
#include "widgets/controls.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace shell {

namespace {

// A page viewer whose pages take the window's themed style sheet.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QString style_sheet;

    QVariant loadResource(int type, const QUrl& name) override
    {
        if (type == QTextDocument::StyleSheetResource)
            return style_sheet;
        return QTextBrowser::loadResource(type, name);
    }
};

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

    auto* browser = new HelpBrowser(this);
    browser_ = browser;
    browser_->setObjectName(QStringLiteral("HelpPage"));
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenLinks(false);
    browser_->setSearchPaths({folder});
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::follow);

    back_ = new QPushButton(QStringLiteral("Back"), this);
    back_->setObjectName(QStringLiteral("HelpBack"));
    back_->setToolTip(QStringLiteral("The page before (Alt+Left)"));
    forward_ = new QPushButton(QStringLiteral("Forward"), this);
    forward_->setObjectName(QStringLiteral("HelpForward"));
    forward_->setToolTip(QStringLiteral("The page after (Alt+Right)"));
    contents_ = new QPushButton(QStringLiteral("Contents"), this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    contents_->setToolTip(QStringLiteral("The list of help pages"));
    back_->setEnabled(false);
    forward_->setEnabled(false);
    for (QPushButton* b : {back_, forward_, contents_})
        b->setFocusPolicy(Qt::TabFocus);
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QPushButton::clicked, this, &HelpWindow::show_contents);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addWidget(contents_);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    const auto on_key = [this](const QKeySequence& key, auto slot) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    on_key(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { browser_->backward(); });
    on_key(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { browser_->forward(); });
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
    const QString themed = themed_style_sheet(css, browser_->palette());
    auto* browser = static_cast<HelpBrowser*>(browser_);
    if (browser->style_sheet == themed)
        return;
    browser->style_sheet = themed;
    browser_->document()->setDefaultStyleSheet(themed);
    if (!browser_->source().isEmpty())
        browser_->reload();
}

void HelpWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        apply_style();
}

void HelpWindow::show_contents()
{
    browser_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(QStringLiteral("index.html"))));
}

void HelpWindow::follow(const QUrl& link)
{
    const QUrl url = browser_->source().resolved(link);
    if (url.isLocalFile()) {
        const QString path = QFileInfo(url.toLocalFile()).absoluteFilePath();
        if (path.startsWith(QDir(folder_).absolutePath() + QLatin1Char('/'))) {
            browser_->setSource(url);
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
