#pragma once
// The DefaultSettings.ini defaults a module gets right after its record was appended while it is
// placed into a slot: channel ranges, sensor types, high-speed sample rates and digital-input
// filter settings. The device tree pane runs one applier per placed module.

#include <QString>

class CDataCenter;

// The three cellular defaults of [Cellular].
struct CellularDefaults {
    int GsmTimeout = 300;
    int HspaRetry = 5;
    int PingCheckRetryInterval = 30;
    QString Apn; // the access point a new module starts with
    friend bool operator==(const CellularDefaults&, const CellularDefaults&) = default;
};

class ModuleDefaultsApplier {
public:
    // moduleName: the placed module's name (the pane's current template name).
    ModuleDefaultsApplier(CDataCenter& model, int slot, QString moduleName);

    // Each range or sensor value must hold exactly its three numbers (minimum, maximum, code);
    // otherwise, or when a key is missing, the channels keep their defaults. At most the
    // record's own channels are written, whatever count is given.
    void ApplyHARTAIRangeDefaults(int channelCount);
    void ApplyAIRangeDefaults(int channelCount);
    void ApplyHighSpeedAIDefaults(int channelCount);
    void ApplyAORangeDefaults(int channelCount);
    void ApplyTCSensorDefaults(int channelCount);
    void ApplyRTDSensorDefaults(int channelCount);
    void ApplyDIFilterDefaults();
    void ApplyDIOFilterDefaults();

    static CellularDefaults GetCellularDefaults();

    // A range value of DefaultSettings.ini: minimum, maximum and range (sensor-type) code.
    struct Range {
        int Minimum = 0;
        int Maximum = 0;
        int Code = 0;
        QString Unit; // an output range's unit, a sensor type's kind; empty when the line has none
    };

private:
    enum class NameForm { WholeValue, FirstItem };

    bool ReadRange(const QString& nameSection, NameForm nameForm, const QString& rangeSection, Range& range) const;
    QString ReadFilterValue(const QString& key) const;

    CDataCenter& model_;
    int slot_;
    QString moduleName_;
};
