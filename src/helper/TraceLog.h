#pragma once
// Diagnostic lines for an outside trace viewer, and progress values for the progress window.

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include <functional>

// Local socket name the trace viewer listens on; each line arrives as one fixed-size record.
inline constexpr const char* kTraceViewerName = "TRACE Window";
inline constexpr int kTraceRecordUnits = 1024; // UTF-16 units per record, terminator included

// printf-style (Qt's vasprintf rules: %s takes UTF-8). By convention the format starts "%s:%d"
// with __FILE__ and __LINE__.
void TraceLog(const char* format, ...) Q_ATTRIBUTE_FORMAT_PRINTF(1, 2);

// The stamped, cut line TraceLog sends; exposed so the stamp and cut can be checked.
QString MakeTraceLine(const QString& message, const QDateTime& localTime);

// Error text of an errno-style code, traced as "<text> failed with error <code>: <system text>".
void LogSystemError(const QString& text, int errorCode);

// Progress values (bits 0-7 percent, 8-15 state, 16-23 step) go to the registered receiver on its
// own thread, and the sender waits until it has taken the value (a blocking queued call from other
// threads); with no receiver they are dropped. The context must outlive every sender.
using ProgressReceiver = std::function<void(quint32 value)>;
void RegisterProgressReceiver(QObject* context, ProgressReceiver receiver);
void UnregisterProgressReceiver(QObject* context);
void SendProgressMessage(quint32 value);
