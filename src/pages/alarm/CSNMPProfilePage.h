#pragma once
// The "Profile" tab of the SNMP-trap alarm page (template 809): the trap's name, SNMP version,
// specific trap, two hosts with their communities, and the message with its tags and device
// variables. It edits the page's working entry; the page validates and writes it.

#include "ALARM_SNMP_TRAP_SETTINGS.h"
#include "CTagTokenEdit.h"
#include "ConfigFiles.h"
#include "EntryTabs.h"

#include <functional>

class CDataCenter;

namespace SnmpProfileIds {
inline constexpr unsigned kTemplate = 809;
inline constexpr ControlId kLabelName{1239, ControlType::Static};
inline constexpr ControlId kEditName{1240, ControlType::Edit};
inline constexpr ControlId kRadioVersion1{1248, ControlType::Radio};
inline constexpr ControlId kRadioVersion2{1249, ControlType::Radio};
inline constexpr ControlId kLabelSpecificTrap{1250, ControlType::Static};
inline constexpr ControlId kComboSpecificTrap{1251, ControlType::DropList};
inline constexpr ControlId kIpHost1{1254, ControlType::IPAddress};
inline constexpr ControlId kIpHost2{1255, ControlType::IPAddress};
inline constexpr ControlId kEditCommunity1{1257, ControlType::Edit};
inline constexpr ControlId kEditCommunity2{1259, ControlType::Edit};
inline constexpr ControlId kCheckMessage{1047, ControlType::CheckBox};
inline constexpr ControlId kEditMessage{1261, ControlType::MenuEdit};
inline constexpr ControlId kComboVariables{1055, ControlType::DropList};
inline constexpr ControlId kButtonInsertTags{1260, ControlType::Button};
inline constexpr ControlId kControls[] = {kLabelName,         kEditName,          kRadioVersion1, kRadioVersion2,
                                          kLabelSpecificTrap, kComboSpecificTrap, kIpHost1,       kIpHost2,
                                          kEditCommunity1,    kEditCommunity2,    kCheckMessage,  kEditMessage,
                                          kComboVariables,    kButtonInsertTags};
} // namespace SnmpProfileIds

class CSNMPProfilePage : public CEntryTab<ALARM_SNMP_TRAP_ITEM_SETTINGS> {
    Q_OBJECT
public:
    using ModelSource = std::function<const CDataCenter*()>;
    using TagChooser = std::function<std::vector<TagRecord>()>;

    explicit CSNMPProfilePage(ModelSource model);

    void SetTagChooser(TagChooser chooser) { tagChooser_ = std::move(chooser); }
    CTagTokenEdit& Message() { return message_; }
    int CommunityLength() const { return communityRange_.maximum; }

    void ShowEntry(const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) override;
    void Gather(ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) const override;
    std::vector<ControlId> BoundControls() const override { return profile_.Controls(); }
    bool Validate(ValidationReport& report) const override;

    // Inserts the "{{name}}" token of the variable shown at that position of 1055.
    void InsertVariable(int position);
    void InsertTags();

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void updateEnabledStates();
    void fillVariables();

    ModelSource model_;
    SettingTriple communityRange_;
    PageBindings<SNMP_TRAP_PROFILE_SETTINGS> profile_;
    CTagTokenEdit message_;
    TagChooser tagChooser_;
};
