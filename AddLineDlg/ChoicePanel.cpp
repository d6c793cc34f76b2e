#include "AddLineDlg/ChoicePanel.h"

#include "AddLineDlg/ChoicePanelAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace addlinedlg {

ChoicePanel::ChoicePanel(const QString& caption, int tag, QWidget* parent) : QLabel(caption, parent), tag_(tag) {
    // Before anything here makes Qt ask for the panel's interface, which it
    // then keeps.
    static const bool accessible = (QAccessible::installFactory(&ChoicePanelAccessible::Create), true);
    Q_UNUSED(accessible);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    SetChosen(false);
}

// The caption is black on the chosen panel's yellow, and otherwise the
// text colour of the base it stands on, so that it reads in a dark desktop
// theme too.
void ChoicePanel::SetChosen(bool chosen) {
    const bool changed = chosen != chosen_;
    chosen_ = chosen;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, chosen ? QColor(Qt::yellow) : colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, chosen ? QColor(Qt::black) : colours.color(QPalette::Text));
    setPalette(colours);
    if (changed && QAccessible::isActive()) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent event(this, checked);
        QAccessible::updateAccessibility(&event);
    }
}

void ChoicePanel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ChoicePanel::keyPressEvent(QKeyEvent* event) {
    ChoicePanel* target = nullptr;
    switch (event->key()) {
    case Qt::Key_Space: target = this; break;
    case Qt::Key_Left:
    case Qt::Key_Up: target = Neighbour(-1); break;
    case Qt::Key_Right:
    case Qt::Key_Down: target = Neighbour(1); break;
    default: QLabel::keyPressEvent(event); return;
    }
    if (!target) return;
    target->setFocus(Qt::OtherFocusReason);
    emit target->clicked();
}

ChoicePanel* ChoicePanel::Neighbour(int step) const {
    const QList<ChoicePanel*> group = parentWidget()->findChildren<ChoicePanel*>(Qt::FindDirectChildrenOnly);
    const qsizetype at = group.indexOf(const_cast<ChoicePanel*>(this)) + step;
    return at >= 0 && at < group.size() ? group.at(at) : nullptr;
}

// The focus is drawn as the style draws it on a button, inside the frame.
void ChoicePanel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace addlinedlg
