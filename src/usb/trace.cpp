// The trace categories; debug lines are off by default so that nothing is formatted for them.
#include "usb/trace.h"

Q_LOGGING_CATEGORY(usbTrace, "orv.usb", QtInfoMsg)
Q_LOGGING_CATEGORY(rdmTrace, "orv.rdm", QtInfoMsg)
Q_LOGGING_CATEGORY(firmwareTrace, "orv.firmware", QtInfoMsg)

void enableTrace()
{
    QLoggingCategory::setFilterRules(QStringLiteral("orv.*.debug=true"));
}
