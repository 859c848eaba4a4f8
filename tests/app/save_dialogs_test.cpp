// Save dialogs of both windows: a name without extension is completed, an existing file
// is replaced only after a Yes, and every dialog offers "All files (*)".
#include "../support/layout_check.h"
#include "../support/window_test.h"

#include "platform/file_names.h"

#include <QAction>
#include <QFileInfo>
#include <QPushButton>

using SaveDialogs = WindowTest;

TEST(SaveNames, CompletedOnlyWhenTypedWithoutExtension)
{
    const QString theme = QStringLiteral("Color Matching Station File (*.pmtm)");
    const QString color = QStringLiteral("Pigmentor File (*.pmt)");
    EXPECT_EQ(platform::complete_save_name("/h/mine", theme), "/h/mine.pmtm");
    EXPECT_EQ(platform::complete_save_name("/h/mine", color), "/h/mine.pmt");
    EXPECT_EQ(platform::complete_save_name("/h/mine.", theme), "/h/mine.pmtm");
    EXPECT_EQ(platform::complete_save_name("/h/mine.pmtm", theme), "/h/mine.pmtm");
    EXPECT_EQ(platform::complete_save_name("/h/mine.txt", theme), "/h/mine.txt");
    // A dot in a folder's name is not the file's extension.
    EXPECT_EQ(platform::complete_save_name("/h/v1.2/mine", color), "/h/v1.2/mine.pmt");
    EXPECT_EQ(platform::complete_save_name("", color), "");
    EXPECT_EQ(platform::complete_save_name("/h/mine", "All files (*)"), "/h/mine");

    EXPECT_EQ(platform::with_all_files(theme), theme + ";;All files (*)");
    EXPECT_EQ(platform::filter_extension("Pigmentor Files (*.pmtm)"), "pmtm");
    EXPECT_EQ(platform::replace_question("/h/mine.pmtm"),
        "\"mine.pmtm\" already exists.\rDo you want to replace it?");
}

TEST_F(SaveDialogs, ThemeOverAnExistingFileOnlyAfterYes)
{
    open_main();
    station::Form3& s = *main->show_station();
    auto* save = testsupport::find<QAction>(&s, "save_color");
    ASSERT_NE(save, nullptr);
    write("old.pmtm", "123456ABCDEF654321\r\n");

    // No: the dialog comes back on the same name; Cancel there ends it, the file kept.
    fake.file_answers.push_back(file("old.pmtm"));
    fake.yes_no_answers.push_back(false);
    save->trigger();
    EXPECT_EQ(read("old.pmtm"), QByteArray("123456ABCDEF654321\r\n"));
    ASSERT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(fake.questions[0],
        "Save Theme As: \"old.pmtm\" already exists.\rDo you want to replace it?");
    ASSERT_EQ(fake.file_dialogs.size(), 2u);
    EXPECT_EQ(fake.file_dialogs[0].folder, ".");
    EXPECT_EQ(fake.file_dialogs[1].folder, file("old.pmtm"));
    EXPECT_TRUE(fake.boxes.empty());

    // No, then another name: saved there, the old file untouched.
    fake.file_answers = {file("old"), file("new")};
    fake.yes_no_answers.push_back(false);
    save->trigger();
    EXPECT_EQ(read("old.pmtm"), QByteArray("123456ABCDEF654321\r\n"));
    EXPECT_EQ(read("new.pmtm"), QByteArray("FFFFFF000000000000\r\n"));

    // Yes: replaced.
    fake.file_answers.push_back(file("old.pmtm"));
    fake.yes_no_answers.push_back(true);
    save->trigger();
    EXPECT_EQ(read("old.pmtm"), QByteArray("FFFFFF000000000000\r\n"));
    EXPECT_EQ(fake.questions.size(), 3u);
}

TEST_F(SaveDialogs, NamesWithoutExtensionAreCompletedBeforeTheQuestion)
{
    editor::Form1& w = open_main();
    w.psets(5, 80, 255);
    auto* save = testsupport::find<QPushButton>(&w, "Command2");
    ASSERT_NE(save, nullptr);

    fake.file_answers.push_back(file("mine"));
    save->click();
    EXPECT_EQ(read("mine.pmt"), QByteArray("5  80 255\r\n"));
    EXPECT_FALSE(QFileInfo::exists(file("mine")));
    EXPECT_TRUE(fake.questions.empty());

    // "mine" again names the completed file, which now exists: asked, and No keeps it.
    w.psets(0, 0, 0);
    fake.file_answers.push_back(file("mine"));
    fake.yes_no_answers.push_back(false);
    save->click();
    EXPECT_EQ(fake.questions.size(), 1u);
    EXPECT_EQ(read("mine.pmt"), QByteArray("5  80 255\r\n"));

    station::Form3& s = *w.show_station();
    fake.file_answers.push_back(file("mine"));
    testsupport::find<QAction>(&s, "save_color")->trigger();
    EXPECT_EQ(read("mine.pmtm"), QByteArray("FFFFFF000000000000\r\n"));
    EXPECT_EQ(fake.questions.size(), 1u); // mine.pmt is another file
}
