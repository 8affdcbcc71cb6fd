#pragma once
// The channel page frame: the base of every page that edits the channels (or ports) of the
// module in one slot. A page is its editors, its settings record and its rules; the frame does
// the rest:
//
//   - the channel list (one row per channel, column 0 the channel number) and its selection:
//     no row selected resets the editors, one row shows that channel, several keep the editors;
//   - the tag list of the selected channel (ChannelTagList.h);
//   - the mode table (ChannelModeTable.h): which editors each mode enables and its tag key;
//   - Apply over every selected row: the page reads its editors into the channel, a channel whose
//     tag key changes while a tag of its old key is used by a service is refused (its page copy
//     reloaded, gathered in ChannelRefusals.h), the others are written, their tags rebuilt
//     through the model (CDataCenter::RebuildChannelTags, logged by ChannelTagLog.h) and logged;
//   - the model key (the slot's APID) for limits that depend on the module model;
//   - edits checked when they lose the focus (CheckOnFocusLoss, EditFocusHooks.h).
//
// A page derives, names its controls in the constructor and fills in the hooks:
//
//   class CDevCfgDO : public CChannelPageBase {
//   public:
//       explicit CDevCfgDO(IPageHost* host)
//           : CChannelPageBase(kTemplate, host, {.channelList = kListChannels, .apply = kButtonApply,
//                               .mode = kComboMode, .tagGroupBox = kGroupTags, .tagList = kListTags},
//                              ChannelType::DigitalOutput)
//       {
//           Modes().Mode(0, 0, {kComboStatus}).OtherModes(1, {kEditFrequency, kEditDuty});
//       }
//   protected:
//       QList<ChannelColumn> ChannelColumns() const override;        // columns after the first
//       bool CopyRecord(const CDataCenter& model) override { return model.GetDOSetting(Slot(), record_); }
//       int StoredChannelCount() const override { return int(record_.Channels.size()); }
//       const std::vector<TagDefinition>& TagDefinitions(int c) const override;
//       int StoredMode(int c) const override { return record_.Channels[c].Setting.Mode; }
//       QStringList ChannelRowTexts(int c) const override;          // columns 1..
//       void ShowChannelEditors(int c) override;                    // editors from channel c
//       void ResetEditors() override;                               // nothing selected
//       bool ReadEditors(int c) override;                           // editors into channel c
//       void WriteChannel(CDataCenter& model, int c) override;      // the model's setter
//   };
//
// Optional hooks: FillPageControls (labels and combo boxes on every show), OnModelKeyChanged
// (reload model-dependent limits), CheckEditors (once per Apply, before any channel),
// OnModeEditors (after a mode's editors were enabled), ShownMode / StoredModeKey (pages whose
// mode is not the mode combo's index), IsTagListed and IsTagActive (which definitions the tag
// list shows, and which in the normal colour).

#include "CPropertyUIDialog.h"
#include "ChannelListColumns.h"
#include "ChannelModeTable.h"
#include "ChannelRefusals.h"
#include "ChannelTagList.h"
#include "ControlId.h"
#include "ListPageStrings.h"
#include "TagDefinition.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class CListCtrlEx;

// The frame's controls; 0 for one the page does not have.
struct ChannelPageControls {
    int channelList = 0;
    int apply = 0;
    int mode = 0; // the mode combo box: its change enables the mode's editors
    int tagGroupBox = 0;
    int tagList = 0;
};

class CChannelPageBase : public CPropertyUIDialog {
public:
    // Language-pack strings of the frame.
    static constexpr unsigned kStringNoChannelSelected = 613;
    static constexpr unsigned kStringChannelApplied = 618;
    static constexpr unsigned kStringTagDeleted = kStringTagReleased;
    static constexpr unsigned kStringTagCreated = ::kStringTagCreated;
    static constexpr unsigned kStringChannelsRefused = ChannelRefusals::kStringRefused;
    static constexpr unsigned kStringColumnChannel = 737;
    static constexpr int kMinimumTagRows = ChannelTagList::kMinimumRows;
    static constexpr int kFirstColumnWidth = 90;
    static inline const QColor kOtherModeTagColour = ChannelTagList::kOtherModeColour;

