#pragma once
// The common ground of the project file tests: a DefaultSettings.ini of known abbreviations and
// limits in a private program folder, a parser, real files in a temporary folder, and paths into
// a document over direct children only (so a test never leans on the deeper search it checks).

#include "ConfigFiles.h"
#include "IXMLParser.h"
#include "ServiceFileValues.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable failure messages for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The abbreviation lists and limits every test of this folder works with.
inline constexpr char kTestDefaultSettings[] = R"([DI]
abbreviation=Val,CntVal,CntStart
[DO]
abbreviation=Val,Pulse
[Relay]
abbreviation=Val,RelayCnt
[DIO]
abbreviation=Val,DIOCnt,Extra
[AI]
abbreviation=Val,Status,MinVal,MaxVal
[HART]
abbreviation=Val,Status,MinVal,MaxVal
[HARTSENSORABB]
abbreviation=PV,SV,TV,QV
[AO]
abbreviation=Val,Status
[TC]
abbreviation=Val,CJC
[RTD]
abbreviation=Val,Wire
[Cellular]
PINGCheckRetryInterval=30,10,600
abbreviation=Signal,Conn,Band
[Power]
abbreviation=PWR1,ALM2,VIN3
[SystemRegister]
abbreviationIEC=I0,I1,I2,I3,I4,I5,I6
abbreviationIEC_4100=J0,J1,J2,J3,J4,J5,J6
abbreviationC=C0,C1,C2,C3,C4,C5,C6
abbreviationC_4100=D0,D1,D2,D3,D4,D5,D6
[TimeSetting]
SyncIntervalValue=1440,5,20000
)";

class ProjectFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        UseDefaultSettings(kTestDefaultSettings);
        parser_ = MakeXMLParser();
        ASSERT_TRUE(parser_);
    }

    void TearDown() override { SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)); }

    // A program folder of its own holding this DefaultSettings.ini.
    void UseDefaultSettings(const QByteArray& text)
    {
        const QString program = Path(QStringLiteral("program%1").arg(++programFolders_));
        ASSERT_TRUE(QDir().mkpath(program));
        QFile file(QDir(program).filePath(QStringLiteral("DefaultSettings.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(text), text.size());
        file.close();
        SetProgramDirectory(program);
    }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    IXMLElement* NewDocument(const QString& rootName = QStringLiteral("Product"))
    {
        return parser_->CreateRoot(rootName);
    }

    // Saves through the XML layer into a real file and gives the file's bytes.
    QByteArray SaveBytes(IXMLElement* root, const QString& fileName)
    {
        const QString path = Path(fileName);
        EXPECT_EQ(parser_->Save(path, kXMLSaveDefault, root), kXMLOk);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    IXMLElement* LoadFile(const QString& fileName)
    {
        IXMLElement* root = nullptr;
        EXPECT_EQ(parser_->Load(Path(fileName), &root), kXMLOk) << qPrintable(fileName);
        return root;
    }

    // Writes the text to a file and loads it.
    IXMLElement* LoadXml(const QByteArray& xml)
    {
        const QString name = QStringLiteral("input%1.xml").arg(++inputFiles_);
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml);
        file.close();
        return LoadFile(name);
    }

    IXMLParser& Parser() { return *parser_; }

private:
    QTemporaryDir folder_;
    XMLParserPtr parser_;
    int programFolders_ = 0;
    int inputFiles_ = 0;
};

// ---- paths over direct children ----

using ServiceFile::DirectChild; // the first direct child of that name; nullptr when none
// "Setting/DI/Set_0/Filter": each step a direct child.
IXMLElement* At(IXMLElement* root, const QString& path);
// The "Result" of the element at the path; "<missing>" or "<no Result>" when absent.
QString ResultAt(IXMLElement* root, const QString& path);
QStringList ChildNames(IXMLElement* element);
// "name=value" of every attribute in order.
QStringList AttributeTexts(IXMLElement* element);
