// The tag pages on the largest project with its tags made up to 10,000: filling the tags page and
// the tag map, and switching between the pages of the tag and variable nodes. Beside them, a bare
// QTableView over a plain model holding the same rows: the floor a list page can reach.
//
// The *_Pairs benches give each page against that table as `of_table`: the median ratio of seven
// alternating pairs (table, then page; each side ten fills, or one first show), with
// of_table_min and of_table_max beside it, so that a passing load on the shared machine falls on
// both sides of a pair. BM_TagMapFirstShow_Pairs shows a new tag map for the first time on a
// project of 20,000 tags, against a new table with those 20,000 rows.
#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CDeviceInfoDlg.h"
#include "CFunctionListDlg.h"
#include "CResourceInternalVariable.h"
#include "CResourceSystemVariable.h"
#include "CTagsDlg.h"
#include "CTagsMapDlg.h"
#include "ConfigFiles.h"
#include "LanguagePack.h"
#include "PropertyPageKind.h"
#include "RecordingPageHost.h"
#include "TypeIds.h"

#include "FilledProject.h"

#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kTagCount = 10000;
constexpr int kLargeTagCount = 20000;
constexpr int kPairs = 7;
constexpr int kFillsPerSide = 10;
constexpr int kColumnCount = 9;
constexpr int kPageWidth = 900;
constexpr int kPageHeight = 700;

// The bare table lays its rows out as the pages' lists do (row height, no row header), so both
// sides paint the same rows.
void LayOutLikeTheLists(QTableView& view)
{
    const CListCtrlEx list;
    view.verticalHeader()->setMinimumSectionSize(list.verticalHeader()->minimumSectionSize());
    view.verticalHeader()->setDefaultSectionSize(list.verticalHeader()->defaultSectionSize());
    view.verticalHeader()->setVisible(list.verticalHeader()->isVisible());
}

// The largest project, its tag table made up to the count with tags of internal registers.
CDataCenter* buildProject(int tagCount)
{
    auto* made = new CDataCenter;
    if (!FilledProject::BuildLargestProject(*made))
        return made;
    for (int i = 0; static_cast<int>(made->Tags.size()) < tagCount; ++i) {
        TagRecord tag;
        tag.Construct(QStringLiteral("Bench_%1").arg(i), QString(), QStringLiteral("IR_LONG"),
                      RegisterType::Base + 13, QStringLiteral("0.%1.2.3.0").arg(i + 1000), 0, 13, 2);
        made->AppendTag(std::move(tag));
    }
    return made;
}

CDataCenter& largestProject()
{
    static CDataCenter* model = buildProject(kTagCount);
    return *model;
}

CDataCenter& largeProject()
{
    static CDataCenter* model = buildProject(kLargeTagCount);
    return *model;
}

