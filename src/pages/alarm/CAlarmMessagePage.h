#pragma once
// What the e-mail and SMS alarm pages share: a list of up to 8 alarm entries, each with a name,
// recipients (edited in the recipient editor), a message with tag tokens, and a trigger and a
// status tag that the page creates with the entry and deletes with it. The pages add their own
// service fields (the SMTP account, the PIN).

#include "AlarmPageConversions.h"
#include "AlarmPageStrings.h"
#include "AlarmTagChooser.h"
#include "CAutoResource.h"
#include "CListDetailPage.h"
#include "CMenuEdit.h"
#include "CRecipientEditDlg.h"
#include "CTagTokenEdit.h"
#include "LanguagePack.h"
#include "MessageBoxService.h"
#include "RecipientList.h"
#include "TextFormat.h"

#include <QPlainTextEdit>

#include <functional>
#include <limits>

// The controls and service of one alarm message page.
template <class Entry>
struct AlarmMessageLayout {
    ListDetailIds listIds;
    ControlId nameEdit;
    ControlId nameLabel;
    ControlId triggerName;
    ControlId statusName;
    ControlId recipients;      // the display of the recipients
    ControlId recipientsLabel; // names them in messages
    ControlId recipientsButton;
    ControlId content;
    ControlId insertTags;
    int contentLength = 0;
    int serviceId = 0;
    CAutoResource::Kind triggerKind{};
    CAutoResource::Kind statusKind{};
    const RecipientEditorKind* editor = nullptr;
    QString Entry::*addresses = nullptr;
    QString Entry::*names = nullptr;
};

inline constexpr int kAlarmEntryLimit = 8;

template <class Entry>
class CAlarmMessagePage : public CListDetailPage<Entry> {
    using Base = CListDetailPage<Entry>;

public:
    // What the recipient editor answers: true on OK, with the new joined texts.
    using RecipientEditor = std::function<bool(QString& addresses, QString& names)>;
    using TagChooser = std::function<std::vector<TagRecord>()>;

    // Tests put the editor and the chooser in place of the modal dialogs.
    void SetRecipientEditor(RecipientEditor editor) { recipientEditor_ = std::move(editor); }
    void SetTagChooser(TagChooser chooser) { tagChooser_ = std::move(chooser); }
    CTagTokenEdit& Content() { return content_; }

    // The recipients as last edited (joined addresses and names).
    QString RecipientAddresses() const { return addresses_; }
    QString RecipientNames() const { return names_; }

    void EditRecipients()
    {
        QString addresses = addresses_;
        QString names = names_;
        if (!recipientEditor_(addresses, names))
            return;
        addresses_ = addresses;
        names_ = names;
        showRecipients();
    }

    void InsertTagsIntoContent()
    {
        if (content_.HasSelection())
            return;
        content_.InsertTags(tagChooser_());
    }

protected:
    CAlarmMessagePage(unsigned templateId, IPageHost* host, AlarmMessageLayout<Entry> layout)
        : Base(templateId, host, layout.listIds), layout_(std::move(layout))
    {
        Base::SetNameField(layout_.nameEdit, layout_.nameLabel, &Entry::Name);
        Base::SetIndexField(&Entry::Index);
        Base::SetEntryLimit(kAlarmEntryLimit, FormatLangString(kStringTooManyEntries, kAlarmEntryLimit));
        Base::SetTagHooks(nullptr,
                          [this](CDataCenter& model, const Entry& entry) { return releaseTags(model, entry); });
        recipientEditor_ = [this](QString& addresses, QString& names) { return runRecipientEditor(addresses, names); };
        tagChooser_ = [this] { return ChooseTagsFor(*this, this, false); };
    }

    // The page binds its other fields after these, in the order its messages name them.
    void BindRecipientsAndContent()
    {
        Base::Bindings()
            .Bind(layout_.recipients, layout_.recipientsLabel, layout_.addresses,
                  AsPageValue{[this](const QString& v) {
                                  addresses_ = v;
                                  showRecipients();
                              },
                              [this] { return addresses_; },
                              [this](const QString& label) {
                                  return RecipientList::Split(addresses_, names_).Count() == 0
                                             ? FormatInvalidItemLine(label)
                                             : QString();
                              }})
            .Bind(layout_.recipients, QString(), layout_.names,
                  AsPageValue{[this](const QString& v) {
                                  names_ = v;
                                  showRecipients();
                              },
                              [this] { return names_; },
                              {}});
    }
    void BindContent()
    {
        Base::Bindings().Bind(layout_.content, QString(), &Entry::Content,
                              AsTagTokens{[this] { return static_cast<const CDataCenter*>(this->GetDataCenter()); }});
    }

