// The device tree pane: projects built through it from the shipped templates, the order and
// labels of its nodes, the display preference, the page a selected node shows, and module removal.
#include "CDeviceForm.h"

#include "CDataCenter.h"
#include "CMainFrame.h"
#include "CPropertyForm.h"
#include "CPropertyUIDialog.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"
#include "IniFile.h"
#include "ProfileKeys.h"
#include "RecordingMessageBoxService.h"
#include "ResultCodes.h"
#include "ScopedMessageBoxService.h"
#include "TextFormat.h"
#include "TreeNodeInfo.h"

#include <QFile>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

// Failure messages show texts as texts.
static void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

static void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace {

const QString kCpu15 = QStringLiteral("ulTEK 4100-CPU15-C-T");
const QString kPower15W = QStringLiteral("ulTEK 4100-PK1-15W-T");
const QString kPower50W = QStringLiteral("ulTEK 4100-PK2-50W-T");
const QString kDI = QStringLiteral("41M-2116-T");
const QString kSerial = QStringLiteral("41M-3304-T");
const QString kAO = QStringLiteral("41M-5404-T");
const QString kPortTrunk = QStringLiteral("41M-3302U-T");
const QString kSwitch = QStringLiteral("41M-3320M-T");
const QString kCompact = QStringLiteral("ulTEK 2300-C-T");

NewProjectChoice series4100(int slotCount, const QString& secondPower = QStringLiteral("N/A"))
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("Plant");
    choice.ModelName = kCpu15;
    choice.SlotCount = slotCount;
    choice.PowerModule = kPower15W;
    choice.SecondPowerModule = secondPower;
    return choice;
}

NewProjectChoice compact()
{
    NewProjectChoice choice;
    choice.ProjectName = QStringLiteral("Pump");
    choice.ModelName = kCompact;
    return choice;
}

void setDisplayType(const char* value)
{
    ASSERT_TRUE(WritePrivateProfileString(QLatin1String(kProfilePreferenceSection),
                                          QLatin1String(CDeviceForm::kDisplayTypeKey), QLatin1String(value),
                                          GetProfilePath()));
}

QStringList labelsOf(const QTreeWidgetItem* parent)
{
    QStringList labels;
    for (int i = 0; parent && i < parent->childCount(); ++i)
        labels << parent->child(i)->text(0);
    return labels;
}

int countNodes(const QTreeWidgetItem* item)
{
    int count = 1;
    for (int i = 0; i < item->childCount(); ++i)
        count += countNodes(item->child(i));
    return count;
}

int tagsOfSlot(const CDataCenter& model, int slot)
{
    return static_cast<int>(std::count_if(model.Tags.begin(), model.Tags.end(),
                                          [slot](const TagRecord& tag) { return tag.SlotIndex == slot; }));
}

