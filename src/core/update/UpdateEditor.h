#pragma once
// The update editor: the in-memory model of "update.txt" (its race, drivers' championship
// and constructors' championship sections), the state of every input of the editor window
// (TForm10), the checks made before a save, and the rewriting of the file and of its two
// safety copies. The Qt window binds its controls to this model by their names
// ("ComboBox1", "SpinEdit2", "Edit5", "Memo1", "Label1", "Button2"...), refreshes them
// after every call it makes, and forwards each change the user makes to setText,
// setValue or setChecked.
//
// Every rewrite goes through FileSystem::writeFileAtomic, so a failed or interrupted
// write leaves the previous file whole; the model then keeps its lists and inputs as
// they were, so the user can simply save again.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace velmora {

struct Database;
struct Settings;

namespace update {

// A number as the program writes it: decimal digits with a full stop, an optional sign
// and exponent, blanks allowed around it; the same whatever the regional settings.
bool readNumber(std::string_view text, double& value);
// A whole number (optional sign, digits), blanks allowed around it.
bool readInteger(std::string_view text, int& value);
// The value formatted "%6.3f" (three decimals, padded on the left to six characters)
// with a full stop as the decimal mark.
std::string fixed3(double value);
// The comment memo's text as one record field: its lines joined by single blanks,
// empty lines left out, so that a comment typed over several lines stays on one line.
std::string commentField(std::string_view memoText);
// Driver names: the display form of a stored name (an empty name shows as one blank)
// and the stored form of a name typed or picked in display form.
std::string displayName(const std::string& stored);
std::string storedName(const std::string& display);

} // namespace update

// The comment memo's look, from the OptionsString and the Results colour.
struct CommentMemoStyle {
    std::string family;       // "Arial" or "Courier New"
    int pointSize = 10;
    std::uint32_t background; // 0x00BBGGRR
    std::uint32_t text;
};
CommentMemoStyle commentMemoStyle(const Settings& settings);

class UpdateEditor {
public:
    static constexpr const char* kUpdateFileName = "update.txt";
    static constexpr const char* kBackUpFileName = "UpdateBackUp.txt";
    static constexpr const char* kBeforeDeleteFileName = "UpdateBeforeDelete.txt";
    static constexpr int kNoLimit = std::numeric_limits<int>::max();

    // `db` supplies the name lists and the season range built at start-up; it must
    // outlive the editor. `programDir` ends with its separator.
    UpdateEditor(const Database& db, FileSystem& files, MessageBoxes& boxes, std::string programDir);

    // ---------------------------------------------------------------- the file
    std::vector<std::string> EditRaceList;
    std::vector<std::string> EditDriverChampList;
    std::vector<std::string> EditTeamChampList;
    // From 1; count + 1 is the add position.
    int RaceCursor = 1;
    int DriverChampCursor = 1;
    int TeamChampCursor = 1;
    // Any input changed since opening or the last move, save or delete; Save is enabled
    // exactly while it is set.
    bool FormChanged = false;
    // The records composed by the last save (empty when their section was not saved).
    std::string composedRace, composedDriverChamp, composedTeamChamp;

    std::string updateFilePath() const { return programDir_ + kUpdateFileName; }

    // Showing the window: year range, backup copy, getdata, every section on its add
    // position with empty inputs.
    void open();
    // Reads "update.txt" into the three section lists.
    void getdata();
    // Fill the inputs from the record at the cursor(s).
    void loadRace();
    void loadChampionship();
    // Refills the drop-down lists and clears the inputs of both sections.
    void dolists();
    // The arrows: +1 for the up arrow, -1 for the down arrow, 0 to show the cursor's
    // record again (SpeedButton1Click, SpeedButton3Click).
    void moveRace(int step);
    void moveChampionship(int step);
    // Save (Button2Click).
    void save();
    // Places the composed records in their lists and rewrites "update.txt"; false (after
    // a message) when the file could not be written, nothing having changed.
    bool reconstructupdatefile();
    // Delete (Button4Click).
    void deleteRecords();
    // Cancel (Button1Click, Escape): true when the window may close.
    bool cancel();