    // Apply over the selected rows; false when nothing was written.
    bool Apply();
    // The rows of the channel list that are selected, ascending.
    QList<int> SelectedChannels() const;
    void SelectChannels(const QList<int>& channels);
    int Slot() const { return GetNodeInfo().slotIndex; }
    const QString& ModelKey() const { return modelKey_; }
    CListCtrlEx* ChannelList() const;
    CListCtrlEx* TagList() const;

protected:
    CChannelPageBase(unsigned templateId, IPageHost* host, ChannelPageControls controls, int channelTypeId);

    ChannelModeTable& Modes() { return modes_; }
    const ChannelModeTable& Modes() const { return modes_; }
    const ChannelPageControls& FrameControls() const { return controls_; }
    // The first column's width; the others share the rest.
    void SetFirstColumnWidth(int width) { columns_.SetFirstWidth(width); }

    // ---- hooks ----
    virtual QList<ChannelColumn> ChannelColumns() const = 0;
    // Copies the slot's record out of the model into the page's copy; false when the slot has none.
    virtual bool CopyRecord(const CDataCenter& model) = 0;
    virtual int StoredChannelCount() const = 0;
    virtual const std::vector<TagDefinition>& TagDefinitions(int channel) const = 0;
    // The channel's mode as stored in the page's copy.
    virtual int StoredMode(int channel) const = 0;
    virtual QStringList ChannelRowTexts(int channel) const = 0;
    virtual void ShowChannelEditors(int channel) = 0;
    virtual void ResetEditors() = 0;
    // Reads the editors into the page's copy of the channel; false ends the Apply loop.
    virtual bool ReadEditors(int channel) = 0;
    virtual void WriteChannel(CDataCenter& model, int channel) = 0;

    virtual void FillPageControls() {}
    virtual void OnModelKeyChanged() {}
    // Once per Apply, before any channel; false (after its message) stops Apply.
    virtual bool CheckEditors() { return true; }
    // After the editors of the mode were enabled and the others disabled.
    virtual void OnModeEditors(int mode) {}
    // The user chose another mode: the mode's editors, then the tag colours.
    virtual void OnModeChanged();
    // The mode the editors show; by default the mode combo's index.
    virtual int ShownMode() const;
    // The tag key of the channel as stored, and of what the editors show.
    virtual int StoredModeKey(int channel) const { return modes_.KeyOf(StoredMode(channel)); }
    virtual int ShownModeKey() const { return modes_.KeyOf(ShownMode()); }
    virtual bool IsTagListed(const TagDefinition& definition) const { return true; }
    virtual bool IsTagActive(const TagDefinition& definition) const;
    virtual QString ChannelNumberText(int channel) const { return QString::number(channel); }
    virtual QString FirstColumnTitle() const;
    // The log line of a written channel; false for none (a silent Apply).
    virtual bool LogsAppliedChannels() const { return true; }
    // Where the box of refused channels puts its common text.
    virtual ChannelRefusals::Order RefusalOrder() const { return ChannelRefusals::Order::LinesFirst; }

    // ---- what pages call ----
    // Shows channel c: its settings in the editors, the mode's editors, its tags.
    void ShowChannel(int channel);
    // Enables the editors of the mode shown and disables the mode table's others.
    void ApplyModeEditors();
    void FillChannelList();
    void UpdateChannelRow(int channel);
    void FillTagList();
    void ColourTagList();
    // A channel-list column takes another title (before the list is filled).
    void RenameChannelColumn(int column, const QString& title);
    // Runs check when the edit loses the focus after the user typed into it; a failing check
    // (it shows its message) puts the focus back and the check runs again on the next loss.
    void CheckOnFocusLoss(int editId, std::function<bool()> check);
    // Runs the handler whenever the edit loses or gets the focus.
    void OnEditFocusLost(int editId, std::function<void()> handler);
    void OnEditFocusGot(int editId, std::function<void()> handler);
    // The channel tag name of the definition as the model would make it.
    QString ChannelTagName(int channel, const TagDefinition& definition) const;
    int ChannelCount() const;

    bool OnInitDialog() override;
    void OnPageShown() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void insertColumns();
    void fitColumns();
    ChannelTagList::Source tagSource();
    void onChannelSelectionChanged();
    void checkModelKey();

    ChannelPageControls controls_;
    int channelTypeId_ = 0;
    ChannelModeTable modes_;
    QString modelKey_;
    bool modelKeyRead_ = false;
    bool shown_ = false;
    ChannelListColumns columns_;
    ChannelTagList tags_;
};
