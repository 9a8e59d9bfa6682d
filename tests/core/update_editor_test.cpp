// The update editor's file handling and window state: opening and its backup, adding,
// correcting and deleting records with the safety copies, failed writes, incomplete
// files, the arrows and mode labels, change tracking and Cancel's question.

#include "update_test_support.h"

namespace velmora::testing {
namespace {

using UpdateEditorModel = EditorFixture;

std::vector<std::string> fiveRaces() {
    return {race("25/03/2018", "one"), race("08/04/2018", "two"), race("15/04/2018", "three"),
            race("29/04/2018", "four"), race("13/05/2018", "five")};
}

std::vector<std::string> withSections(std::vector<std::string> races, const std::vector<std::string>& drivers = {},
                                      const std::vector<std::string>& teams = {}) {
    races.push_back("***");
    races.insert(races.end(), drivers.begin(), drivers.end());
    races.push_back("+++");
    races.insert(races.end(), teams.begin(), teams.end());
    return races;
}

TEST_F(UpdateEditorModel, OpeningWithoutAFile) {
    editor.open();
    EXPECT_TRUE(files.writes.empty()); // no backup
    EXPECT_TRUE(editor.EditRaceList.empty());
    EXPECT_EQ(editor.text("Label1"), "Adding Race 1");
    EXPECT_EQ(editor.text("Label40"), "Adding Championship 1");
    EXPECT_EQ(editor.value("SpinEdit4"), 2018);
    EXPECT_EQ(editor.minimum("SpinEdit4"), 1950);
    EXPECT_EQ(editor.maximum("SpinEdit4"), 2018);
    EXPECT_FALSE(editor.enabled("Button2"));
    EXPECT_FALSE(editor.enabled("Button4"));
    EXPECT_EQ(editor.items("ComboBox9"),
              (std::vector<std::string>{"Bottas Valtteri", "Hamilton Lewis", "Montoya Juan Pablo", "Vettel Sebastian"}));
    EXPECT_EQ(editor.items("ComboBox17"), (std::vector<std::string>{"Ferrari", "Mercedes", "TAG Heuer"}));
    EXPECT_EQ(editor.value("SpinEdit15"), 1);
    EXPECT_EQ(editor.value("SpinEdit7"), 0);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(UpdateEditorModel, OpeningCopiesTheFileAndStartsOnTheSeasonInProgress) {
    std::string original = crlf(withSections(fiveRaces())) + "\r\n"; // with an empty last line
    files.files[updatePath()] = original;
    editor.open();
    EXPECT_EQ(files.files[std::string(kDir) + "UpdateBackUp.txt"], original);
    EXPECT_EQ(editor.EditRaceList.size(), 5u);
    EXPECT_EQ(editor.RaceCursor, 6);
    EXPECT_EQ(editor.value("SpinEdit4"), 2017);
    // The next season can always be begun.
    EXPECT_EQ(editor.maximum("SpinEdit4"), 2018);
}

TEST_F(UpdateEditorModel, AddingTwiceOnTheAddPositionWritesOneRecord) {
    openWith(withSections(fiveRaces(), {"2017|20|Lewis Hamilton|Mercedes|9|363"}, {"2017|20|Mercedes|12|668"}));
    fillRace();
    editor.save();
    ASSERT_EQ(editor.EditRaceList.size(), 6u);
    EXPECT_EQ(editor.text("Label1"), "Adding Race 6"); // the label keeps its value
    editor.setText("Memo1", "corrected");
    editor.setChecked("CheckBox1", true);
    editor.save();
    std::vector<std::string> expected = fiveRaces();
    expected.push_back(editor.composedRace);
    EXPECT_EQ(file(), crlf(withSections(expected, {"2017|20|Lewis Hamilton|Mercedes|9|363"},
                                        {"2017|20|Mercedes|12|668"})));
    EXPECT_EQ(splitrecord(expected.back())[21], "corrected");
}

// A file written on Windows in its single-byte code page keeps its accented names when
// the editor rewrites it: the whole file comes back in the one encoding start-up reads.
TEST_F(UpdateEditorModel, Windows1252NamesSurviveARewrite) {
    std::vector<std::string> lines = withSections(fiveRaces());
    lines[0] = "25/03/2018|Australia|Melbourne|191.118|Kimi R\xE4ikk\xF6nen|||Ferrari|Ferrari|128.046|"
               "Lewis Hamilton|||Mercedes|Mercedes|Valtteri Bottas|||Mercedes|Mercedes|one";
    openWith(lines);
    editor.moveRace(-5);
    EXPECT_EQ(editor.text("ComboBox1"), "R\xC3\xA4ikk\xC3\xB6nen Kimi");
    editor.setText("Memo1", "one, corrected");
    editor.setChecked("CheckBox1", true);
    editor.save();
    EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    EXPECT_NE(file().find("|Kimi R\xC3\xA4ikk\xC3\xB6nen|"), std::string::npos);
    EXPECT_EQ(file().find('\xE4'), std::string::npos);
}

TEST_F(UpdateEditorModel, CorrectingARecordKeepsItsPlace) {
    openWith(withSections(fiveRaces(), {"2018|21|Lewis Hamilton|Mercedes|11|408"}, {"2018|21|Mercedes|11|655"}));
    editor.moveRace(-3);
    EXPECT_EQ(editor.text("Label1"), "Editting Race 3");
    EXPECT_EQ(editor.text("Memo1"), "three");
    editor.setText("Memo1", "three, corrected");
    editor.moveChampionship(-1);
    EXPECT_EQ(editor.text("ComboBox18"), "Hamilton Lewis");
    EXPECT_EQ(editor.value("SpinEdit11"), 655);
    EXPECT_EQ(editor.text("Memo1"), "three, corrected"); // the race inputs stay as typed
    editor.setValue("SpinEdit8", 409);
    editor.setChecked("CheckBox1", true);
    editor.setChecked("CheckBox2", true);
    editor.save();
    EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    std::vector<std::string> races = fiveRaces();
    races[2] = race("15/04/2018", "three, corrected");
    EXPECT_EQ(file(), crlf(withSections(races, {"2018|21|Lewis Hamilton|Mercedes|11|409"}, {"2018|21|Mercedes|11|655"})));
}

TEST_F(UpdateEditorModel, DeleteKeepsASafetyCopyAndTheOrder) {
    std::vector<std::string> lines = withSections(fiveRaces(), {"2018|21|Lewis Hamilton|Mercedes|11|408"});
    openWith(lines);
    editor.moveRace(-3); // race 3 of 5
    editor.setChecked("CheckBox1", true);
    boxes.answers = {Button::Cancel};
    editor.click("Button4");
    EXPECT_EQ(boxes.shown.back().buttons, Buttons::OkCancel);
    EXPECT_EQ(boxes.shown.back().text,
              "Deletion is permanent, and non-undoable. The entire record in the selected check box section(s) will "
              "be deleted. Please make absolutely sure you really wish to delete the data. If you do go ahead and "
              "delete, but then realise you made a mistake, remember that the update routine does make a copy of the "
              "original update file (if there was one) which you can use after deleting the new update file by "
              "renaming the back up one.  Cancel this dialog and click the Help button for more information.");
    EXPECT_EQ(file(), crlf(lines));

    boxes.answers = {Button::Ok};
    editor.click("Button4");
    std::vector<std::string> races = fiveRaces();
    races.erase(races.begin() + 2);
    EXPECT_EQ(file(), crlf(withSections(races, {"2018|21|Lewis Hamilton|Mercedes|11|408"})));
    EXPECT_EQ(files.files[std::string(kDir) + "UpdateBeforeDelete.txt"], crlf(lines));
    // Back to the empty add state.
    EXPECT_EQ(editor.text("Label1"), "Adding Race 5");
    EXPECT_EQ(editor.text("Label40"), "Adding Championship 1"); // the constructors' part labels last
    EXPECT_EQ(editor.DriverChampCursor, 2);
    EXPECT_FALSE(editor.checked("CheckBox1"));
    EXPECT_FALSE(editor.enabled("Button4"));
    EXPECT_EQ(editor.text("Memo1"), "");
}

TEST_F(UpdateEditorModel, AFailedWriteLeavesTheFileAndTheInputs) {
    std::vector<std::string> lines = withSections(fiveRaces());
    openWith(lines);
    files.failingWrites.insert(updatePath());
    fillRace();
    editor.save();
    EXPECT_EQ(file(), crlf(lines));
    EXPECT_EQ(boxes.last(), "The update file \"update.txt\" could not be written:\n\n"
                            "  there is not enough space on the disk\n\n"
                            "The file is as it was before, and what you entered is still in the window. Make room on "
                            "the disk or check the folder, then try again.");
    EXPECT_EQ(editor.EditRaceList.size(), 5u);
    EXPECT_TRUE(editor.checked("CheckBox1"));
    EXPECT_TRUE(editor.enabled("Button2"));
    EXPECT_EQ(editor.text("ComboBox1"), "Vettel Sebastian");

    // Room again: the same save appends the race once.
    files.failingWrites.clear();
    editor.save();
    EXPECT_EQ(editor.EditRaceList.size(), 6u);
    EXPECT_EQ(splitrecord(editor.EditRaceList.back())[1], "25/03/2018");
}

TEST_F(UpdateEditorModel, AFailedSafetyCopyStopsTheDelete) {
    std::vector<std::string> lines = withSections(fiveRaces());
    openWith(lines);
    files.failingWrites.insert(std::string(kDir) + "UpdateBeforeDelete.txt");
    editor.moveRace(-1);
    editor.setChecked("CheckBox1", true);
    boxes.answers = {Button::Ok};
    editor.deleteRecords();
    EXPECT_EQ(boxes.last(), "The safety copy \"UpdateBeforeDelete.txt\" could not be written:\n\n"
                            "  there is not enough space on the disk\n\nNothing has been deleted.");
    EXPECT_EQ(file(), crlf(lines));
    EXPECT_EQ(editor.EditRaceList.size(), 5u);

    // A failed write of the file itself after the copy: nothing deleted either.
    files.failingWrites = {updatePath()};
    boxes.answers = {Button::Ok};
    editor.deleteRecords();
    EXPECT_EQ(file(), crlf(lines));
    EXPECT_EQ(editor.EditRaceList.size(), 5u);
}

TEST_F(UpdateEditorModel, AFailedBackupIsReported) {
    files.failingWrites.insert(std::string(kDir) + "UpdateBackUp.txt");
    openWith(withSections(fiveRaces()));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.last().find("\"UpdateBackUp.txt\" could not be written"), std::string::npos);
    EXPECT_EQ(editor.EditRaceList.size(), 5u);
}

TEST_F(UpdateEditorModel, AnUnreadableFileIsNeverReplaced) {
    files.files[updatePath()] = crlf(withSections(fiveRaces()));
    files.unreadable.insert(updatePath());
    editor.open();
    EXPECT_NE(boxes.last().find("\"update.txt\" cannot be read"), std::string::npos);
    fillRace();
    editor.save();
    EXPECT_NE(boxes.last().find("could not be read when the editor opened"), std::string::npos);
    EXPECT_TRUE(files.writes.empty());
}

TEST_F(UpdateEditorModel, FilesWithoutTheirSeparators) {
    struct Case {
        std::vector<std::string> lines;
        size_t races, drivers, teams;
        std::vector<std::string> missing;
    } cases[] = {
        {{race("25/03/2018"), "2018|21|Lewis Hamilton|Mercedes|11|408"}, 2, 0, 0, {"\"***\"", "\"+++\""}},
        {{race("25/03/2018"), "+++", "2018|21|Mercedes|11|655"}, 1, 0, 1, {"\"***\""}},
        {{race("25/03/2018"), "***", "2018|21|Lewis Hamilton|Mercedes|11|408"}, 1, 1, 0, {"\"+++\""}},
        {{race("25/03/2018"), "*** ", "+++"}, 2, 0, 0, {"\"***\""}}, // a trailing blank: no separator
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines.back());
        boxes.shown.clear();
        openWith(c.lines);
        EXPECT_EQ(editor.EditRaceList.size(), c.races);
        EXPECT_EQ(editor.EditDriverChampList.size(), c.drivers);
        EXPECT_EQ(editor.EditTeamChampList.size(), c.teams);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.last().rfind("The update file \"update.txt\" is incomplete:", 0), 0u);
        for (const auto& m : c.missing) EXPECT_NE(boxes.last().find(m + " that ends"), std::string::npos);
    }

