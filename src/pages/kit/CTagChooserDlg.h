#pragma once
// What the tag selection dialogs share: the list of offered tags (number, name, data-type name),
// OK enabled while rows are selected, OK and Add all handing the chosen tags to the opener, and
// the double click that copies a tag name.
//
// The chosen tags go out through TagsSelected, emitted synchronously: the receiver copies what it
// needs during the call, since the vector is cleared on the next OK and dies with the dialog.
// With the stay-open flag the list takes several rows and OK leaves the dialog open.

#include "CDialogBase.h"
#include "TagRecord.h"

#include <QStringList>

#include <vector>

class CDataCenter;
class CListCtrlEx;
class ILogLineSink;

class CTagChooserDlg : public CDialogBase {
    Q_OBJECT
public:
    // The tags the list shows, in row order.
    const std::vector<TagRecord>& GetShownTags() const { return content_; }
    // The tags of the last OK or Add all.
    const std::vector<TagRecord>& GetResult() const { return result_; }

signals:
    void TagsSelected(const std::vector<TagRecord>& tags);

protected:
    // log: where a double click reports the copied name; may be null (no line).
    CTagChooserDlg(unsigned templateId, const CDataCenter& model, ILogLineSink* log, bool stayOpen, int addAllResult,
                   QWidget* parent);

    // Selection style, columns and the list's handlers; call first in OnInitDialog.
    void SetUpTagList();
    // The data-type names of [Tag] in the project's mode.
    void LoadDataTypeNames();
    // Replaces the rows by these tags.
    void ShowTags(std::vector<TagRecord> tags);
    // The tags whose data-type code maps to the type index (none for an index above 8).
    static std::vector<TagRecord> TagsOfTypeIndex(const std::vector<TagRecord>& tags, int typeIndex);

    void OnOK() override;
    void showEvent(QShowEvent* event) override;

    const CDataCenter& model_;
    const bool stayOpen_;
    QStringList dataTypeNames_;

private:
    CListCtrlEx* tagList() const;
    void FitTextColumns();
    void SelectFirstRow();
    void UpdateOKState();
    void OnAddAll();
    void OnRowDoubleClicked(int row);
    void SendRows(const QList<int>& rows);
    QString DataTypeName(int dataTypeCode) const;

    ILogLineSink* log_;
    const int addAllResult_;
    std::vector<TagRecord> content_;
    std::vector<TagRecord> result_;
};
