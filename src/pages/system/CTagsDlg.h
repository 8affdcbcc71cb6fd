#pragma once
// Every tag of the project in one table: its name, whether a service uses it, where it comes
// from and its direction. The one page where a tag is renamed; it also narrows the table to tags
// picked in the tag selection dialog and copies a name on a double click.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "TagListTexts.h"
#include "TagRecord.h"

#include <vector>

class TagsPageRows;

namespace TagsPageIds {
inline constexpr unsigned kTemplate = 137;
inline constexpr ControlId kListTags{2035, ControlType::List};
inline constexpr ControlId kEditName{2043, ControlType::Edit};
inline constexpr ControlId kStaticSlot{3557, ControlType::Static};
inline constexpr ControlId kStaticChannelType{3558, ControlType::Static};
inline constexpr ControlId kStaticDirection{3559, ControlType::Static};
inline constexpr ControlId kStaticChannel{3560, ControlType::Static};
inline constexpr ControlId kStaticItemName{3561, ControlType::Static};
inline constexpr ControlId kStaticItemResource{2857, ControlType::Static};
inline constexpr ControlId kStaticDirectionCaption{3375, ControlType::Static};
inline constexpr ControlId kLabelName{3412, ControlType::Static};
inline constexpr ControlId kButtonRename{2045, ControlType::Button};
inline constexpr ControlId kButtonSelectTags{3555, ControlType::Button};
inline constexpr ControlId kButtonClear{3556, ControlType::Button};
inline constexpr ControlId kControls[] = {
    kListTags,      kEditName,         kStaticSlot,         kStaticChannelType,      kStaticDirection,
    kStaticChannel, kStaticItemName,   kStaticItemResource, kStaticDirectionCaption, kLabelName,
    kButtonRename,  kButtonSelectTags, kButtonClear};
inline constexpr int kNameLimit = 64;
// Columns of the table.
inline constexpr int kColumnName = 1;
inline constexpr int kColumnUsed = 2;
inline constexpr int kColumnSlot = 3;
inline constexpr int kColumnChannelType = 4;
inline constexpr int kColumnDirection = 5;
inline constexpr int kColumnChannel = 6;
inline constexpr int kColumnItemName = 7;
// Profile.ini: 1 keeps the full table when the first picked tags arrive.
inline constexpr char kProfileSection[] = "Preference";
inline constexpr char kProfileDisplayTypeKey[] = "TagListDisplayType";
inline constexpr int kDisplayTypeKeepTable = 1;
} // namespace TagsPageIds

class CTagsDlg : public CPropertyUIDialog {
    Q_OBJECT
public:
    explicit CTagsDlg(IPageHost* host);

    // The tags picked in the tag selection dialog: the first batch replaces the table, the
    // next ones are appended.
    void OnTagsSelected(const std::vector<TagRecord>& tags);
    void RenumberListRows() override;

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    void InitListColumns();
    void LoadTagIOTypeTexts();
    void ClearTagDetails();
    void FillList(const std::vector<TagRecord>& tags);
    void ClearList();
    void OnListItemChanged();
    void OnRenameTag();
    void OnSelectTags();
    void OnClearList();
    void OnListDoubleClick();

    TagDirectionTexts directions_;
    TagsPageRows* rows_ = nullptr; // the list's rows, owned by the list
    int displayType_ = 0;
    bool listReplaced_ = false;
};
