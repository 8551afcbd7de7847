#include "SettingsWindowFixture.h"

#include "core/DialogItems.h"
#include "core/WrappingCheckBox.h"
#include "core/WrappingPushButton.h"
#include "pages/SettingsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

namespace {

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {1003, Kind::DropDownList, {13, 43, 170, 30}},
    {1008, Kind::Slider, {199, 64, 100, 26}},
    {1009, Kind::MultiLineCheckBox, {202, 104, 100, 20}},
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
