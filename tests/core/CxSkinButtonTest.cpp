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

// A page of a known colour with skinned buttons on it.
class SkinButtonTest : public ::testing::Test {
protected:
    using Style = CxSkinButton::ButtonStyle;

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

    CxSkinButton* AddButton(const QImage& normal, const QImage& down, const QImage& over,
                            const QImage& mask, Style style = Style::PushButton,
                            QPoint at = QPoint(10, 10))
    {
        auto* button = new CxSkinButton(&page, style);
        button->SetBitmaps(normal, down, over, mask);
        button->move(at);
        return button;
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
    CxSkinButton* AddButton(Style style = Style::PushButton, QPoint at = QPoint(10, 10))
    {
        const QSize size(20, 12);
        return AddButton(Solid(size, kNormal), Solid(size, kDown), Solid(size, kOver),
                         NotchedMask(), style, at);
    }

    // A 40 x 20 button, all of it inside the mask, with the caption "Go".
    CxSkinButton* AddCaptionedButton(Style style)
    {
        const QSize size(40, 20);
        CxSkinButton* button = AddButton(Solid(size, kNormal), Solid(size, kDown),
                                         Solid(size, kOver), Solid(size, kBlack), style);
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
    static void Click(QWidget* button, QPoint at = QPoint(10, 6))
    {
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
    }

    // Positions of the pixels of one colour.
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
    // The page shows where the mask is white, the picture everywhere else.
    EXPECT_EQ(Shown(button, QPoint(0, 5)), kPage);
    EXPECT_EQ(Shown(button, QPoint(19, 0)), kPage);
    EXPECT_EQ(Shown(button, QPoint(1, 0)), kNormal);
    EXPECT_EQ(Shown(button, QPoint(19, 11)), kNormal);
    // Off the shape is off the button, even inside its rectangle.
    EXPECT_EQ(page.childAt(QPoint(10, 15)), nullptr);
}

TEST_F(SkinButtonTest, AllWhiteMaskLeavesNothingToSeeOrClick)
{
    const QSize size(30, 20);
    CxSkinButton* button = AddButton(Solid(size, kNormal), Solid(size, kDown), Solid(size, kOver),
                                     Solid(size, kWhite));
    ShowPage();
    EXPECT_EQ(button->size(), size);
    EXPECT_EQ(PixelsOf(Shot(button), kPage).size(), static_cast<size_t>(30 * 20));
    EXPECT_EQ(page.childAt(QPoint(25, 20)), nullptr);
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    Click(button, QPoint(15, 10));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(SkinButtonTest, HoverShowsTheOverPictureUntilLeaveOrPress)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    EXPECT_EQ(Shown(button), kNormal);
    Hover(button, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kOver);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(Shown(button), kNormal);

    Hover(button, QPoint(10, 6));
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kDown);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kNormal);
    // The next move over it brings the hover picture back.
    Hover(button, QPoint(11, 6));
    EXPECT_EQ(Shown(button), kOver);
}

TEST_F(SkinButtonTest, MissingPicturesFallBack)
{
    CxSkinButton* button =
        AddButton(Solid(QSize(20, 12), kNormal), QImage(), QImage(), NotchedMask());
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

TEST_F(SkinButtonTest, ReleaseCountsOnlyOnTheShape)
{
    CxSkinButton* box = AddButton(Style::AutoCheckBox);
    ShowPage();
    QSignalSpy clicks(box, &QAbstractButton::clicked);

    // Pressed, dragged off and let go there: nothing happens.
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(box), kDown);
    QTest::mouseMove(box, QPoint(60, 40));
    EXPECT_EQ(Shown(box), kNormal);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(60, 40));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(Shown(box), kNormal);

    // Off the shape counts as off, even inside the rectangle; back on, down again.
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    QTest::mouseMove(box, QPoint(0, 6));
    EXPECT_FALSE(box->isDown());
    QTest::mouseMove(box, QPoint(12, 7));
    EXPECT_EQ(Shown(box), kDown);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(12, 7));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(box->GetCheck(), 1);
}

TEST_F(SkinButtonTest, DoubleClickCountsAsSecondPress)
{
    CxSkinButton* button = AddButton();
    ShowPage();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    Click(button);
    QTest::mouseDClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kDown);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(SkinButtonTest, CheckBoxTogglesOnClickBeforeThePageHears)
{
    CxSkinButton* box = AddButton(Style::AutoCheckBox);
    ShowPage();
    std::vector<int> seen;
    QObject::connect(box, &QAbstractButton::clicked, [&] { seen.push_back(box->GetCheck()); });
    Click(box);
    // Checked looks pushed, also with the mouse away.
    EXPECT_EQ(Shown(box), kDown);
    Click(box);
    EXPECT_EQ(Shown(box), kNormal);
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
}

