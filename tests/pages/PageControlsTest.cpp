#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "core/LinkLabel.h"
#include "core/WrappingCheckBox.h"
#include "core/WrappingPushButton.h"
#include "pages/SettingsPage.h"
#include "support/WaitUntil.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolTip>

namespace {

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {1003, Kind::DropDownList, {13, 43, 170, 30}},
    {1008, Kind::Slider, {199, 64, 100, 26}},
    {1009, Kind::MultiLineCheckBox, {202, 104, 100, 20}},
    {1015, Kind::GroupBox, {7, 80, 182, 44}},
    {1060, Kind::SysLink, {94, 141, 125, 14}},
    {1061, Kind::PictureStatic, {146, 39, 160, 90}},
    {1049, Kind::MultiLinePushButton, {35, 118, 80, 28}},
};

// A page with one control of each shared kind, made the way every page is.
class ControlsPage final : public SettingsPage {
public:
    explicit ControlsPage(const PageContext& context)
        : SettingsPage(context, 0, kNarrowTemplate, kControls)
    {
        Create(nullptr);
        list = GetDlgItemAs<QComboBox>(this, 1003);
        slider = GetDlgItemAs<QSlider>(this, 1008);
        SetSliderRange(slider, 1, 9);
        slider->setValue(5);
        ConnectReleased(slider, [this] { applied.push_back(slider->sliderPosition()); });
    }
    using SettingsPage::FillKeyedList;
    using SettingsPage::SelectedKey;

    QComboBox* list = nullptr;
    QSlider* slider = nullptr;
    std::vector<int> applied;
};

class PageControlsTest : public SettingsWindowFixture {
protected:
    PageContext context() { return {app.m_options, app.m_translate, services.services(), {}}; }
};

TEST_F(PageControlsTest, KeyedListsSortByTheLanguagesAlphabetAndSelectByExactKey)
{
    const std::vector<KeyedListItem> items = {
        {"Zebra", "z"}, {"Łoś", "moose"}, {"lis", "fox"}, {"Mysz", "mouse"}};
    app.m_options.Language = "Polish";
    ControlsPage page(context());
    page.FillKeyedList(page.list, items, "moose", true);
    QStringList shown;
    for (int i = 0; i < page.list->count(); ++i)
        shown << page.list->itemText(i);
    // Polish puts Ł right after L, whatever the letters' case.
    EXPECT_EQ(shown, QStringList({"lis", "Łoś", "Mysz", "Zebra"}));
    EXPECT_EQ(ControlsPage::SelectedKey(page.list), "moose");

    page.FillKeyedList(page.list, items, "Moose", false);
    EXPECT_EQ(page.list->itemText(0), "Zebra");
    EXPECT_EQ(page.list->currentIndex(), -1);
    EXPECT_EQ(ControlsPage::SelectedKey(page.list), "");
}

TEST_F(PageControlsTest, SliderAppliesOnReleaseAndOnEachStepButNotWhileDragged)
{
    ControlsPage page(context());
    page.show();
    // Set from code: nothing applies.
    page.slider->setValue(3);
    QTest::keyClick(page.slider, Qt::Key_Right);
    QTest::keyClick(page.slider, Qt::Key_End);
    EXPECT_EQ(page.applied, (std::vector<int>{4, 9}));

    page.applied.clear();
    page.slider->setSliderDown(true);
    page.slider->triggerAction(QAbstractSlider::SliderMove);
    page.slider->setSliderPosition(2);
    page.slider->setSliderPosition(1);
    EXPECT_TRUE(page.applied.empty());
    page.slider->setSliderDown(false);
    EXPECT_EQ(page.applied, (std::vector<int>{1}));
    EXPECT_EQ(page.slider->pageStep(), 1);
}

// Ticks right under the thumb, clear of what the layout puts below.
TEST_F(PageControlsTest, SliderKeepsToTheTopOfItsPlace)
{
    ControlsPage page(context());
    EXPECT_EQ(page.slider->y(), 104);
    EXPECT_EQ(page.slider->height(), page.slider->sizeHint().height());
    EXPECT_LT(page.slider->height(), 42);
}

