#pragma once
// The services the project contains, each with its display name; read-only.

#include "CPropertyUIDialog.h"
#include "ControlId.h"
#include "ServiceRecord.h"

#include <vector>

namespace FunctionListIds {
inline constexpr unsigned kTemplate = 663;
inline constexpr ControlId kListServices{3637, ControlType::List};
inline constexpr ControlId kControls[] = {kListServices};
inline constexpr int kFunctionListFormId = 99;
inline constexpr unsigned kStringNameHeader = 665;
inline constexpr int kFirstColumnWidth = 200;
} // namespace FunctionListIds

class CFunctionListDlg : public CPropertyUIDialog {
    Q_OBJECT
public:
    explicit CFunctionListDlg(IPageHost* host);

protected:
    void OnPageShown() override;

private:
    void ResetColumns(CListCtrlEx& list) const;
    void FillServices(CListCtrlEx& list);

    std::vector<ServiceRecord> services_;
};
