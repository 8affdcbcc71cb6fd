#pragma once
// Test doubles and file helpers of the service element tests: a tag engine that builds
// predictable definitions and records queued tags, and documents saved to and read from real
// files in a private folder.

#include "CDataCenter.h"
#include "FullServiceModel.h"
#include "IXMLParser.h"
#include "ServiceElementNames.h"
#include "ServiceTagEngine.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <ostream>
#include <vector>

// Failure messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

struct QueuedTag {
    TagDefinition Definition;
    QString OwnerName;
    int OwnerTypeId = 0;
    TagServiceLink ServiceUse;
};

// Installed for its lifetime. Each item gets two definitions named after the service, the item
// and the alias flag, so a reader that rebuilds them with other arguments shows.
class TestTagEngine {
public:
    TestTagEngine()
    {
        ServiceTagEngine engine;
        engine.BuildServiceTags = [](int serviceId, int itemIndex, QVector<TagDefinition>& out, int aliasFlag) {
            for (int k = 1; k <= 2; ++k) {
                TagDefinition definition;
                definition.Name = QStringLiteral("S%1_%2_%3_%4").arg(serviceId).arg(itemIndex).arg(k).arg(aliasFlag);
                definition.ResourceText = QStringLiteral("0.%1.%2.%3").arg(itemIndex).arg(serviceId).arg(k);
                out.append(definition);
            }
        };
        engine.QueueTagFromDefinition = [this](CDataCenter&, const TagDefinition& definition, const QString& owner,
                                               int ownerTypeId, TagServiceLink use) {
            Queued.push_back({definition, owner, ownerTypeId, use});
        };
        engine.AnalogChannelRange = [](const CDataCenter&, const QString& resourceId) {
            return FullServiceModel::ChannelRangeOf(resourceId);
        };
        InstallServiceTagEngine(engine);
    }
    ~TestTagEngine() { InstallServiceTagEngine({}); }
    TestTagEngine(const TestTagEngine&) = delete;
    TestTagEngine& operator=(const TestTagEngine&) = delete;

    std::vector<QueuedTag> Queued;
};

class ServiceFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString PathOf(const QString& fileName) const { return folder_.filePath(fileName); }

    static QByteArray ReadBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The text as a file, loaded: its root element (null when it does not parse).
    IXMLElement* LoadXml(const QString& xml)
    {
        const QString path = PathOf(QStringLiteral("input%1.xml").arg(++fileNumber_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(xml.toUtf8()) < 0)
            return nullptr;
        file.close();
        return Load(path);
    }

    IXMLElement* Load(const QString& path)
    {
        IXMLElement* root = nullptr;
        return parser_->Load(path, &root) == kXMLOk ? root : nullptr;
    }

    IXMLElement* NewDocument(const QString& rootName) { return parser_->CreateRoot(rootName); }

    // Writes the document to a real file and reads it back: the new root.
    IXMLElement* SaveAndReload(IXMLElement* root)
    {
        const QString path = SaveDocument(root);
        return Load(path);
    }

    QString SaveDocument(IXMLElement* root)
    {
        const QString path = PathOf(QStringLiteral("saved%1.xml").arg(++fileNumber_));
        EXPECT_EQ(parser_->Save(path, kXMLSaveDefault, root), kXMLOk);
        return path;
    }

    // A project file holding only the service element: "Project", "Product", "ServiceConfiguration".
    QString SaveServices(const CDataCenter& model, const QString& fileName)
    {
        IXMLElement* root = parser_->CreateRoot(QStringLiteral("Project"));
        model.SaveServiceConfiguration(root->AddChild(QStringLiteral("Product")));
        const QString path = PathOf(fileName);
        EXPECT_EQ(parser_->Save(path, kXMLSaveDefault, root), kXMLOk);
        parser_->Release(root);
        return path;
    }

    // Reads the services as opening does: the service elements, then (the tags being read) the
    // TAVO tag lists. The result of ReadServiceConfiguration.
    int OpenServices(CDataCenter& model, const QString& path)
    {
        IXMLElement* root = Load(path);
        if (!root)
            return -1;
        IXMLElement* product = root->FindChild(QStringLiteral("Product"));
        const int result = model.ReadServiceConfiguration(product);
        IXMLElement* services = product ? product->FindChild(ServiceXml::ServiceConfiguration::Element) : nullptr;
        model.LoadTavoTagSettings(services ? services->FindChild(ServiceXml::ServiceConfiguration::Tavo) : nullptr);
        parser_->Release(root);
        return result;
    }

    // The service element `name` of the saved model, reloaded from its file.
    IXMLElement* SavedServiceElement(const CDataCenter& model, const QString& name)
    {
        IXMLElement* root = Load(SaveServices(model, QStringLiteral("services%1.pelx").arg(++fileNumber_)));
        IXMLElement* services = root ? root->FindChild(ServiceXml::ServiceConfiguration::Element) : nullptr;
        return services ? services->FindChild(name) : nullptr;
    }

    TestTagEngine engine_;
    XMLParserPtr parser_ = MakeXMLParser();

private:
    QTemporaryDir folder_;
    int fileNumber_ = 0;
};

// The names of an element's children, in order.
inline QStringList ChildNames(IXMLElement* element)
{
    QStringList names;
    if (!element)
        return names;
    for (IXMLElement* child = element->FirstChild(); child; child = element->NextChild())
        names.append(child->GetName());
    return names;
}

inline QString ResultOf(IXMLElement* element, const QString& child)
{
    IXMLElement* value = element ? element->FindChild(child) : nullptr;
    IXMLAttribute* result = value ? value->GetAttribute(ServiceXml::Result) : nullptr;
    return result ? result->GetValue() : QStringLiteral("<missing>");
}

inline QString AttributeOf(IXMLElement* element, const QString& name)
{
    IXMLAttribute* attribute = element ? element->GetAttribute(name) : nullptr;
    return attribute ? attribute->GetValue() : QStringLiteral("<missing>");
}
