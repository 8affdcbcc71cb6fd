#pragma once
// Where every tag lives and who uses it: the controller drawn as a tree, the tags in a list
// narrowed by filter combos (applied by the filter button), and renaming, which here is allowed
// for tags that services use too.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "TagMapFilter.h"
#include "TagMapRows.h"
#include "TagRecord.h"

#include <memory>
#include <vector>

class TagMapTree;
struct FilterEntry;

namespace TagMapIds {
inline constexpr unsigned kTemplate = 175;
inline constexpr ControlId kListTags{2623, ControlType::List};
inline constexpr ControlId kTree{2627, ControlType::Tree};
inline constexpr ControlId kComboKind{1087, ControlType::DropList};
inline constexpr ControlId kComboTarget{1110, ControlType::DropList};
inline constexpr ControlId kComboType{1119, ControlType::DropList};
inline constexpr ControlId kComboMode{1124, ControlType::DropList};
inline constexpr ControlId kButtonFilter{1122, ControlType::Button};
inline constexpr ControlId kEditName{1072, ControlType::Edit};
inline constexpr ControlId kLabelName{1070, ControlType::Static};
inline constexpr ControlId kButtonRename{2080, ControlType::Button};
inline constexpr ControlId kControls[] = {kListTags,     kComboKind, kComboTarget, kComboType,    kComboMode,
                                          kButtonFilter, kEditName,  kLabelName,   kButtonRename, kTree};
inline constexpr int kNameLimit = 30;
inline constexpr int kColumnName = TagMapRows::kColumnName;
inline constexpr int kColumnSlot = TagMapRows::kColumnSlot;
inline constexpr int kColumnItemName = TagMapRows::kColumnItemName;
} // namespace TagMapIds

class CTagsMapDlg : public CPropertyUIDialog {
    Q_OBJECT
public:
    explicit CTagsMapDlg(IPageHost* host);
    ~CTagsMapDlg() override;

    // A project was created or opened: the filters go back to showing every tag.
    void ResetFilters();
    void RenumberListRows() override;
    const TagMapFilter& Filter() const { return filter_; }
    bool IsFilterPending() const { return filterPending_; }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void InitColumns();
    void FillCombo(int comboId, const std::vector<FilterEntry>& entries);
    int ComboValue(int comboId) const;
    void OnFilterKindChanged();
    void OnFilterTargetChanged();
    void OnFilterTypeChanged();
    void OnFilterModeChanged();
    void ApplyFilter();
    void OnFilterChanged();
    void OnApplyFilter();
    void FillList();
    void BuildTree();
    void OnListItemChanged();
    void OnTreeSelChanged();
    void OnRenameTag();
    void OnListDoubleClick();
    void OnHeaderClick(int column);
    // The model's tag table, read in place: the filter holds positions in it.
    const std::vector<TagRecord>& Tags() const;

    TagMapFilter filter_;
    bool filterPending_ = false;
    std::vector<size_t> filtered_; // positions in Tags() of the tags that pass the filters
    TagMapRows* rows_ = nullptr;   // the list's rows, owned by the list
    std::unique_ptr<TagMapTree> tree_;
    bool treeTouched_ = false;
};
