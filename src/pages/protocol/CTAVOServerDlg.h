#pragma once
// The TAVO push-server page (template 159): the servers the controller pushes tag values to, each
// with a control and a status tag made with it, and the service's queue and reconnect settings.
// No Apply: Add and Modify write the server and the service settings at once.

#include "CListDetailPage.h"
#include "TAVO_SETTINGS.h"

namespace TavoServerIds {
inline constexpr unsigned kTemplate = 159;
inline constexpr ControlId kListServers{2329, ControlType::List};
inline constexpr ControlId kButtonAdd{2401, ControlType::Button};
inline constexpr ControlId kButtonModify{2402, ControlType::Button};
inline constexpr ControlId kButtonDelete{2404, ControlType::Button};
inline constexpr ControlId kLabelName{2334, ControlType::Static};
inline constexpr ControlId kEditName{2338, ControlType::Edit};
inline constexpr ControlId kLabelAddress{2345, ControlType::Static};
inline constexpr ControlId kEditAddress{2346, ControlType::Edit};
inline constexpr ControlId kLabelPort{2347, ControlType::Static};
inline constexpr ControlId kEditPort{2348, ControlType::Edit};
inline constexpr ControlId kStaticPortRange{2354, ControlType::Static};
inline constexpr ControlId kLabelTimeout{3119, ControlType::Static};
inline constexpr ControlId kEditTimeout{3120, ControlType::Edit};
inline constexpr ControlId kStaticTimeoutRange{2350, ControlType::Static};
inline constexpr ControlId kCheckHeartbeat{2337, ControlType::CheckBox};
inline constexpr ControlId kEditInterval{2341, ControlType::Edit};
inline constexpr ControlId kStaticIntervalRange{2344, ControlType::Static};
inline constexpr ControlId kComboUnit{2342, ControlType::DropList};
inline constexpr ControlId kStaticControlTag{3529, ControlType::Static};
inline constexpr ControlId kStaticStatusTag{3571, ControlType::Static};
inline constexpr ControlId kCheckOperationMode{2332, ControlType::CheckBox};
inline constexpr ControlId kLabelReconnect{3113, ControlType::Static};
inline constexpr ControlId kEditReconnect{2860, ControlType::Edit};
inline constexpr ControlId kStaticReconnectRange{2352, ControlType::Static};
inline constexpr ControlId kLabelQueue{3125, ControlType::Static};
inline constexpr ControlId kEditQueue{2874, ControlType::Edit};
inline constexpr ControlId kStaticQueueRange{2356, ControlType::Static};
inline constexpr ControlId kComboQueueFullAction{3126, ControlType::DropList};
inline constexpr ControlId kControls[] = {
    kListServers,         kButtonAdd,          kButtonModify,     kButtonDelete,
    kLabelName,           kEditName,           kLabelAddress,     kEditAddress,
    kLabelPort,           kEditPort,           kStaticPortRange,  kLabelTimeout,
    kEditTimeout,         kStaticTimeoutRange, kCheckHeartbeat,   kEditInterval,
    kStaticIntervalRange, kComboUnit,          kStaticControlTag, kStaticStatusTag,
    kCheckOperationMode,  kLabelReconnect,     kEditReconnect,    kStaticReconnectRange,
    kLabelQueue,          kEditQueue,          kStaticQueueRange, kComboQueueFullAction};
} // namespace TavoServerIds

class CTAVOServerDlg : public CListDetailPage<TAVO_SERVER_ITEM_SETTINGS> {
public:
    explicit CTAVOServerDlg(IPageHost* host);

protected:
    bool OnInitDialog() override;
    void OnPageShown() override;
    std::vector<TAVO_SERVER_ITEM_SETTINGS> ReadEntries(const CDataCenter& model) const override;
    void WriteEntries(CDataCenter& model, const std::vector<TAVO_SERVER_ITEM_SETTINGS>& entries) override;
    QStringList RowTexts(const TAVO_SERVER_ITEM_SETTINGS& server) const override;
    void CheckPageFields(int row, ValidationReport& report) const override;
    void CheckEntry(const TAVO_SERVER_ITEM_SETTINGS& server, int row, ValidationReport& report) const override;
    void WritePageFields(CDataCenter& model) override;
    bool CreateEntryTags(CDataCenter& model, TAVO_SERVER_ITEM_SETTINGS& server, QStringList& created) override;
    bool ConfirmDelete() override;
    void OnEntryRemoved(CDataCenter& model, const TAVO_SERVER_ITEM_SETTINGS& server) override;
    void OnEntryShown(const TAVO_SERVER_ITEM_SETTINGS* server) override;

private:
    QStringList releaseTags(CDataCenter& model, const TAVO_SERVER_ITEM_SETTINGS& server);
    int positionOf(const TAVO_SERVER_ITEM_SETTINGS& server) const;
    void showOperationMode(CDataCenter& model);

    TAVO_SERVER_ITEM_SETTINGS serverDefaults_;
    TavoDefaults serviceDefaults_;
    PageBindings<TAVO_SETTINGS> service_;
    int deletedSoFar_ = 0; // servers this Delete already removed: later positions moved down
};
