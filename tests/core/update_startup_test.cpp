// The update editor against the real start-up: what it writes is what the next start-up
// reads, and every record of the example update file shows without a complaint.

#include "startup_fixture.h"
#include "update_test_support.h"

namespace velmora::testing {
namespace {

std::string exampleFile() { return readSourceFile("examples/update-2018-2025.txt"); }

TEST(UpdateEditorStartup, AddCorrectAndDeleteTheFirstRaceOf2018) {
    MemoryFileSystem files;
    StartupResult first = startEmbedded(files, {}, kProgramDir);
    ASSERT_TRUE(first.ok);
    ScriptedBoxes boxes;
    {
        UpdateEditor editor(*first.db, files, boxes, kProgramDir);
        editor.open();
        EXPECT_EQ(editor.value("SpinEdit4"), 2018);
        fillAustralianRace(editor, "191.118", 29, "33.283");
        editor.click("Button2");
        EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    }
    StartupResult second = startEmbedded(files, {}, kProgramDir);
    ASSERT_TRUE(second.ok);
    ASSERT_EQ(second.db->RaceCount, 977);
    EXPECT_EQ(second.db->LastSeason, 2018);
    EXPECT_EQ(second.db->race(977)[5], "Sebastian Vettel");
    EXPECT_EQ(second.db->race(977)[10], "128.046");

    // Correct it in a new session, then delete it.
    UpdateEditor editor(*second.db, files, boxes, kProgramDir);
    editor.open();
    EXPECT_EQ(editor.value("SpinEdit4"), 2018);
    editor.click("SpeedButton2");
    EXPECT_EQ(editor.text("Label1"), "Editting Race 1");
    editor.setText("Memo1", "Vettel won after a virtual safety car.");
    editor.setChecked("CheckBox1", true);
    editor.click("Button2");
    StartupResult third = startEmbedded(files, {}, kProgramDir);
    ASSERT_EQ(third.db->RaceCount, 977);
    EXPECT_EQ(third.db->comment(977), "Vettel won after a virtual safety car.");

    std::string beforeDelete = files.files[std::string(kProgramDir) + "update.txt"];
    editor.click("SpeedButton2");
    editor.setChecked("CheckBox1", true);
    boxes.answers = {Button::Ok};
    editor.click("Button4");
    EXPECT_EQ(files.files[std::string(kProgramDir) + "update.txt"], "***\r\n+++\r\n");
    EXPECT_EQ(files.files[std::string(kProgramDir) + "UpdateBeforeDelete.txt"], beforeDelete);
    EXPECT_EQ(startEmbedded(files, {}, kProgramDir).db->RaceCount, 976);
}

TEST(UpdateEditorStartup, EveryRecordOfTheExampleFileShows) {
    MemoryFileSystem files;
    StartupResult loaded = startEmbedded(files, exampleFile(), kProgramDir);
    ASSERT_TRUE(loaded.ok);
    ScriptedBoxes boxes;
    UpdateEditor editor(*loaded.db, files, boxes, kProgramDir);
    editor.open();
    EXPECT_EQ(editor.value("SpinEdit4"), 2025);
    EXPECT_EQ(editor.maximum("SpinEdit4"), 2026); // a new season can be begun
    EXPECT_EQ(files.files[std::string(kProgramDir) + "UpdateBackUp.txt"], exampleFile());
    size_t races = editor.EditRaceList.size();
    EXPECT_EQ(static_cast<int>(races) + 976, loaded.db->RaceCount);
    for (size_t i = 0; i < races; ++i) {
        editor.click("SpeedButton2");
        EXPECT_TRUE(isValidDate(editor.value("SpinEdit4"), editor.value("SpinEdit3"), editor.value("SpinEdit2")));
        double seconds = -1;
        EXPECT_TRUE(update::readNumber(editor.text("Edit5"), seconds) && seconds >= 0 && seconds < 60)
            << editor.RaceCursor;
    }
    EXPECT_EQ(editor.RaceCursor, 1);
    EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    for (size_t i = 0; i < editor.EditDriverChampList.size(); ++i) editor.click("SpeedButton4");
    // Only the half points of 2021 are remarked on.
    for (const auto& shown : boxes.shown) EXPECT_NE(shown.text.find(".5\" is not a whole number"), std::string::npos);
    EXPECT_EQ(boxes.shown.size(), 2u);
}

} // namespace
} // namespace velmora::testing