    bool OnInitDialog() override
    {
        Base::LayoutListPage({.list = layout_.listIds.list,
                              .leftButton = layout_.listIds.addButton,
                              .middleButton = layout_.listIds.modifyButton,
                              .rightButton = layout_.listIds.deleteButton});
        Base::SetMainListId(layout_.listIds.list);
        if (auto* list = this->template item<CListCtrlEx>(layout_.listIds.list)) {
            list->InsertColumn(0, LoadLangString(kStringColumnNumber), kNumberColumnWidth);
            for (unsigned title : {kStringColumnEntryName, kStringColumnTriggerTag, kStringColumnStatusTag})
                list->InsertColumn(list->GetColumnCount(), LoadLangString(title), 0);
        }
        this->enableItem(layout_.triggerName, false);
        this->enableItem(layout_.statusName, false);
        if (auto* edit = this->template item<QPlainTextEdit>(layout_.content)) {
            content_.Attach(edit, layout_.contentLength);
            if (auto* menuEdit = qobject_cast<CMenuEdit*>(edit))
                QObject::connect(menuEdit, &CMenuEdit::tagSelectRequested, this, [this] { InsertTagsIntoContent(); });
        }
        this->onClicked(layout_.recipientsButton, [this] { EditRecipients(); });
        this->onClicked(layout_.insertTags, [this] { InsertTagsIntoContent(); });
        return true;
    }

    void OnPageShown() override
    {
        Base::OnPageShown();
        fitColumns();
    }

    QStringList RowTexts(const Entry& entry) const override
    {
        const CDataCenter* model = this->GetDataCenter();
        return {entry.Name, model ? model->GetTagNameByAddress(entry.TriggerTag) : QString(),
                model ? model->GetTagNameByAddress(entry.StatusTag) : QString()};
    }

    Entry NewEntry() const override
    {
        Entry entry;
        entry.SetDefaults();
        return entry;
    }

    // The tags are made whole or not at all; an entry without its tags is not kept.
    bool CreateEntryTags(CDataCenter& model, Entry& entry, QStringList& created) override
    {
        constexpr int kAliasFlag = 1;
        std::vector<CDataCenter::TagChange> made;
        if (!model.RegisterServiceItemTags(layout_.serviceId, entry.Index, entry.TagDefinitions, made, kAliasFlag)) {
            const QString name = CAutoResource::GetInstance()->TagName(layout_.triggerKind, entry.Index);
            ShowMessageBox(FormatLangString(kStringAutoTagNotMade, name), MB_OK | MB_ICONERROR);
            return false;
        }
        entry.TriggerTag = CAutoResource::GetInstance()->TagAddress(layout_.triggerKind, entry.Index);
        entry.StatusTag = CAutoResource::GetInstance()->TagAddress(layout_.statusKind, entry.Index);
        for (const CDataCenter::TagChange& tag : made)
            created << tag.Name;
        return true;
    }

    void OnEntryShown(const Entry* entry) override
    {
        const CDataCenter* model = this->GetDataCenter();
        if (entry && model) {
            this->setItemText(layout_.triggerName, model->GetTagNameByAddress(entry->TriggerTag));
            this->setItemText(layout_.statusName, model->GetTagNameByAddress(entry->StatusTag));
            return;
        }
        const int next = Base::NextEntryIndex();
        this->setItemText(layout_.triggerName, CAutoResource::GetInstance()->TagName(layout_.triggerKind, next));
        this->setItemText(layout_.statusName, CAutoResource::GetInstance()->TagName(layout_.statusKind, next));
    }

private:
    QStringList releaseTags(CDataCenter& model, const Entry& entry)
    {
        QStringList names;
        for (const CDataCenter::TagChange& tag : model.ReleaseServiceItemTags(
                 MakeIntPair(layout_.serviceId, entry.Index), {entry.TriggerTag, entry.StatusTag}))
            names << tag.Name;
        return names;
    }

    bool runRecipientEditor(QString& addresses, QString& names)
    {
        CRecipientEditDlg editor(*layout_.editor, addresses, names, this);
        if (editor.DoModal() != IDOK)
            return false;
        addresses = editor.GetAddresses();
        names = editor.GetNames();
        return true;
    }

    // The three text columns share the list's width after the number column.
    void fitColumns()
    {
        auto* list = this->template item<CListCtrlEx>(layout_.listIds.list);
        if (!list)
            return;
        const int textWidth = std::max(0, (list->viewport()->width() - kNumberColumnWidth) / 3);
        for (int column = 1; column < list->GetColumnCount(); ++column)
            list->SetColumnWidth(column, textWidth);
    }

    void showRecipients()
    {
        this->setItemText(layout_.recipients, RecipientList::Split(addresses_, names_).DisplayText());
    }

    AlarmMessageLayout<Entry> layout_;
    CTagTokenEdit content_;
    QString addresses_;
    QString names_;
    RecipientEditor recipientEditor_;
    TagChooser tagChooser_;
};
