#include "pages/SettingsPage.h"

#include "core/COptions.h"
#include "core/CTranslate.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/DialogUnits.h"
#include "core/MakerSite.h"
#include "vocabulary/PictureIds.h"

#include <QKeyEvent>

SettingsPage::SettingsPage(const PageContext& context, unsigned templateId, QSize sizeInDialogUnits,
                           std::span<const DialogControl> controls)
    : m_context(context), m_nTemplateId(templateId), m_sizeInDialogUnits(sizeInDialogUnits),
      m_controls(controls)
{
}

SettingsPage::~SettingsPage() = default;

bool SettingsPage::Create(QWidget* parent)
{
    if (m_bCreated)
        return true;
    setParent(parent);
    setFixedSize(DialogUnits::ToPixels(m_sizeInDialogUnits));
    DialogTemplate::CreateControls(this, m_controls);
    m_bCreated = true;
    OnInitDialog();
    return true;
}

bool SettingsPage::OnInitDialog()
{
    DoDataExchange();
    return true;
}

void SettingsPage::SetControlTexts(std::span<const CONTROL_TEXT> table)
{
    for (const CONTROL_TEXT& row : table)
        SetDlgItemText(this, row.controlId, Text(row.textId));
}

void SettingsPage::InitHelpButton(CxSkinButton* button)
{
    button->SetBitmaps(kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonBitmap, kHelpButtonMask);
    // In pixels: the page pictures keep that corner free for it.
    button->move(450, 3);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &CxSkinButton::clicked, this, &SettingsPage::OnHelpClicked);
}

void SettingsPage::RefreshHelpButton(CxSkinButton* button)
{
    button->SetTooltip(Text(43));
    button->hide();
    button->show();
}

void SettingsPage::OnHelpClicked()
{
    OpenHelpPage(*m_context.services.shell, m_context.options.Language);
}

void SettingsPage::SettingsChanged() const
{
    if (m_context.settingsChanged)
        m_context.settingsChanged();
}

const QString& SettingsPage::Text(unsigned id) const
{
    return m_context.translate.m_arrText.at(id);
}

void SettingsPage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        OnCancel();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
