#include "Master/PageWidgets.h"

#include "Master/RowColours.h"

#include <QLabel>
#include <QPushButton>

namespace master {

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

QLabel* MakeBoldLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    QLabel* label = MakeLabel(parent, text, geometry);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* MakeHeading(QWidget* parent, const QString& text, const QRect& geometry) {
    QLabel* label = MakeBoldLabel(parent, text, geometry);
    QFont font = label->font();
    font.setPixelSize(17);
    label->setFont(font);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void SetElidedText(QLabel* label, const QString& text) {
    const QString shown =
        QFontMetrics(label->font()).elidedText(text, Qt::ElideRight, label->contentsRect().width());
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

// Pure red stays on the light window it was chosen for; on a dark one it is
// lightened until it can be read.
void MakeRed(QLabel* label) {
    QPalette red = label->palette();
    const QColor window = red.color(QPalette::Window);
    red.setColor(QPalette::WindowText, RowColours::IsDark(window) ? RowColours::Readable(Qt::red, window)
                                                                  : QColor(Qt::red));
    label->setPalette(red);
}

}  // namespace master
