#pragma once
// The preferences window (TForm3): the display options of the OptionsString and the
// seven display colours. The choices live in a PreferencesModel while the window is
// open; only "Save & Close" writes them back to the in-memory settings. The window
// itself stores only its own place and size.

#include <QDialog>

#include <array>
#include <cstdint>

#include "platform/AppContext.h"
#include "settings/PreferencesModel.h"

class QAbstractButton;
class QCheckBox;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSlider;

namespace velmora::gui {

class PreferencesWindow : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesWindow(AppContext& context, QWidget* parent = nullptr);

    // The preferences help window (TForm6), shown by Help and hidden when this window
    // opens and closes.
    void setHelpWindow(QWidget* help) { help_ = help; }
    // The client size (the main window enlarges it on some monitors).
    void setClientSize(int width, int height);

    bool changed() const { return model_.changedFlag(); }
    const PreferencesModel& model() const { return model_; }
    // Whether the last close was "Save & Close".
    bool saved() const { return saved_; }

    void done(int result) override;

public slots:
    void saveAndClose(); // Button2
    void cancel();       // Button1
    void showHelp();     // Button3

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the model's state in the controls (without reporting it back as clicks).
    void refresh();
    void hideHelp();

    AppContext& context_;
    QWidget* help_ = nullptr;
    PreferencesModel model_;
    bool saved_ = false;

    std::array<QCheckBox*, 10> checks_{};        // CheckBox1 to CheckBox10
    std::array<QRadioButton*, 19> radios_{};     // RadioButton1 to RadioButton19
    std::array<QFrame*, 7> colourPanels_{};      // Panel2 to Panel8
    std::array<QSlider*, 3> sliders_{};          // R, G, B
    QGroupBox* colourGroup_ = nullptr;
    QPushButton* cancel_ = nullptr;              // Button1
    QPushButton* save_ = nullptr;                // Button2
    QPushButton* helpButton_ = nullptr;          // Button3
};

} // namespace velmora::gui
