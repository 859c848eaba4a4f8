#include "shell/desktop_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>

namespace shell {

namespace {

// Stands for a standard icon of a style and asks the style for it on first use.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(const QStyle* style, QStyle::StandardPixmap icon,
        const QStyleOption* option, const QWidget* widget)
        : style_(style), icon_(icon), widget_(widget)
    {
        if (option)
            option_ = *option;
        else
            option_.direction = QGuiApplication::layoutDirection();
    }

    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    bool isNull() override { return false; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(
        const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return resolved().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().availableSizes(mode, state);
    }
    QString iconName() override { return resolved().name(); }

private:
    const QIcon& resolved()
    {
        if (!resolved_) {
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            icon_cache_ = style->standardIcon(icon_, &option_, widget_);
            resolved_ = true;
        }
        return icon_cache_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap icon_;
    QStyleOption option_;
    QPointer<const QWidget> widget_;
    QIcon icon_cache_;
    bool resolved_ = false;
};

} // namespace

QIcon DesktopStyle::standardIcon(
    StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredStandardIcon(baseStyle(), icon, option, widget));
}

} // namespace shell
