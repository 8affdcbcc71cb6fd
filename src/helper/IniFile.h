#pragma once
// INI files with the private-profile semantics the settings files were written for: section and
// key names compared case-insensitively with surrounding blanks trimmed, an absent key gives the
// caller's default, comments and order are kept when a value is written.

#include <QString>

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path);
// The leading integer of the value (blanks, sign, digits); the default when the key is absent.
int GetPrivateProfileInt(const QString& section, const QString& key, int defaultValue, const QString& path);
// Creates the file, section or key as needed; false when the file cannot be written.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value, const QString& path);
