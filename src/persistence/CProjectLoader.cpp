// Opening a project file: version check, placing the stored slots' templates, reading the groups.
#include "CProjectLoader.h"

#include "CDataCenter.h"
#include "CTemplatePlacer.h"
#include "DeviceConfigurationNames.h"
#include "DeviceFileIO.h"
#include "DeviceFileNames.h"
#include "ITemplatePlacerObserver.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "ProjectFileNames.h"
#include "ResultCodes.h"
#include "SystemInformationNames.h"
#include "TextConversion.h"
#include "TextFormat.h"
#include "TraceLog.h"
#include "TypeIds.h"

#include <QDir>
#include <QFileInfo>

#include <array>
#include <new>
#include <set>

namespace Name = ProjectFile::Name;
namespace Text = ProjectFile::Text;

namespace {

constexpr int kCpuSlot = 0;
constexpr int kCurrentVersion = 1;
constexpr int kOlderVersion = 0;
const QString& kProgramConfigVersion = DeviceFile::Name::ProjectFileVersion;

using VersionTriple = std::array<int, 3>; // major, minor, patch

// The text cut at its first two points; what follows the second point is the patch.
VersionTriple ParseVersionTriple(const QString& text)
{
    VersionTriple triple{0, 0, 0};
    const qsizetype firstPoint = text.indexOf(QLatin1Char('.'));
    triple[0] = ParseLeadingInt(QStringView(text).left(firstPoint < 0 ? text.size() : firstPoint));
    if (firstPoint < 0)
        return triple;
    const qsizetype secondPoint = text.indexOf(QLatin1Char('.'), firstPoint + 1);
    const qsizetype minorEnd = secondPoint < 0 ? text.size() : secondPoint;
    triple[1] = ParseLeadingInt(QStringView(text).mid(firstPoint + 1, minorEnd - firstPoint - 1));
    if (secondPoint >= 0)
        triple[2] = ParseLeadingInt(QStringView(text).mid(secondPoint + 1));
    return triple;
}

QString AttributeOr(IXMLElement* element, const QString& name, const QString& fallback)
{
    IXMLAttribute* attribute = element ? element->GetAttribute(name) : nullptr;
    return attribute ? attribute->GetValue() : fallback;
}

// A template is named by a file name inside RES: nothing that leads out of it or names a drive.
bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1Char(':')) && !name.contains(QLatin1String(".."));
}

// One child of "DeviceConfiguration": the slot it fills and the template of its module.
struct StoredSlot {
    int slot = 0;
    QString module;
};

bool ReadStoredSlot(IXMLElement* entry, StoredSlot& out)
{
    IXMLAttribute* slot = entry->GetAttribute(Name::Result);
    IXMLAttribute* module = entry->GetAttribute(Name::SlotName);
    if (!slot || !module) {
        TraceLog("%s:%d %s lacks its slot number or module name", __FILE__, __LINE__, qUtf8Printable(entry->GetName()));
        return false;
    }
    out.slot = ParseLeadingInt(slot->GetValue());
    out.module = module->GetValue();
    return true;
}

// Module slots are 1 to the controller's slot count, and the power slot of the 4100 series.
bool IsModuleSlot(const CDataCenter& model, int slot)
{
    const bool inController =
        (slot >= 1 && slot <= model.MaxSlotCount) || (slot == CTemplatePlacer::kPowerSlot && model.IsSeries4100());
    return inController && static_cast<size_t>(slot) < model.Slots.size();
}

// The file's slots in its order, each with a usable template name: the CPU slot first, then
// module slots of this controller, none twice.
class SlotOrderCheck {
public:
    explicit SlotOrderCheck(const CDataCenter& model) : model_(model) {}

    bool Accept(const StoredSlot& stored)
    {
        const bool first = seen_.empty();
        const bool fits = first ? stored.slot == kCpuSlot : IsModuleSlot(model_, stored.slot);
        if (!fits || !seen_.insert(stored.slot).second) {
            TraceLog("%s:%d slot %d of %s cannot be placed here", __FILE__, __LINE__, stored.slot,
                     qUtf8Printable(stored.module));
            return false;
        }
        if (!IsPlainFileName(stored.module)) {
            const bool isProduct = stored.slot == kCpuSlot;
            ShowMessageBox(
                FormatLangString(CProjectLoader::kStringFileNotLoaded,
                                 QDir::toNativeSeparators(CTemplatePlacer::TemplatePath(isProduct, stored.module))));
            return false;
        }
        return true;
    }

