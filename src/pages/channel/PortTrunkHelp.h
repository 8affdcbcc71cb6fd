#pragma once
// Where the port-trunk page's help link leads: [Help] "Link " of DefaultSettings.ini names either
// the compiled help file beside the program (a page of it per wire mode) or a web address.

#include <QString>

namespace PortTrunkHelp {

inline const QString kBuiltInAddress = QStringLiteral("https://help.pelandrix.example/");
inline const QString kTrunkPage = QStringLiteral("Device Configuration\\2 Wire Trunk.htm");
inline const QString kTwoWirePage = QStringLiteral("Device Configuration\\2 Wire.htm");

struct Targets {
    QString trunk;
    QString twoWire;
    QString fallback; // the web address, for a help file no viewer can show
};

// Empty targets when DefaultSettings.ini is missing.
Targets Read();

} // namespace PortTrunkHelp
