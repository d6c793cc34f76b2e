#include "Master/MainPage.h"

#include "Master/Artwork.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace master {
namespace {

QLabel* BoldLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

void MakeRed(QLabel* label) {
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(red);
}

}  // namespace

MainPage::MainPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainPage"));
    warning_ = BoldLabel(this, QString(), QRect(14, 6, 555, 20));
    warning_->setObjectName(QStringLiteral("Warning"));
    warning_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont italic = warning_->font();
    italic.setItalic(true);
    warning_->setFont(italic);
    MakeRed(warning_);

    bitBtn1_ = AddChoice(QStringLiteral("BitBtn1"), 32, QStringLiteral("Your Tickets"), Artwork::TicketsIcon(32),
                         QStringLiteral("Keep a record of your lottery tickets, the date purchased and their "
                                        "renewal dates."));
    bitBtn5_ = AddChoice(QStringLiteral("BitBtn5"), 150, QStringLiteral("Have you Won?"), Artwork::HaveYouWonIcon(32),
                         QStringLiteral("Check your tickets against the winning numbers from the latest Lottery "
                                        "draw."));
    bitBtn3_ = AddChoice(QStringLiteral("BitBtn3"), 268, QStringLiteral("Lottery History"), Artwork::HistoryIcon(32),
                         QStringLiteral("View and Maintain the winning numbers from previous lottery draws and "
                                        "check your tickets against these draws."));

    auto* separator = new QFrame(this);
    separator->setGeometry(14, 388, 555, 2);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    BoldLabel(this, QStringLiteral("Tickets Recorded:"), QRect(14, 396, 120, 18));
    ticketsRecorded_ = new QLabel(this);
    ticketsRecorded_->setObjectName(QStringLiteral("TicketsRecorded"));
    ticketsRecorded_->setGeometry(136, 396, 150, 18);
    ticketsExpiredLabel_ = BoldLabel(this, QStringLiteral("Tickets Expired:"), QRect(14, 415, 120, 18));
    ticketsExpiredLabel_->setObjectName(QStringLiteral("TicketsExpiredLabel"));
    ticketsExpired_ = new QLabel(this);
    ticketsExpired_->setObjectName(QStringLiteral("TicketsExpired"));
    ticketsExpired_->setGeometry(136, 415, 150, 18);
    MakeRed(ticketsExpired_);

    button2_ = new QPushButton(QStringLiteral("Finish"), this);
    button2_->setObjectName(QStringLiteral("Button2"));
    button2_->setGeometry(403, 402, 80, 26);
    button2_->setDefault(true);
}

QPushButton* MainPage::AddChoice(const QString& name, int top, const QString& caption, const QPixmap& icon, const QString& text) {
    auto* panel = new QFrame(this);
    panel->setGeometry(262, top, 307, 108);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);

    auto* button = new QPushButton(QIcon(icon), caption, panel);
    button->setGeometry(8, 28, 140, 52);
    button->setIconSize(icon.size());
    button->setObjectName(name);

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
