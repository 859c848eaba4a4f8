#include "editor/recent_colors.h"

#include "storage/recent.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace editor {

namespace {

constexpr int kSpacing = 2;

// A swatch's square: its colour in a frame, or an empty frame; the focus is a second
// frame in the highlight colour just inside the first.
void paint_swatch(QPainter& p, const QRect& r, const QPalette& palette, const core::Rgb* color,
    bool focused)
{
    const QRect box = r.adjusted(0, 0, -1, -1);
    if (color)
        p.fillRect(box, QColor(color->red, color->green, color->blue));
    p.setPen(palette.color(color ? QPalette::WindowText : QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    if (focused) {
        p.setPen(QPen(palette.color(QPalette::Highlight), 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
    }
}

} // namespace

RecentSwatch::RecentSwatch(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setColor(nullptr);
}

void RecentSwatch::setColor(const core::Rgb* c)
{
    holds_ = c != nullptr;
    if (c)
        color_ = *c;
    const QString code = holds_ ? QString::fromStdString(core::build_hex_code(color_)) : QString();
    setEnabled(holds_);
    setToolTip(code);
    setAccessibleName(holds_ ? QStringLiteral("Recent color ") + code : QString());
    update();
}

QSize RecentSwatch::sizeHint() const
{
    // A square as high as a line of text, so it grows with the desktop font.
    const int side = fontMetrics().height();
    return {side, side};
}

void RecentSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paint_swatch(p, rect(), palette(), holds_ ? &color_ : nullptr, hasFocus());
}

void RecentSwatch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) {
        emit stepped(event->key() == Qt::Key_Left ? -1 : 1);
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void RecentSwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && holds_) {
        emit rightClicked(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

RecentColors::RecentColors(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("recentColors"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize RecentColors::sizeHint() const
{
    // Squares as high as a line of text, so that the row grows with the desktop font.
    const int side = fontMetrics().height();
    return {kSwatches * side + (kSwatches - 1) * kSpacing, side};
}

QRect RecentColors::place(int i) const
{
    const int side = fontMetrics().height();
    return QStyle::visualRect(
        layoutDirection(), rect(), {i * (side + kSpacing), (height() - side) / 2, side, side});
}

RecentSwatch* RecentColors::make_swatch(int i)
{
    auto* s = new RecentSwatch(this);
    s->setObjectName(QStringLiteral("recent%1").arg(i));
    s->setGeometry(place(i));
    // In the Tab order where the row stands, newest first.
    QWidget::setTabOrder(i == 0 ? static_cast<QWidget*>(this) : swatches_[size_t(i - 1)], s);
    connect(s, &QAbstractButton::clicked, this, [this, s] {
        if (s->holdsColor())
            emit applyRequested(s->color());
    });
    connect(s, &RecentSwatch::stepped, this, [this, i](int step) {
        const int next = i + step;
        if (next >= 0 && next < kSwatches && swatches_[size_t(next)]
            && swatches_[size_t(next)]->holdsColor())
            swatches_[size_t(next)]->setFocus(Qt::OtherFocusReason);
    });
    connect(s, &RecentSwatch::rightClicked, this, [this, s](const QPoint& pos) {
        menu_color_ = s->color();
        emit menuRequested(pos);
    });
    s->show();
    return s;
}

QMenu* RecentColors::menu()
{
    if (!menu_) {
        menu_ = new QMenu(this);
        menu_->setObjectName(QStringLiteral("recentmenu"));
        copy_ = menu_->addAction(QStringLiteral("&Copy"));
        copy_->setObjectName(QStringLiteral("recentcopy"));
        forget_ = menu_->addAction(QStringLiteral("&Forget"));
        forget_->setObjectName(QStringLiteral("recentforget"));
        connect(copy_, &QAction::triggered, this, [this] { emit copyRequested(menu_color_); });
        connect(forget_, &QAction::triggered, this, [this] { forget(menu_color_); });
    }
    return menu_;
}

QAction* RecentColors::copyItem()
{
    menu();
    return copy_;
}

QAction* RecentColors::forgetItem()
{
    menu();
    return forget_;
}

void RecentColors::paintEvent(QPaintEvent*)
{
    // The places no colour has reached yet; the swatches paint themselves.
    QPainter p(this);
    for (int i = 0; i < kSwatches; ++i) {
        if (!swatches_[size_t(i)])
            paint_swatch(p, place(i), palette(), nullptr, false);
    }
}

void RecentColors::place_swatches()
{
    for (int i = 0; i < kSwatches; ++i) {
        if (RecentSwatch* s = swatches_[size_t(i)])
            s->setGeometry(place(i));
    }
}

void RecentColors::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place_swatches();
}

void RecentColors::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        place_swatches();
    }
}

void RecentColors::setColors(std::vector<core::Rgb> colors)
{
    if (colors.size() > size_t(kSwatches))
        colors.resize(size_t(kSwatches));
    set_colors(std::move(colors), false);
}

void RecentColors::remember(const core::Rgb& c)
{
    if (!colors_.empty() && colors_.front() == c)
        return; // already the newest: nothing to move or write
    set_colors(storage::with_recent(colors_, c), true);
}

void RecentColors::forget(const core::Rgb& c)
{
    set_colors(storage::without_recent(colors_, c), true);
}

void RecentColors::set_colors(std::vector<core::Rgb> colors, bool tell)
{
    colors_ = std::move(colors);
    for (int i = 0; i < kSwatches; ++i) {
        RecentSwatch* s = swatches_[size_t(i)];
        if (!s) {
            if (size_t(i) >= colors_.size())
                continue;
            s = swatches_[size_t(i)] = make_swatch(i);
        }
        s->setColor(size_t(i) < colors_.size() ? &colors_[size_t(i)] : nullptr);
        // The row is one Tab stop, at the newest colour; Left and Right move along it and
        // Space applies the swatch that has the focus.
        s->setFocusPolicy(!s->holdsColor() ? Qt::NoFocus
                : i == 0                   ? Qt::StrongFocus
                                           : Qt::ClickFocus);
    }
    if (tell)
        emit changed(colors_);
}

} // namespace editor
