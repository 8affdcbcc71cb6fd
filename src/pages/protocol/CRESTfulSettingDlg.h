#pragma once
// The RESTful access page: one switch, written on Apply.

#include "CSettingsPage.h"
#include "ControlId.h"
#include "PageConversions.h"

namespace RestfulPage {
inline constexpr unsigned kTemplate = 881;
inline constexpr ControlId kCheckEnable{1210, ControlType::CheckBox};
inline constexpr ControlId kButtonApply{3758, ControlType::Button};
inline constexpr ControlId kControls[] = {kCheckEnable, kButtonApply};
} // namespace RestfulPage

struct RestfulRecord {
    int Enable = 0;
    friend bool operator==(const RestfulRecord&, const RestfulRecord&) = default;
};

class CRESTfulSettingDlg : public CSettingsPage<RestfulRecord> {
public:
    explicit CRESTfulSettingDlg(IPageHost* host);

protected:
    bool OnInitDialog() override;
    RestfulRecord ReadRecord(const CDataCenter& model) const override;
    void WriteRecord(CDataCenter& model, const RestfulRecord& record) override;
    QString AppliedLogLine() const override { return {}; }
};
