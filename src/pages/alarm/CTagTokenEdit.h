#pragma once
// The message editor of the alarm pages and the trap profile: an edit holding a text of at most
// a given length, shown with "{{tag name}}" tokens and stored with "{{tag address}}" tokens, into
// which tags and variables are inserted at the caret. An insertion that would make the text
// longer than the maximum is dropped whole.

#include "TagRecord.h"

#include <QPointer>
#include <QString>

#include <vector>

class CDataCenter;
class QPlainTextEdit;

class CTagTokenEdit {
public:
    // Takes the edit over: typing beyond maxLength characters is cut off.
    void Attach(QPlainTextEdit* edit, int maxLength);
    int MaxLength() const { return maxLength_; }

    void Show(const CDataCenter& model, const QString& stored);
    QString Stored(const CDataCenter& model) const;
    QString ShownText() const;

    bool HasSelection() const;
    // Replaces the selection at the caret by the text and moves the caret behind it; false, with
    // nothing changed, when the result would pass the maximum.
    bool Insert(const QString& text);
    // Inserts the "{{name}}" tokens of the tags, one after another; only at a bare caret.
    bool InsertTags(const std::vector<TagRecord>& tags);

private:
    void cutToMaximum();

    QPointer<QPlainTextEdit> edit_;
    int maxLength_ = 0;
};
