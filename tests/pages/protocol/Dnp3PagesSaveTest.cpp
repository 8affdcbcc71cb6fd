// What the DNP3 pages write survives saving and reopening the project.
#include "CDNP3OneMasterDlg.h"
#include "CDNP3SelectTagDlg.h"
#include "CDnp3SelTagPage.h"
#include "CListCtrlEx.h"
#include "CProjectLoader.h"
#include "PageHarness.h"

#include <QTemporaryDir>

namespace {

TEST(Dnp3PagesSaveTest, MasterAndPointsAreSavedAndReadBack)
{
    PageHarness<CDNP3SelectTagDlg> points;
    CDataCenter& model = points.model();
    points.Show(NodeFor(130, QStringLiteral("DNP3 Points")));
    points.page().ShowTab(2);
    CDnp3SelTagPage& analog = points.page().Tab(2);
    std::vector<TagRecord> tags;
    model.GetTagsForDnp3PointType(2, tags);
    ASSERT_GE(tags.size(), 2u);
    tags.resize(2);
    analog.AddTags(tags);
    analog.item<CListCtrlEx>(Dnp3PointTab::kListPoints)->SelectRow(1);
    SetControl(analog, {Dnp3PointTab::kComboDeviation, 0});
    PressButton(analog, Dnp3PointTab::kButtonApply);

    RecordingPageHost masterHost(&model);
    CDNP3OneMasterDlg master(&masterHost);
    ASSERT_TRUE(master.Create());
    master.SetNodeInfo(NodeFor(129, QStringLiteral("DNP3")));
    masterHost.parentWidget().show();
    master.show();
    SetControl(master, {Dnp3MasterPage::kEditLocalPort, QString("20000")});
    SetControl(master, {Dnp3MasterPage::kCheckUnsolicited, true});
    SetControl(master, {Dnp3MasterPage::kEditMasterIP, QString("127.0.0.1")});
    PressButton(master, Dnp3MasterPage::kButtonApply);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dnp3.pelx"));
    ASSERT_TRUE(model.SaveProject(path));
    CDataCenter reopened;
    CProjectLoader loader(reopened, nullptr);
    ASSERT_EQ(loader.LoadProject(path, 0), 0);

    Dnp3PointGroup before, after;
    model.GetDnp3PointGroup(2, before);
    reopened.GetDnp3PointGroup(2, after);
    ASSERT_EQ(after.Points.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(after.Points[i].Name, tags[i].TagName);
        EXPECT_EQ(after.Points[i].ResourceID, before.Points[i].ResourceID);
        EXPECT_EQ(after.Points[i].Class, before.Points[i].Class);
    }
    EXPECT_EQ(reopened.GetDnp3Outstation().LocalPort, 20000);
    EXPECT_EQ(reopened.GetDnp3Outstation().Masters.front().MasterIP, "127.0.0.1");
    EXPECT_EQ(reopened.GetDnp3Outstation().Masters.front().EnableUnsolicited, 1);
}

} // namespace
