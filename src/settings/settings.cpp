// The settings store: keys, defaults and accessors.
#include "settings/settings.h"

#include "settings/languagefile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

namespace {

struct Default
{
    const QString &key;
    QVariant value;
};

// In the order the defaults writer visits them.
const Default defaults[] = {
    {SettingsKey::usbStandard, 5000u},
    {SettingsKey::usbDiscovery, 150000u},
    {SettingsKey::rdmDiscoveryResponse, 2800u},
    {SettingsKey::rdmDiscoveryAny, 5800u},
    {SettingsKey::rdmGetResponse, 1000000u},
    {SettingsKey::rdmSetResponse, 1000000u},
    {SettingsKey::rdmMissingAny, 3000u},
    {SettingsKey::rdmResponseBroadcastAny, 176u},
    {SettingsKey::rdmMaxLength, 1000000u},
    {SettingsKey::dmxBreak, 88u},
    {SettingsKey::dmxMab, 8u},
    {SettingsKey::dmxInterslot, 0u},
    {SettingsKey::dmxWait, 100u},
    {SettingsKey::supportedLanguages, QStringList{"English", "Polski", "Deutsch"}},
    {SettingsKey::currentLanguage, 0u},
};

quint32 readUnsigned(const QString &key)
{
    bool ok = false;
    const quint32 value = QSettings().value(key).toUInt(&ok);
    return ok ? value : 0;
}

void writeUnsigned(const QString &key, quint32 value)
{
    QSettings().setValue(key, value);
}

} // namespace

quint32 usbStandardTimeout() { return readUnsigned(SettingsKey::usbStandard); }
void setUsbStandardTimeout(quint32 milliseconds) { writeUnsigned(SettingsKey::usbStandard, milliseconds); }
quint32 usbDiscoveryTimeout() { return readUnsigned(SettingsKey::usbDiscovery); }
void setUsbDiscoveryTimeout(quint32 milliseconds) { writeUnsigned(SettingsKey::usbDiscovery, milliseconds); }

quint32 rdmDiscoveryResponseTimeout() { return readUnsigned(SettingsKey::rdmDiscoveryResponse); }
void setRdmDiscoveryResponseTimeout(quint32 microseconds) { writeUnsigned(SettingsKey::rdmDiscoveryResponse, microseconds); }
quint32 rdmDiscoveryAnyTimeout() { return readUnsigned(SettingsKey::rdmDiscoveryAny); }
void setRdmDiscoveryAnyTimeout(quint32 microseconds) { writeUnsigned(SettingsKey::rdmDiscoveryAny, microseconds); }
quint32 rdmGetResponseTimeout() { return readUnsigned(SettingsKey::rdmGetResponse); }
void setRdmGetResponseTimeout(quint32 microseconds) { writeUnsigned(SettingsKey::rdmGetResponse, microseconds); }
quint32 rdmSetResponseTimeout() { return readUnsigned(SettingsKey::rdmSetResponse); }
void setRdmSetResponseTimeout(quint32 microseconds) { writeUnsigned(SettingsKey::rdmSetResponse, microseconds); }
quint32 rdmMissingAnyTimeout() { return readUnsigned(SettingsKey::rdmMissingAny); }
void setRdmMissingAnyTimeout(quint32 microseconds) { writeUnsigned(SettingsKey::rdmMissingAny, microseconds); }
quint32 rdmResponseBroadcastAnyTimeout() { return readUnsigned(SettingsKey::rdmResponseBroadcastAny); }
void setRdmResponseBroadcastAnyTimeout(quint32 microseconds) { writeUnsigned(SettingsKey::rdmResponseBroadcastAny, microseconds); }
quint32 rdmMaxLengthTimeout() { return readUnsigned(SettingsKey::rdmMaxLength); }
void setRdmMaxLengthTimeout(quint32 microseconds) { writeUnsigned(SettingsKey::rdmMaxLength, microseconds); }

quint32 dmxBreakTime() { return readUnsigned(SettingsKey::dmxBreak); }
void setDmxBreakTime(quint32 microseconds) { writeUnsigned(SettingsKey::dmxBreak, microseconds); }
quint32 dmxMabTime() { return readUnsigned(SettingsKey::dmxMab); }
void setDmxMabTime(quint32 microseconds) { writeUnsigned(SettingsKey::dmxMab, microseconds); }
quint32 dmxInterslotTime() { return readUnsigned(SettingsKey::dmxInterslot); }
void setDmxInterslotTime(quint32 microseconds) { writeUnsigned(SettingsKey::dmxInterslot, microseconds); }
quint32 dmxWaitTime() { return readUnsigned(SettingsKey::dmxWait); }
void setDmxWaitTime(quint32 microseconds) { writeUnsigned(SettingsKey::dmxWait, microseconds); }

QStringList supportedLanguages()
{
    return QSettings().value(SettingsKey::supportedLanguages).toStringList();
}

quint32 currentLanguage() { return readUnsigned(SettingsKey::currentLanguage); }

void setCurrentLanguage(quint32 index)
{
    writeUnsigned(SettingsKey::currentLanguage, index);
    writeLanguageFile(languageCodeForIndex(index));
}

void nameSettingsStore()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orv"));
    QCoreApplication::setApplicationName(QStringLiteral("Orv RDM Controller"));
}

void writeDefaultSettings()
{
    QSettings settings;
    for (const Default &entry : defaults) {
        if (!settings.contains(entry.key))
            settings.setValue(entry.key, entry.value);
    }
}
