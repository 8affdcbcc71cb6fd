#pragma once
// A message-box service for tests: records every box and answers from a queue (IDOK once the
// queue is empty).

#include "MessageBoxService.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <ostream>

struct RecordedMessageBox {
    QString text;
    QString caption;
    unsigned flags = 0;
    friend bool operator==(const RecordedMessageBox&, const RecordedMessageBox&) = default;
};

// Readable failures in GoogleTest.
void PrintTo(const RecordedMessageBox& box, std::ostream* out);

class RecordingMessageBoxService : public IMessageBoxService {
public:
    int Show(const QString& text, const QString& caption, unsigned flags) override;

    // Answers of the next boxes, in order.
    void QueueAnswer(int answer);
    const QList<RecordedMessageBox>& boxes() const { return boxes_; }
    // The texts of the recorded boxes, in order.
    QStringList texts() const;
    // Forgets the recorded boxes and the answers not given yet.
    void Clear();

private:
    QList<RecordedMessageBox> boxes_;
    QQueue<int> answers_;
};