// A main frame with its placeholder pages; message boxes recorded, Profile.ini without a display type.
class DeviceFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(GetProfilePath());
        frame_ = std::make_unique<CMainFrame>();
        frame_->show(); // a frame not shown makes no page
    }

    CDeviceForm& pane() { return *frame_->GetDeviceForm(); }
    CDataCenter& model() { return *frame_->GetDataCenter(); }
    QTreeWidget& tree() { return *pane().tree(); }
    CPropertyForm& properties() { return *frame_->GetPropertyForm(); }

    QTreeWidgetItem* nodeLabelled(const QString& label)
    {
        const QList<QTreeWidgetItem*> found = tree().findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    // A 4100 with 12 slots: power modules in slots 15 and 12 and the given modules, placed in turn.
    void build4100(std::initializer_list<std::pair<int, QString>> modules)
    {
        ASSERT_TRUE(pane().NewProject(series4100(12, kPower50W)));
        for (const auto& [slot, module] : modules)
            ASSERT_TRUE(pane().AddModuleToSlot(module, slot)) << slot;
        boxes_.Clear();
    }

    void select(const QString& label)
    {
        QTreeWidgetItem* node = nodeLabelled(label);
        ASSERT_NE(node, nullptr) << label.toStdString();
        tree().setCurrentItem(node);
    }

    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService scopedBoxes_{boxes_};
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(DeviceFormTest, NewProjectsBuildTheirTreeInSlotOrderWithKindsAndLabels)
{
    struct Slot {
        const char* label;
        int kind;
        int slot;
    };
    const struct {
        const char* label;
        NewProjectChoice choice;
        std::vector<std::pair<int, QString>> modules;
        const char* rootLabel;
        std::vector<Slot> slotNodes;
    } cases[] = {
        {"4100 with modules placed out of order",
         series4100(12, kPower50W),
         {{5, kAO}, {1, kDI}, {3, kSerial}},
         "ulTEK 4100 Series",
         {{"Slot 0(PWR): ulTEK 4100-PK1-15W-T", TreeNodeInfo::kModuleNode, 15},
          {"Slot 0(CPU): ulTEK 4100-CPU15-C-T", TreeNodeInfo::kDeviceOrCpuNode, 0},
          {"Slot 1: 41M-2116-T", TreeNodeInfo::kModuleNode, 1},
          {"Slot 3: 41M-3304-T", TreeNodeInfo::kModuleNode, 3},
          {"Slot 5: 41M-5404-T", TreeNodeInfo::kModuleNode, 5},
          {"Slot 12: ulTEK 4100-PK2-50W-T", TreeNodeInfo::kModuleNode, 12}}},
        {"2300 compact controller",
         compact(),
         {},
         "ulTEK 2300-C-T",
         {{"Slot 0(CPU): ulTEK 2300-C-T", TreeNodeInfo::kDeviceOrCpuNode, 0}}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(pane().NewProject(c.choice)) << c.label;
        for (const auto& [slot, module] : c.modules)
            ASSERT_TRUE(pane().AddModuleToSlot(module, slot)) << c.label << ": slot " << slot;

        ASSERT_EQ(tree().topLevelItemCount(), 1) << c.label; // a new project replaces the old tree
        const QTreeWidgetItem* root = pane().RootNode();
        EXPECT_EQ(root->text(0), c.rootLabel) << c.label;
        const std::optional<TreeNodeInfo> rootInfo = CDeviceForm::NodeInfo(root);
        ASSERT_TRUE(rootInfo) << c.label;
        EXPECT_EQ(rootInfo->nodeKind, TreeNodeInfo::kDeviceOrCpuNode) << c.label;
        EXPECT_EQ(rootInfo->formId, 1) << c.label;
        EXPECT_EQ(labelsOf(root), (QStringList{"Device Configuration", "Tags", "Services"})) << c.label;

        const QTreeWidgetItem* slotParent = pane().SlotParentNode();
        ASSERT_EQ(slotParent, root->child(0)) << c.label;
        ASSERT_EQ(slotParent->childCount(), static_cast<int>(c.slotNodes.size())) << c.label;
        for (int i = 0; i < slotParent->childCount(); ++i) {
            const QTreeWidgetItem* node = slotParent->child(i);
            const std::optional<TreeNodeInfo> info = CDeviceForm::NodeInfo(node);
            ASSERT_TRUE(info) << c.label << ": " << i;
            EXPECT_EQ(node->text(0), c.slotNodes[i].label) << c.label << ": " << i;
            EXPECT_EQ(info->shownText, node->text(0)) << c.label << ": " << i;
            EXPECT_EQ(info->nodeKind, c.slotNodes[i].kind) << c.label << ": " << c.slotNodes[i].label;
            EXPECT_EQ(info->slotIndex, c.slotNodes[i].slot) << c.label << ": " << c.slotNodes[i].label;
            EXPECT_EQ(pane().FindSlotNode(c.slotNodes[i].slot), node) << c.label << ": " << c.slotNodes[i].label;
        }
    }

    // The nodes below a module carry the module's template, its slot and the channel count.
    const QTreeWidgetItem* channels = pane().FindSlotNode(0)->child(3);
    const std::optional<TreeNodeInfo> info = CDeviceForm::NodeInfo(channels);
    ASSERT_TRUE(info);
    EXPECT_EQ(channels->text(0), "Digital Input/Output");
    EXPECT_EQ(info->nodeKind, TreeNodeInfo::kOtherNode);
    EXPECT_EQ(info->formId, 203);
    EXPECT_EQ(info->templateName, kCompact);
    EXPECT_EQ(info->extra1, 16);
    EXPECT_TRUE(boxes_.boxes().isEmpty()) << boxes_.texts().join('|').toStdString();
}

TEST_F(DeviceFormTest, ModuleNodesCarryTheirSlotAndTemplate)
{
    build4100({{1, kDI}});
    const QTreeWidgetItem* slotNode = pane().FindSlotNode(1);
    ASSERT_NE(slotNode, nullptr);
    ASSERT_EQ(labelsOf(slotNode), QStringList{"Digital Input"});
    const std::optional<TreeNodeInfo> channels = CDeviceForm::NodeInfo(slotNode->child(0));
    ASSERT_TRUE(channels);
    EXPECT_EQ(channels->templateName, kDI);
    EXPECT_EQ(channels->slotIndex, 1);
    EXPECT_EQ(channels->formId, 201);
    EXPECT_EQ(channels->elementName, "DI");
    EXPECT_EQ(channels->extra1, 16); // channels
    EXPECT_EQ(channels->extra2, 6);  // tags per channel
    EXPECT_EQ(CDeviceForm::NodeInfo(slotNode)->templateName, kDI);
    EXPECT_EQ(CDeviceForm::NodeInfo(slotNode)->formId, 0);
}

TEST_F(DeviceFormTest, FailedNewProjectLeavesNoTreeAndAddingNeedsAProject)
{
    EXPECT_FALSE(pane().AddModuleToSlot(kDI, 1)); // no project yet
    ASSERT_TRUE(pane().NewProject(compact()));
    EXPECT_FALSE(pane().AddModuleToSlot(kDI, 1)); // the compact controller has no module slots
    EXPECT_EQ(pane().FindSlotNode(1), nullptr);
    EXPECT_TRUE(boxes_.boxes().isEmpty());

    NewProjectChoice missing = compact();
    missing.ModelName = QStringLiteral("ulTEK 9999");
    EXPECT_FALSE(pane().NewProject(missing));
    EXPECT_TRUE(pane().IsTreeEmpty());
    EXPECT_TRUE(frame_->IsProjectEmpty());
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_TRUE(boxes_.boxes()[0].text.contains("ulTEK 9999.xml")) << boxes_.boxes()[0].text.toStdString();
}

TEST_F(DeviceFormTest, SlotOrderKeepsPowerCpuSlotsByNumberThenTheRestStably)
{
    build4100({{10, kAO}, {2, kDI}});
    QTreeWidgetItem* slotParent = pane().SlotParentNode();
    // Disorder the level by hand, with two nodes that are no slots, and open one slot.
    auto* loose1 = new QTreeWidgetItem(QStringList{"loose 1"});
    auto* loose2 = new QTreeWidgetItem(QStringList{"loose 2"});
    slotParent->insertChild(0, loose1);
    slotParent->insertChild(2, loose2);
    QTreeWidgetItem* cpu = pane().FindSlotNode(0);
    QTreeWidgetItem* slot10 = pane().FindSlotNode(10);
    slotParent->removeChild(cpu);
    slotParent->addChild(cpu);
    slot10->setExpanded(true);
    slotParent->setExpanded(true);
    tree().setCurrentItem(slot10->child(0));

    pane().SortSlotNodes(reinterpret_cast<ITemplatePlacerObserver::NodeHandle>(slotParent));

    EXPECT_EQ(
        labelsOf(slotParent),
        (QStringList{"Slot 0(PWR): ulTEK 4100-PK1-15W-T", "Slot 0(CPU): ulTEK 4100-CPU15-C-T", "Slot 2: 41M-2116-T",
                     "Slot 10: 41M-5404-T", "Slot 12: ulTEK 4100-PK2-50W-T", "loose 1", "loose 2"}));
    EXPECT_TRUE(slot10->isExpanded());
    EXPECT_EQ(tree().currentItem(), slot10->child(0));
    EXPECT_EQ(properties().VisiblePage(), properties().PageForFormId(205)); // still the AO page

    // The top level sorts too, and a lone product node stays where it is.
    pane().SortSlotNodes(ITemplatePlacerObserver::kTopLevel);
    EXPECT_EQ(tree().topLevelItemCount(), 1);
    EXPECT_EQ(labelsOf(pane().RootNode()), (QStringList{"Device Configuration", "Tags", "Services"}));
}

TEST_F(DeviceFormTest, DisplayTypeZeroOrAbsentExpandsEveryNodeOtherValuesCollapseTheRootsChildren)
{
    const struct {
        const char* label;
        const char* value; // null: no value in Profile.ini
        bool expandAll;
    } cases[] = {
        {"absent", nullptr, true},      {"0", "0", true}, {"1", "1", false}, {"2", "2", false},
        {"not a number", "list", true}, // reads as 0
    };
    for (const auto& c : cases) {
        QFile::remove(GetProfilePath());
        if (c.value)
            setDisplayType(c.value);
        build4100({{1, kDI}});
        const QTreeWidgetItem* root = pane().RootNode();
        EXPECT_TRUE(root->isExpanded()) << c.label;
        for (int i = 0; i < root->childCount(); ++i)
            EXPECT_EQ(root->child(i)->isExpanded(), c.expandAll)
                << c.label << ": " << root->child(i)->text(0).toStdString();
        const QTreeWidgetItem* slot1 = pane().FindSlotNode(1);
        EXPECT_EQ(slot1->isExpanded(), c.expandAll) << c.label;
        EXPECT_EQ(tree().currentItem(), root->child(0)) << c.label;
    }
}

TEST_F(DeviceFormTest, SelectingANodeShowsThePageOfItsFormId)
{
    build4100({{1, kDI}, {3, kSerial}});
    const struct {
        const char* node;
        int formId; // 0: no page
        int slot;
    } cases[] = {
        {"Tags", 100, 0},          {"ulTEK 4100 Series", 1, 0},    {"Digital Input", 201, 1},
        {"Modbus Master", 105, 0}, {"Device Configuration", 1, 0}, {"Slot 1: 41M-2116-T", 0, 1},
        {"Tag Map", 102, 0},
    };
    for (const auto& c : cases) {
        select(QString::fromLatin1(c.node));
        CPropertyUIDialog* visible = properties().VisiblePage();
        if (c.formId == 0) {
            EXPECT_EQ(visible, nullptr) << c.node;
            continue;
        }
        ASSERT_NE(visible, nullptr) << c.node;
        EXPECT_EQ(visible, properties().PageForFormId(c.formId)) << c.node;
        EXPECT_EQ(visible->GetNodeInfo().shownText, c.node);
        EXPECT_EQ(visible->GetNodeInfo().slotIndex, c.slot) << c.node;
    }
    // Serial ports of the CPU and of the module share one page, each with its own node.
    const QList<QTreeWidgetItem*> serial = tree().findItems("Serial Port", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(serial.size(), 2);
    tree().setCurrentItem(serial[1]);
    ASSERT_NE(properties().VisiblePage(), nullptr);
    EXPECT_EQ(properties().VisiblePage()->GetNodeInfo().slotIndex, 3);

    tree().setCurrentItem(nullptr);
    EXPECT_EQ(properties().VisiblePage(), nullptr);
    select(QStringLiteral("Tags"));
    pane().ClearTree();
    EXPECT_TRUE(pane().IsTreeEmpty());
    EXPECT_EQ(properties().VisiblePage(), nullptr);
    EXPECT_FALSE(pane().GetSelectedNodeInfo().has_value());
}

// The node selected after a project is built is the root's first child, and it shows a page.
TEST_F(DeviceFormTest, TheNodeSelectedAfterANewProjectShowsItsPage)
{
    for (const NewProjectChoice& choice : {compact(), series4100(12, kPower50W)}) {
        ASSERT_TRUE(pane().NewProject(choice)) << choice.ModelName.toStdString();
        const QTreeWidgetItem* first = pane().RootNode()->child(0);
        ASSERT_EQ(tree().currentItem(), first);
        CPropertyUIDialog* visible = properties().VisiblePage();
        ASSERT_NE(visible, nullptr) << choice.ModelName.toStdString();
        EXPECT_EQ(visible, properties().PageForFormId(1));
        EXPECT_EQ(visible->GetNodeInfo().shownText, first->text(0));
    }
}

TEST_F(DeviceFormTest, EachRefusalShowsItsMessageAndRemovesNothing)
{
    const QString trunkPair =
        QStringLiteral("Two Port Trunk modules are intsalled.Please remove previous module first");
    const QString switchAfterTrunk =
        QStringLiteral("Port Trunk modules are intsalled.Please remove port trunk module first");
    const struct {
        const char* label;
        const char* node;
        int slot;
        void (*provoke)(CDataCenter&);
        unsigned stringId; // 0: the literal text below
        QString literal;
    } cases[] = {
        {"tags used by a service",
         "Slot 1: 41M-2116-T",
         1,
         [](CDataCenter& m) {
             for (TagRecord& tag : m.Tags) {
                 if (tag.SlotIndex == 1) {
                     tag.RelatedServices.push_back(MakeIntPair(114, 0));
                     return;
                 }
             }
         },
         CDeviceForm::kStringModuleTagsInUse,
         {}},
        {"serial port of a Modbus master device",
         "Slot 3: 41M-3304-T",
         3,
         [](CDataCenter& m) {
             MODBUS_EXTERNAL_DEVICE_SETTINGS device;
             device.RTUPort = QStringLiteral("S_3-P_1");
             m.ModbusMasterDevices.push_back(device);
         },
         CDeviceForm::kStringModulePortInModbusMaster,
         {}},
        {"serial port of the Modbus slave",
         "Slot 3: 41M-3304-T",
         3,
         [](CDataCenter& m) { m.ModbusSlave.SerialPort = QStringLiteral("S_3-P_0"); },
         CDeviceForm::kStringModulePortInService,
         {}},
        {"second of two port-trunk modules", "Slot 6: 41M-3302U-T", 6, [](CDataCenter&) {}, 0, trunkPair},
        {"switch after a port-trunk module", "Slot 9: 41M-3320M-T", 9, [](CDataCenter&) {}, 0, switchAfterTrunk},
    };
    for (const auto& c : cases) {
        frame_ = std::make_unique<CMainFrame>();
        build4100({{1, kDI}, {3, kSerial}, {5, kPortTrunk}, {6, kPortTrunk}, {8, kPortTrunk}, {9, kSwitch}});
        c.provoke(model());
        const int tags = static_cast<int>(model().Tags.size());
        const int nodes = countNodes(pane().RootNode());
        const quint16 mask = model().GetSlotMask();
        const QString label = QString::fromLatin1(c.node);
        select(label);
        ASSERT_EQ(pane().GetSelectedModuleKind(), TreeNodeInfo::kModuleNode) << c.label;

        boxes_.QueueAnswer(IDYES); // would agree, were it asked
        pane().OnRemoveModule();

        ASSERT_EQ(boxes_.boxes().size(), 1) << c.label;
        const QString expected = c.stringId ? FormatLangString(c.stringId, label) : c.literal;
        EXPECT_EQ(boxes_.boxes()[0].text, expected) << c.label;
        if (c.stringId) {
            EXPECT_TRUE(expected.contains(label)) << c.label;
        }
        EXPECT_EQ(boxes_.boxes()[0].flags & kMessageBoxButtonsMask, MB_OK) << c.label;
        EXPECT_EQ(model().Tags.size(), static_cast<size_t>(tags)) << c.label;
        EXPECT_EQ(countNodes(pane().RootNode()), nodes) << c.label;
        EXPECT_EQ(model().GetSlotMask(), mask) << c.label;
        EXPECT_FALSE(model().GetSlotName(c.slot).isEmpty()) << c.label;
        EXPECT_EQ(pane().FindSlotNode(c.slot), nodeLabelled(label)) << c.label;
        boxes_.Clear();
    }
}

TEST_F(DeviceFormTest, ARemovableModuleLeavesNoTagsRecordsGroupsOrNodeOnceConfirmed)
{
    build4100({{1, kDI}, {3, kSerial}});
    ASSERT_GT(tagsOfSlot(model(), 1), 0);
    const int serialTags = tagsOfSlot(model(), 3);
    const QString label = QStringLiteral("Slot 1: 41M-2116-T");
    select(QStringLiteral("Digital Input"));
    select(label);

    boxes_.QueueAnswer(IDNO);
    pane().OnRemoveModule();
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_EQ(boxes_.boxes()[0].text, FormatLangString(CDeviceForm::kStringConfirmRemoveModule, label));
    EXPECT_TRUE(boxes_.boxes()[0].text.contains(label));
    EXPECT_EQ(boxes_.boxes()[0].flags & kMessageBoxButtonsMask, MB_YESNO);
    EXPECT_NE(pane().FindSlotNode(1), nullptr);
    EXPECT_EQ(model().GetSlotName(1), kDI);

    boxes_.Clear();
    boxes_.QueueAnswer(IDYES);
    pane().OnRemoveModule();
    EXPECT_EQ(boxes_.boxes().size(), 1);
    EXPECT_EQ(tagsOfSlot(model(), 1), 0);
    EXPECT_TRUE(std::none_of(model().DISettings.begin(), model().DISettings.end(),
                             [](const auto& record) { return record.SlotIndex == 1; }));
    EXPECT_TRUE(model().Slots[1].ChannelGroups.empty());
    EXPECT_TRUE(model().GetSlotName(1).isEmpty());
    EXPECT_EQ(model().IsSlotUsed(1), 0);
    EXPECT_EQ(pane().FindSlotNode(1), nullptr);
    EXPECT_EQ(nodeLabelled(QStringLiteral("Digital Input")), nullptr);
    EXPECT_EQ(tree().currentItem(), nullptr);
    EXPECT_EQ(properties().VisiblePage(), nullptr);
    // The other modules stay.
    EXPECT_EQ(tagsOfSlot(model(), 3), serialTags);
    EXPECT_NE(model().IsSlotUsed(3), 0);
    EXPECT_NE(pane().FindSlotNode(3), nullptr);
    EXPECT_NE(pane().FindSlotNode(15), nullptr);
    // The slot is free again.
    EXPECT_TRUE(pane().AddModuleToSlot(kAO, 1));
    EXPECT_EQ(pane().FindSlotNode(1)->text(0), "Slot 1: 41M-5404-T");
}

TEST_F(DeviceFormTest, RemovalActsOnlyOnAModulesSlotNode)
{
    build4100({{1, kDI}});
    const int tags = static_cast<int>(model().Tags.size());
    const int nodes = countNodes(pane().RootNode());
    const quint16 mask = model().GetSlotMask();
    const char* unremovable[] = {
        "ulTEK 4100 Series",                 // the device
        "Device Configuration",              // the slot level
        "Slot 0(CPU): ulTEK 4100-CPU15-C-T", // the CPU
        "Slot 0(PWR): ulTEK 4100-PK1-15W-T", // the power module
        "Digital Input",                     // a node below a module
        "Tags",
    };
    for (const char* node : unremovable) {
        select(QString::fromLatin1(node));
        boxes_.QueueAnswer(IDYES);
        pane().OnRemoveModule();
        EXPECT_TRUE(boxes_.boxes().isEmpty()) << node;
        EXPECT_EQ(countNodes(pane().RootNode()), nodes) << node;
        EXPECT_EQ(model().Tags.size(), static_cast<size_t>(tags)) << node;
        EXPECT_EQ(model().GetSlotMask(), mask) << node;
        EXPECT_EQ(model().GetSlotName(1), kDI) << node;
        EXPECT_EQ(model().GetSlotName(0), kCpu15) << node;
        boxes_.Clear();
    }
    tree().setCurrentItem(nullptr);
    pane().OnRemoveModule();
    EXPECT_TRUE(boxes_.boxes().isEmpty());
    EXPECT_EQ(countNodes(pane().RootNode()), nodes);
}

TEST_F(DeviceFormTest, UnansweredQuestionRemovesNothing)
{
    build4100({{1, kDI}});
    select(QStringLiteral("Slot 1: 41M-2116-T"));
    boxes_.QueueAnswer(IDCANCEL); // what a box without a service answers
    pane().OnRemoveModule();
    EXPECT_EQ(model().GetSlotName(1), kDI);
    EXPECT_NE(pane().FindSlotNode(1), nullptr);
}

TEST_F(DeviceFormTest, PortTrunkPairLabelsFollowPlacingAndRemoval)
{
    build4100({{3, kPortTrunk}});
    auto firstChildOf = [this](int slot) { return pane().FindSlotNode(slot)->child(0)->text(0); };
    EXPECT_EQ(firstChildOf(3), "2 Wire");
    EXPECT_EQ(model().PortTrunkMode, 0);

    ASSERT_TRUE(pane().AddModuleToSlot(kPortTrunk, 4));
    EXPECT_EQ(model().PortTrunkMode, 1);
    EXPECT_EQ(firstChildOf(3), "2 Wire Trunk");
    EXPECT_EQ(firstChildOf(4), "2 Wire Trunk");
    EXPECT_EQ(CDeviceForm::NodeInfo(pane().FindSlotNode(4)->child(0))->shownText, "2 Wire Trunk");

    select(QStringLiteral("Slot 3: 41M-3302U-T"));
    boxes_.QueueAnswer(IDYES);
    pane().OnRemoveModule();
    EXPECT_EQ(pane().FindSlotNode(3), nullptr);
    EXPECT_EQ(model().PortTrunkMode, 0);
    EXPECT_EQ(firstChildOf(4), "2 Wire");
}

TEST_F(DeviceFormTest, RemoveModuleAtSlotTakesUsedTagsOnlyWhenNotAskedToConfirm)
{
    build4100({{1, kDI}, {2, kAO}});
    auto useATagOf = [this](int slot) {
        for (TagRecord& tag : model().Tags) {
            if (tag.SlotIndex == slot) {
                tag.RelatedServices.push_back(MakeIntPair(114, 0));
                return;
            }
        }
    };
    useATagOf(1);
    useATagOf(2);

    EXPECT_EQ(pane().RemoveModuleAtSlot(1, 1), kE_FAIL);
    ASSERT_EQ(boxes_.boxes().size(), 1);
    EXPECT_EQ(boxes_.boxes()[0].text, FormatLangString(CDeviceForm::kStringModuleTagsInUse, "Slot 1: 41M-2116-T"));
    EXPECT_EQ(model().GetSlotName(1), kDI);

    boxes_.Clear();
    EXPECT_EQ(pane().RemoveModuleAtSlot(2, 0), kS_OK);
    EXPECT_TRUE(boxes_.boxes().isEmpty());
    EXPECT_EQ(tagsOfSlot(model(), 2), 0);
    EXPECT_EQ(pane().FindSlotNode(2), nullptr);

    EXPECT_EQ(pane().RemoveModuleAtSlot(15, 0), kS_OK); // the power module, for its change
    EXPECT_EQ(pane().FindSlotNode(15), nullptr);
    EXPECT_EQ(pane().RemoveModuleAtSlot(7, 0), kE_FAIL); // empty slot
    EXPECT_EQ(pane().RemoveModuleAtSlot(0, 0), kE_FAIL); // the CPU leaves only with its product
    EXPECT_EQ(model().GetSlotName(0), kCpu15);
    EXPECT_TRUE(boxes_.boxes().isEmpty());
}

} // namespace
