#pragma once
// The common ground of the whole-file tests: projects built from the shipped templates in the
// build's program folder, real files in a temporary folder, recorded message boxes, and edits of
// a saved file's text for the files no writer of ours produces.

#include "CDataCenter.h"
#include "CProjectLoader.h"
#include "FilledProject.h"
#include "ITemplatePlacerObserver.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A device tree that only records what it is told.
class RecordingTreeObserver : public ITemplatePlacerObserver {
public:
    NodeHandle InsertTreeNode(NodeHandle, const TemplateNodeInfo& node) override
    {
        nodes.push_back(node);
        return nodes.size();
    }
    NodeHandle FindTopNodeByElementName(const QString&) override { return kTopLevel; }
    void SortSlotNodes(NodeHandle) override {}
    void SetPortTrunkNodeText(const QString& text) override { portTrunkTexts.push_back(text); }
    void TemplatePlaced(bool isProduct) override { placed.push_back(isProduct); }

    // The slots whose module got a node, in placing order.
    std::vector<int> ModuleSlots() const
    {
        std::vector<int> moduleSlots;
        for (const TemplateNodeInfo& node : nodes) {
            if (node.Kind == TemplateNodeInfo::kSlotNode)
                moduleSlots.push_back(node.Slot);
        }
        return moduleSlots;
    }

    std::vector<TemplateNodeInfo> nodes;
    std::vector<QString> portTrunkTexts;
    std::vector<bool> placed;
};

class ProjectFrameTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString Path(const QString& name) const { return folder_.filePath(name); }

    static QByteArray ReadBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void WriteBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // A new project of the model with every free slot filled; the boxes of building are forgotten.
    void BuildProject(CDataCenter& model, const QString& modelName, int slotCount4100 = 12)
    {
        int cursor = 0;
        ASSERT_TRUE(
            FilledProject::BuildFilledProject(model, FilledProject::ChoiceFor(modelName, slotCount4100), cursor))
            << modelName.toStdString();
        boxes_.Clear();
    }

    // Saves the model and gives the file's text.
    QByteArray SavedText(CDataCenter& model, const QString& name)
    {
        EXPECT_TRUE(model.SaveProject(Path(name)));
        return ReadBytes(Path(name));
    }

    // Writes the text as a project file and opens it into the model.
    int OpenText(CDataCenter& model, const QByteArray& text, int prompt, ITemplatePlacerObserver* observer = nullptr)
    {
        const QString path = Path(QStringLiteral("edited%1.pelx").arg(++editedFiles_));
        WriteBytes(path, text);
        CProjectLoader loader(model, observer);
        return loader.LoadProject(path, prompt);
    }

    // The text with the value of an attribute of the element that starts with `elementStart`
    // replaced (the attribute is removed when value is null).
    static QByteArray WithAttribute(QByteArray text, const QByteArray& elementStart, const QByteArray& attribute,
                                    const char* value)
    {
        const QRegularExpression pattern(QStringLiteral("(<%1\\b[^>]*?) %2=\"[^\"]*\"")
                                             .arg(QString::fromUtf8(elementStart), QString::fromUtf8(attribute)));
        QString edited = QString::fromUtf8(text);
        const QString replacement =
            value ? QStringLiteral("\\1 %1=\"%2\"").arg(QString::fromUtf8(attribute), QString::fromUtf8(value))
                  : QStringLiteral("\\1");
        EXPECT_TRUE(edited.contains(pattern)) << elementStart.toStdString() << " " << attribute.toStdString();
        edited.replace(pattern, replacement);
        return edited.toUtf8();
    }

    RecordingMessageBoxService boxes_;
    ScopedMessageBoxService scopedBoxes_{boxes_};

private:
    QTemporaryDir folder_;
    int editedFiles_ = 0;
};

// What an open that failed must leave: nothing of the project.
inline void ExpectEmptyModel(const CDataCenter& model, const char* label)
{
    EXPECT_TRUE(model.Slots.empty()) << label;
    EXPECT_TRUE(model.Tags.empty()) << label;
    EXPECT_TRUE(model.Services.empty()) << label;
    EXPECT_TRUE(model.DISettings.empty() && model.AISettings.empty() && model.SerialSettings.empty()) << label;
    EXPECT_TRUE(model.ProjectName.isEmpty()) << label;
    EXPECT_TRUE(model.ModType.isEmpty()) << label;
    EXPECT_EQ(model.MaxSlotCount, 0) << label;
    EXPECT_EQ(model.SlotMask, 0) << label;
    EXPECT_EQ(model.Series4100Flag, 0) << label;
    EXPECT_EQ(model.PortTrunkMode, 0) << label;
}
