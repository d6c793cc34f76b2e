#include "AddLineDlg/NumberField.h"

#include <QKeyEvent>

namespace addlinedlg {
namespace {

// A typed character other than a digit. Control characters (Backspace,
// Esc, Tab) and shortcuts such as the clipboard's are not typed characters.
bool IsDiscardedCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    const QChar character = text.front();
    return character.isPrint() && !(character >= QLatin1Char('0') && character <= QLatin1Char('9'));
}

}  // namespace

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(2);
    setAlignment(Qt::AlignCenter);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (IsDiscardedCharacter(*event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace addlinedlg
