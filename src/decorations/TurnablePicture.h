#pragma once

#include <QImage>

#include <array>

// A picture that is turned in place by quarter turns, so one stored picture
// serves every screen edge. Each orientation is made once and kept: a picture
// turned back to where it was is the very same picture again, which lets the
// frame pipeline see a bulb that did not change as unchanged and leave it be.
class TurnablePicture final {
public:
    explicit TurnablePicture(const QImage& stored);

    // The picture as it is turned now.
    const QImage& image() const { return orientation(m_turns); }
    int width() const { return image().width(); }
    int height() const { return image().height(); }

    // Turns the picture clockwise by that many quarter turns (any count; four
    // turns are a whole turn).
    void RotateFlip(int quarterTurns);
    // Quarter turns clockwise from the stored orientation, 0 to 3.
    int turns() const { return m_turns; }
    // The picture turned clockwise by that many quarter turns from the stored
    // orientation, whatever its present orientation.
    const QImage& orientation(int quarterTurns) const;

private:
    // Made on first use: many pictures are only ever drawn one way up.
    mutable std::array<QImage, 4> m_orientations;
    int m_turns = 0;
};
