// Saving and opening the largest "ServiceConfiguration" (every service filled to its limits,
// inside a minimal project root), next to pugixml parsing and saving the same file directly.

#include "FullServiceModel.h"

#include "ConfigFiles.h"
#include "IXMLParser.h"
#include "ResultCodes.h"
#include "ServiceElementNames.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <string>

namespace {

constexpr char kIndent[] = "\t";
const QString kProject = QStringLiteral("Project");
const QString kProduct = QStringLiteral("Product");

// The project root with its three attributes and "Product", the services inside it.
void SaveProject(const CDataCenter& model, IXMLParser& parser, const QString& path)
{
    IXMLElement* root = parser.CreateRoot(kProject);
    root->SetAttribute(ServiceXml::Result, QStringLiteral("Bench"));
    root->SetAttribute(QStringLiteral("ConfigVersion"), QStringLiteral("1.9.0"));
    root->SetAttribute(QStringLiteral("MaxSlotCount"), QStringLiteral("8"));
    model.SaveServiceConfiguration(root->AddChild(kProduct));
    const int result = parser.Save(path, kXMLSaveDefault, root);
    parser.Release(root);
    if (result != kXMLOk)
        throw std::runtime_error("save failed");
}

// The sample model and its file, made once for the process.
class Sample {
public:
    static Sample& Instance()
    {
        static Sample sample;
        return sample;
    }

    const CDataCenter& model() const { return m_model; }
    QString path() const { return m_folder.filePath(QStringLiteral("services.pelx")); }
    QString outputPath() const { return m_folder.filePath(QStringLiteral("out.pelx")); }
    std::string nativePath() const { return QFile::encodeName(path()).toStdString(); }
    std::string nativeOutputPath() const { return QFile::encodeName(outputPath()).toStdString(); }
    qint64 size() const { return QFileInfo(path()).size(); }

private:
    Sample()
    {
        FullServiceModel::FillAllServices(m_model);
        XMLParserPtr parser = MakeXMLParser();
        SaveProject(m_model, *parser, path());
    }

    CDataCenter m_model;
    QTemporaryDir m_folder;
};

void ReportBytes(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * Sample::Instance().size());
}

void BM_SaveServicesThroughModel(benchmark::State& state)
{
    const CDataCenter& model = Sample::Instance().model();
    const QString output = Sample::Instance().outputPath();
    XMLParserPtr parser = MakeXMLParser();
    for (auto _ : state)
        SaveProject(model, *parser, output);
    ReportBytes(state);
}

void BM_SaveThroughPugixml(benchmark::State& state)
{
    pugi::xml_document document;
    if (!document.load_file(Sample::Instance().nativePath().c_str()))
        state.SkipWithError("load failed");
    const std::string output = Sample::Instance().nativeOutputPath();
    for (auto _ : state) {
        if (!document.save_file(output.c_str(), kIndent))
            state.SkipWithError("save failed");
    }
    ReportBytes(state);
}

// Opening: the file parsed and every service read into a model that holds the product and the
// tag table, as an open builds them before the services are read (not timed).
void BM_OpenServicesIntoModel(benchmark::State& state)
{
    const QString path = Sample::Instance().path();
    XMLParserPtr parser = MakeXMLParser();
    CDataCenter model;
    for (auto _ : state) {
        state.PauseTiming();
        model.ResetProjectData();
        FullServiceModel::PrepareForOpening(model);
        state.ResumeTiming();
        IXMLElement* root = nullptr;
        if (parser->Load(path, &root) != kXMLOk)
            state.SkipWithError("load failed");
        IXMLElement* product = root->FindChild(kProduct);
        if (model.ReadServiceConfiguration(product) != kS_OK)
            state.SkipWithError("read failed");
        model.LoadTavoTagSettings(product->FindChild(ServiceXml::ServiceConfiguration::Element)
                                      ->FindChild(ServiceXml::ServiceConfiguration::Tavo));
        parser->Release(root);
    }
    ReportBytes(state);
}

void BM_ParseThroughPugixml(benchmark::State& state)
{
    const std::string path = Sample::Instance().nativePath();
    for (auto _ : state) {
        pugi::xml_document document;
        if (!document.load_file(path.c_str()))
            state.SkipWithError("load failed");
    }
    ReportBytes(state);
}

// Wall time (saving waits for the disk), repeated so that the median shows through the noise of
// a shared machine.
void Configure(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(BM_SaveServicesThroughModel)->Apply(Configure);
BENCHMARK(BM_SaveThroughPugixml)->Apply(Configure);
BENCHMARK(BM_OpenServicesIntoModel)->Apply(Configure);
BENCHMARK(BM_ParseThroughPugixml)->Apply(Configure);
