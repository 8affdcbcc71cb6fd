#include "Registry.h"

#include <gtest/gtest.h>

#include <QSettings>

namespace {

TEST(RegistryTest, WritesIntoAnExistingSubKey)
{
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Zerv", "Pelandrix");
        store.setValue("Software/Tools/Workbench/Version", "1.1");
        store.setValue("Software/Sessions/DiagConsole/Colours/Back", "0");
    }
    EXPECT_TRUE(WriteRegistryString(RegistryRoot::CurrentUser, "Software\\Tools\\Workbench", "RelativeRootFolderPath",
                                    "/opt/workbench"));
    EXPECT_TRUE(
        WriteRegistryString(RegistryRoot::CurrentUser, "Software\\Sessions\\DiagConsole", "HostName", "127.0.0.1"))
        << "a sub-key that only holds sub-keys exists too";

    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Zerv", "Pelandrix");
    EXPECT_EQ(store.value("Software/Tools/Workbench/RelativeRootFolderPath").toString(), "/opt/workbench");
    EXPECT_EQ(store.value("Software/Tools/Workbench/Version").toString(), "1.1");
    EXPECT_EQ(store.value("Software/Sessions/DiagConsole/HostName").toString(), "127.0.0.1");
}

TEST(RegistryTest, NeverCreatesASubKey)
{
    const struct {
        const char* label;
        const char* subKey;
        const char* valueName;
    } cases[] = {
        {"missing sub-key", "Software\\Missing\\Key", "Value"},
        {"empty sub-key", "", "Value"},
        {"value name naming a sub-key", "Software\\Present", "Child/Value"},
        {"value name with a backslash", "Software\\Present", "Child\\Value"},
        {"empty value name", "Software\\Present", ""},
    };
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Zerv", "Pelandrix");
        store.setValue("Software/Present/Existing", "1");
    }
    for (const auto& c : cases)
        EXPECT_FALSE(WriteRegistryString(RegistryRoot::CurrentUser, c.subKey, c.valueName, "x")) << c.label;

    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Zerv", "Pelandrix");
    EXPECT_FALSE(store.childGroups().isEmpty());
    store.beginGroup("Software");
    EXPECT_FALSE(store.childGroups().contains("Missing"));
    store.beginGroup("Present");
    EXPECT_EQ(store.allKeys(), QStringList{"Existing"});
}

} // namespace
