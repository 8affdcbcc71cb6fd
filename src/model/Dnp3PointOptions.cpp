#include "Dnp3PointOptions.h"

#include "ProjectRecords.h"
#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

using namespace Dnp3ObjectType;

namespace {

constexpr int kLargestVariation = 9999; // stops the digits before they overflow
const QString kClassLevel = QStringLiteral("ClassLevel");
const QString kDeviationType = QStringLiteral("ConditionValueDeviationType");

QString staticVariationKey(int objectType)
{
    switch (objectType) {
    case BinaryInput:
        return QStringLiteral("GroupVariationBI");
    case AnalogInput:
        return QStringLiteral("GroupVariationAI");
    case BinaryOutput:
        return QStringLiteral("GroupVariationBO");
    case AnalogOutput:
        return QStringLiteral("GroupVariationAO");
    case Counter:
        return QStringLiteral("GroupVariationCounter");
    default:
        return {};
    }
}

QString eventVariationKey(int objectType)
{
    switch (objectType) {
    case BinaryInput:
        return QStringLiteral("EventVariationBI");
    case AnalogInput:
        return QStringLiteral("EventVariationAI");
    case Counter:
        return QStringLiteral("EventVariationCounter");
    default:
        return {};
    }
}

QStringList readList(const QString& key)
{
    return key.isEmpty() ? QStringList() : ServiceDefaults::ReadList(ServiceDefaultsIni::Section::Dnp3, key);
}

} // namespace

Dnp3PointOptions Dnp3PointOptions::Load(int objectType)
{
    Dnp3PointOptions options;
    options.ClassLevel = readList(kClassLevel);
    options.DeviationTypes = readList(kDeviationType);
    options.StaticVariations = readList(staticVariationKey(objectType));
    options.EventVariations = readList(eventVariationKey(objectType));
    if (Dnp3PointRules::HasFrozenVariations(objectType)) {
        options.FrozenVariations = readList(QStringLiteral("FrozenVariationCounter"));
        options.FrozenEventVariations = readList(QStringLiteral("EventVariationFrozen"));
    }
    return options;
}

namespace Dnp3PointRules {

bool HasEventVariation(int objectType)
{
    return objectType == BinaryInput || objectType == AnalogInput || objectType == Counter;
}

bool HasFrozenVariations(int objectType)
{
    return objectType == Counter;
}

bool OffersEventClasses(int objectType)
{
    return HasEventVariation(objectType);
}

int VariationNumber(const QString& optionText)
{
    const qsizetype blank = optionText.indexOf(u' ');
    if (blank < 0)
        return 0;
    const QString word = optionText.left(blank);
    const qsizetype v = word.indexOf(u'v');
    if (v < 0)
        return 0;
    int number = 0;
    for (QChar c : word.mid(v + 1)) {
        if (!c.isDigit() || number > kLargestVariation)
            break;
        number = number * 10 + c.digitValue();
    }
    return number;
}

int VariationIndex(const QStringList& options, int number)
{
    if (options.isEmpty())
        return -1;
    for (qsizetype i = 0; i < options.size(); ++i)
        if (VariationNumber(options[i]) == number)
            return int(i);
    return 0;
}

} // namespace Dnp3PointRules
