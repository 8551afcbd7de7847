#include "pages/CDlgTabAbout.h"

#include "core/COptions.h"
#include "core/DialogItems.h"
#include "core/LinkLabel.h"
#include "core/MakerSite.h"
#include "core/ProgramResources.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "vocabulary/PictureIds.h"

#include <QPainter>

namespace {

enum : int {
    IDC_STATIC_VERSION = 1032,
    IDC_LINK_SITE = 1035,
    IDC_LINK_CREDITS = 1060,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_STATIC_VERSION, Kind::CentredStatic, {7, 105, 299, 8}},
    {IDC_LINK_SITE, Kind::SysLink, {130, 153, 55, 14}},
    {IDC_LINK_CREDITS, Kind::SysLink, {94, 141, 125, 14}},
};

// The one text the layout itself carries: the maker's address as a link.
const QString kSiteLinkText = QStringLiteral("<A>varnel.example</A>");

constexpr unsigned kCreditsText = 76;

// The Russian words are shorter; the blanks bring them under the middle of
// the picture, where the longer words of the other languages reach.
const QString kRussianCreditsIndent = QString(19, QLatin1Char(' '));

// Links light enough to read on the night sky of the picture.
const QColor kLinkColour(0xa8, 0xd8, 0xff);

} // namespace

const CONTROL_TEXT CDlgTabAbout::ABOUT_TEXTS[1] = {{IDC_STATIC_VERSION, 0}};

CDlgTabAbout::CDlgTabAbout(const PageContext& context)
    : SettingsPage(context, 226, kWideTemplate, kControls)
{
}

CDlgTabAbout::~CDlgTabAbout() = default;

void CDlgTabAbout::DoDataExchange()
{
    m_linkSite = GetDlgItemAs<LinkLabel>(this, IDC_LINK_SITE);
    m_linkCredits = GetDlgItemAs<LinkLabel>(this, IDC_LINK_CREDITS);
    connect(m_linkSite, &LinkLabel::linkClicked, this, &CDlgTabAbout::OnSiteLinkClick);
    connect(m_linkCredits, &LinkLabel::linkClicked, this, &CDlgTabAbout::OnCreditsLinkClick);
}

bool CDlgTabAbout::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kAboutBackgroundPicture);
    m_pImageEmblem = LoadPngResource(kEmblemPicture);
    m_pImageTitle = LoadPngResource(kTitlePicture);
    SetDlgItemText(this, IDC_LINK_SITE, kSiteLinkText);
    // Every text of the page is white over its picture, the links a light
    // blue; none of the controls paints a background.
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Link, kLinkColour);
    colours.setColor(QPalette::LinkVisited, kLinkColour);
    for (int id : {IDC_STATIC_VERSION, IDC_LINK_SITE, IDC_LINK_CREDITS})
        GetDlgItem(this, id)->setPalette(colours);
    return true;
}

void CDlgTabAbout::RefreshTexts()
{
    SetControlTexts(ABOUT_TEXTS);
    const bool russian = m_context.options.Language == QLatin1String("Russian");
    SetDlgItemText(this, IDC_LINK_CREDITS,
                   (russian ? kRussianCreditsIndent : QString()) + QStringLiteral("<A>") +
                       Text(kCreditsText) + QStringLiteral("</A>"));
}

void CDlgTabAbout::OnSiteLinkClick()
{
    m_context.services.shell->open(MakerHomeAddress(m_context.options.Language));
}

void CDlgTabAbout::OnCreditsLinkClick()
{
    QString path = m_context.services.system->programPath();
    // The folder of the program; a bare name has none.
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    path.truncate(std::max<qsizetype>(slash, 0));
    const bool russian = m_context.options.Language == QLatin1String("Russian");
    path += russian ? QStringLiteral("/credits_ru.html") : QStringLiteral("/credits_en.html");
    m_context.services.shell->open(path);
}

void CDlgTabAbout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pImageBack)
        painter.drawImage(QPoint(0, 0), *m_pImageBack);
    if (m_pImageEmblem)
        painter.drawImage(QPoint(172, 8), *m_pImageEmblem);
    if (m_pImageTitle)
        painter.drawImage(QPoint(108, 120), *m_pImageTitle);
}
