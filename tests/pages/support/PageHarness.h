#pragma once
// A page under test: built from its real template in a recording host over a filled project
// (a new project of the shipped product template with every free slot holding a module), with
// message boxes recorded. A test is a table of cases: controls to set, a button to press, then
// the record, the log lines and the message boxes expected.
//
//   PageHarness<CTimeSettingDlg> harness;                   // project, host, page built
//   const std::vector<PageCase<TIME_SETTINGS>> cases = {
//       {"server changed", {{kEditServer, QString("10.0.0.5")}}, kButtonApply,
//        [](TIME_SETTINGS& r) { r.Server = "10.0.0.5"; },        // expected: before + this change
//        {"[Time] Apply setting successfully"}, {}},
//       {"port out of range", {{kEditPort, QString("0")}}, kButtonApply,
//        nullptr,                                                // the record stays as it was
//        {}, {FormatRangeErrorLine("Port", 1, 65535)}},
//   };
//   for (const auto& row : cases)
//       RunPageCase(harness, row, [](const CDataCenter& m) { return m.GetTimeSettings(); },
//                   NodeFor(133, "Time"));
//
// Page tests also check their controls against the template once:
//   ExpectControlsMatchTemplate(kTemplateTime, kTimePageControls);

#include "CDataCenter.h"
#include "ControlId.h"
#include "PageDriving.h"
#include "RecordingMessageBoxService.h"
#include "RecordingPageHost.h"
#include "ScopedMessageBoxService.h"
#include "TreeNodeInfo.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <span>
#include <vector>

// The model used by default: a compact controller's new project, its free slots filled.
inline constexpr const char* kHarnessProductModel = "ulTEK 4100-CPU15-C-T";
inline constexpr int kHarnessSlotCount = 9;
inline constexpr int kHarnessPageWidth = 500;
inline constexpr int kHarnessPageHeight = 600;

// Builds the filled project into the model; false when a template is missing.
bool BuildHarnessProject(CDataCenter& model, const QString& productModel = QString::fromUtf8(kHarnessProductModel));

// A tree node of the form id with the label.
TreeNodeInfo NodeFor(int formId, const QString& shownText, int slotIndex = 0);

// While it lives, the delete confirmation answers Yes without showing itself (as after the
// user's "don't ask again"), so list pages can delete in tests.
class ScopedDeleteConfirmationSkipped {
public:
    ScopedDeleteConfirmationSkipped();
    ~ScopedDeleteConfirmationSkipped();
    ScopedDeleteConfirmationSkipped(const ScopedDeleteConfirmationSkipped&) = delete;
    ScopedDeleteConfirmationSkipped& operator=(const ScopedDeleteConfirmationSkipped&) = delete;
};

// Every control the page declares is in its template with the declared type.
void ExpectControlsMatchTemplate(unsigned templateId, std::span<const ControlId> controls);

template <class Page>
class PageHarness {
public:
    // Builds the project, then the page (Page(IPageHost*)); the page is created but not shown.
    PageHarness() : PageHarness([](IPageHost* host) { return std::make_unique<Page>(host); }) {}

    explicit PageHarness(const std::function<std::unique_ptr<Page>(IPageHost*)>& make)
    {
        EXPECT_TRUE(BuildHarnessProject(model_)) << "the product template is missing";
        page_ = make(&host_);
        page_->hide(); // as the pane keeps it until its node is selected
        EXPECT_TRUE(page_->Create()) << "template " << page_->templateId();
        host_.parentWidget().resize(kHarnessPageWidth, kHarnessPageHeight);
        page_->setGeometry(0, 0, kHarnessPageWidth, kHarnessPageHeight);
        host_.parentWidget().show();
    }

    // Shows the page for the node, as the pane does; forgets what was recorded before.
    void Show(const TreeNodeInfo& node)
    {
        page_->hide();
        page_->SetNodeInfo(node);
        page_->show();
        Forget();
    }
    void Hide() { page_->hide(); }

    void Set(std::initializer_list<ControlInput> inputs) const
    {
        for (const ControlInput& input : inputs)
            SetControl(*page_, input);
    }
    void Press(int buttonId) const { PressButton(*page_, buttonId); }

    void Forget()
    {
        boxes_.Clear();
        host_.ClearRecords();
    }

    Page& page() { return *page_; }
    CDataCenter& model() { return model_; }
    RecordingPageHost& host() { return host_; }
    RecordingMessageBoxService& boxes() { return boxes_; }
    QStringList logLines() const { return host_.logLines(); }
    QStringList messages() const { return boxes_.texts(); }
    QString Screenshot(const QString& name) { return SaveScreenshot(*page_, name); }

private:
    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService scopedBoxes_{boxes_};
    CDataCenter model_;
    RecordingPageHost host_{&model_};
    std::unique_ptr<Page> page_;
};

// One row of a page test. The expected record is the record before the press with `change`
// applied to it; no change: the record must stay as it was.
template <class Record>
struct PageCase {
    const char* name = "";
    std::vector<ControlInput> inputs;
    int button = 0;
    std::function<void(Record&)> change;
    QStringList logLines;
    QStringList messages;
};

// Runs one case: the page is shown again first, so each row starts from the model.
template <class Page, class Record, class ReadRecord>
void RunPageCase(PageHarness<Page>& harness, const PageCase<Record>& row, ReadRecord read, const TreeNodeInfo& node)
{
    SCOPED_TRACE(row.name);
    harness.Show(node);
    Record expected = read(harness.model());
    if (row.change)
        row.change(expected);
    for (const ControlInput& input : row.inputs)
        SetControl(harness.page(), input);
    harness.Press(row.button);
    EXPECT_TRUE(read(harness.model()) == expected) << "the record differs";
    EXPECT_EQ(harness.logLines(), row.logLines);
    EXPECT_EQ(harness.messages(), row.messages);
}
