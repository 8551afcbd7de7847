#include "core/ProgramResources.h"
#include "vocabulary/PictureIds.h"

#include <QDirIterator>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

struct SizedIds {
    std::vector<unsigned> ids;
    QSize size;
};

std::vector<unsigned> range(unsigned first, unsigned last, std::set<unsigned> except = {})
{
    std::vector<unsigned> ids;
    for (unsigned id = first; id <= last; ++id)
        if (!except.count(id))
            ids.push_back(id);
    return ids;
}

// Every picture the windows load by id, with the size their layout counts on.
const std::vector<SizedIds>& pictureSizes()
{
    static const std::vector<SizedIds> sizes = {
        // garland
        {range(139, 181, {159, 160}), {48, 48}},
        {{183, 184}, {48, 48}},
        {{159, 160}, {32, 32}},
        {{182, 185, 186}, {480, 96}},
        {range(234, 243), {100, 310}},
        {{497, 499, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 513, 544, 545},
         {96, 96}},
        {range(515, 519), {96, 96}},
        {range(521, 525), {156, 156}},
        // snow
        {{193, 210}, {1, 1}},
        {{211}, {2, 2}},
        {{194, 212}, {3, 3}},
        {range(195, 204, {201}), {16, 16}},
        {{213}, {4, 7}},
        {{222}, {47, 54}},
        {{348, 349}, {10, 10}},
        {{353, 354, 356, 357, 364, 365, 366, 368, 370}, {32, 32}},
        {range(374, 493), {1366, 768}},
        // frost
        {{554}, {1366, 768}},
        {{555}, {1920, 1080}},
        // trees
        {range(295, 304), {300, 355}},
        {{311, 312}, {300, 500}},
        {range(313, 318), {400, 443}},
        {{319, 320}, {300, 392}},
        {range(321, 325), {300, 431}},
        // cursor effects
        {{551}, {32, 58}},
        {{576}, {42, 48}},
        {{577}, {32, 32}},
        {{578, 580}, {32, 31}},
        {{579}, {32, 27}},
        {{581}, {64, 64}},
        {{583}, {124, 128}},
        {range(584, 587), {128, 128}},
        // pages
        {{231}, {128, 128}},
        {{232}, {256, 64}},
        {{251}, {500, 360}},
        {{256}, {480, 290}},
        {{265, 276, 290, 310, 345, 561, 570, 571, 575}, {470, 273}},
        {{285}, {471, 273}},
        {{562}, {472, 273}},
    };
    return sizes;
}

TEST(PictureInventory, EveryPictureHasItsSize)
{
    for (const SizedIds& group : pictureSizes()) {
        for (unsigned id : group.ids) {
            const auto picture = LoadPngResource(id);
            ASSERT_NE(picture, nullptr) << "picture " << id;
            EXPECT_EQ(picture->size(), group.size) << "picture " << id;
        }
    }
    // Sizes left to us, but the pictures must be there.
    for (unsigned id : {214u, 215u, 216u, 217u, 218u, 219u, 220u, 221u, 252u, 344u})
        EXPECT_NE(LoadPngResource(id), nullptr) << "picture " << id;
}

TEST(PictureInventory, ThickFlakesGrowFromFirstToLast)
{
    int previousArea = 0;
    for (unsigned id = 213; id <= 222; ++id) {
        const auto flake = LoadPngResource(id);
        ASSERT_NE(flake, nullptr);
        const int area = flake->width() * flake->height();
        EXPECT_GT(area, previousArea) << "picture " << id;
        previousArea = area;
    }
}

TEST(PictureInventory, NothingBeyondTheNamedPictures)
{
    LoadPngResource(139); // makes the pictures known
    int count = 0;
    for (QDirIterator it(":/png"); it.hasNext(); it.next())
        ++count;
    EXPECT_EQ(count, 295);
}

// Brightness a picture adds to the screen: colour weighted by coverage.
double light(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y); // premultiplied reads back unpremultiplied
            sum += qAlpha(p) / 255.0 * (qRed(p) + qGreen(p) + qBlue(p));
        }
    return sum;
}

