// The update editor's records and checks: composing a race and the championship lines,
// loading them back, every check message and its order, the weekday question.

#include "settings/Settings.h"
#include "update_test_support.h"

namespace velmora::testing {
namespace {

using UpdateChecks = EditorFixture;

const char* kRaceHead =
    "Invalid or Missing Data!\n\nSome of the data in the section 'Race Data' are invalid or missing.\n\n"
    "This means a data record cannot be compiled.\n\n";
const char* kChampHead =
    "Invalid or Missing Data!\n\nSome of the data in the section 'Championship Data' are invalid or missing.\n\n"
    "This means a data record cannot be compiled.\n\n";

TEST_F(UpdateChecks, ComposesARaceIntoAnEmptyFile) {
    editor.open();
    fillRace();
    editor.setText("Memo1", "abc");
    editor.save();
    EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    EXPECT_EQ(file(), crlf({"25/03/2018|Australia|Melbourne|187.82|Sebastian Vettel|||Ferrari|Ferrari|104.095|"
                            "Lewis Hamilton|||Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|abc",
                            "***", "+++"}));
    EXPECT_EQ(editor.text("Edit2"), "104.095");
    // After the save: boxes unticked, Save disabled, inputs kept.
    EXPECT_FALSE(editor.checked("CheckBox1"));
    EXPECT_FALSE(editor.enabled("Button2"));
    EXPECT_EQ(editor.text("ComboBox1"), "Vettel Sebastian");
}

TEST_F(UpdateChecks, RaceFieldsAsWritten) {
    struct Case {
        int day, month;
        const char* distance;
        int h, m;
        const char* seconds;
        const char* memo;
        const char* date, *speed, *comment;
    } cases[] = {
        {5, 7, "190.6", 1, 30, "0", "", "05/07/2018", "127.067", ""},        // 5 July 2018 is a Thursday
        {25, 3, "9", 1, 0, "0", "first line\r\nsecond line\r\n", "25/03/2018", " 9.000", "first line second line"},
        {25, 3, "187.82", 1, 48, "15.500", "one\n\ntwo", "25/03/2018", "104.095", "one two"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        files.files.clear();
        editor.open();
        fillRace();
        editor.setValue("SpinEdit2", c.day);
        editor.setValue("SpinEdit3", c.month);
        editor.setText("Edit1", c.distance);
        editor.setValue("SpinEdit15", c.h);
        editor.setValue("SpinEdit16", c.m);
        editor.setText("Edit5", c.seconds);
        editor.setText("Memo1", c.memo);
        boxes.answers = {Button::Ok}; // answers the weekday question when there is one
        editor.save();
        boxes.answers.clear();
        LineFields f = splitrecord(editor.composedRace);
        EXPECT_EQ(f[1], c.date);
        EXPECT_EQ(f[4], c.distance);
        EXPECT_EQ(f[10], c.speed);
        EXPECT_EQ(f[21], c.comment);
        EXPECT_EQ(editor.composedRace.find('\n'), std::string::npos);
    }
}

TEST_F(UpdateChecks, EveryRaceCheckInOrder) {
    editor.open();
    editor.setValue("SpinEdit2", 31);
    editor.setValue("SpinEdit3", 4); // 31 April
    editor.setText("ComboBox1", " "); // shown for an empty name: still missing
    editor.setText("Edit1", "far");
    editor.setText("Edit5", "abc");
    editor.setChecked("CheckBox1", true);
    editor.save(); // no weekday question for a date that does not exist
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(boxes.last(), std::string(kRaceHead) +
                                "  Invalid Date\n  Missing Winning Driver\n  Missing Winning Team\n"
                                "  Missing Winning Engine\n  Missing Second Driver\n  Missing Second Team\n"
                                "  Missing Second Engine\n  Missing Third Driver\n  Missing Third Team\n"
                                "  Missing Third Engine\n  Missing Venue\n  Missing Circuit\n"
                                "  Race Distance not Numeric\n  Race Time Seconds not Numeric\n");
    EXPECT_FALSE(files.exists(updatePath()));
    EXPECT_TRUE(editor.checked("CheckBox1")); // ready for a correction
    EXPECT_TRUE(editor.enabled("Button2"));
}

TEST_F(UpdateChecks, SecondsTimeAndSeparatorChecks) {
    struct Case {
        const char* control;
        const char* text;
        const char* expected; // the one failure line, or "" when the save goes through
    } cases[] = {
        {"Edit5", "60", "  Seconds Value is not valid (0-59.999)\n"},
        {"Edit5", "-1", "  Seconds Value is not valid (0-59.999)\n"},
        {"Edit5", "59.999", ""},
        {"ComboBox10", "Austr|alia", "  \"|\" cannot be used in Venue\n"},
        {"ComboBox2", "Bottas|Valtteri", "  \"|\" cannot be used in Win Driver 2\n"},
        {"ComboBox17", "Fer|rari", "  \"|\" cannot be used in the third place's Engine\n"},
        {"Memo1", "fast | wet", "  \"|\" cannot be used in the comment\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " " + c.text);
        files.files.clear();
        boxes.shown.clear();
        editor.open();
        fillRace();
        editor.setText(c.control, c.text);
        editor.save();
        if (*c.expected) {
            EXPECT_EQ(boxes.last(), std::string(kRaceHead) + c.expected);
            EXPECT_FALSE(files.exists(updatePath()));
        } else {
            EXPECT_TRUE(boxes.shown.empty());
            EXPECT_TRUE(files.exists(updatePath()));
        }
    }
}

TEST_F(UpdateChecks, ARaceTimeOfZeroIsRefused) {
    editor.open();
    fillRace();
    editor.setValue("SpinEdit15", 0);
    editor.setValue("SpinEdit16", 0);
    editor.setText("Edit5", "0.000");
    editor.save();
    EXPECT_EQ(boxes.last(), std::string(kRaceHead) + "  Race Time cannot be zero\n");
    EXPECT_FALSE(files.exists(updatePath()));
}

TEST_F(UpdateChecks, WeekdayQuestion) {
    editor.open();
    fillRace();
    editor.setValue("SpinEdit2", 24); // Saturday 24 March 2018
    boxes.answers = {Button::Cancel};
    editor.save();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(boxes.shown[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(boxes.shown[0].text,
              "The date you have entered is Saturday, not a Sunday.\n\nClick OK to continue, or Cancel to abort the save.");
    EXPECT_FALSE(files.exists(updatePath()));

    boxes.answers = {Button::Ok};
    editor.save();
    EXPECT_EQ(splitrecord(file())[1], "24/03/2018");
}

TEST_F(UpdateChecks, NothingTickedIsRefused) {
    editor.open();
    fillRace();
    editor.setChecked("CheckBox1", false);
    editor.save();
    EXPECT_EQ(boxes.last(), "You must select which of the data it is you are saving.");
    editor.deleteRecords();
    EXPECT_EQ(boxes.last(), "You must select which of the data it is you want to delete.");
    EXPECT_TRUE(files.writes.empty());
}

TEST_F(UpdateChecks, EveryChampionshipCheckInOrder) {
    editor.open();
    fillChampionship();
    editor.setValue("SpinEdit1", 2017);   // driver year differs from constructor year and from Yr (2018)
    editor.setValue("SpinEdit5", 2016);
    editor.setValue("SpinEdit9", 20);
    editor.setText("ComboBox18", " ");
    editor.setText("Edit4", "");
    editor.setText("Edit3", "");
    editor.setValue("SpinEdit7", 12);
    editor.setValue("SpinEdit8", 700);
    editor.save();
    EXPECT_EQ(boxes.last(), std::string(kChampHead) +
                                "  Driver and Championship Season years do not match\n"
                                "  Driver Season Year does not match year in Race Data section\n"
                                "  Constructor Season Year does not match year in Race Data section\n"
                                "  Number of Races in Season do not match\n"
                                "  Championship Winning Driver not specified\n"
                                "  Driver's Constructor and Engine not specified\n"
                                "  Constructor's Team and Engine not specified\n"
                                "  Driver Wins cannot exceed Constructor Wins\n"
                                "  Driver Points cannot exceed Constructor Points\n");
    EXPECT_FALSE(files.exists(updatePath()));
}

TEST_F(UpdateChecks, AFailedChampionshipDiscardsTheRace) {
    editor.open();
    fillRace();
    fillChampionship();
    editor.setText("Edit4", "Mercedes|AMG");
    editor.save();
    EXPECT_EQ(boxes.last(), std::string(kChampHead) + "  \"|\" cannot be used in the driver's Team and Engine\n");
    EXPECT_TRUE(editor.composedRace.empty());
    EXPECT_FALSE(files.exists(updatePath()));

    editor.setText("Edit4", "Mercedes");
    editor.save();
    EXPECT_EQ(file(), crlf({editor.composedRace, "***",
                            "2018|21|Lewis Hamilton|Mercedes|11|408", "+++", "2018|21|Mercedes|11|655"}));
}

TEST_F(UpdateChecks, NamesOfOneTwoAndThreeWordsRoundTrip) {
    struct Case {
        const char* stored;
        const char* display;
    } cases[] = {{"Nakajima", "Nakajima"}, {"Lewis Hamilton", "Hamilton Lewis"},
                 {"Juan Pablo Montoya", "Montoya Juan Pablo"}, {"", " "}};
    for (const auto& c : cases) {
        EXPECT_EQ(update::displayName(c.stored), c.display);
        if (*c.stored) {
            EXPECT_EQ(update::storedName(c.display), c.stored);
        }
    }

    // Through the file: load a race with every kind of name, save it unchanged.
    std::string line = "25/03/2018|Australia|Melbourne|191.110|Juan Pablo Montoya|Nakajima||Ferrari|Ferrari|"
                       "120.003|Lewis Hamilton|||Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|wet";
    openWith({line, "***", "+++"});
    editor.moveRace(-1);
    EXPECT_EQ(editor.text("ComboBox1"), "Montoya Juan Pablo");
    EXPECT_EQ(editor.text("ComboBox2"), "Nakajima");
    EXPECT_EQ(editor.text("ComboBox3"), " ");
    EXPECT_EQ(editor.text("ComboBox4"), "Hamilton Lewis");
    EXPECT_EQ(editor.text("Edit1"), "191.110");
    EXPECT_EQ(editor.text("Memo1"), "wet");
    editor.setChecked("CheckBox1", true);
    editor.setText("Memo1", "wet"); // a change, so that Save is enabled
    editor.click("Button2");
    EXPECT_TRUE(boxes.shown.empty()) << boxes.last();
    EXPECT_EQ(file(), crlf({line, "***", "+++"}));
}

TEST_F(UpdateChecks, LoadsTheRaceTimeFromDistanceAndSpeed) {
    openWith({"25/03/2018|Australia|Melbourne|187.82|Sebastian Vettel|||Ferrari|Ferrari|104.095|Lewis Hamilton|||"
              "Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|",
              // the time works out at 1 h 3 min 59.99999 s: shown as 1 h 4 min 0 s
              "01/04/2018|Australia|Melbourne|106.8|Sebastian Vettel|||Ferrari|Ferrari|100.125|Lewis Hamilton|||"
              "Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|",
              "***", "+++"});
    editor.moveRace(-1);
    EXPECT_EQ(editor.value("SpinEdit15"), 1);
    EXPECT_EQ(editor.value("SpinEdit16"), 4);
    EXPECT_EQ(editor.text("Edit5"), " 0.000");
    EXPECT_EQ(editor.text("Edit1"), "106.800");
    editor.moveRace(-1);
    EXPECT_EQ(editor.value("SpinEdit2"), 25);
    EXPECT_EQ(editor.value("SpinEdit3"), 3);
    EXPECT_EQ(editor.value("SpinEdit4"), 2018);
    EXPECT_EQ(editor.text("Edit1"), "187.820");
    EXPECT_EQ(editor.text("Edit2"), "104.095");
    EXPECT_EQ(editor.value("SpinEdit15"), 1);
    EXPECT_EQ(editor.value("SpinEdit16"), 48);
    // The speed is stored to three decimals, so the time comes back to within a few
    // hundredths of a second.
    EXPECT_EQ(editor.text("Edit5"), "15.528");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(UpdateChecks, RecordsThatDoNotReadAreReportedAndShownAsFarAsTheyRead) {
    openWith({race("25/03/2018"),
              "1/4/2018|Bahrain|Sakhir|abc|Sebastian Vettel|||Ferrari|Ferrari|0|Lewis Hamilton|||Mercedes|Mercedes|"
              "Kimi Raikkonen|||Ferrari|Ferrari|",
              "***", "2018|21|Lewis Hamilton|Mercedes|11|408.5", "+++", "2018|x|Mercedes|11|655"});
    editor.moveRace(-1);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.last(), "Line 2 of update.txt cannot be shown in full:\n\n"
                            "  the date \"1/4/2018\" does not read as dd/mm/yyyy\n"
                            "  the year 18 is outside the years the editor offers (1950 to 2018)\n"
                            "  the distance \"abc\" does not read as a number\n"
                            "  the speed \"0\" is not above zero, so the race time cannot be worked out\n"
                            "\nThe record is shown as far as it reads. Check the inputs before you save it.");
    EXPECT_EQ(editor.text("ComboBox10"), "Bahrain");
    EXPECT_EQ(editor.text("Edit1"), "abc");
    EXPECT_EQ(editor.text("ComboBox1"), "Vettel Sebastian");
    EXPECT_EQ(editor.text("Edit5"), "");

    boxes.shown.clear();
    editor.moveChampionship(-1);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, "Line 4 of update.txt cannot be shown in full:\n\n"
                                   "  the number of points \"408.5\" is not a whole number; the box shows 408, "
                                   "and the record keeps 408.5 unless you change the box\n"
                                   "\nThe record is shown as far as it reads. Check the inputs before you save it.");
    EXPECT_NE(boxes.shown[1].text.find("Line 6 of update.txt"), std::string::npos);
    EXPECT_NE(boxes.shown[1].text.find("the number of races \"x\" does not read as a number"), std::string::npos);
    EXPECT_EQ(editor.value("SpinEdit8"), 408);
    EXPECT_EQ(editor.value("SpinEdit9"), 0);
    EXPECT_EQ(editor.value("SpinEdit11"), 655);
    EXPECT_EQ(editor.text("Label40"), "Editting Championship 1");

    // Saved with the points untouched, the half point stays; changed, the box's value goes in.
    editor.setValue("SpinEdit4", 2018);
    editor.setValue("SpinEdit9", 21);
    editor.setChecked("CheckBox2", true);
    editor.save();
    EXPECT_EQ(editor.EditDriverChampList[0], "2018|21|Lewis Hamilton|Mercedes|11|408.5");
    editor.setValue("SpinEdit8", 409);
    editor.setChecked("CheckBox2", true);
    editor.save();
    EXPECT_EQ(editor.EditDriverChampList[0], "2018|21|Lewis Hamilton|Mercedes|11|409");
}

} // namespace
} // namespace velmora::testing

namespace velmora::testing {
namespace {

TEST(UpdateCommentMemo, FontAndColoursFollowTheOptions) {
    Settings settings;
    settings.colours[0] = 0x123456u;
    CommentMemoStyle plain = commentMemoStyle(settings);
    EXPECT_EQ(plain.family, "Courier New");
    EXPECT_EQ(plain.pointSize, 10);
    EXPECT_EQ(plain.background, 0xFFFFFFu);
    EXPECT_EQ(plain.text, 0u);
    settings.options[14] = '0';
    settings.options[16] = '0';
    CommentMemoStyle coloured = commentMemoStyle(settings);
    EXPECT_EQ(coloured.family, "Arial");
    EXPECT_EQ(coloured.background, 0x123456u);
    EXPECT_EQ(coloured.text, 16711680u);
}

} // namespace
} // namespace velmora::testing
