// The rows of the tags page and the tag map on the largest project, compared with the rows these
// lists showed when their texts were still stored cell by cell (data/tag-list-rows.txt): every
// text of every row, in the order shown, after a show, a header click and a filter, in IEC and in
// C mode; and every cell in the list's own colours. The file keeps of each list its row count,
// a SHA-256 of all its rows and its first rows as they read; the rows of a run that differs are
// written beside the test's screenshots (test-artefacts/tag-list-rows.txt).
//
// To write the file again from the lists as they are (only after checking a difference by eye):
//   PELANDRIX_TAG_ROWS_OUT=$PWD/tests/pages/system/data/tag-list-rows.txt QT_QPA_PLATFORM=offscreen
//   build/tests/test_pages_system --gtest_filter='TagListRowsTest.*'
#include "CListCtrlEx.h"
#include "CTagsDlg.h"
#include "CTagsMapDlg.h"
#include "FilledProject.h"
#include "PageHarness.h"
#include "TypeIds.h"

#include <QBrush>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

const char kRowsFile[] = PELANDRIX_PAGES_SYSTEM_TEST_DATA "/tag-list-rows.txt";
const char kRowsOutVariable[] = "PELANDRIX_TAG_ROWS_OUT";
constexpr int kRowsKeptInFull = 25;

// Some tags in use by a service item, so that the use mark and the service names show.
void addServiceUses(CDataCenter& model)
{
    for (size_t position = 3; position < model.Tags.size(); position += 97)
        model.AddTagServiceUse(model.Tags[position].ResID, ServiceId::ModbusSlave, static_cast<int>(position % 5));
}

bool buildProject(CDataCenter& model, bool iec)
{
    model.ResetProjectData();
    if (!FilledProject::BuildLargestProject(model))
        return false;
    addServiceUses(model);
    model.SetIECMode(iec ? 1 : 0);
    return true;
}

// The rows as the view reads them, one line of tab-separated texts per row.
QStringList rowLines(CListCtrlEx& list)
{
    QStringList lines;
    const QAbstractItemModel& model = *list.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts << model.data(model.index(row, column), Qt::DisplayRole).toString();
        lines << texts.join(QLatin1Char('\t'));
    }
    return lines;
}

// What the file keeps of a list: its title with the row count and the digest of every row, then
// its first rows. All rows of every list are kept too, for the artefact of a run that differs.
struct Dumps {
    QStringList kept;
    QStringList all;
};

Dumps dump(const QString& title, CListCtrlEx& list)
{
    const QStringList rows = rowLines(list);
    const QByteArray digest =
        QCryptographicHash::hash(rows.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha256).toHex();
    const QString head = QStringLiteral("== %1: %2 rows, sha256 %3").arg(title).arg(rows.size()).arg(digest);
    return {QStringList{head} + rows.mid(0, kRowsKeptInFull), QStringList{head} + rows};
}

Dumps& operator+=(Dumps& to, const Dumps& from)
{
    to.kept += from.kept;
    to.all += from.all;
    return to;
}

// Every cell in the list's base and text colours, as no row of these lists is coloured.
void expectListColours(const QString& title, CListCtrlEx& list)
{
    const QColor base = list.palette().color(QPalette::Base);
    const QColor text = list.palette().color(QPalette::Text);
    const QAbstractItemModel& model = *list.model();
    int wrong = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            wrong += model.data(index, Qt::BackgroundRole).value<QBrush>().color() != base;
            wrong += model.data(index, Qt::ForegroundRole).value<QBrush>().color() != text;
        }
    }
    EXPECT_EQ(wrong, 0) << title.toStdString();
}

void clickHeader(CListCtrlEx& list, int column)
{
    emit list.horizontalHeader()->sectionClicked(column);
}

