#pragma once
// The "Select Tags" tab of the data-logging page (template 156): the tags the profile logs, added
// with the tag chooser and removed again. Whenever the list is refilled it is brought in step with
// the tag table: tags deleted meanwhile drop out, renamed ones show their new name, so the page
// never stores a pair of a tag that is gone.

#include "DATA_LOG_SETTINGS.h"
#include "EntryTabs.h"
#include "TagPickList.h"

#include <functional>
#include <vector>

class CDataCenter;

namespace DataLogSelectTagsIds {
inline constexpr unsigned kTemplate = 156;
inline constexpr ControlId kListTags{3184, ControlType::List};
inline constexpr ControlId kButtonAdd{1025, ControlType::Button};
inline constexpr ControlId kButtonRemove{3600, ControlType::Button};
inline constexpr ControlId kControls[] = {kListTags, kButtonAdd, kButtonRemove};
} // namespace DataLogSelectTagsIds

class CSelectTagsPage : public CEntryTab<DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    using ModelSource = std::function<const CDataCenter*()>;
    using TagChooser = std::function<std::vector<TagRecord>()>;

    explicit CSelectTagsPage(ModelSource model);

    void SetTagChooser(TagChooser chooser) { tagChooser_ = std::move(chooser); }
    const std::vector<SelectedTag>& SelectedTags() const { return selected_; }

    void ShowEntry(const DATA_LOG_ITEM_SETTINGS& entry) override;
    void Gather(DATA_LOG_ITEM_SETTINGS& entry) const override;

    void AddTags();
    void RemoveSelectedTags();

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void keepExistingTags();
    void refill();

    ModelSource model_;
    TagChooser tagChooser_;
    std::vector<SelectedTag> selected_;
    TagPickList<SelectedTag> picks_;
};
