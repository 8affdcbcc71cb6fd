#pragma once
// A file-dialog service for tests: records every request and answers from a queue (the empty
// text, that is "cancelled", once the queue is empty). Installed for the lifetime of the object.

#include "FileDialogService.h"

#include <QList>
#include <QQueue>
#include <QString>

class RecordingFileDialogService : public IFileDialogService {
public:
    RecordingFileDialogService();
    ~RecordingFileDialogService() override;
    RecordingFileDialogService(const RecordingFileDialogService&) = delete;
    RecordingFileDialogService& operator=(const RecordingFileDialogService&) = delete;

    QString Choose(const FileDialogRequest& request) override;

    // Answers of the next requests, in order; the empty text cancels.
    void QueueAnswer(const QString& path);
    const QList<FileDialogRequest>& requests() const { return requests_; }

private:
    IFileDialogService* previous_;
    QList<FileDialogRequest> requests_;
    QQueue<QString> answers_;
};
