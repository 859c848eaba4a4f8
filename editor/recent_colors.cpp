#include "editor/recent_colors.h"

#include "storage/recent.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace editor {

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
    const QRect box = rect().adjusted(0, 0, -1, -1);
    if (holds_)
        p.fillRect(box, QColor(color_.red, color_.green, color_.blue));
    p.setPen(palette().color(holds_ ? QPalette::WindowText : QPalette::Mid));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    if (hasFocus()) {
        // The focus: a second frame in the highlight colour just inside the first.
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
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
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("recentmenu"));
    copy_ = menu_->addAction(QStringLiteral("&Copy"));
    copy_->setObjectName(QStringLiteral("recentcopy"));
    forget_ = menu_->addAction(QStringLiteral("&Forget"));
    forget_->setObjectName(QStringLiteral("recentforget"));
    connect(copy_, &QAction::triggered, this, [this] { emit copyRequested(menu_color_); });
    connect(forget_, &QAction::triggered, this, [this] { forget(menu_color_); });

    for (int i = 0; i < kSwatches; ++i) {
        auto* s = new RecentSwatch(this);
        s->setObjectName(QStringLiteral("recent%1").arg(i));
        swatches_[size_t(i)] = s;
        row->addWidget(s);
        connect(s, &QAbstractButton::clicked, this, [this, s] {
            if (s->holdsColor())
                emit applyRequested(s->color());
        });
        connect(s, &RecentSwatch::stepped, this, [this, i](int step) {
            const int next = i + step;
            if (next >= 0 && next < kSwatches && swatches_[size_t(next)]->holdsColor())
                swatches_[size_t(next)]->setFocus(Qt::OtherFocusReason);
        });
        connect(s, &RecentSwatch::rightClicked, this, [this, s](const QPoint& pos) {
            menu_color_ = s->color();
            emit menuRequested(pos);
        });
    }
    row->addStretch(1);
    set_colors({}, false);
}

void RecentColors::load(const QString& file)
{
    file_ = file;
    set_colors(storage::read_recent(file_), false);
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

void RecentColors::set_colors(std::vector<core::Rgb> colors, bool save)
{
    colors_ = std::move(colors);
    for (int i = 0; i < kSwatches; ++i) {
        RecentSwatch* s = swatches_[size_t(i)];
        s->setColor(size_t(i) < colors_.size() ? &colors_[size_t(i)] : nullptr);
        // The row is one Tab stop, at the newest colour; Left and Right move along it and
        // Space applies the swatch that has the focus.
        s->setFocusPolicy(!s->holdsColor() ? Qt::NoFocus
                : i == 0                   ? Qt::StrongFocus
                                           : Qt::ClickFocus);
    }
    // A file that cannot be written (read-only, full disk) leaves the list in memory.
    if (save && !file_.isEmpty())
        storage::write_recent(file_, colors_);
}

} // namespace editor