    // Saving writes both separators.
    openWith({race("25/03/2018"), "***", "2018|21|Lewis Hamilton|Mercedes|11|408"});
    fillRace();
    editor.save();
    EXPECT_EQ(file(), crlf({race("25/03/2018"), editor.composedRace, "***", "2018|21|Lewis Hamilton|Mercedes|11|408",
                            "+++"}));
}

TEST_F(UpdateEditorModel, ArrowsClampAndLabelTheModes) {
    openWith(withSections({race("25/03/2018", "one"), race("08/04/2018", "two"), race("15/04/2018", "three")},
                          {"2017|20|Lewis Hamilton|Mercedes|9|363", "2018|21|Lewis Hamilton|Mercedes|11|408"},
                          {"2018|21|Mercedes|11|655"}));
    EXPECT_EQ(editor.text("Label1"), "Adding Race 4");
    editor.click("SpeedButton2");
    EXPECT_EQ(editor.text("Label1"), "Editting Race 3");
    EXPECT_EQ(editor.text("Memo1"), "three");
    EXPECT_TRUE(editor.enabled("Button4"));
    editor.click("SpeedButton1");
    EXPECT_EQ(editor.text("Label1"), "Adding Race 4");
    EXPECT_EQ(editor.text("Memo1"), "");
    EXPECT_EQ(editor.text("ComboBox1"), "");
    EXPECT_FALSE(editor.enabled("Button4"));
    editor.click("SpeedButton1"); // stays on the add position
    EXPECT_EQ(editor.RaceCursor, 4);
    editor.moveRace(-10);
    EXPECT_EQ(editor.RaceCursor, 1);
    editor.click("SpeedButton2"); // stays on race 1
    EXPECT_EQ(editor.text("Label1"), "Editting Race 1");
    EXPECT_EQ(editor.text("Memo1"), "one");

    // Championship cursors move together and clamp separately.
    EXPECT_EQ(editor.DriverChampCursor, 3);
    EXPECT_EQ(editor.TeamChampCursor, 2);
    editor.click("SpeedButton4");
    EXPECT_EQ(editor.text("Label40"), "Editting Championship 1");
    EXPECT_EQ(editor.value("SpinEdit1"), 2018); // driver record 2
    EXPECT_EQ(editor.value("SpinEdit5"), 2018); // constructor record 1
    editor.click("SpeedButton4");
    EXPECT_EQ(editor.value("SpinEdit1"), 2017);
    EXPECT_EQ(editor.TeamChampCursor, 1);
    editor.click("SpeedButton3");
    editor.click("SpeedButton3");
    // Driver 3 of 2 and constructor 2 of 1: both adding, every input emptied.
    EXPECT_EQ(editor.text("Label40"), "Adding Championship 2");
    EXPECT_EQ(editor.text("ComboBox18"), "");
}

