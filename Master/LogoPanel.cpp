#include "Master/LogoPanel.h"

#include "Master/ArtworkView.h"
#include "app/MakerWebPage.h"

#include <QLabel>
#include <QPushButton>

namespace master {
namespace {

QLabel* WhiteLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    // A palette, not a style sheet: the first style sheet in a program costs
    // start-up the whole style sheet machinery.
    QPalette white = label->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(white);
    return label;
}

QLabel* TitleLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    QLabel* label = WhiteLabel(parent, text, geometry);
    QFont font = label->font();
    font.setItalic(true);
    font.setBold(true);
    font.setPixelSize(20);
    label->setFont(font);
    return label;
}

}  // namespace

LogoPanel::LogoPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Logo"));
    setGeometry(14, 32, 233, 345);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette teal = palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    setPalette(teal);

    new ArtworkView(Artwork::Picture::Logo, QRect(16, 14, 201, 150), this);

    TitleLabel(this, QStringLiteral("Tallimo"), QRect(8, 172, 217, 28));
    TitleLabel(this, QStringLiteral("Version 1.5"), QRect(8, 200, 217, 28));
    QLabel* visit = WhiteLabel(this, QStringLiteral("For more great software, visit our Internet Web Site:"),
                               QRect(12, 246, 209, 40));
    visit->setWordWrap(true);

    webButton_ = new QPushButton(app::kMakerWebAddress.section(QLatin1Char('/'), 2, 2), this);
    webButton_->setGeometry(12, 296, 209, 28);
    webButton_->setCursor(Qt::PointingHandCursor);
    webButton_->setAccessibleDescription(QStringLiteral("Opens the web site in your browser"));
}

}  // namespace master
