#pragma once
// The about window (TForm2): version, version history, the data credit and the link
// to the maker's web page, which opens only while web links are allowed.

#include <QDialog>

#include "platform/AppContext.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace velmora::gui {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(AppContext& context, QWidget* parent = nullptr);

    void done(int result) override;

public slots:
    // A click on the picture, the title line or the web address.
    void openWebPage();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    bool linksAllowed() const;

    AppContext& context_;
    std::string webPageUrl_;
    QLabel* title_ = nullptr;    // Label1
    QLabel* version_ = nullptr;  // Label2
    QLabel* date_ = nullptr;     // Label3
    QLabel* address_ = nullptr;  // Label4
    QLabel* credit_ = nullptr;   // Label5
    QLabel* picture_ = nullptr;  // Image1
    QTextEdit* history_ = nullptr; // RichEdit1
    QPushButton* close_ = nullptr; // Button1, not shown
};

} // namespace velmora::gui