class PlainRows : public QAbstractTableModel {
public:
    void SetRows(QList<QStringList> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex& = {}) const override { return static_cast<int>(rows_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return kColumnCount; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(rows_[index.row()].value(index.column())) : QVariant();
    }

private:
    QList<QStringList> rows_;
};

QList<QStringList> plainRows(const CDataCenter& model)
{
    QList<QStringList> rows;
    int number = 0;
    for (const TagRecord& tag : model.Tags) {
        rows.append({QString::number(++number), tag.TagName, QString::number(tag.SlotIndex), QString(), QString(),
                     tag.ChannelTypeAlias, QString(), QString::number(tag.ChannelIndex), QString()});
    }
    return rows;
}

template <class Page>
std::unique_ptr<Page> makePage(RecordingPageHost& host)
{
    auto page = std::make_unique<Page>(&host);
    page->hide();
    page->Create();
    page->setGeometry(0, 0, kPageWidth, kPageHeight);
    host.parentWidget().resize(kPageWidth, kPageHeight);
    host.parentWidget().show();
    return page;
}

TreeNodeInfo node(int formId, int slot = 0)
{
    TreeNodeInfo info;
    info.formId = formId;
    info.slotIndex = slot;
    info.shownText = QStringLiteral("Node");
    return info;
}

template <class Page>
void showRepeatedly(benchmark::State& state, int formId)
{
    RecordingPageHost host(&largestProject());
    auto page = makePage<Page>(host);
    for (auto _ : state) {
        page->hide();
        page->SetNodeInfo(node(formId));
        page->show();
        QApplication::processEvents();
    }
    state.counters["tags"] = static_cast<double>(largestProject().Tags.size());
}

void BM_BareTableView(benchmark::State& state)
{
    const QList<QStringList> rows = plainRows(largestProject());
    PlainRows model;
    QTableView view;
    LayOutLikeTheLists(view);
    view.setModel(&model);
    view.resize(kPageWidth, kPageHeight);
    view.show();
    for (auto _ : state) {
        model.SetRows({});
        model.SetRows(rows);
        QApplication::processEvents();
    }
}

void BM_TagsPageFill(benchmark::State& state)
{
    showRepeatedly<CTagsDlg>(state, 100);
}

void BM_TagMapFill(benchmark::State& state)
{
    showRepeatedly<CTagsMapDlg>(state, 102);
}

void BM_SwitchTagPages(benchmark::State& state)
{
    RecordingPageHost host(&largestProject());
    std::vector<std::pair<std::unique_ptr<CPropertyUIDialog>, TreeNodeInfo>> pages;
    pages.emplace_back(makePage<CDeviceInfoDlg>(host), node(1));
    pages.emplace_back(makePage<CTagsDlg>(host), node(100));
    pages.emplace_back(makePage<CTagsMapDlg>(host), node(102));
    pages.emplace_back(makePage<CResourceSystemVariable>(host), node(ChannelType::SystemVariables));
    pages.emplace_back(makePage<CResourceInternalVariable>(host), node(1500));
    pages.emplace_back(makePage<CFunctionListDlg>(host), node(99));
    for (auto _ : state) {
        for (auto& [page, info] : pages) {
            page->SetNodeInfo(info);
            page->show();
            QApplication::processEvents();
            page->hide();
        }
    }
}

// ---- alternating pairs ----

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One side of a pair: its untimed preparation, then the timed part; the milliseconds of that part.
using Side = std::function<double()>;

double Milliseconds(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void ComparePairs(benchmark::State& state, const Side& table, const Side& page)
{
    table(); // one-off costs (first paint, fonts, the model's index) belong to neither side
    page();
    std::vector<double> tableMs, pageMs, ratios;
    for (auto _ : state) {
        for (int pair = 0; pair < kPairs; ++pair) {
            tableMs.push_back(table());
            pageMs.push_back(page());
            ratios.push_back(pageMs.back() / tableMs.back());
        }
    }
    state.counters["page_ms"] = Median(pageMs);
    state.counters["table_ms"] = Median(tableMs);
    state.counters["of_table"] = Median(ratios);
    state.counters["of_table_min"] = *std::min_element(ratios.begin(), ratios.end());
    state.counters["of_table_max"] = *std::max_element(ratios.begin(), ratios.end());
}

// A table over the rows, shown; each side run refills it kFillsPerSide times.
class TableFills {
public:
    explicit TableFills(const CDataCenter& model) : rows_(plainRows(model))
    {
        LayOutLikeTheLists(view_);
        view_.setModel(&model_);
        view_.resize(kPageWidth, kPageHeight);
        view_.show();
    }
    double operator()()
    {
        return Milliseconds([this] {
            for (int fill = 0; fill < kFillsPerSide; ++fill) {
                model_.SetRows({});
                model_.SetRows(rows_);
                QApplication::processEvents();
            }
        });
    }

private:
    QList<QStringList> rows_;
    PlainRows model_;
    QTableView view_;
};

template <class Page>
void PageFillPairs(benchmark::State& state, int formId)
{
    auto table = std::make_shared<TableFills>(largestProject());
    RecordingPageHost host(&largestProject());
    std::shared_ptr<Page> page = makePage<Page>(host);
    ComparePairs(state, [table] { return (*table)(); },
                 [page, formId] {
                     return Milliseconds([&] {
                         for (int fill = 0; fill < kFillsPerSide; ++fill) {
                             page->hide();
                             page->SetNodeInfo(node(formId));
                             page->show();
                             QApplication::processEvents();
                         }
                     });
                 });
    state.counters["tags"] = static_cast<double>(largestProject().Tags.size());
}

void BM_TagsPageFill_Pairs(benchmark::State& state)
{
    PageFillPairs<CTagsDlg>(state, 100);
}

void BM_TagMapFill_Pairs(benchmark::State& state)
{
    PageFillPairs<CTagsMapDlg>(state, 102);
}

// A new table shown for the first time with every row, against a new tag map shown for the first
// time; the making of the view or page (its template) is not timed.
void BM_TagMapFirstShow_Pairs(benchmark::State& state)
{
    CDataCenter& model = largeProject();
    const QList<QStringList> rows = plainRows(model);
    RecordingPageHost host(&model);
    ComparePairs(
        state,
        [&rows] {
            PlainRows plain;
            QTableView view;
            LayOutLikeTheLists(view);
            view.resize(kPageWidth, kPageHeight);
            return Milliseconds([&] {
                plain.SetRows(rows);
                view.setModel(&plain);
                view.show();
                QApplication::processEvents();
            });
        },
        [&host] {
            auto page = std::make_unique<CTagsMapDlg>(&host);
            page->hide();
            page->Create();
            page->setGeometry(0, 0, kPageWidth, kPageHeight);
            host.parentWidget().resize(kPageWidth, kPageHeight);
            host.parentWidget().show();
            QApplication::processEvents();
            return Milliseconds([&] {
                page->SetNodeInfo(node(102));
                page->show();
                QApplication::processEvents();
            });
        });
    state.counters["tags"] = static_cast<double>(model.Tags.size());
}

BENCHMARK(BM_BareTableView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagsPageFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagMapFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchTagPages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagsPageFill_Pairs)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagMapFill_Pairs)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagMapFirstShow_Pairs)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
