// The main window on the process-wide simulated interface, driven through its widgets' object names.
#pragma once

#include "mainwindow/orv_rdm_controller.h"
#include "rdm/logpanel.h"
#include "manualclock.h"
#include "messageboxes.h"
#include "settings/settings.h"
#include "simulator/simulatedbackend.h"
#include "simulator/simulatedresponder.h"
#include "usb/usbdevice.h"

#include <QPushButton>
#include <QTreeView>
#include <memory>

class WindowRig
{
public:
    // Chooses the scenario the process-wide backend loads and fills the settings store; call it before
    // anything touches either.
    static bool startSimulator(const char *scenario)
    {
        qputenv("RB604_SIMULATOR", scenario);
        nameSettingsStore();
        writeDefaultSettings();
        return bus() != nullptr;
    }
    static SimulatedBackend *bus() { return dynamic_cast<SimulatedBackend *>(UsbDevice::processUsbBackend()); }
    static SimulatedLine &line() { return bus()->interfaceAt(0).line(); }
    static SimulatedResponder &responder(quint64 uid)
    {
        return *dynamic_cast<SimulatedResponder *>(line().responder(uid).get());
    }

    void openWindow()
    {
        window = std::make_unique<Orv_RDM_Controller>();
        window->setEngineClock(&clock);
    }
    template <typename T> T *widget(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no widget %s", name);
        return found;
    }
    void fullDiscovery() const { widget<QPushButton>("pushButtonFullDiscovery")->click(); }
    QTreeView *deviceList() const { return widget<QTreeView>("treeViewDevices"); }
    // Selects the device row under `parent` that reads `text`; false when there is none.
    bool selectDevice(const QString &text, const QModelIndex &parent = QModelIndex()) const
    {
        const QAbstractItemModel *model = deviceList()->model();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            if (model->index(row, 0, parent).data().toString() == text) {
                deviceList()->selectionModel()->select(
                    model->index(row, 0, parent), QItemSelectionModel::ClearAndSelect);
                return true;
            }
        }
        return false;
    }
    // The log panel's lines without their time stamps.
    QStringList logLines() const
    {
        QStringList lines = widget<LogPanel>("textEditLog")->lines();
        for (QString &line : lines)
            line.remove(0, 11);
        return lines;
    }
    // Command class, PID and parameter data of each RDM request since the transfer log was cleared, as hex.
    static QStringList requests()
    {
        QStringList summaries;
        for (const TransferRecord &transfer : bus()->transferLog()) {
            const QByteArray &bytes = transfer.data;
            if (transfer.request != 9 || bytes.size() < 24 || quint8(bytes.at(0)) != 0xCC)
                continue;
            summaries.append(
                QString::fromLatin1(bytes.mid(20, 3).toHex() + ' ' + bytes.mid(24, quint8(bytes.at(23))).toHex())
                    .trimmed());
        }
        return summaries;
    }
    std::unique_ptr<Orv_RDM_Controller> window;
    ManualClock clock;
};
