// The shipped templates and DefaultSettings.ini as one set: every model and module name either
// uses has its template, every template is offered, and the per-module lines, abbreviation lists
// and product APIDs fit the templates.
#include "TemplatePlacerFixture.h"

#include "ChannelRules.h"
#include "IXMLParser.h"
#include "SlotRecord.h"
#include "TextConversion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>

#include <functional>

using namespace PlacerFixture;

namespace {

using Section = QMap<QString, QString>; // key -> value, in the file's spelling

QMap<QString, Section> readShippedSettings()
{
    QMap<QString, Section> sections;
    QFile file(QDir(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)).filePath("DefaultSettings.ini"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QTextStream in(&file);
    QString current;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[')) {
            current = line.mid(1, line.indexOf(']') - 1);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        sections[current][line.left(equals)] = line.mid(equals + 1);
    }
    return sections;
}

QStringList templateNames(bool products)
{
    QDir folder(QDir(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)).filePath(products ? "RES" : "RES/Slot"));
    QStringList names;
    for (const QString& file : folder.entryList({"*.xml"}, QDir::Files))
        names << file.chopped(4);
    return names;
}

// What a template declares, read through the program's XML layer.
struct TemplateFacts {
    QString apid;
    QString productResult;
    QMap<QString, int> resSizes; // resource element name -> ResSize
    QMap<QString, int> counts;   // resource element name -> Result
    int highestSensorIndex = -1;
    QStringList systemVariables;
};

void collect(IXMLElement* element, TemplateFacts& facts)
{
    for (IXMLElement* child = element->FirstChild(); child; child = element->NextChild()) {
        const QString name = child->GetName();
        IXMLAttribute* resSize = child->GetAttribute("ResSize");
        IXMLAttribute* result = child->GetAttribute("Result");
        if (name.endsWith("_Quantity") || name == "System_Variable") {
            facts.resSizes[name] = resSize ? ParseLeadingInt(resSize->GetValue()) : 0;
            facts.counts[name] = result ? ParseLeadingInt(result->GetValue()) : 0;
        }
        if (element->GetName() == "System_Variable" && child->GetAttribute("type"))
            facts.systemVariables << child->GetAttribute("type")->GetValue();
        if (element->GetName() == "HART_SensorTag" && child->GetAttribute("Index"))
            facts.highestSensorIndex =
                std::max(facts.highestSensorIndex, ParseLeadingInt(child->GetAttribute("Index")->GetValue()));
        collect(child, facts);
    }
}

TemplateFacts readTemplate(bool isProduct, const QString& name)
{
    TemplateFacts facts;
    XMLParserPtr parser = MakeXMLParser();
    IXMLElement* root = nullptr;
    EXPECT_EQ(parser->Load(ShippedTemplatePath(isProduct, name), &root), kXMLOk) << name.toStdString();
    if (!root)
        return facts;
    IXMLElement* head = isProduct ? root->FirstChild() : root;
    if (IXMLAttribute* apid = head ? head->GetAttribute("APID") : nullptr)
        facts.apid = apid->GetValue();
    if (IXMLAttribute* result = isProduct && head ? head->GetAttribute("Result") : nullptr)
        facts.productResult = result->GetValue();
    collect(root, facts);
    parser->Release(root);
    return facts;
}

QStringList listOf(const Section& section, const QString& key)
{
    return section.value(key).split(',');
}

// A second power entry names its module before " (".
QString moduleOfEntry(const QString& entry)
{
    const qsizetype comment = entry.indexOf(" (");
    return comment < 0 ? entry : entry.left(comment);
}

QString limitKeyOf(QString module)
{
    return module.remove("-T").remove("-CT");
}

class ShippedTemplateSetTest : public testing::Test {
protected:
    QMap<QString, Section> settings_ = readShippedSettings();
    QStringList products_ = templateNames(true);
    QStringList modules_ = templateNames(false);
};

TEST_F(ShippedTemplateSetTest, EveryNameTheDialogsOfferHasItsTemplateAndEveryTemplateIsOffered)
{
    const Section newProject = settings_.value("New_Project");
    const Section newModule = settings_.value("New_Module");
    QSet<QString> offeredProducts;
    for (const char* key : {"ulTEK_2300_mode", "ulTEK_4200_mode", "ulTEK_4100_C_CPU", "ulTEK_4100_IEC_CPU"}) {
        for (const QString& model : listOf(newProject, key)) {
            EXPECT_TRUE(products_.contains(model)) << key << ' ' << model.toStdString();
            offeredProducts.insert(model);
        }
    }
    for (const QString& product : products_)
        EXPECT_TRUE(offeredProducts.contains(product)) << product.toStdString();
    // The series texts lead to the CPU dialog, not to a template.
    EXPECT_EQ(listOf(newProject, "ulTEK_4100_mode"),
              QStringList({"ulTEK 4100 C/C++ Series", "ulTEK 4100 IEC 61131-3 Series"}));

    QSet<QString> offeredModules;
    QStringList powerKeys = {"ulTEK_4100_Power1", "ulTEK_4100_Power2_Slot9"};
    for (const char* slotCount : {"9", "12"}) {
        for (const char* watts : {"15W", "30W", "50W"})
            powerKeys << QStringLiteral("ulTEK_4100_Power2_Slot%1_%2").arg(slotCount, watts);
    }
    for (const QString& key : powerKeys) {
        ASSERT_TRUE(newProject.contains(key)) << key.toStdString();
        for (const QString& entry : listOf(newProject, key)) {
            if (entry == "N/A")
                continue;
            EXPECT_TRUE(modules_.contains(moduleOfEntry(entry))) << key.toStdString() << ' ' << entry.toStdString();
            offeredModules.insert(moduleOfEntry(entry));
        }
        if (key.startsWith("ulTEK_4100_Power2")) { // the dialog's first fill takes the whole first entry
            EXPECT_EQ(listOf(newProject, key).front(), "N/A") << key.toStdString();
        }
    }
    for (const char* key : {"ulTEK_4100_mode", "ulTEK_4200_mode"}) {
        for (const QString& module : listOf(newModule, key)) {
            EXPECT_TRUE(modules_.contains(module)) << key << ' ' << module.toStdString();
            offeredModules.insert(module);
        }
    }
    for (const QString& module : modules_)
        EXPECT_TRUE(offeredModules.contains(module)) << module.toStdString();

    // The dialogs read [New_Project] through 127 characters and [New_Module] through 1023.
    for (auto it = newProject.begin(); it != newProject.end(); ++it)
        EXPECT_LT(it.value().size(), 128) << it.key().toStdString();
    for (auto it = newModule.begin(); it != newModule.end(); ++it)
        EXPECT_LT(it.value().size(), 1024) << it.key().toStdString();
    for (const QString& entry : listOf(newProject, "ulTEK_4100_Max_Slot_Count"))
        EXPECT_TRUE(QList<int>({5, 9, 12}).contains(ParseLeadingInt(entry))) << entry.toStdString();
}

TEST_F(ShippedTemplateSetTest, SlotLimitsNameModulesWithoutTheirEnding)
{
    const Section limits = settings_.value("Slot_Limit");
    ASSERT_FALSE(limits.isEmpty());
    QStringList keys;
    for (const QString& module : modules_)
        keys << limitKeyOf(module);
    for (auto it = limits.begin(); it != limits.end(); ++it) {
        EXPECT_TRUE(keys.contains(it.key())) << it.key().toStdString();
        EXPECT_GT(ParseLeadingInt(it.value()), 0) << it.key().toStdString();
    }
}

// Each template with a channel kind that DefaultSettings.ini gives defaults for has its line, and
// every module line names a template and ranges the file defines.
TEST_F(ShippedTemplateSetTest, EveryAnalogAndRelayTemplateHasItsDefaultsLine)
{
    const struct {
        const char* element;
        const char* section;
        const char* rangeSection; // where the line's (first) name is defined
        bool list;
    } kinds[] = {
        {"AI_Quantity", "AIRangeDefault", "AIRange", false},
        {"HSAI_Quantity", "AIRangeDefault", "AIRange", false},
        {"HART_Quantity", "HARTRangeDefault", "HARTAIRange", false},
        {"AO_Quantity", "AORange", "AORange", true},
        {"TC_Quantity", "TCSensorType", "TCSensorType", true},
        {"RTD_Quantity", "RTDSensorType", "RTDSensorType", true},
    };
    QStringList allTemplates = products_ + modules_;
    QMap<QString, QString> apidOf;
    for (const QString& name : allTemplates)
        apidOf[name] = readTemplate(products_.contains(name), name).apid;

    for (const auto& kind : kinds) {
        const Section lines = settings_.value(kind.section);
        const Section ranges = settings_.value(kind.rangeSection);
        for (const QString& name : allTemplates) {
            const TemplateFacts facts = readTemplate(products_.contains(name), name);
            if (!facts.resSizes.contains(kind.element))
                continue;
            if (!lines.contains(name)) {
                ADD_FAILURE() << "no line in " << kind.section << " for " << name.toStdString();
                continue;
            }
            for (const QString& range : kind.list ? lines.value(name).split(',') : QStringList{lines.value(name)})
                // An output range also names its unit, a sensor type its kind.
                EXPECT_EQ(ranges.value(range).split(',').size(),
                          QByteArray(kind.rangeSection) == "AORange" ||
                                  QByteArray(kind.rangeSection).endsWith("SensorType")
                              ? 4
                              : 3)
                    << kind.section << ' ' << range.toStdString();
        }
        // Module lines (those not defining a range themselves) name templates.
        for (auto it = lines.begin(); it != lines.end(); ++it) {
            const bool isModuleLine = !kind.list || ranges.contains(it.value().split(',').front());
            if (isModuleLine) {
                EXPECT_TRUE(allTemplates.contains(it.key())) << kind.section << ' ' << it.key().toStdString();
            }
        }
    }

    const QString relayKey = QStringLiteral("InitialFrequency");
    const QString sampleRateKey = QStringLiteral("SampleRateValue");
    for (const QString& name : allTemplates) {
        const TemplateFacts facts = readTemplate(products_.contains(name), name);
        if (facts.resSizes.contains("Relay_Quantity")) {
            EXPECT_GT(ParseLeadingDouble(settings_.value("Relay").value(facts.apid + relayKey)), 0.0)
                << name.toStdString();
        }
    }
    // APID lines name a template's APID.
    for (const auto& [section, key] : {std::pair<QString, QString>{"Relay", relayKey},
                                       {"HSAI", sampleRateKey},
                                       {"DI", "FilterRange"},
                                       {"DI", "FilterUnit"}}) {
        const Section lines = settings_.value(section);
        for (auto it = lines.begin(); it != lines.end(); ++it) {
            if (!it.key().endsWith(key) || it.key() == key)
                continue;
            EXPECT_TRUE(apidOf.values().contains(it.key().chopped(key.size())))
                << section.toStdString() << ' ' << it.key().toStdString();
        }
    }
}

TEST_F(ShippedTemplateSetTest, TagsPerChannelFitTheAbbreviationLists)
{
    const QMap<QString, QString> sectionOf{
        {"DI_Quantity", "DI"}, {"DO_Quantity", "DO"},   {"Relay_Quantity", "Relay"},       {"DIO_Quantity", "DIO"},
        {"AI_Quantity", "AI"}, {"HSAI_Quantity", "AI"}, {"HART_Quantity", "HART"},         {"AO_Quantity", "AO"},
        {"TC_Quantity", "TC"}, {"RTD_Quantity", "RTD"}, {"Cellular_Quantity", "Cellular"}, {"Power_Quantity", "Power"},
    };
    for (const QString& name : products_ + modules_) {
        const TemplateFacts facts = readTemplate(products_.contains(name), name);
        for (auto it = facts.resSizes.begin(); it != facts.resSizes.end(); ++it) {
            if (!sectionOf.contains(it.key()))
                continue;
            const QStringList abbreviations = listOf(settings_.value(sectionOf[it.key()]), "abbreviation");
            EXPECT_LE(it.value(), abbreviations.size()) << name.toStdString() << ' ' << it.key().toStdString();
        }
        if (facts.highestSensorIndex >= 0) {
            EXPECT_LT(facts.highestSensorIndex, listOf(settings_.value("HARTSENSORABB"), "abbreviation").size());
        }
        // Only one kind of channel with tags per slot, so that no two channels share an address.
        int kindsWithTags = 0;
        for (const QString& element : facts.resSizes.keys())
            kindsWithTags +=
                sectionOf.contains(element) && element != "Cellular_Quantity" && element != "Power_Quantity";
        EXPECT_LE(kindsWithTags, 1) << name.toStdString();
    }
}

// The system variables are those of the system-register list of the product's language and series;
// a product with fewer leaves out the two entries the project file leaves out.
TEST_F(ShippedTemplateSetTest, SystemVariablesFollowTheSystemRegisterLists)
{
    const Section registers = settings_.value("SystemRegister");
    for (const QString& product : products_) {
        CDataCenter model;
        CTemplatePlacer placer(model);
        ASSERT_TRUE(placer.InitProjectFromProduct(product));
        const bool iec = model.IsIECMode();
        const bool series4100 = model.IsSeries4100();
        QStringList expected =
            listOf(registers, QStringLiteral("abbreviation%1%2").arg(iec ? "IEC" : "C", series4100 ? "_4100" : ""));
        const TemplateFacts facts = readTemplate(true, product);
        if (facts.systemVariables.size() < expected.size())
            expected.remove(iec ? 3 : 5, 2);
        EXPECT_EQ(facts.systemVariables, expected) << product.toStdString();
    }
}

TEST_F(ShippedTemplateSetTest, ProductsCarryTheirOwnNameAndCpuApid)
{
    const QMap<QString, QString> cpuApids{
        {"ulTEK 4200-2-C-T", "0x80000189"},     {"ulTEK 4200-5-C-T", "0x80000189"},
        {"ulTEK 4200-9-C-T", "0x80000189"},     {"ulTEK 4200-2-IEC-T", "0x8000018F"},
        {"ulTEK 4200-5-IEC-T", "0x8000018F"},   {"ulTEK 4200-9-IEC-T", "0x8000018F"},
        {"ulTEK 2301-C-T", "0x80008510"},       {"ulTEK 2301-IEC-T", "0x80008511"},
        {"ulTEK 2301-HSPA-C-T", "0x80008520"},  {"ulTEK 2301-HSPA-IEC-T", "0x80008521"},
        {"ulTEK 4100-CPU15-C-T", "0x80008920"}, {"ulTEK 4100-CPU15-IEC-T", "0x80008922"},
        {"ulTEK 4100-CPU35-C-T", "0x80008924"}, {"ulTEK 4100-CPU35-IEC-T", "0x80008926"},
    };
    for (auto it = cpuApids.begin(); it != cpuApids.end(); ++it)
        EXPECT_EQ(readTemplate(true, it.key()).apid, it.value()) << it.key().toStdString();
    for (const QString& product : products_)
        EXPECT_EQ(readTemplate(true, product).productResult, product) << product.toStdString();
    const QMap<QString, QString> powerApids{{"ulTEK 4100-PK1-15W-T", "0x8000890A"},
                                            {"ulTEK 4100-PK1-30W-T", "0x8000890B"},
                                            {"ulTEK 4100-PK2-50W-T", "0x80005401"}};
    for (auto it = powerApids.begin(); it != powerApids.end(); ++it)
        EXPECT_EQ(readTemplate(false, it.key()).apid, it.value()) << it.key().toStdString();
    // The calibration panel offers these two by name with their channel counts.
    EXPECT_EQ(readTemplate(false, "42M-5480").counts.value("HART_Quantity"), 6);
    EXPECT_EQ(readTemplate(false, "42M-5470").counts.value("AI_Quantity"), 8);
}

TEST_F(ShippedTemplateSetTest, OnlyTheTwoPortSerialAndTheSwitchHavePlacementRules)
{
    QStringList portTrunk, switches;
    for (const QString& name : products_ + modules_) {
        if (IsPortTrunkModule(name))
            portTrunk << name;
        if (IsSwitchModule(name))
            switches << name;
    }
    EXPECT_EQ(portTrunk, QStringList({"41M-3302U-T"}));
    EXPECT_EQ(switches, QStringList({"41M-3320M-T"}));
}

} // namespace

