#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace app {
class Platform;
}

namespace master {

// The program's name and version, a way into the help, and the reminder
// at login.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(app::Platform& platform, QWidget* parent);

    QPushButton* HelpButton() const { return helpButton_; }
    QCheckBox* ReminderBox() const { return reminderBox_; }

private:
    void ShowHelpContents();
    void SetLoginReminder(bool on);

    app::Platform& platform_;
    QPushButton* helpButton_;
    QCheckBox* reminderBox_;
};

}  // namespace master
