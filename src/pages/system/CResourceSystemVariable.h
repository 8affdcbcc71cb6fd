#pragma once
// The read-only list of system variables: the controller's own (channel type 1013) or the system
// registers of the slot whose node is selected (1015). The pane makes one page per type.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "ModuleRecords.h"
#include "TypeIds.h"

struct PropertyPageKind;

namespace SystemVariableIds {
inline constexpr unsigned kTemplate = 202;
inline constexpr ControlId kListVariables{3043, ControlType::List};
inline constexpr ControlId kStaticBelowList{3047, ControlType::Static};
inline constexpr ControlId kControls[] = {kListVariables, kStaticBelowList};
inline constexpr unsigned kStringNameHeader = 366;
inline constexpr unsigned kStringTagNameHeader = 369;
} // namespace SystemVariableIds

class CResourceSystemVariable : public CPropertyUIDialog {
    Q_OBJECT
public:
    explicit CResourceSystemVariable(IPageHost* host);
    CResourceSystemVariable(const PropertyPageKind& kind, IPageHost* host);

    void SetChannelTypeId(int channelTypeId) { channelTypeId_ = channelTypeId; }
    int GetChannelTypeId() const { return channelTypeId_; }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void ShowSystemVariables();
    void ShowSlotRegisters();
    void ShowDefinitions(const std::vector<TagDefinition>& definitions);

    int channelTypeId_ = ChannelType::SystemVariables;
    ResourceGroupRecord systemVariables_;
    ResourceGroupRecord slotRegisters_;
};
