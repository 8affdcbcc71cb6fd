// Whole projects through real files: every product with every slot filled and every value
// changed is saved, opened into a fresh model and saved again.
#include "ChangedProject.h"
#include "ProjectFrameFixture.h"

#include "ConfigFiles.h"
#include "ResultCodes.h"

#include <QDir>
#include <QLocale>

#include <clocale>
#include <map>
#include <string>
#include <utility>

namespace {

using ProjectFileRoundTrip = ProjectFrameTest;

QStringList productTemplates()
{
    QStringList names;
    for (const QString& file : QDir(QDir(ProgramDirectory()).filePath(QStringLiteral("RES")))
                                   .entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
        names << file.chopped(4);
    return names;
}

// How many records of each module kind a project holds: the round trip must meet every kind.
void countRecordKinds(const CDataCenter& model, std::map<std::string, size_t>& counts)
{
    counts["DI"] += model.DISettings.size();
    counts["DO"] += model.DOSettings.size();
    counts["relay"] += model.RelaySettings.size();
    counts["DIO"] += model.DIOSettings.size();
    counts["AI"] += model.AISettings.size();
    counts["HART AI"] += model.HARTAISettings.size();
    counts["high-speed AI"] += model.HighSpeedAISettings.size();
    counts["AO"] += model.AOSettings.size();
    counts["thermocouple"] += model.TCSettings.size();
    counts["RTD"] += model.RTDSettings.size();
    counts["serial"] += model.SerialSettings.size();
    counts["CAN"] += model.CanSettings.size();
    counts["LAN"] += model.NetworkSettings.size();
    counts["cellular"] += model.CellularSettings.size();
    counts["port trunk"] += model.PortTrunkSettings.size();
    counts["switch"] += model.SwitchSettings.size();
    counts["power"] += model.ResourceGroups.size();
}

// The 4100 series in each of its slot counts, in turn.
constexpr int kSlotCounts4100[] = {5, 9, 12};

TEST_F(ProjectFileRoundTrip, EveryProductFilledAndChangedReopensToTheSameModelAndBytes)
{
    const QStringList products = productTemplates();
    ASSERT_EQ(products.size(), 16);
    int cursor = 0; // consecutive projects of a series take other modules
    int projects4100 = 0;
    std::map<std::string, size_t> recordKinds;
    for (const QString& product : products) {
        SCOPED_TRACE(product.toStdString());
        const bool is4100 = product.startsWith(QStringLiteral("ulTEK 4100"));
        const int slotCount = is4100 ? kSlotCounts4100[projects4100++ % std::size(kSlotCounts4100)] : 0;
        CDataCenter saved;
        ASSERT_TRUE(FilledProject::BuildFilledProject(saved, FilledProject::ChoiceFor(product, slotCount), cursor));
        const QByteArray unchanged = SavedText(saved, QStringLiteral("unchanged.pelx"));
        ChangedProject::ChangeEveryValue(saved);
        countRecordKinds(saved, recordKinds);
        boxes_.Clear();
        const QByteArray first = SavedText(saved, QStringLiteral("first.pelx"));
        ASSERT_FALSE(first.isEmpty());
        EXPECT_NE(first, unchanged);

        CDataCenter reopened;
        RecordingTreeObserver tree;
        CProjectLoader loader(reopened, &tree);
        ASSERT_EQ(loader.LoadProject(Path(QStringLiteral("first.pelx")), 1), kS_OK);
        EXPECT_TRUE(boxes_.texts().isEmpty()) << boxes_.texts().join(u'|').toStdString();
        EXPECT_EQ(reopened.CurrentConfigVersion, 1);
        EXPECT_EQ(reopened.ConfigVersion, QStringLiteral("1.9.0"));

        const QByteArray second = SavedText(reopened, QStringLiteral("second.pelx"));
        EXPECT_TRUE(first == second) << "the files differ";
        ChangedProject::ExpectSameProject(saved, reopened);
    }
    for (const auto& [kind, count] : recordKinds)
        EXPECT_GT(count, 0u) << "no project held a module of the kind " << kind;
}

TEST_F(ProjectFileRoundTrip, TheTreeFollowsThePlacingOfEveryStoredSlot)
{
    // A 4100 controller with five slots; the port-trunk pair in slots 3 and 4 works as a trunk.
    CDataCenter saved;
    {
        CTemplatePlacer placer(saved);
        ASSERT_TRUE(placer.BuildNewProject(FilledProject::ChoiceFor(QStringLiteral("ulTEK 4100-CPU15-C-T"), 5)));
        for (const auto& [slot, module] : {std::pair{3, "41M-3302U-T"}, {4, "41M-3302U-T"}, {1, "41M-2116-T"}})
            ASSERT_TRUE(placer.AddModuleFromTemplate(QString::fromLatin1(module), slot)) << module;
    }
    ASSERT_EQ(saved.PortTrunkMode, 1);
    ASSERT_TRUE(saved.SaveProject(Path(QStringLiteral("p.pelx"))));

    CDataCenter reopened;
    RecordingTreeObserver tree;
    ASSERT_EQ(CProjectLoader(reopened, &tree).LoadProjectFile(Path(QStringLiteral("p.pelx")), 0), kS_OK);
    ASSERT_FALSE(tree.nodes.empty());
    EXPECT_EQ(tree.nodes.front().ShownText, QStringLiteral("ulTEK 4100 Series"));
    // The file lists the slots by number; the power slot comes last.
    EXPECT_EQ(tree.ModuleSlots(), (std::vector<int>{1, 3, 4, 15}));
    EXPECT_EQ(tree.placed, std::vector<bool>{true}) << "the pages and the tree are refreshed once, at the end";
    EXPECT_EQ(tree.portTrunkTexts, std::vector<QString>{QStringLiteral("2 Wire Trunk")});
    EXPECT_EQ(reopened.PortTrunkMode, 1);
    EXPECT_EQ(reopened.MaxSlotCount, 5);
    EXPECT_EQ(reopened.SlotMask, 0b11011) << "the power slot is never in the mask";
    EXPECT_EQ(reopened.GetSlotName(CTemplatePlacer::kPowerSlot), QStringLiteral("ulTEK 4100-PK2-50W-T"));

    // Without the pair the ports are plain two-wire ports.
    CDataCenter single;
    const QByteArray withoutPair =
        WithAttribute(ReadBytes(Path(QStringLiteral("p.pelx"))), "Slot_3", "Name", "41M-2116-T");
    RecordingTreeObserver singleTree;
    ASSERT_EQ(OpenText(single, withoutPair, 0, &singleTree), kS_OK);
    EXPECT_EQ(single.PortTrunkMode, 0);
    EXPECT_EQ(singleTree.portTrunkTexts, std::vector<QString>{QStringLiteral("2 Wire")});
}

TEST_F(ProjectFileRoundTrip, RootAndProductHoldTheirPartsInTheirOrder)
{
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 4200-9-IEC-T"));
    model.ProjectName = QStringLiteral("Pump <station> & \"north\"");
    ASSERT_TRUE(model.SaveProject(Path(QStringLiteral("p.pelx"))));

    XMLParserPtr parser = MakeXMLParser();
    IXMLElement* root = nullptr;
    ASSERT_EQ(parser->Load(Path(QStringLiteral("p.pelx")), &root), kXMLOk);
    EXPECT_EQ(root->GetName(), QStringLiteral("Project"));
    QStringList attributes;
    for (IXMLAttribute* a = root->FirstAttribute(); a; a = root->NextAttribute())
        attributes << a->GetName() + u'=' + a->GetValue();
    EXPECT_EQ(attributes, (QStringList{QStringLiteral("Result=Pump <station> & \"north\""),
                                       QStringLiteral("ConfigVersion=1.9.0"), QStringLiteral("MaxSlotCount=9")}));
    QStringList rootChildren, productChildren;
    for (IXMLElement* child = root->FirstChild(); child; child = root->NextChild())
        rootChildren << child->GetName();
    EXPECT_EQ(rootChildren, QStringList{QStringLiteral("Product")});
    IXMLElement* product = root->FirstChild();
    EXPECT_EQ(product->FirstAttribute(), nullptr);
    for (IXMLElement* child = product->FirstChild(); child; child = product->NextChild())
        productChildren << child->GetName();
    EXPECT_EQ(productChildren,
              (QStringList{QStringLiteral("SystemInformation"), QStringLiteral("TagConfiguration"),
                           QStringLiteral("ServiceConfiguration"), QStringLiteral("DeviceConfiguration")}));
    parser->Release(root);
    EXPECT_TRUE(ReadBytes(Path(QStringLiteral("p.pelx"))).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
}

TEST_F(ProjectFileRoundTrip, AnOlderFileIsSavedWithThisProgramsVersion)
{
    CDataCenter saved;
    BuildProject(saved, QStringLiteral("ulTEK 2301-HSPA-C-T"));
    const QByteArray older =
        WithAttribute(SavedText(saved, QStringLiteral("p.pelx")), "Project", "ConfigVersion", "1.8.9");
    CDataCenter reopened;
    ASSERT_EQ(OpenText(reopened, older, 0), kS_OK);
    EXPECT_EQ(reopened.CurrentConfigVersion, 0);
    EXPECT_EQ(reopened.ConfigVersion, QStringLiteral("1.8.9"));
    EXPECT_TRUE(SavedText(reopened, QStringLiteral("again.pelx")).contains("ConfigVersion=\"1.9.0\""));
}

TEST_F(ProjectFileRoundTrip, NumbersDoNotFollowTheDesktopsLocale)
{
    CDataCenter model;
    BuildProject(model, QStringLiteral("ulTEK 4100-CPU35-C-T"), 12);
    ChangedProject::ChangeEveryValue(model);
    const QByteArray inC = SavedText(model, QStringLiteral("c.pelx"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // where the system has it
    const QByteArray inGerman = SavedText(model, QStringLiteral("de.pelx"));
    CDataCenter reopened;
    const int opened = CProjectLoader(reopened).LoadProject(Path(QStringLiteral("de.pelx")), 0);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, "C");

    EXPECT_TRUE(inC == inGerman) << "the numbers of the file changed with the locale";
    ASSERT_EQ(opened, kS_OK);
    ChangedProject::ExpectSameProject(model, reopened);
}

TEST_F(ProjectFileRoundTrip, FlatModbusSlaveItemsTakeTheirTagsTypes)
{
    CDataCenter saved;
    BuildProject(saved, QStringLiteral("ulTEK 4200-5-C-T"));
    ASSERT_GE(saved.Tags.size(), 3u);
    const TagRecord& first = saved.Tags[1];
    const TagRecord& second = saved.Tags[2];
    // Older files list one item per set and nothing of the sets' types.
    for (const QString& address : {QStringLiteral("9.9.9"), first.ResID, second.ResID}) {
        MODBUS_SLAVE_TAG_ITEM item;
        item.Name = QStringLiteral("Item ") + address;
        item.Tag = address;
        item.TagType = 17;
        MODBUS_SLAVE_TAG_SET set;
        set.Name = item.Name;
        set.Items.append(item);
        saved.ModbusSlave.MulitTagSet.append(set);
    }
    QByteArray text = SavedText(saved, QStringLiteral("p.pelx"));
    const qsizetype setsStart = text.indexOf("<MulitTagSet>");
    const qsizetype setsEnd = text.indexOf("</MulitTagSet>");
    ASSERT_TRUE(setsStart > 0 && setsEnd > setsStart);
    text.remove(setsStart, setsEnd + qsizetype(sizeof("</MulitTagSet>")) - 1 - setsStart);

    CDataCenter reopened;
    ASSERT_EQ(OpenText(reopened, text, 0), kS_OK);
    const auto& sets = reopened.ModbusSlave.MulitTagSet;
    ASSERT_EQ(sets.size(), 3);
    EXPECT_EQ(sets[0].Items[0].TagType, 0) << "no tag at the address";
    EXPECT_EQ(sets[0].TagDataType, MODBUS_SLAVE_TAG_SET::kNoTagDataType);
    EXPECT_EQ(sets[1].Items[0].TagType, first.DataTypeCode);
    EXPECT_EQ(sets[1].TagDataType, MapDataTypeCode(first.DataTypeCode));
    EXPECT_EQ(sets[2].Items[0].TagType, second.DataTypeCode);
    EXPECT_EQ(sets[2].TagDataType, MapDataTypeCode(second.DataTypeCode));
    EXPECT_EQ(reopened.ModbusSlave.HasMultiTagSet, MODBUS_SLAVE_SETTINGS::kGroupedTagSets);

    // Once grouped, a file keeps the sets' types as it stored them.
    CDataCenter grouped;
    ASSERT_EQ(CProjectLoader(grouped).LoadProject(Path(QStringLiteral("p.pelx")), 0), kS_OK);
    EXPECT_EQ(grouped.ModbusSlave.MulitTagSet[1].Items[0].TagType, 17);
}

} // namespace
