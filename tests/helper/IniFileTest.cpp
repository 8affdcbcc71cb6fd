#include "IniFile.h"

#include "FileBytes.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <thread>
#include <vector>

namespace {

const QString kAbsent = QStringLiteral("<absent>");

class IniFileTest : public testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QString writeFile(const char* name, const QByteArray& bytes) const
    {
        const QString file = path(name);
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name;
        out.write(bytes);
        return file;
    }

    // True when each line occurs in the text, in the given order.
    static bool hasLinesInOrder(const QByteArray& text, const QList<QByteArray>& lines)
    {
        const QList<QByteArray> fileLines = text.split('\n');
        qsizetype at = 0;
        for (const QByteArray& line : lines) {
            while (at < fileLines.size() && fileLines[at] != line)
                ++at;
            if (at == fileLines.size())
                return false;
            ++at;
        }
        return true;
    }

    QTemporaryDir dir_;
};

TEST_F(IniFileTest, ReadsWithPrivateProfileNameRules)
{
    const QString file = writeFile("read.ini", "[General]\n"
                                               "Link=http://example.invalid/help\n"
                                               "  Port   =  502  \n"
                                               "Empty=\n"
                                               "List=a, b,,c\n"
                                               "[ Help ]\n"
                                               "ISaGRAF_Link = x\n"
                                               "Quoted=\"a, b\"\n"
                                               "LoneQuote=\"x\n"
                                               "Inner=a \"b\" c\n"
                                               "[Größe]\n"
                                               "Ändern=ja\n");
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"General", "Link", "http://example.invalid/help"},
        {"general", "LINK", "http://example.invalid/help"},
        {"General", "Link ", "http://example.invalid/help"}, // requested name ends in a blank
        {" GENERAL ", "port", "502"},                        // blanks around the name and '='
        {"General", "Empty", ""},                            // empty value, not the default
        {"General", "List", "a, b,,c"},                      // never split
        {"help", "isagraf_link", "x"},                       // blanks inside the brackets
        {"Help", "Quoted", "a, b"},
        {"Help", "LoneQuote", "\"x"},
        {"Help", "Inner", "a \"b\" c"},
        {"GRÖßE", "ÄNDERN", "ja"}, // non-ASCII names fold too
        {"General", "Missing", "<absent>"},
        {"Missing", "Link", "<absent>"},
        {"General", "", "<absent>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetPrivateProfileString(QString::fromUtf8(c.section), QString::fromUtf8(c.key), kAbsent, file),
                  QString::fromUtf8(c.expected))
            << c.section << "/" << c.key;

    EXPECT_EQ(GetPrivateProfileString("General", "Link", kAbsent, path("missing.ini")), kAbsent);
    EXPECT_EQ(GetPrivateProfileString("General", "Link", kAbsent, QString()), kAbsent);
    EXPECT_FALSE(QFile::exists(path("missing.ini"))) << "a read never creates the file";
}

TEST_F(IniFileTest, ReadsTheLeadingInteger)
{
    const QString file = writeFile("int.ini", "[N]\n"
                                              "Plain=502\nTail=12abc\nEmpty=\nNegative=-7\nSigned=  +3\n"
                                              "Letters=abc\nQuoted=\"15\"\nSpaced=- 4\n");
    const struct {
        const char* key;
        int expected;
    } cases[] = {{"Plain", 502}, {"Tail", 12},   {"Empty", 0},  {"Negative", -7}, {"Signed", 3},
                 {"Letters", 0}, {"Quoted", 15}, {"Spaced", 0}, {"Missing", 42},  {"plain ", 502}};
    for (const auto& c : cases)
        EXPECT_EQ(GetPrivateProfileInt("N", QString::fromUtf8(c.key), 42, file), c.expected) << c.key;
    EXPECT_EQ(GetPrivateProfileInt("N", "Plain", 42, path("missing.ini")), 42);
}

TEST_F(IniFileTest, WriteKeepsCommentsOrderAndUntouchedValues)
{
    const QString file = writeFile("keep.ini", "; file comment\n"
                                               "\n"
                                               "; about general\n"
                                               "[General]\n"
                                               "; the first key\n"
                                               "B=1,2,3\n"
                                               "A=2\n"
                                               "# hash comment\n"
                                               "C=\"q\"\n"
                                               "[Other]\n"
                                               "X=1\n"
                                               "; trailing note\n");
    ASSERT_TRUE(WritePrivateProfileString("general", "a ", "3", file));

    const QByteArray text = ReadFileBytes(file);
    EXPECT_TRUE(hasLinesInOrder(text, {"; file comment", "; about general", "[General]", "; the first key", "B=1,2,3",
                                       "A=3", "# hash comment", "C=\"q\"", "[Other]", "X=1", "; trailing note"}))
        << text.constData();
    EXPECT_FALSE(text.contains("a=3")) << "the file's spelling of the key is kept";
    EXPECT_EQ(GetPrivateProfileString("General", "A", kAbsent, file), "3");
    EXPECT_EQ(GetPrivateProfileString("General", "C", kAbsent, file), "q");
}

