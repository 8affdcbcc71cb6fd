// A number edit's check: an optional number is out of range when empty, a required one is
// missing (647) when empty and out of range otherwise.
#include "PageConversions.h"
#include "Validation.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

TEST(NumberConversionTest, AnEmptyRequiredNumberIsMissingRatherThanOutOfRange)
{
    const SettingTriple port{502, 1, 65535};
    const QString range = FormatRangeErrorLine(QStringLiteral("Port"), 1, 65535);
    const QString missing = FormatInvalidItemLine(QStringLiteral("Port"));
    const struct {
        const char* typed;
        QString optional;
        QString required;
    } cases[] = {
        {"", range, missing},
        {"   ", range, missing},
        {"0", range, range},
        {"65536", range, range},
        {"5x", range, range},
        {" 502 ", QString(), QString()},
        {"65535", QString(), QString()},
    };
    QLineEdit edit;
    for (const auto& c : cases) {
        edit.setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(AsNumber{port}.Check(edit, QStringLiteral("Port")), c.optional) << c.typed;
        EXPECT_EQ(AsRequiredNumber(port).Check(edit, QStringLiteral("Port")), c.required) << c.typed;
    }
    edit.setText(QStringLiteral("-2147483648"));
    EXPECT_EQ(AsRequiredNumber().Check(edit, QStringLiteral("Timeout")), QString()) << "any whole number by default";
}

} // namespace
