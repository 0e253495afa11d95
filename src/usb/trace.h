// The development trace: logging categories that stay silent unless the trace is asked for.
#pragma once

#include <QLoggingCategory>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(usbTrace)
Q_DECLARE_LOGGING_CATEGORY(rdmTrace)
Q_DECLARE_LOGGING_CATEGORY(firmwareTrace)

// The option both programs accept to turn the trace on.
inline const QString traceOption = QStringLiteral("--trace");

// Turns every category of the trace on; rules in QT_LOGGING_RULES still take precedence.
void enableTrace();
