#include "ModbusSlaveConnection.h"

#include "CDataCenter.h"
#include "CModbusSlaveDlg.h"
#include "DialogControls.h"
#include "LanguagePack.h"
#include "PageConversions.h"
#include "ValidationReport.h"

#include <QComboBox>

#include <algorithm>

using namespace ModbusSlaveIds;

namespace {

const QString kSection = QStringLiteral("ModbusSlave");
const QString kNoneText = QStringLiteral("None");
constexpr int kEthernetControls[] = {kLabelPort,   kEditPort,         kRangePort,       kLabelUnitId,     kEditUnitId,
                                     kRangeUnitId, kLabelIdleTimeout, kEditIdleTimeout, kRangeIdleTimeout};
constexpr int kSerialControls[] = {kLabelSerialUnitId, kEditSerialUnitId, kRangeSerialUnitId};

SettingTriple slaveTriple(const char* key)
{
    SettingTriple triple;
    MODBUS_SLAVE_SETTINGS().GetModbusSlaveDefault(QString::fromLatin1(key), triple);
    return triple;
}

} // namespace

ModbusSlaveConnection::ModbusSlaveConnection() : serialPorts_(kNoneText, QString())
{
    fields_.Bind(kEditPort, kLabelPort, &MODBUS_SLAVE_SETTINGS::ListenPort, AsNumber{slaveTriple("PortValue")})
        .Bind(kEditUnitId, kLabelUnitId, &MODBUS_SLAVE_SETTINGS::UnitID, AsNumber{slaveTriple("UnitIDValue")})
        .Bind(kEditIdleTimeout, kLabelIdleTimeout, &MODBUS_SLAVE_SETTINGS::Timeout,
              AsNumber{slaveTriple("IdleTimeoutValue")})
        .Bind(kComboEthernet, QString(), &MODBUS_SLAVE_SETTINGS::EnEthernet,
              AsIndex{{kNoneText, LoadLangString(kStringEthernetPort)}})
        .Bind(kEditSerialUnitId, kLabelSerialUnitId, &MODBUS_SLAVE_SETTINGS::SerialUnitID,
              AsNumber{slaveTriple("UnitIDValue")});
}

void ModbusSlaveConnection::WriteRangeTexts(DialogControls& page) const
{
    page.setItemText(kRangePort, RangeTextOf(slaveTriple("PortValue")));
    page.setItemText(kRangeUnitId, RangeTextOf(slaveTriple("UnitIDValue")));
    page.setItemText(kRangeSerialUnitId, RangeTextOf(slaveTriple("UnitIDValue")));
    page.setItemText(kRangeIdleTimeout, RangeTextOf(slaveTriple("IdleTimeoutValue"), "sec(s) (%1-%2)"));
}

void ModbusSlaveConnection::Show(DialogControls& page, const CDataCenter& model)
{
    auto* serial = page.item<QComboBox>(kComboSerialPort);
    serialPorts_.Rebuild(model, SerialPortUser::ModbusSlave, *serial);
    fields_.Fill(page, model.ModbusSlave);
    const int shown = model.ModbusSlave.EnSerial ? serialPorts_.IndexOf(model.ModbusSlave.SerialPort) : 0;
    serial->setCurrentIndex(std::max(shown, 0));
    UpdateEnabling(page);
}

bool ModbusSlaveConnection::Apply(const DialogControls& page, CDataCenter& model) const
{
    ValidationReport report;
    fields_.Validate(page, report);
    if (report.ShowIfAny())
        return false;
    model.SetModbusSlaveSerialPort(serialPorts_.KeyAt(page.item<QComboBox>(kComboSerialPort)->currentIndex()));
    fields_.Store(page, model.ModbusSlave); // the bound fields only
    model.MarkModified();
    return true;
}

void ModbusSlaveConnection::FreeSerialPort(DialogControls& page, CDataCenter& model) const
{
    page.item<QComboBox>(kComboSerialPort)->setCurrentIndex(0);
    model.SetModbusSlaveSerialPort(QString());
    UpdateEnabling(page);
}

void ModbusSlaveConnection::UpdateEnabling(DialogControls& page) const
{
    const bool ethernet = page.item<QComboBox>(kComboEthernet)->currentIndex() > 0;
    const bool serial = page.item<QComboBox>(kComboSerialPort)->currentIndex() > 0;
    for (int id : kEthernetControls)
        page.enableItem(id, ethernet);
    for (int id : kSerialControls)
        page.enableItem(id, serial);
}
