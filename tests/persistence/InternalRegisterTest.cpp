// The internal register groups: layout and value texts of the writer, the reader's fresh record
// per register, appending past the list, and the lengths set from the quantity elements.
#include "CDataCenter.h"
#include "ProjectFileFixture.h"

#include <bit>

namespace {

class InternalRegisterTest : public ProjectFileTest {
protected:
    // A slot element with "InternalRegister" under both halves, as the device writer prepares it.
    IXMLElement* NewRegisterSlot()
    {
        IXMLElement* slot = NewDocument(QStringLiteral("Slot_0"));
        slot->AddChild(QStringLiteral("Setting"))->AddChild(QStringLiteral("InternalRegister"));
        slot->AddChild(QStringLiteral("Resource"))->AddChild(QStringLiteral("InternalRegister"));
        return slot;
    }
};

InternalVariableRecord registerOf(int tagType, quint32 value, const QString& name)
{
    InternalVariableRecord reg;
    reg.Definition.Name = name;
    reg.Definition.ResourceText = QStringLiteral("0.0.") + name;
    reg.TagType = tagType;
    reg.Value = value;
    return reg;
}

TEST_F(InternalRegisterTest, ResourceNumberingContinuesAcrossGroups)
{
    InternalRegisterTable table;
    *table.ListForCode(10) = {registerOf(10, 1, "B0"), registerOf(10, 0, "B1"), registerOf(10, 1, "B2")};
    *table.ListForCode(12) = {registerOf(12, 0, "F0"), registerOf(12, 0, "F1")};
    IXMLElement* slot = NewRegisterSlot();
    table.SaveInternalRegisters(slot, 1510);
    table.SaveInternalRegisters(slot, 1512);

    EXPECT_EQ(ChildNames(At(slot, "Setting/InternalRegister")), (QStringList{"BoolOut", "FloatOut"}));
    EXPECT_EQ(ResultAt(slot, "Setting/InternalRegister/BoolOut"), "1510");
    EXPECT_EQ(ResultAt(slot, "Setting/InternalRegister/FloatOut"), "1512");
    EXPECT_EQ(ChildNames(At(slot, "Setting/InternalRegister/BoolOut")), (QStringList{"Set_0", "Set_1", "Set_2"}));
    EXPECT_EQ(ChildNames(At(slot, "Setting/InternalRegister/FloatOut")), (QStringList{"Set_0", "Set_1"}));
    EXPECT_EQ(ChildNames(At(slot, "Resource/InternalRegister")),
              (QStringList{"Set_0", "Set_1", "Set_2", "Set_3", "Set_4"}));
    EXPECT_EQ(ResultAt(slot, "Resource/InternalRegister/Set_3/ResID"), "0.0.F0");
    EXPECT_EQ(ChildNames(At(slot, "Setting/InternalRegister/BoolOut/Set_0")),
              (QStringList{"ResID", "ResName", "ResType", "Direction", "DataType", "TagType", "ChannelIndex",
                           "DNP3TagType", "Min", "Max", "InitialValue", "Retain"}));
}

TEST_F(InternalRegisterTest, OnlyTheOutTypesAreWritten)
{
    InternalRegisterTable table;
    *table.ListForCode(1) = {registerOf(1, 1, "B")};
    IXMLElement* slot = NewRegisterSlot();
    for (int typeId : {1501, 1509, 1519, 0, -1})
        table.SaveInternalRegisters(slot, typeId);
    EXPECT_EQ(ChildNames(At(slot, "Setting/InternalRegister")), QStringList{});
    EXPECT_EQ(ChildNames(At(slot, "Resource/InternalRegister")), QStringList{});

    IXMLElement* bare = NewDocument(QStringLiteral("Slot_0"));
    bare->AddChild(QStringLiteral("Setting"));
    *table.ListForCode(10) = {registerOf(10, 1, "B")};
    table.SaveInternalRegisters(bare, 1510); // no "InternalRegister" to write into
    EXPECT_EQ(ChildNames(At(bare, "Setting")), QStringList{});
}

TEST_F(InternalRegisterTest, ValueTextsFollowTheRegistersOwnKind)
{
    InternalVariableRecord floatRegister = registerOf(12, std::bit_cast<quint32>(0.5f), "F");
    floatRegister.Definition.FloatMin = 0.0f;
    floatRegister.Definition.FloatMax = 100.0f;
    floatRegister.Definition.Min = 7; // not written for a float register
    InternalVariableRecord longRegister = registerOf(13, static_cast<quint32>(-5), "L");
    longRegister.Definition.Min = -9000000000LL;
    longRegister.Definition.Max = 9000000000LL;
    longRegister.Direction = 2;
    InternalVariableRecord noKind = registerOf(0, 3, "X");
    const struct {
        const char* label;
        InternalVariableRecord reg;
        const char* element;
        const char* expected;
    } cases[] = {
        {"bool value", registerOf(10, 1, "B"), "InitialValue", "1"},
        {"bool data type", registerOf(10, 1, "B"), "DataType", "0"},
        {"bool tag type", registerOf(10, 1, "B"), "TagType", "10"},
        {"direction 0", registerOf(10, 1, "B"), "Direction", "1"},
        {"direction 2", longRegister, "Direction", "0"},
        {"char low byte", registerOf(11, 0x1FF, "C"), "InitialValue", "-1"},
        {"uchar low byte", registerOf(16, 0x1FF, "U"), "InitialValue", "255"},
        {"short low bits", registerOf(14, 0x18000, "S"), "InitialValue", "-32768"},
        {"ushort low bits", registerOf(18, 0x1FFFF, "W"), "InitialValue", "65535"},
        {"long", longRegister, "InitialValue", "-5"},
        {"ulong", registerOf(17, 4294967295u, "UL"), "InitialValue", "4294967295"},
        {"float value", floatRegister, "InitialValue", "0.5"},
        {"float min", floatRegister, "Min", "0"},
        {"float max", floatRegister, "Max", "100"},
        {"long min", longRegister, "Min", "-9000000000"},
        {"long max", longRegister, "Max", "9000000000"},
        {"unknown kind data type", noKind, "DataType", "999"},
        {"unknown kind value", noKind, "InitialValue", "<no Result>"},
        {"retain written last", registerOf(10, 1, "B"), "Retain", "0"},
    };
    for (const auto& c : cases) {
        InternalRegisterTable table;
        *table.ListForCode(10) = {c.reg};
        IXMLElement* slot = NewRegisterSlot();
        table.SaveInternalRegisters(slot, 1510);
        EXPECT_EQ(ResultAt(slot, QStringLiteral("Setting/InternalRegister/BoolOut/Set_0/") + c.element), c.expected)
            << c.label;
    }
    InternalVariableRecord text = registerOf(15, 0, "T");
    text.TextValue = QStringLiteral("line one\nline two");
    InternalRegisterTable table;
    *table.ListForCode(15) = {text};
    IXMLElement* slot = NewRegisterSlot();
    table.SaveInternalRegisters(slot, 1515);
    SaveBytes(slot, QStringLiteral("text.xml"));
    EXPECT_EQ(ResultAt(LoadFile(QStringLiteral("text.xml")), "Setting/InternalRegister/StringOut/Set_0/InitialValue"),
              "line one\nline two");
}

TEST_F(InternalRegisterTest, EachRegisterIsReadIntoAFreshRecord)
{
    InternalRegisterTable table;
    table.LoadInternalRegisters(LoadXml("<BoolOut Result=\"1510\">"
                                        "<Set_0><ResName Result=\"First\"/><ChannelIndex Result=\"4\"/>"
                                        "<Retain Result=\"1\"/><InitialValue Result=\"1\"/>"
                                        "<Direction Result=\"0\"/></Set_0>"
                                        "<Set_1><ResID Result=\"0.1.1510\"/></Set_1>"
                                        "</BoolOut>"),
                                1510);
    const auto& registers = *table.ListForCode(10);
    ASSERT_EQ(registers.size(), 2u); // the list was empty: both appended
    EXPECT_EQ(registers[0].Definition.Name, "First");
    EXPECT_EQ(registers[0].ChannelIndex, 4);
    EXPECT_EQ(registers[0].Retain, 1);
    EXPECT_EQ(registers[0].Value, 1u);
    EXPECT_EQ(registers[0].Direction, 1);
    EXPECT_EQ(registers[0].Definition.IsInput, 1);
    // Nothing of the first register leaks into the second.
    EXPECT_EQ(registers[1].Definition.Name, "");
    EXPECT_EQ(registers[1].ChannelIndex, 0);
    EXPECT_EQ(registers[1].Retain, 0);
    EXPECT_EQ(registers[1].Value, 0u);
    EXPECT_EQ(registers[1].Direction, 0);
    EXPECT_EQ(registers[1].DataType, kUnknownDataTypeIndex);
    EXPECT_EQ(registers[1].Definition.ResourceText, "0.1.1510");
}

TEST_F(InternalRegisterTest, ReaderConvertsByTheListsKind)
{
    const struct {
        const char* label;
        int typeId;
        const char* item;
        quint32 value;
        float floatMin;
        qint64 intMin;
    } cases[] = {
        {"char keeps the low byte", 1511, "<InitialValue Result=\"-1\"/>", 0xFF, 0, 0},
        {"short keeps 16 bits", 1505, "<InitialValue Result=\"-2\"/>", 0xFFFE, 0, 0},
        {"uchar", 1516, "<InitialValue Result=\"255\"/>", 255, 0, 0},
        {"ushort", 1518, "<InitialValue Result=\"70000\"/>", 70000 & 0xFFFF, 0, 0},
        {"ulong", 1517, "<InitialValue Result=\"4294967295\"/>", 4294967295u, 0, 0},
        {"long", 1513, "<InitialValue Result=\"-7\"/>", static_cast<quint32>(-7), 0, 0},
        {"float", 1512, "<InitialValue Result=\"2.5\"/>", std::bit_cast<quint32>(2.5f), 0, 0},
        {"float limits", 1503, "<Min Result=\"2.5\"/>", 0, 2.5f, 0},
        {"integer limits", 1513, "<Min Result=\"2.5\"/>", 0, 0, 2},
        {"big integer limit", 1504, "<Min Result=\"-9000000000\"/>", 0, 0, -9000000000LL},
    };
    for (const auto& c : cases) {
        InternalRegisterTable table;
        table.LoadInternalRegisters(LoadXml(QByteArray("<Kind><Set_0>") + c.item + "</Set_0></Kind>"), c.typeId);
        const auto& registers = *table.ListForCode(c.typeId - 1500);
        ASSERT_EQ(registers.size(), 1u) << c.label;
        EXPECT_EQ(registers[0].Value, c.value) << c.label;
        EXPECT_EQ(registers[0].Definition.FloatMin, c.floatMin) << c.label;
        EXPECT_EQ(registers[0].Definition.Min, c.intMin) << c.label;
    }
    InternalRegisterTable text;
    text.LoadInternalRegisters(LoadXml("<StringOut><Set_0><InitialValue Result=\"abc\"/></Set_0></StringOut>"), 1515);
    EXPECT_EQ(text.ListForCode(15)->at(0).TextValue, "abc");
}

TEST_F(InternalRegisterTest, ReaderReplacesFromTheFirstEntryAndAppendsThePastTheEnd)
{
    InternalRegisterTable table;
    *table.ListForCode(10) = {registerOf(10, 0, "Old0")};
    table.LoadInternalRegisters(LoadXml("<BoolOut><Set_0><ResName Result=\"New0\"/></Set_0>"
                                        "<Set_1><ResName Result=\"New1\"/></Set_1>"
                                        "<Set_2><ResName Result=\"New2\"/></Set_2></BoolOut>"),
                                1510);
    const auto& registers = *table.ListForCode(10);
    ASSERT_EQ(registers.size(), 3u);
    EXPECT_EQ(registers[0].Definition.Name, "New0");
    EXPECT_EQ(registers[2].Definition.Name, "New2");

    for (int typeId : {1500, 1519, 0, -1510}) {
        InternalRegisterTable untouched;
        untouched.LoadInternalRegisters(LoadXml("<BoolOut><Set_0/></BoolOut>"), typeId);
        for (int code = 1; code <= 18; ++code)
            EXPECT_TRUE(untouched.ListForCode(code)->empty()) << typeId;
    }
}

TEST_F(InternalRegisterTest, QuantitiesSizeTheListsButNeverBeyondTheRegistersInTheFile)
{
    const struct {
        const char* label;
        const char* quantity;
        size_t expected;
    } cases[] = {
        {"as many as written", "2", 2},
        {"fewer than written: the rest appended", "1", 2},
        {"absurd", "2000000000", 2},
        {"negative", "-5", 2},
    };
    for (const auto& c : cases) {
        CDataCenter model;
        const QByteArray xml = QByteArray("<InternalRegister><BoolOutQuantity Result=\"") + c.quantity +
                               "\"/><BoolOut Result=\"1510\"><Set_0/><Set_1/></BoolOut></InternalRegister>";
        model.LoadInternalRegister(LoadXml(xml));
        EXPECT_EQ(model.InternalRegisters.ListForCode(10)->size(), c.expected) << c.label;
    }

    CDataCenter model;
    *model.InternalRegisters.ListForCode(11) = {registerOf(11, 0, "Kept")};
    *model.InternalRegisters.ListForCode(12) = {registerOf(12, 0, "Dropped")};
    model.LoadInternalRegister(LoadXml("<InternalRegister><FloatOutQuantity Result=\"3\"/>"
                                       "<UShortOutQuantity Result=\"40000\"/></InternalRegister>"));
    EXPECT_EQ(model.InternalRegisters.ListForCode(11)->size(), 1u); // no quantity element: length kept
    EXPECT_TRUE(model.InternalRegisters.ListForCode(12)->empty());  // none in the file
    EXPECT_TRUE(model.InternalRegisters.ListForCode(18)->empty());
}

TEST_F(InternalRegisterTest, GroupsAreReadFromBoolOutOnByTheirTypeId)
{
    CDataCenter model;
    model.LoadInternalRegister(LoadXml("<InternalRegister><Note Result=\"1512\"><Set_0/></Note>"
                                       "<BoolOut Result=\"1510\"><Set_0/></BoolOut>"
                                       "<Unnamed><Set_0/></Unnamed>"
                                       "<Other Result=\"1512\"><Set_0/><Set_1/></Other></InternalRegister>"));
    EXPECT_EQ(model.InternalRegisters.ListForCode(10)->size(), 1u);
    EXPECT_EQ(model.InternalRegisters.ListForCode(12)->size(), 2u); // "Note" lies before "BoolOut"

    CDataCenter noBoolOut;
    noBoolOut.LoadInternalRegister(LoadXml("<InternalRegister><FloatOut Result=\"1512\"><Set_0/></FloatOut>"
                                           "</InternalRegister>"));
    EXPECT_TRUE(noBoolOut.InternalRegisters.ListForCode(12)->empty());
    noBoolOut.LoadInternalRegister(nullptr);
}

} // namespace
