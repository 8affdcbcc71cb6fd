// The tag list of the channel pages on its own: which definitions become rows, how a row is
// named, which rows are grey, and a channel the page no longer has.
#include "ChannelTagList.h"
#include "CListCtrlEx.h"

#include <QBrush>
#include <QPalette>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kActiveKey = 0;
constexpr int kOtherKey = 1;
constexpr int kColumnWidth = 90;

TagDefinition definition(const char* name, int key, const char* bound = "")
{
    TagDefinition made;
    made.Name = QString::fromUtf8(name);
    made.ChMode = key;
    made.BoundTagName = QString::fromUtf8(bound);
    return made;
}

class ChannelTagListTest : public testing::Test {
protected:
    void SetUp() override { tags.InsertColumns(list, kColumnWidth); }
    ChannelTagList::Source Source()
    {
        return {
            .channelCount = [this] { return int(channels.size()); },
            .definitions = [this](int channel) -> const std::vector<TagDefinition>& {
                return channels.at(size_t(channel));
            },
            .isListed = [this](const TagDefinition& made) { return made.Name != hidden; },
            .isActive = [this](const TagDefinition& made) { return made.ChMode == activeKey; },
            .tagName = [](int channel,
                          const TagDefinition& made) { return QStringLiteral("Ch%1_%2").arg(channel).arg(made.Name); }};
    }
    QStringList Column(int column) const
    {
        QStringList texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts << list.GetItemText(row, column);
        return texts;
    }
    QColor TextColour(int row) const
    {
        return list.model()->index(row, 0).data(Qt::ForegroundRole).value<QBrush>().color();
    }

    std::vector<std::vector<TagDefinition>> channels{{definition("Status", kActiveKey),
                                                      definition("Count", kOtherKey, "Bound_Count"),
                                                      definition("Spare", kActiveKey)},
                                                     {definition("Value", kOtherKey)}};
    QString hidden;
    int activeKey = kActiveKey;
    QPalette palette;
    CListCtrlEx list;
    ChannelTagList tags{Source()};
};

TEST_F(ChannelTagListTest, RowsAreTheChannelsListedDefinitionsPaddedToTheMinimum)
{
    struct Case {
        int channel;
        const char* hidden;
        QStringList names;
        int rows;
    };
    const QStringList padding(ChannelTagList::kMinimumRows - 3, QString());
    const Case cases[] = {
        {0, "", QStringList{"Ch0_Status", "Bound_Count", "Ch0_Spare"} + padding, ChannelTagList::kMinimumRows},
        {0, "Count", QStringList{"Ch0_Status", "Ch0_Spare"} + padding + QStringList{QString()},
         ChannelTagList::kMinimumRows},
        {-1, "", {}, 0},
        {2, "", {}, 0}, // a channel the page does not have
    };
    for (const Case& c : cases) {
        hidden = QString::fromUtf8(c.hidden);
        tags.Fill(list, c.channel, palette);
        EXPECT_EQ(list.GetItemCount(), c.rows) << c.channel << c.hidden;
        EXPECT_EQ(Column(0), c.names) << c.channel << c.hidden;
    }
    hidden.clear();
    tags.Fill(list, 0, palette);
    EXPECT_EQ(Column(1).mid(0, 3), QStringList({"0", "0", "0"}));
    EXPECT_EQ(Column(2).mid(0, 3), QStringList({"Status", "Count", "Spare"}));
}

TEST_F(ChannelTagListTest, AChannelWithMoreDefinitionsThanTheMinimumListsThemAll)
{
    channels[0].resize(ChannelTagList::kMinimumRows + 2, definition("Extra", kActiveKey));
    tags.Fill(list, 0, palette);
    EXPECT_EQ(list.GetItemCount(), ChannelTagList::kMinimumRows + 2);
    EXPECT_EQ(list.GetItemText(ChannelTagList::kMinimumRows + 1, 0), "Ch0_Extra");
}

TEST_F(ChannelTagListTest, TagsOfAnotherModeAreGreyUntilTheirModeIsShown)
{
    tags.Fill(list, 0, palette);
    EXPECT_EQ(TextColour(0), palette.color(QPalette::Text));
    EXPECT_EQ(TextColour(1), ChannelTagList::kOtherModeColour);
    activeKey = kOtherKey;
    tags.Colour(list, palette);
    EXPECT_EQ(TextColour(0), ChannelTagList::kOtherModeColour);
    EXPECT_EQ(TextColour(1), palette.color(QPalette::Text));
}

TEST_F(ChannelTagListTest, ColouringAfterTheChannelWentAwayTouchesNothing)
{
    tags.Fill(list, 1, palette);
    const QColor before = TextColour(0);
    channels.pop_back(); // the record reloaded with fewer channels
    activeKey = kOtherKey;
    EXPECT_NO_THROW(tags.Colour(list, palette));
    EXPECT_EQ(TextColour(0), before);
}

} // namespace