TEST(PictureInventory, LitGarlandPicturesOutshineTheirUnlitTwins)
{
    const std::vector<std::pair<unsigned, unsigned>> unlitLit = {
        {141, 142}, {143, 144}, {145, 146}, {147, 148}, {157, 158}, {139, 140}, {149, 150},
        {151, 152}, {153, 154}, {155, 156}, {159, 160}, {162, 163}, {173, 172}, {171, 170},
        {169, 168}, {167, 166}, {164, 165}, {180, 179}, {178, 177}, {176, 161}, {175, 174},
        {183, 184}, {185, 186}, {234, 235}, {236, 237}, {238, 239}, {240, 241}, {242, 243},
        {544, 545}, {504, 505}, {508, 509}, {512, 513}, {497, 499}, {502, 503}, {506, 507},
        {510, 511}, {519, 515}, {523, 521}};
    for (const auto& [unlit, lit] : unlitLit) {
        const auto off = LoadPngResource(unlit);
        const auto on = LoadPngResource(lit);
        ASSERT_TRUE(off && on);
        EXPECT_GT(light(*on), light(*off) * 1.1) << unlit << " vs " << lit;
    }
}

// Where a picture's light sits: the centre of its brightness, as a share of
// the width and height.
QPointF lightCentre(const QImage& image)
{
    double sum = 0, x = 0, y = 0;
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column) {
            const QRgb p = image.pixel(column, row);
            const double weight = qAlpha(p) / 255.0 * (qRed(p) + qGreen(p) + qBlue(p));
            sum += weight;
            x += weight * (column + 0.5);
            y += weight * (row + 0.5);
        }
    return sum > 0 ? QPointF(x / sum / image.width(), y / sum / image.height()) : QPointF();
}

// The rows where a column of the picture is covered, top to bottom.
std::vector<int> coveredRows(const QImage& image, int column)
{
    std::vector<int> rows;
    for (int row = 0; row < image.height(); ++row)
        if (qAlpha(image.pixel(column, row)) > 128)
            rows.push_back(row);
    return rows;
}

int lowestCoveredRow(const QImage& image)
{
    for (int row = image.height() - 1; row >= 0; --row)
        for (int column = 0; column < image.width(); ++column)
            if (qAlpha(image.pixel(column, row)) > 128)
                return row;
    return -1;
}

TEST(PictureInventory, GarlandPiecesAreStoredAsTheyHangOnTheBottomLeft)
{
    // Straight pieces hang on the bottom edge: the wire runs along the inner
    // (upper) side and the light hangs down against the lower side.
    for (unsigned id : {141u, 142u, 143u, 144u, 145u, 146u, 147u, 148u, 157u, 158u, 159u,
                        160u, 162u, 163u, 166u, 167u, 168u, 169u, 170u, 171u, 172u, 173u}) {
        const auto piece = LoadPngResource(id);
        ASSERT_NE(piece, nullptr);
        for (int column : {0, piece->width() - 1}) {
            const auto wire = coveredRows(*piece, column);
            ASSERT_FALSE(wire.empty()) << "picture " << id;
            EXPECT_LT(wire.back(), piece->height() / 2) << "picture " << id;
        }
        EXPECT_GE(lowestCoveredRow(*piece), piece->height() * 3 / 4) << "picture " << id;
    }
    // Corner pieces are the bottom-left corner: the light points there.
    for (unsigned id :
         {139u, 140u, 149u, 150u, 151u, 152u, 153u, 154u, 155u, 156u, 161u, 164u, 165u, 174u,
          175u, 176u, 177u, 178u, 179u, 180u, 497u, 499u, 502u, 503u, 506u, 507u, 510u, 511u}) {
        const auto corner = LoadPngResource(id);
        ASSERT_NE(corner, nullptr);
        const QPointF centre = lightCentre(*corner);
        EXPECT_LT(centre.x(), 0.5) << "picture " << id;
        EXPECT_GT(centre.y(), 0.5) << "picture " << id;
    }
    // The pine branch is a left-edge piece: needles at the screen edge, thinning inwards.
    const auto branch = LoadPngResource(181);
    ASSERT_NE(branch, nullptr);
    EXPECT_GT(coveredRows(*branch, 4).size(), coveredRows(*branch, branch->width() - 5).size());
    // Icicle strings hang from the top.
    for (unsigned id = 234; id <= 243; ++id)
        EXPECT_LT(lightCentre(*LoadPngResource(id)).y(), 0.5) << "picture " << id;
}