    bool CpuPlaced() const { return !seen_.empty(); }

private:
    const CDataCenter& model_;
    std::set<int> seen_;
};

bool PlaceProduct(CDataCenter& model, CTemplatePlacer& placer, IXMLElement* root, const QString& modelName)
{
    if (!placer.LoadResXml(true, modelName))
        return false;
    const CTemplatePlacer::ProductAttributes product = placer.ReadProductAttributes(modelName);
    model.SetSeries4100(product.series4100);
    model.SetCPU35Mode(product.cpu35);
    model.SetMaxSlotCount(product.maxSlotCount);
    model.SetIECMode(product.iec);
    model.SetHSPA(product.hspa);
    model.PortTrunkMode = 0;
    // A 4100-series project keeps the slot count chosen when it was made, which the product must
    // hold: every slot loop of the program runs up to it.
    IXMLAttribute* chosenSlotCount = root->GetAttribute(Name::MaxSlotCount);
    if (model.IsSeries4100() && chosenSlotCount) {
        const int chosen = ParseLeadingInt(chosenSlotCount->GetValue());
        if (chosen < 0 || chosen > product.maxSlotCount) {
            TraceLog("%s:%d slot count %d is not one %s holds", __FILE__, __LINE__, chosen, qUtf8Printable(modelName));
            placer.ReleaseTemplate();
            return false;
        }
        model.SetMaxSlotCount(chosen);
    }
    const bool placed = placer.PlaceTemplate(true, product.productText, kCpuSlot);
    model.SetSlotUsed(kCpuSlot, 1);
    model.SetModType(product.productText);
    placer.ReleaseTemplate();
    return placed;
}

bool PlaceModule(CDataCenter& model, CTemplatePlacer& placer, const StoredSlot& stored)
{
    if (!placer.LoadResXml(false, stored.module))
        return false;
    const bool placed = placer.PlaceTemplate(false, stored.module, stored.slot);
    placer.ReleaseTemplate();
    if (placed && stored.slot != CTemplatePlacer::kPowerSlot)
        model.SetSlotUsed(stored.slot, 1);
    return placed;
}

} // namespace

CProjectLoader::CProjectLoader(CDataCenter& model, ITemplatePlacerObserver* observer)
    : model_(model), observer_(observer)
{}

int CProjectLoader::IsToolVersionCurrent(IXMLElement* root)
{
    IXMLElement* toolVersion = root ? root->FindChild(DeviceFile::Name::CfgToolVersion) : nullptr;
    IXMLAttribute* result = toolVersion ? toolVersion->GetAttribute(Name::Result) : nullptr;
    return result && result->GetValue().compare(kProgramConfigVersion, Qt::CaseInsensitive) == 0 ? 1 : 0;
}

int CProjectLoader::IsConfigVersionCurrent(const CDataCenter& model)
{
    return model.ConfigVersion.compare(kProgramConfigVersion, Qt::CaseInsensitive) == 0 ? 1 : 0;
}

int CProjectLoader::CompareConfigVersion(const QString& programVersion, const QString& fileVersion)
{
    if (programVersion.compare(fileVersion, Qt::CaseInsensitive) == 0)
        return kFileVersionEqual;
    return ParseVersionTriple(programVersion) > ParseVersionTriple(fileVersion) ? kFileVersionOlder : kFileVersionNewer;
}

int CProjectLoader::LoadProject(const QString& path, int prompt)
{
    ResetModel();
    // A pipe blocks the read and a device never ends it: only plain files (or links to one) open.
    if (!QFileInfo(path).isFile()) {
        TraceLog("%s:%d project %s is no regular file", __FILE__, __LINE__, qUtf8Printable(path));
        return kE_FAIL;
    }
    // A file too big for memory fails the open like any other unreadable file.
    try {
        return LoadRegularFile(path, prompt);
    } catch (const std::bad_alloc&) {
        TraceLog("%s:%d project %s does not fit in memory", __FILE__, __LINE__, qUtf8Printable(path));
        ResetModel();
        return kE_FAIL;
    }
}

