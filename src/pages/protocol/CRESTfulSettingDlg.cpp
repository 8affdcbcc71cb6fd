#include "CRESTfulSettingDlg.h"

#include "CDataCenter.h"

using namespace RestfulPage;

CRESTfulSettingDlg::CRESTfulSettingDlg(IPageHost* host) : CSettingsPage(kTemplate, host, kButtonApply)
{
    Bindings().Bind(kCheckEnable, QString(), &RestfulRecord::Enable, AsCheck{});
}

bool CRESTfulSettingDlg::OnInitDialog()
{
    return LayoutListPage({});
}

RestfulRecord CRESTfulSettingDlg::ReadRecord(const CDataCenter& model) const
{
    return {model.RESTfulEnable != 0 ? 1 : 0};
}

void CRESTfulSettingDlg::WriteRecord(CDataCenter& model, const RestfulRecord& record)
{
    model.SetRESTfulEnable(record.Enable);
}
