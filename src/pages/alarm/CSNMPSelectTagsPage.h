#pragma once
// The "Select Tags" tab of the SNMP-trap alarm page (template 140): up to 8 tags whose changes
// send the trap, picked with the tag chooser and removed again. It edits the page's working
// entry's list of tag addresses.

#include "ALARM_SNMP_TRAP_SETTINGS.h"
#include "EntryTabs.h"
#include "TagPickList.h"

#include <functional>
#include <vector>

class CDataCenter;

namespace SnmpSelectTagsIds {
inline constexpr unsigned kTemplate = 140;
inline constexpr ControlId kListTags{1237, ControlType::List};
inline constexpr ControlId kButtonAdd{1235, ControlType::Button};
inline constexpr ControlId kButtonRemove{1236, ControlType::Button};
inline constexpr ControlId kControls[] = {kListTags, kButtonAdd, kButtonRemove};
} // namespace SnmpSelectTagsIds

class CSNMPSelectTagsPage : public CEntryTab<ALARM_SNMP_TRAP_ITEM_SETTINGS> {
    Q_OBJECT
public:
    static constexpr int kMaxTags = 8;
    using ModelSource = std::function<const CDataCenter*()>;
    using TagChooser = std::function<std::vector<TagRecord>()>;

    explicit CSNMPSelectTagsPage(ModelSource model);

    void SetTagChooser(TagChooser chooser) { tagChooser_ = std::move(chooser); }
    const std::vector<QString>& SelectedTags() const { return addresses_; }

    void ShowEntry(const ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) override;
    void Gather(ALARM_SNMP_TRAP_ITEM_SETTINGS& entry) const override;

    void AddTags();
    void RemoveSelectedTags();

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void refill();

    ModelSource model_;
    TagChooser tagChooser_;
    std::vector<QString> addresses_;
    TagPickList<QString> picks_;
};