// The node selected after new and open is the product's first element: it opens the device
// information page (form id 1), in every product.
TEST_F(ShippedTemplateSetTest, EveryProductsFirstNodeOpensTheDeviceInformationPage)
{
    const QStringList products = templateNames(true);
    ASSERT_FALSE(products.isEmpty());
    for (const QString& name : products) {
        XMLParserPtr parser = MakeXMLParser();
        IXMLElement* root = nullptr;
        ASSERT_EQ(parser->Load(ShippedTemplatePath(true, name), &root), kXMLOk) << name.toStdString();
        IXMLElement* product = root->FirstChild();
        IXMLElement* first = product ? product->FirstChild() : nullptr;
        ASSERT_NE(first, nullptr) << name.toStdString();
        IXMLAttribute* formId = first->GetAttribute("FormId");
        EXPECT_EQ(formId ? formId->GetValue() : QString(), QStringLiteral("1")) << name.toStdString();
        parser->Release(root);
    }
}

// A high-speed module is placed at its default rate with every channel at the default record
// counts; a changed rate resets them to 3 each. Both must fit the rate's record limit.
TEST_F(ShippedTemplateSetTest, HighSpeedSampleRatesLeaveRoomForTheirRecordCounts)
{
    const Section lines = settings_.value("HSAI");
    ASSERT_FALSE(lines.isEmpty());
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (!it.key().endsWith(QStringLiteral("SampleRateValue")))
            continue;
        SCOPED_TRACE(it.key().toStdString());
        const QStringList numbers = it.value().split(',');
        ASSERT_EQ(numbers.size(), 4);
        const quint32 rate = numbers[0].toUInt();
        const quint32 minimum = numbers[1].toUInt();
        const quint32 maximum = numbers[2].toUInt();
        const quint32 records = numbers[3].toUInt();
        EXPECT_GE(minimum, 1u);
        EXPECT_TRUE(minimum <= rate && rate <= maximum);
        EXPECT_LE(2 * records, ChannelRules::RecordLimit(rate));
        EXPECT_LE(2 * ChannelRules::kResetRecordCount, ChannelRules::RecordLimit(rate));
    }
}
