#include "Master/MainPage.h"

#include "Master/ArtworkIconEngine.h"
#include "Master/PageWidgets.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace master {

MainPage::MainPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainPage"));
    warning_ = MakeBoldLabel(this, QString(), QRect(14, 6, 555, 20));
    warning_->setObjectName(QStringLiteral("Warning"));
    warning_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont italic = warning_->font();
    italic.setItalic(true);
    warning_->setFont(italic);
    MakeRed(warning_);

    bitBtn1_ = AddChoice(QStringLiteral("BitBtn1"), 32, QStringLiteral("Your Tickets"),
                         Artwork::Picture::TicketsIcon,
                         QStringLiteral("Keep a record of your lottery tickets, the date purchased and their "
                                        "renewal dates."));
    bitBtn5_ = AddChoice(QStringLiteral("BitBtn5"), 150, QStringLiteral("Have you Won?"),
                         Artwork::Picture::HaveYouWonIcon,
                         QStringLiteral("Check your tickets against the winning numbers from the latest Lottery "
                                        "draw."));
    bitBtn3_ = AddChoice(QStringLiteral("BitBtn3"), 268, QStringLiteral("Lottery History"),
                         Artwork::Picture::HistoryIcon,
                         QStringLiteral("View and Maintain the winning numbers from previous lottery draws and "
                                        "check your tickets against these draws."));

    MakeBoldLabel(this, QStringLiteral("Tickets Recorded:"), QRect(14, 399, 126, 18));
    ticketsRecorded_ = new QLabel(this);
    ticketsRecorded_->setObjectName(QStringLiteral("TicketsRecorded"));
    ticketsRecorded_->setGeometry(142, 399, 150, 18);
    ticketsRecorded_->setAccessibleDescription(QStringLiteral("Tickets Recorded"));
    ticketsExpiredLabel_ = MakeBoldLabel(this, QStringLiteral("Tickets Expired:"), QRect(14, 418, 126, 18));
    ticketsExpiredLabel_->setObjectName(QStringLiteral("TicketsExpiredLabel"));
    ticketsExpired_ = new QLabel(this);
    ticketsExpired_->setObjectName(QStringLiteral("TicketsExpired"));
    ticketsExpired_->setGeometry(142, 418, 150, 18);
    ticketsExpired_->setAccessibleDescription(QStringLiteral("Tickets Expired"));
    MakeRed(ticketsExpired_);

    button2_ = MakeButton(this, QStringLiteral("Button2"), QStringLiteral("Finish"), QRect(403, 402, 80, 26));
    button2_->setDefault(true);
}

QPushButton* MainPage::AddChoice(const QString& name, int top, const QString& caption, Artwork::Picture picture,
                                 const QString& text) {
    auto* panel = new QFrame(this);
    panel->setGeometry(262, top, 307, 108);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    auto* button = new QPushButton(ArtworkIconEngine::Icon(picture), caption, panel);
    button->setGeometry(8, 28, 140, 52);
    button->setIconSize(QSize(32, 32));
    button->setObjectName(name);
    button->setAccessibleDescription(text);

    auto* label = new QLabel(text, panel);
    label->setGeometry(156, 8, 144, 92);
    label->setWordWrap(true);
    return button;
}

QString MainPage::ShowCounts(const lottery::TicketCounts& counts) {
    ticketsRecorded_->setText(QStringLiteral("%1 (%2 Lines)").arg(counts.tickets).arg(counts.boards));
    const bool anyExpired = counts.expired > 0;
    ticketsExpiredLabel_->setVisible(anyExpired);
    ticketsExpired_->setVisible(anyExpired);
    warning_->setVisible(anyExpired);
    if (!anyExpired) return {};
    const QString message = counts.expired == 1
                                ? QStringLiteral("You have an Expired Lottery Ticket")
                                : QStringLiteral("You have %1 Expired Lottery Tickets").arg(counts.expired);
    ticketsExpired_->setText(QString::number(counts.expired));
    warning_->setText(QStringLiteral("WARNING: ") + message);
    return message;
}

}  // namespace master
