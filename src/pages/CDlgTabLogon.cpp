#include "pages/CDlgTabLogon.h"

#include "core/COptions.h"
#include "core/CxSkinButton.h"
#include "core/DialogItems.h"
#include "core/ProgramResources.h"
#include "core/WindowsVersion.h"
#include "pages/CoverFit.h"
#include "pages/JpegQuality.h"
#include "platform/Desktop.h"
#include "platform/FolderOwner.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/SingleInstanceLock.h"
#include "platform/SystemInfo.h"
#include "vocabulary/LogonPictures.h"
#include "vocabulary/PictureIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

enum : int {
    IDC_CHECK_ENABLE = 1006,
    IDC_BUTTON_HELP = 1038,
    IDC_BUTTON_RESTART = 1049,
    IDC_STATIC_PREVIEW = 1061,
    IDC_STATIC_IMAGE = 1062,
    IDC_COMBO_IMAGE = 1063,
    IDC_STATIC_NOTE = 1064,
    IDC_GROUP_NOTE = 1065,
    IDC_STATIC_ENABLE = 1074,
};

using Kind = DialogControl::Kind;

const DialogControl kControls[] = {
    {IDC_CHECK_ENABLE, Kind::CheckBox, {51, 22, 9, 9}},
    {IDC_STATIC_ENABLE, Kind::Static, {63, 23, 60, 8}},
    {IDC_STATIC_IMAGE, Kind::RightStatic, {7, 47, 46, 8}},
    {IDC_COMBO_IMAGE, Kind::DropDownList, {58, 45, 60, 30}},
    {IDC_STATIC_PREVIEW, Kind::PictureStatic, {146, 39, 160, 90}},
    {IDC_GROUP_NOTE, Kind::GroupBox, {9, 71, 130, 84}},
    {IDC_STATIC_NOTE, Kind::CentredStatic, {15, 80, 118, 32}},
    {IDC_BUTTON_RESTART, Kind::MultiLinePushButton, {35, 118, 80, 28}},
    {IDC_BUTTON_HELP, Kind::SkinButton, {296, 3, 15, 14}},
};

// The file and path names were built in buffers of this many characters,
// terminator included; a longer one names no file of the program's.
constexpr qsizetype kMaxPath = 260;

// Windows 7 refuses a logon background of this size or more.
constexpr qint64 kMaxWin7BackgroundBytes = 256000;

const QString kBitmapNameXP = QStringLiteral("backgroundDefault.bmp");
const QString kDesktopKeyXP = QStringLiteral(".DEFAULT\\Control Panel\\Desktop");
const QString kWallpaperValueXP = QStringLiteral("wallpaper");
const QString kBackgroundsFolderWin7 = QStringLiteral("/System32/oobe/info/backgrounds");
const QString kJpegNameWin7 = QStringLiteral("backgroundDefault.jpg");
const QString kBackgroundKeyWin7 = QStringLiteral(
    "Software\\Microsoft\\Windows\\CurrentVersion\\Authentication\\LogonUI\\Background");
const QString kOemBackgroundValueWin7 = QStringLiteral("OEMBackground");
// Where the XP background goes when the folder beside the program is closed
// to writing, inside the emulated Windows folder.
const QString kEmulatedLogonFolderXP = QStringLiteral("/Yulavin/logon");

using platform::Registry;

// The program is a native 64-bit one: there is no 32-bit view of the files
// or the registry to step out of, so the WOW64 test answers "native" and the
// switches below do nothing.
bool IsWow64()
{
    return false;
}

// Switches the file-system redirection of a 32-bit program off for this
// thread; false, and nothing done, in a native program.
bool DisableFsRedirection(void** ppOldValue)
{
    *ppOldValue = nullptr;
    return false;
}

bool RevertFsRedirection(void*)
{
    return false;
}

// The 64-bit registry view from a 32-bit program; false, and nothing done,
// in a native program.
bool RegSetValue64(Registry& registry, Registry::Root root, const QString& key, const QString& name,
                   const Registry::Value& value)
{
    if (!IsWow64())
        return false;
    return registry.set(root, key, name, value, true, Registry::View::Wow64_64) ==
           Registry::Result::Ok;
}

