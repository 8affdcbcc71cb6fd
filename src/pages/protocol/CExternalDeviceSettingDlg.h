#pragma once
// The commands of one external Modbus device (modal, template 167): each command has a name, a
// function, a start address, a total length, a word-swap option, a scan rate and the ordered tags
// it reads or writes. The dialog lays the tags out from the start address and writes each added,
// modified or deleted command into the model at once.

#include "CDialogBase.h"
#include "ControlId.h"
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "ModbusCommandTags.h"
#include "StoredEntryButtons.h"
#include "TagRecord.h"

#include <QStringList>

#include <vector>

class CDataCenter;
class CPropertyUIDialog;

namespace ExternalDeviceIds {
inline constexpr unsigned kTemplate = 167;
inline constexpr ControlId kListCommands{2451, ControlType::List};
inline constexpr ControlId kLabelName{2453, ControlType::Static};
inline constexpr ControlId kEditName{2454, ControlType::Edit};
inline constexpr ControlId kComboFunction{2458, ControlType::DropList};
inline constexpr ControlId kLabelStart{2455, ControlType::Static};
inline constexpr ControlId kEditStart{2456, ControlType::Edit};
inline constexpr ControlId kEditReference{2462, ControlType::Edit};
inline constexpr ControlId kComboDataType{2464, ControlType::DropList};
inline constexpr ControlId kComboByteOrder{2460, ControlType::DropList};
inline constexpr ControlId kCheckSwap{3144, ControlType::CheckBox};
inline constexpr ControlId kEditTotal{3188, ControlType::Edit};
inline constexpr ControlId kTextTotalRange{1079, ControlType::Static};
inline constexpr ControlId kEditScanRate{1292, ControlType::Edit};
inline constexpr ControlId kTextScanRange{3698, ControlType::Static};
inline constexpr ControlId kLabelTags{2466, ControlType::Static};
inline constexpr ControlId kListTags{3696, ControlType::List};
inline constexpr ControlId kButtonAdd{2785, ControlType::Button};
inline constexpr ControlId kButtonModify{2786, ControlType::Button};
inline constexpr ControlId kButtonDelete{2789, ControlType::Button};
inline constexpr ControlId kButtonSelectTags{3672, ControlType::Button};
inline constexpr ControlId kButtonRemoveTags{1284, ControlType::Button};
inline constexpr ControlId kButtonTagUp{3699, ControlType::Button};
inline constexpr ControlId kButtonTagDown{3700, ControlType::Button};
inline constexpr ControlId kButtonClose{3416, ControlType::Button};
inline constexpr ControlId kDialogControls[] = {
    kListCommands,  kLabelName,        kEditName,         kComboFunction, kLabelStart,    kEditStart,
    kEditReference, kComboDataType,    kComboByteOrder,   kCheckSwap,     kEditTotal,     kTextTotalRange,
    kEditScanRate,  kTextScanRange,    kLabelTags,        kListTags,      kButtonAdd,     kButtonModify,
    kButtonDelete,  kButtonSelectTags, kButtonRemoveTags, kButtonTagUp,   kButtonTagDown, kButtonClose};
} // namespace ExternalDeviceIds

class CExternalDeviceSettingDlg : public CDialogBase {
    Q_OBJECT
public:
    // owner: the page whose log the dialog writes to (may be null).
    CExternalDeviceSettingDlg(CDataCenter& model, int deviceRow, CPropertyUIDialog* owner);

    // The buttons; each true when the model was changed.
    bool AddCommand() { return commands_.Add(); }
    bool ModifyCommand() { return commands_.Modify(); }
    bool DeleteCommand() { return commands_.Delete(); }
    // The tags the tag chooser hands over: refused (700) unless the function takes their types.
    void SetChosenTags(const std::vector<TagRecord>& chosen);

    const QVector<MODBUS_COMMAND_RESOURCE>& Resources() const { return tags_.Resources(); }
    const std::vector<TagRecord>& ChosenTags() const { return tags_.Tags(); }

protected:
    bool OnInitDialog() override;
    // Opens the tag chooser of the function; chosen tags arrive in SetChosenTags.
    virtual void ChooseTags();

private:
    StoredEntryButtons<MODBUS_COMMAND_SETTINGS>::Hooks commandHooks();
    const QVector<MODBUS_COMMAND_SETTINGS>& commands() const;
    QStringList commandRowTexts(int row) const;
    void showSelectedCommand();
    void showCommand(const MODBUS_COMMAND_SETTINGS* command);
    MODBUS_COMMAND_SETTINGS readCommand();
    // row: the modified command's, -1 on Add.
    bool check(const MODBUS_COMMAND_SETTINGS& command, int row) const;
    QString logPrefix() const;

    CDataCenter& model_;
    int deviceRow_;
    CPropertyUIDialog* owner_;
    QStringList functionCodes_;
    QStringList functionNums_;
    QStringList dataTypes_;
    SettingTriple scanRate_{};
    ModbusCommandTags tags_;
    StoredEntryButtons<MODBUS_COMMAND_SETTINGS> commands_;
    bool showing_ = false; // a command is being shown: the function combo follows it
};
