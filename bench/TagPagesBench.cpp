// The tag pages on the largest project with its tags made up to 10,000: filling the tags page and
// the tag map, and switching between the pages of the tag and variable nodes. Beside them, a bare
// QTableView over a plain model holding the same rows: the floor a list page can reach.
#include "CDataCenter.h"
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
#include <QTableView>

#include <memory>

namespace {

constexpr int kTagCount = 10000;
constexpr int kColumnCount = 9;
constexpr int kPageWidth = 900;
constexpr int kPageHeight = 700;

// The largest project, its tag table made up to kTagCount with tags of internal registers.
CDataCenter& largestProject()
{
    static CDataCenter* model = [] {
        auto* made = new CDataCenter;
        if (!FilledProject::BuildLargestProject(*made))
            return made;
        for (int i = 0; static_cast<int>(made->Tags.size()) < kTagCount; ++i) {
            TagRecord tag;
            tag.Construct(QStringLiteral("Bench_%1").arg(i), QString(), QStringLiteral("IR_LONG"),
                          RegisterType::Base + 13, QStringLiteral("0.%1.2.3.0").arg(i + 1000), 0, 13, 2);
            made->AppendTag(std::move(tag));
        }
        return made;
    }();
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

BENCHMARK(BM_BareTableView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagsPageFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TagMapFill)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SwitchTagPages)->Unit(benchmark::kMillisecond);

} // namespace
