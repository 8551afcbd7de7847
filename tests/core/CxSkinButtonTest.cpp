#include "core/CxSkinButton.h"
#include "core/DialogGroup.h"
#include "core/MaskRegion.h"
#include "core/ProgramResources.h"

#include <QCheckBox>
#include <QDir>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kPage = 0x3060A0;
constexpr QRgb kNormal = 0xC02020;
constexpr QRgb kDown = 0x20A040;
constexpr QRgb kOver = 0xE0C020;
constexpr QRgb kFace = 0x707070;
constexpr QRgb kCaption = 0x101010;
constexpr QRgb kHighlight = 0xF0F0F0;
constexpr QRgb kGrey = 0x909090;

QImage Solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Rows of a mask as text: '#' button, '.' white, 'g' a grey that still counts.
QImage MaskFromRows(const std::vector<std::string>& rows)
{
    QImage mask(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()),
                QImage::Format_RGB32);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const char c = rows[y][x];
            mask.setPixel(x, y, c == '#' ? 0xFF000000 : c == 'g' ? 0xFFFEFEFE : 0xFFFFFFFF);
        }
    }
    return mask;
}

// Every pixel of the region agrees with the mask: inside exactly where not white.
void ExpectRegionFollowsMask(const QRegion& region, const QImage& mask)
{
    int inside = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const bool button = (mask.pixel(x, y) & 0xFFFFFF) != kWhite;
            EXPECT_EQ(region.contains(QPoint(x, y)), button) << "pixel " << x << "," << y;
            inside += button ? 1 : 0;
        }
    }
    EXPECT_TRUE(region.boundingRect().isEmpty() ||
                QRect(QPoint(), mask.size()).contains(region.boundingRect()));
    EXPECT_GT(inside, 0);
}

TEST(RegionFromMask, NoMaskGivesNoShapeAndAllWhiteAnEmptyOne)
{
    EXPECT_FALSE(RegionFromMask(QImage()).has_value());
    const auto region = RegionFromMask(Solid(QSize(16, 16), kWhite));
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->isEmpty());
}

TEST(RegionFromMask, OneRectanglePerRunAndRow)
{
    const QImage mask = MaskFromRows({
        "..##..###",
        "#.......#",
        "........#",
        "###g#####",
    });
    const auto region = RegionFromMask(mask);
    ASSERT_TRUE(region.has_value());
    QRegion expected;
    expected += QRect(2, 0, 2, 1);
    expected += QRect(6, 0, 3, 1);
    expected += QRect(0, 1, 1, 1);
    expected += QRect(8, 1, 1, 1);
    expected += QRect(8, 2, 1, 1);
    expected += QRect(0, 3, 9, 1);
    EXPECT_EQ(*region, expected);
}

TEST(RegionFromMask, RunsReachTheLastColumnButNeverWrap)
{
    // A run that ends at the last column keeps the last pixel, a lone black
    // pixel there starts and ends its own run, and the next row starts afresh.
    const QImage mask = MaskFromRows({
        "...###",
        ".....#",
        "#####.",
        "......",
    });
    const auto region = RegionFromMask(mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->contains(QPoint(5, 0)));
    EXPECT_TRUE(region->contains(QPoint(5, 1)));
    EXPECT_FALSE(region->contains(QPoint(0, 1)));
    EXPECT_FALSE(region->contains(QPoint(5, 2)));
    EXPECT_FALSE(region->contains(QPoint(0, 3)));
    EXPECT_EQ(region->boundingRect(), QRect(0, 0, 6, 3));
    ExpectRegionFollowsMask(*region, mask);
}

TEST(RegionFromMask, OnlyExactWhiteIsLeftOut)
{
    // Near-white still belongs to the button; alpha plays no part.
    QImage mask(3, 1, QImage::Format_ARGB32);
    mask.setPixel(0, 0, 0xFFFFFFFE);
    mask.setPixel(1, 0, 0x00FFFFFF);
    mask.setPixel(2, 0, 0x80000000);
    const auto region = RegionFromMask(mask);
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->contains(QPoint(0, 0)));
    EXPECT_FALSE(region->contains(QPoint(1, 0)));
    EXPECT_TRUE(region->contains(QPoint(2, 0)));
}

class MaskBitmapTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(MaskBitmapTest, ProgramMasksAreReadPixelForPixel)
{
    const auto mask = LoadBitmapResource(GetParam());
    ASSERT_NE(mask, nullptr);
    const auto region = RegionFromMask(*mask);
    ASSERT_TRUE(region.has_value());
    ExpectRegionFollowsMask(*region, *mask);
    // A real button is neither a plain rectangle nor empty.
    EXPECT_NE(*region, QRegion(QRect(QPoint(), mask->size())));
}

