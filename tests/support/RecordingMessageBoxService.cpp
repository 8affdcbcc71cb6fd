#include "RecordingMessageBoxService.h"

#include <QStringList>

void PrintTo(const RecordedMessageBox& box, std::ostream* out)
{
    *out << "{text \"" << box.text.toStdString() << "\", caption \"" << box.caption.toStdString() << "\", flags 0x"
         << std::hex << box.flags << std::dec << "}";
}

int RecordingMessageBoxService::Show(const QString& text, const QString& caption, unsigned flags)
{
    boxes_.append({text, caption, flags});
    return answers_.isEmpty() ? IDOK : answers_.dequeue();
}

void RecordingMessageBoxService::QueueAnswer(int answer)
{
    answers_.enqueue(answer);
}

QStringList RecordingMessageBoxService::texts() const
{
    QStringList result;
    for (const RecordedMessageBox& box : boxes_)
        result.append(box.text);
    return result;
}

void RecordingMessageBoxService::Clear()
{
    boxes_.clear();
    answers_.clear();
}
