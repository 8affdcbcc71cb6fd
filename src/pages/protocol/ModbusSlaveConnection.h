#pragma once
// The Modbus slave service's own settings on its page: the Ethernet listener (port, unit ID, idle
// time-out) and the serial port with its unit ID. Shown with the page, checked and written into
// the model with every added or modified tag set; the serial port goes back with the last set.

#include "MODBUS_SLAVE_SETTINGS.h"
#include "PageBindings.h"
#include "SerialPortComboList.h"

class CDataCenter;
class DialogControls;

class ModbusSlaveConnection {
public:
    ModbusSlaveConnection();

    // The ranges beside the edits.
    void WriteRangeTexts(DialogControls& page) const;
    // The model's settings into the controls (the page is busy).
    void Show(DialogControls& page, const CDataCenter& model);
    // Checks the controls (false after the box), then writes them into the model.
    bool Apply(const DialogControls& page, CDataCenter& model) const;
    // No set left: the combo back to "None" and the model's serial port freed.
    void FreeSerialPort(DialogControls& page, CDataCenter& model) const;
    // The Ethernet and serial fields follow their combos.
    void UpdateEnabling(DialogControls& page) const;
    std::vector<ControlId> BoundControls() const { return fields_.Controls(); }

private:
    PageBindings<MODBUS_SLAVE_SETTINGS> fields_;
    SerialPortComboList serialPorts_;
};
