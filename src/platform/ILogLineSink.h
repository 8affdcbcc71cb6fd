#pragma once
// Where pages, dialogs and workers add operation log lines (the log pane implements it), so that
// they need not know the pane itself.

#include <QString>

class ILogLineSink {
public:
    virtual ~ILogLineSink() = default;
    // Safe to call from any thread.
    virtual void AddLogLine(const QString& text) = 0;
};