TEST_F(IniFileTest, WriteAddsKeysSectionsAndFiles)
{
    const QString file = writeFile("add.ini", "[First]\nA=1\n[Second]\nB=2\n");
    ASSERT_TRUE(WritePrivateProfileString("First", "New", "x, y", file));
    ASSERT_TRUE(WritePrivateProfileString("Third", "C", "", file));
    EXPECT_TRUE(
        hasLinesInOrder(ReadFileBytes(file), {"[First]", "A=1", "New=x, y", "[Second]", "B=2", "[Third]", "C="}))
        << ReadFileBytes(file).constData();
    EXPECT_EQ(GetPrivateProfileString("Third", "C", kAbsent, file), "");

    const QString created = path("created.ini");
    ASSERT_TRUE(WritePrivateProfileString("DeviceHistory", "Device_0", "192.168.1.10 — Büro", created));
    EXPECT_EQ(ReadFileBytes(created), QString("[DeviceHistory]\nDevice_0=192.168.1.10 — Büro\n").toUtf8());
}

TEST_F(IniFileTest, WriteFailsWithoutCorruptingTheFile)
{
    const QString file = writeFile("refuse.ini", "[S]\nK=1\n");
    const struct {
        const char* label;
        QString section;
        QString key;
        QString value;
        QString path;
    } cases[] = {
        {"missing folder", "S", "K", "2", path("no/such/folder.ini")},
        {"path is a folder", "S", "K", "2", dir_.path()},
        {"empty path", "S", "K", "2", QString()},
        {"line break in value", "S", "K", "2\nInjected=1", file},
        {"line break in key", "S", "K\r\nX", "2", file},
        {"'=' in key", "S", "K=X", "2", file},
        {"comment key", "S", ";K", "2", file},
        {"']' in section", "S]x", "K", "2", file},
        {"empty key", "S", " ", "2", file},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(WritePrivateProfileString(c.section, c.key, c.value, c.path)) << c.label;
    EXPECT_EQ(ReadFileBytes(file), QByteArray("[S]\nK=1\n"));
    EXPECT_EQ(GetPrivateProfileString("S", "K", kAbsent, file), "1");
    EXPECT_EQ(GetPrivateProfileString("S", "Injected", kAbsent, file), kAbsent);
    EXPECT_EQ(GetPrivateProfileString("S", "K", kAbsent, path("no/such/folder.ini")), kAbsent)
        << "a failed write leaves nothing behind that a read could see";
}

TEST_F(IniFileTest, KeepsByteOrderMarkAndCrLfLineEnds)
{
    const QString file = writeFile("crlf.ini", "\xEF\xBB\xBF[Help]\r\nLink =http://a\r\n; note\r\n");
    EXPECT_EQ(GetPrivateProfileString("Help", "Link", kAbsent, file), "http://a");
    ASSERT_TRUE(WritePrivateProfileString("Help", "Other", "b", file));

    const QByteArray text = ReadFileBytes(file);
    EXPECT_TRUE(text.startsWith("\xEF\xBB\xBF[Help]\r\n")) << text.constData();
    EXPECT_EQ(text.count("\n"), text.count("\r\n")) << "every line ends in CR LF";
    EXPECT_TRUE(text.contains("; note\r\n"));
    EXPECT_EQ(GetPrivateProfileString("Help", "Other", kAbsent, file), "b");
}

TEST_F(IniFileTest, NoticesChangesMadeOutsideTheProgram)
{
    const QString file = writeFile("outside.ini", "[S]\nK=1\n");
    EXPECT_EQ(GetPrivateProfileString("S", "K", kAbsent, file), "1");

    writeFile("outside.ini", "[S]\nK=22\n"); // a different size
    EXPECT_EQ(GetPrivateProfileString("S", "K", kAbsent, file), "22");

    writeFile("outside.ini", "[S]\nK=33\n"); // the same size: only the time tells
    QFile touched(file);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    touched.close();
    EXPECT_EQ(GetPrivateProfileString("S", "K", kAbsent, file), "33");

    // A write after an outside change starts from the file, not from the stale copy.
    writeFile("outside.ini", "[S]\nK=33\nOutside=yes\n");
    ASSERT_TRUE(WritePrivateProfileString("S", "K", "4", file));
    EXPECT_EQ(GetPrivateProfileString("S", "Outside", kAbsent, file), "yes");
    EXPECT_EQ(GetPrivateProfileString("S", "K", kAbsent, file), "4");

    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(GetPrivateProfileString("S", "K", kAbsent, file), kAbsent);
}

TEST_F(IniFileTest, ServesReadersOnOtherThreadsWhileWriting)
{
    const QString file = writeFile("threads.ini", "[S]\nK=0\n");
    std::atomic<bool> stop{false};
    std::atomic<int> badReads{0};
    std::vector<std::thread> readers;
    for (int i = 0; i < 4; ++i)
        readers.emplace_back([&] {
            while (!stop) {
                const int value = GetPrivateProfileInt("S", "K", -1, file);
                if (value < 0 || value > 50)
                    ++badReads;
            }
        });
    for (int i = 1; i <= 50; ++i)
        EXPECT_TRUE(WritePrivateProfileString("S", "K", QString::number(i), file));
    stop = true;
    for (std::thread& reader : readers)
        reader.join();
    EXPECT_EQ(badReads, 0);
    EXPECT_EQ(GetPrivateProfileInt("S", "K", -1, file), 50);
}

} // namespace
