#include "CAddDeviceDlg.h"

#include "CDataCenter.h"
#include "ComboChoice.h"
#include "DialogHelpers.h"
#include "MessageBoxService.h"
#include "NewProjectLists.h"
#include "ProjectDialogIds.h"
#include "TextFormat.h"

#include <QComboBox>

namespace {

constexpr int kNoSlot = 0;

} // namespace

CAddDeviceDlg::CAddDeviceDlg(const CDataCenter& model, QWidget* parent)
    : CDialogBase(kTemplateAddDevice, parent), layout_(SlotLayout::FromModel(model)),
      series4100_(model.IsSeries4100() != 0)
{}

bool CAddDeviceDlg::OnInitDialog()
{
    const char* key = series4100_ ? kNewModule4100Key : kNewModule4200Key;
    FillCombo(item<QComboBox>(kComboAddModule),
              ReadDefaultSettingsList(QLatin1String(kNewModuleSection), QLatin1String(key)));
    onChanged(kComboAddModule, [this] { OnModuleChanged(); });
    onChanged(kComboAddSlot, [this] { OnSlotChanged(); });
    OnModuleChanged();
    return true;
}

void CAddDeviceDlg::OnModuleChanged()
{
    module_ = itemText(kComboAddModule);
    FillSlots();
    UpdateOKState();
}

void CAddDeviceDlg::OnSlotChanged()
{
    slot_ = ComboSelectedData(item<QComboBox>(kComboAddSlot), kNoSlot);
    UpdateOKState();
}

void CAddDeviceDlg::FillSlots()
{
    QList<ComboEntry> entries;
    for (int slot : OfferedSlots(layout_, module_))
        entries.append({QString::number(slot), slot});
    auto* slotCombo = item<QComboBox>(kComboAddSlot);
    FillCombo(slotCombo, entries);
    slot_ = ComboSelectedData(slotCombo, kNoSlot);
    enableItem(kComboAddSlot, !entries.isEmpty());
}

bool CAddDeviceDlg::CanAdd() const
{
    return HasComboChoice(item<QComboBox>(kComboAddModule)) && slot_ > kNoSlot &&
           IsPlacementAllowed(layout_, module_, slot_);
}

void CAddDeviceDlg::UpdateOKState()
{
    enableItem(IDOK, CanAdd());
}

void CAddDeviceDlg::OnOK()
{
    if (CanAdd() && IsBelowSlotLimit())
        EndDialog(IDOK);
}

bool CAddDeviceDlg::IsBelowSlotLimit() const
{
    const QString key = SlotLimitKey(module_);
    const int limit = ReadSlotLimit(key);
    if (limit == 0 || CountModulesWithKey(layout_, key) < limit)
        return true;
    ShowMessageBox(FormatLangString(kStringSlotLimitReached, key, limit), MB_OK);
    return false;
}