// The frame's top line runs through the middle of the title, not below it.
TEST_F(PageControlsTest, GroupBoxTitleSitsOnTheFrameLine)
{
    ControlsPage page(context());
    auto* group = GetDlgItemAs<QGroupBox>(&page, 1015);
    group->setTitle("Display");
    QImage drawn(group->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    group->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    int line = 0;
    while (line < drawn.height() && qAlpha(drawn.pixel(drawn.width() / 2, line)) == 0)
        ++line;
    const int titleHeight = group->fontMetrics().height();
    EXPECT_GE(line, titleHeight / 2 - 2);
    EXPECT_LE(line, titleHeight / 2 + 2);
}

// Painted rows of the widget: the first and the last.
std::pair<int, int> paintedRows(QWidget* widget)
{
    QImage drawn(widget->size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    widget->render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
    int first = -1;
    int last = -1;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (qAlpha(drawn.pixel(x, y)) != 0) {
                first = first < 0 ? y : first;
                last = y;
            }
    return {first, last};
}

// A short caption keeps to the middle of the box's height, clear of a list
// just above it.
TEST_F(PageControlsTest, MultiLineCheckBoxCentresItsCaptionInItsHeight)
{
    ControlsPage page(context());
    auto* box = GetDlgItemAs<WrappingCheckBox>(&page, 1009);
    box->setText("Random");
    const auto [top, bottom] = paintedRows(box);
    EXPECT_GT(top, 2);
    EXPECT_NEAR(top + bottom, box->height(), 3);
}

TEST_F(PageControlsTest, TooltipSliderMarksItsEndsAndShowsItsPlaceWhileDragged)
{
    QWidget window;
    auto* slider = qobject_cast<QSlider*>(
        DialogTemplate::CreateControl(&window, {1042, Kind::TooltipSlider, {15, 40, 200, 16}}));
    ASSERT_NE(slider, nullptr);
    slider->setRange(1, 100);
    EXPECT_EQ(slider->tickInterval(), 99);
    window.show();
    slider->setSliderDown(true);
    slider->setSliderPosition(42);
    EXPECT_EQ(QToolTip::text(), "42");
    slider->setSliderDown(false);
    EXPECT_TRUE(waitUntil([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(PageControlsTest, MultiLineCheckBoxWrapsAndTogglesAnywhereOnIt)
{
    ControlsPage page(context());
    page.show();
    auto* box = GetDlgItemAs<WrappingCheckBox>(&page, 1009);
    ASSERT_NE(box, nullptr);
    box->setText("Select random at startup, and a few more words");
    EXPECT_GE(box->sizeHint().height(), 2 * box->fontMetrics().height());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() - 2));
    EXPECT_TRUE(box->isChecked());
}

TEST_F(PageControlsTest, LinkControlKeepsLeadingBlanksAndReportsClicksOnItsLinkOnly)
{
    ControlsPage page(context());
    page.show();
    auto* link = GetDlgItemAs<LinkLabel>(&page, 1060);
    ASSERT_NE(link, nullptr);
    SetDlgItemText(&page, 1060, "   <A>Thanks & more</a>");
    EXPECT_EQ(GetDlgItemText(&page, 1060), "   <A>Thanks & more</a>");
    EXPECT_EQ(link->Links(), QStringList{"Thanks & more"});
    std::vector<int> clicked;
    QObject::connect(link, &LinkLabel::linkClicked, [&](int index) { clicked.push_back(index); });
    const QFontMetrics metrics = link->fontMetrics();
    const int blanks = metrics.horizontalAdvance(QStringLiteral("   "));
    const int y = metrics.height() / 2;
    // On the blanks nothing happens; on the words the link answers.
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(blanks / 2, y));
    EXPECT_TRUE(clicked.empty());
    QTest::mouseClick(link, Qt::LeftButton, {},
                      QPoint(blanks + metrics.horizontalAdvance(QStringLiteral("Tha")), y));
    EXPECT_EQ(clicked, std::vector<int>{0});

    // The link takes its colour from the control's palette.
    QPalette colours = link->palette();
    colours.setColor(QPalette::Link, Qt::red);
    link->setPalette(colours);
    const QImage shot = link->grab().toImage();
    int red = 0;
    for (int row = 0; row < shot.height(); ++row)
        for (int column = 0; column < shot.width(); ++column)
            red += shot.pixelColor(column, row) == QColor(Qt::red);
    EXPECT_GT(red, 20);
}

TEST_F(PageControlsTest, PictureFrameAndWrappingButton)
{
    ControlsPage page(context());
    page.show();
    // The picture goes inside the sunken edge, at its own size.
    auto* frame = GetDlgItemAs<QLabel>(&page, 1061);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->contentsRect(), frame->rect().adjusted(2, 2, -2, -2));
    EXPECT_FALSE(frame->hasScaledContents());

    auto* button = GetDlgItemAs<WrappingPushButton>(&page, 1049);
    ASSERT_NE(button, nullptr);
    // The settings window's font.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(10);
    page.setFont(font);
    button->setText("Перезапустить как администратор");
    // Wider than the button on one line, it fits in two.
    EXPECT_GT(button->fontMetrics().horizontalAdvance(button->text()), button->width());
    EXPECT_LE(button->sizeHint().height(), button->height());
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicked.count(), 1);
}

} // namespace
