// Reading the TAVO tag lists back into the tag table.
#include "ServiceFileTestSupport.h"

namespace {

class TavoTagLists : public ServiceFileTest {
protected:
    void SetUp() override
    {
        ServiceFileTest::SetUp();
        FullServiceModel::AddTags(model_);
    }

    void Read(const char* lists)
    {
        model_.LoadTavoTagSettings(
            LoadXml(QStringLiteral("<TAVO Result=\"1\">%1</TAVO>").arg(QString::fromUtf8(lists))));
    }

    const TagRecord& Tag(int number) const { return model_.Tags[static_cast<size_t>(number)]; }

    CDataCenter model_;
};

TEST_F(TavoTagLists, EntriesOutOfRangeOrNamingNoTagArePassedOver)
{
    using namespace FullServiceModel;
    const struct {
        const char* label;
        QString entry;
        bool applies;
    } cases[] = {
        {"valid", QStringLiteral(R"(<Tag_0 Result="%1" Interval="5" Unit="2" Access="0"/>)").arg(TagAddress(1)), true},
        {"interval 0", QStringLiteral(R"(<Tag_0 Result="%1" Interval="0" Unit="0" Access="0"/>)").arg(TagAddress(1)),
         false},
        {"interval above 65535",
         QStringLiteral(R"(<Tag_0 Result="%1" Interval="65536" Unit="0" Access="0"/>)").arg(TagAddress(1)), false},
        {"unit 3", QStringLiteral(R"(<Tag_0 Result="%1" Interval="5" Unit="3" Access="0"/>)").arg(TagAddress(1)),
         false},
        {"access missing", QStringLiteral(R"(<Tag_0 Result="%1" Interval="5" Unit="0"/>)").arg(TagAddress(1)), false},
        {"no such tag", QStringLiteral(R"(<Tag_0 Result="9.9.9" Interval="5" Unit="0" Access="0"/>)"), false},
        {"address with a trailing blank",
         QStringLiteral(R"(<Tag_0 Result="%1" Interval="5" Unit="0" Access="0"/>)").arg(TagAddress(1) + u' '), false},
    };
    for (const auto& c : cases) {
        model_.Tags.clear();
        FullServiceModel::AddTags(model_);
        Read(QStringLiteral("<IntervalUpdate>%1</IntervalUpdate>").arg(c.entry).toUtf8().constData());
        EXPECT_EQ(Tag(1).PublishToTavo, c.applies ? 1 : 0) << c.label;
        EXPECT_EQ(Tag(1).Tavo.IntervalUpdate, c.applies ? 1 : 0) << c.label;
        if (c.applies) {
            EXPECT_EQ(Tag(1).Tavo.Interval, 5u);
            EXPECT_EQ(Tag(1).Tavo.Unit, 2);
            EXPECT_EQ(Tag(1).Tavo.Access, 0);
        }
    }
}

TEST_F(TavoTagLists, ControlEntriesNameTheirControlTagWithoutRegardToCase)
{
    model_.Tags[7].ResID = QStringLiteral("7.AbC.7");
    Read(R"(<OnChangeUpdate><Tag_0 Result="2.1.1" Access="1"/><Tag_1 Result="3.2.2"/></OnChangeUpdate>
        <ControlTagUpdate><Tag_0 Result="2.1.1" Control="7.abc.7" Access="1"/><Tag_1 Result="4.3.3" Control="" Access="1"/>
        <Tag_2 Result="5.4.4" Control="0.0.0" Access="0"/></ControlTagUpdate>)");
    EXPECT_EQ(Tag(1).Tavo.OnChangeUpdate, 1);
    EXPECT_EQ(Tag(1).Tavo.ControlTagUpdate, 1);
    EXPECT_EQ(Tag(1).Tavo.Control, QStringLiteral("7.abc.7"));
    EXPECT_EQ(Tag(1).Tavo.ControlTagName, FullServiceModel::TagName(7));
    EXPECT_EQ(Tag(2).PublishToTavo, 0) << "on-change entry without access";
    EXPECT_EQ(Tag(3).PublishToTavo, 0) << "empty control";
    EXPECT_EQ(Tag(4).Tavo.ControlTagUpdate, 1);
    EXPECT_EQ(Tag(4).Tavo.ControlTagName, QString()) << "control names no tag";
}

TEST_F(TavoTagLists, MissingListsReadNothing)
{
    const std::vector<TagRecord> before = model_.Tags;
    Read("");
    model_.LoadTavoTagSettings(nullptr);
    EXPECT_TRUE(model_.Tags == before);
}

} // namespace