    // ---------------------------------------------------------------- the controls
    // Texts of ComboBox1-18, Edit1-5, Memo1 and the captions of Label1 and Label40.
    const std::string& text(std::string_view control) const;
    // The user typed or picked a text (ComboBox, Edit, Memo1). Edit2 is the hidden speed
    // box and marks no change.
    void setText(std::string_view control, std::string value);
    // SpinEdit1-11, 15, 16.
    int value(std::string_view control) const;
    void setValue(std::string_view control, int value); // kept within the box's range
    int minimum(std::string_view control) const;        // -kNoLimit when unlimited
    int maximum(std::string_view control) const;        // kNoLimit when unlimited
    // CheckBox1 (race section), CheckBox2 (championship section).
    bool checked(std::string_view control) const;
    void setChecked(std::string_view control, bool on);
    // Button2 (Save) and Button4 (Delete) change; every other control is always enabled.
    bool enabled(std::string_view control) const;
    // The drop-down items of ComboBox1-18.
    const std::vector<std::string>& items(std::string_view control) const;
    // Presses Button1 (Cancel), Button2 (Save), Button4 (Delete), SpeedButton1 to 4;
    // Button3 (Help) is the window's own. Returns true when the window is to close.
    bool click(std::string_view control);
    // The inputs whose changes mark the window as changed.
    static const std::vector<std::string>& changeReportingInputs();

    // Whether the file could be read when the window opened; when it could not, saves
    // and deletes are refused so that the unreadable file is never replaced.
    bool fileReadable() const { return !readFailed_; }

private:
    enum class Kind { ComboBox, SpinEdit, Edit, Memo, CheckBox, Label, Button, SpeedButton };
    struct Ref {
        Kind kind;
        int index;
    };
    struct Spin {
        int value = 0;
        int min = -kNoLimit;
        int max = kNoLimit;
    };
    enum class Items { Drivers, Venues, Circuits, Teams, Engines };

    static Ref parse(std::string_view control);
    static Items itemsOf(int combo);

    // Internal setters: no change is marked. setSpin returns false when the value had to
    // be brought into range.
    bool setSpin(int index, int value);
    std::string& combo(int i) { return combos_[static_cast<size_t>(i)]; }
    const std::string& combo(int i) const { return combos_[static_cast<size_t>(i)]; }
    std::string& edit(int i) { return edits_[static_cast<size_t>(i)]; }
    const std::string& edit(int i) const { return edits_[static_cast<size_t>(i)]; }
    int spin(int i) const { return spins_[static_cast<size_t>(i)].value; }

    void loadDriverChampionship();
    void loadTeamChampionship();
    // Keeps an arrow's cursor within 1 .. count + 1 and shows where it stands: past the
    // last record a new one with empty inputs ("Adding"), else the record ("Editting").
    void placeCursor(int& cursor, int count, const char* what, std::string& caption,
                     void (UpdateEditor::*load)());
    void reportUnreadable(int fileLine, const std::vector<std::string>& problems);
    int driverChampFileLine(int n) const;
    int teamChampFileLine(int n) const;

    std::vector<std::string> raceFailures() const;
    std::vector<std::string> championshipFailures() const;
    std::string composeRaceLine();
    std::string composeDriverChampLine() const;
    std::string composeTeamChampLine() const;
    void showFailures(const std::string& section, const std::vector<std::string>& lines);

    std::string fileText(const std::vector<std::string>& races, const std::vector<std::string>& drivers,
                         const std::vector<std::string>& teams) const;
    bool writeUpdateFile(const std::vector<std::string>& races, const std::vector<std::string>& drivers,
                         const std::vector<std::string>& teams);
    bool refuseUnreadable();
    void showAddStates();

    const Database& db_;
    FileSystem& files_;
    MessageBoxes& boxes_;
    std::string programDir_;

    std::vector<std::string> combos_ = std::vector<std::string>(19);
    std::vector<std::string> edits_ = std::vector<std::string>(6);
    std::vector<Spin> spins_ = std::vector<Spin>(17);
    std::string memo_;
    std::string label1_, label40_;
    bool checkBox1_ = false, checkBox2_ = false;
    bool deleteEnabled_ = false;

    std::vector<std::string> driverItems_, venueItems_, circuitItems_, teamItems_, engineItems_;

    // How the file was found: a byte-order mark to keep, which separators it had (for the
    // line numbers of records), whether it could be read at all.
    // Points with a fraction (a season of half points) are shown by their whole part; the
    // stored text is written back unless the user changes the box.
    struct KeptPoints {
        bool active = false;
        int shown = 0;
        std::string text;
    };
    KeptPoints keptDriverPoints_, keptTeamPoints_;
    std::string pointsText(int spinIndex, const KeptPoints& kept) const;
    // Puts a points field into its box and tells what to keep of it.
    KeptPoints loadPoints(int spinIndex, const std::string& text, std::vector<std::string>& problems);

    bool bom_ = false;
    bool hadStars_ = true, hadPluses_ = true;
    bool readFailed_ = false;
};

} // namespace velmora
