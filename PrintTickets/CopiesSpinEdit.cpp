#include "PrintTickets/CopiesSpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace printtickets {

CopiesSpinEdit::CopiesSpinEdit(std::function<void()> beep, QWidget* parent)
    : QSpinBox(parent), beep_(std::move(beep)) {
    setRange(1, 99);
    setValue(1);
    lineEdit()->setMaxLength(2);
}

void CopiesSpinEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typed = text.size() == 1 && text[0].isPrint();
    if (typed && !text[0].isDigit() && text != QLatin1String("+") && text != QLatin1String("-") &&
        text != locale().decimalPoint()) {
        beep_();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

}  // namespace printtickets
