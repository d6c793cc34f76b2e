#pragma once

#include <QLabel>

namespace addlinedlg {

// A small clickable panel of a one-of-several choice (the weeks and the draw
// days). The chosen one is painted yellow, the others in the window colour;
// its tag is the value it stands for. By keyboard, Space chooses the panel
// with the focus and the arrow keys choose its neighbour in the same group.
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
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The panel of the same group that many steps away, or none.
    ChoicePanel* Neighbour(int step) const;

    const int tag_;
    bool chosen_ = false;
};

}  // namespace addlinedlg
