#pragma once
// Channel pages under test: a 4100 project with every module kind placed (the harness's own
// project rebuilt), the node of a module's channel page, and a few driving helpers.

#include "CDataCenter.h"
#include "CListCtrlEx.h"
#include "CTemplatePlacer.h"
#include "PageHarness.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace ChannelFixture {

struct PlacedModule {
    int slot;
    const char* module;
    int formId;
};

inline constexpr const char* kProductModel = "ulTEK 4100-CPU35-C-T";
inline constexpr int kSlotCount = 12;
inline constexpr PlacedModule kDI{1, "41M-2116-T", 201};
inline constexpr PlacedModule kDO{2, "41M-2216-T", 202};
inline constexpr PlacedModule kDIO{3, "41M-2816-T", 203};
inline constexpr PlacedModule kAI{4, "41M-5470-T", 204};
inline constexpr PlacedModule kHSAI{5, "41M-5430-T", 206};
inline constexpr PlacedModule kAO{6, "41M-5404-T", 205};
inline constexpr PlacedModule kCAN{7, "41M-3602-T", 1016};
inline constexpr PlacedModule kCellular{8, "41M-6720-T", 207};
inline constexpr PlacedModule kOthers[] = {
    {9, "41M-2416-T", 211}, {10, "41M-2308-T", 210}, {11, "41M-5480-T", 212}, {12, "41M-5308-T", 208}};

// The model rebuilt as a project holding every module kind.
inline bool BuildEveryModuleProject(CDataCenter& model)
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("Every module");
    choice.ModelName = QString::fromUtf8(kProductModel);
    choice.SlotCount = kSlotCount;
    choice.PowerModule = QStringLiteral("ulTEK 4100-PK2-50W-T");
    CTemplatePlacer placer(model);
    if (!placer.BuildNewProject(choice))
        return false;
    for (const PlacedModule& placed : {kDI, kDO, kDIO, kAI, kHSAI, kAO, kCAN, kCellular})
        if (!placer.AddModuleFromTemplate(QString::fromUtf8(placed.module), placed.slot))
            return false;
    for (const PlacedModule& placed : kOthers)
        if (!placer.AddModuleFromTemplate(QString::fromUtf8(placed.module), placed.slot))
            return false;
    return true;
}

// The node of the module's page: its label, slot, channel count and tag lines per channel.
inline TreeNodeInfo NodeOf(const PlacedModule& placed, int channels, int tagLines)
{
    TreeNodeInfo node = NodeFor(placed.formId, QStringLiteral("Slot %1").arg(placed.slot), placed.slot);
    node.templateName = QString::fromUtf8(placed.module);
    node.nodeKind = TreeNodeInfo::kOtherNode;
    node.extra1 = channels;
    node.extra2 = tagLines;
    return node;
}

// The edit loses the focus, as when the user tabs away.
inline void LeaveEdit(DialogControls& page, int editId)
{
    auto* edit = page.item<QLineEdit>(editId);
    ASSERT_NE(edit, nullptr);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit, &focusOut);
}

template <class Page>
class ChannelPageTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BuildEveryModuleProject(harness.model())); }

    void ShowPage(const PlacedModule& placed, int channels, int tagLines)
    {
        harness.Show(NodeOf(placed, channels, tagLines));
    }
    void SelectChannels(const QList<int>& channels) { harness.page().SelectChannels(channels); }
    QString Text(int id) { return harness.page().itemText(id); }
    bool Enabled(int id) { return harness.page().control(id)->isEnabled(); }

    PageHarness<Page> harness;
};

} // namespace ChannelFixture
