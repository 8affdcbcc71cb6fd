#include "CDataCenter.h"
#include "CDatabaseRW.h"
#include "WorkbenchDatabase.h"

#include <gtest/gtest.h>

#include <QFile>

#include <map>

namespace {

class DatabaseRWTest : public testing::Test {
protected:
    void addTag(const char* name, int code, const char* address, const char* alias = "AI")
    {
        TagRecord tag;
        tag.Construct(QString::fromUtf8(name), QStringLiteral("Owner"), QString::fromUtf8(alias), 1008,
                      QString::fromUtf8(address), 1, code, 2);
        model_.Tags.push_back(tag);
    }

    // The export as the main frame runs it.
    bool exportTags()
    {
        CDatabaseRW writer(&model_);
        return writer.DeleteZervData(db_.path()) && writer.AddZervData(db_.path());
    }

    // Expected channel count of every device: the given ones, 0 for the rest of the 18.
    void expectDeviceCounts(const std::map<int, int>& counts)
    {
        QStringList devices;
        QStringList instances;
        for (int device = WorkbenchDatabase::kFirstDevice; device <= WorkbenchDatabase::kLastDevice; ++device) {
            const int n = counts.contains(device) ? counts.at(device) : 0;
            devices.append(QStringLiteral("%1|%2|%2").arg(device).arg(n));
            instances.append(QStringLiteral("%1|%2").arg(device).arg(n));
        }
        // The removal sets every device instance to no channels; the devices outside the 18 keep theirs.
        devices.append(QStringLiteral("%1|5|5").arg(WorkbenchDatabase::kForeignDevice));
        instances.append(QStringLiteral("%1|0").arg(WorkbenchDatabase::kForeignDevice));
        EXPECT_EQ(db_.rows("SELECT RefDevice, NbMinChannel, NbMaxChannel FROM [I/O device] ORDER BY RefDevice;"),
                  devices);
        EXPECT_EQ(db_.rows("SELECT RefDevice, NbOfChannels FROM [Instance of device] ORDER BY RefDevice;"), instances);
    }

    QStringList symbols()
    {
        return db_.rows("SELECT RefSymbols, Name, RefVarInstance, RefResourcePOU, CRCInitValueDim, CRCInitValueType,"
                        " Wiring, RefDefType, StringSize, RefAttribute, RefDirection, [Order], SingleTextLine"
                        " FROM Symbols ORDER BY RefSymbols;");
    }

    QStringList parameterNames() { return db_.rows("SELECT Name FROM [OEM Parameter] ORDER BY RefOemParameter;"); }

