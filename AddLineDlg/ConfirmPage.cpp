#include "AddLineDlg/ConfirmPage.h"

#include "AddLineDlg/BoardRules.h"

#include <QFrame>
#include <QLabel>
#include <QTextLayout>

#include <algorithm>

namespace addlinedlg {
namespace {

constexpr int kFacsimileWidth = 282;
constexpr int kFacsimileRowsTop = 80;
constexpr int kFacsimileRowPitch = 20;
constexpr int kLineLabelsTop = 44;
constexpr int kLineLabelPitch = 18;

// Texts here are the user's own or the program's: never markup, never
// an accelerator.
QLabel* PlainLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void SetFontStyle(QLabel* label, int pixelSize, bool bold, bool italic = false) {
    QFont font = label->font();
    if (pixelSize > 0) font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
}

QFrame* DottedRule(QWidget* panel, int top) {
    auto* rule = new QFrame(panel);
    rule->setGeometry(16, top, kFacsimileWidth - 32, 2);
    rule->setStyleSheet(QStringLiteral("border-top: 1px dotted black;"));
    return rule;
}

QFont CourierFont() {
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(17);
    return courier;
}

// A row's labels are as tall as their font needs, regular or bold (the
// winnings embolden drawn numbers), and centred on the row.
QRect FacsimileCell(int left, int rowTop, int width) {
    QFont bold = CourierFont();
    bold.setBold(true);
    const int height = std::max(QFontMetrics(CourierFont()).height(), QFontMetrics(bold).height());
    return {left, rowTop + (kFacsimileRowPitch - height) / 2, width, height};
}

// The text word-wrapped into two lines of the width, the second ending in
// "…" when the rest does not fit; a word longer than a line is broken.
QString TwoLines(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    first.setLineWidth(width);
    layout.endLayout();
    const int firstEnd = first.textStart() + first.textLength();
    const QString rest = text.mid(firstEnd).trimmed();
    return text.left(firstEnd).trimmed() + QLatin1Char('\n') +
           QFontMetrics(font).elidedText(rest, Qt::ElideRight, width);
}

}  // namespace

ConfirmPage::ConfirmPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Confirm"));
    BuildExplanation();
    BuildFacsimile();
    invalidTicket_ = PlainLabel(QStringLiteral("InvalidTicket"),
                                QStringLiteral("Warning: This ticket was not valid for the Draw Checked."), this);
    SetFontStyle(invalidTicket_, 17, false, true);
    QPalette red = invalidTicket_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    invalidTicket_->setPalette(red);
    invalidTicket_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    invalidTicket_->setGeometry(16, 388, 559, 22);
    invalidTicket_->hide();
}

void ConfirmPage::BuildExplanation() {
    label13_ = PlainLabel(QStringLiteral("Label13"), QStringLiteral("Ticket Confirmation"), this);
    SetFontStyle(label13_, 17, true);
    // Wide enough for "Draw: 9999 Ticket Winnings", short of the facsimile.
    label13_->setGeometry(16, 12, 272, 24);
    label14_ = PlainLabel(QStringLiteral("Label14"),
                          QStringLiteral("Please review the details entered for this ticket. Details may be amended by "
                                         "use of the \"< Back\" button. When all the details have been confirmed, "
                                         "please click the \"Finish\" button"),
                          this);
    label14_->setWordWrap(true);
    label14_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label14_->setGeometry(16, kLineLabelsTop, 260, 113);
    for (int board = 1; board <= kBoards; ++board) {
        const int top = kLineLabelsTop + (board - 1) * kLineLabelPitch;
        QLabel* line = PlainLabel(QStringLiteral("Line") + BoardLetter(board),
                                  QStringLiteral("Line %1:").arg(BoardLetter(board)), this);
        SetFontStyle(line, 0, true);
        line->setGeometry(16, top, 60, 18);
        line->hide();
        lineLabels_[board - 1] = line;
        QLabel* winnings = PlainLabel(QStringLiteral("Winnings") + BoardLetter(board), QString(), this);
        winnings->setGeometry(80, top, 196, 18);
        winnings->hide();
        winningsLabels_[board - 1] = winnings;
    }
}

void ConfirmPage::BuildFacsimile() {
    auto* panel1 = new QFrame(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel1->setGeometry(293, 12, kFacsimileWidth, 365);
    panel1->setAutoFillBackground(true);
    panel1->setBackgroundRole(QPalette::Base);
    QPalette ink = panel1->palette();
    ink.setColor(QPalette::WindowText, Qt::black);
    panel1->setPalette(ink);

    QLabel* label15 = PlainLabel(QStringLiteral("Label15"), QStringLiteral("THE NATIONAL LOTTERY"), panel1);
    SetFontStyle(label15, 0, true);
    label15->setAlignment(Qt::AlignCenter);
    label15->setGeometry(0, 8, kFacsimileWidth, 18);

    label5_ = PlainLabel(QStringLiteral("Label5"), QString(), panel1);
    label5_->setWordWrap(true);
    label5_->setAlignment(Qt::AlignCenter);
    label5_->setGeometry(12, 28, kFacsimileWidth - 24, 36);

    DottedRule(panel1, 70);
    for (int board = 1; board <= kBoards; ++board)
        BuildFacsimileRow(panel1, board, kFacsimileRowsTop + (board - 1) * kFacsimileRowPitch);
    DottedRule(panel1, kFacsimileRowsTop + kBoards * kFacsimileRowPitch + 6);

    dateLabel_ = PlainLabel(QStringLiteral("DateLabel"), QString(), panel1);
    dateLabel_->setAlignment(Qt::AlignCenter);
    dateLabel_->setGeometry(0, 300, kFacsimileWidth, 20);
    drawLabel_ = PlainLabel(QStringLiteral("DrawLabel"), QString(), panel1);
    drawLabel_->setAlignment(Qt::AlignCenter);
    drawLabel_->setGeometry(0, 324, kFacsimileWidth, 20);
}

void ConfirmPage::BuildFacsimileRow(QWidget* panel1, int board, int top) {
    const QFont courier = CourierFont();
    QLabel* letter = PlainLabel(QStringLiteral("B") + BoardLetter(board), BoardLetter(board) + QLatin1Char('.'), panel1);
    letter->setFont(courier);
    letter->setGeometry(FacsimileCell(36, top, 30));
    boardLetters_[board - 1] = letter;
    for (int position = 1; position <= kNumbers; ++position) {
        QLabel* number = PlainLabel(QStringLiteral("L%1").arg((board - 1) * kNumbers + position), QString(), panel1);
        number->setFont(courier);
        // On the facsimile's window-coloured ground a label would otherwise
        // draw in the text colour, not in the colour the winnings set.
        number->setForegroundRole(QPalette::WindowText);
        number->setGeometry(FacsimileCell(72 + (position - 1) * 30, top, 26));
        facsimileNumbers_[board - 1][position - 1] = number;
    }
}

// Up to two word-wrapped lines; a longer description is shortened and
// shown whole in the tool tip.
void ConfirmPage::ShowDescription(const QString& description) {
    const int width = label5_->contentsRect().width();
    const QRect needed = QFontMetrics(label5_->font())
                             .boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap, description);
    const bool fits = needed.width() <= width && needed.height() <= label5_->contentsRect().height();
    label5_->setText(fits ? description : TwoLines(description, label5_->font(), width));
    label5_->setToolTip(fits ? QString() : description);
}

}  // namespace addlinedlg
