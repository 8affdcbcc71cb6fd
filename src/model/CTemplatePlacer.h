#pragma once
// Builds a project from templates: the product template of the chosen controller model (slot 0)
// and a module template per slot. Placing walks the template once, fills the model (slot table,
// resource names, service and function records, module records, tag definitions) and generates the
// slot's tags. Each tree node the walk makes is reported to an optional observer, so the device
// tree pane can show it; without an observer the project is built all the same.
//
// Templates lie beside the program: RES/<model>.xml and RES/Slot/<module>.xml.

#include "ITemplatePlacerObserver.h"
#include "IXMLParser.h"

#include <QString>

class CDataCenter;

// What the new-project dialogs hand over.
struct NewProjectChoice {
    static constexpr const char* kNoModule = "N/A";

    QString ProjectName;
    QString ModelName;                                    // the product template; for the 4100 series the CPU module
    int SlotCount = 0;                                    // 4100 series: I/O slots chosen (5, 9 or 12)
    QString PowerModule = QString::fromLatin1(kNoModule); // 4100 series: slot 15
    QString SecondPowerModule = QString::fromLatin1(kNoModule); // 4100 series, 9 or 12 slots
};

class CTemplatePlacer {
public:
    static constexpr int kPowerSlot = 15; // the power module of the 4100 series; never in the slot mask
    // Message boxes, language-pack string ids.
    static constexpr unsigned kStringTemplateNotLoaded = 489; // formatted with the template's path
    static constexpr unsigned kStringCellularAdded = 575;
    static constexpr unsigned kStringSlotWord = 750;

    // The label of a port-trunk module's first node: "2 Wire Trunk" in trunk mode, else "2 Wire".
    static QString PortTrunkNodeText(int portTrunkMode);

    explicit CTemplatePlacer(CDataCenter& model, ITemplatePlacerObserver* observer = nullptr);
    ~CTemplatePlacer();
    CTemplatePlacer(const CTemplatePlacer&) = delete;
    CTemplatePlacer& operator=(const CTemplatePlacer&) = delete;

    void SetObserver(ITemplatePlacerObserver* observer) { observer_ = observer; }
    // The slot count chosen for a 4100-series project; it replaces the template's "MaxSlotCnt".
    void SetNewProjectSlotCount(int slotCount) { newProjectSlotCount_ = slotCount; }

    // The whole new-project command: reset, product, service resources and status tags, power
    // modules. False when the product template cannot be loaded; the model is then left empty.
    bool BuildNewProject(const NewProjectChoice& choice);
    // Loads the product template of the model and builds the product part of the project (slot 0
    // and its tags). False only when the template cannot be loaded; the model is then unchanged.
    bool InitProjectFromProduct(const QString& modelName);
    // Loads a module template and places it into a free slot, with the slot's tags. False when the
    // template cannot be loaded, or the slot is not free or not in the controller (nothing changes).
    bool AddModuleFromTemplate(const QString& moduleName, int slot);
    int AddModuleToSlot(const QString& moduleName, int slot) { return AddModuleFromTemplate(moduleName, slot) ? 1 : 0; }

    // Loads RES/<name>.xml (product) or RES/Slot/<name>.xml into the current document. On failure
    // shows string 489 with the full path, clears the current document and returns false.
    bool LoadResXml(bool isProduct, const QString& name);
    // Places the current document as the product (slot 0) or as the module of a slot; the project
    // loader calls it after LoadResXml. False when there is no document or the slot cannot take it.
    bool PlaceTemplate(bool isProduct, const QString& name, int slot);
    // Frees the current document.
    void ReleaseTemplate();

    static QString TemplatePath(bool isProduct, const QString& name);
    // A port-trunk module in this slot pairs with the one beside it (2-wire trunk mode).
    bool IsTwoWireTrunkPosition(const QString& moduleName, int slot) const;
    // The label of a module's slot node.
    static QString SlotLabel(const QString& moduleName, int slot);

    // The product element's attributes of the loaded product template (0 when absent; "CPU35"
    // counts only beside "ulTEK4100"); the product text is "Result", else the model name asked for.
    // The project loader reads them as a new project does.
    struct ProductAttributes {
        int maxSlotCount = 0;
        int iec = 0;
        int hspa = 0;
        int series4100 = 0;
        int cpu35 = 0;
        QString productText;
        QString apid;
    };
    ProductAttributes ReadProductAttributes(const QString& modelName) const;

private:
    using NodeHandle = ITemplatePlacerObserver::NodeHandle;

    void StoreProductAttributes(const ProductAttributes& product);
    bool CanTakeModule(int slot) const;
    void AddPowerModules(const NewProjectChoice& choice);

    // The walk.
    void InsertTemplateNode(NodeHandle parent, bool isProduct, const QString& label, int slot);
    void WalkProductElement(NodeHandle parent, IXMLElement* element);
    void WalkModuleElement(NodeHandle parent, IXMLElement* element);
    void BuildSlotResources(IXMLElement* element);
    NodeHandle InsertNode(NodeHandle parent, TemplateNodeInfo node);
    void AddFunctionRecordOf(IXMLElement* child, const QString& alias, int formId);

    CDataCenter& model_;
    ITemplatePlacerObserver* observer_;
    XMLParserPtr parser_;
    IXMLElement* document_ = nullptr; // the root of the template loaded last, until released

    // Placing state.
    QString currentTemplateName_;
    int currentSlot_ = 0;
    QString productText_;
    bool cellularFlag_ = false;
    int newProjectSlotCount_ = 0;
};
