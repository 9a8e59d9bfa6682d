#include "settings/PreferencesModel.h"

#include <algorithm>

namespace velmora {

namespace {

// The OptionsString position of each check box (CheckBox9 is handled on its own).
constexpr int kCheckPosition[kPrefCheckCount + 1] = {0, 1, 2, 3, 8, 9, 10, 11, 12, 0, 21};

// A four-way group loaded from two positions: the first button when the first is on,
// the second when the second is on, the third when both are, the fourth when neither;
// the last one so checked stays checked.
PrefRadio fourWay(bool first, bool second, PrefRadio base) {
    int b = static_cast<int>(base);
    PrefRadio choice = base;
    if (first) choice = static_cast<PrefRadio>(b);
    if (second) choice = static_cast<PrefRadio>(b + 1);
    if (first && second) choice = static_cast<PrefRadio>(b + 2);
    if (!first && !second) choice = static_cast<PrefRadio>(b + 3);
    return choice;
}

void storeFourWay(Settings& settings, PrefRadio choice, PrefRadio base, int firstPosition) {
    int offset = static_cast<int>(choice) - static_cast<int>(base);
    settings.setOption(firstPosition, offset == 0);
    settings.setOption(firstPosition + 1, offset == 1);
    if (offset == 2) {
        settings.setOption(firstPosition, true);
        settings.setOption(firstPosition + 1, true);
    }
    if (offset == 3) {
        settings.setOption(firstPosition, false);
        settings.setOption(firstPosition + 1, false);
    }
}

} // namespace

RGB splitColour(std::uint32_t colour) {
    RGB rgb;
    rgb.b = static_cast<int>(colour / 65536);
    rgb.g = static_cast<int>((colour - static_cast<std::uint32_t>(rgb.b) * 65536) / 256);
    rgb.r = static_cast<int>(colour - static_cast<std::uint32_t>(rgb.b) * 65536 - static_cast<std::uint32_t>(rgb.g) * 256);
    return rgb;
}

std::uint32_t joinColour(const RGB& rgb) {
    return static_cast<std::uint32_t>(rgb.b) * 65536 + static_cast<std::uint32_t>(rgb.g) * 256 +
           static_cast<std::uint32_t>(rgb.r);
}

std::string checkCaption(PrefCheck check) {
    switch (check) {
    case PrefCheck::DayOfWeek: return "Show Day of Week";
    case PrefCheck::Venue: return "Show Venue";
    case PrefCheck::Circuit: return "Show Circuit";
    case PrefCheck::Comment: return "Show Race Comment";
    case PrefCheck::Winners: return "Show Winning Driver(s)";
    case PrefCheck::Seconds: return "Show Second Place Driver(s)";
    case PrefCheck::Thirds: return "Show Third Place Drivers";
    case PrefCheck::Engines: return "Show Car Engines";
    case PrefCheck::ColouredText: return "Coloured Text";
    case PrefCheck::Splash: return "Show Opening Splash Screen";
    }
    return {};
}

std::string radioCaption(PrefRadio radio) {
    switch (radio) {
    case PrefRadio::InMiles: return "In Miles";
    case PrefRadio::InKilometres: return "In Kilometres";
    case PrefRadio::BothDistances: return "Both miles and kilometres";
    case PrefRadio::NoDistance: return "Do not display Race Distance";
    case PrefRadio::InMph: return "In Miles Per Hour";
    case PrefRadio::InKph: return "In Kilometres per Hour";
    case PrefRadio::BothSpeeds: return "Both MPH and KPH";
    case PrefRadio::NoSpeed: return "Do not display Race Speed";
    case PrefRadio::LargeToolButtons: return "Large Tool Buttons";
    case PrefRadio::SmallToolButtons: return "Small Tool Buttons";
    case PrefRadio::FontCourier: return "Font Courier New 10pt";
    case PrefRadio::FontArial: return "Font Arial 10pt";
    }
    return {};
}

std::string colourTargetCaption(int target) {
    static const char* const captions[kColourCount] = {
        "Search Results Window",      "Driver Win List Window",   "Team Win List Window",
        "Engine Win List Window",     "Driver Championship Window", "Team Championship Window",
        "Engine Championship Window",
    };
    return target >= 0 && target < kColourCount ? captions[target] : "";
}

void PreferencesModel::open(const Settings& settings) {
    for (int c = 1; c <= kPrefCheckCount; ++c)
        checks_[static_cast<size_t>(c)] = kCheckPosition[c] ? settings.option(kCheckPosition[c]) : false;
    checks_[static_cast<size_t>(PrefCheck::ColouredText)] = !settings.option(17);
    distance_ = fourWay(settings.option(4), settings.option(5), PrefRadio::InMiles);
    speed_ = fourWay(settings.option(6), settings.option(7), PrefRadio::InMph);
    toolButtons_ = settings.option(16) ? PrefRadio::SmallToolButtons : PrefRadio::LargeToolButtons;
    font_ = settings.option(15) ? PrefRadio::FontCourier : PrefRadio::FontArial;

    target_ = 0;
    panels_ = settings.colours;
    loadSliders(panels_[0]);

    changed_ = false;
    saveEnabled_ = false;
    helpShown_ = false;
    // Applied on every opening, so a reopened window never keeps a stale state.
    colourEnabled_ = checked(PrefCheck::ColouredText);
    open_ = true;
}

bool PreferencesModel::radioChecked(PrefRadio radio) const {
    return radio == distance_ || radio == speed_ || radio == toolButtons_ || radio == font_;
}

void PreferencesModel::choiceClicked() {
    changed_ = true;
    saveEnabled_ = true;
    colourEnabled_ = checked(PrefCheck::ColouredText);
}

void PreferencesModel::clickCheck(PrefCheck check) {
    bool& box = checks_[static_cast<size_t>(check)];
    box = !box;
    choiceClicked();
}

void PreferencesModel::clickRadio(PrefRadio radio) {
    int n = static_cast<int>(radio);
    if (n >= 1 && n <= 4)
        distance_ = radio;
    else if (n >= 5 && n <= 8)
        speed_ = radio;
    else if (n == 16 || n == 17)
        toolButtons_ = radio;
    else if (n == 18 || n == 19)
        font_ = radio;
    else
        return;
    choiceClicked();
}

void PreferencesModel::selectColourTarget(int target) {
    if (target < 0 || target >= kColourCount || !colourEnabled_) return;
    target_ = target;
    loadSliders(panels_[static_cast<size_t>(target)]);
}

void PreferencesModel::loadSliders(std::uint32_t colour) {
    RGB rgb = splitColour(colour);
    setSlider(Slider::R, rgb.r);
    setSlider(Slider::G, rgb.g);
    setSlider(Slider::B, rgb.b);
}

void PreferencesModel::setSlider(Slider slider, int value) {
    value = std::clamp(value, 0, 255);
    int& position = slider == Slider::R ? sliders_.r : slider == Slider::G ? sliders_.g : sliders_.b;
    if (position == value) return; // a slider that does not move reports no change
    position = value;
    panels_[static_cast<size_t>(target_)] = joinColour(sliders_);
    changed_ = true;
    saveEnabled_ = true;
}

void PreferencesModel::moveSlider(Slider slider, int value) {
    if (!colourEnabled_) return;
    setSlider(slider, value);
}

void PreferencesModel::saveAndClose(Settings& settings) {
    for (int c = 1; c <= kPrefCheckCount; ++c)
        if (kCheckPosition[c]) settings.setOption(kCheckPosition[c], checks_[static_cast<size_t>(c)]);
    settings.setOption(17, !checked(PrefCheck::ColouredText));
    storeFourWay(settings, distance_, PrefRadio::InMiles, 4);
    storeFourWay(settings, speed_, PrefRadio::InMph, 6);
    settings.setOption(16, toolButtons_ != PrefRadio::LargeToolButtons);
    settings.setOption(15, font_ == PrefRadio::FontCourier);
    settings.colours = panels_;
    changed_ = false;
    close();
}

bool PreferencesModel::cancel(MessageBoxes& messages) {
    if (changed_ &&
        messages.show(MessageKind::Warning, preferences_text::kCancelQuestion, Buttons::YesNo) != Button::Yes)
        return false;
    close();
    return true;
}

void PreferencesModel::closeBox() { close(); }

void PreferencesModel::close() {
    helpShown_ = false;
    open_ = false;
}

} // namespace velmora
