// The walk over a template being placed: the product element with its function and service nodes,
// the module elements with their page nodes and resource elements.
#include "CTemplatePlacer.h"

#include "CDataCenter.h"
#include "CSlotResourceBuilder.h"
#include "TemplateAttributes.h"
#include "TemplateVocabulary.h"

namespace {

namespace Element = TemplateElement;
namespace Attribute = TemplateAttribute;

const QString kSeries4100Label = QStringLiteral("ulTEK 4100 Series");
constexpr int kDeviceInformationForm = 1;

int nodeKindOf(const QString& elementName)
{
    return elementName == Element::CpuSlot ? TemplateNodeInfo::kProductOrCpuNode : TemplateNodeInfo::kOtherNode;
}

bool isResourcesOrSettings(const QString& name, Qt::CaseSensitivity sensitivity)
{
    return name.compare(Element::Resources, sensitivity) == 0 || name.compare(Element::Settings, sensitivity) == 0;
}

} // namespace

CTemplatePlacer::NodeHandle CTemplatePlacer::InsertNode(NodeHandle parent, TemplateNodeInfo node)
{
    return observer_ ? observer_->InsertTreeNode(parent, node) : ITemplatePlacerObserver::kTopLevel;
}

void CTemplatePlacer::InsertTemplateNode(NodeHandle parent, bool isProduct, const QString& label, int slot)
{
    IXMLElement* element = isProduct ? document_->FirstChild() : document_;
    TemplateNodeInfo node;
    node.TemplateName = isProduct ? productText_ : currentTemplateName_;
    node.FormId = isProduct ? kDeviceInformationForm : 0;
    node.ElementName = element ? element->GetName() : QString();
    node.ShownText = isProduct && model_.IsSeries4100() ? kSeries4100Label : label;
    node.Kind = isProduct ? TemplateNodeInfo::kProductOrCpuNode : TemplateNodeInfo::kSlotNode;
    node.Slot = slot;
    model_.SetSlotName(slot, currentTemplateName_);
    const QString apid = element ? TemplateAttributes::Text(element, Attribute::Apid).value_or(QString()) : QString();
    model_.SetSlotApid(slot, apid);
    const NodeHandle handle = InsertNode(parent, node);
    if (!element)
        return;
    if (isProduct)
        WalkProductElement(handle, element);
    else
        WalkModuleElement(handle, element);
}

void CTemplatePlacer::WalkProductElement(NodeHandle parent, IXMLElement* element)
{
    using namespace TemplateAttributes;
    int formId = 0;
    for (IXMLElement* child : Children(element)) {
        const QString name = child->GetName();
        formId = FindInt(child, Attribute::FormId).value_or(formId);
        const QString alias = AliasOrName(child);
        model_.AddResourceName(formId, alias);
        if (isResourcesOrSettings(name, Qt::CaseInsensitive)) {
            WalkModuleElement(parent, child);
            continue;
        }
        const NodeHandle node =
            InsertNode(parent, {currentTemplateName_, formId, name, alias, nodeKindOf(name), currentSlot_, 0, 0});
        if (const std::optional<int> serviceList = FindInt(child, Attribute::ServiceList)) {
            model_.AddServiceRecord({name, alias, formId, 1, *serviceList,
                                     FindInt(child, Attribute::ServicMap).value_or(0),
                                     FindInt(child, Attribute::Parent).value_or(0)});
        }
        WalkProductElement(node, child);
    }
}

void CTemplatePlacer::AddFunctionRecordOf(IXMLElement* child, const QString& alias, int formId)
{
    if (const std::optional<int> functionList = TemplateAttributes::FindInt(child, Attribute::FunctionList))
        model_.AddFunctionRecord({child->GetName(), alias, formId, 1, *functionList, 0, 0});
}

void CTemplatePlacer::WalkModuleElement(NodeHandle parent, IXMLElement* element)
{
    using namespace TemplateAttributes;
    const bool belowResources = element->GetName() == Element::Resources;
    int resSize = 0;
    for (IXMLElement* child : Children(element)) {
        const QString name = child->GetName();
        if (name == Element::TagDescription) {
            // The element is a resource element: its builder reads all of its children.
            BuildSlotResources(element);
            return;
        }
        const int formId = FindInt(child, Attribute::FormId).value_or(0);
        const std::optional<int> result = FindInt(child, Attribute::Result);
        const QString alias = AliasOrName(child);
        resSize = FindInt(child, Attribute::ResSize).value_or(resSize);
        if (!result || *result < 0) {
            model_.AddResourceName(formId, alias);
            AddFunctionRecordOf(child, alias, formId);
        }
        if (result && *result <= 0)
            continue;
        NodeHandle below = parent;
        if (!belowResources && !isResourcesOrSettings(name, Qt::CaseSensitive))
            below = InsertNode(parent, {currentTemplateName_, formId, name, alias, nodeKindOf(name), currentSlot_,
                                        result.value_or(0), resSize});
        if (name == Element::InternalVariable)
            BuildSlotResources(child);
        else
            WalkModuleElement(below, child);
    }
}

void CTemplatePlacer::BuildSlotResources(IXMLElement* element)
{
    CSlotResourceBuilder builder(model_, currentSlot_, currentTemplateName_);
    builder.BuildSlotResources(element);
    cellularFlag_ = builder.CellularFlag();
}
