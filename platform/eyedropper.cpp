#include "platform/eyedropper.h"

#include "core/color.h"

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int kZoomedPixels = 11; // pixels across the magnifier, odd so one is central
constexpr int kZoom = 12; // device pixels per magnified pixel

const char kPortalService[] = "org.freedesktop.portal.Desktop";
const char kPortalPath[] = "/org/freedesktop/portal/desktop";

QString hex_code(const QColor& c)
{
    return QString::fromStdString(core::build_hex_code(c.red(), c.green(), c.blue()));
}

} // namespace

// ---- X11: the overlay ----

EyedropperOverlay::EyedropperOverlay(std::vector<ScreenImage> screens, ScreenPickDone done)
    : QWidget(nullptr,
        Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
            | Qt::X11BypassWindowManagerHint),
      screens_(std::move(screens)), done_(std::move(done))
{
    setObjectName(QStringLiteral("eyedropperOverlay"));
    setWindowTitle(QString::fromLatin1(kPickTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    for (const ScreenImage& s : screens_)
        desktop_ = desktop_.united(s.geometry);
    setGeometry(desktop_);
    chosen_ = desktop_.contains(QCursor::pos()) ? QCursor::pos() : desktop_.center();
}

EyedropperOverlay::~EyedropperOverlay()
{
    // Closed some other way (the program ending): still answer, as a cancel.
    if (done_) {
        auto done = std::move(done_);
        done_ = nullptr;
        done(ScreenPick {ScreenPick::Outcome::Cancelled, {}});
    }
}

EyedropperOverlay* EyedropperOverlay::start(ScreenPickDone done)
{
    std::vector<ScreenImage> screens;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QImage image = screen->grabWindow(0).toImage();
        if (!image.isNull())
            screens.push_back({screen->geometry(), image});
    }
    if (screens.empty()) {
        done(ScreenPick {ScreenPick::Outcome::Unavailable, {}});
        return nullptr;
    }
    auto* overlay = new EyedropperOverlay(std::move(screens), std::move(done));
    overlay->show();
    overlay->raise();
    overlay->activateWindow();
    return overlay;
}

void EyedropperOverlay::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window manager does not give a bypassing window the keyboard: take it.
    grabKeyboard();
    grabMouse();
    setFocus(Qt::OtherFocusReason);
}

QColor EyedropperOverlay::colorAt(const QPoint& global) const
{
    for (const ScreenImage& s : screens_) {
        if (!s.geometry.contains(global))
            continue;
        const double scale_x = double(s.image.width()) / std::max(1, s.geometry.width());
        const double scale_y = double(s.image.height()) / std::max(1, s.geometry.height());
        const QPoint local = global - s.geometry.topLeft();
        const QPoint device(
            int(std::floor(local.x() * scale_x)), int(std::floor(local.y() * scale_y)));
        if (s.image.rect().contains(device))
            return s.image.pixelColor(device);
    }
    return {};
}

void EyedropperOverlay::choose(const QPoint& global)
{
    const QPoint clamped(std::clamp(global.x(), desktop_.left(), desktop_.right()),
        std::clamp(global.y(), desktop_.top(), desktop_.bottom()));
    if (clamped == chosen_)
        return;
    const QRect before = magnifierArea();
    chosen_ = clamped;
    update(before);
    update(magnifierArea());
}

QRect EyedropperOverlay::magnifierArea() const
{
    // The outer frame line lies 2 pixels outside the box and is 1 pixel wide; at a scale
    // of 1.25, 1.5 or 2 it is 1.25 to 2 device pixels wide, centred on its place, and its
    // edge is rounded to device pixels: 4 pixels hold it at any scale.
    return magnifierRect().adjusted(-4, -4, 4, 4);
}

QRect EyedropperOverlay::magnifierRect() const
{
    const int side = kZoomedPixels * kZoom;
    const int text_height = fontMetrics().height() + 8;
    const QPoint local = chosen_ - desktop_.topLeft();
    QRect box(local + QPoint(24, 24), QSize(side, side + text_height));
    // Keep it on the overlay: flip to the other side of the pointer near an edge.
    if (box.right() > width())
        box.moveRight(local.x() - 24);
    if (box.bottom() > height())
        box.moveBottom(local.y() - 24);
    return box;
}

void EyedropperOverlay::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    for (const ScreenImage& s : screens_)
        p.drawImage(QRect(s.geometry.topLeft() - desktop_.topLeft(), s.geometry.size()), s.image);

    const QRect box = magnifierRect();
    if (!event->rect().intersects(magnifierArea()))
        return;
    const int side = kZoomedPixels * kZoom;
    const int half = kZoomedPixels / 2;
    for (int dy = -half; dy <= half; ++dy)
        for (int dx = -half; dx <= half; ++dx) {
            const QColor c = colorAt(chosen_ + QPoint(dx, dy));
            p.fillRect(QRect(box.left() + (dx + half) * kZoom, box.top() + (dy + half) * kZoom,
                           kZoom, kZoom),
                c.isValid() ? c : QColor(Qt::black));
        }
    const QColor picked = colorAt(chosen_);
    const QRect centre(box.left() + half * kZoom, box.top() + half * kZoom, kZoom, kZoom);
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(centre.adjusted(-1, -1, 0, 0));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(centre.adjusted(-2, -2, 1, 1));

    // The code below the enlarged pixels, dark on light or light on dark.
    const QRect label(box.left(), box.top() + side, side, box.height() - side);
    const QColor fill = picked.isValid() ? picked : QColor(Qt::black);
    p.fillRect(label, fill);
    p.setPen(fill.lightnessF() > 0.55 ? Qt::black : Qt::white);
    p.drawText(label, Qt::AlignCenter, picked.isValid() ? hex_code(picked) : QString());
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(-1, -1, 0, 0));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(box.adjusted(-2, -2, 1, 1));
}

