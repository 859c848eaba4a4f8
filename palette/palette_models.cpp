#include "palette/palette_models.h"

#include "core/css.h"

#include <QColor>
#include <QHash>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace palette {

namespace {

const char kRowMime[] = "application/x-pigmentor-swatch-row";

QColor qcolor(const core::Rgb& c)
{
    return QColor(c.red, c.green, c.blue);
}

// A swatch with a mid-grey edge, so that a colour close to the window's own shows on light
// and dark desktops alike.
QIcon swatch_icon(const core::Rgb& c)
{
    static QHash<int, QIcon> cache;
    const int key = core::color_value(c);
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QPixmap pixmap(32, 32);
    pixmap.fill(qcolor(c));
    QPainter painter(&pixmap);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, 31, 31);
    painter.end();
    if (cache.size() > 4096)
        cache.clear();
    return cache.insert(key, QIcon(pixmap)).value();
}

QString qname(const core::Swatch& s)
{
    return QString::fromStdString(s.name);
}

} // namespace

// One change of the list: redo puts `after` in place, undo `before`.
class SwapCommand : public QUndoCommand {
public:
    SwapCommand(PaletteDocument& doc, const QString& text, std::vector<core::Swatch> after, int select)
        : QUndoCommand(text)
        , doc_(doc)
        , before_(doc.swatches())
        , after_(std::move(after))
        , select_after_(select)
    {
    }
    void redo() override { doc_.set(after_, select_after_); }
    void undo() override { doc_.set(before_, select_after_ < int(before_.size()) ? select_after_ : int(before_.size()) - 1); }

private:
    PaletteDocument& doc_;
    std::vector<core::Swatch> before_;
    std::vector<core::Swatch> after_;
    int select_after_;
};

PaletteDocument::PaletteDocument(QObject* parent) : QObject(parent), undo_(this) { }

void PaletteDocument::reset(const storage::PaletteData& data)
{
    undo_.clear();
    title_ = data.title;
    set(data.swatches, data.swatches.empty() ? -1 : 0);
}

void PaletteDocument::set(std::vector<core::Swatch> swatches, int select)
{
    swatches_ = std::move(swatches);
    emit changed(select);
}

void PaletteDocument::change(const QString& what, std::vector<core::Swatch> after, int select)
{
    if (after == swatches_)
        return;
    undo_.push(new SwapCommand(*this, what, std::move(after), select));
}

QString PaletteDocument::insert(int row, const std::vector<core::Swatch>& added, const QString& what)
{
    if (added.empty())
        return QString();
    if (swatches_.size() + added.size() > size_t(core::kMaxSwatches))
        return QStringLiteral("A palette holds at most %1 colors; this one has %2, and %3 more would not fit.")
            .arg(core::kMaxSwatches)
            .arg(swatches_.size())
            .arg(added.size());
    // Names are made free against the palette and the colours added before them.
    std::vector<core::Swatch> all = swatches_;
    for (const core::Swatch& s : added) {
        const std::string name = core::is_custom_property_name(s.name)
            ? core::free_name(s.name, all)
            : core::default_swatch_name(s.rgb, all);
        all.push_back({name, s.rgb});
    }
    std::vector<core::Swatch> after = swatches_;
    const int at = row < 0 || row > int(after.size()) ? int(after.size()) : row;
    after.insert(after.begin() + at, all.begin() + qsizetype(swatches_.size()), all.end());
    change(what, std::move(after), at + int(added.size()) - 1);
    return QString();
}

void PaletteDocument::remove(const std::vector<int>& rows)
{
    std::vector<core::Swatch> after;
    for (int i = 0; i < int(swatches_.size()); ++i)
        if (std::find(rows.begin(), rows.end(), i) == rows.end())
            after.push_back(swatches_[size_t(i)]);
    if (after.size() == swatches_.size())
        return;
    const int first = *std::min_element(rows.begin(), rows.end());
    change(rows.size() == 1 ? QStringLiteral("Delete %1").arg(qname(swatches_[size_t(first)]))
                            : QStringLiteral("Delete %1 colors").arg(rows.size()),
        std::move(after), std::min(first, int(swatches_.size() - rows.size()) - 1));
}

void PaletteDocument::move(int from, int to)
{
    const int n = int(swatches_.size());
    if (from < 0 || from >= n || to < 0 || to >= n || from == to)
        return;
    std::vector<core::Swatch> after = swatches_;
    const core::Swatch moved = after[size_t(from)];
    after.erase(after.begin() + from);
    after.insert(after.begin() + to, moved);
    change(QStringLiteral("Move %1").arg(qname(moved)), std::move(after), to);
}

