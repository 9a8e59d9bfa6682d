// The preferences window's logic: loading the choices, the changed flag, colours,
// Save & Close and Cancel, and what the main window does once it has closed.

#include <gtest/gtest.h>

#include <string>

#include "core_fakes.h"
#include "settings/PreferencesModel.h"
#include "startup_fixture.h"
#include "ui/MainModel.h"

namespace velmora {
namespace {

Settings withOptions(const std::string& positionsOff) {
    Settings s;
    for (size_t i = 0; i < positionsOff.size(); ++i)
        if (positionsOff[i] == '0') s.options[i] = '0';
    return s;
}

TEST(PreferencesModel, OpensFromTheDefaults) {
    Settings settings;
    PreferencesModel prefs;
    prefs.open(settings);
    for (int c = 1; c <= kPrefCheckCount; ++c) {
        auto check = static_cast<PrefCheck>(c);
        EXPECT_EQ(prefs.checked(check), check != PrefCheck::ColouredText) << checkCaption(check);
    }
    EXPECT_EQ(prefs.distance(), PrefRadio::BothDistances);
    EXPECT_EQ(prefs.speed(), PrefRadio::BothSpeeds);
    EXPECT_EQ(prefs.toolButtons(), PrefRadio::SmallToolButtons);
    EXPECT_EQ(prefs.font(), PrefRadio::FontCourier);
    EXPECT_EQ(prefs.colourTarget(), 0);
    EXPECT_EQ(prefs.sliders().r, 255);
    EXPECT_EQ(prefs.sliders().g, 255);
    EXPECT_EQ(prefs.sliders().b, 207);
    EXPECT_EQ(prefs.panelColour(0), 13631487u);
    EXPECT_FALSE(prefs.changedFlag());
    EXPECT_FALSE(prefs.saveEnabled());
    EXPECT_FALSE(prefs.colourControlsEnabled());
}

TEST(PreferencesModel, FourWayGroupsAndTheOtherChoices) {
    struct Case {
        std::string options; // positions 1 to 17
        PrefRadio distance, speed, tools, font;
        bool coloured;
    };
    std::vector<Case> cases = {
        {"11110111111111111", PrefRadio::InMiles, PrefRadio::BothSpeeds, PrefRadio::SmallToolButtons,
         PrefRadio::FontCourier, false},
        {"11101101111111111", PrefRadio::InKilometres, PrefRadio::InMph, PrefRadio::SmallToolButtons,
         PrefRadio::FontCourier, false},
        {"11100011111111000", PrefRadio::NoDistance, PrefRadio::InKph, PrefRadio::LargeToolButtons,
         PrefRadio::FontArial, true},
        {"11111001111111110", PrefRadio::BothDistances, PrefRadio::NoSpeed, PrefRadio::SmallToolButtons,
         PrefRadio::FontCourier, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        PreferencesModel prefs;
        Settings settings = withOptions(c.options);
        prefs.open(settings);
        EXPECT_EQ(prefs.distance(), c.distance);
        EXPECT_EQ(prefs.speed(), c.speed);
        EXPECT_EQ(prefs.toolButtons(), c.tools);
        EXPECT_EQ(prefs.font(), c.font);
        EXPECT_EQ(prefs.checked(PrefCheck::ColouredText), c.coloured);
        EXPECT_EQ(prefs.colourControlsEnabled(), c.coloured);
        // Saving unchanged choices gives the same string back.
        Settings saved = settings;
        prefs.saveAndClose(saved);
        EXPECT_EQ(saved.options, settings.options);
    }
}

TEST(PreferencesModel, SaveWritesEachChoiceToItsPosition) {
    struct Case {
        PrefCheck check;
        int position;
    };
    for (auto c : std::vector<Case>{{PrefCheck::DayOfWeek, 1}, {PrefCheck::Venue, 2},   {PrefCheck::Circuit, 3},
                                    {PrefCheck::Comment, 8},   {PrefCheck::Winners, 9}, {PrefCheck::Seconds, 10},
                                    {PrefCheck::Thirds, 11},   {PrefCheck::Engines, 12}, {PrefCheck::Splash, 21}}) {
        Settings settings;
        PreferencesModel prefs;
        prefs.open(settings);
        prefs.clickCheck(c.check);
        prefs.saveAndClose(settings);
        std::string expected(37, '1');
        expected[static_cast<size_t>(c.position - 1)] = '0';
        EXPECT_EQ(settings.options, expected) << checkCaption(c.check);
    }

    Settings settings;
    PreferencesModel prefs;
    prefs.open(settings);
    prefs.clickRadio(PrefRadio::InKilometres);
    prefs.clickRadio(PrefRadio::NoSpeed);
    prefs.clickRadio(PrefRadio::LargeToolButtons);
    prefs.clickRadio(PrefRadio::FontArial);
    prefs.clickCheck(PrefCheck::ColouredText);
    EXPECT_TRUE(prefs.radioChecked(PrefRadio::FontArial));
    EXPECT_FALSE(prefs.radioChecked(PrefRadio::FontCourier));
    prefs.saveAndClose(settings);
    EXPECT_EQ(settings.options.substr(0, 17), "11101001111111000");
    EXPECT_FALSE(prefs.changedFlag());
    EXPECT_FALSE(prefs.isOpen());
}

TEST(PreferencesModel, CancelAsksOnlyAfterAChange) {
    testing::RecordingMessages messages;
    Settings settings;
    PreferencesModel prefs;
    prefs.open(settings);
    EXPECT_TRUE(prefs.cancel(messages));
    EXPECT_TRUE(messages.shown.empty());

    prefs.open(settings);
    prefs.showHelp();
    prefs.clickCheck(PrefCheck::Venue);
    prefs.clickCheck(PrefCheck::Venue); // back as it was: still a change
    EXPECT_TRUE(prefs.saveEnabled());
    messages.answers = {Button::No};
    EXPECT_FALSE(prefs.cancel(messages));
    EXPECT_TRUE(prefs.isOpen());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Changes have been made and not saved.\n\nClose Preferences anyway and loose changes?");
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown[0].buttons, Buttons::YesNo);

    prefs.clickCheck(PrefCheck::Circuit);
    messages.answers = {Button::Yes};
    EXPECT_TRUE(prefs.cancel(messages));
    EXPECT_FALSE(prefs.isOpen());
    EXPECT_FALSE(prefs.helpShown());
    EXPECT_EQ(settings.options, std::string(37, '1')); // nothing saved
}

TEST(PreferencesModel, ColourTargetsAndSliders) {
    Settings settings = withOptions("11111111111111110"); // coloured text
    settings.colours[6] = joinColour({10, 20, 30});
    PreferencesModel prefs;
    prefs.open(settings);
    EXPECT_TRUE(prefs.colourControlsEnabled());

    prefs.selectColourTarget(6); // "Engine Championship Window"
    EXPECT_EQ(colourTargetCaption(6), "Engine Championship Window");
    EXPECT_EQ(prefs.sliders().r, 10);
    EXPECT_EQ(prefs.sliders().g, 20);
    EXPECT_EQ(prefs.sliders().b, 30);
    EXPECT_EQ(prefs.panelColour(6), settings.colours[6]); // ends showing its own colour
    EXPECT_EQ(prefs.panelColour(0), settings.colours[0]);
    EXPECT_TRUE(prefs.changedFlag()); // the sliders moved

    prefs.moveSlider(Slider::R, 0);
    EXPECT_EQ(prefs.panelColour(6), joinColour({0, 20, 30}));
    prefs.saveAndClose(settings);
    EXPECT_EQ(settings.colours[6], joinColour({0, 20, 30}));

    // Selecting a target whose colour equals the sliders moves nothing: no change.
    Settings same;
    PreferencesModel quiet;
    same.options[16] = '0';
    quiet.open(same);
    quiet.selectColourTarget(0);
    EXPECT_FALSE(quiet.changedFlag());

    // Plain text: the colour controls do nothing.
    Settings plain;
    PreferencesModel off;
    off.open(plain);
    off.moveSlider(Slider::G, 0);
    off.selectColourTarget(3);
    EXPECT_EQ(off.colourTarget(), 0);
    EXPECT_FALSE(off.changedFlag());
    EXPECT_EQ(splitColour(13631487u).b, 207);
}

// The main window once the preferences window has closed.
class PreferencesHost : public ui::MainWindowHost {
public:
    PreferencesModel prefs;
    Settings* settings = nullptr;
    std::function<void(PreferencesModel&)> user;
    void runPreferences() override {
        prefs.open(*settings);
        user(prefs);
        prefs.saveAndClose(*settings);
    }
};

TEST(PreferencesModel, MainWindowAppliesTheSavedChoices) {
    testing::MemoryFileSystem files;
    StartupResult start = testing::startEmbedded(files);
    ASSERT_TRUE(start.ok);
    Settings settings = start.settings;
    testing::RecordingMessages messages;
    PreferencesHost host;
    host.settings = &settings;
    ui::MainModelEnvironment env;
    env.messages = &messages;
    env.host = &host;
    ui::MainModel model(*start.db, settings, start.boxes, env);

    model.trigger(ui::Control::Button17); // championship tables, recorded
    EXPECT_EQ(model.state().lists[5].background, colour::White);
    host.user = [](PreferencesModel& p) {
        p.clickCheck(PrefCheck::ColouredText);
        p.selectColourTarget(6);
        p.moveSlider(Slider::R, 0);
        p.clickRadio(PrefRadio::FontArial);
        p.clickRadio(PrefRadio::LargeToolButtons);
    };
    model.trigger(ui::Control::MenuPreferences);
    EXPECT_EQ(settings.options[16], '0');
    EXPECT_EQ(model.state().lists[5].background, joinColour({0, 221, 221}));
    EXPECT_EQ(model.state().lists[5].text, colour::Blue);
    EXPECT_EQ(model.state().lists[0].background, 14540253u);
    EXPECT_EQ(model.state().resultFont, "Arial");
    EXPECT_FALSE(model.state().smallToolBar);
    EXPECT_EQ(model.state().area, ui::ViewArea::ChampionshipTables);

    // Back to plain text: a result page switches to the plain box.
    model.trigger(ui::Control::Button2);
    EXPECT_EQ(model.state().area, ui::ViewArea::ResultsColoured);
    host.user = [](PreferencesModel& p) { p.clickCheck(PrefCheck::ColouredText); };
    model.trigger(ui::Control::ToolButton35);
    EXPECT_EQ(model.state().area, ui::ViewArea::ResultsPlain);
    EXPECT_EQ(model.state().lists[5].background, colour::White);
}

} // namespace
} // namespace velmora
