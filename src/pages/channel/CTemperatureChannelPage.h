#pragma once
// The channel page of RTD and thermocouple modules (the twins differ in their controls, settings
// section, raw unit and model record): per channel a sensor type, a unit and, for temperature
// sensors, an offset. The sensor types come from DefaultSettings.ini; the page makes no tags.

#include "CChannelPageBase.h"
#include "ControlId.h"
#include "ModuleRecords.h"
#include "TemperatureSensorRules.h"

struct TemperaturePageIds {
    ControlId channelList;
    ControlId tagList;
    ControlId tagGroup;
    ControlId sensorType;
    ControlId unitRadios[3]; // Celsius, Fahrenheit, raw unit
    ControlId offsetLabel;
    ControlId offset;
    ControlId offsetRange;
    ControlId inputRange;
    ControlId apply;
};

struct TemperaturePageKind {
    unsigned templateId = 0;
    QString section; // [RTDSensorType] or [TCSensorType]
    unsigned sensorColumnString = 0;
    int channelTypeId = 0;
    QString rawRangeFormat; // minimum, maximum of a raw sensor
    bool rawRangeIsDecimal = false;
};

class CTemperatureChannelPage : public CChannelPageBase {
public:
    static constexpr unsigned kStringOffsetRange = 864;
    static constexpr unsigned kStringNoSensorType = 21001;
    static inline const QString kOffsetRangeFormat = QStringLiteral("(Range: %.1f-%.1f)");
    static inline const QString kCelsiusRangeFormat = QStringLiteral("(%d - %d)°C");
    static inline const QString kFahrenheitRangeFormat = QStringLiteral("(%d - %d)°F");

    const TemperatureSetting& Record() const { return record_; }
    const std::vector<TemperatureSensors::SensorType>& SensorTypes() const { return types_; }
    const TemperatureSensors::OffsetLimits& OffsetLimits() const { return offsetLimits_; }
    // The input range text of the sensor type in the unit.
    QString RangeText(const TemperatureSensors::SensorType& type, int unit) const;

protected:
    CTemperatureChannelPage(IPageHost* host, TemperaturePageKind kind, const TemperaturePageIds& ids);

    QList<ChannelColumn> ChannelColumns() const override;
    int StoredChannelCount() const override { return int(record_.Channels.size()); }
    const std::vector<TagDefinition>& TagDefinitions(int channel) const override;
    // The sensor type is no mode: its change never rebuilds tags.
    int StoredMode(int) const override { return 0; }
    QStringList ChannelRowTexts(int channel) const override;
    void FillPageControls() override;
    void ShowChannelEditors(int channel) override;
    void ResetEditors() override;
    bool CheckEditors() override;
    bool ReadEditors(int channel) override;
    bool OnInitDialog() override;

    TemperatureSetting record_;

private:
    const TemperatureSensors::SensorType* selectedType() const;
    int selectedUnit() const;
    void selectUnit(int unit);
    // The controls of the sensor type's kind: the unit radios and the offset.
    void enableForKind(bool temperature);
    void showRange();
    void onSensorTypeChosen();
    QString sensorName(int code) const;

    TemperaturePageKind kind_;
    TemperaturePageIds ids_;
    std::vector<TemperatureSensors::SensorType> types_;
    TemperatureSensors::OffsetLimits offsetLimits_;
};
