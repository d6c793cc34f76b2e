#pragma once

#include "Master/Artwork.h"
#include "lottery/LotteryState.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace master {

// Page 0: the three ways in (tickets, checking, history), "Finish", and the
// counts of recorded and expired tickets with the expiry warning.
class MainPage : public QWidget {
    Q_OBJECT
public:
    explicit MainPage(QWidget* parent);

    // Shows the counts; returns the expiry message, empty when none expired.
    QString ShowCounts(const lottery::TicketCounts& counts);

    QPushButton* BitBtn1() const { return bitBtn1_; }
    QPushButton* BitBtn5() const { return bitBtn5_; }
    QPushButton* BitBtn3() const { return bitBtn3_; }
    QPushButton* Button2() const { return button2_; }

private:
    QPushButton* AddChoice(const QString& name, int top, const QString& caption, Artwork::Picture picture,
                           const QString& text);

    QPushButton* bitBtn1_;
    QPushButton* bitBtn5_;
    QPushButton* bitBtn3_;
    QPushButton* button2_;
    QLabel* ticketsRecorded_;
    QLabel* ticketsExpiredLabel_;
    QLabel* ticketsExpired_;
    QLabel* warning_;
};

}  // namespace master
