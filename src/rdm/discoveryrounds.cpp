// Discovery rounds until the interface reports a record with room to spare.
#include "rdm/discoveryrounds.h"

#include "rdm/rdm.h"

#include <QCoreApplication>

int discoverLine(RDM &rdm, DiscoveryRun run, QWidget *parent, QList<quint64> *uids)
{
    uids->clear();
    int result = run == DiscoveryRun::Full ? rdm.fullDiscovery(parent) : rdm.additionalDiscovery();
    for (int round = 1; result == 0; ++round) {
        const QList<quint64> found = rdm.responseUids();
        for (const quint64 uid : found) {
            if (!uids->contains(uid))
                uids->append(uid);
        }
        if (found.size() < RDM::mostUidsPerRecord || round == mostDiscoveryRounds)
            break;
        result = rdm.additionalDiscovery();
    }
    if (result == 0)
        rdm.log(QCoreApplication::translate("RDM", "Number of devices found: ") + QString::number(uids->size()));
    return result;
}
