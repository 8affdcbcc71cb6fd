#include "CIPAddressCtrl.h"

#include "UiDriving.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

TEST(CIPAddressCtrlTest, SetAndGetTextFollowTheDottedTextRules)
{
    const struct {
        const char* input;
        const char* shown; // the address read back
    } cases[] = {
        {"192.168.1.20", "192.168.1.20"},
        {"192.168.1", "192.168.1.0"}, // missing pieces are 0
        {"300.1.1.1", "44.1.1.1"},    // low eight bits
        {"10", ""},                   // no dot: cleared
        {"", ""},
        {"1.2.3.4.5", "1.2.3.4"},    // pieces after the fourth are ignored
        {" 7.x.-1.08", "7.0.255.8"}, // leading-number reading of each piece
    };
    for (const auto& c : cases) {
        CIPAddressCtrl control;
        SetIPAddressText(control, QStringLiteral("9.9.9.9")); // something to clear first
        SetIPAddressText(control, QString::fromUtf8(c.input));
        QString text = QStringLiteral("stale");
        GetIPAddressText(control, text);
        EXPECT_EQ(text, QString::fromUtf8(c.shown)) << c.input;
    }
}

TEST(CIPAddressCtrlTest, BlankStateAndPartlyFilledFields)
{
    CIPAddressCtrl control;
    EXPECT_TRUE(control.IsBlank());
    QString text = QStringLiteral("stale");
    GetIPAddressText(control, text);
    EXPECT_TRUE(text.isEmpty());

    // One field typed, the others blank: they count as 0.
    UiDriving::TypeText(control.field(2), QStringLiteral("5"));
    EXPECT_FALSE(control.IsBlank());
    GetIPAddressText(control, text);
    EXPECT_EQ(text, QStringLiteral("0.0.5.0"));

    control.ClearAddress();
    EXPECT_TRUE(control.IsBlank());
}

TEST(CIPAddressCtrlTest, TypingKeepsEachFieldAnOctet)
{
    CIPAddressCtrl control;
    control.show();
    UiDriving::TypeText(control.field(0), QStringLiteral("999"));
    UiDriving::TypeText(control.field(1), QStringLiteral("1a2"));
    UiDriving::TypeText(control.field(2), QStringLiteral("1234"));
    QString text;
    GetIPAddressText(control, text);
    EXPECT_EQ(text, QStringLiteral("255.12.123.0"));
    EXPECT_EQ(control.field(2)->text(), QStringLiteral("123"));
}

} // namespace
