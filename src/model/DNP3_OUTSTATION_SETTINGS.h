#pragma once
// The DNP3 outstation: its masters, its points, and the limits they take from section [DNP3] of
// DefaultSettings.ini.

#include "ConfigFiles.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// The limits and choices of one master; each master record carries its own, so a copy can be
// checked on its own.
struct Dnp3Defaults {
    SettingTriple DestAddrValue;
    SettingTriple DestPortValue;
    SettingTriple FragmentSizeValue;
    SettingTriple APConfirmTimeoutValue;
    SettingTriple DLResponseTimeoutValue;
    SettingTriple DLMaxRetryValue;
    SettingTriple UnsoliciteHoldTimeValue;
    SettingTriple UnsoliciteTimeoutValue;
    SettingTriple UnsoliciteTriggerClass1;
    SettingTriple UnsoliciteTriggerClass2;
    SettingTriple UnsoliciteTriggerClass3;
    SettingTriple UnsolicitedRetryValue;
    QStringList EventBufferOverflowOptions; // the allowed event buffer overflow choices
    SettingTriple MaxBinaryEventStorage;
    SettingTriple MaxAnalogEventStorage;
    SettingTriple MaxCounterEventStorage;

    // The twelve keys of the triples above, the event storages as "MaxBMaxEventStorage",
    // "MaxAMaxEventStorage", "MaxCMaxEventStorage". The out triple is cleared first, so an
    // unknown key leaves it zero.
    int GetDnp3Default(const QString& key, SettingTriple& out) const;
    // Key "EventBufferOverflow": the choice texts. The out list is emptied first.
    int GetValueRange(const QString& key, QStringList& out) const;

    // project file
    // Round trips of the project file compare whole records.
    friend bool operator==(const Dnp3Defaults&, const Dnp3Defaults&) = default;
};

// One DNP3 master of the outstation.
struct DNP3_MASTER_ITEM_SETTINGS : Dnp3Defaults {
    static constexpr qint32 kClassEnabled = 1;

    qint32 EnableDnp3Master = 0;
    QString Name;
    qint32 DestinationAddr = 0;
    QString MasterIP;
    qint32 DestinationPort = 0;
    qint32 EnableUnsolicited = 0;
    qint32 FragmentMaxSize = 0;           // bytes
    qint32 ApplicationConfirmTimeout = 0; // seconds
    qint32 DLConfirmMode = 0;             // 0 never, 1 always
    qint32 DLConfirmTimeout = 0;          // seconds
    qint32 DLConfirmRetry = 0;
    qint32 Reserved = 0;            // not kept in the project file
    qint32 EventBufferOverflow = 0; // index into EventBufferOverflowOptions
    qint32 MaximumBinaryEventStorage = 0;
    qint32 MaximumAnalogEventStorage = 0;
    qint32 MaximumCounterEventStorage = 0;
    qint32 UnsolicitedTimeout = 0;
    qint32 UnsolicitedHoldingTime = 0;
    qint32 EnableUnsolicitedClass1 = kClassEnabled;
    qint32 EnableUnsolicitedClass2 = kClassEnabled;
    qint32 EnableUnsolicitedClass3 = kClassEnabled;
    qint32 NumberofUnsolicitedClass1 = 0;
    qint32 NumberofUnsolicitedClass2 = 0;
    qint32 NumberofUnsolicitedClass3 = 0;
    qint32 UnsolicitedRetry = 0; // 100 means infinite

    DNP3_MASTER_ITEM_SETTINGS(); // loads [DNP3], then Reset

    // Every working value back to its triple's default, the class enables to 1, the other
    // switches to 0, both texts emptied.
    void Reset();

    // project file
    // Children of the master's "Set_%d" element; Load gives every field a value.
    void Save(class IXMLElement* element) const;
    void Load(class IXMLElement* element);
    // Round trips of the project file compare whole records.
    friend bool operator==(const DNP3_MASTER_ITEM_SETTINGS&, const DNP3_MASTER_ITEM_SETTINGS&) = default;
};

// One DNP3 point: a tag published under one object type.
struct DNP3_POINT_SETTINGS {
    QString Name;
    QString ResourceID;      // the tag's dotted address; unique within a point group
    qint32 Class = 0;        // event class level, 0 none
    qint32 SBICondition = 0; // binary-input event condition
    qint32 AIDeadbandEnable = 0;
    qint32 DeviationType = 0; // 0 percentage, 1 value
    float DeadbandFloat = 0.0f;
    qint64 DeadbandInteger = 0;
    qint32 CounterConditionEnable = 0;
    qint64 ChangeDeviation = 0;

    // project file: the range code of the point's analog channel as the file last held it; the
    // writer always takes the channel's current code.
    qint32 Range = 0;

    friend bool operator==(const DNP3_POINT_SETTINGS&, const DNP3_POINT_SETTINGS&) = default;
};

// The outstation record held by the model.
struct DNP3_OUTSTATION_SETTINGS {
    static constexpr qint32 kBuiltInMasterLimit = 2;
    // A master limit outside this range in the file is taken as malformed.
    static constexpr qint32 kMinMasterLimit = 1;
    static constexpr qint32 kMaxMasterLimit = 32;

    qint32 Limit = kBuiltInMasterLimit; // number of masters a reset builds
    qint32 LocalAddr = 0;
    qint32 LocalPort = 0;
    QVector<DNP3_MASTER_ITEM_SETTINGS> Masters; // never empty once built
    SettingTriple LocalAddrValue;
    SettingTriple LocalPortValue;

    DNP3_OUTSTATION_SETTINGS(); // LoadDnp3OutstationDefaults

    // Address and port back to their defaults; the master list rebuilt with Limit fresh masters
    // named "Master-1" up to "Master-<Limit>".
    void Reset();

    // project file
    // Round trips of the project file compare whole records.
    friend bool operator==(const DNP3_OUTSTATION_SETTINGS&, const DNP3_OUTSTATION_SETTINGS&) = default;
};

void LoadDnp3MasterDefaults(Dnp3Defaults& record);
// Reads the limit and the two triples, then resets the record.
void LoadDnp3OutstationDefaults(DNP3_OUTSTATION_SETTINGS& record);
