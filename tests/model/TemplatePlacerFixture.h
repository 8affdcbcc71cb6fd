#pragma once
// Shared pieces of the template placer's tests: a device tree that records what placing reports,
// and program folders holding templates written by a test.

#include "CDataCenter.h"
#include "CTemplatePlacer.h"
#include "ConfigFiles.h"
#include "ITemplatePlacerObserver.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"
#include "SlotRecord.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>
#include <vector>

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace PlacerFixture {

// A tree as the pane keeps it: nodes in insertion order, a node's handle is its position plus 1.
class RecordingTree : public ITemplatePlacerObserver {
public:
    struct Node {
        NodeHandle parent = kTopLevel;
        TemplateNodeInfo info;
        QString label; // follows the port-trunk text
    };

    NodeHandle InsertTreeNode(NodeHandle parent, const TemplateNodeInfo& node) override
    {
        nodes.push_back({parent, node, node.ShownText});
        return nodes.size();
    }

    NodeHandle FindTopNodeByElementName(const QString& elementName) override
    {
        const NodeHandle top = FirstChild(kTopLevel);
        for (NodeHandle handle : Children(top)) {
            if (At(handle).info.ElementName == elementName)
                return handle;
        }
        return kTopLevel;
    }

    void SortSlotNodes(NodeHandle parent) override { sortedParents.push_back(parent); }

    void SetPortTrunkNodeText(const QString& text) override
    {
        for (NodeHandle slotNode : Children(FindTopNodeByElementName(QStringLiteral("DeviceCfg")))) {
            const NodeHandle first = FirstChild(slotNode);
            if (IsPortTrunkModule(At(slotNode).label) && first != kTopLevel)
                nodes[first - 1].label = text;
        }
    }

    void TemplatePlaced(bool isProduct) override { placed.push_back(isProduct); }

    const Node& At(NodeHandle handle) const { return nodes.at(handle - 1); }

    std::vector<NodeHandle> Children(NodeHandle parent) const
    {
        std::vector<NodeHandle> children;
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i].parent == parent)
                children.push_back(i + 1);
        }
        return children;
    }

    NodeHandle FirstChild(NodeHandle parent) const
    {
        const std::vector<NodeHandle> children = Children(parent);
        return children.empty() ? kTopLevel : children.front();
    }

    // The node made for a whole module template in that slot.
    NodeHandle SlotNode(int slot) const
    {
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i].info.Kind == TemplateNodeInfo::kSlotNode && nodes[i].info.Slot == slot)
                return i + 1;
        }
        return kTopLevel;
    }

    std::vector<Node> nodes;
    std::vector<NodeHandle> sortedParents;
    std::vector<bool> placed;
};

inline QStringList TagNames(const CDataCenter& model)
{
    QStringList names;
    for (const TagRecord& tag : model.Tags)
        names << tag.TagName;
    return names;
}

inline QStringList TagNamesOfSlot(const CDataCenter& model, int slot)
{
    QStringList names;
    for (const TagRecord& tag : model.Tags) {
        if (tag.SlotIndex == slot)
            names << tag.TagName;
    }
    return names;
}

inline QString ShippedTemplatePath(bool isProduct, const QString& name)
{
    return QDir(QString::fromUtf8(PELANDRIX_RUNTIME_DIR))
        .filePath(QStringLiteral("RES/") + (isProduct ? QString() : QStringLiteral("Slot/")) + name +
                  QStringLiteral(".xml"));
}

// Program folders of the test's own: templates and DefaultSettings.ini written by the test. The
// message boxes are recorded.
class TemplateFolder : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root_.isValid());
        SetProgramDirectory(root_.path());
        QDir(root_.path()).mkpath(QStringLiteral("RES/Slot"));
    }

    void TearDown() override { SetProgramDirectory(QString::fromUtf8(PELANDRIX_RUNTIME_DIR)); }

    void WriteFile(const QString& relativePath, const QByteArray& text)
    {
        QFile out(QDir(root_.path()).filePath(relativePath));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(out.write(text), text.size());
    }

    void WriteProduct(const QString& name, const QByteArray& xml) { WriteFile("RES/" + name + ".xml", xml); }
    void WriteModule(const QString& name, const QByteArray& xml) { WriteFile("RES/Slot/" + name + ".xml", xml); }
    void WriteDefaultSettings(const QByteArray& text) { WriteFile(QStringLiteral("DefaultSettings.ini"), text); }

    // A controller of the small series with `slotCount` free module slots and nothing else.
    void PlaceBareProduct(CTemplatePlacer& placer, int slotCount = 5)
    {
        WriteProduct(QStringLiteral("Bare"), QByteArray("<Template><Product Result=\"Bare\" MaxSlotCnt=\"") +
                                                 QByteArray::number(slotCount) + "\"/></Template>");
        ASSERT_TRUE(placer.InitProjectFromProduct(QStringLiteral("Bare")));
    }

    QString Root() const { return root_.path(); }

    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService scopedBoxes_{boxes_};

private:
    QTemporaryDir root_;
};

} // namespace PlacerFixture
