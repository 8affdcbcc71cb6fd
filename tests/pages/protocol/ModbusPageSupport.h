#pragma once
// What the Modbus page tests share: tags of a chosen data-type code added to the harness project,
// and the serial port marks of the project's serial module records.

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "SerialPortOffer.h"
#include "TagRecord.h"
#include "TypeIds.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

#include <vector>

namespace ModbusPageSupport {

// Tags of the code at free addresses "0.9<n>.<1500 + code>", named name0, name1, ...
inline std::vector<TagRecord> AddTags(CDataCenter& model, const QString& name, int code, int count)
{
    static int next = 0;
    std::vector<TagRecord> tags;
    for (int i = 0; i < count; ++i) {
        TagRecord tag;
        const QString address = QStringLiteral("0.%1.%2").arg(900 + next++).arg(RegisterType::Base + code);
        tag.Construct(name + QString::number(i), QString(), QStringLiteral("IR"), RegisterType::Base + code, address, 1,
                      code, 2);
        model.AppendTag(tag);
        tags.push_back(tag);
    }
    return tags;
}

inline SerialPortSettingBlock PortMark(const CDataCenter& model, const QString& key)
{
    const std::optional<SerialPortChoice> port = ParseSerialPortKey(key);
    PortModuleSlotRecord record;
    if (!port || !model.GetSerialSetting(port->Slot, record) || port->Port >= static_cast<int>(record.Ports.size())) {
        ADD_FAILURE() << "no serial port " << key.toStdString();
        return {};
    }
    return record.Ports[static_cast<size_t>(port->Port)].Setting;
}

inline QStringList ComboTexts(const QWidget* widget)
{
    QStringList texts;
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    }
    return texts;
}

inline QStringList Column(const CListCtrlEx& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.GetItemCount(); ++row)
        texts << list.GetItemText(row, column);
    return texts;
}

} // namespace ModbusPageSupport
