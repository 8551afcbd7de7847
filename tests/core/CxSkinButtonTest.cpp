#include "core/CxSkinButton.h"
#include "core/DialogGroup.h"
#include "core/ProgramResources.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kPage = 0x3060A0;
constexpr QRgb kNormal = 0xC02020;
constexpr QRgb kDown = 0x20A040;
constexpr QRgb kOver = 0xE0C020;
constexpr QRgb kCaption = 0x101010;
constexpr QRgb kHighlight = 0xF0F0F0;
constexpr QRgb kGrey = 0x909090;

QImage Solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
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
        palette.setColor(QPalette::ButtonText, QColor::fromRgb(kCaption));
        palette.setColor(QPalette::Light, QColor::fromRgb(kHighlight));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor::fromRgb(kGrey));
        page.setPalette(palette);
        page.setAutoFillBackground(true);
        QFont font = page.font();
        font.setPixelSize(11);
        font.setStyleStrategy(QFont::NoAntialias);
        page.setFont(font);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    // A 20 x 12 button whose mask leaves out the left column and the top-right
    // pixel; a near-white pixel at the bottom-right still counts as inside.
    // Captioned: 40 x 20, all of it inside, with the caption "Go".
    CxSkinButton* AddButton(Style style = Style::PushButton, QPoint at = QPoint(10, 10),
                            bool captioned = false)
    {
        const QSize size = captioned ? QSize(40, 20) : QSize(20, 12);
        QImage mask = Solid(size, kBlack);
        if (!captioned) {
            for (int y = 0; y < 12; ++y)
                mask.setPixel(0, y, 0xFFFFFFFF);
            mask.setPixel(19, 0, 0xFFFFFFFF);
            mask.setPixel(19, 11, 0xFFFEFEFE);
        }
        auto* button = new CxSkinButton(&page, style);
        button->SetBitmaps(Solid(size, kNormal), Solid(size, kDown), Solid(size, kOver), mask);
        button->move(at);
        button->show();
        if (captioned)
            button->setText(QStringLiteral("Go"));
        return button;
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

    // Positions of the pixels of one colour, moved by (dx, dy).
    static std::set<std::pair<int, int>> PixelsOf(const QImage& image, QRgb colour, int dx = 0,
                                                  int dy = 0)
    {
        std::set<std::pair<int, int>> found;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                    found.insert({x + dx, y + dy});
        return found;
    }

    QWidget page;
};

TEST_F(SkinButtonTest, ShowsItsPicturesInTheMasksSizeAndShape)
{
    CxSkinButton* button = AddButton();
    EXPECT_EQ(button->geometry(), QRect(10, 10, 20, 12));
    // The page shows where the mask is white, the picture everywhere else.
    EXPECT_EQ(Shown(button, QPoint(0, 5)), kPage);
    EXPECT_EQ(Shown(button, QPoint(19, 0)), kPage);
    EXPECT_EQ(Shown(button, QPoint(1, 0)), kNormal);
    EXPECT_EQ(Shown(button, QPoint(19, 11)), kNormal); // near-white in the mask
    // Off the shape is off the button, even inside its rectangle.
    EXPECT_EQ(page.childAt(QPoint(10, 15)), nullptr);

    // Hover shows the over picture until the mouse leaves or presses.
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

TEST_F(SkinButtonTest, ReleaseCountsOnlyOnTheShape)
{
    CxSkinButton* box = AddButton(Style::AutoCheckBox);
    QSignalSpy clicks(box, &QAbstractButton::clicked);

    // Pressed, moved off the shape (inside the rectangle) and let go there: nothing happens.
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(box), kDown);
    QTest::mouseMove(box, QPoint(0, 6));
    EXPECT_EQ(Shown(box), kNormal);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(0, 6));
    EXPECT_EQ(clicks.count(), 0);

    // Back on the shape it is down again, and the release counts.
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    QTest::mouseMove(box, QPoint(0, 6));
    QTest::mouseMove(box, QPoint(12, 7));
    EXPECT_EQ(Shown(box), kDown);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(12, 7));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(box->GetCheck(), 1);

    // Focus lost while pressed (another window came up): no click.
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(box, &focusOut);
    EXPECT_FALSE(box->isDown());
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(SkinButtonTest, PushButtonTakesADoubleClickAsTwoAndNeverStaysChecked)
{
    CxSkinButton* button = AddButton();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    Click(button);
    QTest::mouseDClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(Shown(button), kDown);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(10, 6));
    EXPECT_EQ(clicks.count(), 2);
    button->SetCheck(1);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(button->GetCheck(), 0);
    EXPECT_EQ(Shown(button), kNormal);
}

