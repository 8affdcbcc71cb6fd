#pragma once
// The DNP3 points page: one tab per object type, each writing its changes into the model at once.

#include "CPropertyUIDialog.h"
#include "ControlId.h"

#include <vector>

class CDnp3SelTagPage;

namespace Dnp3PointsPage {
inline constexpr unsigned kTemplate = 191;
inline constexpr ControlId kTabTypes{3885, ControlType::Tab};
inline constexpr ControlId kControls[] = {kTabTypes};
// Tab order: binary input, binary output, analog input, analog output, counter.
inline constexpr int kTabTypeCodes[] = {1, 3, 2, 4, 5};
inline constexpr unsigned kFirstTabCaption = 415; // one string per tab, in tab order
} // namespace Dnp3PointsPage

class CDNP3SelectTagDlg : public CPropertyUIDialog {
public:
    explicit CDNP3SelectTagDlg(IPageHost* host);

    int TabCount() const { return int(tabs_.size()); }
    CDnp3SelTagPage& Tab(int position) const { return *tabs_.at(size_t(position)); }
    // Brings the tab at the position to the front.
    void ShowTab(int position);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;

private:
    QStringList readDataTypeNames() const;

    std::vector<CDnp3SelTagPage*> tabs_; // owned by the tab control
};
