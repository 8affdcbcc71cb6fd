#include "RecordingFileDialogService.h"

RecordingFileDialogService::RecordingFileDialogService() : previous_(SetFileDialogService(this))
{}

RecordingFileDialogService::~RecordingFileDialogService()
{
    SetFileDialogService(previous_);
}

QString RecordingFileDialogService::Choose(const FileDialogRequest& request)
{
    requests_.append(request);
    return answers_.isEmpty() ? QString() : answers_.dequeue();
}

void RecordingFileDialogService::QueueAnswer(const QString& path)
{
    answers_.enqueue(path);
}