QString PaletteDocument::rename(int row, const QString& name)
{
    if (row < 0 || row >= int(swatches_.size()))
        return QString();
    const std::string n = name.trimmed().toStdString();
    if (n == swatches_[size_t(row)].name)
        return QString();
    if (auto why = core::name_refusal(n, swatches_, row))
        return QString::fromStdString(*why);
    std::vector<core::Swatch> after = swatches_;
    after[size_t(row)].name = n;
    change(QStringLiteral("Rename to %1").arg(QString::fromStdString(n)), std::move(after), row);
    return QString();
}

// ---- The swatch list ----

SwatchModel::SwatchModel(PaletteDocument& doc, QObject* parent) : QAbstractListModel(parent), doc_(doc)
{
    connect(&doc, &PaletteDocument::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int SwatchModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(doc_.swatches().size());
}

QVariant SwatchModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const core::Swatch& s = doc_.swatches()[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return qname(s) + QStringLiteral("\n") + core::css_hex(s.rgb) + QStringLiteral("   ")
            + core::css_oklch(s.rgb);
    case Qt::EditRole:
        return qname(s);
    case Qt::DecorationRole:
        return swatch_icon(s.rgb);
    case Qt::ToolTipRole:
        return core::css_rgb(s.rgb) + QStringLiteral("\n") + core::css_hsl(s.rgb);
    case Qt::AccessibleTextRole:
        return qname(s) + QStringLiteral(", ") + core::css_hex(s.rgb) + QStringLiteral(", ")
            + core::nearest_css_name(s.rgb).name;
    case RgbRole:
        return QVariant::fromValue(core::color_value(s.rgb));
    default:
        return {};
    }
}

bool SwatchModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const QString why = doc_.rename(index.row(), value.toString());
    if (!why.isEmpty()) {
        emit refused(why);
        return false;
    }
    return true;
}

Qt::ItemFlags SwatchModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
        | Qt::ItemNeverHasChildren;
}

Qt::DropActions SwatchModel::supportedDropActions() const
{
    return Qt::MoveAction | Qt::CopyAction;
}

QStringList SwatchModel::mimeTypes() const
{
    return {QString::fromLatin1(kRowMime), QStringLiteral("application/x-color"),
        QStringLiteral("text/plain"), QStringLiteral("text/uri-list")};
}

QMimeData* SwatchModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    const core::Swatch& s = doc_.swatches()[size_t(indexes.first().row())];
    data->setData(QString::fromLatin1(kRowMime), QByteArray::number(indexes.first().row()));
    data->setColorData(qcolor(s.rgb));
    data->setText(core::css_hex(s.rgb));
    return data;
}

storage::PaletteRead SwatchModel::colors_of(const QMimeData* data)
{
    if (data->hasColor()) {
        const QColor c = qvariant_cast<QColor>(data->colorData()).toRgb();
        if (c.isValid() && c.alpha() == 255)
            return {storage::PaletteData {QString(), {{std::string(), {c.red(), c.green(), c.blue()}}}}, {}};
    }
    if (data->hasUrls() && data->urls().size() == 1 && data->urls().first().isLocalFile())
        return storage::read_palette(data->urls().first().toLocalFile(), true);
    if (data->hasText() && !data->text().trimmed().isEmpty())
        return storage::parse_import(data->text().toUtf8(), QString());
    return {std::nullopt, QStringLiteral("There is no color to add: the clipboard or the drop holds no text.")};
}

bool SwatchModel::canDropMimeData(
    const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    return data->hasFormat(QString::fromLatin1(kRowMime)) || data->hasColor() || data->hasText()
        || data->hasUrls();
}

bool SwatchModel::dropMimeData(
    const QMimeData* data, Qt::DropAction, int row, int, const QModelIndex& parent)
{
    int at = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    if (data->hasFormat(QString::fromLatin1(kRowMime))) {
        bool ok = false;
        const int from = data->data(QString::fromLatin1(kRowMime)).toInt(&ok);
        if (!ok || from < 0 || from >= rowCount())
            return false;
        doc_.move(from, at > from ? at - 1 : at);
        return false; // the row is moved here; the view must not remove it again
    }
    const storage::PaletteRead read = colors_of(data);
    if (!read.palette) {
        emit refused(read.error);
        return false;
    }
    if (const QString why = doc_.insert(at, read.palette->swatches, QStringLiteral("Drop")); !why.isEmpty())
        emit refused(why);
    return false;
}

// ---- Every pair ----

PairModel::PairModel(PaletteDocument& doc, QObject* parent) : QAbstractTableModel(parent), doc_(doc)
{
    connect(&doc, &PaletteDocument::changed, this, [this] { rebuild(); });
    rebuild();
}

