// Themes and the station's preferences file.
#include "station/station.h"

#include "core/messages.h"
#include "platform/platform.h"
#include "storage/files.h"

#include <QScopeGuard>

#include <cstdio>

namespace station {

bool Form3::load_theme_file(const QString& path, QString* reason)
{
    const auto bytes = storage::read_small_file(path, reason);
    if (!bytes)
        return false;
    const storage::ThemePieces pieces = storage::theme_pieces(storage::join_lines(*bytes));
    // A damaged file changes nothing. Taken piece by piece, its background would go through
    // the bars into whichever target is selected, and a later bad piece would leave it there.
    const auto background = returnrgb(pieces.background);
    const auto object = returnrgb(pieces.object);
    const auto text = returnrgb(pieces.text);
    if (!background || !object || !text) {
        if (reason)
            *reason = QStringLiteral("It is not a Pigmentor theme file");
        return false;
    }
    // The object's and the text's colours are set directly, not through the bars.
    const auto show_contrast = qScopeGuard([this] { update_contrast(); });
    theme_.setColor(Background, *background);
    channels_->setColor(*background);
    theme_.setColor(Object, *object);
    theme_.setColor(Text, *text);
    select_target(Background);
    return true;
}

void Form3::savetheme()
{
    get_hex(Background, target_value(Background));
    get_hex(Object, target_value(Object));
    get_hex(Text, target_value(Text));
    const QString name = platform_.saveFileName(this, QStringLiteral("Save Theme As"),
        QStringLiteral("."), QStringLiteral("Color Matching Station File (*.pmtm)"));
    if (name.isEmpty())
        return;
    QString reason;
    if (!storage::write_file_atomically(name,
            storage::theme_bytes(slots_[Background].toStdString(), slots_[Object].toStdString(),
                slots_[Text].toStdString()),
            &reason))
        platform_.showMessage(this, storage::save_failure_text(name, reason),
            QString::fromLatin1(core::kAppTitle), core::Icon::Exclamation);
}

void Form3::opentheme()
{
    const QString name = platform_.openFileName(this, QStringLiteral("Load Saved Theme"),
        QStringLiteral("."), QStringLiteral("Pigmentor Files (*.pmtm)"));
    if (!name.isEmpty())
        load_theme_file(name);
}

void Form3::newtheme()
{
    theme_.setColor(Object, core::Rgb {0, 0, 0});
    theme_.setColor(Text, core::Rgb {0, 0, 0});
    update_contrast();
    set_target_color(Background, core::Rgb {255, 255, 255});
}

void Form3::openprefs()
{
    const auto bytes = storage::read_small_file(prefs_file_);
    if (!bytes)
        return;
    const auto oval = storage::parse_truth(*bytes);
    if (!oval)
        return;
    view_.oval->setChecked(*oval);
    view_.Shape2->setOval(*oval);
}

void Form3::saveprefs()
{
    // The window closes all the same; the old file is kept whole, and standard error says why.
    QString reason;
    if (!storage::write_file_atomically(
            prefs_file_, storage::station_prefs_bytes(view_.oval->isChecked()), &reason))
        std::fprintf(stderr, "pigmentor: %s: %s\n", storage::native_name(prefs_file_).constData(),
            qPrintable(reason));
}

} // namespace station
