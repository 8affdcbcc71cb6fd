#include "HartSensorIdEdits.h"

#include "CHARTSensorSettingDlg.h"
#include "FieldLabel.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "Validation.h"
#include "ValidationReport.h"

using namespace HARTSensorDialog;
using ChannelRules::UnsignedTriple;
using HartSensorRules::SensorIdCheck;
using HartSensorRules::SensorIdLimits;

namespace {

const QString kRangeFormat = QStringLiteral("(%d-%d)");
const QString kNumberFormat = QStringLiteral("%d");

// One long-frame id: its controls, its key, its limits, its field of the sensor and its check.
struct IdField {
    ControlId label;
    ControlId edit;
    ControlId range;
    const QString* key;
    UnsignedTriple SensorIdLimits::*limits;
    quint32 HARTSensorEntry::*value;
    bool SensorIdCheck::*inRange;
};

const IdField kIdFields[] = {
    {kLabelManufacturerId, kEditManufacturerId, kRangeManufacturerId, &HartSensorRules::kManufacturerIdKey,
     &SensorIdLimits::ManufacturerId, &HARTSensorEntry::ManuID, &SensorIdCheck::ManufacturerId},
    {kLabelDeviceType, kEditDeviceType, kRangeDeviceType, &HartSensorRules::kDeviceTypeKey, &SensorIdLimits::DeviceType,
     &HARTSensorEntry::DeviceType, &SensorIdCheck::DeviceType},
    {kLabelUniqueId, kEditUniqueId, kRangeUniqueId, &HartSensorRules::kUniqueIdKey, &SensorIdLimits::UniqueId,
     &HARTSensorEntry::UniqueID, &SensorIdCheck::UniqueId},
};

QString number(quint32 value)
{
    return FormatText(kNumberFormat, {value});
}

} // namespace

void HartSensorIdEdits::TakeLimits(const IHartSensorLimitSource* opener, SensorIdLimits& limits) const
{
    for (const IdField& field : kIdFields) {
        if (opener) {
            if (const auto triple = opener->SensorLimit(*field.key))
                limits.*field.limits = *triple;
        }
        const UnsignedTriple& triple = limits.*field.limits;
        dialog_.setItemText(field.range, FormatText(kRangeFormat, {triple.minimum, triple.maximum}));
    }
}

void HartSensorIdEdits::Show(const HARTSensorEntry& sensor) const
{
    for (const IdField& field : kIdFields)
        dialog_.setItemText(field.edit, number(sensor.*field.value));
}

void HartSensorIdEdits::ShowDefaults(const SensorIdLimits& limits) const
{
    for (const IdField& field : kIdFields)
        dialog_.setItemText(field.edit, number((limits.*field.limits).defaultValue));
}

void HartSensorIdEdits::Enable(bool enable) const
{
    for (const IdField& field : kIdFields) {
        for (int id : {field.label.id, field.edit.id, field.range.id})
            dialog_.enableItem(id, enable);
    }
}

void HartSensorIdEdits::Read(HARTSensorEntry& sensor) const
{
    for (const IdField& field : kIdFields)
        sensor.*field.value = static_cast<quint32>(ParseLeadingInt(dialog_.itemText(field.edit)));
}

bool HartSensorIdEdits::Check(const HARTSensorEntry& sensor, const SensorIdLimits& limits) const
{
    const SensorIdCheck check = HartSensorRules::CheckSensorIds(sensor, limits);
    ValidationReport report;
    for (const IdField& field : kIdFields) {
        if (check.*field.inRange)
            continue;
        const UnsignedTriple& triple = limits.*field.limits;
        report.Add(FormatRangeErrorLine(FieldLabel(field.label).Text(dialog_), triple.minimum, triple.maximum),
                   dialog_.control(field.edit));
    }
    return !report.ShowIfAny();
}
