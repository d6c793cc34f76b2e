#pragma once

#include <QLabel>

namespace addlinedlg {

// A small clickable panel of a one-of-several choice (the weeks and the draw
// days). The chosen one is painted yellow, the others in the window colour;
// its tag is the value it stands for.
class ChoicePanel : public QLabel {
    Q_OBJECT
public:
    ChoicePanel(const QString& caption, int tag, QWidget* parent);

    int Tag() const { return tag_; }
    bool Chosen() const { return chosen_; }
    void SetChosen(bool chosen);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const int tag_;
    bool chosen_ = false;
};

}  // namespace addlinedlg