INSTANTIATE_TEST_SUITE_P(ButtonMasks, MaskBitmapTest, ::testing::Values(258u, 247u, 278u, 292u));

// A page of a known colour with skinned buttons on it.
class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.resize(160, 100);
        QPalette palette = page.palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(kPage));
        palette.setColor(QPalette::Button, QColor::fromRgb(kFace));
        palette.setColor(QPalette::ButtonText, QColor::fromRgb(kCaption));
        palette.setColor(QPalette::Light, QColor::fromRgb(kHighlight));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor::fromRgb(kGrey));
        page.setPalette(palette);
        page.setAutoFillBackground(true);
        QFont font = page.font();
        font.setPixelSize(11);
        font.setStyleStrategy(QFont::NoAntialias);
        page.setFont(font);
    }

    // A 20 x 12 button whose mask leaves out the left column and the top-right pixel.
    static QImage NotchedMask()
    {
        QImage mask = Solid(QSize(20, 12), kBlack);
        for (int y = 0; y < 12; ++y)
            mask.setPixel(0, y, 0xFFFFFFFF);
        mask.setPixel(19, 0, 0xFFFFFFFF);
        return mask;
    }

    CxSkinButton* AddButton(CxSkinButton::ButtonStyle style = CxSkinButton::ButtonStyle::PushButton,
                            QPoint at = QPoint(10, 10))
    {
        auto* button = new CxSkinButton(&page, style);
        button->SetBitmaps(Solid(QSize(20, 12), kNormal), Solid(QSize(20, 12), kDown),
                           Solid(QSize(20, 12), kOver), NotchedMask());
        button->move(at);
        return button;
    }

    // A 40 x 20 button, all of it inside the mask, with the caption "Go".
    CxSkinButton* AddCaptionedButton(CxSkinButton::ButtonStyle style)
    {
        auto* button = new CxSkinButton(&page, style);
        button->SetBitmaps(Solid(QSize(40, 20), kNormal), Solid(QSize(40, 20), kDown),
                           Solid(QSize(40, 20), kOver), Solid(QSize(40, 20), kBlack));
        button->move(10, 10);
        button->setText(QStringLiteral("Go"));
        return button;
    }

    void ShowPage()
    {
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    QImage Shot(const QWidget* button) { return page.grab(button->geometry()).toImage(); }

    QRgb Shown(const QWidget* button, QPoint at = QPoint(10, 6))
    {
        return Shot(button).pixel(at) & 0xFFFFFF;
    }

    static void Hover(QWidget* button, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(button, &move);
    }

    static void Leave(QWidget* button)
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
    }

    // Positions of the pixels in the caption's colour.
    static std::set<std::pair<int, int>> PixelsOf(const QImage& image, QRgb colour)
    {
        std::set<std::pair<int, int>> found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                    found.insert({x, y});
            }
        }
        return found;
    }

    QWidget page;
};

TEST_F(SkinButtonTest, TakesTheMaskSizeAndShape)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    EXPECT_EQ(button->geometry(), QRect(10, 10, 20, 12));
    EXPECT_EQ(button->sizeHint(), QSize(20, 12));
    ASSERT_TRUE(button->GetClipRegion().has_value());
    EXPECT_EQ(button->mask(), *button->GetClipRegion());
    // The page shows where the mask is white, the picture everywhere else.
    EXPECT_EQ(Shown(button, QPoint(0, 5)), kPage);
    EXPECT_EQ(Shown(button, QPoint(19, 0)), kPage);
    EXPECT_EQ(Shown(button, QPoint(1, 0)), kNormal);
    EXPECT_EQ(Shown(button, QPoint(19, 11)), kNormal);
}

TEST_F(SkinButtonTest, ProgramBitmapsGiveTheHelpButton)
{
    auto* button = new CxSkinButton(&page);
    button->SetBitmaps(257, 257, 257, 258);
    button->move(450, 3);
    EXPECT_EQ(button->geometry(), QRect(450, 3, 16, 16));
    EXPECT_EQ(button->GetClipRegion(), RegionFromMask(*LoadBitmapResource(258)));

    // New pictures (a language change) bring a new shape and size, in place.
    button->SetBitmaps(277, 277, 277, 278);
    EXPECT_EQ(button->geometry(), QRect(450, 3, 106, 40));
    EXPECT_EQ(button->GetClipRegion(), RegionFromMask(*LoadBitmapResource(278)));
    EXPECT_EQ(button->mask(), *button->GetClipRegion());
}