TEST_F(SkinButtonTest, CheckBoxTogglesOnClickAndSpaceBeforeThePageHears)
{
    CxSkinButton* box = AddButton(Style::AutoCheckBox);
    std::vector<int> seen;
    QObject::connect(box, &QAbstractButton::clicked, [&] { seen.push_back(box->GetCheck()); });
    Click(box);
    // Checked looks pushed, also with the mouse away.
    EXPECT_EQ(Shown(box), kDown);
    // Space changes the box as the key goes down; the page hears with the key up.
    QTest::keyPress(box, Qt::Key_Space);
    EXPECT_EQ(box->GetCheck(), 0);
    EXPECT_EQ(seen.size(), 1u);
    QTest::keyRelease(box, Qt::Key_Space);
    QTest::keyClick(box, Qt::Key_A);
    EXPECT_EQ(Shown(box), kNormal);
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
}

TEST_F(SkinButtonTest, RadioButtonUnchecksTheRestOfItsGroup)
{
    CxSkinButton* first = AddButton(Style::AutoRadioButton, QPoint(5, 5));
    DialogGroup::SetGroupStart(first);
    CxSkinButton* second = AddButton(Style::AutoRadioButton, QPoint(30, 5));
    auto* plain = new QCheckBox(QStringLiteral("x"), &page);
    plain->move(55, 5);
    plain->setChecked(true);
    plain->show();
    // A second group on the same page is left alone.
    CxSkinButton* otherGroup = AddButton(Style::AutoRadioButton, QPoint(5, 40));
    DialogGroup::SetGroupStart(otherGroup);

    first->SetCheck(1);
    otherGroup->SetCheck(1);
    QCoreApplication::sendPostedEvents();
    Click(second);
    // The others hear of it through posted notices.
    EXPECT_EQ(first->GetCheck(), 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Shown(first), kNormal);
    EXPECT_EQ(Shown(second), kDown);
    EXPECT_TRUE(plain->isChecked());
    EXPECT_EQ(otherGroup->GetCheck(), 1);

    // Clicking a checked radio button keeps it checked; space checks another.
    Click(second);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(second->GetCheck(), 1);
    QTest::keyClick(first, Qt::Key_Space);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(first->GetCheck(), 1);
    EXPECT_EQ(second->GetCheck(), 0);
}

TEST_F(SkinButtonTest, DisabledLooksNormalWithAnEmbossedCaption)
{
    CxSkinButton* button = AddButton(Style::PushButton, QPoint(10, 10), true);
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
    EXPECT_EQ(PixelsOf(disabled, kGrey, 1, 1), captionPixels);
    const auto light = PixelsOf(disabled, kHighlight);
    EXPECT_FALSE(light.empty());
    EXPECT_TRUE(
        std::includes(captionPixels.begin(), captionPixels.end(), light.begin(), light.end()));
}

TEST_F(SkinButtonTest, PushedCaptionMovesOnePixelRightAndDown)
{
    CxSkinButton* box = AddButton(Style::AutoCheckBox, QPoint(10, 10), true);
    const auto expected = PixelsOf(Shot(box), kCaption, 1, 1);
    ASSERT_FALSE(expected.empty());

    box->SetCheck(1);
    EXPECT_EQ(PixelsOf(Shot(box), kCaption), expected);
    box->SetCheck(0);
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    EXPECT_EQ(PixelsOf(Shot(box), kCaption), expected);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
}

TEST_F(SkinButtonTest, ProgramButtonsTakeTheirPicturesSizesAndShapes)
{
    page.resize(480, 260);
    auto* site = new CxSkinButton(&page);
    site->SetBitmaps(291, 291, 293, 292);
    site->move(250, 100);
    // New pictures (a language change) bring a new shape and size, in place.
    auto* countdown = new CxSkinButton(&page);
    countdown->SetBitmaps(257, 257, 257, 258);
    countdown->move(250, 160);
    countdown->SetBitmaps(277, 277, 277, 278);
    site->show();
    countdown->show();
    Hover(site, QPoint(53, 20));
    EXPECT_EQ(site->size(), QSize(106, 40));
    EXPECT_EQ(countdown->geometry(), QRect(250, 160, 106, 40));

    const QImage shot = page.grab().toImage();
    // Corners of the shaped buttons show the page, their middles their pictures.
    EXPECT_EQ(shot.pixel(250, 100) & 0xFFFFFF, kPage);
    EXPECT_EQ(shot.pixel(250, 160) & 0xFFFFFF, kPage);
    EXPECT_EQ(shot.pixel(303, 120) & 0xFFFFFF, LoadBitmapResource(293)->pixel(53, 20) & 0xFFFFFF);
}

} // namespace
