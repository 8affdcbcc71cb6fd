#include "DNP3_OUTSTATION_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

constexpr SettingTriple kWideRange{0, 0, 65519};
constexpr SettingTriple kEventStorage{1000, 100, 1000};
constexpr SettingTriple kUnsolicitedTrigger{30, 1, 60};
constexpr char kMasterNameFormat[] = "Master-%1";

// In the order the file is read.
const std::array<TripleField<Dnp3Defaults>, 15> kMasterTriples{{
    SameKey(Key::DestAddrValue, &Dnp3Defaults::DestAddrValue, kWideRange),
    SameKey(Key::DestPortValue, &Dnp3Defaults::DestPortValue, kWideRange),
    SameKey(Key::FragmentSizeValue, &Dnp3Defaults::FragmentSizeValue, kWideRange),
    SameKey(Key::APConfirmTimeoutValue, &Dnp3Defaults::APConfirmTimeoutValue, kWideRange),
    SameKey(Key::DLResponseTimeoutValue, &Dnp3Defaults::DLResponseTimeoutValue, kWideRange),
    SameKey(Key::DLMaxRetryValue, &Dnp3Defaults::DLMaxRetryValue, kWideRange),
    SameKey(Key::UnsoliciteTimeoutValue, &Dnp3Defaults::UnsoliciteTimeoutValue, kWideRange),
    SameKey(Key::UnsolicitedRetryValue, &Dnp3Defaults::UnsolicitedRetryValue, kWideRange),
    {Key::MaxBinaryEventStorage, GetterKey::MaxBMaxEventStorage, &Dnp3Defaults::MaxBinaryEventStorage, kEventStorage},
    {Key::MaxAnalogEventStorage, GetterKey::MaxAMaxEventStorage, &Dnp3Defaults::MaxAnalogEventStorage, kEventStorage},
    {Key::MaxCounterEventStorage, GetterKey::MaxCMaxEventStorage, &Dnp3Defaults::MaxCounterEventStorage, kEventStorage},
    SameKey(Key::UnsoliciteHoldTimeValue, &Dnp3Defaults::UnsoliciteHoldTimeValue, kUnsolicitedTrigger),
    SameKey(Key::UnsoliciteTriggerClass1, &Dnp3Defaults::UnsoliciteTriggerClass1, kUnsolicitedTrigger),
    SameKey(Key::UnsoliciteTriggerClass2, &Dnp3Defaults::UnsoliciteTriggerClass2, kUnsolicitedTrigger),
    SameKey(Key::UnsoliciteTriggerClass3, &Dnp3Defaults::UnsoliciteTriggerClass3, kUnsolicitedTrigger),
}};

const std::array<TripleField<DNP3_OUTSTATION_SETTINGS>, 2> kOutstationTriples{{
    SameKey(Key::LocalAddrValue, &DNP3_OUTSTATION_SETTINGS::LocalAddrValue, kWideRange),
    SameKey(Key::LocalPortValue, &DNP3_OUTSTATION_SETTINGS::LocalPortValue, kWideRange),
}};

// The limit sizes the master list: a value the list could not sensibly hold is malformed.
qint32 readMasterLimit()
{
    const qint32 limit =
        ServiceDefaults::ReadInt(Section::Dnp3, Key::Limit, DNP3_OUTSTATION_SETTINGS::kBuiltInMasterLimit);
    const bool usable =
        limit >= DNP3_OUTSTATION_SETTINGS::kMinMasterLimit && limit <= DNP3_OUTSTATION_SETTINGS::kMaxMasterLimit;
    return usable ? limit : DNP3_OUTSTATION_SETTINGS::kBuiltInMasterLimit;
}

} // namespace

void LoadDnp3MasterDefaults(Dnp3Defaults& record)
{
    ServiceDefaults::LoadTriples(record, Section::Dnp3, kMasterTriples);
    record.EventBufferOverflowOptions = ServiceDefaults::ReadList(Section::Dnp3, Key::EventBufferOverflow);
}

// Without a settings file the built-in limits apply and the masters are still built: the pages
// rely on a filled triple and on at least one master.
void LoadDnp3OutstationDefaults(DNP3_OUTSTATION_SETTINGS& record)
{
    record.Limit = readMasterLimit();
    ServiceDefaults::LoadTriples(record, Section::Dnp3, kOutstationTriples);
    record.Reset();
}

int Dnp3Defaults::GetDnp3Default(const QString& key, SettingTriple& out) const
{
    out = SettingTriple{};
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kMasterTriples);
}

int Dnp3Defaults::GetValueRange(const QString& key, QStringList& out) const
{
    out.clear();
    if (key != Key::EventBufferOverflow)
        return 0;
    out = EventBufferOverflowOptions;
    return 1;
}

DNP3_MASTER_ITEM_SETTINGS::DNP3_MASTER_ITEM_SETTINGS()
{
    LoadDnp3MasterDefaults(*this);
    Reset();
}

void DNP3_MASTER_ITEM_SETTINGS::Reset()
{
    EnableDnp3Master = 0;
    Name.clear();
    DestinationAddr = DestAddrValue.defaultValue;
    MasterIP.clear();
    DestinationPort = DestPortValue.defaultValue;
    EnableUnsolicited = 0;
    FragmentMaxSize = FragmentSizeValue.defaultValue;
    ApplicationConfirmTimeout = APConfirmTimeoutValue.defaultValue;
    DLConfirmMode = 0;
    DLConfirmTimeout = DLResponseTimeoutValue.defaultValue;
    DLConfirmRetry = DLMaxRetryValue.defaultValue;
    Reserved = 0;
    EventBufferOverflow = 0;
    MaximumBinaryEventStorage = MaxBinaryEventStorage.defaultValue;
    MaximumAnalogEventStorage = MaxAnalogEventStorage.defaultValue;
    MaximumCounterEventStorage = MaxCounterEventStorage.defaultValue;
    UnsolicitedTimeout = UnsoliciteTimeoutValue.defaultValue;
    UnsolicitedHoldingTime = UnsoliciteHoldTimeValue.defaultValue;
    EnableUnsolicitedClass1 = kClassEnabled;
    EnableUnsolicitedClass2 = kClassEnabled;
    EnableUnsolicitedClass3 = kClassEnabled;
    NumberofUnsolicitedClass1 = UnsoliciteTriggerClass1.defaultValue;
    NumberofUnsolicitedClass2 = UnsoliciteTriggerClass2.defaultValue;
    NumberofUnsolicitedClass3 = UnsoliciteTriggerClass3.defaultValue;
    UnsolicitedRetry = UnsolicitedRetryValue.defaultValue;
}

DNP3_OUTSTATION_SETTINGS::DNP3_OUTSTATION_SETTINGS()
{
    LoadDnp3OutstationDefaults(*this);
}

void DNP3_OUTSTATION_SETTINGS::Reset()
{
    LocalAddr = LocalAddrValue.defaultValue;
    LocalPort = LocalPortValue.defaultValue;
    Masters.clear();
    Masters.reserve(Limit);
    for (qint32 number = 1; number <= Limit; ++number) {
        DNP3_MASTER_ITEM_SETTINGS master;
        master.Name = QString::fromLatin1(kMasterNameFormat).arg(number);
        Masters.append(master);
    }
}
