#pragma once
// The Modbus master page (template 145): the external devices the controller polls, the fields
// of the chosen device, and the way to the device's commands. Add, Modify and Delete write into
// the model at once: each new device gets its status and error tags, and the serial ports the
// devices use are marked in the serial module records.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "IBoundPage.h"
#include "MODBUS_EXTERNAL_DEVICE_SETTINGS.h"
#include "PageBindings.h"
#include "SerialPortComboList.h"

#include <vector>

namespace ModbusMasterIds {
inline constexpr unsigned kTemplate = 145;
inline constexpr ControlId kListDevices{2137, ControlType::List};
inline constexpr ControlId kLabelName{2142, ControlType::Static};
inline constexpr ControlId kEditName{2144, ControlType::Edit};
inline constexpr ControlId kComboPort{2376, ControlType::DropList};
inline constexpr ControlId kLabelIp{2150, ControlType::Static};
inline constexpr ControlId kIpAddress{3142, ControlType::IPAddress};
inline constexpr ControlId kLabelTcpPort{2151, ControlType::Static};
inline constexpr ControlId kEditTcpPort{2153, ControlType::Edit};
inline constexpr ControlId kRangeTcpPort{3640, ControlType::Static};
inline constexpr ControlId kLabelUnitId{2166, ControlType::Static};
inline constexpr ControlId kEditUnitId{2168, ControlType::Edit};
inline constexpr ControlId kRangeUnitId{3399, ControlType::Static};
inline constexpr ControlId kLabelPolling{2147, ControlType::Static};
inline constexpr ControlId kEditPolling{2149, ControlType::Edit};
inline constexpr ControlId kRangePolling{3402, ControlType::Static};
inline constexpr ControlId kLabelTimeout{2154, ControlType::Static};
inline constexpr ControlId kEditTimeout{2156, ControlType::Edit};
inline constexpr ControlId kLabelRecover{2158, ControlType::Static};
inline constexpr ControlId kEditRecover{2160, ControlType::Edit};
inline constexpr ControlId kRangeRecover{3421, ControlType::Static};
inline constexpr ControlId kLabelRetry{2162, ControlType::Static};
inline constexpr ControlId kEditRetry{2164, ControlType::Edit};
inline constexpr ControlId kRangeRetry{3401, ControlType::Static};
inline constexpr ControlId kCheckKeepAlive{1232, ControlType::CheckBox};
inline constexpr ControlId kEditKeepAlive{1233, ControlType::Edit};
inline constexpr ControlId kButtonAdd{2159, ControlType::Button};
inline constexpr ControlId kButtonModify{2161, ControlType::Button};
inline constexpr ControlId kButtonDelete{2163, ControlType::Button};
inline constexpr ControlId kButtonCommands{3398, ControlType::Button};
inline constexpr ControlId kPageControls[] = {
    kListDevices,   kLabelName,    kEditName,     kComboPort,    kLabelIp,       kIpAddress,
    kLabelTcpPort,  kEditTcpPort,  kRangeTcpPort, kLabelUnitId,  kEditUnitId,    kRangeUnitId,
    kLabelPolling,  kEditPolling,  kRangePolling, kLabelTimeout, kEditTimeout,   kLabelRecover,
    kEditRecover,   kRangeRecover, kLabelRetry,   kEditRetry,    kRangeRetry,    kCheckKeepAlive,
    kEditKeepAlive, kButtonAdd,    kButtonModify, kButtonDelete, kButtonCommands};
} // namespace ModbusMasterIds

class CModbusMasterDlg : public CPropertyUIDialog, public IBoundPage {
public:
    explicit CModbusMasterDlg(IPageHost* host);

    // The name, the numbers, the TCP port.
    std::vector<BoundForm> BoundForms() const override;

    // The buttons; each true when the model was changed.
    bool AddDevice();
    bool ModifyDevice();
    bool DeleteDevices();
    void OpenCommands();

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    // Runs the command editor of the device at the row.
    virtual void RunCommandEditor(int row);

private:
    enum class Mode { Add, Modify };

    void writeRangeTexts();
    void refillDevices(int selectRow);
    void showDevice(int row);
    void showSelectedDevice();
    void applyPortRule();
    bool isEthernet() const;
    MODBUS_EXTERNAL_DEVICE_SETTINGS readFields(MODBUS_EXTERNAL_DEVICE_SETTINGS device) const;
    bool check(const MODBUS_EXTERNAL_DEVICE_SETTINGS& device, Mode mode, int row) const;
    void checkEthernet(const MODBUS_EXTERNAL_DEVICE_SETTINGS& device, int row, ValidationReport& report) const;
    int selectedRow() const;
    QStringList rowTexts(const MODBUS_EXTERNAL_DEVICE_SETTINGS& device) const;

    MODBUS_EXTERNAL_DEVICE_SETTINGS defaults_;
    std::vector<MODBUS_EXTERNAL_DEVICE_SETTINGS> devices_;
    PageBindings<MODBUS_EXTERNAL_DEVICE_SETTINGS> numbers_;
    PageBindings<MODBUS_EXTERNAL_DEVICE_SETTINGS> tcpPort_;
    SerialPortComboList ports_;
};
