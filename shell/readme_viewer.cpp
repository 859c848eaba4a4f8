#include "shell/readme_viewer.h"

#include "core/messages.h"
#include "platform/platform.h"
#include "storage/config_folder.h"
#include "storage/files.h"
#include "widgets/controls.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QShortcut>
#include <QStringDecoder>
#include <QVBoxLayout>

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

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("ReadMe text"));
    text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text1_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    text1_->setReadOnly(true);
    text1_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The desktop's fixed-pitch font at a fixed 9 pt, a factor of the default size.
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() : 9);
    text1_->setFont(widgets::scaled_font(mono, 1.09));
    text1_->setPlainText(
        QStringLiteral("You should see the contents of ReadMe.txt here.\n"
                       "If you don't, the file is currently loading! Please wait...\n"));

    command1_ = new QPushButton(QStringLiteral("&Close"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setFont(widgets::scaled_font(font(), 1.0, true));
    connect(command1_, &QPushButton::clicked, this, &QWidget::close);

    // "&Close" at the top right, in a strip of its own; the text fills the rest of the
    // window to its edges.
    auto* strip = new QHBoxLayout;
    strip->setContentsMargins(6, 6, 6, 6);
    strip->addStretch();
    strip->addWidget(command1_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(strip);
    layout->addWidget(text1_, 1);

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
        viewer.Text1()->setPlainText(readme_text(*bytes));
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
