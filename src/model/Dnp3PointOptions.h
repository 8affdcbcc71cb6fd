#pragma once
// What the DNP3 point pages offer for one object type: the variations of its groups, the event
// class levels and the analog deadband modes, from section [DNP3] of DefaultSettings.ini; and how
// a variation text gives its number.

#include <QString>
#include <QStringList>

struct Dnp3PointOptions {
    QStringList ClassLevel;     // index 0: no event class
    QStringList DeviationTypes; // index 0 percentage, 1 value
    QStringList StaticVariations;
    QStringList EventVariations;       // binary input, analog input, counter
    QStringList FrozenVariations;      // counter
    QStringList FrozenEventVariations; // counter

    // The lists of the object type (1..5); the lists it does not use stay empty.
    static Dnp3PointOptions Load(int objectType);
};

namespace Dnp3PointRules {
// What each object type has beyond its static variation.
bool HasEventVariation(int objectType);
bool HasFrozenVariations(int objectType);
// Output points report no events: only class 0 is offered for them.
bool OffersEventClasses(int objectType);

// The number after the first "v" of the text's first word ("g30v2 16-bit" gives 2); 0 when the
// text has no blank or its first word no "v".
int VariationNumber(const QString& optionText);
// The position of the first option of that number; 0 when none matches, -1 for no options.
int VariationIndex(const QStringList& options, int number);
} // namespace Dnp3PointRules
