#include "Master/AboutWindow.h"

#include "Master/ArtworkView.h"
#include "app/HelpManual.h"
#include "app/LoginReminder.h"
#include "app/Platform.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace master {

AboutWindow::AboutWindow(app::Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setWindowTitle(QStringLiteral("About Tallimo"));
    setFixedSize(330, 190);

    new ArtworkView(Artwork::Picture::Logo, QRect(16, 16, 96, 72), this);

    auto* name = new QLabel(QStringLiteral("Tallimo"), this);
    name->setGeometry(128, 18, 190, 28);
    QFont title = name->font();
    title.setBold(true);
    title.setItalic(true);
    title.setPixelSize(20);
    name->setFont(title);
    auto* version = new QLabel(QStringLiteral("Version 1.5"), this);
    version->setGeometry(128, 48, 190, 18);
    auto* purpose = new QLabel(QStringLiteral("Lottery ticket checker"), this);
    purpose->setGeometry(128, 68, 190, 18);

    reminderBox_ = new QCheckBox(QStringLiteral("Remind me of expired tickets when I log in"), this);
    reminderBox_->setGeometry(16, 104, 298, 22);
    reminderBox_->setChecked(app::LoginReminder::IsOn());
    connect(reminderBox_, &QCheckBox::toggled, this, &AboutWindow::SetLoginReminder);

    helpButton_ = new QPushButton(QStringLiteral("&Help Contents"), this);
    helpButton_->setGeometry(128, 140, 100, 28);
    connect(helpButton_, &QPushButton::clicked, this, &AboutWindow::ShowHelpContents);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(238, 140, 76, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::ShowHelpContents() {
    app::help::OpenPage(platform_, this, app::help::kContentsPage);
}

// The box keeps showing whether the entry is there, also when changing it failed.
void AboutWindow::SetLoginReminder(bool on) {
    const app::LoginReminder reminder(QCoreApplication::applicationFilePath());
    if (reminder.SetOn(on)) return;
    const QString failure = on ? QStringLiteral("Cannot create file %1") : QStringLiteral("Cannot delete file %1");
    platform_.ShowError(this, failure.arg(app::LoginReminder::EntryPath()));
    const QSignalBlocker quiet(reminderBox_);
    reminderBox_->setChecked(app::LoginReminder::IsOn());
}

}  // namespace master
