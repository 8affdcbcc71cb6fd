#pragma once
// INI files with the private-profile semantics the settings files were written for: section and
// key names compared case-insensitively with surrounding blanks trimmed, an absent key gives the
// caller's default, comments and order are kept when a value is written.

#include <QList>
#include <QString>

QString GetPrivateProfileString(const QString& section, const QString& key, const QString& defaultValue,
                                const QString& path);
// The leading integer of the value (blanks, sign, digits); the default when the key is absent.
int GetPrivateProfileInt(const QString& section, const QString& key, int defaultValue, const QString& path);
// Creates the file, section or key as needed; false when the file cannot be written.
bool WritePrivateProfileString(const QString& section, const QString& key, const QString& value, const QString& path);

struct IniKeyValue {
    QString key;
    QString value;
};

// How a rewritten file reaches the disk: Flushed waits until it is there; Unflushed leaves that
// to the system, for a file whose last change may be lost in a power cut (a history).
enum class IniWrite { Flushed, Unflushed };

// Writes several keys of one section with at most one rewrite of the file, and none when every
// value is there already. An entry that cannot be written is skipped (false), the others are
// still written.
bool WritePrivateProfileStrings(const QString& section, const QList<IniKeyValue>& entries, const QString& path,
                                IniWrite mode);
