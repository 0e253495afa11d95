// Record lists that keep only their newest entries, so a simulated night of traffic stays bounded.
#pragma once

#include <QList>
#include <utility>

// Appends `entry`, then drops the oldest entries beyond `capacity`. QList drops from its front in
// constant time and reuses that room, so a full list costs no more per entry than a growing one.
template <typename T>
void appendKeepingNewest(QList<T> &list, T entry, qsizetype capacity)
{
    list.append(std::move(entry));
    while (list.size() > capacity)
        list.removeFirst();
}
