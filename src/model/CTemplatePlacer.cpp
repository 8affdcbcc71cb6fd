// Placing templates: loading them, the new-project command, a product into slot 0 and modules
// into the other slots.
#include "CTemplatePlacer.h"

#include "CDataCenter.h"
#include "ConfigFiles.h"
#include "MessageBoxService.h"
#include "SlotRecord.h"
#include "TemplateAttributes.h"
#include "TemplateVocabulary.h"
#include "TextFormat.h"
#include "TraceLog.h"
#include "TypeIds.h"

#include <QDir>

#include <algorithm>
#include <array>

namespace {

const QString kResourceFolder = QStringLiteral("RES");
const QString kModuleFolder = QStringLiteral("Slot");
const QString kTemplateExtension = QStringLiteral(".xml");

namespace ProductAttribute = TemplateAttribute;

const QString kSlotLabelFormat = QStringLiteral("%s %d: %s");
const QString kPowerSlotLabelFormat = QStringLiteral("%s 0(PWR): %s");

const std::array<QString, 3> kPowerModules{QStringLiteral("ulTEK 4100-PK1-15W-T"),
                                           QStringLiteral("ulTEK 4100-PK1-30W-T"),
                                           QStringLiteral("ulTEK 4100-PK2-50W-T")};
// Slot counts of the 4100 series that take a second power module, in their last slot.
constexpr std::array<int, 2> kSecondPowerSlotCounts{9, 12};

bool isPowerModule(const QString& name)
{
    return std::find(kPowerModules.begin(), kPowerModules.end(), name) != kPowerModules.end();
}

// A template name is a file name: no folder parts, so no path outside RES can be named.
bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool namesModule(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(NewProjectChoice::kNoModule);
}

} // namespace

QString CTemplatePlacer::PortTrunkNodeText(int portTrunkMode)
{
    return portTrunkMode ? QStringLiteral("2 Wire Trunk") : QStringLiteral("2 Wire");
}

CTemplatePlacer::CTemplatePlacer(CDataCenter& model, ITemplatePlacerObserver* observer)
    : model_(model), observer_(observer), parser_(MakeXMLParser())
{}

CTemplatePlacer::~CTemplatePlacer()
{
    ReleaseTemplate();
}

QString CTemplatePlacer::TemplatePath(bool isProduct, const QString& name)
{
    QString relative = kResourceFolder + QLatin1Char('/');
    if (!isProduct)
        relative += kModuleFolder + QLatin1Char('/');
    return QDir(ProgramDirectory()).filePath(relative + name + kTemplateExtension);
}

QString CTemplatePlacer::SlotLabel(const QString& moduleName, int slot)
{
    const QString slotWord = LoadLangString(kStringSlotWord);
    if (slot == kPowerSlot && isPowerModule(moduleName))
        return FormatText(kPowerSlotLabelFormat, {slotWord, moduleName});
    return FormatText(kSlotLabelFormat, {slotWord, slot, moduleName});
}

bool CTemplatePlacer::LoadResXml(bool isProduct, const QString& name)
{
    ReleaseTemplate();
    if (!parser_) {
        TraceLog("%s:%d no template parser", __FILE__, __LINE__);
        return false;
    }
    const QString path = TemplatePath(isProduct, name);
    IXMLElement* root = nullptr;
    const int result = isPlainFileName(name) ? parser_->Load(path, &root) : kXMLBadArgument;
    if (result != kXMLOk || !root) {
        TraceLog("%s:%d template %s not loaded: %d", __FILE__, __LINE__, qUtf8Printable(path), result);
        ShowMessageBox(FormatLangString(kStringTemplateNotLoaded, QDir::toNativeSeparators(path)));
        return false;
    }
    document_ = root;
    return true;
}

void CTemplatePlacer::ReleaseTemplate()
{
    if (document_ && parser_)
        parser_->Release(document_);
    document_ = nullptr;
}

CTemplatePlacer::ProductAttributes CTemplatePlacer::ReadProductAttributes(const QString& modelName) const
{
    using TemplateAttributes::Int;
    ProductAttributes product;
    product.productText = modelName;
    IXMLElement* element = document_ ? document_->FirstChild() : nullptr;
    if (!element)
        return product;
    product.maxSlotCount = Int(element, ProductAttribute::MaxSlotCount).value_or(0);
    product.iec = Int(element, ProductAttribute::IEC).value_or(0);
    product.hspa = Int(element, ProductAttribute::HSPA).value_or(0);
    if (const std::optional<int> series4100 = Int(element, ProductAttribute::Series4100)) {
        product.series4100 = *series4100;
        product.cpu35 = Int(element, ProductAttribute::CPU35).value_or(0);
    }
    product.productText = TemplateAttributes::Text(element, ProductAttribute::Result).value_or(modelName);
    product.apid = TemplateAttributes::Text(element, TemplateAttribute::Apid).value_or(QString());
    return product;
}

void CTemplatePlacer::StoreProductAttributes(const ProductAttributes& product)
{
    model_.SetSeries4100(product.series4100);
    model_.SetCPU35Mode(product.cpu35);
    model_.SetMaxSlotCount(product.maxSlotCount);
    model_.SetIECMode(product.iec);
    model_.SetHSPA(product.hspa);
    if (!model_.IsSeries4100())
        return;
    if (newProjectSlotCount_ > 0)
        model_.SetMaxSlotCount(newProjectSlotCount_);
    else
        TraceLog("%s:%d no slot count chosen, the template's %d stands", __FILE__, __LINE__, product.maxSlotCount);
}

