#pragma once
// The SNMP-trap alarm page (template 141): up to 16 trap entries, each with its profile and
// watched tags in two tabs and two automatic tags. A trap entry's uses of tags are numbered by
// its position in the list (SnmpTrapTagUses). No Apply: Add, Modify and Delete write at once.

#include "ALARM_SNMP_TRAP_SETTINGS.h"
#include "CListDetailPage.h"
#include "TagRecord.h"

#include <functional>
#include <vector>

class CSNMPProfilePage;
class CSNMPSelectTagsPage;

namespace AlarmSnmpTrapIds {
inline constexpr unsigned kTemplate = 141;
inline constexpr ControlId kListEntries{1050, ControlType::List};
inline constexpr ControlId kButtonAdd{1228, ControlType::Button};
inline constexpr ControlId kButtonModify{1229, ControlType::Button};
inline constexpr ControlId kButtonDelete{1230, ControlType::Button};
inline constexpr ControlId kTabs{1227, ControlType::Tab};
inline constexpr ControlId kControls[] = {kListEntries, kButtonAdd, kButtonModify, kButtonDelete, kTabs};
} // namespace AlarmSnmpTrapIds

class CAlarmSNMPTrapDlg : public CListDetailPage<ALARM_SNMP_TRAP_ITEM_SETTINGS> {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 16;
    using TagChooser = std::function<std::vector<TagRecord>()>;

    explicit CAlarmSNMPTrapDlg(IPageHost* host);

    CSNMPProfilePage& ProfileTab() const { return *profile_; }
    CSNMPSelectTagsPage& TagsTab() const { return *tags_; }
    // Tests answer the tag chooser of both tabs.
    void SetTagChooser(const TagChooser& chooser);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<ALARM_SNMP_TRAP_ITEM_SETTINGS> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<ALARM_SNMP_TRAP_ITEM_SETTINGS>& entries) override;
    QStringList RowTexts(const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) const override;
    ALARM_SNMP_TRAP_ITEM_SETTINGS NewEntry() const override;
    void CheckPageFields(int row, ValidationReport& report) const override;
    bool CreateEntryTags(CDataCenter& model, ALARM_SNMP_TRAP_ITEM_SETTINGS& entry, QStringList& created) override;

private:
    QStringList deleteEntry(CDataCenter& model, const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry);
    void fitColumns();

    CSNMPProfilePage* profile_ = nullptr; // owned by the tab control
    CSNMPSelectTagsPage* tags_ = nullptr;
};
