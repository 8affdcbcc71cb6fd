#include "CDataCenter.h"
#include "CDataCenterTagDefinesFile.h"

#include "FileBytes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace {

// The line built by hand: macro, one blank, fill up to 40, the quoted name, CR LF.
std::string expectedLine(const std::string& name)
{
    const std::string quoted = '"' + name + '"';
    const size_t fill = quoted.size() < 40 ? 40 - quoted.size() : 0;
    return "#define RTU_" + name + " " + std::string(fill, ' ') + quoted + "\r\n";
}

void addTag(CDataCenter& model, const QString& name)
{
    TagRecord tag;
    tag.Construct(name, QString(), QStringLiteral("DI"), 1003, QStringLiteral("1.0.0"), 1, 1, 1);
    model.Tags.push_back(tag);
}

class TagDefinesExportTest : public testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
    CDataCenter model_;
};

TEST(TagDefineLineTest, ValidNamesAreRightAlignedInForty)
{
    const std::string name37(37, 'a');
    const std::string name38 = "A" + std::string(36, 'b') + "9";
    const std::string name60(60, 'Z');
    const struct {
        std::string name;
        std::string line;
    } cases[] = {
        {"Pump1", "#define RTU_Pump1" + std::string(34, ' ') + "\"Pump1\"\r\n"},
        {name37, "#define RTU_" + name37 + "  \"" + name37 + "\"\r\n"},
        {name38, "#define RTU_" + name38 + " \"" + name38 + "\"\r\n"},
        {name60, "#define RTU_" + name60 + " \"" + name60 + "\"\r\n"},
        {"S1_DI_0", expectedLine("S1_DI_0")},
        {"_x", expectedLine("_x")},
        {"0Level", expectedLine("0Level")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeTagDefineLine(QString::fromStdString(c.name)).toStdString(), c.line) << c.name;
}

TEST(TagDefineLineTest, OtherCharactersCannotBreakTheHeader)
{
    const struct {
        const char* name;
        const char* line;
    } cases[] = {
        {"Pump 1", "#define RTU_Pump_1                                 \"Pump 1\"\r\n"},
        {"a\"b", "#define RTU_a_b                                   \"a\\\"b\"\r\n"},
        {"c:\\d", "#define RTU_c__d                                  \"c:\\\\d\"\r\n"},
        {"x-y.z", "#define RTU_x_y_z                                  \"x-y.z\"\r\n"},
        {"line\nnext", "#define RTU_line_next                           \"line\\012next\"\r\n"},
        {"T\xc3\xbcr", "#define RTU_T_r                                    \"T\xc3\xbcr\"\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakeTagDefineLine(QString::fromUtf8(c.name)).toUtf8().toStdString(), c.line) << c.name;
    // A character outside the basic plane is one character of the macro name.
    EXPECT_TRUE(MakeTagDefineLine(QString::fromUtf8("\xf0\x9f\x94\xa5")).startsWith(QStringLiteral("#define RTU__ ")));
}

TEST_F(TagDefinesExportTest, WritesOneLinePerTagInTableOrderAndNothingElse)
{
    for (const char* name : {"Pump1", "Valve_Open", "Pump1", "Level 2"})
        addTag(model_, QString::fromUtf8(name));
    const QString file = path(QStringLiteral("tags.h"));

    ASSERT_TRUE(model_.ExportTagDefines(file));

    const std::string expected = expectedLine("Pump1") + expectedLine("Valve_Open") + expectedLine("Pump1") +
                                 "#define RTU_Level_2" + std::string(32, ' ') + "\"Level 2\"\r\n";
    EXPECT_EQ(ReadFileBytes(file).toStdString(), expected);
}

TEST_F(TagDefinesExportTest, AnEmptyTagTableEmptiesTheFile)
{
    const QString file = path(QStringLiteral("tags.h"));
    QFile existing(file);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("#define OLD 1\r\n");
    existing.close();

    EXPECT_TRUE(model_.ExportTagDefines(file));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(ReadFileBytes(file), QByteArray());
}

TEST_F(TagDefinesExportTest, FailsWhereTheFileCannotBeWritten)
{
    addTag(model_, QStringLiteral("Pump1"));
    QFile blocker(path(QStringLiteral("plain file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const struct {
        const char* label;
        QString file;
    } cases[] = {
        {"folder missing", path(QStringLiteral("missing/tags.h"))},
        {"folder is a file", path(QStringLiteral("plain file/tags.h"))},
        {"path is a folder", dir_.path()},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(model_.ExportTagDefines(c.file)) << c.label;
        EXPECT_FALSE(QFileInfo(c.file).isFile()) << c.label;
    }
}

TEST_F(TagDefinesExportTest, FailsWhenTheWritesDoNotReachTheDisk)
{
    const QString full = QStringLiteral("/dev/full");
    if (!QFile::exists(full))
        GTEST_SKIP() << "no /dev/full here";
    addTag(model_, QStringLiteral("Pump1"));
    EXPECT_FALSE(model_.ExportTagDefines(full));
}

} // namespace
