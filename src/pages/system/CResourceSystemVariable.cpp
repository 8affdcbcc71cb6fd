#include "CResourceSystemVariable.h"

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "ColumnWidthFit.h"
#include "LanguagePack.h"
#include "ListRows.h"
#include "PropertyPageKind.h"

using namespace SystemVariableIds;

CResourceSystemVariable::CResourceSystemVariable(IPageHost* host) : CPropertyUIDialog(kTemplate, host)
{}

CResourceSystemVariable::CResourceSystemVariable(const PropertyPageKind& kind, IPageHost* host)
    : CResourceSystemVariable(host)
{
    if (kind.channelTypeId != 0)
        SetChannelTypeId(kind.channelTypeId);
}

bool CResourceSystemVariable::OnInitDialog()
{
    LayoutListPage({.list = kListVariables, .leftButton = kStaticBelowList});
    if (auto* list = item<CListCtrlEx>(kListVariables)) {
        list->InsertColumn(0, LoadLangString(kStringNameHeader), 0);
        list->InsertColumn(1, LoadLangString(kStringTagNameHeader), 0);
        FitColumnsToWidth(*list, {{.share = 1}, {.share = 1}}); // half the list's width each
    }
    return true;
}

void CResourceSystemVariable::OnPageShown()
{
    if (channelTypeId_ == ChannelType::SystemVariables)
        ShowSystemVariables();
    else
        ShowSlotRegisters();
    SelectFirstListItem(kListVariables);
}

void CResourceSystemVariable::ShowSystemVariables()
{
    if (const CDataCenter* model = GetDataCenter())
        systemVariables_ = model->GetSystemVariables();
    ShowDefinitions(systemVariables_.TagDefinitions);
}

void CResourceSystemVariable::ShowSlotRegisters()
{
    // A slot without registers shows nothing, not the registers of the slot shown before.
    slotRegisters_ = {};
    if (const CDataCenter* model = GetDataCenter())
        model->GetSlotSystemRegister(slotRegisters_, GetNodeInfo().slotIndex);
    ShowDefinitions(slotRegisters_.TagDefinitions);
}

void CResourceSystemVariable::ShowDefinitions(const std::vector<TagDefinition>& definitions)
{
    auto* list = item<CListCtrlEx>(kListVariables);
    if (!list)
        return;
    list->DeleteAllItems();
    for (const TagDefinition& definition : definitions) {
        const int row = list->InsertItem(list->GetItemCount(), definition.Name);
        list->SetItemText(row, 1, definition.BoundTagName);
    }
}