    WorkbenchDatabase db_;
    CDataCenter model_;
};

TEST_F(DatabaseRWTest, WritesSymbolsWiringsParametersAndDeviceCounts)
{
    addTag("Level1", 3, "3.0.0", "AI");
    addTag("Status", 99, "0.0.1"); // no data type of a device: not exported
    addTag("Level2", 3, "3.1.0", "AI");
    addTag("Setpoint", 12, "4.0.0", "AO");
    addTag("Level3", 3, "3.2.0", "AI");

    ASSERT_TRUE(exportTags());

    expectDeviceCounts({{755, 3}, {749, 1}});
    // The order value of each symbol is the key of the one written before it (1 for the first).
    EXPECT_EQ(symbols(), (QStringList{
                             "100|UserVar|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL|NULL",
                             "102|Level1|1|1|1|204566476|%IR2.0|3|0|1|1|1|AI",
                             "103|Level2|1|1|1|204566476|%IR2.1|3|0|1|1|102|AI",
                             "104|Level3|1|1|1|204566476|%IR2.2|3|0|1|1|103|AI",
                             "105|Setpoint|1|1|1|204566476|%QR11.0|12|0|3|2|104|AO",
                         }));
    EXPECT_EQ(db_.rows("SELECT * FROM [I/O Symbols] ORDER BY RefSymbols;"), (QStringList{
                                                                                "102|3|755|1|1|0|%IR2.0|0",
                                                                                "103|3|755|1|1|1|%IR2.1|1",
                                                                                "104|3|755|1|1|2|%IR2.2|2",
                                                                                "105|12|749|1|1|0|%QR11.0|0",
                                                                            }));
    EXPECT_EQ(db_.rows("SELECT * FROM [OEM Parameter] WHERE RefOemParameter > 504 ORDER BY RefOemParameter;"),
              (QStringList{
                  "505|ZERV_Level1|755|7|3.0.0|2|1|AI",
                  "506|ZERV_Level2|755|7|3.1.0|2|2|AI",
                  "507|ZERV_Level3|755|7|3.2.0|2|3|AI",
                  "508|ZERV_Setpoint|749|7|4.0.0|2|1|AO",
              }));
    EXPECT_EQ(db_.rows("SELECT * FROM [Instance of Oem Parameters] ORDER BY RefInstance;"), (QStringList{
                                                                                                "1|505|3.0.0",
                                                                                                "2|506|3.1.0",
                                                                                                "3|507|3.2.0",
                                                                                                "4|508|4.0.0",
                                                                                            }));
}

TEST_F(DatabaseRWTest, RemovesOnlyWhatAnEarlierExportWrote)
{
    ASSERT_TRUE(exportTags());

    expectDeviceCounts({});
    EXPECT_EQ(db_.rows("SELECT Name FROM Symbols;"), QStringList{"UserVar"});
    EXPECT_TRUE(db_.rows("SELECT * FROM [I/O Symbols];").isEmpty());
    // "result" and "ZERVICE" only look like "res_..." and "ZERV_..." to an unescaped LIKE.
    EXPECT_EQ(parameterNames(), (QStringList{"result", "ZERVICE", "UserParam"}));
    EXPECT_TRUE(db_.rows("SELECT * FROM [Instance of Oem Parameters];").isEmpty());
}

TEST_F(DatabaseRWTest, BooleanSymbolsCarryNoInitialValuesAndTextsTheirSize)
{
    addTag("Run", 1, "1.0.0", "DI");
    addTag("Name", 6, "0.0.2", "System");
    addTag("Start", 10, "2.0.0", "DO");
    addTag("Label", 15, "0.0.3", "System");

    ASSERT_TRUE(exportTags());

    expectDeviceCounts({{752, 1}, {745, 1}, {760, 1}, {746, 1}});
    EXPECT_EQ(db_.rows("SELECT Name, CRCInitValueDim, CRCInitValueType, Wiring, RefDefType, StringSize,"
                       " RefAttribute, RefDirection FROM Symbols WHERE Wiring IS NOT NULL ORDER BY RefSymbols;"),
              (QStringList{
                  "Run|NULL|NULL|%IX0.0|1|0|1|1",
                  "Name|1|483920500|%IS5.0|6|80|1|1",
                  "Start|NULL|NULL|%QX9.0|10|0|3|2",
                  "Label|1|483920500|%QS14.0|15|80|3|2",
              }));
}

TEST_F(DatabaseRWTest, NamesWithQuotesExportAsTheyAre)
{
    addTag("O'Brien", 3, "3.0.0", "Bob's AI");
    addTag("x'); DROP TABLE Symbols; --", 12, "4.0.0", "AO");

    ASSERT_TRUE(exportTags());

    EXPECT_EQ(db_.rows("SELECT Name, SingleTextLine FROM Symbols WHERE Wiring IS NOT NULL ORDER BY RefSymbols;"),
              (QStringList{"O'Brien|Bob's AI", "x'); DROP TABLE Symbols; --|AO"}));
    EXPECT_EQ(db_.rows("SELECT Name FROM [OEM Parameter] WHERE Name LIKE 'ZERV%' ORDER BY RefOemParameter;"),
              (QStringList{"ZERVICE", "ZERV_O'Brien", "ZERV_x'); DROP TABLE Symbols; --"}));
}

TEST_F(DatabaseRWTest, ExportingTwiceLeavesOneSetOfRows)
{
    addTag("Level1", 3, "3.0.0");
    addTag("Setpoint", 12, "4.0.0", "AO");

    ASSERT_TRUE(exportTags());
    ASSERT_TRUE(exportTags());

    expectDeviceCounts({{755, 1}, {749, 1}});
    EXPECT_EQ(db_.rows("SELECT Name, Wiring FROM Symbols ORDER BY RefSymbols;"),
              (QStringList{"UserVar|NULL", "Level1|%IR2.0", "Setpoint|%QR11.0"}));
    EXPECT_EQ(db_.rows("SELECT ComplexWiring FROM [I/O Symbols] ORDER BY RefSymbols;"),
              (QStringList{"%IR2.0", "%QR11.0"}));
    EXPECT_EQ(parameterNames(), (QStringList{"result", "ZERVICE", "UserParam", "ZERV_Level1", "ZERV_Setpoint"}));
    EXPECT_EQ(db_.rows("SELECT RefInstance, Value FROM [Instance of Oem Parameters] ORDER BY RefInstance;"),
              (QStringList{"1|3.0.0", "2|4.0.0"}));
    // The I/O symbols point at the symbols of the second export.
    EXPECT_EQ(db_.rows("SELECT COUNT(*) FROM [I/O Symbols] JOIN Symbols USING (RefSymbols);"), QStringList{"2"});
}

TEST_F(DatabaseRWTest, AFailureHalfwayLeavesTheDatabaseAsItWas)
{
    addTag("Level1", 3, "3.0.0");
    addTag("Setpoint", 12, "4.0.0", "AO");
    ASSERT_TRUE(exportTags());
    // The third parameter of the next export is refused by the database.
    db_.exec("CREATE TRIGGER refuse BEFORE INSERT ON [OEM Parameter] WHEN NEW.Name = 'ZERV_Bad'"
             " BEGIN SELECT RAISE(ABORT, 'refused for the test'); END;");
    const QStringList before = db_.snapshot();
    model_.Tags.clear();
    addTag("Level1", 3, "3.0.0");
    addTag("Level2", 3, "3.1.0");
    addTag("Bad", 3, "3.2.0");
    addTag("Setpoint", 12, "4.0.0", "AO");

    {
        CDatabaseRW writer(&model_);
        EXPECT_TRUE(writer.DeleteZervData(db_.path()));
        EXPECT_EQ(db_.snapshot(), before) << "nothing is visible before the export is complete";
        EXPECT_FALSE(writer.AddZervData(db_.path()));
    }
    EXPECT_EQ(db_.snapshot(), before);

    // The database was released: the next export can write.
    db_.exec("DROP TRIGGER refuse;");
    EXPECT_TRUE(exportTags());
    expectDeviceCounts({{755, 3}, {749, 1}});
}

TEST_F(DatabaseRWTest, AnExportThatStopsAfterTheRemovalChangesNothing)
{
    addTag("Level1", 3, "3.0.0");
    ASSERT_TRUE(exportTags());
    const QStringList before = db_.snapshot();
    {
        CDatabaseRW writer(&model_);
        EXPECT_TRUE(writer.DeleteZervData(db_.path()));
    }
    EXPECT_EQ(db_.snapshot(), before);
}

TEST_F(DatabaseRWTest, AFailingRemovalIsRolledBack)
{
    db_.exec("ALTER TABLE [Instance of device] RENAME TO [Instances];");
    CDatabaseRW writer(&model_);
    EXPECT_FALSE(writer.DeleteZervData(db_.path()));
    // The device counts reset by the first statement are back.
    EXPECT_EQ(db_.rows("SELECT DISTINCT NbMinChannel FROM [I/O device] WHERE RefDevice <> 900;"), QStringList{"9"});
    EXPECT_EQ(db_.rows("SELECT COUNT(*) FROM [OEM Parameter];"), QStringList{"5"});
}

TEST_F(DatabaseRWTest, AMissingDatabaseFileIsNotCreated)
{
    addTag("Level1", 3, "3.0.0");
    const QString missing = db_.path() + QStringLiteral(".missing");
    CDatabaseRW writer(&model_);
    EXPECT_FALSE(writer.DeleteZervData(missing));
    EXPECT_FALSE(writer.AddZervData(missing));
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace
