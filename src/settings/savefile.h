// Writing a whole file in one step, so a failed write never leaves half a file behind.
#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes in one step; false with the reason in *error otherwise.
bool saveBytes(const QString &path, const QByteArray &bytes, QString *error);
