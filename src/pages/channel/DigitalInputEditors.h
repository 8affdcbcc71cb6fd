#pragma once
// The digital input editors of the digital input and digital input/output pages: mode, digital
// filter within the module's filter range, trigger, and measurement time within the model's
// range ([DI] "<APID>MeasurementTime" or "MeasurementTime"). Mode 0 filters, mode 1 adds the
// trigger, every other mode measures (no filter).

#include "ChannelEntries.h"
#include "ChannelModeTable.h"
#include "ChannelRules.h"

#include <QString>
#include <QStringList>

#include <vector>

class DialogControls;

struct DigitalInputIds {
    int mode = 0;
    int filter = 0;
    int filterLabel = 0;
    int filterRange = 0; // "(Unit:%s , Range:%u-%u)"
    int trigger = 0;
    int measurement = 0;
    int measurementRange = 0; // "ms(%d-%d)"
};

class DigitalInputEditors {
public:
    static constexpr unsigned kTriggerStrings[] = {309, 308, 602};
    static constexpr ChannelRules::UnsignedTriple kBuiltInMeasurement{1000, 50, 5000};
    static constexpr ChannelRules::UnsignedTriple kBuiltInFilter{1, 1, 65535};
    static constexpr int kMeasurementLength = 4;
    static inline const QString kFixedMeasurement = QStringLiteral("1000");
    static inline const QString kFixedFilter = QStringLiteral("1");

    DigitalInputEditors(DialogControls& page, DigitalInputIds ids);

    // Key = mode; the editors each mode enables.
    ChannelModeTable ModeTable(int keyOffset) const;
    void LoadModeNames();
    const QStringList& ModeNames() const { return modeNames_; }
    void LoadMeasurementRange(const QString& modelKey);
    const ChannelRules::UnsignedTriple& MeasurementRange() const { return measurement_; }
    // The module's filter unit and range (default, minimum, maximum) from its record.
    void SetFilter(const QString& unit, const std::vector<quint32>& range);
    const QString& FilterUnit() const { return filterUnit_; }
    QString TriggerText(int trigger) const;

    void FillControls();
    void Show(const DISettingBlock& setting);
    void Reset();
    // The texts a mode fixes in its disabled editors.
    void OnMode(int mode);
    // The filter within the module's range; its message names the filter label.
    bool CheckFilter() const;
    // The editors into the block; false (with its message, the measurement reset) when the
    // measurement time is out of range.
    bool Read(DISettingBlock& setting);

private:
    DialogControls& page_;
    DigitalInputIds ids_;
    QStringList modeNames_;
    QString filterUnit_;
    ChannelRules::UnsignedTriple filter_ = kBuiltInFilter;
    ChannelRules::UnsignedTriple measurement_ = kBuiltInMeasurement;
};