TEST_F(SkinButtonTest, AllWhiteMaskLeavesNothingToSeeOrClick)
{
    auto* button = new CxSkinButton(&page);
    button->SetBitmaps(Solid(QSize(30, 20), kNormal), Solid(QSize(30, 20), kDown),
                       Solid(QSize(30, 20), kOver), Solid(QSize(30, 20), kWhite));
    button->move(10, 10);
    ShowPage();
    EXPECT_EQ(button->size(), QSize(30, 20));
    ASSERT_TRUE(button->GetClipRegion().has_value());
    EXPECT_TRUE(button->GetClipRegion()->isEmpty());
    const QImage shot = Shot(button);
    EXPECT_EQ(PixelsOf(shot, kPage).size(), static_cast<size_t>(30 * 20));
    EXPECT_EQ(page.childAt(QPoint(25, 20)), nullptr);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(15, 10));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(SkinButtonTest, HoverShowsTheOverPictureUntilLeaveOrPress)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    EXPECT_EQ(Shown(button), kNormal);
    Hover(button, QPoint(10, 6));
    EXPECT_TRUE(button->IsOver());
    EXPECT_EQ(Shown(button), kOver);
    Leave(button);
    EXPECT_FALSE(button->IsOver());
    EXPECT_EQ(Shown(button), kNormal);

    Hover(button, QPoint(10, 6));
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_FALSE(button->IsOver());
    EXPECT_EQ(Shown(button), kDown);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kNormal);
    // The next move over it brings the hover picture back.
    Hover(button, QPoint(11, 6));
    EXPECT_EQ(Shown(button), kOver);
}

TEST_F(SkinButtonTest, MissingPicturesFallBack)
{
    auto* button = new CxSkinButton(&page);
    button->SetBitmaps(Solid(QSize(20, 12), kNormal), QImage(), QImage(), NotchedMask());
    button->move(10, 10);
    ShowPage();
    // No hover picture: the normal one stays.
    Hover(button, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kNormal);
    // No pressed picture: the button face colour.
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kFace);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));

    button->SetBitmaps(QImage(), Solid(QSize(20, 12), kDown), QImage(), NotchedMask());
    EXPECT_EQ(Shown(button), kFace);
    EXPECT_EQ(Shown(button, QPoint(0, 6)), kPage);
}

TEST_F(SkinButtonTest, PressDragOffAndBackThenRelease)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_TRUE(button->IsPressed());
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(Shown(button), kDown);

    QTest::mouseMove(button, QPoint(40, 30));
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(Shown(button), kNormal);
    // Off the shape counts as off the button, even inside its rectangle.
    QTest::mouseMove(button, QPoint(0, 6));
    EXPECT_FALSE(button->isDown());

    QTest::mouseMove(button, QPoint(12, 7));
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(Shown(button), kDown);
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(12, 7));
    EXPECT_FALSE(button->IsPressed());
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(SkinButtonTest, ReleasingOffTheButtonGivesNoClickAndNoToggle)
{
    CxSkinButton* box = AddButton(CxSkinButton::ButtonStyle::AutoCheckBox);
    ShowPage();
    QSignalSpy clicks(box, &QAbstractButton::clicked);
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    QTest::mouseMove(box, QPoint(60, 40));
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(60, 40));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_FALSE(box->IsPressed());
    EXPECT_EQ(Shown(box), kNormal);
}

TEST_F(SkinButtonTest, DoubleClickCountsAsSecondPress)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    QTest::mouseDClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_TRUE(button->isDown());
    EXPECT_EQ(Shown(button), kDown);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(SkinButtonTest, CheckBoxTogglesOnClickBeforeThePageHears)
{
    CxSkinButton* box = AddButton(CxSkinButton::ButtonStyle::AutoCheckBox);
    ShowPage();
    EXPECT_EQ(box->GetKind(), CxSkinButton::KindCheckBox);
    std::vector<int> seen;
    QObject::connect(box, &QAbstractButton::clicked, [&] { seen.push_back(box->GetCheck()); });

    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(box->GetCheck(), 1);
    // Checked looks pushed, also with the mouse away.
    EXPECT_EQ(Shown(box), kDown);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(Shown(box), kNormal);
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
}

