// A model with a module of every kind and every stored value changed: written, read into a fresh
// model of the same layout, written again.
#include "DeviceModelBuilder.h"
#include "ProjectFileFixture.h"
#include "ResultCodes.h"
#include "SlotKeyedLookup.h"

namespace {

class DeviceConfigurationRoundTripTest : public ProjectFileTest {
protected:
    QByteArray Save(CDataCenter& model, const QString& fileName)
    {
        IXMLElement* product = NewDocument();
        model.SaveDeviceConfiguration(product);
        return SaveBytes(product, fileName);
    }
};

TEST_F(DeviceConfigurationRoundTripTest, ReadBackRecordsEqualTheWrittenOnesAndRewriteIsByteIdentical)
{
    CDataCenter written;
    BuildLayout(written);
    ChangeEverything(written);
    const QByteArray first = Save(written, QStringLiteral("first.xml"));

    CDataCenter reread;
    BuildLayout(reread);
    ASSERT_EQ(reread.LoadDeviceConfiguration(LoadFile(QStringLiteral("first.xml"))), kS_OK);
    ExpectSameDeviceSettings(written, reread);

    const QByteArray second = Save(reread, QStringLiteral("second.xml"));
    EXPECT_EQ(first, second);
}

TEST_F(DeviceConfigurationRoundTripTest, ChangedValuesReallyDifferFromAFreshLayout)
{
    // Guards the round trip against a reader that reads nothing: the fresh layout must differ.
    CDataCenter changed;
    BuildLayout(changed);
    ChangeEverything(changed);
    CDataCenter fresh;
    BuildLayout(fresh);
    EXPECT_NE(Save(changed, QStringLiteral("changed.xml")), Save(fresh, QStringLiteral("fresh.xml")));
    EXPECT_NE(changed.DISettings[0].Channels[0].Setting, fresh.DISettings[0].Channels[0].Setting);
    EXPECT_NE(changed.LogEnable.Entries, fresh.LogEnable.Entries);
}

TEST_F(DeviceConfigurationRoundTripTest, ReadingTheFileAgainReplacesRegistersAndChannelValues)
{
    CDataCenter written;
    BuildLayout(written);
    ChangeEverything(written);
    Save(written, QStringLiteral("project.xml"));
    CDataCenter reread;
    BuildLayout(reread);
    IXMLElement* product = LoadFile(QStringLiteral("project.xml"));
    reread.LoadDeviceConfiguration(product);
    // Internal registers are replaced, not appended, when the same file is read again.
    reread.LoadDeviceConfiguration(product);
    EXPECT_EQ(reread.InternalRegisters.ListForCode(10)->size(), 3u);
    EXPECT_EQ(FindRecordBySlot(reread.DISettings, TestSlot::DI)->Channels[0].Setting,
              FindRecordBySlot(written.DISettings, TestSlot::DI)->Channels[0].Setting);
}

} // namespace