TEST(PictureInventory, UnlitGlowIsFullyTransparent)
{
    const auto glow = LoadPngResource(519);
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(light(*glow), 0.0);
    EXPECT_TRUE(glow->hasAlphaChannel());
}

TEST(PictureInventory, OverlaysLeaveMostOfTheDesktopVisible)
{
    // Deep snow and frost cover the whole screen; most of it must stay see-through.
    for (unsigned id : {374u, 433u, 493u, 554u, 555u}) {
        const auto picture = LoadPngResource(id);
        ASSERT_NE(picture, nullptr);
        const QImage small = picture->scaled(picture->width() / 4, picture->height() / 4);
        int clear = 0;
        for (int y = 0; y < small.height(); ++y)
            for (int x = 0; x < small.width(); ++x)
                clear += qAlpha(small.pixel(x, y)) < 64;
        EXPECT_GT(clear, small.width() * small.height() / 2) << "picture " << id;
        // The middle of the frost stays clear so the desktop stays readable.
        if (id >= 554) {
            const QRgb centre = picture->pixel(picture->width() / 2, picture->height() / 2);
            EXPECT_LT(qAlpha(centre), 64) << "picture " << id;
        }
    }
}

TEST(PictureInventory, ButtonBitmapsMatchTheirMasks)
{
    struct Button {
        std::vector<unsigned> pictures;
        unsigned mask;
        QSize size;
    };
    const std::vector<Button> buttons = {
        {{257}, 258, {16, 16}},
        {{246, 248, 249}, 247, {220, 220}},
        {{291, 293}, 292, {106, 40}},
        {{277, 279, 280, 281, 282, 283, 564, 565, 566, 567, 568, 569, 572, 573, 574},
         278,
         {106, 40}},
    };
    for (const Button& button : buttons) {
        const auto mask = LoadBitmapResource(button.mask);
        ASSERT_NE(mask, nullptr) << "mask " << button.mask;
        EXPECT_EQ(mask->size(), button.size);
        int black = 0;
        for (int y = 0; y < mask->height(); ++y)
            for (int x = 0; x < mask->width(); ++x) {
                const QRgb p = mask->pixel(x, y) & 0xFFFFFF;
                EXPECT_TRUE(p == 0 || p == 0xFFFFFF) << "mask " << button.mask;
                black += p == 0;
            }
        EXPECT_GT(black, mask->width() * mask->height() / 3) << "mask " << button.mask;
        for (unsigned id : button.pictures) {
            const auto picture = LoadBitmapResource(id);
            ASSERT_NE(picture, nullptr) << "bitmap " << id;
            EXPECT_EQ(picture->size(), button.size) << "bitmap " << id;
        }
    }
}

TEST(PictureInventory, IconsForTheWindowTheTrayAndEveryTab)
{
    const QIcon app = LoadIconResource(128);
    ASSERT_FALSE(app.isNull());
    EXPECT_TRUE(app.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(app.availableSizes().contains(QSize(256, 256)));
    for (unsigned id : kTabIcons) {
        const QIcon tab = LoadIconResource(id);
        ASSERT_FALSE(tab.isNull()) << "icon " << id;
        EXPECT_EQ(tab.pixmap(16, 16).size(), QSize(16, 16)) << "icon " << id;
    }
    EXPECT_TRUE(LoadIconResource(336).isNull());
}

} // namespace
