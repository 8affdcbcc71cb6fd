#pragma once
// The general tag chooser (template 689). Filters: all tags, by slot and resource type, or by the
// service that uses a tag; or, in data-type mode, by data type alone. An opener may restrict the
// offer to tags of one DNP3 object type (ByKind) or of listed resource types (SetTypeList).
//
//   CTagSelectDlg chooser(model, &logSink, true, formId, this);
//   connect(&chooser, &CTagSelectDlg::TagsSelected, this, &MyPage::OnTagsChosen); // copy in the slot
//   chooser.DoModal(); // IDOK, IDCANCEL or kResultAddAll

#include "CTagChooserDlg.h"

#include <optional>
#include <vector>

class CTagSelectDlg : public CTagChooserDlg {
    Q_OBJECT
public:
    // Offers only the tags of this DNP3 object type.
    struct ByKind {
        int kind;
    };
    // With showCombo: the data-type combo preset to typeIndex (999: the first type) in place of
    // the filters, and the tags of the chosen type. Without it the general chooser.
    struct ByDataType {
        int typeIndex;
        bool showCombo = true;
    };

    CTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen, int formId, QWidget* parent = nullptr);
    CTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen, ByKind kind, QWidget* parent = nullptr);
    CTagSelectDlg(const CDataCenter& model, ILogLineSink* log, bool stayOpen, int formId, ByDataType dataType,
                  QWidget* parent = nullptr);

    // Before showing: only tags of these resource type ids; the filters are hidden.
    void SetTypeList(std::vector<int> typeIds);
    // Before showing: a screen rectangle below which the dialog places its top-left corner.
    void SetAnchorRect(int left, int top, int right, int bottom);

    int GetFormId() const { return formId_; }

protected:
    bool OnInitDialog() override;
    void showEvent(QShowEvent* event) override;

private:
    enum FilterKind { kFilterAll = 0, kFilterBySlot = 1, kFilterByService = 2 };

    void FitFilterControls();
    std::vector<TagRecord> OfferedTags() const;
    void HideFiltersForTypeList();
    void ShowDataTypeCombo();
    void OnFilterKindChanged();
    void OnSecondLevelChanged();
    void OnDataTypeChanged();
    void FillSlotEntries();
    void FillServiceEntries();
    void FillResourceTypes(int slot);
    void ShowTagsOfSlot();
    void ShowTagsOfService();
    int filterKind() const;

    int formId_ = 0;
    std::optional<int> kind_;
    std::optional<std::vector<int>> typeList_;
    bool dataTypeMode_ = false;
    int typeIndex_ = 999;
    std::optional<QRect> anchor_;
    std::vector<TagRecord> offer_; // the tags every filter draws on
};
