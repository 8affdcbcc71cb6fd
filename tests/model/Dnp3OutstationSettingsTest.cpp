#include "DefaultSettingsFolder.h"

#include "DNP3_OUTSTATION_SETTINGS.h"

namespace {

class Dnp3OutstationSettingsTest : public DefaultSettingsFolder {};

QStringList masterNames(const DNP3_OUTSTATION_SETTINGS& outstation)
{
    QStringList names;
    for (const DNP3_MASTER_ITEM_SETTINGS& master : outstation.Masters)
        names << master.Name;
    return names;
}

TEST_F(Dnp3OutstationSettingsTest, StartsWithLimitMastersNamedByNumber)
{
    UseDefaultSettings("[DNP3]\nLimit=3\nLocalAddrValue=4,0,100\nLocalPortValue=20000,1,65519\n");
    const DNP3_OUTSTATION_SETTINGS outstation;
    EXPECT_EQ(outstation.Limit, 3);
    EXPECT_EQ(masterNames(outstation), (QStringList{"Master-1", "Master-2", "Master-3"}));
    EXPECT_EQ(outstation.LocalAddr, 4);
    EXPECT_EQ(outstation.LocalPort, 20000);
}

// The limit sizes the master list, which the pages expect never to be empty.
TEST_F(Dnp3OutstationSettingsTest, AMasterLimitThatCannotSizeTheListFallsBackToTwo)
{
    const char* files[] = {"", "Limit=0\n", "Limit=-3\n", "Limit=abc\n", "Limit=100000\n"};
    for (const char* file : files) {
        UseDefaultSettings(QByteArray("[DNP3]\n") + file);
        const DNP3_OUTSTATION_SETTINGS outstation;
        EXPECT_EQ(outstation.Limit, 2) << file;
        EXPECT_EQ(masterNames(outstation), (QStringList{"Master-1", "Master-2"})) << file;
    }
}

TEST_F(Dnp3OutstationSettingsTest, WithoutTheFileTheBuiltInLimitsApplyAndMastersAreBuilt)
{
    UseNoDefaultSettings();
    const DNP3_OUTSTATION_SETTINGS outstation;
    EXPECT_EQ(outstation.LocalAddrValue, (SettingTriple{0, 0, 65519}));
    EXPECT_EQ(outstation.LocalPortValue, (SettingTriple{0, 0, 65519}));
    ASSERT_EQ(outstation.Masters.size(), 2);
    EXPECT_EQ(outstation.Masters.front().MaxBinaryEventStorage, (SettingTriple{1000, 100, 1000}));
}

TEST_F(Dnp3OutstationSettingsTest, ResetRebuildsFreshMastersAndRestoresAddressAndPort)
{
    UseDefaultSettings("[DNP3]\nLimit=1\nLocalPortValue=20000,1,65519\nDestPortValue=20001,1,65519\n");
    DNP3_OUTSTATION_SETTINGS outstation;
    outstation.LocalPort = 1;
    outstation.Masters.front().DestinationPort = 5;
    outstation.Masters.front().EnableDnp3Master = 1;
    outstation.Masters.append(DNP3_MASTER_ITEM_SETTINGS{});
    outstation.Reset();

    EXPECT_EQ(outstation.LocalPort, 20000);
    ASSERT_EQ(outstation.Masters.size(), 1);
    EXPECT_EQ(outstation.Masters.front().Name, "Master-1");
    EXPECT_EQ(outstation.Masters.front().DestinationPort, 20001);
    EXPECT_EQ(outstation.Masters.front().EnableDnp3Master, 0);
}

TEST_F(Dnp3OutstationSettingsTest, MasterResetTakesEveryTriplesDefaultAndEnablesTheClasses)
{
    UseDefaultSettings("[DNP3]\n"
                       "DestAddrValue=3,0,65519\nDestPortValue=20000,1,65519\nFragmentSizeValue=2048,249,2048\n"
                       "APConfirmTimeoutValue=5,1,60\nDLResponseTimeoutValue=6,1,60\nDLMaxRetryValue=2,0,255\n"
                       "UnsoliciteTimeoutValue=7,1,60\nUnsolicitedRetryValue=8,0,100\n"
                       "MaxBinaryEventStorage=500,100,1000\nMaxAnalogEventStorage=600,100,1000\n"
                       "MaxCounterEventStorage=700,100,1000\nUnsoliciteHoldTimeValue=10,1,60\n"
                       "UnsoliciteTriggerClass1=11,1,60\nUnsoliciteTriggerClass2=12,1,60\n"
                       "UnsoliciteTriggerClass3=13,1,60\n");
    DNP3_MASTER_ITEM_SETTINGS master;
    master.EnableDnp3Master = 1;
    master.Name = "Control room";
    master.MasterIP = "127.0.0.1";
    master.EnableUnsolicited = 1;
    master.DLConfirmMode = 1;
    master.EventBufferOverflow = 1;
    master.EnableUnsolicitedClass2 = 0;
    master.DestinationAddr = master.FragmentMaxSize = master.UnsolicitedRetry = -1;
    master.Reset();

    const struct {
        const char* field;
        qint32 actual;
        qint32 expected;
    } cases[] = {
        {"EnableDnp3Master", master.EnableDnp3Master, 0},
        {"DestinationAddr", master.DestinationAddr, 3},
        {"DestinationPort", master.DestinationPort, 20000},
        {"EnableUnsolicited", master.EnableUnsolicited, 0},
        {"FragmentMaxSize", master.FragmentMaxSize, 2048},
        {"ApplicationConfirmTimeout", master.ApplicationConfirmTimeout, 5},
        {"DLConfirmMode", master.DLConfirmMode, 0},
        {"DLConfirmTimeout", master.DLConfirmTimeout, 6},
        {"DLConfirmRetry", master.DLConfirmRetry, 2},
        {"EventBufferOverflow", master.EventBufferOverflow, 0},
        {"MaximumBinaryEventStorage", master.MaximumBinaryEventStorage, 500},
        {"MaximumAnalogEventStorage", master.MaximumAnalogEventStorage, 600},
        {"MaximumCounterEventStorage", master.MaximumCounterEventStorage, 700},
        {"UnsolicitedTimeout", master.UnsolicitedTimeout, 7},
        {"UnsolicitedHoldingTime", master.UnsolicitedHoldingTime, 10},
        {"EnableUnsolicitedClass1", master.EnableUnsolicitedClass1, 1},
        {"EnableUnsolicitedClass2", master.EnableUnsolicitedClass2, 1},
        {"EnableUnsolicitedClass3", master.EnableUnsolicitedClass3, 1},
        {"NumberofUnsolicitedClass1", master.NumberofUnsolicitedClass1, 11},
        {"NumberofUnsolicitedClass2", master.NumberofUnsolicitedClass2, 12},
        {"NumberofUnsolicitedClass3", master.NumberofUnsolicitedClass3, 13},
        {"UnsolicitedRetry", master.UnsolicitedRetry, 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.field;
    EXPECT_TRUE(master.Name.isEmpty());
    EXPECT_TRUE(master.MasterIP.isEmpty());
}

TEST_F(Dnp3OutstationSettingsTest, GettersEmptyTheirOutputForAnUnknownKey)
{
    UseDefaultSettings("[DNP3]\nEventBufferOverflow=Discard Oldest,Discard Newest\n");
    const DNP3_MASTER_ITEM_SETTINGS master;

    QStringList choices{"stale"};
    EXPECT_EQ(master.GetValueRange("EventBufferOverflow", choices), 1);
    EXPECT_EQ(choices, (QStringList{"Discard Oldest", "Discard Newest"}));
    EXPECT_EQ(master.GetValueRange("eventbufferoverflow", choices), 0);
    EXPECT_TRUE(choices.isEmpty());

    SettingTriple triple{1, 2, 3};
    EXPECT_EQ(master.GetDnp3Default("MaxBinaryEventStorage", triple), 0) << "the file's key is not the page's";
    EXPECT_EQ(triple, SettingTriple{});
}

TEST_F(Dnp3OutstationSettingsTest, AbsentOverflowChoicesGiveOneEmptyChoice)
{
    UseDefaultSettings("[DNP3]\n");
    const DNP3_MASTER_ITEM_SETTINGS master;
    QStringList choices;
    EXPECT_EQ(master.GetValueRange("EventBufferOverflow", choices), 1);
    EXPECT_EQ(choices, QStringList{""});
}

// Each master owns its limits and choices: a copy can be checked on its own.
TEST_F(Dnp3OutstationSettingsTest, MasterCopiesCarryTheirLimitsAndChoices)
{
    UseDefaultSettings("[DNP3]\nDestPortValue=20000,1,30000\nEventBufferOverflow=A,B\n");
    DNP3_MASTER_ITEM_SETTINGS master;
    master.Name = "Control room";

    UseNoDefaultSettings();
    DNP3_MASTER_ITEM_SETTINGS copy;
    copy = master;
    SettingTriple port;
    QStringList choices;
    EXPECT_EQ(copy.Name, "Control room");
    EXPECT_EQ(copy.GetDnp3Default("DestPortValue", port), 1);
    EXPECT_EQ(port, (SettingTriple{20000, 1, 30000}));
    EXPECT_EQ(copy.GetValueRange("EventBufferOverflow", choices), 1);
    EXPECT_EQ(choices, (QStringList{"A", "B"}));
}

} // namespace
