#include "CNetworkInterfaceDlg.h"

#include "ComboChoice.h"
#include "DialogProfileKeys.h"
#include "ProfileValues.h"
#include "ProjectDialogIds.h"

#include <QComboBox>

namespace {

QStringList interfaceDescriptions(const HostInterfaceLister& lister)
{
    QList<std::shared_ptr<HostInterfaceEntry>> interfaces;
    if (lister)
        lister(interfaces);
    QStringList descriptions;
    for (const auto& entry : interfaces)
        descriptions.append(QString::fromUtf8(entry->description).trimmed());
    return descriptions;
}

} // namespace

CNetworkInterfaceDlg::CNetworkInterfaceDlg(QString currentInterface, QWidget* parent, HostInterfaceLister lister)
    : CDialogBase(kTemplateNetworkInterface, parent), current_(std::move(currentInterface)), lister_(std::move(lister))
{}

QString CNetworkInterfaceDlg::ReadStoredInterface()
{
    return ReadProfileString(kProfileGeneralSection, kProfileNetworkInterfaceKey);
}

bool CNetworkInterfaceDlg::StoreInterface(const QString& description)
{
    return WriteProfileValue(kProfileGeneralSection, kProfileNetworkInterfaceKey, description);
}

// The stored interface is matched ignoring case; one that is gone leaves the first preselected.
// Without any interface there is nothing to choose, and OK stays disabled so the stored choice
// is not overwritten by an empty one.
bool CNetworkInterfaceDlg::OnInitDialog()
{
    auto* combo = item<QComboBox>(kComboNetworkInterface);
    if (!combo)
        return false;
    combo->addItems(interfaceDescriptions(lister_));
    if (combo->count() > 0) {
        const int index = combo->findText(current_, Qt::MatchFixedString);
        combo->setCurrentIndex(index >= 0 ? index : 0);
    }
    combo->setEnabled(combo->count() > 0);
    enableItem(IDOK, HasInterfaces());
    return true;
}

bool CNetworkInterfaceDlg::HasInterfaces() const
{
    return HasComboChoice(item<QComboBox>(kComboNetworkInterface));
}

void CNetworkInterfaceDlg::OnOK()
{
    if (!HasInterfaces())
        return;
    chosen_ = itemText(kComboNetworkInterface);
    EndDialog(IDOK);
}
