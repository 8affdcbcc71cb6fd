#pragma once
// One tab of the DNP3 points page: the points of one object type. Every add, remove, move and
// apply is written into the model at once.

#include "CFormBase.h"
#include "ControlId.h"
#include "Dnp3Deadband.h"
#include "Dnp3PointOptions.h"
#include "ProjectRecords.h"

#include <QStringList>

#include <optional>
#include <vector>

class CPropertyUIDialog;
class CListCtrlEx;
struct TagRecord;

namespace Dnp3PointTab {
inline constexpr unsigned kTemplate = 205;
inline constexpr ControlId kListPoints{3151, ControlType::List};
inline constexpr ControlId kButtonAdd{1153, ControlType::Button};
inline constexpr ControlId kButtonRemove{3084, ControlType::Button};
inline constexpr ControlId kButtonUp{3837, ControlType::Button};
inline constexpr ControlId kButtonDown{3838, ControlType::Button};
inline constexpr ControlId kButtonApply{3862, ControlType::Button};
inline constexpr ControlId kLabelStatic{3840, ControlType::Static};
inline constexpr ControlId kComboStatic{3841, ControlType::DropList};
inline constexpr ControlId kLabelEvent{3842, ControlType::Static};
inline constexpr ControlId kComboEvent{3843, ControlType::DropList};
inline constexpr ControlId kLabelFrozen{3844, ControlType::Static};
inline constexpr ControlId kComboFrozen{3845, ControlType::DropList};
inline constexpr ControlId kLabelFrozenEvent{1418, ControlType::Static};
inline constexpr ControlId kComboFrozenEvent{1420, ControlType::DropList};
inline constexpr ControlId kComboClass{3858, ControlType::DropList};
inline constexpr ControlId kGroupDeadband{3846, ControlType::GroupBox};
inline constexpr ControlId kComboDeviation{1422, ControlType::DropList};
inline constexpr ControlId kLabelDeadband{1432, ControlType::Static};
inline constexpr ControlId kEditDeadband{1416, ControlType::Edit};
inline constexpr ControlId kRangeDeadband{1426, ControlType::Static};
inline constexpr ControlId kLabelChange{1430, ControlType::Static};
inline constexpr ControlId kEditChange{1406, ControlType::Edit};
inline constexpr ControlId kRangeChange{1424, ControlType::Static};
inline constexpr ControlId kControls[] = {
    kListPoints,       kButtonAdd,        kButtonRemove, kButtonUp,      kButtonDown,     kButtonApply,
    kLabelStatic,      kComboStatic,      kLabelEvent,   kComboEvent,    kLabelFrozen,    kComboFrozen,
    kLabelFrozenEvent, kComboFrozenEvent, kComboClass,   kGroupDeadband, kComboDeviation, kLabelDeadband,
    kEditDeadband,     kRangeDeadband,    kLabelChange,  kEditChange,    kRangeChange};
} // namespace Dnp3PointTab

class CDnp3SelTagPage : public CFormBase {
    Q_OBJECT
public:
    static constexpr unsigned kStringIndexTitle = 360;
    static constexpr unsigned kStringTagName = 421;
    static constexpr unsigned kStringDataType = 492;
    static constexpr unsigned kStringSelectFirst = 613;
    static constexpr unsigned kStringPointAdded = 616;    // caption, index
    static constexpr unsigned kStringGroupApplied = 617;  // caption
    static constexpr unsigned kStringPointApplied = 618;  // caption, index
    static constexpr unsigned kStringPointsRemoved = 619; // caption

    CDnp3SelTagPage(int objectType, CPropertyUIDialog& host);

    int ObjectType() const { return objectType_; }
    const Dnp3PointGroup& Group() const { return group_; }
    void SetDataTypeNames(const QStringList& names) { dataTypeNames_ = names; }
    // The log lines' caption: the DNP3 service and the points resource.
    QString LogCaption() const;

    // Re-reads the group from the model and shows it (each time the tab is shown).
    void Refresh();

    // The tags chosen in the tag selection dialog, added as points.
    void AddTags(const std::vector<TagRecord>& tags);

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    CListCtrlEx* list() const;
    CDataCenter* model() const;
    std::optional<TagRecord> tagOf(const DNP3_POINT_SETTINGS& point) const;
    bool canCarryEvents(const DNP3_POINT_SETTINGS& point) const;
    QStringList rowTexts(int index, const DNP3_POINT_SETTINGS& point) const;

    void arrangeForType();
    void rereadGroup();
    void rebuildList();
    void selectRows(const QList<int>& rows);
    void fillClassCombo(bool fullList);
    void fillVariations();
    void showGroup();
    void showPoint();
    void onSelectionChanged();
    void onClassChanged();
    void onDeviationChanged();
    void updateAnalogRange();
    void enableDeadbandByClass();

    int selectedClass() const;
    int selectedVariation(int comboId, const QStringList& options) const;
    void writeVariations();
    DNP3_POINT_SETTINGS editedPoint(const DNP3_POINT_SETTINGS& row) const;
    bool checkDeadbands(const QList<int>& rows);

    void onAdd();
    void onRemove();
    void onMove(int step);
    void onApply();

    int objectType_;
    CPropertyUIDialog& host_;
    Dnp3PointOptions options_;
    QStringList dataTypeNames_;
    Dnp3PointGroup group_;
    bool multiSelection_ = false;
    bool filling_ = false;
    Dnp3Deadband::Range shownRange_;
    class QValidator* digitsOnly_ = nullptr; // the deadband edit outside float value mode
};
