// The update editor against the real start-up: what it writes is what the next start-up
// reads, and every record of the example update file shows without a complaint.

#include <fstream>
#include <sstream>

#include "startup_fixture.h"
#include "update_test_support.h"

namespace velmora::testing {
namespace {

constexpr const char* kProgram = "/velmora/";

std::string exampleFile() {
    std::ifstream in(std::string(VELMORA_SOURCE_DIR) + "/examples/update-2018-2025.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(UpdateEditorStartup, AddCorrectAndDeleteTheFirstRaceOf2018) {
    MemoryFileSystem files;
    StartupResult first = startEmbedded(files, {}, kProgram);
    ASSERT_TRUE(first.ok);
    ScriptedBoxes boxes;
    {
        UpdateEditor editor(*first.db, files, boxes, kProgram);
        editor.open();
        EXPECT_EQ(editor.value("SpinEdit4"), 2018);
        editor.setValue("SpinEdit2", 25);
        editor.setValue("SpinEdit3", 3);
        editor.setText("ComboBox10", "Australia");
        editor.setText("ComboBox11", "Melbourne");
        editor.setText("Edit1", "191.118");
        editor.setText("ComboBox1", "Vettel Sebastian");
        editor.setText("ComboBox12", "Ferrari");
        editor.setText("ComboBox13", "Ferrari");
        editor.setText("ComboBox4", "Hamilton Lewis");
        editor.setText("ComboBox14", "Mercedes");
        editor.setText("ComboBox15", "Mercedes");
        editor.setText("ComboBox7", "Raikkonen Kimi");
        editor.setText("ComboBox16", "Ferrari");
        editor.setText("ComboBox17", "Ferrari");
        editor.setValue("SpinEdit15", 1);
        editor.setValue("SpinEdit16", 29);
        editor.setText("Edit5", "33.283");
        editor.setChecked("CheckBox1", true);
        editor.click("Button2");
        EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    }
    StartupResult second = startEmbedded(files, {}, kProgram);
    ASSERT_TRUE(second.ok);
    ASSERT_EQ(second.db->RaceCount, 977);
    EXPECT_EQ(second.db->LastSeason, 2018);
    EXPECT_EQ(second.db->race(977)[5], "Sebastian Vettel");
    EXPECT_EQ(second.db->race(977)[10], "128.046");

    // Correct it in a new session, then delete it.
    UpdateEditor editor(*second.db, files, boxes, kProgram);
    editor.open();
    EXPECT_EQ(editor.value("SpinEdit4"), 2018);
    editor.click("SpeedButton2");
    EXPECT_EQ(editor.text("Label1"), "Editting Race 1");
    editor.setText("Memo1", "Vettel won after a virtual safety car.");
    editor.setChecked("CheckBox1", true);
    editor.click("Button2");
    StartupResult third = startEmbedded(files, {}, kProgram);
    ASSERT_EQ(third.db->RaceCount, 977);
    EXPECT_EQ(third.db->comment(977), "Vettel won after a virtual safety car.");

    std::string beforeDelete = files.files[std::string(kProgram) + "update.txt"];
    editor.click("SpeedButton2");
    editor.setChecked("CheckBox1", true);
    boxes.answers = {Button::Ok};
    editor.click("Button4");
    EXPECT_EQ(files.files[std::string(kProgram) + "update.txt"], "***\r\n+++\r\n");
    EXPECT_EQ(files.files[std::string(kProgram) + "UpdateBeforeDelete.txt"], beforeDelete);
    EXPECT_EQ(startEmbedded(files, {}, kProgram).db->RaceCount, 976);
}

TEST(UpdateEditorStartup, EveryRecordOfTheExampleFileShows) {
    MemoryFileSystem files;
    StartupResult loaded = startEmbedded(files, exampleFile(), kProgram);
    ASSERT_TRUE(loaded.ok);
    ScriptedBoxes boxes;
    UpdateEditor editor(*loaded.db, files, boxes, kProgram);
    editor.open();
    EXPECT_EQ(editor.value("SpinEdit4"), 2025);
    EXPECT_EQ(editor.maximum("SpinEdit4"), 2026); // a new season can be begun
    EXPECT_EQ(files.files[std::string(kProgram) + "UpdateBackUp.txt"], exampleFile());
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
