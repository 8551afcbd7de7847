#include "core/ProgramResources.h"

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
    for (unsigned id : {330u, 331u, 334u, 338u, 335u, 339u, 558u, 337u, 332u, 333u, 559u, 329u}) {
        const QIcon tab = LoadIconResource(id);
        ASSERT_FALSE(tab.isNull()) << "icon " << id;
        EXPECT_EQ(tab.pixmap(16, 16).size(), QSize(16, 16)) << "icon " << id;
    }
    EXPECT_TRUE(LoadIconResource(336).isNull());
}

} // namespace
