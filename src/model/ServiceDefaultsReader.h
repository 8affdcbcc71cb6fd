#pragma once
// Reading the service settings records' defaults from DefaultSettings.ini. Every read goes to the
// file beside the program as it is at that moment; a missing file, section or key gives the
// caller's built-in value, silently.

#include "ConfigFiles.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <cstddef>

namespace ServiceDefaults {

// Values are read through a buffer of 512 characters: only the first 511 count.
inline constexpr qsizetype kMaxValueLength = 511;

// The value text, empty when absent.
QString ReadText(const QString& section, const QString& key);
// Exactly three comma-separated pieces give the file's triple; anything else the built-in whole.
SettingTriple ReadTriple(const QString& section, const QString& key, const SettingTriple& builtIn);
// The leading integer of the value (0 when it has none); the fallback when the key is absent.
int ReadInt(const QString& section, const QString& key, int fallback);
// The value split at "," without trimming: an absent or empty value gives one empty entry.
QStringList ReadList(const QString& section, const QString& key);

// One limited field of a record: its key in the file, the key the pages ask for it by, where the
// record keeps its triple, and the triple used when the file has none.
template <typename Record>
struct TripleField {
    QLatin1String fileKey;
    QLatin1String getterKey;
    SettingTriple Record::*triple;
    SettingTriple builtIn;
};

template <typename Record>
constexpr TripleField<Record> SameKey(QLatin1String key, SettingTriple Record::*triple, SettingTriple builtIn)
{
    return {key, key, triple, builtIn};
}

template <typename Record, typename Target, std::size_t N>
void LoadTriples(Target& record, const QString& section, const std::array<TripleField<Record>, N>& fields)
{
    for (const TripleField<Record>& field : fields)
        record.*field.triple = ReadTriple(section, field.fileKey, field.builtIn);
}

// The pages' getter: the key is compared exactly. 1 and a copy of the triple for a known key;
// 0 and the out triple untouched otherwise.
template <typename Record, typename Source, std::size_t N>
int CopyTripleByKey(const Source& record, const QString& key, SettingTriple& out,
                    const std::array<TripleField<Record>, N>& fields)
{
    for (const TripleField<Record>& field : fields) {
        if (key == field.getterKey) {
            out = record.*field.triple;
            return 1;
        }
    }
    return 0;
}

} // namespace ServiceDefaults
