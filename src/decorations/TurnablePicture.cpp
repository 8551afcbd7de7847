#include "decorations/TurnablePicture.h"

#include <QTransform>

namespace {

int normalisedTurns(int quarterTurns)
{
    return ((quarterTurns % 4) + 4) % 4;
}

} // namespace

TurnablePicture::TurnablePicture(const QImage& stored)
{
    m_orientations[0] = stored;
}

void TurnablePicture::RotateFlip(int quarterTurns)
{
    m_turns = normalisedTurns(m_turns + quarterTurns);
}

const QImage& TurnablePicture::orientation(int quarterTurns) const
{
    const int turns = normalisedTurns(quarterTurns);
    QImage& turned = m_orientations[turns];
    if (turns != 0 && turned.isNull() && !m_orientations[0].isNull())
        turned = m_orientations[0].transformed(QTransform().rotate(90.0 * turns));
    return turned;
}
