// One cell of the patch grid and the devices whose footprint covers its channel.
#pragma once

#include <QList>
#include <QTableWidgetItem>

struct DeviceRecord;

class DeviceTableWidgetItem : public QTableWidgetItem
{
public:
    explicit DeviceTableWidgetItem(const QString &text);

    // In the order the colouring visited them; the records belong to the main window.
    const QList<const DeviceRecord *> &rootDevices() const { return roots; }
    const QList<const DeviceRecord *> &subDevices() const { return subs; }
    void appendRootDevice(const DeviceRecord *record) { roots.append(record); }
    void appendSubDevice(const DeviceRecord *record) { subs.append(record); }
    void clearRootDevices() { roots.clear(); }
    void clearSubDevices() { subs.clear(); }

private:
    QList<const DeviceRecord *> roots;
    QList<const DeviceRecord *> subs;
};
