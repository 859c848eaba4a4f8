#include "../support/layout_check.h"
#include "../support/window_test.h"

#include "core/contrast.h"
#include "core/wcag.h"
#include "palette/palette_window.h"
#include "palette/shade_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include <set>

namespace {

using PaletteWindowTest = WindowTest;
using palette::PaletteWindow;

QStringList names(PaletteWindow& p)
{
    QStringList out;
    for (const core::Swatch& s : p.document().swatches())
        out << QString::fromStdString(s.name);
    return out;
}

// Presses a key in the palette window as a user would, with the list focused.
void press(PaletteWindow& p, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QApplication::setActiveWindow(&p);
    p.list()->setFocus();
    QTest::keyClick(p.list(), Qt::Key(key), mods);
}

} // namespace

// Built by keyboard from both windows, every step kept in the file at once, undone and
// redone with the keys of any editor.
TEST_F(PaletteWindowTest, KeyboardEditsAreSavedAtOnceAndUndoneExactly)
{
    editor::Form1& w = open_main();
    EXPECT_EQ(w.palette_window(), nullptr); // nothing made before first use
    set_bars(w, 255, 153, 0);
    QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_NE(w.palette_window(), nullptr);
    PaletteWindow& p = *w.palette_window();
    EXPECT_EQ(testsupport::shortcuts_taken_twice(&p), QStringList());
    EXPECT_EQ(names(p), QStringList({"--orange"}));

    fake.clipboard = "#000\n\n  rgb(255, 255, 255) --paper\r\n";
    press(p, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(names(p), QStringList({"--orange", "--black", "--paper"}));
    EXPECT_EQ(read("palette.json"),
        "{\n  \"pigmentor-palette\": 1,\n  \"name\": \"\",\n  \"colors\": [\n"
        "    { \"name\": \"--orange\", \"value\": \"#ff9900\" },\n"
        "    { \"name\": \"--black\", \"value\": \"#000000\" },\n"
        "    { \"name\": \"--paper\", \"value\": \"#ffffff\" }\n  ]\n}\n");
    EXPECT_EQ(read("palette-last.txt"), file("palette.json").toUtf8() + "\n");

    // A refused paste says why and changes nothing.
    fake.clipboard = "#fff\nnot a colour";
    press(p, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "No colors were pasted.\n\nLine 2 is not an opaque CSS color: \"not a colour\".");
    EXPECT_EQ(p.document().swatches().size(), 3u);

    // The selection is the last added (--paper); move it up, delete it, undo, redo.
    press(p, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(names(p), QStringList({"--orange", "--paper", "--black"}));
    EXPECT_EQ(p.current_row(), 1);
    press(p, Qt::Key_Delete);
    EXPECT_EQ(names(p), QStringList({"--orange", "--black"}));
    EXPECT_FALSE(read("palette.json").contains("--paper"));
    press(p, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(names(p), QStringList({"--orange", "--paper", "--black"}));
    EXPECT_TRUE(read("palette.json").contains("--paper"));
    press(p, Qt::Key_Z, Qt::ControlModifier);
    press(p, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names(p), QStringList({"--orange", "--paper", "--black"}));
    press(p, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names(p), QStringList({"--orange", "--black"}));

    // Insert adds the main window's colour after the selection; Ctrl+Enter applies one back.
    set_bars(w, 0x3b, 0x82, 0xf6);
    press(p, Qt::Key_Home);
    press(p, Qt::Key_Insert);
    EXPECT_EQ(names(p), QStringList({"--orange", "--dodgerblue", "--black"}));
    press(p, Qt::Key_End);
    press(p, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(rgb_of(w), "0,0,0");
    press(p, Qt::Key_Home);
    press(p, Qt::Key_2, Qt::ControlModifier); // to the station's object
    ASSERT_NE(w.station(), nullptr);
    EXPECT_EQ(w.station()->selected_target(), station::Object);
    EXPECT_EQ(w.station()->target_color(station::Object), QColor(255, 153, 0));
    // The station's own item adds its selected target.
    station::Form3* s = w.show_station();
    s->select_target(station::Object);
    set_bars(*s, 1, 2, 3);
    QApplication::setActiveWindow(s);
    s->view().addtopalette->trigger();
    EXPECT_EQ(p.document().swatches()[1].rgb, (core::Rgb {1, 2, 3})); // after the selected colour
    EXPECT_TRUE(fake.boxes.size() == 1u);
}

TEST_F(PaletteWindowTest, RenameTakesCustomPropertyNamesOnlyAndARefusalKeepsTheOldName)
{
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    p.add_color({0, 0, 0});
    p.add_color({255, 255, 255});
    const int steps = p.document().undo_stack()->count();
    press(p, Qt::Key_F2);
    auto* editor = p.list()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("brand 500"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits a moment later
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "\"brand 500\" is not a CSS custom property name. Names start with -- and hold letters, "
        "digits, - and _ only, such as --brand-500.");
    EXPECT_EQ(names(p), QStringList({"--black", "--white"}));
    EXPECT_EQ(p.document().undo_stack()->count(), steps);
    EXPECT_EQ(p.document().rename(1, QStringLiteral("--black")),
        "The palette already has a color named --black.");
    EXPECT_EQ(p.document().rename(1, QStringLiteral(" --brand-500 ")), "");
    EXPECT_EQ(names(p), QStringList({"--black", "--brand-500"}));
    EXPECT_TRUE(read("palette.json").contains("\"--brand-500\""));
}

// The grid holds every ordered pair once, with the core's own ratio, and its cells speak.
TEST_F(PaletteWindowTest, GridAgreesWithTheCoreSortsFiltersAndOpensThePairInTheStation)
{
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    const std::vector<core::Rgb> colors {{0, 0, 0}, {255, 255, 255}, {0x77, 0x77, 0x77}, {0x76, 0x76, 0x76}, {255, 0, 0}};
    for (const core::Rgb& c : colors)
        p.add_color(c);
    palette::PairModel& m = *p.pairs();
    ASSERT_EQ(m.rowCount(), 20);
    std::set<std::pair<int, int>> seen;
    for (int r = 0; r < m.rowCount(); ++r) {
        const auto& pair = m.pair(r);
        EXPECT_NE(pair.text, pair.background);
        seen.insert({pair.text, pair.background});
        const int h = core::shown_hundredths(colors[size_t(pair.text)], colors[size_t(pair.background)]);
        EXPECT_EQ(pair.verdicts.hundredths, h);
        EXPECT_EQ(m.index(r, palette::PairModel::Ratio).data().toString().toStdString(), core::ratio_text(h));
        EXPECT_EQ(m.index(r, palette::PairModel::AaNormal).data().toString(),
            core::passes(h, core::Use::NormalText, core::Level::AA) ? "✓ pass" : "✗ fail");
    }
    EXPECT_EQ(seen.size(), 20u);
    // #777 on white is 4.47:1: it fails AA for normal text although it rounds to 4.5.
    const auto row_of = [&](int t, int b) {
        for (int r = 0; r < m.rowCount(); ++r)
            if (m.pair(r).text == t && m.pair(r).background == b)
                return r;
        return -1;
    };
    const int grey_on_white = row_of(2, 1);
    EXPECT_EQ(m.index(grey_on_white, palette::PairModel::Ratio).data(Qt::AccessibleTextRole).toString(),
        "--gray on --white: 4.47:1, AA fail, AAA fail");
    EXPECT_EQ(m.index(grey_on_white, palette::PairModel::AaLarge).data(Qt::AccessibleTextRole).toString(),
        "--gray on --white: AA large text pass, 4.47:1");

    // Only AA: black/white both ways, #767676 on white and black on it, and the like.
    p.aa_only()->click();
    int passing = 0;
    for (int r = 0; r < m.rowCount(); ++r)
        passing += m.pair(r).verdicts.aa_normal;
    EXPECT_EQ(p.pair_filter()->rowCount(), passing);
    for (int r = 0; r < p.pair_filter()->rowCount(); ++r)
        EXPECT_GE(p.pair_filter()->index(r, palette::PairModel::Ratio).data(palette::PairModel::SortRole).toInt(), 450);
    p.aa_only()->click();
    EXPECT_EQ(p.pair_filter()->rowCount(), 20);
    // Sorting by ratio, highest first, by the header.
    p.grid()->horizontalHeader()->setSortIndicator(palette::PairModel::Ratio, Qt::DescendingOrder);
    EXPECT_EQ(p.pair_filter()->index(0, palette::PairModel::Ratio).data().toString(), "21.00:1");
    EXPECT_EQ(p.pair_filter()->index(19, palette::PairModel::Ratio).data().toString(), "1.01:1");

    // Enter on a cell opens the pair: text on background.
    const QModelIndex target = p.pair_filter()->mapFromSource(m.index(row_of(4, 1), palette::PairModel::AaNormal));
    p.grid()->setFocus();
    p.grid()->setCurrentIndex(target);
    QTest::keyClick(p.grid(), Qt::Key_Return);
    ASSERT_NE(w.station(), nullptr);
    EXPECT_EQ(w.station()->target_color(station::Background), QColor(255, 255, 255));
    EXPECT_EQ(w.station()->target_color(station::Text), QColor(255, 0, 0));
    EXPECT_EQ(w.station()->selected_target(), station::Text);
    // With the station open, the pair follows the cell walked to, and the grid keeps the focus.
    QApplication::setActiveWindow(&p);
    p.grid()->setFocus();
    const int black_on_white = row_of(0, 1);
    p.grid()->setCurrentIndex(p.pair_filter()->mapFromSource(m.index(black_on_white, palette::PairModel::Ratio)));
    EXPECT_EQ(w.station()->target_color(station::Text), QColor(0, 0, 0));
    EXPECT_EQ(w.station()->target_color(station::Background), QColor(255, 255, 255));
    EXPECT_EQ(QApplication::activeWindow(), &p);
}

// A bad file of any kind is told and leaves the palette, its file and the last-used note alone.
TEST_F(PaletteWindowTest, BadFilesChangeNothingAndSayWhy)
{
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    p.add_color({1, 2, 3});
    const QByteArray saved = read("palette.json");
    const QByteArray last = read("palette-last.txt");
    write("bad.json", "{\"pigmentor-palette\": 1, \"colors\": [{\"name\": \"--a\", \"value\": true}]}");
    write("bad.gpl", "GIMP Palette\n1 2\n");
    write("big.css", QByteArray(storage::kPaletteReadLimit + 1, ' '));
    EXPECT_FALSE(p.open_file(file("bad.json")));
    EXPECT_FALSE(p.import_file(file("bad.gpl")));
    EXPECT_FALSE(p.import_file(file("big.css")));
    EXPECT_FALSE(p.open_file(file("missing.json")));
    ASSERT_EQ(fake.boxes.size(), 4u);
    EXPECT_EQ(fake.boxes[0].text,
        "The palette could not be opened.\n\nbad.json: Color 1 of the palette needs a \"name\" and a \"value\", both texts.");
    EXPECT_EQ(fake.boxes[0].title, "Palette");
    EXPECT_EQ(fake.boxes[1].text,
        "No colors were imported.\n\nbad.gpl: Line 2 of the GIMP palette is not three channels 0 to 255 and a name.");
    EXPECT_EQ(fake.boxes[2].text,
        "No colors were imported.\n\nbig.css is larger than 1 MiB, more than any palette needs; it was not read.");
    EXPECT_EQ(p.document().swatches().size(), 1u);
    EXPECT_EQ(p.file(), file("palette.json"));
    EXPECT_EQ(read("palette.json"), saved);
    EXPECT_EQ(read("palette-last.txt"), last);
    EXPECT_EQ(p.document().undo_stack()->count(), 1);

    // A palette full to its 1000 colours takes no more, and says so.
    std::vector<core::Swatch> many(999, core::Swatch {"--c", {9, 9, 9}});
    EXPECT_EQ(p.document().insert(-1, many, QStringLiteral("Many")), "");
    fake.boxes.clear();
    p.add_color({7, 7, 7});
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "A palette holds at most 1000 colors; this one has 1000, and 1 more would not fit.");
    EXPECT_EQ(p.document().swatches().size(), 1000u);
    EXPECT_EQ(p.document().swatches()[999].name, "--c-999"); // names made free one by one
}

// A damaged palette met at start is told and never written over; the changes go to a new file.
TEST_F(PaletteWindowTest, ADamagedPaletteAtStartIsKeptAndANewOneStarted)
{
    write("palette.json", "{\"pigmentor-palette\": 1, \"colors\": [");
    write("palette-last.txt", file("gone.palette.json").toUtf8() + "\n");
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "The palette could not be opened.\n\npalette.json: The file is not a palette: it is not a JSON object.");
    p.add_color({1, 2, 3});
    EXPECT_EQ(read("palette.json"), "{\"pigmentor-palette\": 1, \"colors\": [");
    EXPECT_EQ(p.file(), file("palette-2.json"));
    EXPECT_TRUE(read("palette-2.json").contains("#010203"));
    EXPECT_EQ(read("palette-last.txt"), file("palette-2.json").toUtf8() + "\n");
}

// A palette file that may not be written is told once; the changes stay in the window.
TEST_F(PaletteWindowTest, AFailedWriteIsToldOnceAndTheOldFileStaysWhole)
{
    write("site.palette.json", "{\"pigmentor-palette\": 1, \"colors\": []}");
    QFile::setPermissions(file("site.palette.json"), QFileDevice::ReadOwner);
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    ASSERT_TRUE(p.open_file(file("site.palette.json")));
    p.add_color({1, 2, 3});
    p.add_color({4, 5, 6});
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text,
        "The palette could not be saved to " + file("site.palette.json")
            + ". Your changes are kept in this window; choose File > Save Palette As... to keep "
              "them in another file.");
    EXPECT_EQ(read("site.palette.json"), "{\"pigmentor-palette\": 1, \"colors\": []}");
    EXPECT_EQ(p.windowTitle(), "*site - Palette");
    EXPECT_EQ(p.document().swatches().size(), 2u);
    // Those changes are not dropped for another palette without a question.
    write("other.palette.json", "{\"pigmentor-palette\": 1, \"colors\": []}");
    fake.yes_no_answers.push_back(false);
    EXPECT_FALSE(p.open_file(file("other.palette.json")));
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0], "Palette: The changes to this palette could not be saved. Leave them and open another palette?");
    EXPECT_EQ(p.document().swatches().size(), 2u);
    EXPECT_EQ(p.file(), file("site.palette.json"));
    QFile::setPermissions(file("site.palette.json"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// A palette saved elsewhere is the one that opens next time; an export writes its bytes.
TEST_F(PaletteWindowTest, SaveAsExportImportAndTheLastPaletteReopens)
{
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    p.add_color({0x3b, 0x82, 0xf6});
    p.document().rename(0, QStringLiteral("--brand-500"));
    fake.file_answers.push_back(file("site"));
    p.actions().save_as->trigger();
    EXPECT_EQ(p.file(), file("site.palette.json"));
    EXPECT_EQ(read("palette-last.txt"), file("site.palette.json").toUtf8() + "\n");
    p.actions().forms[4]->trigger(); // oklch()
    fake.file_answers.push_back(file("site"));
    p.actions().exports[0]->trigger();
    EXPECT_EQ(read("site.css"), ":root {\n  --brand-500: oklch(0.623 0.188 259.8);\n}\n");
    EXPECT_TRUE(p.import_file(file("site.css")));
    EXPECT_EQ(names(p), QStringList({"--brand-500", "--brand-500-2"}));
    EXPECT_EQ(p.document().swatches()[1].rgb, p.document().swatches()[0].rgb);

    main.reset();
    editor::Form1& again = open_main();
    PaletteWindow& q = *again.show_palette();
    EXPECT_EQ(q.file(), file("site.palette.json"));
    EXPECT_EQ(names(q), QStringList({"--brand-500", "--brand-500-2"}));
    EXPECT_EQ(q.document().undo_stack()->count(), 0);

    // New Palette starts an empty file of its own and leaves the old one as it was.
    const QByteArray site = read("site.palette.json");
    fake.file_answers.push_back(file("fresh"));
    q.actions().new_palette->trigger();
    EXPECT_EQ(q.file(), file("fresh.palette.json"));
    EXPECT_EQ(read("fresh.palette.json"),
        "{\n  \"pigmentor-palette\": 1,\n  \"name\": \"fresh\",\n  \"colors\": []\n}\n");
    EXPECT_TRUE(q.document().swatches().empty());
    EXPECT_EQ(q.windowTitle(), "fresh - Palette");
    EXPECT_EQ(read("site.palette.json"), site);
}

TEST_F(PaletteWindowTest, ShadeScaleIsAddedAfterItsColourAsOneUndoStep)
{
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    p.add_color({0x3b, 0x82, 0xf6});
    p.document().rename(0, QStringLiteral("--brand-500"));
    p.add_color({0, 0, 0});
    p.list()->setCurrentIndex(p.list()->model()->index(0, 0));
    auto* dialog = qobject_cast<palette::ShadeDialog*>(p.show_shades());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->shades()[5].chosen);
    dialog->add_button()->click();
    // The 500 step is the colour itself under its own name: not added twice.
    EXPECT_EQ(names(p), QStringList({"--brand-500", "--brand-50", "--brand-100", "--brand-200", "--brand-300",
                            "--brand-400", "--brand-600", "--brand-700", "--brand-800", "--brand-900",
                            "--brand-950", "--black"}));
    p.document().undo_stack()->undo();
    EXPECT_EQ(names(p), QStringList({"--brand-500", "--black"}));
}

// Colours dragged in from elsewhere, and rows dragged to a new place.
TEST_F(PaletteWindowTest, DropsAddColoursAndMoveRows)
{
    editor::Form1& w = open_main();
    PaletteWindow& p = *w.show_palette();
    QAbstractItemModel* m = p.list()->model();
    QMimeData color;
    color.setColorData(QColor(255, 0, 0));
    EXPECT_FALSE(m->dropMimeData(&color, Qt::CopyAction, 0, 0, {}));
    QMimeData text;
    text.setText(QStringLiteral(":root { --ink: #111; --paper: #fafafa; }"));
    m->dropMimeData(&text, Qt::CopyAction, -1, -1, {});
    EXPECT_EQ(names(p), QStringList({"--red", "--ink", "--paper"}));
    std::unique_ptr<QMimeData> row(m->mimeData({m->index(2, 0)}));
    m->dropMimeData(row.get(), Qt::MoveAction, 0, 0, {});
    EXPECT_EQ(names(p), QStringList({"--paper", "--red", "--ink"}));
    QMimeData nothing;
    nothing.setText(QStringLiteral("hello"));
    m->dropMimeData(&nothing, Qt::CopyAction, -1, -1, {});
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(names(p).size(), 3);
}
