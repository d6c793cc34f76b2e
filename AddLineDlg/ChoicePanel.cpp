#include "AddLineDlg/ChoicePanel.h"

#include <QMouseEvent>

namespace addlinedlg {

ChoicePanel::ChoicePanel(const QString& caption, int tag, QWidget* parent) : QLabel(caption, parent), tag_(tag) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    SetChosen(false);
}

void ChoicePanel::SetChosen(bool chosen) {
    chosen_ = chosen;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, chosen ? QColor(Qt::yellow) : colours.color(QPalette::Base));
    setPalette(colours);
}

void ChoicePanel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace addlinedlg
