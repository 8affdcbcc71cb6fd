// The configuration message: one line per controller slot, the differing ones in red, at most
// sixteen.
#include "CColorStatic.h"
#include "CConfigurationMessageDlg.h"
#include "ProjectDialogFixture.h"
#include "ProjectDialogIds.h"

#include <QLabel>

namespace {

TEST(ConfigurationMessageDlgTest, EachLineNamesItsSlotAndKind)
{
    const struct {
        int slot;
        const char* name;
        const char* line;
    } cases[] = {
        {0, "ulTEK 4100-CPU15-C-T", "Slot0(CPU): ulTEK 4100-CPU15-C-T"},
        {15, "ulTEK 4100-PK1-15W-T", "Slot15(PWR): ulTEK 4100-PK1-15W-T"},
        {9, "ulTEK 4100-PK2-50W-T", "Slot9(PWR): ulTEK 4100-PK2-50W-T"},
        {3, "ulTEK 4117-T", "Slot3: ulTEK 4117-T"},
        {1, "CPU-PK combined", "Slot1(CPU): CPU-PK combined"}, // CPU is tested first
        {2, "ulTEK cpu pk", "Slot2: ulTEK cpu pk"},            // the tests are case-sensitive
        {12, "", "Slot12: "},
    };
    for (const auto& c : cases) {
        const SlotConfigEntry entry{c.slot, QString::fromUtf8(c.name), QStringLiteral("0x1"), 0};
        EXPECT_EQ(CConfigurationMessageDlg::FormatSlotLine(entry), QString::fromUtf8(c.line)) << c.name;
    }
}

TEST(ConfigurationMessageDlgTest, ShowsAtMostSixteenLinesTheDifferingInRed)
{
    std::vector<SlotConfigEntry> entries;
    for (int slot = 0; slot < 18; ++slot)
        entries.push_back(
            {slot, QStringLiteral("ulTEK 41%1-T").arg(slot, 2, 10, QLatin1Char('0')), QString(), slot % 3 == 1});
    entries[0].name = QStringLiteral("ulTEK 4100-CPU15-C-T");

    CConfigurationMessageDlg dialog(entries);
    ASSERT_TRUE(dialog.Create());
    const int lineCount = static_cast<int>(std::size(kConfigurationLineIds));
    ASSERT_EQ(lineCount, 16);
    for (int i = 0; i < lineCount; ++i) {
        const auto* line = dialog.item<CColorStatic>(kConfigurationLineIds[i]);
        ASSERT_NE(line, nullptr) << i;
        EXPECT_EQ(line->text(), CConfigurationMessageDlg::FormatSlotLine(entries[static_cast<size_t>(i)])) << i;
        EXPECT_EQ(line->TextColor(), entries[static_cast<size_t>(i)].differs ? QColor(255, 0, 0) : QColor(Qt::black))
            << i;
    }
    EXPECT_EQ(dialog.itemText(kConfigurationLineIds[0]), QStringLiteral("Slot0(CPU): ulTEK 4100-CPU15-C-T"));
    const auto* icon = dialog.item<QLabel>(kIconConfigurationWarning);
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull()) << "the warning icon";

    // Slots 16 and 17 are nowhere.
    for (int id : dialog.controlIds())
        EXPECT_FALSE(dialog.itemText(id).startsWith(QStringLiteral("Slot16"))) << id;
}

TEST(ConfigurationMessageDlgTest, FewerEntriesLeaveTheOtherLinesAsTheyAreAndOKGoesOn)
{
    CConfigurationMessageDlg dialog({{0, QStringLiteral("ulTEK 4100-CPU15-C-T"), QString(), 1}});
    const int result = RunModal<CConfigurationMessageDlg>(dialog, [](CConfigurationMessageDlg& d) {
        EXPECT_EQ(d.itemText(kConfigurationLineIds[0]), QStringLiteral("Slot0(CPU): ulTEK 4100-CPU15-C-T"));
        EXPECT_EQ(d.item<CColorStatic>(kConfigurationLineIds[0])->TextColor(), QColor(255, 0, 0));
        EXPECT_EQ(d.itemText(kConfigurationLineIds[1]), QString());
        Click(d.control(IDOK));
    });
    EXPECT_EQ(result, IDOK);

    CConfigurationMessageDlg cancelled({});
    EXPECT_EQ(
        RunModal<CConfigurationMessageDlg>(cancelled, [](CConfigurationMessageDlg& d) { Click(d.control(IDCANCEL)); }),
        IDCANCEL);
}

} // namespace
