// The SMS alarm page: entries with phone numbers and their tags, the 128-character message and
// its tag insertion, and the PIN written only with an entry.
#include "CAlarmSMS.h"

#include "AlarmPageFixture.h"
#include "ProjectReopen.h"
#include "TypeIds.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace AlarmSmsIds;

namespace {

class AlarmSmsPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        page().SetRecipientEditor([this](QString& numbers, QString& names) {
            numbers = editorNumbers;
            names = QStringLiteral("Ann");
            return true;
        });
        page().SetTagChooser([this] { return chosenTags; });
        harness.Show(node);
    }
    CAlarmSMS& page() { return harness.page(); }
    const ALARM_SMS_SETTINGS& service() { return harness.model().AlarmSms; }
    void Add(const char* name)
    {
        harness.Set({{kEditName, QString::fromUtf8(name)}});
        page().EditRecipients();
        harness.Press(kButtonAdd);
    }

    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CAlarmSMS> harness;
    const TreeNodeInfo node = NodeFor(ServiceId::AlarmSms, QStringLiteral("SMS"));
    QString editorNumbers = QStringLiteral("+4930123");
    std::vector<TagRecord> chosenTags;
};

} // namespace

TEST_F(AlarmSmsPageTest, TheTemplateHoldsThePagesControls)
{
    ExpectControlsMatchTemplate(kTemplate, kControls);
}

TEST_F(AlarmSmsPageTest, AnEntryGetsItsTagsAndThePinGoesWithIt)
{
    harness.Set({{kEditPin, QStringLiteral("1234")}});
    Add("Pump");
    ASSERT_EQ(service().Entries.size(), 1);
    const ALARM_SMS_ITEM_SETTINGS& entry = service().Entries[0];
    EXPECT_EQ(entry.Phone, "+4930123");
    EXPECT_EQ(entry.PhoneName, "Ann");
    EXPECT_EQ(harness.model().GetTagNameByAddress(entry.TriggerTag), "SMSTrigger_0");
    EXPECT_TRUE(CarriesUse(harness.model(), entry.StatusTag, ServiceId::AlarmSms, 0));
    EXPECT_EQ(service().PIN, "1234");
    EXPECT_EQ(page().itemText(kEditRecipients), "+4930123(Ann)");
    harness.Screenshot(QStringLiteral("alarm-sms-page"));

    harness.Set({{kEditPin, QStringLiteral("9999")}});
    harness.Hide();
    harness.Show(node);
    EXPECT_EQ(service().PIN, "1234") << "leaving the page writes nothing";
    EXPECT_EQ(page().itemText(kEditPin), "1234");
}

TEST_F(AlarmSmsPageTest, AnEntryWithoutNumbersIsRefused)
{
    editorNumbers.clear();
    Add("Pump");
    EXPECT_EQ(harness.messages(), QStringList{FormatInvalidItemLine("Phone numbers")});
    EXPECT_TRUE(service().Entries.isEmpty());
}

TEST_F(AlarmSmsPageTest, TagInsertionsBeyond128CharactersAreDropped)
{
    chosenTags = {MakeTestTag(QStringLiteral("Pump1"), QStringLiteral("0.1.5"))}; // "{{Pump1}}": 9 characters
    struct Case {
        int before;
        bool inserted;
    };
    for (const Case& c : {Case{119, true}, Case{120, false}}) {
        SCOPED_TRACE(c.before);
        const QString text(c.before, QChar(u'x'));
        harness.Set({{kEditContent, text}});
        page().item<QPlainTextEdit>(kEditContent)->moveCursor(QTextCursor::End);
        harness.Press(kButtonInsertTags);
        EXPECT_EQ(page().itemText(kEditContent), c.inserted ? text + QStringLiteral("{{Pump1}}") : text);
    }
}

// The harness product has no cellular modem (HSPA 0); the tags of its SMS entries stay all the same.
TEST_F(AlarmSmsPageTest, AnEntrysTagsAreReopenedOnAProductWithoutCellularModem)
{
    ASSERT_EQ(harness.model().HasHSPA(), 0);
    Add("Pump");
    ASSERT_EQ(service().Entries.size(), 1);
    const ALARM_SMS_SETTINGS saved = service();

    ASSERT_TRUE(SaveAndReopenInPlace(harness.model()));
    ASSERT_TRUE(service() == saved);
    const ALARM_SMS_ITEM_SETTINGS& entry = service().Entries[0];
    EXPECT_EQ(harness.model().GetTagNameByAddress(entry.TriggerTag), "SMSTrigger_0");
    EXPECT_EQ(harness.model().GetTagNameByAddress(entry.StatusTag), "SMSStatus_0");
    EXPECT_TRUE(CarriesUse(harness.model(), entry.TriggerTag, ServiceId::AlarmSms, 0));
    EXPECT_TRUE(CarriesUse(harness.model(), entry.StatusTag, ServiceId::AlarmSms, 0));
    harness.Show(node);
    EXPECT_EQ(page().itemText(kEditName), "Pump");
}
