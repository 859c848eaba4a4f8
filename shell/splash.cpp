#include "shell/splash.h"

#include "platform/platform.h"
#include "shell/window_modes.h"
#include "storage/files.h"
#include "storage/preferences.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace shell {

namespace {

// The splash keeps its size whatever the desktop's font: it is a picture.
constexpr QSize kSplashSize(335, 232);

// The artwork's own colours; the texts on it are drawn in white.
const QColor kSkyTop(0x00, 0x33, 0x66);
const QColor kSkyBottom(0x00, 0x66, 0x99);

// The largest font no bigger than `wanted` in which `text` fits `width` on one line.
QFont fitted(QFont font, const QString& text, int width)
{
    while (QFontMetricsF(font).horizontalAdvance(text) > width && font.pointSizeF() > 4)
        font.setPointSizeF(font.pointSizeF() * 0.92);
    return font;
}

} // namespace

Splashscreen::Splashscreen(Mode mode, platform::Platform& platform, const QString& prefs_file,
    QWidget* main_window, std::function<void()> show_main)
    : QWidget(
        nullptr, Qt::FramelessWindowHint | (mode == Mode::StartUp ? Qt::SplashScreen : Qt::Dialog)),
      mode_(mode), platform_(platform), prefs_file_(prefs_file), main_(main_window),
      show_main_(std::move(show_main))
{
    setObjectName(QStringLiteral("Splashscreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        mode == Mode::About ? QStringLiteral("About Pigmentor") : QStringLiteral("Pigmentor"));
    setAccessibleName(windowTitle());
    setFixedSize(kSplashSize);
    // The texts on the artwork read against its dark sky, on any desktop palette.
    QPalette sky = palette();
    sky.setColor(QPalette::Window, kSkyTop);
    sky.setColor(QPalette::WindowText, Qt::white);
    setPalette(sky);

    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setSingleShot(true);
    timer_.setInterval(1100);
    connect(&timer_, &QTimer::timeout, this, &QWidget::close);
    // The 1100 ms count from the first paint on screen; should the window never be
    // painted, start-up still goes on.
    unseen_guard_.setSingleShot(true);
    unseen_guard_.setInterval(3000);
    connect(&unseen_guard_, &QTimer::timeout, this, &Splashscreen::start_timer_once);
}

// The controls, made only when the window is going to show: a start-up with the
// splash switched off never needs them.
void Splashscreen::build_controls()
{
    if (view_.Label1)
        return;
    view_ = build_splash_view(this);
    view_.Label1->installEventFilter(this);
    connect(view_.Command1, &QPushButton::clicked, this, &Splashscreen::Command1_Click);
    connect(view_.Command2, &QPushButton::clicked, this, &Splashscreen::moreinfo);
}

Splashscreen::~Splashscreen() = default;

bool Splashscreen::load()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    if (mode_ == Mode::StartUp) {
        const auto prefs = storage::read_preferences(prefs_file_);
        const std::optional<int> splash = prefs ? prefs->show_splash : std::nullopt;
        if (splash && *splash == 0) {
            main_opened_ = true;
            show_main_();
            close();
            return false;
        }
        build_controls();
        unseen_guard_.start();
        if (!splash) {
            // Without a readable preference the splash shows, but not cut to shape.
            show();
            return true;
        }
    } else {
        build_controls();
        view_.Command1->show();
        view_.Command2->show();
        if (main_) {
            main_->setEnabled(false);
            keep_in_front_of(this, main_);
        }
    }
    shape_as_ellipse();
    show();
    if (mode_ == Mode::About) {
        raise();
        activateWindow();
    }
    return true;
}

void Splashscreen::start_timer_once()
{
    if (mode_ != Mode::StartUp || timer_started_)
        return;
    timer_started_ = true;
    unseen_guard_.stop();
    timer_.start();
}

void Splashscreen::shape_as_ellipse()
{
    // Left 1, top 1, right W, bottom H in pixels, as a rectangle of W-1 by H-1.
    shaped_ = true;
    platform_.setEllipticShape(this, QRect(QPoint(1, 1), QPoint(width() - 1, height() - 1)));
}

void Splashscreen::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The ellipse follows the window's size (a window system may scale it).
    if (shaped_)
        shape_as_ellipse();
}