void PairModel::rebuild()
{
    beginResetModel();
    const auto& s = doc_.swatches();
    const int n = int(s.size());
    pairs_.clear();
    pairs_.reserve(size_t(n) * size_t(std::max(n - 1, 0)));
    for (int t = 0; t < n; ++t)
        for (int b = 0; b < n; ++b)
            if (t != b)
                pairs_.push_back({t, b, core::pair_verdicts(s[size_t(t)].rgb, s[size_t(b)].rgb)});
    endResetModel();
}

int PairModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(pairs_.size());
}

int PairModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

namespace {

bool verdict(const core::PairVerdicts& v, int column)
{
    switch (column) {
    case PairModel::AaNormal:
        return v.aa_normal;
    case PairModel::AaaNormal:
        return v.aaa_normal;
    case PairModel::AaLarge:
        return v.aa_large;
    case PairModel::AaaLarge:
        return v.aaa_large;
    default:
        return v.non_text;
    }
}

const char* const kHeaders[] = {"Text", "Background", "Sample", "Ratio", "AA", "AAA", "AA large", "AAA large", "Non-text"};
const char* const kVerdictWords[] = {"", "", "", "", "AA", "AAA", "AA large text", "AAA large text", "non-text 3:1"};

} // namespace

QString PairModel::accessible_text(int row, int column) const
{
    const Pair& p = pairs_[size_t(row)];
    const auto& s = doc_.swatches();
    const QString pair = qname(s[size_t(p.text)]) + QStringLiteral(" on ") + qname(s[size_t(p.background)]);
    const QString ratio = QString::fromStdString(core::ratio_text(p.verdicts.hundredths));
    if (column >= AaNormal)
        return pair + QStringLiteral(": ") + QLatin1String(kVerdictWords[column])
            + (verdict(p.verdicts, column) ? QStringLiteral(" pass, ") : QStringLiteral(" fail, ")) + ratio;
    return pair + QStringLiteral(": ") + ratio + QStringLiteral(", ")
        + QString::fromStdString(core::verdict_words(p.verdicts.hundredths, core::Use::NormalText));
}

QVariant PairModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Pair& p = pairs_[size_t(index.row())];
    const auto& s = doc_.swatches();
    const int col = index.column();
    if (role == Qt::AccessibleTextRole)
        return accessible_text(index.row(), col);
    if (col == Text || col == Background) {
        const core::Swatch& w = s[size_t(col == Text ? p.text : p.background)];
        if (role == Qt::DisplayRole || role == SortRole)
            return qname(w);
        if (role == Qt::DecorationRole)
            return swatch_icon(w.rgb);
        return {};
    }
    if (col == Ratio) {
        if (role == Qt::DisplayRole)
            return QString::fromStdString(core::ratio_text(p.verdicts.hundredths));
        if (role == SortRole)
            return p.verdicts.hundredths;
        return {};
    }
    // The pair itself: sample letters in the text colour on the background colour.
    if (col == Sample) {
        if (role == Qt::DisplayRole)
            return QStringLiteral("Aa Sample");
        if (role == SortRole)
            return p.verdicts.hundredths;
        if (role == Qt::BackgroundRole)
            return qcolor(s[size_t(p.background)].rgb);
        if (role == Qt::ForegroundRole)
            return qcolor(s[size_t(p.text)].rgb);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    const bool pass = verdict(p.verdicts, col);
    if (role == Qt::DisplayRole)
        return pass ? QStringLiteral("✓ pass") : QStringLiteral("✗ fail");
    if (role == SortRole)
        return pass ? 1 : 0;
    return {};
}

QVariant PairModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kHeaders[section]);
}

PairFilter::PairFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(PairModel::SortRole);
}

void PairFilter::set_aa_only(bool on)
{
    aa_only_ = on;
    invalidateFilter();
}

bool PairFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const auto* pairs = static_cast<const PairModel*>(sourceModel());
    const core::PairVerdicts& a = pairs->pair(left.row()).verdicts;
    const core::PairVerdicts& b = pairs->pair(right.row()).verdicts;
    const int column = left.column();
    if (column == PairModel::Ratio || column == PairModel::Sample)
        return a.hundredths < b.hundredths;
    if (column >= PairModel::AaNormal)
        return verdict(a, column) < verdict(b, column);
    return QSortFilterProxyModel::lessThan(left, right);
}

bool PairFilter::filterAcceptsRow(int row, const QModelIndex&) const
{
    if (!aa_only_)
        return true;
    const auto* pairs = static_cast<const PairModel*>(sourceModel());
    return pairs->pair(row).verdicts.aa_normal;
}

} // namespace palette
