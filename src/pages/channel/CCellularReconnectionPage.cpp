#include "CCellularReconnectionPage.h"

#include "ICellularTabHost.h"
#include "IniFile.h"
#include "TextConversion.h"
#include "TextFormat.h"

#include <QLineEdit>

using namespace CellularReconnectionTab;

namespace {

const QString kRetryKey = QStringLiteral("PINGCheckRetryInterval");
const QString kIntervalRangeFormat = QStringLiteral("sec(s) (%d-%d)");
const QString kIPURLSection = QStringLiteral("IPURLCtrl");
const QString kMaxLengthKey = QStringLiteral("MaxLength");
constexpr int kDefaultAddressLength = 500;
const QList<int> kFollowers = {kLabelAddress, kEditAddress,        kLabelAddressHint, kLabelInterval,
                               kEditInterval, kLabelIntervalRange, kLabelIntervalHint};

} // namespace

CCellularReconnectionPage::CCellularReconnectionPage(ICellularTabHost& host) : CEntryTab(kTemplate), host_(host)
{
    CELLULAR_SETTINGS defaults;
    defaults.GetCellularDefault(kRetryKey, retryRange_);
}

bool CCellularReconnectionPage::OnInitDialog()
{
    const QString path = GetDefaultSettingsPath();
    const int length = path.isEmpty() ? kDefaultAddressLength
                                      : GetPrivateProfileInt(kIPURLSection, kMaxLengthKey, kDefaultAddressLength, path);
    if (auto* address = item<QLineEdit>(kEditAddress))
        address->setMaxLength(length);
    setItemText(kLabelIntervalRange, FormatText(kIntervalRangeFormat, {retryRange_.minimum, retryRange_.maximum}));
    onClicked(kCheckEnable, [this] {
        host_.NotifyTabChange();
        enableByCheckBox();
    });
    for (int id : {int(kEditAddress), int(kEditInterval)})
        if (auto* edit = item<QLineEdit>(id))
            QObject::connect(edit, &QLineEdit::textEdited, this, [this] { host_.NotifyTabChange(); });
    return true;
}

void CCellularReconnectionPage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    enableByCheckBox();
}

void CCellularReconnectionPage::enableByCheckBox()
{
    const bool enabled = isItemChecked(kCheckEnable);
    for (int id : kFollowers)
        enableItem(id, enabled);
}

void CCellularReconnectionPage::SetFields(int enabled, const CELLULAR_SETTINGS& fields)
{
    setItemText(kEditInterval, QString::number(fields.AutoCheckInterval));
    setItemText(kEditAddress, fields.AutoCheckHostname);
    checkItem(kCheckEnable, enabled != 0);
    enableByCheckBox();
}

void CCellularReconnectionPage::GetFields(CELLULAR_SETTINGS& fields) const
{
    fields.AutoCheckInterval = qint32(ParseULongText(itemText(kEditInterval), 10));
    fields.AutoCheckHostname = itemText(kEditAddress);
    fields.AutoCheckEnable = isItemChecked(kCheckEnable) ? 1 : 0;
}
