#include "CTagTokenEdit.h"

#include "TagTokenText.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>

void CTagTokenEdit::Attach(QPlainTextEdit* edit, int maxLength)
{
    edit_ = edit;
    maxLength_ = maxLength;
    if (edit_)
        QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] { cutToMaximum(); });
}

void CTagTokenEdit::cutToMaximum()
{
    const QString text = ShownText();
    if (text.size() <= maxLength_)
        return;
    const QSignalBlocker blocker(edit_);
    edit_->setPlainText(text.left(maxLength_));
    edit_->moveCursor(QTextCursor::End);
}

void CTagTokenEdit::Show(const CDataCenter& model, const QString& stored)
{
    if (edit_)
        edit_->setPlainText(ShowTagTokens(model, stored));
}

QString CTagTokenEdit::Stored(const CDataCenter& model) const
{
    return StoreTagTokens(model, ShownText());
}

QString CTagTokenEdit::ShownText() const
{
    return edit_ ? edit_->toPlainText() : QString();
}

bool CTagTokenEdit::HasSelection() const
{
    return edit_ && edit_->textCursor().hasSelection();
}

bool CTagTokenEdit::Insert(const QString& text)
{
    if (!edit_)
        return false;
    QTextCursor cursor = edit_->textCursor();
    const qsizetype selected = cursor.selectionEnd() - cursor.selectionStart();
    if (ShownText().size() - selected + text.size() > maxLength_)
        return false;
    cursor.insertText(text);
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
    return true;
}

bool CTagTokenEdit::InsertTags(const std::vector<TagRecord>& tags)
{
    if (HasSelection() || tags.empty())
        return false;
    QString tokens;
    for (const TagRecord& tag : tags)
        tokens += MakeTagToken(tag.TagName);
    return Insert(tokens);
}