TEST_F(UpdateEditorModel, EveryInputMarksAChangeAndCancelAsks) {
    openWith(withSections(fiveRaces()));
    for (const auto& name : UpdateEditor::changeReportingInputs()) {
        SCOPED_TRACE(name);
        editor.moveRace(0);
        ASSERT_FALSE(editor.enabled("Button2"));
        if (name.rfind("SpinEdit", 0) == 0) editor.setValue(name, 3);
        else editor.setText(name, "x");
        EXPECT_TRUE(editor.enabled("Button2"));
    }
    editor.moveRace(0);
    editor.setChecked("CheckBox1", true);
    editor.setChecked("CheckBox2", true);
    EXPECT_FALSE(editor.enabled("Button2"));
    EXPECT_TRUE(editor.click("Button1")); // nothing changed: closes without a question
    EXPECT_TRUE(boxes.shown.empty());

    editor.setText("Edit4", "Mercedes");
    boxes.answers = {Button::No};
    EXPECT_FALSE(editor.click("Button1"));
    EXPECT_EQ(boxes.last(), "Changes have been made and not saved.\n\nClose Update Form anyway and loose changes?");
    EXPECT_EQ(boxes.shown.back().buttons, Buttons::YesNo);
    EXPECT_EQ(editor.text("Edit4"), "Mercedes");
    boxes.answers = {Button::Yes};
    EXPECT_TRUE(editor.click("Button1"));
    EXPECT_EQ(file(), crlf(withSections(fiveRaces())));
}

