#include "CAboutDlg.h"

#include "CFileVersionInfo.h"
#include "CHyperlinkStatic.h"
#include "MainFormIds.h"
#include "TextFormat.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

constexpr QStringView kTwoPartVersionFormat = u"%d.%d Build %s ";
constexpr QStringView kThreePartVersionFormat = u"%d.%d.%d Build %s ";
constexpr const char* kBuildStampFormat = "yyMMddHH";
constexpr quint32 kThirdPartLimit = 0x10000;

quint32 highWord(quint32 value)
{
    return value >> 16;
}

quint32 lowWord(quint32 value)
{
    return value & 0xFFFF;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : CDialogBase(kTemplateAbout, parent)
{}

QString CAboutDlg::FormatVersionText(const FixedFileInfo& version, const QString& buildStamp)
{
    const quint32 ms = version.fileVersionMS;
    const quint32 ls = version.fileVersionLS;
    if (ls < kThirdPartLimit)
        return FormatText(kTwoPartVersionFormat, {highWord(ms), lowWord(ms), buildStamp});
    return FormatText(kThreePartVersionFormat, {highWord(ms), lowWord(ms), highWord(ls), buildStamp});
}

QString CAboutDlg::FormatBuildStamp(const QDateTime& time)
{
    return time.toString(QLatin1String(kBuildStampFormat));
}

QString CAboutDlg::ProgramVersionText(const QString& path)
{
    CFileVersionInfo info;
    if (!info.Create(path))
        return {};
    return FormatVersionText(info.fixedInfo(), FormatBuildStamp(QFileInfo(path).lastModified()));
}

bool CAboutDlg::OnInitDialog()
{
    setItemText(kStaticAboutVersion, ProgramVersionText(QCoreApplication::applicationFilePath()));
    if (auto* link = item<CHyperlinkStatic>(kLinkAboutSupport))
        link->SetMailLink(QLatin1String(kSupportMailAddress));
    return true;
}
