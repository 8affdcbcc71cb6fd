#pragma once
// The tags of the command in the command editor: chosen with the Modbus tag chooser (only types
// the function takes), laid out from the start address into the command's resources, with the
// total's range, the data-type entry and the word-swap option following the first tag.

#include "AddressedTagList.h"
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "ModbusCommandLayout.h"
#include "TagRecord.h"

#include <functional>
#include <vector>

class CDataCenter;
class DialogControls;

class ModbusCommandTags {
public:
    // choose: opens the tag chooser; its tags come back in Append.
    ModbusCommandTags(DialogControls& dialog, const CDataCenter& model, std::function<void()> choose);

    // Wires the tag buttons, the start and total edits; call once the controls are built.
    void Connect();
    // The command's tags and total shown (null: a new command); its function is in the combo.
    void Show(const MODBUS_COMMAND_SETTINGS* command);
    // Another function: no tags, a total of 1.
    void FunctionChanged();
    // Refused whole (700) unless the function takes every chosen tag's type.
    void Append(const std::vector<TagRecord>& chosen);
    // The resources laid out again from the controls, and shown.
    const QVector<MODBUS_COMMAND_RESOURCE>& Rebuild();

    int Function() const;
    int FirstTagCode() const;
    const std::vector<TagRecord>& Tags() const { return tags_; }
    const QVector<MODBUS_COMMAND_RESOURCE>& Resources() const { return resources_; }
    const ModbusCommandLayout::TotalRange& Range() const { return range_; }

private:
    AddressedTagList<std::vector<TagRecord>>::Hooks hooks(std::function<void()> choose);
    bool suited(const std::vector<TagRecord>& chosen) const;
    void layOut(AddressedTagChange change);
    void showTotalRange();
    void followFirstTag();
    void buildResources(bool computedTotal);

    DialogControls& dialog_;
    const CDataCenter& model_;
    std::vector<TagRecord> tags_;
    QVector<MODBUS_COMMAND_RESOURCE> resources_;
    ModbusCommandLayout::TotalRange range_;
    AddressedTagList<std::vector<TagRecord>> list_;
};