TEST_F(SkinButtonTest, SpaceTogglesACheckBoxAndNeverChecksAPushButton)
{
    CxSkinButton* box = AddButton(Style::AutoCheckBox);
    CxSkinButton* button = AddButton(Style::PushButton, QPoint(40, 10));
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
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(box->GetCheck(), 0);

    button->SetCheck(1);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(button->GetCheck(), 0);
    EXPECT_EQ(Shown(button), kNormal);
}

TEST_F(SkinButtonTest, RadioButtonUnchecksTheRestOfItsGroup)
{
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

    first->SetCheck(1);
    otherGroup->SetCheck(1);
    QCoreApplication::sendPostedEvents();
    Click(second);
    // The others hear of it through posted notices.
    EXPECT_EQ(first->GetCheck(), 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(first->GetCheck(), 0);
    EXPECT_EQ(second->GetCheck(), 1);
    EXPECT_TRUE(plain->isChecked());
    EXPECT_EQ(otherGroup->GetCheck(), 1);
    EXPECT_EQ(Shown(first), kNormal);
    EXPECT_EQ(Shown(second), kDown);

    // Clicking a checked radio button keeps it checked; space checks too.
    Click(second);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(second->GetCheck(), 1);
    QTest::keyClick(third, Qt::Key_Space);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(third->GetCheck(), 1);
    EXPECT_EQ(second->GetCheck(), 0);
    EXPECT_EQ(otherGroup->GetCheck(), 1);
}

TEST_F(SkinButtonTest, DisabledLooksNormalWithAnEmbossedCaption)
{
    CxSkinButton* button = AddCaptionedButton(Style::PushButton);
    ShowPage();
    const auto captionPixels = PixelsOf(Shot(button), kCaption);
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
    const auto light = PixelsOf(disabled, kHighlight);
    EXPECT_FALSE(light.empty());
    EXPECT_TRUE(
        std::includes(captionPixels.begin(), captionPixels.end(), light.begin(), light.end()));
}

TEST_F(SkinButtonTest, PushedCaptionMovesOnePixelRightAndDown)
{
    CxSkinButton* box = AddCaptionedButton(Style::AutoCheckBox);
    ShowPage();
    std::set<std::pair<int, int>> expected;
    for (const auto& [x, y] : PixelsOf(Shot(box), kCaption))
        expected.insert({x + 1, y + 1});
    ASSERT_FALSE(expected.empty());

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
    EXPECT_EQ(Shown(button), kNormal);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(SkinButtonTest, TooltipShowsTheLastText)
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

// The program's own buttons over a page; with YULAVIN_SKIN_BUTTON_SHOTS set to
// a folder, the picture is saved there for a person to look at.
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
    site->move(250, 100);
    // New pictures (a language change) bring a new shape and size, in place.
    auto* countdown = new CxSkinButton(&page);
    countdown->SetBitmaps(257, 257, 257, 258);
    countdown->move(250, 160);
    countdown->SetBitmaps(277, 277, 277, 278);
    ShowPage();
    Hover(site, QPoint(53, 20));
    EXPECT_EQ(help->size(), QSize(16, 16));
    EXPECT_EQ(wallpapers->size(), QSize(220, 220));
    EXPECT_EQ(site->size(), QSize(106, 40));
    EXPECT_EQ(countdown->geometry(), QRect(250, 160, 106, 40));

    const QImage shot = page.grab().toImage();
    // Corners of the shaped buttons show the page, their middles their pictures.
    for (const QPoint corner : {QPoint(10, 20), QPoint(250, 100), QPoint(450, 3), QPoint(250, 160)})
        EXPECT_EQ(shot.pixel(corner) & 0xFFFFFF, kPage) << corner.x() << "," << corner.y();
    EXPECT_EQ(shot.pixel(120, 130) & 0xFFFFFF, LoadBitmapResource(246)->pixel(110, 110) & 0xFFFFFF);
    EXPECT_EQ(shot.pixel(303, 120) & 0xFFFFFF, LoadBitmapResource(293)->pixel(53, 20) & 0xFFFFFF);

    const QString folder = qEnvironmentVariable("YULAVIN_SKIN_BUTTON_SHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        EXPECT_TRUE(shot.save(folder + QStringLiteral("/skin-buttons.png")));
    }
}

} // namespace
