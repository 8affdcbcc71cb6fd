#include "CDataCenter.h"
#include "ProjectFileFixture.h"
#include "ResultCodes.h"

namespace {

using SystemInformationTest = ProjectFileTest;

TEST_F(SystemInformationTest, WritesTypeLocationNameAndToolVersionInOrder)
{
    CDataCenter model;
    model.SetModType(QStringLiteral("ulTEK-4200"));
    model.SetModuleInfo({QStringLiteral("Pump station"), QStringLiteral("Hall 3")});
    model.CfgToolVersion = QStringLiteral("1.2.0"); // as read from an older file; never written back
    IXMLElement* product = NewDocument();
    model.SaveSystemInformation(product);

    EXPECT_EQ(ChildNames(product), QStringList{"SystemInformation"});
    EXPECT_EQ(ChildNames(At(product, "SystemInformation")),
              (QStringList{"ModType", "ModLocation", "ModName", "CfgToolVersion"}));
    EXPECT_EQ(ResultAt(product, "SystemInformation/ModType"), "ulTEK-4200");
    EXPECT_EQ(ResultAt(product, "SystemInformation/ModLocation"), "Hall 3");
    EXPECT_EQ(ResultAt(product, "SystemInformation/ModName"), "Pump station");
    EXPECT_EQ(ResultAt(product, "SystemInformation/CfgToolVersion"), "1.9.0");
}

TEST_F(SystemInformationTest, RoundTripThroughAFile)
{
    CDataCenter written;
    written.SetModType(QStringLiteral("ulTEK-4200"));
    written.SetModuleInfo({QStringLiteral("Pumpe <Nord> & Süd"), QStringLiteral("")});
    IXMLElement* product = NewDocument();
    written.SaveSystemInformation(product);
    const QByteArray first = SaveBytes(product, QStringLiteral("first.xml"));

    CDataCenter reread;
    reread.SetModType(QStringLiteral("ULTEK-4200")); // what the product template gave
    reread.SetModuleInfo({QStringLiteral("stale"), QStringLiteral("stale")});
    ASSERT_EQ(reread.LoadSystemInformation(LoadFile(QStringLiteral("first.xml"))), kS_OK);
    EXPECT_EQ(reread.GetModuleInfo(), written.GetModuleInfo());
    EXPECT_EQ(reread.CfgToolVersion, "1.9.0");

    reread.SetModType(written.ModType);
    IXMLElement* again = NewDocument();
    reread.SaveSystemInformation(again);
    EXPECT_EQ(SaveBytes(again, QStringLiteral("second.xml")), first);
}

TEST_F(SystemInformationTest, ReadingChecksTheModelTypeAndNeedsTheToolVersion)
{
    const struct {
        const char* label;
        const char* xml;
        int result;
        const char* toolVersion; // CfgToolVersion afterwards ("unchanged" stays as preset)
        const char* name;
        const char* location;
    } cases[] = {
        {"same type",
         "<Product><SystemInformation><ModType Result=\"ulTEK-4200\"/><ModLocation Result=\"L\"/>"
         "<ModName Result=\"N\"/><CfgToolVersion Result=\"1.9.0\"/></SystemInformation></Product>",
         kS_OK, "1.9.0", "N", "L"},
        {"type in other letter case",
         "<Product><SystemInformation><ModType Result=\"ULTEK-4200\"/>"
         "<CfgToolVersion Result=\"1.9.0\"/></SystemInformation></Product>",
         kS_OK, "1.9.0", "", ""},
        {"older tool version kept",
         "<Product><SystemInformation><ModType Result=\"ulTEK-4200\"/>"
         "<CfgToolVersion Result=\"1.2.0\"/></SystemInformation></Product>",
         kS_OK, "1.2.0", "", ""},
        {"another model",
         "<Product><SystemInformation><ModType Result=\"ulTEK-2300\"/>"
         "<CfgToolVersion Result=\"1.9.0\"/></SystemInformation></Product>",
         kE_FAIL, "unchanged", "preset name", "preset location"},
        {"type without value",
         "<Product><SystemInformation><ModType/><CfgToolVersion Result=\"1.9.0\"/>"
         "</SystemInformation></Product>",
         kE_FAIL, "unchanged", "preset name", "preset location"},
        {"no tool version",
         "<Product><SystemInformation><ModType Result=\"ulTEK-4200\"/><ModName Result=\"N\"/>"
         "</SystemInformation></Product>",
         kE_FAIL, "unchanged", "preset name", "preset location"},
        {"no group", "<Product><DeviceConfiguration/></Product>", kE_FAIL, "unchanged", "preset name",
         "preset location"},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        model.SetModType(QStringLiteral("ulTEK-4200"));
        model.SetModuleInfo({QStringLiteral("preset name"), QStringLiteral("preset location")});
        model.CfgToolVersion = QStringLiteral("unchanged");
        EXPECT_EQ(model.LoadSystemInformation(LoadXml(c.xml)), c.result) << c.label;
        EXPECT_EQ(model.CfgToolVersion, c.toolVersion) << c.label;
        EXPECT_EQ(model.GetModuleInfo().ModName, c.name) << c.label;
        EXPECT_EQ(model.GetModuleInfo().ModLocation, c.location) << c.label;
    }
    CDataCenter model;
    EXPECT_EQ(model.LoadSystemInformation(nullptr), kE_FAIL);
}

} // namespace
