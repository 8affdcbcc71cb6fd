// The recipient editors: pairs added, changed and deleted in the list, the address rules, the
// limits, and the joined texts and display text handed back.
#include "CMailEdit.h"
#include "CPhoneEdit.h"

#include "AlarmPageFixture.h"
#include "RecordingMessageBoxService.h"
#include "ScopedMessageBoxService.h"

#include <gtest/gtest.h>

namespace {

class RecipientEditTest : public testing::Test {
protected:
    // Opens the editor over the joined texts, built but not run modally.
    std::unique_ptr<CRecipientEditDlg> Open(const RecipientEditorKind& kind, const QString& addresses = {},
                                            const QString& names = {})
    {
        auto editor = std::make_unique<CRecipientEditDlg>(kind, addresses, names);
        EXPECT_TRUE(editor->Create());
        return editor;
    }
    void Add(CRecipientEditDlg& editor, const QString& address, const QString& name = {})
    {
        SetControl(editor, {editor.Kind().addressEdit, address});
        SetControl(editor, {editor.Kind().nameEdit, name});
        PressButton(editor, editor.Kind().addButton);
    }

    RecordingMessageBoxService boxes;
    ScopedMessageBoxService scoped{boxes};
    ScopedDeleteConfirmationSkipped unasked;
};

} // namespace

TEST_F(RecipientEditTest, TheTemplatesHoldTheEditorsControls)
{
    ExpectControlsMatchTemplate(kMailRecipientEditor.templateId, MailEditIds::kControls);
    ExpectControlsMatchTemplate(kPhoneRecipientEditor.templateId, PhoneEditIds::kControls);
}

TEST_F(RecipientEditTest, TwoRecipientsJoinAndReopenAsTwoRows)
{
    auto editor = Open(kMailRecipientEditor);
    Add(*editor, "a@b.com", "Ann");
    Add(*editor, "c@d.org");
    editor->show();
    SaveScreenshot(*editor, QStringLiteral("alarm-mail-recipients"));
    PressButton(*editor, MailEditIds::kButtonOK);
    EXPECT_EQ(editor->result(), IDOK);
    EXPECT_EQ(editor->GetAddresses(), "a@b.com;c@d.org");
    EXPECT_EQ(editor->GetNames(), "Ann; ");
    EXPECT_EQ(editor->GetDisplayText(), "a@b.com(Ann);c@d.org");

    auto reopened = Open(kMailRecipientEditor, editor->GetAddresses(), editor->GetNames());
    auto* list = reopened->item<CListCtrlEx>(MailEditIds::kListRecipients);
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItemText(1, 1), "");
    EXPECT_EQ(list->GetItemText(1, 2), "c@d.org");
    EXPECT_TRUE(boxes.texts().isEmpty());
}

TEST_F(RecipientEditTest, DoubledSeparatorsAndLineBreaksGiveNoEmptyRows)
{
    auto editor = Open(kMailRecipientEditor, "a@b.com;;\r\nc@d.org", "");
    EXPECT_EQ(editor->item<CListCtrlEx>(MailEditIds::kListRecipients)->GetItemCount(), 2);
}

TEST_F(RecipientEditTest, AddressesAreCheckedAndBadOnesLeaveTheListAlone)
{
    struct Case {
        const RecipientEditorKind* kind;
        const char* address;
        const char* name;
        unsigned message; // 0: accepted
    };
    const Case cases[] = {
        {&kMailRecipientEditor, "a.b+c@x-y.co", "", 0},
        {&kMailRecipientEditor, "rtu@plant.example", "", 0},
        {&kMailRecipientEditor, "rtu@plant.example7", "", 413},
        {&kMailRecipientEditor, "ab@c", "", 413},
        {&kMailRecipientEditor, "a@b.c", "", 413},
        {&kMailRecipientEditor, "x a@b.com", "", 413},
        {&kMailRecipientEditor, "a@b.com;c@d.org", "", 413},
        {&kMailRecipientEditor, "a@b.com", "Ann;Bob", 9252},
        {&kPhoneRecipientEditor, "+12", "", 0},
        {&kPhoneRecipientEditor, "12345678901234567890", "", 0},
        {&kPhoneRecipientEditor, "1", "", 755},
        {&kPhoneRecipientEditor, "12 34", "", 755},
        {&kPhoneRecipientEditor, "12-34", "", 755},
        {&kPhoneRecipientEditor, "+123456789012345678901", "", 755},
        {&kPhoneRecipientEditor, "+4930", "Ann\nLee", 9252},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        boxes.Clear();
        auto editor = Open(*c.kind);
        Add(*editor, c.address, c.name);
        EXPECT_EQ(editor->Recipients().Count(), c.message ? 0 : 1);
        EXPECT_EQ(boxes.texts(), c.message ? QStringList{LoadLangString(c.message)} : QStringList{});
    }
}

TEST_F(RecipientEditTest, TheLimitRefusesThe33rdAddressAndThe17thNumber)
{
    struct Case {
        const RecipientEditorKind* kind;
        int limit;
        unsigned message;
        QString (*address)(int);
    };
    const Case cases[] = {
        {&kMailRecipientEditor, 32, 754, [](int i) { return QStringLiteral("u%1@example.com").arg(i); }},
        {&kPhoneRecipientEditor, 16, 752, [](int i) { return QStringLiteral("+49%1").arg(1000 + i); }},
    };
    for (const Case& c : cases) {
        boxes.Clear();
        auto editor = Open(*c.kind);
        for (int i = 0; i < c.limit; ++i)
            Add(*editor, c.address(i));
        EXPECT_TRUE(boxes.texts().isEmpty());
        Add(*editor, c.address(c.limit));
        EXPECT_EQ(editor->Recipients().Count(), c.limit);
        EXPECT_EQ(boxes.texts(), QStringList{FormatLangString(c.message, c.limit)});
    }
}

TEST_F(RecipientEditTest, ModifyReplacesTheSelectedRowAndDeleteRemovesSelectedRows)
{
    auto editor = Open(kPhoneRecipientEditor, "+111;+222;+333", "A;B;C");
    auto* list = editor->item<CListCtrlEx>(PhoneEditIds::kListRecipients);
    SelectListRows(*list, {1});
    EXPECT_EQ(editor->itemText(PhoneEditIds::kEditNumber), "+222") << "selecting shows the row";
    SetControl(*editor, {PhoneEditIds::kEditNumber, QStringLiteral("+2222")});
    SetControl(*editor, {PhoneEditIds::kEditContactName, QStringLiteral("Bea")});
    PressButton(*editor, PhoneEditIds::kButtonModify);
    EXPECT_EQ(editor->Recipients().Addresses, QStringList({"+111", "+2222", "+333"}));
    EXPECT_EQ(editor->Recipients().Names, QStringList({"A", "Bea", "C"}));

    SelectListRows(*list, {0, 2});
    PressButton(*editor, PhoneEditIds::kButtonDelete);
    EXPECT_EQ(editor->Recipients().Addresses, QStringList({"+2222"}));
    EXPECT_EQ(list->GetItemCount(), 1);
}