bool RegDeleteValue64(Registry& registry, Registry::Root root, const QString& key,
                      const QString& name)
{
    if (!IsWow64())
        return false;
    return registry.remove(root, key, name, Registry::View::Wow64_64) == Registry::Result::Ok;
}

// The text of a path before its last separator; empty when it has none.
QString FolderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash);
}

// Whether a stored picture name can only name a file of the logon folder.
bool IsPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String("..")) &&
           !name.contains(QChar(u'\0'));
}

// Whether the program may write into the folder. The owner's write bit
// counts as well as the rights: an administrator who closed the program's
// folder to writing meant it, and root passes every other test.
bool IsWritableFolder(const QString& folder)
{
    struct stat info {};
    const QByteArray name = QFile::encodeName(folder);
    return ::stat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           (info.st_mode & S_IWUSR) && ::access(name.constData(), W_OK) == 0;
}

} // namespace

const CONTROL_TEXT CDlgTabLogon::LOGON_TEXTS[4] = {
    {IDC_STATIC_ENABLE, 13},
    {IDC_STATIC_IMAGE, 78},
    {IDC_STATIC_NOTE, 91},
    {IDC_BUTTON_RESTART, 92},
};

CDlgTabLogon::CDlgTabLogon(const PageContext& context, platform::SingleInstanceLock* instanceLock)
    : SettingsPage(context, 308, kWideTemplate, kControls), m_saveJpegQuality(SaveJpegQuality),
      m_pInstanceLock(instanceLock)
{
}

CDlgTabLogon::~CDlgTabLogon() = default;

void CDlgTabLogon::DoDataExchange()
{
    m_btnHelp = GetDlgItemAs<CxSkinButton>(this, IDC_BUTTON_HELP);
    m_staticPreview = GetDlgItemAs<QLabel>(this, IDC_STATIC_PREVIEW);
    m_comboImage = GetDlgItemAs<QComboBox>(this, IDC_COMBO_IMAGE);
    m_checkEnable = GetDlgItemAs<QCheckBox>(this, IDC_CHECK_ENABLE);
    m_staticNote = GetDlgItemAs<QLabel>(this, IDC_STATIC_NOTE);
    // The user's picks only: filling the list from code must not count as one.
    connect(m_comboImage, &QComboBox::activated, this, &CDlgTabLogon::OnImageSelChange);
    connect(m_checkEnable, &QCheckBox::clicked, this, &CDlgTabLogon::OnEnableClicked);
    if (auto* restart = GetDlgItemAs<QPushButton>(this, IDC_BUTTON_RESTART))
        connect(restart, &QPushButton::clicked, this, &CDlgTabLogon::OnRestartAsAdmin);
    AlignLabelWithList(IDC_STATIC_IMAGE, m_comboImage, Qt::AlignRight);
}

bool CDlgTabLogon::OnInitDialog()
{
    SettingsPage::OnInitDialog();
    m_pImageBack = LoadPngResource(kLogonPagePicture);
    InitHelpButton(m_btnHelp);
    m_checkEnable->setChecked(m_context.options.fLogon);
    // The note speaks to a user who cannot install: red, as a warning.
    QPalette note = m_staticNote->palette();
    note.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_staticNote->setPalette(note);
    if (IsRunAsAdmin()) {
        ShowDlgItem(this, IDC_GROUP_NOTE, false);
        ShowDlgItem(this, IDC_STATIC_NOTE, false);
        ShowDlgItem(this, IDC_BUTTON_RESTART, false);
    } else {
        m_checkEnable->setEnabled(false);
    }
    return true;
}

void CDlgTabLogon::RefreshTexts()
{
    SetControlTexts(LOGON_TEXTS);
    std::vector<KeyedListItem> items;
    for (const LogonPicture& picture : kLogonPictures)
        items.push_back({Text(picture.textId), QLatin1String(picture.name)});
    FillKeyedList(m_comboImage, items, m_context.options.LogonImage, false);
    ShowPreview(PreviewPath(m_context.options.LogonImage));
    RefreshHelpButton(m_btnHelp);
}

