#include "CFunctionListDlg.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "LanguagePack.h"

using namespace FunctionListIds;

CFunctionListDlg::CFunctionListDlg(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

void CFunctionListDlg::OnPageShown()
{
    auto* list = item<CListCtrlEx>(kListServices);
    if (!list)
        return;
    // The page is shown again and again: rows and columns are made anew each time.
    list->DeleteAllItems();
    ResetColumns(*list);
    if (GetNodeInfo().formId == kFunctionListFormId)
        FillServices(*list);
    SelectFirstListItem(kListServices);
}

void CFunctionListDlg::ResetColumns(CListCtrlEx& list) const
{
    list.DeleteAllColumns();
    list.InsertColumn(0, GetNodeInfo().shownText, kFirstColumnWidth);
    list.InsertColumn(1, LoadLangString(kStringNameHeader), std::max(0, list.viewport()->width() - kFirstColumnWidth));
}

void CFunctionListDlg::FillServices(CListCtrlEx& list)
{
    const CDataCenter* model = GetDataCenter();
    if (!model)
        return;
    services_ = model->GetServiceList();
    for (const ServiceRecord& service : services_) {
        if (service.Present == 0)
            continue;
        TagDefinition definition;
        const QString alias =
            model->GetServiceTagList(service.ServiceId, definition) ? definition.BoundTagName : QString();
        const int row = list.InsertItem(list.GetItemCount(), service.ServiceText2);
        list.SetItemText(row, 1, alias);
        list.SetItemData(row, static_cast<quint32>(service.ServiceId));
    }
}
