#pragma once

#include <QDialog>

class QPushButton;

namespace app {
class Platform;
}

namespace master {

// The program's name and version, and a way into the help.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(app::Platform& platform, QWidget* parent);

    QPushButton* HelpButton() const { return helpButton_; }
    // The help page installed beside the executable.
    static QString HelpFilePath();

private:
    void ShowHelpContents();

    app::Platform& platform_;
    QPushButton* helpButton_;
};

}  // namespace master
