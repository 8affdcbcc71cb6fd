#include "CDeviceInfoDlg.h"

#include "CDataCenter.h"

#include <QLineEdit>

using namespace DeviceInfoIds;

CDeviceInfoDlg::CDeviceInfoDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

bool CDeviceInfoDlg::OnInitDialog()
{
    for (int id : {kEditModuleName.id, kEditModuleLocation.id}) {
        if (auto* edit = item<QLineEdit>(id))
            edit->setMaxLength(kTextLimit);
        OnUserChange(id, [this] { enableItem(kButtonApply, true); });
    }
    onClicked(kButtonApply, [this] { OnApply(); });
    return true;
}

void CDeviceInfoDlg::OnPageShown()
{
    if (CDataCenter* model = GetDataCenter()) {
        BusyGuard busy(Busy());
        const ModuleInfoPair info = model->GetModuleInfo();
        setItemText(kEditModuleName, info.ModName);
        setItemText(kEditModuleLocation, info.ModLocation);
    }
    enableItem(kButtonApply, false);
}

void CDeviceInfoDlg::OnApply()
{
    enableItem(kButtonApply, false);
    if (CDataCenter* model = GetDataCenter())
        model->SetModuleInfo({itemText(kEditModuleName), itemText(kEditModuleLocation)});
}
