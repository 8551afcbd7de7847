#include "decorations/PileCatchLines.h"
#include "platform/RuntimeLibrary.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The landing rule record by record, as the snow window states it.
bool landsOnSomeRecord(const std::vector<FLAKE>& pile, int x, int middle)
{
    for (const FLAKE& p : pile) {
        const int hp = p.image ? p.image->height() : 0;
        if (x >= p.x - 1 && x <= p.x + 1 && middle >= p.y + hp / 2 - 2)
            return true;
    }
    return false;
}

class PileCatchLinesTest : public ::testing::Test {
protected:
    QImage m_small{3, 3, QImage::Format_ARGB32_Premultiplied};
    QImage m_large{16, 16, QImage::Format_ARGB32_Premultiplied};
};

TEST_F(PileCatchLinesTest, AgreesWithTheRuleRecordByRecord)
{
    crt::srand(99);
    for (int round = 0; round < 20; ++round) {
        std::vector<FLAKE> pile;
        const int records = crt::rand() % 300;
        for (int i = 0; i < records; ++i)
            pile.push_back(FLAKE{crt::rand() % 2 ? &m_small : &m_large, crt::rand() % 400 - 100, 0,
                                 1, crt::rand() % 200 - 20, 2, 0, true});
        PileCatchLines lines;
        lines.rebuild(pile);
        // Records added during a frame count at once, also far outside the table.
        const FLAKE farLeft{&m_large, -5'000'000, 0, 1, 150, 2, 0, false};
        const FLAKE inside{&m_small, crt::rand() % 300, 0, 1, crt::rand() % 180, 2, 0, false};
        lines.add(farLeft);
        lines.add(inside);
        pile.push_back(farLeft);
        pile.push_back(inside);
        for (int x = -110; x < 320; ++x)
            for (int middle = -30; middle < 200; middle += 7)
                ASSERT_EQ(lines.catches(x, middle), landsOnSomeRecord(pile, x, middle))
                    << "round " << round << " x " << x << " middle " << middle;
        EXPECT_TRUE(lines.catches(-5'000'001, 156));
        EXPECT_FALSE(lines.catches(-5'000'002, 156));
    }
}

} // namespace
