#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

TEST(ClipboardTest, PutsUnicodeTextOnTheClipboard)
{
    const QString text = QStringLiteral("Tag_Öl \u00b5A");
    ASSERT_TRUE(CopyTextToClipboard(text));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
}

} // namespace
