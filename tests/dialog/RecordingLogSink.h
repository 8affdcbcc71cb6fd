#pragma once
// Keeps the log lines a dialog adds, in order.

#include "ILogLineSink.h"

#include <QMutex>
#include <QStringList>

class RecordingLogSink : public ILogLineSink {
public:
    void AddLogLine(const QString& text) override
    {
        QMutexLocker lock(&mutex_);
        lines_.append(text);
    }
    QStringList lines() const
    {
        QMutexLocker lock(&mutex_);
        return lines_;
    }
    void Clear()
    {
        QMutexLocker lock(&mutex_);
        lines_.clear();
    }

private:
    mutable QMutex mutex_;
    QStringList lines_;
};