TEST_F(UpdateEditorModel, ComposedFileReadsBackIntoTheSameInputs) {
    editor.open();
    fillRace();
    fillChampionship();
    editor.setText("Edit1", "187.820");
    editor.setText("ComboBox2", "Montoya Juan Pablo");
    editor.setText("Memo1", "a wet race");
    editor.save();
    std::string written = file();

    UpdateEditor again{db, files, boxes, kDir};
    again.open();
    again.moveRace(-1);
    again.moveChampionship(-1);
    EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox4", "ComboBox7", "ComboBox10", "ComboBox18", "Edit3",
                             "Edit4", "Memo1"})
        EXPECT_EQ(again.text(name), editor.text(name)) << name;
    for (const char* name : {"SpinEdit2", "SpinEdit3", "SpinEdit15", "SpinEdit16", "SpinEdit8", "SpinEdit11"})
        EXPECT_EQ(again.value(name), editor.value(name)) << name;
    EXPECT_EQ(again.text("Edit5"), "15.528"); // worked out from the stored speed
    // Saved again unchanged, the file stays byte for byte the same.
    again.setChecked("CheckBox1", true);
    again.setChecked("CheckBox2", true);
    again.setText("Memo1", "a wet race");
    again.save();
    EXPECT_EQ(file(), written);
}

} // namespace
} // namespace velmora::testing

