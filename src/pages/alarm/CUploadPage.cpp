#include "CUploadPage.h"

#include "PageConversions.h"

#include <QLineEdit>

using namespace DataLogUploadIds;

namespace {

constexpr int kServerLength = 255;

QString rangeText(const char* unit, const SettingTriple& range)
{
    const QString span = QStringLiteral("(%1-%2)").arg(range.minimum).arg(range.maximum);
    return unit ? QString::fromLatin1(unit) + ' ' + span : span;
}

} // namespace

CUploadPage::CUploadPage() : CEntryTab(kTemplate)
{
    using U = DATA_LOG_UPLOAD_SETTINGS;
    upload_.Bind(kEditServer, kLabelServer, &U::FTPServer, AsText{kServerLength})
        .Bind(kEditPort, kLabelPort, &U::Port, AsNumber{ranges_.PortValue})
        .Bind(kEditUser, kLabelUser, &U::Username, AsText{kAccountTextLength})
        .Bind(kEditPassword, kLabelUser, &U::Password, AsText{kAccountTextLength})
        .Bind(kEditConfirm, kLabelUser, &U::PasswordConfirm, AsText{kAccountTextLength})
        .Bind(kEditRetryCount, kLabelRetryCount, &U::ErrorHandlingRetry, AsNumber{ranges_.UploadTryValue})
        .Bind(kEditRetryDelay, kLabelRetryDelay, &U::ErrorHandlingDelay, AsNumber{ranges_.UploadTimeoutValue});
}

bool CUploadPage::OnInitDialog()
{
    setItemText(kRangePort, rangeText(nullptr, ranges_.PortValue));
    setItemText(kRangeRetryCount, rangeText("Time(s)", ranges_.UploadTryValue));
    setItemText(kRangeRetryDelay, rangeText("sec(s)", ranges_.UploadTimeoutValue));
    // The controller keeps ten characters of each; the edits take no more.
    for (int id : {kEditUser, kEditPassword, kEditConfirm}) {
        if (auto* edit = item<QLineEdit>(id))
            edit->setMaxLength(kAccountTextLength);
    }
    for (int id : {kEditFtpTriggerTag, kEditFtpStatusTag})
        enableItem(id, false);
    return true;
}

void CUploadPage::ShowEntry(const DATA_LOG_ITEM_SETTINGS& entry)
{
    upload_.Fill(*this, entry.Upload);
}

void CUploadPage::Gather(DATA_LOG_ITEM_SETTINGS& entry) const
{
    upload_.Store(*this, entry.Upload);
}

void CUploadPage::ShowTagNames(const QStringList& names)
{
    setItemText(kEditFtpTriggerTag, names.value(0));
    setItemText(kEditFtpStatusTag, names.value(1));
}
