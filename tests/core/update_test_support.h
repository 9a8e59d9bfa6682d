#pragma once
// For the update editor tests: message boxes that answer from a script and let no question
// pass unanswered, a small set of start-up lists, and an editor on files held in memory.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core_fakes.h"
#include "data/Database.h"
#include "update/UpdateEditor.h"

namespace velmora::testing {

// Every question must be answered from `answers`: one left unanswered fails the test and is
// answered No or Cancel. A box with only an OK button needs no answer.
class ScriptedBoxes : public RecordingMessages {
protected:
    Button unscripted(const RecordedMessage& box) override {
        if (box.buttons != Buttons::Ok) ADD_FAILURE() << "unexpected question: " << box.text;
        if (box.buttons == Buttons::YesNo) return Button::No;
        return box.buttons == Buttons::OkCancel ? Button::Cancel : Button::Ok;
    }
};

inline Database smallDatabase() {
    Database db;
    for (const char* d : {"Hamilton Lewis|Lewis Hamilton", "Vettel Sebastian|Sebastian Vettel",
                          "Bottas Valtteri|Valtteri Bottas", "Montoya Juan Pablo|Juan Pablo Montoya"})
        db.DriverList.add(d);
    for (const char* t : {"Ferrari", "Mercedes", "Red Bull Racing"}) db.TeamList.add(t);
    for (const char* e : {"Ferrari", "Mercedes", "TAG Heuer"}) db.EngineList.add(e);
    db.CircuitList.add("Melbourne");
    db.VenueList.add("Australia");
    db.FirstSeason = 1950;
    db.LastSeason = 2017;
    return db;
}

constexpr const char* kDir = "/prog/";
inline std::string updatePath() { return std::string(kDir) + "update.txt"; }

// Joins lines into file text, each ended with CR LF.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    return text;
}

// The 2018 Australian race as the editor writes it.
inline std::string race(const std::string& date, const std::string& comment = "") {
    return date + "|Australia|Melbourne|191.110|Sebastian Vettel|||Ferrari|Ferrari|120.003|Lewis Hamilton|||"
                  "Mercedes|Mercedes|Kimi Raikkonen|||Ferrari|Ferrari|" +
           comment;
}

// Vettel, Hamilton and Raikkonen on Sunday 25 March in the race inputs, `distance` km in one
// hour, `minutes` and `seconds`, and the race box ticked. The season is set when `season`
// is given; otherwise it stays as the editor shows it.
inline void fillAustralianRace(UpdateEditor& editor, const std::string& distance, int minutes,
                               const std::string& seconds, std::optional<int> season = std::nullopt) {
    editor.setValue("SpinEdit2", 25);
    editor.setValue("SpinEdit3", 3);
    if (season) editor.setValue("SpinEdit4", *season);
    editor.setText("ComboBox10", "Australia");
    editor.setText("ComboBox11", "Melbourne");
    editor.setText("Edit1", distance);
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
    editor.setValue("SpinEdit16", minutes);
    editor.setText("Edit5", seconds);
    editor.setChecked("CheckBox1", true);
}

struct EditorFixture : ::testing::Test {
    Database db = smallDatabase();
    MemoryFileSystem files;
    ScriptedBoxes boxes;
    UpdateEditor editor{db, files, boxes, kDir};

    void openWith(const std::vector<std::string>& lines) {
        files.files[updatePath()] = crlf(lines);
        editor.open();
    }
    std::string file() { return files.files[updatePath()]; }

    // A complete race of Sunday 25 March 2018 in the race inputs, the box ticked.
    void fillRace() { fillAustralianRace(editor, "187.82", 48, "15.5", 2018); }
    // A complete 2018 championship in the championship inputs, the box ticked.
    void fillChampionship() {
        editor.setValue("SpinEdit1", 2018);
        editor.setValue("SpinEdit6", 21);
        editor.setText("ComboBox18", "Hamilton Lewis");
        editor.setText("Edit4", "Mercedes");
        editor.setValue("SpinEdit7", 11);
        editor.setValue("SpinEdit8", 408);
        editor.setValue("SpinEdit5", 2018);
        editor.setValue("SpinEdit9", 21);
        editor.setText("Edit3", "Mercedes");
        editor.setValue("SpinEdit10", 11);
        editor.setValue("SpinEdit11", 655);
        editor.setChecked("CheckBox2", true);
    }
};

} // namespace velmora::testing
