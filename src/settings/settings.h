// Accessors of the settings store: one getter and one setter per key, each with its own QSettings.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace SettingsKey {
inline const QString usbStandard = QStringLiteral("USBTimeout/standard");
inline const QString usbDiscovery = QStringLiteral("USBTimeout/discovery");
inline const QString rdmDiscoveryResponse = QStringLiteral("RDMTimeout/discovery_response");
inline const QString rdmDiscoveryAny = QStringLiteral("RDMTimeout/discovery_any");
inline const QString rdmGetResponse = QStringLiteral("RDMTimeout/get_response");
inline const QString rdmSetResponse = QStringLiteral("RDMTimeout/set_response");
inline const QString rdmMissingAny = QStringLiteral("RDMTimeout/missing_any");
inline const QString rdmResponseBroadcastAny = QStringLiteral("RDMTimeout/responsebroadcast_any");
inline const QString rdmMaxLength = QStringLiteral("RDMTimeout/max_length");
inline const QString dmxBreak = QStringLiteral("DMXTimeout/break");
inline const QString dmxMab = QStringLiteral("DMXTimeout/mab");
inline const QString dmxInterslot = QStringLiteral("DMXTimeout/interslot");
inline const QString dmxWait = QStringLiteral("DMXTimeout/wait");
inline const QString supportedLanguages = QStringLiteral("Language/supported_languages");
inline const QString currentLanguage = QStringLiteral("Language/current_language");
} // namespace SettingsKey

// USB time limits, milliseconds.
quint32 usbStandardTimeout();
void setUsbStandardTimeout(quint32 milliseconds);
quint32 usbDiscoveryTimeout();
void setUsbDiscoveryTimeout(quint32 milliseconds);

// RDM timing, microseconds.
quint32 rdmDiscoveryResponseTimeout();
void setRdmDiscoveryResponseTimeout(quint32 microseconds);
quint32 rdmDiscoveryAnyTimeout();
void setRdmDiscoveryAnyTimeout(quint32 microseconds);
quint32 rdmGetResponseTimeout();
void setRdmGetResponseTimeout(quint32 microseconds);
quint32 rdmSetResponseTimeout();
void setRdmSetResponseTimeout(quint32 microseconds);
quint32 rdmMissingAnyTimeout();
void setRdmMissingAnyTimeout(quint32 microseconds);
quint32 rdmResponseBroadcastAnyTimeout();
void setRdmResponseBroadcastAnyTimeout(quint32 microseconds);
quint32 rdmMaxLengthTimeout();
void setRdmMaxLengthTimeout(quint32 microseconds);

// DMX timing, microseconds.
quint32 dmxBreakTime();
void setDmxBreakTime(quint32 microseconds);
quint32 dmxMabTime();
void setDmxMabTime(quint32 microseconds);
quint32 dmxInterslotTime();
void setDmxInterslotTime(quint32 microseconds);
quint32 dmxWaitTime();
void setDmxWaitTime(quint32 microseconds);

// Language choice.
QStringList supportedLanguages();
quint32 currentLanguage();
// Stores the index and rewrites the language file for the next start.
void setCurrentLanguage(quint32 index);

// Names the organisation and application that locate the store; must precede any settings access.
void nameSettingsStore();

// Writes the default of every key the store does not hold yet; never overwrites.
void writeDefaultSettings();