int CProjectLoader::LoadRegularFile(const QString& path, int prompt)
{
    XMLParserPtr parser = MakeXMLParser();
    IXMLElement* root = nullptr;
    const int loaded = parser ? parser->Load(path, &root) : kXMLBadArgument;
    if (loaded != kXMLOk || !root) {
        TraceLog("%s:%d project %s not loaded: %d", __FILE__, __LINE__, qUtf8Printable(path), loaded);
        return kE_FAIL;
    }
    const int result = Open(root, prompt);
    parser->Release(root);
    if (result != kS_OK) {
        TraceLog("%s:%d project %s not opened", __FILE__, __LINE__, qUtf8Printable(path));
        ResetModel();
        return kE_FAIL;
    }
    FinishOpen();
    return kS_OK;
}

int CProjectLoader::Open(IXMLElement* root, int prompt)
{
    if (!AcceptConfigVersion(root, prompt))
        return kE_FAIL;
    model_.ProjectName = AttributeOr(root, Name::Result, Name::DefaultProjectName);
    if (!PlaceTemplates(root))
        return kE_FAIL;
    model_.SetRESTfulSupported(model_.GetResourceName(ServiceId::RESTfulApi).isEmpty() ? 0 : 1);
    model_.SetDnp3Supported(model_.GetResourceName(ServiceId::Dnp3Outstation).isEmpty() ? 0 : 1);
    model_.AddServiceResources();
    model_.CreateStatusTags(0);
    const int result = model_.ReadProduct(root);
    model_.MergePendingTags();
    model_.DropServiceUsesOutsideLists();
    model_.SyncModbusSlaveTagTypes();
    return result;
}

bool CProjectLoader::AcceptConfigVersion(IXMLElement* root, int prompt)
{
    model_.ConfigVersion = AttributeOr(root, Name::ConfigVersion, QString());
    if (prompt && !IsToolVersionCurrent(root))
        ShowMessageBox(LoadLangString(kStringToolVersionNotice), MB_OK | MB_ICONINFORMATION);
    switch (CompareConfigVersion(kProgramConfigVersion, model_.ConfigVersion)) {
    case kFileVersionEqual:
        model_.CurrentConfigVersion = kCurrentVersion;
        return true;
    case kFileVersionOlder:
        if (prompt && ShowMessageBox(LoadLangString(kStringConvertOlderFile), MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
            return false;
        model_.CurrentConfigVersion = kOlderVersion;
        return true;
    default:
        TraceLog("%s:%d configuration version %s is not this program's", __FILE__, __LINE__,
                 qUtf8Printable(model_.ConfigVersion));
        ShowMessageBox(Text::NewerConfigVersion, MB_OK | MB_ICONERROR);
        return false;
    }
}

bool CProjectLoader::PlaceTemplates(IXMLElement* root)
{
    IXMLElement* product = root->FindChild(Name::Product);
    IXMLElement* devices = product ? product->FindChild(DeviceFile::Name::DeviceConfiguration) : nullptr;
    if (!devices) {
        TraceLog("%s:%d the file holds no device configuration", __FILE__, __LINE__);
        return false;
    }
    CTemplatePlacer placer(model_, observer_);
    SlotOrderCheck order(model_);
    for (IXMLElement* entry : DeviceFile::ChildrenOf(devices)) {
        StoredSlot stored;
        if (!ReadStoredSlot(entry, stored) || !order.Accept(stored))
            return false;
        const bool placed = stored.slot == kCpuSlot ? PlaceProduct(model_, placer, root, stored.module)
                                                    : PlaceModule(model_, placer, stored);
        if (!placed)
            return false;
    }
    if (!order.CpuPlaced())
        TraceLog("%s:%d the device configuration names no CPU slot", __FILE__, __LINE__);
    return order.CpuPlaced();
}

void CProjectLoader::FinishOpen()
{
    if (!observer_)
        return;
    // The pages take the read model, the tree its display preference and the port labels.
    observer_->TemplatePlaced(true);
    observer_->SetPortTrunkNodeText(CTemplatePlacer::PortTrunkNodeText(model_.PortTrunkMode));
}

void CProjectLoader::ResetModel()
{
    model_.ResetProjectData();
    model_.ResetProductAttributes();
    model_.ConfigVersion.clear();
    model_.CfgToolVersion.clear();
    model_.CurrentConfigVersion = kCurrentVersion;
}
