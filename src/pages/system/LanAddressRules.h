#pragma once
// The checks between the interfaces of one LAN slot: the same address, the same network and
// overlapping networks, on dotted IPv4 texts as the project stores them.

#include <QString>

#include <array>
#include <optional>

using Octets = std::array<quint32, 4>;

// The first four parts of a dotted text, each cut to its low byte; nullopt for a text with fewer
// than four parts, which counts as blank.
std::optional<Octets> StoredOctets(const QString& text);
// The four octets as one 32-bit value, the first octet highest.
quint32 AddressValue(const Octets& octets);

enum class NetworkRelation { Apart, SameNetwork, Overlapping };
// Network a/maskA against network b/maskB.
NetworkRelation RelateNetworks(const Octets& a, const Octets& maskA, const Octets& b, const Octets& maskB);
