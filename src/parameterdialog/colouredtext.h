// Coloured rich text for labels and lists.
#pragma once

#include <QString>

// Rich text shown in one colour; the text is already HTML (escaped or markup of our own).
inline QString coloured(const char *colour, const QString &html)
{
    return QStringLiteral("<font color='%1'>").arg(QLatin1String(colour)) + html + QStringLiteral("</font>");
}