Dumps tagsPageRows(bool iec)
{
    PageHarness<CTagsDlg> harness;
    if (!buildProject(harness.model(), iec))
        return {};
    const QString mode = iec ? QStringLiteral("IEC") : QStringLiteral("C");
    harness.Show(NodeFor(100, "Tags"));
    auto& list = *harness.page().item<CListCtrlEx>(TagsPageIds::kListTags);
    Dumps lines = dump(QStringLiteral("tags page, %1, shown").arg(mode), list);
    expectListColours(QStringLiteral("tags page shown"), list);
    clickHeader(list, TagsPageIds::kColumnItemName);
    lines += dump(QStringLiteral("tags page, %1, item name header clicked").arg(mode), list);
    clickHeader(list, TagsPageIds::kColumnItemName);
    lines += dump(QStringLiteral("tags page, %1, item name header clicked twice").arg(mode), list);
    const std::vector<TagRecord> picked = {harness.model().Tags[5], harness.model().Tags[1]};
    harness.page().OnTagsSelected(picked);
    harness.page().OnTagsSelected(picked);
    lines += dump(QStringLiteral("tags page, %1, two picked batches").arg(mode), list);
    expectListColours(QStringLiteral("tags page picked"), list);
    return lines;
}

Dumps tagMapRows(bool iec)
{
    PageHarness<CTagsMapDlg> harness;
    if (!buildProject(harness.model(), iec))
        return {};
    const QString mode = iec ? QStringLiteral("IEC") : QStringLiteral("C");
    harness.Show(NodeFor(102, "Tag Map"));
    auto& list = *harness.page().item<CListCtrlEx>(TagMapIds::kListTags);
    Dumps lines = dump(QStringLiteral("tag map, %1, shown").arg(mode), list);
    expectListColours(QStringLiteral("tag map shown"), list);
    clickHeader(list, 3);
    lines += dump(QStringLiteral("tag map, %1, data type header clicked").arg(mode), list);
    clickHeader(list, TagMapIds::kColumnItemName);
    clickHeader(list, TagMapIds::kColumnItemName);
    lines += dump(QStringLiteral("tag map, %1, item name header clicked twice").arg(mode), list);
    harness.Set({{TagMapIds::kComboKind, 2}}); // every tag in use
    harness.Press(TagMapIds::kButtonFilter);
    lines += dump(QStringLiteral("tag map, %1, used by services").arg(mode), list);
    harness.Set({{TagMapIds::kComboKind, 1}}); // the first slot's tags
    harness.Press(TagMapIds::kButtonFilter);
    lines += dump(QStringLiteral("tag map, %1, first slot").arg(mode), list);
    expectListColours(QStringLiteral("tag map filtered"), list);
    return lines;
}

QStringList readRows()
{
    QFile file(QString::fromUtf8(kRowsFile));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void writeRows(const QString& path, const QStringList& lines)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

TEST(TagListRowsTest, BothListsShowTheRowsTheyShowedOnTheLargestProject)
{
    Dumps dumps;
    for (bool iec : {true, false}) {
        dumps += tagsPageRows(iec);
        dumps += tagMapRows(iec);
    }
    ASSERT_GT(dumps.all.size(), 1000) << "the largest project could not be built";
    if (qEnvironmentVariableIsSet(kRowsOutVariable))
        writeRows(qEnvironmentVariable(kRowsOutVariable), dumps.kept);
    const QStringList expected = readRows();
    ASSERT_FALSE(expected.isEmpty()) << kRowsFile;
    const QStringList& actual = dumps.kept;
    if (actual != expected) {
        QDir().mkpath(QStringLiteral(PELANDRIX_TEST_ARTEFACT_DIR));
        writeRows(QStringLiteral(PELANDRIX_TEST_ARTEFACT_DIR "/tag-list-rows.txt"), dumps.all);
    }
    ASSERT_EQ(actual.size(), expected.size());
    int shown = 0;
    for (qsizetype line = 0; line < expected.size() && shown < 10; ++line) {
        if (actual[line] != expected[line]) {
            ADD_FAILURE() << "line " << line + 1 << "\n  expected: " << expected[line].toStdString()
                          << "\n  actual:   " << actual[line].toStdString();
            ++shown;
        }
    }
}

} // namespace
