#pragma once
// The message boxes and log pane of a timed dialog run: every box answers OK, no line is kept.

#include "ILogLineSink.h"
#include "MessageBoxService.h"

#include <QString>

class SilentBoxes : public IMessageBoxService {
public:
    int Show(const QString&, const QString&, unsigned) override { return IDOK; }
};

class NoLog : public ILogLineSink {
public:
    void AddLogLine(const QString&) override {}
};
