// The texts of the controller's result codes.
#include "ApplicationTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationTextsTest, ResultCodesFiftyToSixtyFiveHaveTheirTexts)
{
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {50, "Done."},
        {52, "Errod when upgrading CPU firmware."},
        {58, "Config IO error."},
        {65, "Config function is not supported."},
        {49, ""},
        {66, ""},
        {-50, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeviceResultText(c.code), QString::fromLatin1(c.text)) << c.code;
}

} // namespace
