#pragma once
// The "Select Tags" tab of the high-speed data-logging page (template 818): the project's tags on
// the left, the logged ones on the right, moved across with two buttons. Any tag may be logged,
// as many as there are. Both lists follow the tag table each time they are filled, so a tag
// deleted meanwhile drops out and a renamed one shows its new name.

#include "EntryTabs.h"
#include "HS_DATA_LOG_ITEM_SETTINGS.h"

#include <QPair>
#include <QString>

#include <functional>
#include <vector>

class CDataCenter;

namespace HsSelectTagsIds {
inline constexpr unsigned kTemplate = 818;
inline constexpr ControlId kListAvailable{3475, ControlType::List};
inline constexpr ControlId kButtonSelect{3476, ControlType::Button};
inline constexpr ControlId kButtonDeselect{3477, ControlType::Button};
inline constexpr ControlId kListSelected{3479, ControlType::List};
inline constexpr ControlId kControls[] = {kListAvailable, kButtonSelect, kButtonDeselect, kListSelected};
} // namespace HsSelectTagsIds

class CHSSelectTagsPage : public CEntryTab<HS_DATA_LOG_ITEM_SETTINGS> {
    Q_OBJECT
public:
    using ModelSource = std::function<const CDataCenter*()>;
    using LoggedTag = QPair<QString, QString>; // tag name, address

    explicit CHSSelectTagsPage(ModelSource model);

    void ShowEntry(const HS_DATA_LOG_ITEM_SETTINGS& entry) override;
    void Gather(HS_DATA_LOG_ITEM_SETTINGS& entry) const override;

    const std::vector<LoggedTag>& Available() const { return available_; }
    const std::vector<LoggedTag>& Selected() const { return selected_; }
    // The buttons: the selected rows of one list go to the end of the other.
    void SelectChosenRows();
    void DeselectChosenRows();

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    void followTagTable(bool selectedInTableOrder);
    void refill();

    ModelSource model_;
    std::vector<LoggedTag> available_;
    std::vector<LoggedTag> selected_;
};