bool CTemplatePlacer::BuildNewProject(const NewProjectChoice& choice)
{
    model_.ResetProjectData();
    model_.ResetProductAttributes();
    model_.SetModuleInfo({choice.ModelName, QString()});
    SetNewProjectSlotCount(choice.SlotCount);
    if (!InitProjectFromProduct(choice.ModelName)) {
        model_.ResetProjectData(); // no half-made project stays behind
        model_.ResetProductAttributes();
        return false;
    }
    model_.SetRESTfulSupported(model_.GetResourceName(ServiceId::RESTfulApi).isEmpty() ? 0 : 1);
    model_.SetDnp3Supported(model_.GetResourceName(ServiceId::Dnp3Outstation).isEmpty() ? 0 : 1);
    model_.ProjectName = choice.ProjectName;
    model_.AddServiceResources();
    model_.CreateStatusTags(1);
    if (model_.IsSeries4100())
        AddPowerModules(choice);
    return true;
}

void CTemplatePlacer::AddPowerModules(const NewProjectChoice& choice)
{
    if (namesModule(choice.PowerModule))
        AddModuleFromTemplate(choice.PowerModule, kPowerSlot);
    else
        TraceLog("%s:%d no power module chosen", __FILE__, __LINE__);
    const int slotCount = model_.MaxSlotCount;
    const bool takesSecond = std::find(kSecondPowerSlotCounts.begin(), kSecondPowerSlotCounts.end(), slotCount) !=
                             kSecondPowerSlotCounts.end();
    if (takesSecond && namesModule(choice.SecondPowerModule))
        AddModuleFromTemplate(choice.SecondPowerModule, slotCount);
}

bool CTemplatePlacer::InitProjectFromProduct(const QString& modelName)
{
    if (!LoadResXml(true, modelName))
        return false;
    const ProductAttributes product = ReadProductAttributes(modelName);
    StoreProductAttributes(product);
    PlaceTemplate(true, product.productText, 0);
    model_.RegenerateSlotTags(0);
    model_.SetSlotUsed(0, 1);
    model_.SetModType(product.productText);
    ReleaseTemplate();
    if (observer_)
        observer_->TemplatePlaced(true);
    return true;
}

bool CTemplatePlacer::AddModuleFromTemplate(const QString& moduleName, int slot)
{
    if (!LoadResXml(false, moduleName))
        return false;
    if (!PlaceTemplate(false, moduleName, slot)) {
        ReleaseTemplate();
        return false;
    }
    model_.RegenerateSlotTags(slot);
    if (slot != kPowerSlot)
        model_.SetSlotUsed(slot, 1);
    ReleaseTemplate();
    if (observer_) {
        observer_->TemplatePlaced(false);
        if (IsPortTrunkModule(moduleName))
            observer_->SetPortTrunkNodeText(PortTrunkNodeText(model_.PortTrunkMode));
    }
    if (cellularFlag_)
        ShowMessageBox(LoadLangString(kStringCellularAdded));
    return true;
}

bool CTemplatePlacer::CanTakeModule(int slot) const
{
    const bool inController =
        (slot >= 1 && slot <= model_.MaxSlotCount) || (slot == kPowerSlot && model_.IsSeries4100());
    if (!inController || slot >= static_cast<int>(model_.Slots.size())) {
        TraceLog("%s:%d slot %d is no module slot of this controller", __FILE__, __LINE__, slot);
        return false;
    }
    if (!model_.GetSlotName(slot).isEmpty() || model_.SlotHasModule(slot)) {
        TraceLog("%s:%d slot %d already holds %s", __FILE__, __LINE__, slot, qUtf8Printable(model_.GetSlotName(slot)));
        return false;
    }
    return true;
}

bool CTemplatePlacer::PlaceTemplate(bool isProduct, const QString& name, int slot)
{
    if (!document_) {
        TraceLog("%s:%d no template loaded to place %s", __FILE__, __LINE__, qUtf8Printable(name));
        return false;
    }
    if (!isProduct && !CanTakeModule(slot))
        return false;
    currentTemplateName_ = name;
    currentSlot_ = slot;
    cellularFlag_ = false;
    NodeHandle parent = ITemplatePlacerObserver::kTopLevel;
    QString label = name;
    if (isProduct) {
        productText_ = name;
    } else {
        if (observer_)
            parent = observer_->FindTopNodeByElementName(TemplateElement::DeviceConfiguration);
        label = SlotLabel(name, slot);
        if (IsTwoWireTrunkPosition(name, slot))
            model_.PortTrunkMode = 1;
    }
    InsertTemplateNode(parent, isProduct, label, slot);
    if (observer_)
        observer_->SortSlotNodes(parent);
    return true;
}

bool CTemplatePlacer::IsTwoWireTrunkPosition(const QString& moduleName, int slot) const
{
    if (!IsPortTrunkModule(moduleName))
        return false;
    // A switch module sits in the last slot but one and keeps the last free, so the port-trunk pair
    // the add-module dialog offers moves down by one.
    const int last = model_.MaxSlotCount;
    const bool switchPlaced = model_.IsSlotUsed(last - 1) && IsSwitchModule(model_.GetSlotName(last - 1));
    const int lowerOfPair = last - (switchPlaced ? 1 : 0) - 2;
    return slot == lowerOfPair || IsPortTrunkModule(model_.GetSlotName(slot - 1));
}
