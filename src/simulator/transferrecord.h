// One control transfer as the simulated bus saw it, kept in the transfer log.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

enum class TransferDirection { Out, In };

struct TransferRecord
{
    TransferDirection direction = TransferDirection::Out;
    QString deviceName;   // the device the handle was opened on, e.g. "004"
    quint8 requestType = 0;
    quint8 request = 0;
    quint16 value = 0;
    quint16 index = 0;
    QByteArray data;      // out: the bytes sent; in: the bytes answered
    int result = 0;
};
