#pragma once
// The base of every property page of the property pane: a child window built from the page's
// template, created once by the pane, then shown for the tree node whose form id it serves and
// hidden otherwise. It reaches the model, the log pane and the tree through its host.
//
// A page overrides OnInitDialog (connect handlers, lay out, name its main list) and OnPageShown
// (copy what it shows out of the model). Handlers connected with OnUserChange do not run while
// the page fills its controls inside a BusyGuard on Busy().
//
//   bool CMyPage::OnInitDialog()
//   {
//       LayoutListPage({.list = kListServers, .leftButton = kButtonAdd,
//                       .middleButton = kButtonModify, .rightButton = kButtonDelete});
//       OnUserChange(kComboMode, [this] { OnModeChanged(); });
//       return true;
//   }
//   void CMyPage::OnPageShown()
//   {
//       SetMainListId(kListServers);
//       BusyGuard busy(Busy());
//       ... fill the controls from GetDataCenter() ...
//   }

#include "BusyFlag.h"
#include "CFormBase.h"
#include "TreeNodeInfo.h"

#include <QPoint>

#include <functional>
#include <optional>

class CDataCenter;
class CListCtrlEx;
class IPageHost;

// The controls LayoutListPage places; 0 leaves a control where the template put it.
struct ListPageIds {
    int list = 0;
    int detail = 0;
    int leftButton = 0;
    int middleButton = 0;
    int rightButton = 0;
    int icon = 0;
};

// The controls LayoutChannelPage places below a reference control.
struct ChannelPageIds {
    int groupBox = 0;
    int list = 0;
    int reference = 0;
};

class CPropertyUIDialog : public CFormBase {
    Q_OBJECT
public:
    // Fixed list-page geometry, in pixels.
    static constexpr int kMargin = 3;
    static constexpr int kListHeight = 164;
    static constexpr int kDetailHeight = 340;
    static constexpr int kRightInset = 15; // the list and detail end this far from the right edge
    static constexpr int kButtonsRightInset = 11;
    static constexpr int kGap = 5;
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;
    static constexpr int kIconSize = 15;
    static constexpr int kChannelGroupHeight = 187;
    static constexpr int kChannelGroupTopGap = 10;
    static constexpr int kChannelListTop = 18;
    // Address and URL edits: [IPURLCtrl] MaxLength of DefaultSettings.ini, else this.
    static constexpr int kDefaultEditLengthLimit = 500;
    // Names and texts checked by CheckTextByteLength.
    static constexpr int kTextByteLimit = 64;
    // Language-pack strings.
    static constexpr unsigned kStringListEmpty = 614;

    // The host may be null (a page on its own, without model or log).
    CPropertyUIDialog(unsigned templateId, IPageHost* host);
    CPropertyUIDialog(DialogTemplate dialogTemplate, IPageHost* host);
    ~CPropertyUIDialog() override;

    // The node the page shows, handed over before the page is shown.
    void SetNodeInfo(TreeNodeInfo node) { node_ = std::move(node); }
    TreeNodeInfo GetNodeInfo() const { return node_; }

    // Takes the project model anew from the host (a project was built or opened).
    CDataCenter* RefreshDataCenter();
    CDataCenter* GetDataCenter() const { return dataCenter_; }
    IPageHost* GetHost() const { return host_; }
    // Adds a line to the log pane (nothing without a host).
    void AddLogLine(const QString& text) const;

    // ---- layout; controls named by id, an id naming no control is left alone ----
    // The list page: the main list at (3, 3), W - 15 wide and 164 high (W the page's width), the
    // detail control 5 below it (340 high) with the icon in its corner, then a row of 75 x 23
    // buttons right-aligned 11 from the right edge with 5 between, right, middle, left; the
    // template's other controls follow below. It follows the page's width.
    bool LayoutListPage(const ListPageIds& ids);
    // The channel page: the group box 10 below the reference control, W - 15 wide and 187 high,
    // the list inside it (5 in, 18 down, 164 high). The template keeps the row after the
    // reference's free for the group box.
    void LayoutChannelPage(const ChannelPageIds& ids);
    // As high as the whole grid at its preferred heights and the placed controls: a pane lower
    // than that scrolls the page instead of squeezing it.
    QSize minimumSizeHint() const override;

    // ---- the main list ----
    // Names the page's main list; every hide clears it, so pages name it again when shown.
    void SetMainListId(int listId) { mainListId_ = listId; }
    int GetMainListId() const { return mainListId_; }
    // The main list, null when none is named or the id names no list.
    CListCtrlEx* MainList() const;
    // Column 0 of every row of the main list becomes the row's number from 1.
    virtual void RenumberListRows();
    // Row 0 of the list becomes selected and current when the list has rows.
    void SelectFirstListItem(int listId);
    // True, after message 614, when the main list exists and has no row.
    bool WarnIfListEmpty() const;

    // ---- texts ----
    // Limits the edit to the address and URL length of DefaultSettings.ini.
    void LimitIPURLEdit(int editId);
    int GetEditLengthLimit() const { return editLengthLimit_; }
    // True when the text is empty or takes at most 64 bytes as UTF-8.
    static bool CheckTextByteLength(const QString& text);

protected:
    // Runs each time the page is shown, after the base's handling; copy the model in here.
    virtual void OnPageShown() {}
    // Runs each time the page is hidden, after the base has reset the list state.
    virtual void OnPageHidden() {}

    // The page is filling its controls while a BusyGuard on it lives.
    BusyFlag& Busy() { return busy_; }
    bool IsBusy() const { return busy_.IsSet(); }
    // Connects a change handler that does not run while the page is busy.
    bool OnUserChange(int id, std::function<void()> handler);
    // Runs the handler each time the control loses the focus; false when the id names none.
    bool OnFocusLost(int id, std::function<void()> handler);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void takeFromHost();
    void readEditLengthLimit();
    void resetListState();
    void applyListPageLayout();
    void applyChannelPageLayout();
    // Takes the control out of its layout and places it at the rectangle, in page coordinates.
    void place(int id, const QRect& pageRect);
    QRect pageRectOf(int id) const;

    IPageHost* host_ = nullptr;
    TreeNodeInfo node_;
    CDataCenter* dataCenter_ = nullptr;
    int mainListId_ = 0;
    int editLengthLimit_ = kDefaultEditLengthLimit;
    BusyFlag busy_;
    std::optional<ListPageIds> listLayout_;
    std::optional<ChannelPageIds> channelLayout_;
    int placedBottom_ = 0; // the lowest edge of a placed control, with its margin
};
