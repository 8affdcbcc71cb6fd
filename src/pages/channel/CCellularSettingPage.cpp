#include "CCellularSettingPage.h"

#include "ChannelRules.h"
#include "ICellularTabHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

using namespace CellularSettingTab;

namespace {

const QString kSection = QStringLiteral("Cellular");
const QString kBandKey = QStringLiteral("Band");

} // namespace

CCellularSettingPage::CCellularSettingPage(ICellularTabHost& host)
    : CEntryTab(kTemplate), host_(host), modelKey_(host.GetModelKey())
{}

bool CCellularSettingPage::OnInitDialog()
{
    for (int id : {int(kEditUserName), int(kEditPassword), int(kEditPasswordAgain), int(kEditSimPin), int(kEditApn)})
        if (auto* edit = item<QLineEdit>(id))
            QObject::connect(edit, &QLineEdit::textEdited, this, [this] { host_.NotifyTabChange(); });
    if (auto* band = item<QComboBox>(kComboBand))
        QObject::connect(band, &QComboBox::currentIndexChanged, this, [this] {
            if (!filling_)
                host_.NotifyTabChange();
        });
    onClicked(kCheckEnable, [this] { host_.NotifyTabChange(); });
    return true;
}

void CCellularSettingPage::showEvent(QShowEvent* event)
{
    CEntryTab::showEvent(event);
    // The band list follows the module model in the slot; it is read on the first show as well.
    const QString key = host_.GetModelKey();
    if (bandsLoaded_ && key == modelKey_)
        return;
    modelKey_ = key;
    loadBands();
}

void CCellularSettingPage::loadBands()
{
    if (GetDefaultSettingsPath().isEmpty())
        return;
    const QScopedValueRollback filling(filling_, true);
    auto* band = item<QComboBox>(kComboBand);
    band->clear();
    band->addItems(ChannelRules::ReadModelKeyed(kSection, kBandKey, modelKey_).split(QLatin1Char(',')));
    band->setCurrentIndex(0);
    bandsLoaded_ = true;
}

void CCellularSettingPage::SetFields(const CellularConfig& fields)
{
    checkItem(kCheckEnable, fields.Enable != 0);
    setItemText(kEditUserName, fields.UserName);
    setItemText(kEditPassword, fields.Password);
    setItemText(kEditPasswordAgain, fields.Password);
    setItemText(kEditSimPin, fields.SimPin);
    setItemText(kEditApn, fields.APN);
    if (!bandsLoaded_)
        loadBands();
    const QScopedValueRollback filling(filling_, true);
    item<QComboBox>(kComboBand)->setCurrentIndex(fields.Band);
}

void CCellularSettingPage::GetFields(CellularConfig& fields) const
{
    fields.Enable = isItemChecked(kCheckEnable) ? 1 : 0;
    fields.UserName = itemText(kEditUserName);
    fields.Password = itemText(kEditPassword);
    fields.SimPin = itemText(kEditSimPin);
    fields.APN = itemText(kEditApn);
    fields.Band = item<QComboBox>(kComboBand)->currentIndex();
}

QString CCellularSettingPage::GetSecondEntry() const
{
    return itemText(kEditPasswordAgain);
}
