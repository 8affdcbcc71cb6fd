#pragma once
// Reading and writing the user's Profile.ini values; a value that cannot be written is traced.

#include <QString>

int ReadProfileInt(const char* section, const char* key, int defaultValue);
QString ReadProfileString(const char* section, const char* key);
bool WriteProfileValue(const char* section, const char* key, const QString& value);
