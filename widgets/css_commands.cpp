#include "widgets/css_commands.h"

#include "core/css.h"
#include "platform/eyedropper.h"
#include "platform/platform.h"
#include "widgets/controls.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace editing {

void CssCopyMenu::update(const core::Rgb& c) const
{
    hex->setText(core::css_hex(c));
    const auto short_form = core::css_short_hex(c);
    short_hex->setText(short_form ? *short_form : QStringLiteral("#rgb"));
    short_hex->setEnabled(bool(short_form));
    rgb->setText(core::css_rgb(c));
    hsl->setText(core::css_hsl(c));
    oklch->setText(core::css_oklch(c));
    const auto named = core::css_name(c);
    name->setText(named ? *named : QStringLiteral("Color Name"));
    name->setEnabled(bool(named));
}

CssCopyMenu add_css_copy_menu(
    QMenu* parent, const QString& caption, const QString& base, const QString& suffix)
{
    CssCopyMenu m;
    m.menu = parent->addMenu(caption);
    m.menu->setObjectName(QStringLiteral("copy") + base + suffix);
    const auto item = [&](const char* kind) {
        QAction* a = m.menu->addAction(QString());
        a->setObjectName(base + QLatin1String(kind) + suffix);
        return a;
    };
    m.hex = item("hex");
    m.short_hex = item("shorthex");
    m.rgb = item("rgb");
    m.hsl = item("hsl");
    m.oklch = item("oklch");
    m.name = item("name");
    m.update(core::Rgb {});
    return m;
}

void connect_css_copy_menu(const CssCopyMenu& m, std::function<core::Rgb()> color,
    std::function<void(const QString&)> copy)
{
    QObject::connect(m.menu, &QMenu::aboutToShow, m.menu, [m, color] { m.update(color()); });
    for (QAction* a : {m.hex, m.short_hex, m.rgb, m.hsl, m.oklch, m.name}) {
        // The caption is the text itself: it has no mnemonic to strip.
        QObject::connect(a, &QAction::triggered, m.menu, [m, a, color, copy] {
            // A shortcut-less item can still be triggered without the menu opening.
            m.update(color());
            if (a->isEnabled())
                copy(a->text());
        });
    }
}

bool copy_css_text(EditingWindow& w, const QString& text, bool alert, core::CopyKind kind)
{
    const std::string copied = text.toStdString();
    if (!copy_to_clipboard(w, copied))
        return false;
    if (alert)
        show_message(w.platform(), w.widget(), core::copy_alert(copied, kind));
    return true;
}

std::optional<core::Rgb> paste_css_color(EditingWindow& w)
{
    // Anything longer than the bound is refused without being looked at.
    const QString text = w.platform().clipboardText().left(core::kCssMaxLength + 1);
    const core::CssColor parsed = core::parse_css_color(text);
    if (parsed.refusal != core::CssRefusal::None) {
        show_message(w.platform(), w.widget(), core::css_refusal_message(parsed.refusal));
        return std::nullopt;
    }
    write_channels(w, parsed.rgb);
    return parsed.rgb;
}

void pick_from_screen(EditingWindow& w, std::function<void(const core::Rgb&)> picked)
{
    QPointer<QWidget> window = w.widget();
    EditingWindow* target = &w;
    w.platform().pickScreenColor(
        w.widget(), [window, target, picked](const platform::ScreenPick& pick) {
            if (!window)
                return;
            switch (pick.outcome) {
            case platform::ScreenPick::Outcome::Picked: {
                const core::Rgb c {pick.color.red(), pick.color.green(), pick.color.blue()};
                write_channels(*target, c);
                if (picked)
                    picked(c);
                break;
            }
            case platform::ScreenPick::Outcome::Unavailable:
                show_message(target->platform(), window,
                    {platform::kPickUnavailableText, platform::kPickTitle,
                        core::Icon::Information});
                break;
            case platform::ScreenPick::Outcome::Cancelled:
                break;
            }
        });
}

QString css_info_text(const core::Rgb& c)
{
    const core::NearestName nearest = core::nearest_css_name(c);
    return (nearest.exact ? nearest.name : QStringLiteral("≈ ") + nearest.name)
        + QStringLiteral("   ") + core::css_hsl(c);
}

} // namespace editing
