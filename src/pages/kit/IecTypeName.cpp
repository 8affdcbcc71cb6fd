#include "IecTypeName.h"

namespace {

struct TypeNamePair {
    const char* cName;
    const char* iecName;
};

// "UNSIGNED CHAR" must be found before "CHAR", "UNSIGNED LONG" before "LONG".
constexpr TypeNamePair kTypeNames[] = {
    {"UNSIGNED CHAR", "USINT"}, {"UNSIGNED LONG", "UDINT"}, {"UNSIGNED SHORT", "UINT"},
    {"BOOL", "BOOL"},           {"CHAR", "SINT"},           {"FLOAT", "REAL"},
    {"LONG", "DINT"},           {"SHORT", "INT"},           {"STRING", "STRING"},
};

} // namespace

QString ToIecTypeName(const QString& cTypeName)
{
    for (const TypeNamePair& pair : kTypeNames) {
        const QString cName = QString::fromLatin1(pair.cName);
        if (cTypeName.contains(cName))
            return QString(cTypeName).replace(cName, QString::fromLatin1(pair.iecName));
    }
    return {};
}
