// Load, save and a full read walk of a project-sized file, through the XML layer and through
// pugixml directly, so that the cost of the layer shows next to the library's own.

#include "IXMLParser.h"
#include "XMLAttributeReader.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <sstream>
#include <string>

namespace {

constexpr qint64 kTargetBytes = 10 * 1024 * 1024;
constexpr char kIndent[] = "\t";
constexpr char kResult[] = "Result";

void AddValue(pugi::xml_node parent, const char* name, const std::string& value)
{
    parent.append_child(name).append_attribute(kResult).set_value(value.c_str());
}

// One tag element as a project file holds it: values, a nested group and a list of links.
void AddTag(pugi::xml_node tags, int index)
{
    const std::string number = std::to_string(index);
    pugi::xml_node tag = tags.append_child(("Tag_" + number).c_str());
    AddValue(tag, "TagName", "Pump station " + number + " flow");
    AddValue(tag, "DataType", std::to_string(index % 9));
    AddValue(tag, "ResID", "1." + std::to_string(index % 16) + "." + number);
    AddValue(tag, "ReadWriteDircetion", std::to_string(index % 2));
    pugi::xml_node channelType = tag.append_child("ChannelType");
    AddValue(channelType, "ChannelTypeAlias", "AI");
    AddValue(channelType, "ChannelTypeId", std::to_string(1000 + index % 20));
    AddValue(tag, "SlotIndex", std::to_string(index % 16));
    AddValue(tag, "ChannelIndex", std::to_string(index % 32));
    AddValue(tag, "ResourceType", "-1");
    pugi::xml_node related = tag.append_child("RelatedService");
    for (int link = 0; link < 2; ++link) {
        pugi::xml_node set = related.append_child(("Set_" + std::to_string(link)).c_str());
        AddValue(set, "RTUService", std::to_string(105 + link));
        AddValue(set, "Index", std::to_string(link));
    }
}

qint64 SerializedSize(pugi::xml_node node)
{
    std::ostringstream out;
    node.print(out, kIndent);
    return static_cast<qint64>(out.str().size());
}

// The sample file, written once into a temporary folder that lives as long as the process.
class SampleFile {
public:
    static const SampleFile& Instance()
    {
        static const SampleFile sample;
        return sample;
    }

    QString path() const { return m_folder.filePath(QStringLiteral("sample.xml")); }
    QString outputPath() const { return m_folder.filePath(QStringLiteral("out.xml")); }
    std::string nativePath() const { return QFile::encodeName(path()).toStdString(); }
    std::string nativeOutputPath() const { return QFile::encodeName(outputPath()).toStdString(); }
    qint64 size() const { return QFileInfo(path()).size(); }

private:
    SampleFile()
    {
        pugi::xml_document document;
        pugi::xml_node tags = document.append_child("Product").append_child("TagConfiguration");
        AddTag(tags, 0);
        const qint64 tagCount = kTargetBytes / SerializedSize(tags.first_child());
        for (int index = 1; index < tagCount; ++index)
            AddTag(tags, index);
        document.save_file(nativePath().c_str(), kIndent);
    }

    QTemporaryDir m_folder;
};

void ReportBytes(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * SampleFile::Instance().size());
}

void BM_LoadThroughLayer(benchmark::State& state)
{
    const QString path = SampleFile::Instance().path();
    XMLParserPtr parser = MakeXMLParser();
    for (auto _ : state) {
        IXMLElement* root = nullptr;
        if (parser->Load(path, &root) != kXMLOk)
            state.SkipWithError("load failed");
        parser->Release(root);
    }
    ReportBytes(state);
}

void BM_LoadThroughPugixml(benchmark::State& state)
{
    const std::string path = SampleFile::Instance().nativePath();
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(path.c_str()))
            state.SkipWithError("load failed");
    }
    ReportBytes(state);
}

void BM_SaveThroughLayer(benchmark::State& state)
{
    XMLParserPtr parser = MakeXMLParser();
    IXMLElement* root = nullptr;
    if (parser->Load(SampleFile::Instance().path(), &root) != kXMLOk)
        state.SkipWithError("load failed");
    const QString output = SampleFile::Instance().outputPath();
    for (auto _ : state) {
        if (parser->Save(output, kXMLSaveDefault, root) != kXMLOk)
            state.SkipWithError("save failed");
    }
    ReportBytes(state);
}

void BM_SaveThroughPugixml(benchmark::State& state)
{
    pugi::xml_document document;
    if (!document.load_file(SampleFile::Instance().nativePath().c_str()))
        state.SkipWithError("load failed");
    const std::string output = SampleFile::Instance().nativeOutputPath();
    for (auto _ : state) {
        if (!document.save_file(output.c_str(), kIndent))
            state.SkipWithError("save failed");
    }
    ReportBytes(state);
}

// Every element visited and its "Result" read into a QString, as the project readers do.
void WalkLayer(IXMLElement* element, const QString& result, QString& text)
{
    ReadAttributeText(element, result, 0, 0, text);
    benchmark::DoNotOptimize(text.size());
    for (IXMLElement* child = element->FirstChild(); child; child = element->NextChild())
        WalkLayer(child, result, text);
}

void WalkPugixml(pugi::xml_node element, QString& text)
{
    text = QString::fromUtf8(element.attribute(kResult).value());
    benchmark::DoNotOptimize(text.size());
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling())
        WalkPugixml(child, text);
}

void BM_LoadAndWalkThroughLayer(benchmark::State& state)
{
    const QString path = SampleFile::Instance().path();
    const QString result = QString::fromLatin1(kResult);
    XMLParserPtr parser = MakeXMLParser();
    for (auto _ : state) {
        IXMLElement* root = nullptr;
        if (parser->Load(path, &root) != kXMLOk)
            state.SkipWithError("load failed");
        QString text;
        WalkLayer(root, result, text);
        parser->Release(root);
    }
    ReportBytes(state);
}

void BM_LoadAndWalkThroughPugixml(benchmark::State& state)
{
    const std::string path = SampleFile::Instance().nativePath();
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(path.c_str()))
            state.SkipWithError("load failed");
        QString text;
        WalkPugixml(document.document_element(), text);
    }
    ReportBytes(state);
}

} // namespace

// Wall time (saving waits for the disk), repeated so that the median shows through the noise of
// a shared machine.
void Configure(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
}

BENCHMARK(BM_LoadThroughLayer)->Apply(Configure);
BENCHMARK(BM_LoadThroughPugixml)->Apply(Configure);
BENCHMARK(BM_SaveThroughLayer)->Apply(Configure);
BENCHMARK(BM_SaveThroughPugixml)->Apply(Configure);
BENCHMARK(BM_LoadAndWalkThroughLayer)->Apply(Configure);
BENCHMARK(BM_LoadAndWalkThroughPugixml)->Apply(Configure);

BENCHMARK_MAIN();
