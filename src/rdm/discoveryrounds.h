// Discovery of a whole line, however many responders it holds.
#pragma once

#include <QList>

class QWidget;
class RDM;

enum class DiscoveryRun { Additional, Full };

// The most discovery rounds one run makes.
constexpr int mostDiscoveryRounds = 64;

// Runs the discovery asked for (a full one shows its wait over `parent`), then additional ones while a
// record comes back full: the responders found stay muted, so each round finds the next ones. `uids`
// gets every UID once, in the order found. Returns 0, or the failed round's -1 or -2 with the UIDs
// found before it.
int discoverLine(RDM &rdm, DiscoveryRun run, QWidget *parent, QList<quint64> *uids);
