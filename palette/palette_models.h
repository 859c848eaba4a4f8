#pragma once

// A palette being edited: its colours, its file, its undo history, and the two models the
// window shows it through (the swatch list and the contrast of every pair).

#include "core/palette.h"
#include "storage/palette_files.h"

#include <QAbstractListModel>
#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QUndoStack>

#include <vector>

namespace palette {

// Every change is one undo step that swaps the whole list of colours, so undo restores
// names, order and colours exactly; the selection follows the changed rows.
class PaletteDocument : public QObject {
    Q_OBJECT
public:
    explicit PaletteDocument(QObject* parent = nullptr);

    const std::vector<core::Swatch>& swatches() const { return swatches_; }
    QString title() const { return title_; }
    QUndoStack* undo_stack() { return &undo_; }

    // Starts afresh with a palette read from a file (no undo across files).
    void reset(const storage::PaletteData& data);
    storage::PaletteData data() const { return {title_, swatches_}; }

    // Each is one undo step; `select` is the row to select afterwards.
    void change(const QString& what, std::vector<core::Swatch> after, int select);
    // Adds colours at a row (the end when -1), named from `names` or after their nearest
    // CSS name; names already taken get a number. The refusal message when the palette
    // would hold more than core::kMaxSwatches colours (and nothing is added), else empty.
    QString insert(int row, const std::vector<core::Swatch>& added, const QString& what);
    void remove(const std::vector<int>& rows);
    void move(int from, int to);
    // The refusal message, or empty when renamed.
    QString rename(int row, const QString& name);

signals:
    // After every change, undo and redo included.
    void changed(int select);

private:
    friend class SwapCommand;
    void set(std::vector<core::Swatch> swatches, int select);

    QString title_;
    std::vector<core::Swatch> swatches_;
    QUndoStack undo_;
};

// The swatches as a list: the name, the hex code and the CSS form in words, the colour as
// the decoration; names edited in place; rows dragged to a new place; colours and texts
// dropped in.
class SwatchModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { RgbRole = Qt::UserRole + 1 };
    explicit SwatchModel(PaletteDocument& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
        const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
        const QModelIndex& parent) override;

    // The colours a drop or a paste holds: a colour, or text of one colour a line (any
    // CSS form, or a whole palette in any format that is imported); a message when none.
    static storage::PaletteRead colors_of(const QMimeData* data);

signals:
    void refused(const QString& message);

private:
    PaletteDocument& doc_;
};

// The contrast of every ordered pair of different colours, text on background: one row a
// pair. Ratios are worked out once per change of the palette.
class PairModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Text, Background, Sample, Ratio, AaNormal, AaaNormal, AaLarge, AaaLarge, NonText, Columns };
    enum Role { SortRole = Qt::UserRole + 1 };
    explicit PairModel(PaletteDocument& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    struct Pair {
        int text = 0; // rows of the palette
        int background = 0;
        core::PairVerdicts verdicts;
    };
    const Pair& pair(int row) const { return pairs_[size_t(row)]; }
    // What a screen reader says for a cell: "--ink on --paper: 21.00:1, AA pass, AAA pass".
    QString accessible_text(int row, int column) const;

private:
    void rebuild();

    PaletteDocument& doc_;
    std::vector<Pair> pairs_;
};

// Sorts by the numbers behind the cells and keeps, when asked, only pairs that pass AA
// for normal text.
class PairFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit PairFilter(QObject* parent = nullptr);
    void set_aa_only(bool on);
    bool aa_only() const { return aa_only_; }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;
    // Ratios and verdicts compared as numbers, without the variants in between.
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool aa_only_ = false;
};

} // namespace palette