QString CDlgTabLogon::SelectedName() const
{
    return SelectedKey(m_comboImage);
}

void CDlgTabLogon::OnEnableClicked()
{
    const QString picture = PicturePath(SelectedName());
    COptions& options = m_context.options;
    if (m_checkEnable->isChecked()) {
        // With no picture chosen there is nothing to install; the next pick
        // installs its picture, as the box is on.
        if (!picture.isEmpty())
            ApplyLogonImage(picture, true);
        options.fLogon = true;
    } else {
        // Removing needs only the folder, so it works without a choice too.
        ApplyLogonImage(picture.isEmpty() ? LogonFolder() + QLatin1Char('/') : picture, false);
        options.fLogon = false;
    }
    SettingsChanged();
}

void CDlgTabLogon::OnImageSelChange()
{
    const QString name = SelectedName();
    ShowPreview(PreviewPath(name));
    if (m_context.options.fLogon && IsRunAsAdmin()) {
        const QString picture = PicturePath(name);
        if (!picture.isEmpty())
            ApplyLogonImage(picture, true);
    }
    // Without administrator rights the choice is only looked at, not kept.
    if (IsRunAsAdmin()) {
        m_context.options.LogonImage = name;
        SettingsChanged();
    }
}

void CDlgTabLogon::ShowPreview(const QString& path)
{
    const QImage picture(path);
    if (picture.isNull())
        return;
    const QSize size = m_staticPreview->contentsRect().size();
    const QImage preview = RenderCoverFit(picture, size);
    if (preview.isNull())
        return;
    m_staticPreview->setPixmap(QPixmap::fromImage(preview));
    m_staticPreview->update();
}

bool CDlgTabLogon::IsRunAsAdmin()
{
    return m_context.services.system->isAdministrator();
}

void CDlgTabLogon::OnRestartAsAdmin()
{
    m_context.options.Save();
    if (m_pInstanceLock)
        m_pInstanceLock->release();
    const QString program = m_context.services.system->programPath();
    if (!program.isEmpty()) {
        // While polkit asks, the page keeps showing; a second click must not
        // ask twice.
        QWidget* restart = GetDlgItem(this, IDC_BUTTON_RESTART);
        if (restart)
            restart->setEnabled(false);
        const bool started = m_context.services.shell->runElevated(program);
        if (started)
            m_context.services.system->exitNow(1);
        if (restart)
            restart->setEnabled(true);
    }
    // No new copy runs, so this one holds the lock again: a copy started later
    // must still find it running.
    if (m_pInstanceLock)
        m_pInstanceLock->retake();
}

void CDlgTabLogon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_pImageBack)
        painter.drawImage(QPoint(0, 0), *m_pImageBack);
}

QString CDlgTabLogon::LogonFolder() const
{
    return QFileInfo(m_context.services.system->programPath()).path() + QStringLiteral("/logon");
}

QString CDlgTabLogon::PicturePath(const QString& name) const
{
    if (!IsPlainName(name))
        return {};
    const QString path = LogonFolder() + QLatin1Char('/') + name + QStringLiteral(".jpg");
    return path.size() < kMaxPath ? path : QString();
}

QString CDlgTabLogon::PreviewPath(const QString& name) const
{
    if (!IsPlainName(name))
        return {};
    const QString path = LogonFolder() + QLatin1Char('/') + name + QStringLiteral("_preview.jpg");
    return path.size() < kMaxPath ? path : QString();
}

QString CDlgTabLogon::BitmapPathXP(const QString& pictureFolder) const
{
    if (IsWritableFolder(pictureFolder))
        return pictureFolder + QLatin1Char('/') + kBitmapNameXP;
    return m_context.services.system->expandEnvironment(QStringLiteral("%windir%")) +
           kEmulatedLogonFolderXP + QLatin1Char('/') + kBitmapNameXP;
}

QString CDlgTabLogon::JpegPathWin7() const
{
    return m_context.services.system->expandEnvironment(QStringLiteral("%windir%")) +
           kBackgroundsFolderWin7 + QLatin1Char('/') + kJpegNameWin7;
}

