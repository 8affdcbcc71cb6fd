// Alarm entries made on the pages survive a save and a reopen: the same records, the same tag
// uses, and the same bytes when the reopened project is saved again.
#include "CAlarmEmail.h"
#include "CAlarmSNMPTrapDlg.h"
#include "CProjectLoader.h"
#include "CSNMPProfilePage.h"
#include "CSNMPSelectTagsPage.h"

#include "AlarmPageFixture.h"
#include "ResultCodes.h"
#include "TypeIds.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <class Page>
std::unique_ptr<Page> showPage(RecordingPageHost& host, int formId)
{
    auto page = std::make_unique<Page>(&host);
    page->hide();
    EXPECT_TRUE(page->Create());
    page->setGeometry(0, 0, kHarnessPageWidth, kHarnessPageHeight);
    page->SetNodeInfo(NodeFor(formId, QStringLiteral("Alarm")));
    page->show();
    return page;
}

} // namespace

TEST(AlarmProjectFileTest, EntriesMadeOnThePagesReopenUnchanged)
{
    ScopedDeleteConfirmationSkipped unasked;
    PageHarness<CAlarmEmail> harness;
    CDataCenter& model = harness.model();
    ASSERT_FALSE(model.Tags.All().empty());
    const TagRecord watched = model.Tags.All().front(); // a tag of the project's modules
    harness.page().SetRecipientEditor([](QString& addresses, QString& names) {
        addresses = QStringLiteral("a@b.com;c@d.org");
        names = QStringLiteral("Ann; ");
        return true;
    });
    harness.Show(NodeFor(ServiceId::AlarmMail, QStringLiteral("E-mail")));
    harness.Set({{AlarmEmailIds::kEditName, QStringLiteral("Mail")},
                 {AlarmEmailIds::kEditFrom, QStringLiteral("rtu@plant.org")},
                 {AlarmEmailIds::kEditSubject, QStringLiteral("Alarm")},
                 {AlarmEmailIds::kComboServerType, 1},
                 {AlarmEmailIds::kEditServer, QStringLiteral("mail.plant.org")},
                 {AlarmEmailIds::kEditUsername, QStringLiteral("rtu")},
                 {AlarmEmailIds::kEditPassword, QStringLiteral("pw")},
                 {AlarmEmailIds::kEditConfirmation, QStringLiteral("pw")},
                 {AlarmEmailIds::kEditContent, QStringLiteral("Level {{%1}}\nat {{Time}}").arg(watched.TagName)}});
    harness.page().EditRecipients();
    harness.Press(AlarmEmailIds::kButtonAdd);

    auto trap = showPage<CAlarmSNMPTrapDlg>(harness.host(), ServiceId::AlarmSnmpTrap);
    trap->SetTagChooser([&] { return std::vector<TagRecord>{watched}; });
    for (const char* name : {"T0", "T1"}) {
        trap->item<CListCtrlEx>(AlarmSnmpTrapIds::kListEntries)->clearSelection();
        SetControl(trap->ProfileTab(), {SnmpProfileIds::kEditName, QString::fromUtf8(name)});
        trap->TagsTab().AddTags();
        PressButton(*trap, AlarmSnmpTrapIds::kButtonAdd);
    }
    trap->SelectRow(0);
    PressButton(*trap, AlarmSnmpTrapIds::kButtonDelete);
    ASSERT_EQ(model.AlarmMail.Entries.size(), 1);
    ASSERT_EQ(model.AlarmSnmpTrap.Entries.size(), 1);
    EXPECT_TRUE(harness.messages().isEmpty()) << harness.messages().join(QString()).toStdString();

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString first = folder.filePath(QStringLiteral("first.pelx"));
    const QString second = folder.filePath(QStringLiteral("second.pelx"));
    ASSERT_TRUE(model.SaveProject(first));
    CDataCenter reopened;
    CProjectLoader loader(reopened);
    ASSERT_EQ(loader.LoadProject(first, 0), kS_OK);
    EXPECT_TRUE(reopened.AlarmMail == model.AlarmMail);
    EXPECT_TRUE(reopened.AlarmSnmpTrap == model.AlarmSnmpTrap);
    EXPECT_TRUE(CarriesUse(reopened, watched.ResID, ServiceId::AlarmSnmpTrap, 0));
    EXPECT_TRUE(CarriesUse(reopened, model.AlarmSnmpTrap.Entries[0].TriggerTag, ServiceId::AlarmSnmpTrap, 0));
    EXPECT_TRUE(CarriesUse(reopened, model.AlarmMail.Entries[0].StatusTag, ServiceId::AlarmMail, 0));
    ASSERT_TRUE(reopened.SaveProject(second));
    EXPECT_EQ(fileBytes(first), fileBytes(second));
}
