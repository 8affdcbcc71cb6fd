#pragma once
// The Modbus slave page (template 158): the service's Ethernet and serial settings and its address
// map, a list of tag sets each mapping tags of one data type to consecutive addresses of one
// function area. Add, Modify and Delete write the set and the settings into the model at once.

#include "AddressedTagList.h"
#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "IBoundPage.h"
#include "MODBUS_SLAVE_SETTINGS.h"
#include "ModbusSlaveConnection.h"
#include "ModbusSlaveMap.h"
#include "PageBindings.h"
#include "StoredEntryButtons.h"
#include "TagRecord.h"

#include <QStringList>

#include <vector>

namespace ModbusSlaveIds {
inline constexpr unsigned kTemplate = 158;
inline constexpr ControlId kListSets{1264, ControlType::List};
inline constexpr ControlId kButtonAdd{2327, ControlType::Button};
inline constexpr ControlId kButtonModify{2328, ControlType::Button};
inline constexpr ControlId kButtonDelete{2331, ControlType::Button};
inline constexpr ControlId kLabelSetName{2307, ControlType::Static};
inline constexpr ControlId kEditSetName{2310, ControlType::Edit};
inline constexpr ControlId kLabelFunction{2319, ControlType::Static};
inline constexpr ControlId kComboFunction{2320, ControlType::DropList};
inline constexpr ControlId kTextReadWrite{3528, ControlType::Static};
inline constexpr ControlId kLabelStart{2323, ControlType::Static};
inline constexpr ControlId kEditStart{2324, ControlType::Edit};
inline constexpr ControlId kListTags{1265, ControlType::List};
inline constexpr ControlId kButtonAddTags{3573, ControlType::Button};
inline constexpr ControlId kButtonRemoveTags{1285, ControlType::Button};
inline constexpr ControlId kButtonTagUp{1286, ControlType::Button};
inline constexpr ControlId kButtonTagDown{1288, ControlType::Button};
inline constexpr ControlId kComboEthernet{1269, ControlType::DropList};
inline constexpr ControlId kLabelPort{3237, ControlType::Static};
inline constexpr ControlId kEditPort{3189, ControlType::Edit};
inline constexpr ControlId kRangePort{3249, ControlType::Static};
inline constexpr ControlId kLabelUnitId{3190, ControlType::Static};
inline constexpr ControlId kEditUnitId{3191, ControlType::Edit};
inline constexpr ControlId kRangeUnitId{3250, ControlType::Static};
inline constexpr ControlId kLabelIdleTimeout{3192, ControlType::Static};
inline constexpr ControlId kEditIdleTimeout{3193, ControlType::Edit};
inline constexpr ControlId kRangeIdleTimeout{3251, ControlType::Static};
inline constexpr ControlId kComboSerialPort{1271, ControlType::DropList};
inline constexpr ControlId kLabelSerialUnitId{1273, ControlType::Static};
inline constexpr ControlId kEditSerialUnitId{1275, ControlType::Edit};
inline constexpr ControlId kRangeSerialUnitId{1281, ControlType::Static};
inline constexpr ControlId kPageControls[] = {
    kListSets,        kButtonAdd,        kButtonModify,    kButtonDelete,      kLabelSetName,     kEditSetName,
    kLabelFunction,   kComboFunction,    kTextReadWrite,   kLabelStart,        kEditStart,        kListTags,
    kButtonAddTags,   kButtonRemoveTags, kButtonTagUp,     kButtonTagDown,     kComboEthernet,    kLabelPort,
    kEditPort,        kRangePort,        kLabelUnitId,     kEditUnitId,        kRangeUnitId,      kLabelIdleTimeout,
    kEditIdleTimeout, kRangeIdleTimeout, kComboSerialPort, kLabelSerialUnitId, kEditSerialUnitId, kRangeSerialUnitId};
} // namespace ModbusSlaveIds

class CModbusSlaveDlg : public CPropertyUIDialog, public IBoundPage {
public:
    explicit CModbusSlaveDlg(IPageHost* host);

    // The service's connection settings (the sets and their tags are lists of their own).
    std::vector<BoundForm> BoundForms() const override { return {{this, connection_.BoundControls()}}; }

    // The buttons; each true when the model was changed.
    bool AddSet() { return GetDataCenter() && sets_.Add(); }
    bool ModifySet() { return GetDataCenter() && sets_.Modify(); }
    bool DeleteSets();
    // The tags the tag chooser hands over (its TagsSelected).
    void AddChosenTags(const std::vector<TagRecord>& chosen);

    const MODBUS_SLAVE_TAG_SET& WorkingSet() const { return working_; }

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    // Opens the tag chooser for the data type of the set; chosen tags arrive in AddChosenTags.
    virtual void ChooseTags();

private:
    StoredEntryButtons<MODBUS_SLAVE_TAG_SET>::Hooks setHooks();
    AddressedTagList<QVector<MODBUS_SLAVE_TAG_ITEM>>::Hooks tagHooks();
    int appendTags(const std::vector<TagRecord>& chosen);
    void layTagsOut(AddressedTagChange change);
    QStringList tagRowTexts(int row) const;
    const QVector<MODBUS_SLAVE_TAG_SET>& sets() const;
    QStringList setRowTexts(int row) const;
    void showWorkingSet();
    void refillFunctions();
    void showSelectedSet();
    void onFunctionChosen();
    const MODBUS_SLAVE_TAG_SET& readSetControls();
    int startAddress() const;
    int selectedFunction() const;
    // row: the modified set's, -1 on Add.
    bool checkSet(int row) const;
    bool applyGeneral();

    ModbusSlaveConnection connection_;
    MODBUS_SLAVE_TAG_SET working_;
    AddressedTagList<QVector<MODBUS_SLAVE_TAG_ITEM>> tags_;
    StoredEntryButtons<MODBUS_SLAVE_TAG_SET> sets_;
    ModbusSlaveMap::FunctionAreas areas_;
};
