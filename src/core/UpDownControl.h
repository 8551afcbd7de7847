#pragma once

#include <QTimer>
#include <QWidget>

class QLineEdit;
class QStyleOptionSpinBox;

// Two arrows that step a whole number within a range and show it in the box
// they sit in (their buddy): the layout puts them right after the box, and
// they cover its right end, so that box and arrows read as one control. The
// Up and Down keys step the number while the box has the keyboard; holding an
// arrow down repeats the step. The arrows never take the keyboard themselves.
class UpDownControl final : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent = nullptr);

    // The box that shows the number; the arrows move to its right end.
    void SetBuddy(QLineEdit* buddy);
    QLineEdit* GetBuddy() const { return m_buddy; }
    // The lowest and highest number; the position is kept within them.
    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    // Sets the number, kept within the range, and shows it in the box.
    void SetPos(int pos);
    int GetPos() const { return m_pos; }

    // Asks for a step as the arrows and keys do: +1 up, -1 down.
    void Step(int delta);

Q_SIGNALS:
    // The user asked for a step, and the number is about to change: `pos` is
    // the number before the step. Sent at the ends of the range too, where
    // the number then stays.
    void deltaPos(int pos, int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The arrows are drawn as the right end of a spin box as wide as the
    // buddy, so they look the way the desktop's own spin boxes do.
    QStyleOptionSpinBox styleOption() const;
    // +1 for the up arrow, -1 for the down arrow, 0 elsewhere.
    int arrowAt(QPoint point) const;
    void showPos();

    QLineEdit* m_buddy = nullptr;
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    // The arrow held down: +1, -1 or 0.
    int m_held = 0;
    QTimer m_repeat;
};
