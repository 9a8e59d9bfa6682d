#pragma once
// The preferences window's state and logic, without any window: the choice controls
// loaded from the OptionsString, the seven colour panels and the R, G, B sliders, the
// changed flag, and Save & Close / Cancel. The window only shows this state and
// forwards clicks and slider moves.

#include <array>
#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "settings/Settings.h"

namespace velmora {

namespace preferences_text {
inline constexpr const char* kCaption = "Preferences";
inline constexpr const char* kHeaderGroup = "Header & Footer Data";
inline constexpr const char* kDriversGroup = "Drivers & Engines";
inline constexpr const char* kDistanceGroup = "Race Distance";
inline constexpr const char* kSpeedGroup = "Winning Race Speed";
inline constexpr const char* kProgramGroup = "Program";
inline constexpr const char* kColourGroup = "Colours (if check box checked in \"Program\" panel";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kSaveAndClose = "Save & Close";
inline constexpr const char* kHelp = "Help";
inline constexpr const char* kCancelQuestion =
    "Changes have been made and not saved.\n\nClose Preferences anyway and loose changes?";
} // namespace preferences_text

// CheckBox1 to CheckBox10.
enum class PrefCheck {
    DayOfWeek = 1, Venue, Circuit, Comment, Winners, Seconds, Thirds, Engines, ColouredText, Splash
};
constexpr int kPrefCheckCount = 10;

// The choice radio buttons, by their form numbers (RadioButton1 to RadioButton8 and
// RadioButton16 to RadioButton19).
enum class PrefRadio {
    InMiles = 1, InKilometres = 2, BothDistances = 3, NoDistance = 4,
    InMph = 5, InKph = 6, BothSpeeds = 7, NoSpeed = 8,
    LargeToolButtons = 16, SmallToolButtons = 17, FontCourier = 18, FontArial = 19,
};

enum class Slider { R, G, B };

struct RGB {
    int r = 0, g = 0, b = 0;
};
RGB splitColour(std::uint32_t colour);
std::uint32_t joinColour(const RGB& rgb);

// Captions of the controls, as the window shows them.
std::string checkCaption(PrefCheck check);
std::string radioCaption(PrefRadio radio);
// Colour target 0 to 6 (RadioButton9 to RadioButton15, panels Panel2 to Panel8).
std::string colourTargetCaption(int target);

class PreferencesModel {
public:
    // Loads the controls from the in-memory settings (every time the window opens).
    void open(const Settings& settings);

    bool checked(PrefCheck check) const { return checks_[static_cast<size_t>(check)]; }
    PrefRadio distance() const { return distance_; }
    PrefRadio speed() const { return speed_; }
    PrefRadio toolButtons() const { return toolButtons_; }
    PrefRadio font() const { return font_; }
    bool radioChecked(PrefRadio radio) const;

    int colourTarget() const { return target_; }          // 0 to 6
    std::uint32_t panelColour(int target) const { return panels_[static_cast<size_t>(target)]; }
    RGB sliders() const { return sliders_; }

    bool changedFlag() const { return changed_; }
    bool saveEnabled() const { return saveEnabled_; }
    // The colour radio buttons and sliders are usable only with "Coloured Text".
    bool colourControlsEnabled() const { return colourEnabled_; }
    bool isOpen() const { return open_; }
    bool helpShown() const { return helpShown_; }

    // User actions.
    void clickCheck(PrefCheck check);        // toggles the box
    void clickRadio(PrefRadio radio);        // checks the button
    void selectColourTarget(int target);     // its radio button or its colour panel
    void moveSlider(Slider slider, int value);
    void showHelp() { helpShown_ = true; }

    // "Save & Close": writes the choices and colours into the settings and closes.
    void saveAndClose(Settings& settings);
    // "Cancel": asks when something changed; returns whether the window closed.
    bool cancel(MessageBoxes& messages);
    // The title-bar close box: closes without asking and without saving.
    void closeBox();

private:
    void choiceClicked();
    void loadSliders(std::uint32_t colour);
    void setSlider(Slider slider, int value);
    void close();

    std::array<bool, kPrefCheckCount + 1> checks_{}; // index 1 to 10
    PrefRadio distance_ = PrefRadio::BothDistances;
    PrefRadio speed_ = PrefRadio::BothSpeeds;
    PrefRadio toolButtons_ = PrefRadio::SmallToolButtons;
    PrefRadio font_ = PrefRadio::FontCourier;
    int target_ = 0;
    std::array<std::uint32_t, kColourCount> panels_{};
    RGB sliders_;
    bool changed_ = false;
    bool saveEnabled_ = false;
    bool colourEnabled_ = true;
    bool open_ = false;
    bool helpShown_ = false;
};

} // namespace velmora
