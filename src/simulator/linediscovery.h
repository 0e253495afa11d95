// E1.20 discovery as the interface firmware runs it: un-mute, binary search with DISC_UNIQUE_BRANCH, mute.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSet>
#include <functional>

enum class DiscoveryKind { Full, Additional };

class LineDiscovery
{
public:
    // Puts one packet on the line and returns what came back (several answers collide into one).
    using Transmit = std::function<QByteArray(const QByteArray &packet)>;

    // A response record carries at most 509 bytes, 84 UIDs; the search stops when that many are found.
    static constexpr int MostUids = 509 / 6;

    explicit LineDiscovery(Transmit transmit);

    // Full un-mutes every responder first; Additional finds only the responders not muted yet.
    QList<quint64> run(DiscoveryKind kind);

private:
    void searchBranch(quint64 lower, quint64 upper);
    bool mute(quint64 uid);
    QByteArray discoveryPacket(quint64 destination, quint16 pid, const QByteArray &data) const;

    Transmit m_transmit;
    QList<quint64> m_found;
    QSet<quint64> m_unmutable;
};
