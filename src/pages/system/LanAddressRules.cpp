#include "LanAddressRules.h"

#include "TextConversion.h"

#include <QStringList>

namespace {

constexpr int kOctetCount = 4;
constexpr quint32 kOctetMask = 0xFF;

bool sameUnderMasks(const Octets& a, const Octets& maskA, const Octets& b, const Octets& maskB)
{
    for (int i = 0; i < kOctetCount; ++i) {
        if ((a[i] & maskA[i]) != (b[i] & maskB[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<Octets> StoredOctets(const QString& text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() < kOctetCount)
        return std::nullopt;
    Octets octets{};
    for (int i = 0; i < kOctetCount; ++i)
        octets[i] = static_cast<quint32>(ParseLeadingInt(parts[i])) & kOctetMask;
    return octets;
}

quint32 AddressValue(const Octets& octets)
{
    return (octets[0] << 24) | (octets[1] << 16) | (octets[2] << 8) | octets[3];
}

NetworkRelation RelateNetworks(const Octets& a, const Octets& maskA, const Octets& b, const Octets& maskB)
{
    if (sameUnderMasks(a, maskA, b, maskB))
        return NetworkRelation::SameNetwork;
    // One network lies inside the other when either mask brings both addresses together.
    if (sameUnderMasks(b, maskA, a, maskA) || sameUnderMasks(a, maskB, b, maskB))
        return NetworkRelation::Overlapping;
    return NetworkRelation::Apart;
}
