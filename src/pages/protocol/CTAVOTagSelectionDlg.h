#pragma once
// The tags the TAVO service pushes (template 161), and how each is pushed: by interval, on
// change and/or when the service's control tag fires, with a direction. The page edits copies;
// Apply makes the list the project's whole push configuration.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "TagPickList.h"
#include "TavoTagRules.h"

#include <vector>

namespace TavoTagIds {
inline constexpr unsigned kTemplate = 161;
inline constexpr ControlId kListTags{2357, ControlType::List};
inline constexpr ControlId kButtonSelect{3566, ControlType::Button};
inline constexpr ControlId kButtonRemove{2355, ControlType::Button};
inline constexpr ControlId kButtonApply{3565, ControlType::Button};
inline constexpr ControlId kCheckInterval{2359, ControlType::CheckBox};
inline constexpr ControlId kEditInterval{2360, ControlType::Edit};
inline constexpr ControlId kComboUnit{2361, ControlType::DropList};
inline constexpr ControlId kStaticIntervalRange{2362, ControlType::Static};
inline constexpr ControlId kCheckOnChange{3133, ControlType::CheckBox};
inline constexpr ControlId kCheckControlTag{3134, ControlType::CheckBox};
inline constexpr ControlId kComboDirection{3638, ControlType::DropList};
inline constexpr ControlId kLabelDirection{3377, ControlType::Static};
inline constexpr ControlId kStaticControlTag{3567, ControlType::Static};
inline constexpr ControlId kControls[] = {kListTags,        kButtonSelect,    kButtonRemove,   kButtonApply,
                                          kCheckInterval,   kEditInterval,    kComboUnit,      kStaticIntervalRange,
                                          kCheckOnChange,   kCheckControlTag, kComboDirection, kLabelDirection,
                                          kStaticControlTag};
} // namespace TavoTagIds

class CTAVOTagSelectionDlg : public CPropertyUIDialog {
public:
    static constexpr unsigned kStringIntervalRange = 386; // minimum, maximum
    static constexpr quint32 kDefaultInterval = 60;       // when DefaultSettings.ini names none

    explicit CTAVOTagSelectionDlg(IPageHost* host);

    // The chooser's chosen tags, appended unless listed already.
    void OnTagsChosen(const std::vector<TagRecord>& chosen);
    // The tags the page lists, each with the settings Apply would write.
    const std::vector<TagRecord>& PushedTags() const { return pushed_; }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void fillOptionLists();
    void resolveControlTag();
    void selectTags();
    void removeSelected();
    void apply();
    void onUpdateKindClicked(int clicked);
    void onIntervalLeft();
    // The interval as typed when it lies in its range; else the range message and 1.
    void keepIntervalInRange();
    void showSelection();
    void showSettings(const TagRecordExtra& settings, bool directionLocked, bool onChangeForbidden);
    void resetForm();
    void enableIntervalFields(bool enable);
    TagRecordExtra readForm() const;
    void writeFormToSelected();
    void refill(const QList<int>& selected);
    QList<int> selectedRows() const;

    std::vector<TagRecord> pushed_;
    quint32 defaultInterval_ = 0;
    int defaultUpdateType_ = 0;
    TavoTagRules::ControlTag control_;
    TagPickList<TagRecord> picks_;
};
