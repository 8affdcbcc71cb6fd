#pragma once
// The SSH client's saved session of the diagnostic console: a "Key=Value" file per session under
// ~/.putty/sessions, created when missing; other keys in it are kept.

#include <QString>

inline constexpr const char* kConsoleSessionName = "DiagConsole";

QString PuttySessionPath(const QString& session);
// Sets one value of the session, creating the folder and the file when needed; false when the file
// cannot be written.
bool WritePuttySessionValue(const QString& session, const QString& key, const QString& value);
// The value of a key, empty when the session or the key is missing.
QString ReadPuttySessionValue(const QString& session, const QString& key);
