#include "DecorationPageFixture.h"

#include "core/WrappingCheckBox.h"
#include "pages/CDlgTabLights.h"
#include "pages/CDlgTabSnow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QStyleOptionComboBox>

namespace {

class DecorationPageCaptionTest : public DecorationPageFixture,
                                  public ::testing::WithParamInterface<const char*> {
protected:
    // Every caption on the page and every choice of its lists, whole.
    static void expectCaptionsFit(const QWidget* page)
    {
        for (const QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            const std::string name = button->text().toStdString();
            if (qobject_cast<const WrappingCheckBox*>(button)) {
                EXPECT_LE(button->sizeHint().height(), button->height()) << name;
            } else if (qobject_cast<const QCheckBox*>(button) ||
                       qobject_cast<const QRadioButton*>(button)) {
                EXPECT_LE(button->sizeHint().width(), button->width()) << name;
            }
        }
        for (const QGroupBox* group : page->findChildren<QGroupBox*>())
            EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width())
                << group->title().toStdString();
        for (QComboBox* list : page->findChildren<QComboBox*>()) {
            QStyleOptionComboBox option;
            option.initFrom(list);
            option.editable = false;
            const int room = list->style()
                                 ->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, list)
                                 .width();
            for (int i = 0; i < list->count(); ++i)
                EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), room)
                    << list->itemText(i).toStdString();
        }
    }
};

TEST_P(DecorationPageCaptionTest, CaptionsAndChoicesFitTheirControls)
{
    installShippedLanguages();
    loadLanguage(GetParam());
    runWindow([&](CZelDlg& dlg) {
        for (QWidget* page :
             {static_cast<QWidget*>(dlg.m_pTabLights), static_cast<QWidget*>(dlg.m_pTabSnow)}) {
            showPage(dlg, page);
            expectCaptionsFit(page);
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Languages, DecorationPageCaptionTest,
                         ::testing::Values("English", "Russian", "German", "Polish", "French"),
                         [](const auto& testCase) { return std::string(testCase.param); });

} // namespace