void Splashscreen::fit_credits()
{
    // The credits' font is a fixed factor of the desktop's, made smaller only as far
    // as the text needs to fit its place inside the ellipse.
    QFont f = widgets::scaled_font(font(), 1.09);
    const QRect room = view_.Label1->contentsRect().adjusted(view_.Label1->margin(),
        view_.Label1->margin(), -view_.Label1->margin(), -view_.Label1->margin());
    if (room.width() <= 0 || room.height() <= 0)
        return;
    const QString text = view_.Label1->text();
    for (int i = 0; i < 30; ++i) {
        const QRect need = QFontMetrics(f).boundingRect(room, Qt::TextWordWrap, text);
        if (need.width() <= room.width() && need.height() <= room.height())
            break;
        f.setPointSizeF(f.pointSizeF() * 0.94);
    }
    if (f != view_.Label1->font())
        view_.Label1->setFont(f);
}

void Splashscreen::moreinfo()
{
    if (widgets::check_value(view_.Check1.get()) == 0) {
        view_.Command2->setText(QStringLiteral("Hide"));
        widgets::set_check_value(view_.Check1.get(), 1);
        fit_credits();
        view_.Label1->show();
    } else if (widgets::check_value(view_.Check1.get()) == 1) {
        widgets::set_check_value(view_.Check1.get(), 0);
        view_.Label1->hide();
        view_.Command2->setText(QStringLiteral("&More Info"));
    }
}

void Splashscreen::Command1_Click()
{
    if (main_)
        main_->setEnabled(true);
    close();
    if (!main_ || !main_->isVisible())
        return; // hidden in the tray, it stays there until Restore brings it back normal
    if (main_->isMinimized() || main_->isMaximized())
        main_->setWindowState(Qt::WindowNoState);
    main_->raise();
    main_->activateWindow();
}

void Splashscreen::closeEvent(QCloseEvent* event)
{
    timer_.stop();
    unseen_guard_.stop();
    if (mode_ == Mode::StartUp && !main_opened_) {
        main_opened_ = true;
        if (show_main_)
            show_main_();
    } else if (mode_ == Mode::About && main_) {
        main_->setEnabled(true);
    }
    event->accept();
}

void Splashscreen::keyPressEvent(QKeyEvent* event)
{
    if (mode_ == Mode::About && event->key() == Qt::Key_Escape && event->modifiers() == 0) {
        Command1_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Splashscreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_.Label1) {
        if (event->type() == QEvent::MouseButtonPress) {
            moreinfo();
            return true;
        }
        if (event->type() == QEvent::Resize)
            fit_credits();
    }
    return QWidget::eventFilter(watched, event);
}

void Splashscreen::paintEvent(QPaintEvent*)
{
    start_timer_once(); // now it is on screen
    // Drawn, not scaled from a bitmap: sharp at any device pixel ratio.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal w = width();
    const qreal h = height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, kSkyTop);
    sky.setColorAt(1, kSkyBottom);
    painter.fillRect(rect(), sky);

    // A fan of Safe Palette swatches over the name.
    const QColor swatches[]
        = {QColor(0xFF, 0x00, 0x00), QColor(0xFF, 0x99, 0x00), QColor(0xFF, 0xCC, 0x00),
            QColor(0x00, 0xFF, 0x00), QColor(0x00, 0x99, 0xFF), QColor(0x66, 0x00, 0xCC)};
    const int n = int(std::size(swatches));
    const qreal sw = w * 0.1;
    const qreal left = (w - n * sw) / 2;
    for (int i = 0; i < n; ++i)
        painter.fillRect(QRectF(left + i * sw, h * 0.19, sw - w * 0.012, h * 0.095), swatches[i]);

    const QString name = QStringLiteral("Pigmentor");
    const QRectF title_box(0, h * 0.3, w, h * 0.22);
    painter.setFont(fitted(widgets::scaled_font(font(), 3.15, true), name, int(w * 0.62)));
    painter.setPen(Qt::white);
    painter.drawText(title_box, Qt::AlignCenter, name);

    const QString motto = QStringLiteral("Colours for the web");
    painter.setFont(fitted(widgets::scaled_font(font(), 1.09), motto, int(w * 0.55)));
    painter.setPen(QColor(0xCC, 0xFF, 0xFF));
    painter.drawText(QRectF(0, h * 0.56, w, h * 0.1), Qt::AlignCenter, motto);
}

} // namespace shell
