#pragma once
// The SNMP agent's published tags: chosen with the tag chooser, each numbered (its OID) from the
// start number by its position. Apply replaces the agent's table and its tag uses.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "SNMP_AGENT_SETTINGS.h"
#include "TagPickList.h"

#include <QSet>

#include <optional>
#include <vector>

namespace SnmpAgentTagPage {
inline constexpr unsigned kTemplate = 810;
inline constexpr ControlId kListTags{1243, ControlType::List};
inline constexpr ControlId kButtonSelect{1244, ControlType::Button};
inline constexpr ControlId kButtonRemove{1043, ControlType::Button};
inline constexpr ControlId kButtonUp{3746, ControlType::Button};
inline constexpr ControlId kButtonDown{3747, ControlType::Button};
inline constexpr ControlId kLabelStart{3748, ControlType::Static};
inline constexpr ControlId kEditStart{3749, ControlType::Edit};
inline constexpr ControlId kButtonApply{1245, ControlType::Button};
inline constexpr ControlId kControls[] = {kListTags,   kButtonSelect, kButtonRemove, kButtonUp,
                                          kButtonDown, kLabelStart,   kEditStart,    kButtonApply};
} // namespace SnmpAgentTagPage

class CSNMPAgentTagSelect : public CPropertyUIDialog {
public:
    static constexpr int kTagLimit = 1024;
    static constexpr int kStartMaximum = 65535;
    static constexpr int kOidColumnWidth = 40;
    static constexpr unsigned kStringTagColumn = 623;
    static inline const QString kTooManyTags =
        QStringLiteral("More than %1 tags were selected, only first %2 tags have been included");

    explicit CSNMPAgentTagSelect(IPageHost* host);

    // The chooser's chosen tags, appended as new entries.
    void OnTagsChosen(const std::vector<TagRecord>& chosen);
    const std::vector<SNMP_AGENT_TAG_ITEM>& Items() const { return items_; }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    std::vector<TagRecord> chooseTags();
    void removeSelected();
    void moveSelected(int step);
    void apply();
    void onStartLeft();
    // The start number of the edit; nullopt, after the range message, when it is out of range.
    std::optional<int> checkedStart();
    void renumber();
    void refill(const QList<int>& selected = {});
    void updateSelectButton();
    QList<int> selectedRows() const;

    std::vector<SNMP_AGENT_TAG_ITEM> items_;
    QSet<QString> projectTags_; // addresses of the project's tags when shown
    int start_ = 0;
    TagPickList<SNMP_AGENT_TAG_ITEM> picks_;
};