TEST_F(SkinButtonTest, CheckBoxTogglesOnSpace)
{
    CxSkinButton* box = AddButton(CxSkinButton::ButtonStyle::AutoCheckBox);
    ShowPage();
    QSignalSpy clicks(box, &QAbstractButton::clicked);
    QTest::keyPress(box, Qt::Key_Space);
    // The box changes as the key goes down; the click comes with the key up.
    EXPECT_EQ(box->GetCheck(), 1);
    EXPECT_EQ(clicks.count(), 0);
    QTest::keyRelease(box, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(clicks.count(), 2);
    // Other keys leave it alone.
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(box->GetCheck(), 0);
}

TEST_F(SkinButtonTest, PushButtonIsNeverChecked)
{
    CxSkinButton* button = AddButton();
    EXPECT_EQ(button->GetKind(), CxSkinButton::KindPushButton);
    button->SetCheck(1);
    EXPECT_EQ(button->GetCheck(), 0);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(button->GetCheck(), 0);
}

TEST_F(SkinButtonTest, RadioButtonUnchecksTheRestOfItsGroup)
{
    using Style = CxSkinButton::ButtonStyle;
    CxSkinButton* first = AddButton(Style::AutoRadioButton, QPoint(5, 5));
    DialogGroup::SetGroupStart(first);
    CxSkinButton* second = AddButton(Style::AutoRadioButton, QPoint(30, 5));
    auto* plain = new QCheckBox(QStringLiteral("x"), &page);
    plain->move(55, 5);
    plain->setChecked(true);
    CxSkinButton* third = AddButton(Style::AutoRadioButton, QPoint(80, 5));
    // A second group on the same page is left alone.
    CxSkinButton* otherGroup = AddButton(Style::AutoRadioButton, QPoint(5, 40));
    DialogGroup::SetGroupStart(otherGroup);
    ShowPage();
    EXPECT_EQ(first->GetKind(), CxSkinButton::KindRadioButton);

    first->SetCheck(1);
    otherGroup->SetCheck(1);
    QCoreApplication::sendPostedEvents();

    QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(second->GetCheck(), 1);
    // The others hear of it through posted notices.
    EXPECT_EQ(first->GetCheck(), 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(first->GetCheck(), 0);
    EXPECT_EQ(third->GetCheck(), 0);
    EXPECT_EQ(second->GetCheck(), 1);
    EXPECT_TRUE(plain->isChecked());
    EXPECT_EQ(otherGroup->GetCheck(), 1);
    EXPECT_EQ(Shown(first), kNormal);
    EXPECT_EQ(Shown(second), kDown);

    // Clicking a checked radio button keeps it checked; space checks too.
    QTest::mouseClick(second, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(second->GetCheck(), 1);
    QCoreApplication::sendPostedEvents();
    QTest::keyClick(third, Qt::Key_Space);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(third->GetCheck(), 1);
    EXPECT_EQ(second->GetCheck(), 0);
    EXPECT_EQ(otherGroup->GetCheck(), 1);
}

TEST_F(SkinButtonTest, GroupWalkWrapsAndPassesOverHiddenAndDisabled)
{
    auto* a = new QWidget(&page);
    auto* b = new QWidget(&page);
    auto* c = new QWidget(&page);
    auto* d = new QWidget(&page);
    DialogGroup::SetGroupStart(a);
    DialogGroup::SetGroupStart(d);
    EXPECT_EQ(DialogGroup::NextGroupItem(&page, a), b);
    EXPECT_EQ(DialogGroup::NextGroupItem(&page, c), a);
    EXPECT_EQ(DialogGroup::NextGroupItem(&page, d), d);
    b->hide();
    c->setEnabled(false);
    EXPECT_EQ(DialogGroup::NextGroupItem(&page, a), a);
    EXPECT_EQ(DialogGroup::NextGroupItem(&page, b), a);
    EXPECT_EQ(DialogGroup::NextGroupItem(&page, nullptr), nullptr);
    QWidget stranger;
    EXPECT_EQ(DialogGroup::NextGroupItem(&page, &stranger), nullptr);
}

TEST_F(SkinButtonTest, DisabledLooksNormalWithAnEmbossedCaption)
{
    CxSkinButton* button = AddCaptionedButton(CxSkinButton::ButtonStyle::PushButton);
    ShowPage();
    const QImage enabled = Shot(button);
    const auto captionPixels = PixelsOf(enabled, kCaption);
    ASSERT_FALSE(captionPixels.empty());

    button->setEnabled(false);
    Hover(button, QPoint(20, 10));
    const QImage disabled = Shot(button);
    // Neither hover nor press pictures: only the normal picture and the caption.
    EXPECT_TRUE(PixelsOf(disabled, kOver).empty());
    EXPECT_FALSE(PixelsOf(disabled, kNormal).empty());
    EXPECT_TRUE(PixelsOf(disabled, kCaption).empty());
    // The grey caption sits one pixel up and left of the light one, which sits
    // where the enabled caption does.
    std::set<std::pair<int, int>> shiftedCaption;
    for (const auto& [x, y] : captionPixels)
        shiftedCaption.insert({x - 1, y - 1});
    EXPECT_EQ(PixelsOf(disabled, kGrey), shiftedCaption);
    for (const auto& pixel : PixelsOf(disabled, kHighlight))
        EXPECT_TRUE(captionPixels.count(pixel));
    EXPECT_FALSE(PixelsOf(disabled, kHighlight).empty());
}

TEST_F(SkinButtonTest, PushedCaptionMovesOnePixelRightAndDown)
{
    CxSkinButton* box = AddCaptionedButton(CxSkinButton::ButtonStyle::AutoCheckBox);
    ShowPage();
    const auto raised = PixelsOf(Shot(box), kCaption);
    ASSERT_FALSE(raised.empty());
    std::set<std::pair<int, int>> expected;
    for (const auto& [x, y] : raised)
        expected.insert({x + 1, y + 1});

    box->SetCheck(1);
    EXPECT_EQ(PixelsOf(Shot(box), kCaption), expected);
    box->SetCheck(0);
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(PixelsOf(Shot(box), kCaption), expected);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
}

TEST_F(SkinButtonTest, LosingFocusWhilePressedCancelsTheClick)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(button, &focusOut);
    EXPECT_FALSE(button->IsPressed());
    EXPECT_FALSE(button->isDown());
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(SkinButtonTest, TooltipIsCreatedOnceThenOnlyRetexted)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    button->SetTooltip(QStringLiteral("Help"));
    button->SetTooltip(QStringLiteral("Hilfe"));

    const QPoint at(10, 6);
    QHelpEvent help(QEvent::ToolTip, at, button->mapToGlobal(at));
    QCoreApplication::sendEvent(button, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Hilfe"));
    QToolTip::hideText();
}

// Pictures of the program's own buttons over a page, for a person to look at:
// set YULAVIN_SKIN_BUTTON_SHOTS to a folder to get them.
TEST_F(SkinButtonTest, ProgramButtonsOverAPage)
{
    page.resize(480, 260);
    auto* help = new CxSkinButton(&page);
    help->SetBitmaps(257, 257, 257, 258);
    help->move(450, 3);
    auto* wallpapers = new CxSkinButton(&page);
    wallpapers->SetBitmaps(246, 249, 248, 247);
    wallpapers->move(10, 20);
    auto* site = new CxSkinButton(&page);
    site->SetBitmaps(291, 291, 293, 292);
    site->move(250, 40);
    auto* siteOver = new CxSkinButton(&page);
    siteOver->SetBitmaps(291, 291, 293, 292);
    siteOver->move(250, 100);
    auto* countdown = new CxSkinButton(&page);
    countdown->SetBitmaps(277, 277, 277, 278);
    countdown->move(250, 160);
    ShowPage();
    Hover(siteOver, QPoint(53, 20));
    QTest::mousePress(countdown, Qt::LeftButton, Qt::NoModifier, QPoint(53, 20));

    EXPECT_EQ(wallpapers->size(), QSize(220, 220));
    EXPECT_EQ(site->size(), QSize(106, 40));
    const QImage shot = page.grab().toImage();
    // Corners of the shaped buttons show the page.
    EXPECT_EQ(shot.pixel(10, 20) & 0xFFFFFF, kPage);
    EXPECT_EQ(shot.pixel(250, 40) & 0xFFFFFF, kPage);
    EXPECT_EQ(shot.pixel(450, 3) & 0xFFFFFF, kPage);
    // Their middles show their pictures.
    const auto wallpaperPicture = LoadBitmapResource(246);
    ASSERT_NE(wallpaperPicture, nullptr);
    EXPECT_EQ(shot.pixel(120, 130) & 0xFFFFFF, wallpaperPicture->pixel(110, 110) & 0xFFFFFF);
    const auto overPicture = LoadBitmapResource(293);
    ASSERT_NE(overPicture, nullptr);
    EXPECT_EQ(shot.pixel(303, 120) & 0xFFFFFF, overPicture->pixel(53, 20) & 0xFFFFFF);

    const QString folder = qEnvironmentVariable("YULAVIN_SKIN_BUTTON_SHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/skin-buttons.png")));
        EXPECT_TRUE(shot.scaled(shot.size() * 3)
                        .copy(QRect(440 * 3, 0, 40 * 3, 26 * 3))
                        .save(folder + QStringLiteral("/help-button-x3.png")));
    }
    QTest::mouseRelease(countdown, Qt::LeftButton, Qt::NoModifier, QPoint(53, 20));
}

} // namespace