void EyedropperOverlay::mouseMoveEvent(QMouseEvent* event)
{
    choose(event->globalPosition().toPoint());
}

void EyedropperOverlay::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        choose(event->globalPosition().toPoint());
        finish(ScreenPick::Outcome::Picked);
    } else {
        finish(ScreenPick::Outcome::Cancelled);
    }
}

void EyedropperOverlay::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        choose(chosen_ + QPoint(-step, 0));
        break;
    case Qt::Key_Right:
        choose(chosen_ + QPoint(step, 0));
        break;
    case Qt::Key_Up:
        choose(chosen_ + QPoint(0, -step));
        break;
    case Qt::Key_Down:
        choose(chosen_ + QPoint(0, step));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        finish(ScreenPick::Outcome::Picked);
        return;
    case Qt::Key_Escape:
        finish(ScreenPick::Outcome::Cancelled);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // The pointer follows the keys, so the two never disagree.
    QCursor::setPos(chosen_);
}

void EyedropperOverlay::finish(ScreenPick::Outcome outcome)
{
    if (!done_)
        return;
    ScreenPick pick {outcome, {}};
    if (outcome == ScreenPick::Outcome::Picked) {
        pick.color = colorAt(chosen_);
        if (!pick.color.isValid())
            pick.outcome = ScreenPick::Outcome::Cancelled;
    }
    auto done = std::move(done_);
    done_ = nullptr;
    releaseMouse();
    releaseKeyboard();
    hide();
    deleteLater();
    done(pick);
}

// ---- Wayland and others: the desktop portal ----

PortalColorPicker::PortalColorPicker(ScreenPickDone done) : done_(std::move(done))
{
}

void PortalColorPicker::start(QWidget* parent, ScreenPickDone done)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        done(ScreenPick {ScreenPick::Outcome::Unavailable, {}});
        return;
    }
    auto* picker = new PortalColorPicker(std::move(done));
    if (parent)
        QObject::connect(
            parent, &QObject::destroyed, picker, [picker] { picker->done_ = nullptr; });

    // Listen where the request will appear before asking, so a fast answer is not lost.
    const QString token = QStringLiteral("pigmentor%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    picker->listen(
        QStringLiteral("%1/request/%2/%3").arg(QLatin1String(kPortalPath), sender, token));

    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kPortalService),
        QString::fromLatin1(kPortalPath), QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("PickColor"));
    QString window;
    if (parent && QGuiApplication::platformName() == QLatin1String("xcb"))
        window = QStringLiteral("x11:%1").arg(parent->window()->winId(), 0, 16);
    call << window << QVariantMap {{QStringLiteral("handle_token"), token}};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), picker);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, picker, [picker](QDBusPendingCallWatcher* w) {
            w->deleteLater();
            const QDBusPendingReply<QDBusObjectPath> reply = *w;
            if (reply.isError()) {
                picker->finish(ScreenPick {ScreenPick::Outcome::Unavailable, {}});
                return;
            }
            // An older portal names the request itself.
            if (reply.value().path() != picker->request_path_)
                picker->listen(reply.value().path());
        });
}

void PortalColorPicker::listen(const QString& request_path)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!request_path_.isEmpty())
        bus.disconnect(QString::fromLatin1(kPortalService), request_path_,
            QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), this,
            SLOT(response(uint, QVariantMap)));
    request_path_ = request_path;
    bus.connect(QString::fromLatin1(kPortalService), request_path_,
        QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), this,
        SLOT(response(uint, QVariantMap)));
}

void PortalColorPicker::response(uint code, const QVariantMap& results)
{
    finish(answer(code, results));
}

ScreenPick PortalColorPicker::answer(uint code, const QVariantMap& results)
{
    // 1 is a cancel; 2, "ended in another way", is what some pickers answer to Escape, so
    // it is a cancel too: a picker that is missing fails the call itself.
    ScreenPick pick {ScreenPick::Outcome::Cancelled, {}};
    if (code == 0 && results.contains(QStringLiteral("color"))) {
        double r = -1, g = -1, b = -1;
        const QDBusArgument arg = results.value(QStringLiteral("color")).value<QDBusArgument>();
        arg.beginStructure();
        arg >> r >> g >> b;
        arg.endStructure();
        const auto channel
            = [](double v) { return int(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
        if (r >= 0 && g >= 0 && b >= 0)
            pick = {ScreenPick::Outcome::Picked, QColor(channel(r), channel(g), channel(b))};
    }
    return pick;
}

void PortalColorPicker::finish(const ScreenPick& pick)
{
    if (finished_)
        return;
    finished_ = true;
    QDBusConnection::sessionBus().disconnect(QString::fromLatin1(kPortalService), request_path_,
        QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"), this,
        SLOT(response(uint, QVariantMap)));
    if (done_)
        done_(pick);
    deleteLater();
}

bool wayland_session(const std::function<QString(const char*)>& environment)
{
    return !environment("WAYLAND_DISPLAY").isEmpty()
        || environment("XDG_SESSION_TYPE").compare(QLatin1String("wayland"), Qt::CaseInsensitive)
        == 0;
}

void pick_screen_color(QWidget* parent, ScreenPickDone done)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")
        && !wayland_session([](const char* name) { return qEnvironmentVariable(name); })) {
        EyedropperOverlay::start(std::move(done));
        return;
    }
    PortalColorPicker::start(parent, std::move(done));
}

} // namespace platform