void CDlgTabLogon::ApplyLogonImage(const QString& strPath, bool bEnable)
{
    // Whatever the path, no file outside the program's logon folder and the
    // emulated Windows folder is ever written or removed.
    if (FolderOf(strPath) != LogonFolder())
        return;
    platform::SystemInfo& system = *m_context.services.system;
    if (IsWindowsVersionOrGreater(system, 5, 1) && !IsWindowsVersionOrGreater(system, 6, 0))
        ApplyLogonImageXP(strPath, bEnable);
    else if (IsWindowsVersionOrGreater(system, 6, 0) && !IsWindowsVersionOrGreater(system, 6, 2))
        ApplyLogonImageWin7(strPath, bEnable);
}

bool CDlgTabLogon::RenderToScreenSize(const QString& picture, const QString& output)
{
    const QImage image(picture);
    if (image.isNull())
        return false;
    const QImage frame = RenderCoverFit(image, m_context.services.desktop->primaryScreenSize());
    if (frame.isNull() || !frame.save(output))
        return false;
    platform::FolderOwner::HandOver(output);
    return true;
}

void CDlgTabLogon::ApplyLogonImageXP(const QString& strPath, bool bEnable)
{
    Registry& registry = *m_context.services.registry;
    const QString output = BitmapPathXP(FolderOf(strPath));
    void* pOldValue = nullptr;
    if (bEnable) {
        DisableFsRedirection(&pOldValue);
        platform::FolderOwner::MakePath(FolderOf(output));
        RenderToScreenSize(strPath, output);
        RevertFsRedirection(pOldValue);
        // Set whether or not the picture could be read.
        if (IsWow64())
            RegSetValue64(registry, Registry::Root::Users, kDesktopKeyXP, kWallpaperValueXP,
                          output);
        else
            registry.set(Registry::Root::Users, kDesktopKeyXP, kWallpaperValueXP, output, true);
    } else {
        DisableFsRedirection(&pOldValue);
        QFile::remove(output);
        RevertFsRedirection(pOldValue);
        if (IsWow64())
            RegDeleteValue64(registry, Registry::Root::Users, kDesktopKeyXP, kWallpaperValueXP);
        else
            registry.remove(Registry::Root::Users, kDesktopKeyXP, kWallpaperValueXP);
    }
}

void CDlgTabLogon::ApplyLogonImageWin7(const QString& strPath, bool bEnable)
{
    Registry& registry = *m_context.services.registry;
    void* pOldValue = nullptr;
    DisableFsRedirection(&pOldValue);
    const QString output = JpegPathWin7();
    platform::FolderOwner::MakePath(FolderOf(output));
    if (bEnable) {
        if (RenderToScreenSize(strPath, output)) {
            // Each pass starts from the file the last one left, a step lower,
            // down to quality 0; a file still too large then stays as it is.
            uint32_t nQuality = 100;
            for (;;) {
                QFile file(output);
                if (!file.open(QIODevice::ReadOnly))
                    break;
                const qint64 size = file.size();
                file.close();
                if (size < kMaxWin7BackgroundBytes || nQuality == 0)
                    break;
                nQuality -= 5;
                m_saveJpegQuality(output, nQuality);
            }
        }
        // Set whether or not the picture could be read.
        if (IsWow64())
            RegSetValue64(registry, Registry::Root::LocalMachine, kBackgroundKeyWin7,
                          kOemBackgroundValueWin7, uint32_t{1});
        else
            registry.set(Registry::Root::LocalMachine, kBackgroundKeyWin7, kOemBackgroundValueWin7,
                         uint32_t{1}, true);
    } else {
        QFile::remove(output);
        if (IsWow64())
            RegDeleteValue64(registry, Registry::Root::LocalMachine, kBackgroundKeyWin7,
                             kOemBackgroundValueWin7);
        else
            registry.remove(Registry::Root::LocalMachine, kBackgroundKeyWin7,
                            kOemBackgroundValueWin7);
    }
    RevertFsRedirection(pOldValue);
}
