#include "Master/EditResultPage.h"

#include "Master/PageWidgets.h"
#include "app/DateText.h"
#include "lottery/DrawCalendar.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <algorithm>

namespace master {
namespace {

const QString kNextCaption = QStringLiteral("Next >");

QFrame* Separator(QWidget* parent, int top) {
    auto* line = new QFrame(parent);
    line->setGeometry(262, top, 307, 2);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    return line;
}

}  // namespace

EditResultPage::EditResultPage(const app::DateText& dates, QWidget* parent) : QWidget(parent), dates_(dates) {
    setObjectName(QStringLiteral("EditResultPage"));
    MakeHeading(this, QStringLiteral("Lottery Result"), QRect(262, 34, 307, 24));
    Separator(this, 62);
    MakeBoldLabel(this, QStringLiteral("Draw:"), QRect(262, 70, 44, 18));
    drawNumberLabel_ = MakeLabel(this, QString(), QRect(308, 70, 80, 18));
    drawNumberLabel_->setObjectName(QStringLiteral("DrawNumberLabel"));
    MakeBoldLabel(this, QStringLiteral("Date:"), QRect(262, 92, 44, 18));
    dateofDrawLabel_ = MakeLabel(this, QString(), QRect(308, 92, 261, 18));
    dateofDrawLabel_->setObjectName(QStringLiteral("DateofDrawLabel"));
    Separator(this, 116);
    QLabel* prompt = MakeLabel(this, QStringLiteral("Please enter the six winning numbers and the bonus ball below."),
                               QRect(262, 126, 307, 34));
    prompt->setWordWrap(true);

    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
    auto* group = new QGroupBox(this);
    group->setGeometry(262, 168, 307, 74);
    for (int i = 0; i < lottery::THistoryLine::kNumberCount; ++i) {
        const bool bonus = i == lottery::THistoryLine::kBallCount;
        const int left = 14 + 39 * i + (bonus ? 10 : 0);
        QLabel* caption = MakeBoldLabel(group, bonus ? QStringLiteral("Bonus") : QStringLiteral("#%1").arg(i + 1),
                                        QRect(left - 6, 12, 44, 16));
        caption->setAlignment(Qt::AlignHCenter);
        auto* memo = new QLineEdit(QStringLiteral("99"), group);
        memo->setObjectName(QStringLiteral("Memo%1").arg(i + 1));
        memo->setAccessibleName(bonus ? QStringLiteral("Bonus ball") : QStringLiteral("Ball %1").arg(i + 1));
        memo->setGeometry(left, 32, 32, 26);
        memo->setMaxLength(2);
        memo->setAlignment(Qt::AlignCenter);
        memo->setValidator(digits);
        memo->installEventFilter(this);
        memos_[static_cast<std::size_t>(i)] = memo;
    }

    button10_ = MakeButton(this, QStringLiteral("Button10"), QStringLiteral("Save"), QRect(317, 402, 80, 26));
    button12_ = MakeButton(this, QStringLiteral("Button12"), QStringLiteral("Cancel"), QRect(403, 402, 80, 26));
    button12_->setShortcut(Qt::Key_Escape);
}

void EditResultPage::Open(const lottery::THistoryLine& draw, bool nextMode) {
    const auto day = lottery::WholeDayOf(draw.DrawDate());
    dateofDrawLabel_->setText(day ? dates_.Display(*day, app::DateText::kLongDisplay) : QString());
    drawNumberLabel_->setText(QString::number(lottery::DrawNumberOf(draw.DrawDate())));
    for (int number = 1; number <= lottery::THistoryLine::kNumberCount; ++number)
        Memo(number)->setText(QString::fromStdString(draw.NumberText(number)));
    button10_->setText(nextMode ? kNextCaption : QStringLiteral("Save"));
}

bool EditResultPage::NextMode() const {
    return button10_->text() == kNextCaption;
}

std::array<QString, lottery::THistoryLine::kNumberCount> EditResultPage::Texts() const {
    std::array<QString, lottery::THistoryLine::kNumberCount> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = memos_[i]->text();
    return texts;
}

bool EditResultPage::eventFilter(QObject* watched, QEvent* event) {
    auto* memo = qobject_cast<QLineEdit*>(watched);
    if (!memo) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        // Typing replaces the whole number. Selecting once more after the
        // focus has settled keeps a mouse click from undoing it.
        memo->selectAll();
        QTimer::singleShot(0, memo, &QLineEdit::selectAll);
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        return HandleKey(memo, key->key(), key->text());
    }
    return false;
}

// True when the key is swallowed.
bool EditResultPage::HandleKey(QLineEdit* memo, int key, const QString& text) {
    if (key == Qt::Key_Down) return true;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const auto next = std::find(memos_.begin(), memos_.end(), memo) + 1;
        if (next == memos_.end() || memo->text().isEmpty())
            emit SaveRequested();
        else
            (*next)->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape ||
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End ||
        key == Qt::Key_Delete)
        return false;
    // Only digits reach the field; other characters are dropped.
    return text.isEmpty() || !text.at(0).isDigit() || text.at(0) > QLatin1Char('9');
}

}  // namespace master
