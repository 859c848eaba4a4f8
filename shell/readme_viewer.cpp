#include "shell/readme_viewer.h"

#include "core/messages.h"
#include "platform/platform.h"
#include "storage/config_folder.h"
#include "storage/files.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStringDecoder>

namespace shell {

namespace {
// The viewer reads text files, not whatever lies around: a ReadMe is a few KiB.
constexpr qint64 kReadmeLimit = 4 * 1024 * 1024;
// The window's first client size, 9390 x 5175 twips.
constexpr QSize kFirstSize(626, 345);
} // namespace

Form2::Form2(platform::Platform& platform) : QWidget(nullptr), platform_(platform)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Pigmentor ReadMe.txt"));

    view_ = build_readme_view(this);
    connect(view_.Command1, &QPushButton::clicked, this, &QWidget::close);

    for (const QKeySequence& key :
        {QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);

    resize(kFirstSize.expandedTo(minimumSizeHint()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString readme_text(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

void load_readme(Form2& viewer, const QString& file_name)
{
    const QString path = storage::readme_path(file_name);
    QString reason;
    const auto bytes = storage::read_regular_file(path, kReadmeLimit, &reason);
    if (bytes) {
        viewer.view().Text1->setPlainText(readme_text(*bytes));
        return;
    }
    // A pipe, a device or a huge file is no ReadMe: retrying would not help, so the
    // message says what it is.
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || info.size() > kReadmeLimit)) {
        viewer.platform().showMessage(&viewer, storage::open_failure_text(path, reason),
            QString::fromLatin1(core::kAppTitle), core::Icon::Exclamation);
        return;
    }
    viewer.platform().showMessage(&viewer,
        QStringLiteral("Error encountered while trying to open file, "
                       "please retry."),
        QStringLiteral("Text Editor"), core::Icon::Exclamation);
}

} // namespace shell
