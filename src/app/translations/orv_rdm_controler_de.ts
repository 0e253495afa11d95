<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DMXFaderDialog</name>
    <message>
        <source>DMX Fader</source>
        <translation>DMX-Fader</translation>
    </message>
    <message>
        <source>Sliders</source>
        <translation>Schieberegler</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
</context>
<context>
    <name>DMXTimeoutDialog</name>
    <message>
        <source>DMX Timeout Preferences</source>
        <translation>DMX-Timeout-Einstellungen</translation>
    </message>
    <message>
        <source>Break (µs)</source>
        <translation>Break (µs)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Strikt</translation>
    </message>
    <message>
        <source>Mark After Break (µs)</source>
        <translation>Mark After Break (µs)</translation>
    </message>
    <message>
        <source>Space between slots (µs)</source>
        <translation>Abstand zwischen Slots (µs)</translation>
    </message>
    <message>
        <source>Space between packets (µs)</source>
        <translation>Abstand zwischen Paketen (µs)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>DMX Timeouts Changed</source>
        <translation>DMX-Timeouts geändert</translation>
    </message>
    <message>
        <source>Couldn&apos;t change DMX Timeouts</source>
        <translation>DMX-Timeouts konnten nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>Dialog_Info</name>
    <message>
        <source>Orv RDM Controller Information</source>
        <translation>Informationen zu Orv RDM Controller</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Orv RDM Controller</source>
        <translation>Orv RDM Controller</translation>
    </message>
    <message>
        <source>Finds the RDM responders on a DMX512 line through the Rb604 USB interface, shows and changes their settings, reads their sensors and counters, lays them out on the DMX patch grid and sets DMX levels by hand.</source>
        <translation>Findet die RDM-Responder auf einer DMX512-Leitung über das USB-Interface Rb604, zeigt und ändert ihre Einstellungen, liest ihre Sensoren und Zähler, ordnet sie im DMX-Patch-Raster an und setzt DMX-Pegel von Hand.</translation>
    </message>
    <message>
        <source>Settings are kept in:</source>
        <translation>Die Einstellungen liegen in:</translation>
    </message>
    <message>
        <source>The language chosen at start is kept in the file Rb604.rbi in the working directory.</source>
        <translation>Die beim Start gewählte Sprache steht in der Datei Rb604.rbi im Arbeitsverzeichnis.</translation>
    </message>
</context>
<context>
    <name>GetSetDialog</name>
    <message>
        <source>Unsigned Byte</source>
        <translation>Byte ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Signed Byte</source>
        <translation>Byte mit Vorzeichen</translation>
    </message>
    <message>
        <source>Unsigned Word</source>
        <translation>Wort ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Signed Word</source>
        <translation>Wort mit Vorzeichen</translation>
    </message>
    <message>
        <source>Unsigned Double Word</source>
        <translation>Doppelwort ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Unsigned DWord</source>
        <translation>DWord ohne Vorzeichen</translation>
    </message>
    <message>
        <source>Signed Double Word</source>
        <translation>Doppelwort mit Vorzeichen</translation>
    </message>
    <message>
        <source>Signed DWord</source>
        <translation>DWord mit Vorzeichen</translation>
    </message>
    <message>
        <source>Bit Field</source>
        <translation>Bitfeld</translation>
    </message>
    <message>
        <source>Bit field:</source>
        <translation>Bitfeld:</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Zeichenkette</translation>
    </message>
    <message>
        <source>String:</source>
        <translation>Zeichenkette:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>RDM Get</source>
        <translation>RDM Get</translation>
    </message>
    <message>
        <source>RDM Set</source>
        <translation>RDM Set</translation>
    </message>
    <message>
        <source>Selected device:</source>
        <translation>Ausgewähltes Gerät:</translation>
    </message>
    <message>
        <source>Broadcast: Selected Manufacturer</source>
        <translation>Broadcast: ausgewählter Hersteller</translation>
    </message>
    <message>
        <source>Broadcast: All Devices</source>
        <translation>Broadcast: alle Geräte</translation>
    </message>
    <message>
        <source>Broadcast: All Sub-Devices</source>
        <translation>Broadcast: alle Sub-Devices</translation>
    </message>
    <message>
        <source>RDM Set Recipient:</source>
        <translation>Empfänger des RDM Set:</translation>
    </message>
    <message>
        <source>Add field (if necessary):</source>
        <translation>Feld hinzufügen (falls nötig):</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>STANDARD</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>All sensors</source>
        <translation>Alle Sensoren</translation>
    </message>
    <message>
        <source>Sensor:</source>
        <translation>Sensor:</translation>
    </message>
    <message>
        <source>Language code (2 chars):</source>
        <translation>Sprachcode (2 Zeichen):</translation>
    </message>
    <message>
        <source>Language code:</source>
        <translation>Sprachcode:</translation>
    </message>
    <message>
        <source>Last message (0x01)</source>
        <translation>Letzte Meldung (0x01)</translation>
    </message>
    <message>
        <source>Advisory (0x02)</source>
        <translation>Hinweis (0x02)</translation>
    </message>
    <message>
        <source>Warning (0x03)</source>
        <translation>Warnung (0x03)</translation>
    </message>
    <message>
        <source>Error (0x04)</source>
        <translation>Fehler (0x04)</translation>
    </message>
    <message>
        <source>Status type:</source>
        <translation>Statustyp:</translation>
    </message>
    <message>
        <source>None (0x00)</source>
        <translation>Keine (0x00)</translation>
    </message>
    <message>
        <source>Status id:</source>
        <translation>Status-ID:</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>Personality:</source>
        <translation>DMX-Modus:</translation>
    </message>
    <message>
        <source>Slot number</source>
        <translation>Slotnummer</translation>
    </message>
    <message>
        <source>Test number:</source>
        <translation>Testnummer:</translation>
    </message>
    <message>
        <source>Off (0x00)</source>
        <translation>Aus (0x00)</translation>
    </message>
    <message>
        <source>On (0x01)</source>
        <translation>Ein (0x01)</translation>
    </message>
    <message>
        <source>Device label:</source>
        <translation>Gerätebezeichnung:</translation>
    </message>
    <message>
        <source>DMX Start Address:</source>
        <translation>DMX-Startadresse:</translation>
    </message>
    <message>
        <source>Device hours:</source>
        <translation>Betriebsstunden:</translation>
    </message>
    <message>
        <source>Lamp hours:</source>
        <translation>Lampenstunden:</translation>
    </message>
    <message>
        <source>Lamp strikes:</source>
        <translation>Lampenzündungen:</translation>
    </message>
    <message>
        <source>Device power cycles:</source>
        <translation>Einschaltzyklen:</translation>
    </message>
    <message>
        <source>LAMP_OFF (0x00)</source>
        <translation>LAMP_OFF (0x00)</translation>
    </message>
    <message>
        <source>LAMP_ON (0x01)</source>
        <translation>LAMP_ON (0x01)</translation>
    </message>
    <message>
        <source>LAMP_STRIKE (0x02)</source>
        <translation>LAMP_STRIKE (0x02)</translation>
    </message>
    <message>
        <source>LAMP_STANDBY (0x03)</source>
        <translation>LAMP_STANDBY (0x03)</translation>
    </message>
    <message>
        <source>Lamp state:</source>
        <translation>Lampenzustand:</translation>
    </message>
    <message>
        <source>LAMP_ON_MODE_OFF (0x00)</source>
        <translation>LAMP_ON_MODE_OFF (0x00)</translation>
    </message>
    <message>
        <source>LAMP_ON_MODE_DMX (0x01)</source>
        <translation>LAMP_ON_MODE_DMX (0x01)</translation>
    </message>
    <message>
        <source>LAMP_ON_MODE_ON (0x02)</source>
        <translation>LAMP_ON_MODE_ON (0x02)</translation>
    </message>
    <message>
        <source>LAMP_ON_MODE_AFTER_CAL (0x03)</source>
        <translation>LAMP_ON_MODE_AFTER_CAL (0x03)</translation>
    </message>
    <message>
        <source>Lamp on mode:</source>
        <translation>Lampen-Einschaltmodus:</translation>
    </message>
    <message>
        <source>Auto (0x02)</source>
        <translation>Auto (0x02)</translation>
    </message>
    <message>
        <source>Display invert:</source>
        <translation>Display-Invertierung:</translation>
    </message>
    <message>
        <source>Display level:</source>
        <translation>Displayhelligkeit:</translation>
    </message>
    <message>
        <source>Pan invert:</source>
        <translation>Pan-Invertierung:</translation>
    </message>
    <message>
        <source>Tilt invert:</source>
        <translation>Tilt-Invertierung:</translation>
    </message>
    <message>
        <source>Pan tilt swap:</source>
        <translation>Pan/Tilt-Tausch:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Stunde:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Sekunde:</translation>
    </message>
    <message>
        <source>Identify Device:</source>
        <translation>Gerät identifizieren:</translation>
    </message>
    <message>
        <source>Warm (0x01)</source>
        <translation>Warm (0x01)</translation>
    </message>
    <message>
        <source>Cold (0xFF)</source>
        <translation>Kalt (0xFF)</translation>
    </message>
    <message>
        <source>Reset Device:</source>
        <translation>Gerät zurücksetzen:</translation>
    </message>
    <message>
        <source>Full Off (0x00)</source>
        <translation>Vollständig aus (0x00)</translation>
    </message>
    <message>
        <source>Shutdown (0x01)</source>
        <translation>Abgeschaltet (0x01)</translation>
    </message>
    <message>
        <source>Standby (0x02)</source>
        <translation>Standby (0x02)</translation>
    </message>
    <message>
        <source>Normal (0xFF)</source>
        <translation>Normal (0xFF)</translation>
    </message>
    <message>
        <source>Power state:</source>
        <translation>Energiezustand:</translation>
    </message>
    <message>
        <source>Perform selftest:</source>
        <translation>Selbsttest ausführen:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Szene:</translation>
    </message>
    <message>
        <source>Up fade time (Multiplier 10^-1):</source>
        <translation>Einblendzeit (Faktor 10^-1):</translation>
    </message>
    <message>
        <source>Down fade time: (Multiplier 10^-1)</source>
        <translation>Ausblendzeit (Faktor 10^-1):</translation>
    </message>
    <message>
        <source>Wait time: (Multiplier 10^-1)</source>
        <translation>Wartezeit (Faktor 10^-1):</translation>
    </message>
    <message>
        <source>Mode (0-OFF/65535-All):</source>
        <translation>Modus (0-AUS/65535-alle):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Pegel:</translation>
    </message>
    <message>
        <source>The fields hold %1 bytes of parameter data; a request carries at most %2.</source>
        <translation>Die Felder enthalten %1 Byte Parameterdaten; eine Anfrage fasst höchstens %2.</translation>
    </message>
    <message>
        <source>(truncated)</source>
        <translation>(abgeschnitten)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Proxied devices</source>
        <translation>Proxy-Geräte</translation>
    </message>
    <message>
        <source>manufacturer id</source>
        <translation>Hersteller-ID</translation>
    </message>
    <message>
        <source>device id</source>
        <translation>Geräte-ID</translation>
    </message>
    <message>
        <source>Proxied device count</source>
        <translation>Anzahl Proxy-Geräte</translation>
    </message>
    <message>
        <source>device count</source>
        <translation>Geräteanzahl</translation>
    </message>
    <message>
        <source>list changed</source>
        <translation>Liste geändert</translation>
    </message>
    <message>
        <source>Comms status</source>
        <translation>Kommunikationsstatus</translation>
    </message>
    <message>
        <source>short message</source>
        <translation>zu kurze Nachrichten</translation>
    </message>
    <message>
        <source>length mismatch</source>
        <translation>Längenfehler</translation>
    </message>
    <message>
        <source>checksum fail</source>
        <translation>Prüfsummenfehler</translation>
    </message>
    <message>
        <source>Status messages</source>
        <translation>Statusmeldungen</translation>
    </message>
    <message>
        <source>sub device</source>
        <translation>Sub-Device</translation>
    </message>
    <message>
        <source>status type</source>
        <translation>Statustyp</translation>
    </message>
    <message>
        <source>message id</source>
        <translation>Meldungs-ID</translation>
    </message>
    <message>
        <source>value 1</source>
        <translation>Wert 1</translation>
    </message>
    <message>
        <source>value 2</source>
        <translation>Wert 2</translation>
    </message>
    <message>
        <source>Status id description label</source>
        <translation>Beschreibung der Status-ID</translation>
    </message>
    <message>
        <source>Status type</source>
        <translation>Statustyp</translation>
    </message>
    <message>
        <source>Parameter id&apos;s</source>
        <translation>Parameter-IDs</translation>
    </message>
    <message>
        <source>Parameter description</source>
        <translation>Parameterbeschreibung</translation>
    </message>
    <message>
        <source>pid</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>pdl size</source>
        <translation>PDL-Größe</translation>
    </message>
    <message>
        <source>data type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>command class</source>
        <translation>Befehlsklasse</translation>
    </message>
    <message>
        <source>type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>min value:</source>
        <translation>Min.-Wert:</translation>
    </message>
    <message>
        <source>max value:</source>
        <translation>Max.-Wert:</translation>
    </message>
    <message>
        <source>default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Geräteinfo</translation>
    </message>
    <message>
        <source>protocol major</source>
        <translation>Protokoll-Hauptversion</translation>
    </message>
    <message>
        <source>protocol minor</source>
        <translation>Protokoll-Unterversion</translation>
    </message>
    <message>
        <source>device model id</source>
        <translation>Gerätemodell-ID</translation>
    </message>
    <message>
        <source>product category</source>
        <translation>Produktkategorie</translation>
    </message>
    <message>
        <source>software version id</source>
        <translation>Softwareversions-ID</translation>
    </message>
    <message>
        <source>DMX footprint</source>
        <translation>DMX-Footprint</translation>
    </message>
    <message>
        <source>current personality</source>
        <translation>aktueller Modus</translation>
    </message>
    <message>
        <source>personality count</source>
        <translation>Anzahl Modi</translation>
    </message>
    <message>
        <source>DMX start address</source>
        <translation>DMX-Startadresse</translation>
    </message>
    <message>
        <source>subdevice count</source>
        <translation>Anzahl Sub-Devices</translation>
    </message>
    <message>
        <source>sensor count</source>
        <translation>Anzahl Sensoren</translation>
    </message>
    <message>
        <source>Product detail id list</source>
        <translation>Liste der Produktdetail-IDs</translation>
    </message>
    <message>
        <source>detail id&apos;s</source>
        <translation>Detail-IDs</translation>
    </message>
    <message>
        <source>Language capabilities</source>
        <translation>Unterstützte Sprachen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Current personality</source>
        <translation>Aktueller Modus</translation>
    </message>
    <message>
        <source>Personality</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>slots required</source>
        <translation>benötigte Slots</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Slot infos</source>
        <translation>Slot-Infos</translation>
    </message>
    <message>
        <source>slot offset</source>
        <translation>Slot-Offset</translation>
    </message>
    <message>
        <source>slot type</source>
        <translation>Slot-Typ</translation>
    </message>
    <message>
        <source>slot label id</source>
        <translation>Slot-Label-ID</translation>
    </message>
    <message>
        <source>Slot description</source>
        <translation>Slot-Beschreibung</translation>
    </message>
    <message>
        <source>slot number</source>
        <translation>Slotnummer</translation>
    </message>
    <message>
        <source>Default slot values</source>
        <translation>Standardwerte der Slots</translation>
    </message>
    <message>
        <source>default slot value</source>
        <translation>Slot-Standardwert</translation>
    </message>
    <message>
        <source>Sensor definition</source>
        <translation>Sensordefinition</translation>
    </message>
    <message>
        <source>sensor number</source>
        <translation>Sensornummer</translation>
    </message>
    <message>
        <source>range min</source>
        <translation>Bereich min.</translation>
    </message>
    <message>
        <source>range max</source>
        <translation>Bereich max.</translation>
    </message>
    <message>
        <source>normal min</source>
        <translation>Normal min.</translation>
    </message>
    <message>
        <source>normal max</source>
        <translation>Normal max.</translation>
    </message>
    <message>
        <source>lowest/highest detected values supported</source>
        <translation>niedrigster/höchster erfasster Wert unterstützt</translation>
    </message>
    <message>
        <source>recorded value supported</source>
        <translation>gespeicherter Wert unterstützt</translation>
    </message>
    <message>
        <source>Sensor value</source>
        <translation>Sensorwert</translation>
    </message>
    <message>
        <source>present value</source>
        <translation>aktueller Wert</translation>
    </message>
    <message>
        <source>lowest</source>
        <translation>niedrigster</translation>
    </message>
    <message>
        <source>highest</source>
        <translation>höchster</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>gespeichert</translation>
    </message>
    <message>
        <source>Display level</source>
        <translation>Displayhelligkeit</translation>
    </message>
    <message>
        <source>Real time clock</source>
        <translation>Echtzeituhr</translation>
    </message>
    <message>
        <source>year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Self test description</source>
        <translation>Selbsttest-Beschreibung</translation>
    </message>
    <message>
        <source>test number</source>
        <translation>Testnummer</translation>
    </message>
    <message>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Preset playback</source>
        <translation>Preset-Wiedergabe</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>bit fields</source>
        <translation>Bitfelder</translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>unsigned bytes</source>
        <translation>Bytes ohne Vorzeichen</translation>
    </message>
    <message>
        <source>signed bytes</source>
        <translation>Bytes mit Vorzeichen</translation>
    </message>
    <message>
        <source>unsigned words</source>
        <translation>Wörter ohne Vorzeichen</translation>
    </message>
    <message>
        <source>signed words</source>
        <translation>Wörter mit Vorzeichen</translation>
    </message>
    <message>
        <source>unsigned dwords</source>
        <translation>Doppelwörter ohne Vorzeichen</translation>
    </message>
    <message>
        <source>signed dwords</source>
        <translation>Doppelwörter mit Vorzeichen</translation>
    </message>
    <message>
        <source>Device model description</source>
        <translation>Gerätemodellbeschreibung</translation>
    </message>
    <message>
        <source>Manufacturer label</source>
        <translation>Herstellername</translation>
    </message>
    <message>
        <source>Device Label</source>
        <translation>Gerätebezeichnung</translation>
    </message>
    <message>
        <source>Software version label</source>
        <translation>Softwareversionsbezeichnung</translation>
    </message>
    <message>
        <source>Boot software version label</source>
        <translation>Bootloader-Versionsbezeichnung</translation>
    </message>
    <message>
        <source>Boot software version id</source>
        <translation>Bootloader-Versions-ID</translation>
    </message>
    <message>
        <source>Device hours</source>
        <translation>Betriebsstunden</translation>
    </message>
    <message>
        <source>Lamp hours</source>
        <translation>Lampenstunden</translation>
    </message>
    <message>
        <source>Lamp strikes</source>
        <translation>Lampenzündungen</translation>
    </message>
    <message>
        <source>Device power cycles</source>
        <translation>Einschaltzyklen</translation>
    </message>
    <message>
        <source>Lamp state</source>
        <translation>Lampenzustand</translation>
    </message>
    <message>
        <source>Lamp on mode</source>
        <translation>Lampen-Einschaltmodus</translation>
    </message>
    <message>
        <source>Display invert</source>
        <translation>Display-Invertierung</translation>
    </message>
    <message>
        <source>Power state</source>
        <translation>Energiezustand</translation>
    </message>
    <message>
        <source>Pan invert</source>
        <translation>Pan-Invertierung</translation>
    </message>
    <message>
        <source>Tilt invert</source>
        <translation>Tilt-Invertierung</translation>
    </message>
    <message>
        <source>Pan tilt swap</source>
        <translation>Pan/Tilt-Tausch</translation>
    </message>
    <message>
        <source>Identify device</source>
        <translation>Gerät identifizieren</translation>
    </message>
    <message>
        <source>Perform self test</source>
        <translation>Selbsttest</translation>
    </message>
    <message>
        <source>Sensor number</source>
        <translation>Sensornummer</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigster</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchster</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Gespeichert</translation>
    </message>
</context>
<context>
    <name>Orv_RDM_Controller</name>
    <message>
        <source>Orv Rdm Controller</source>
        <translation>Orv Rdm Controller</translation>
    </message>
    <message>
        <source>Device Overview</source>
        <translation>Geräteübersicht</translation>
    </message>
    <message>
        <source>DMX Patch Grid</source>
        <translation>DMX-Patch-Raster</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensoren</translation>
    </message>
    <message>
        <source>RDM Settings</source>
        <translation>RDM-Einstellungen</translation>
    </message>
    <message>
        <source>Log Messages</source>
        <translation>Protokollmeldungen</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Timeouts</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Discovery</source>
        <translation>Gerätesuche</translation>
    </message>
    <message>
        <source>Full Discovery</source>
        <translation>Komplettsuche</translation>
    </message>
    <message>
        <source>Add. Discovery</source>
        <translation>Zusätzl. Suche</translation>
    </message>
    <message>
        <source>RDM Timeout</source>
        <translation>RDM-Timeout</translation>
    </message>
    <message>
        <source>USB Timeout</source>
        <translation>USB-Timeout</translation>
    </message>
    <message>
        <source>DMX Timeout</source>
        <translation>DMX-Timeout</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Change Firmware</source>
        <translation>Firmware wechseln</translation>
    </message>
    <message>
        <source>CreateUpg</source>
        <translation>Update-Datei erstellen</translation>
    </message>
    <message>
        <source>CreateBootBin</source>
        <translation>Bootloader-Abbild erstellen</translation>
    </message>
    <message>
        <source>RunApplication</source>
        <translation>Anwendung starten</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Orv RDM Controller ver. </source>
        <translation>Orv RDM Controller Version </translation>
    </message>
    <message>
        <source>Looking for ORV controllers, </source>
        <translation>Suche nach ORV-Controllern, </translation>
    </message>
    <message>
        <source> found.</source>
        <translation> gefunden.</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connection succeeded</source>
        <translation>Verbindung hergestellt</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Verbindung wird getrennt</translation>
    </message>
    <message>
        <source>Disconnecting after USB error</source>
        <translation>Verbindung wird nach USB-Fehler getrennt</translation>
    </message>
    <message>
        <source>Trying to reconnect</source>
        <translation>Erneuter Verbindungsversuch</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Restart program to apply changes.</source>
        <translation>Starten Sie das Programm neu, um die Änderungen zu übernehmen.</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>Geräteinfo</translation>
    </message>
    <message>
        <source>NO DEVICE</source>
        <translation>KEIN GERÄT</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>DMX 512</source>
        <translation>DMX 512</translation>
    </message>
    <message>
        <source>Current Personality:</source>
        <translation>Aktueller Modus:</translation>
    </message>
    <message>
        <source>Footprint:</source>
        <translation>Footprint:</translation>
    </message>
    <message>
        <source>Start Address:</source>
        <translation>Startadresse:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Device Model ID:</source>
        <translation>Gerätemodell-ID:</translation>
    </message>
    <message>
        <source>Software Version ID:</source>
        <translation>Softwareversions-ID:</translation>
    </message>
    <message>
        <source>Manufacturer Label:</source>
        <translation>Herstellername:</translation>
    </message>
    <message>
        <source>RDM Protocol Version:</source>
        <translation>RDM-Protokollversion:</translation>
    </message>
    <message>
        <source>Sub Device Count:</source>
        <translation>Anzahl Sub-Devices:</translation>
    </message>
    <message>
        <source>Product Category:</source>
        <translation>Produktkategorie:</translation>
    </message>
    <message>
        <source>Device Label:</source>
        <translation>Gerätebezeichnung:</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identifizieren</translation>
    </message>
    <message>
        <source>Supported Parameters</source>
        <translation>Unterstützte Parameter</translation>
    </message>
    <message>
        <source>Parameter Count:</source>
        <translation>Anzahl Parameter:</translation>
    </message>
    <message>
        <source>Parameters:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>Device Control..</source>
        <translation>Gerätesteuerung..</translation>
    </message>
    <message>
        <source>Auto Patch</source>
        <translation>Auto-Patch</translation>
    </message>
    <message>
        <source>Avaible sensors:</source>
        <translation>Verfügbare Sensoren:</translation>
    </message>
    <message>
        <source>Refresh All</source>
        <translation>Alle aktualisieren</translation>
    </message>
    <message>
        <source>Sensor Count:</source>
        <translation>Anzahl Sensoren:</translation>
    </message>
    <message>
        <source>Sensor type:</source>
        <translation>Sensortyp:</translation>
    </message>
    <message>
        <source>Last update:</source>
        <translation>Letzte Abfrage:</translation>
    </message>
    <message>
        <source>Normal operation values</source>
        <translation>Normaler Betriebsbereich</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Lowest and Highest detected value</source>
        <translation>Niedrigster und höchster erfasster Wert</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Niedrigster</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Höchster</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Device hours:</source>
        <translation>Betriebsstunden:</translation>
    </message>
    <message>
        <source>Device power cycles:</source>
        <translation>Einschaltzyklen:</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampe</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Stunden:</translation>
    </message>
    <message>
        <source>Strikes:</source>
        <translation>Zündungen:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Zustand:</translation>
    </message>
    <message>
        <source>PID - GET/SET</source>
        <translation>PID - GET/SET</translation>
    </message>
    <message>
        <source>No Device Selected</source>
        <translation>Kein Gerät ausgewählt</translation>
    </message>
    <message>
        <source>Refresh PIDs</source>
        <translation>PIDs aktualisieren</translation>
    </message>
    <message>
        <source>No PID Selected</source>
        <translation>Keine PID ausgewählt</translation>
    </message>
    <message>
        <source>PID:</source>
        <translation>PID:</translation>
    </message>
    <message>
        <source>PID Description</source>
        <translation>PID-Beschreibung</translation>
    </message>
    <message>
        <source>RDM GET</source>
        <translation>RDM GET</translation>
    </message>
    <message>
        <source>RDM SET</source>
        <translation>RDM SET</translation>
    </message>
    <message>
        <source>SORT BY:</source>
        <translation>SORTIEREN:</translation>
    </message>
    <message>
        <source>ORDER:</source>
        <translation>REIHENFOLGE:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Gerätetyp</translation>
    </message>
    <message>
        <source>Start Address</source>
        <translation>Startadresse</translation>
    </message>
    <message>
        <source>Device UID</source>
        <translation>Geräte-UID</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>Hex (*.hex)</source>
        <translation>Hex-Dateien (*.hex)</translation>
    </message>
    <message>
        <source>Production year</source>
        <translation>Produktionsjahr</translation>
    </message>
    <message>
        <source>Year(YY)</source>
        <translation>Jahr (JJ)</translation>
    </message>
    <message>
        <source>Production mont</source>
        <translation>Produktionsmonat</translation>
    </message>
    <message>
        <source>Month(MM)</source>
        <translation>Monat (MM)</translation>
    </message>
    <message>
        <source>Production number</source>
        <translation>Produktionsnummer</translation>
    </message>
    <message>
        <source>Number(NNN)</source>
        <translation>Nummer (NNN)</translation>
    </message>
    <message>
        <source>Save bootloader bin</source>
        <translation>Bootloader-Abbild speichern</translation>
    </message>
    <message>
        <source>Bin (*.bin)</source>
        <translation>Bin-Dateien (*.bin)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>USB Error</source>
        <translation>USB-Fehler</translation>
    </message>
    <message>
        <source>Connect Rb604 Device</source>
        <translation>Rb604-Gerät anschließen</translation>
    </message>
    <message>
        <source>Upg (*.upg)</source>
        <translation>Upg-Dateien (*.upg)</translation>
    </message>
    <message>
        <source>HexToBin error: %1)</source>
        <translation>HexToBin-Fehler: %1</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Device discovery in progress...</source>
        <translation>Gerätesuche läuft...</translation>
    </message>
    <message>
        <source>Refreshing UID: 0x</source>
        <translation>UID wird aktualisiert: 0x</translation>
    </message>
    <message>
        <source>Specify correct DMX Start Adress (1-512)</source>
        <translation>Geben Sie eine gültige DMX-Startadresse an (1-512)</translation>
    </message>
    <message>
        <source>Not enough channels for this personality</source>
        <translation>Nicht genug Kanäle für diesen Modus</translation>
    </message>
    <message>
        <source>Bad device label length. Appropriate length is max. 32 chars.</source>
        <translation>Ungültige Länge der Gerätebezeichnung. Zulässig sind höchstens 32 Zeichen.</translation>
    </message>
    <message>
        <source>The device label can hold only Latin-1 characters (one byte each).</source>
        <translation>Die Gerätebezeichnung darf nur Latin-1-Zeichen enthalten (je ein Byte).</translation>
    </message>
    <message>
        <source>Run Application</source>
        <translation>Anwendung wird gestartet</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Data size:</source>
        <translation>Datengröße:</translation>
    </message>
    <message>
        <source>various</source>
        <translation>variabel</translation>
    </message>
    <message>
        <source>Data type:</source>
        <translation>Datentyp:</translation>
    </message>
    <message>
        <source>GET Command:</source>
        <translation>GET-Befehl:</translation>
    </message>
    <message>
        <source>SET Command:</source>
        <translation>SET-Befehl:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Präfix:</translation>
    </message>
    <message>
        <source>Minimum value:</source>
        <translation>Minimalwert:</translation>
    </message>
    <message>
        <source>Maximum value:</source>
        <translation>Maximalwert:</translation>
    </message>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Auto refresh</source>
        <translation>Auto-Aktualisierung</translation>
    </message>
    <message>
        <source>Time between two readings of every sensor</source>
        <translation>Zeit zwischen zwei Abfragen jedes Sensors</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Write every sensor reading of this device as CSV</source>
        <translation>Alle Sensorwerte dieses Geräts als CSV schreiben</translation>
    </message>
    <message>
        <source>Export sensor history</source>
        <translation>Sensorverlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Nicht unterstützt</translation>
    </message>
    <message>
        <source>Sensor history written to %1</source>
        <translation>Sensorverlauf in %1 geschrieben</translation>
    </message>
</context>
<context>
    <name>PatchHelpDialog</name>
    <message>
        <source>Patch grid colors</source>
        <translation>Farben des Patch-Rasters</translation>
    </message>
    <message>
        <source>Patch grid colors:</source>
        <translation>Farben des Patch-Rasters:</translation>
    </message>
    <message>
        <source>Two or more devices overlap each other</source>
        <translation>Zwei oder mehr Geräte überschneiden sich</translation>
    </message>
    <message>
        <source>Channel taken by one device</source>
        <translation>Kanal von einem Gerät belegt</translation>
    </message>
    <message>
        <source>A device shares one channel with its own subdevice</source>
        <translation>Ein Gerät teilt einen Kanal mit seinem eigenen Sub-Device</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RDM</name>
    <message>
        <source>Searching for new devices, please wait...</source>
        <translation>Suche nach neuen Geräten, bitte warten...</translation>
    </message>
    <message>
        <source>Parameter data too long: %1 bytes, at most %2 can be sent</source>
        <translation>Parameterdaten zu lang: %1 Byte, höchstens %2 Byte können gesendet werden</translation>
    </message>
    <message>
        <source>Response record incomplete: %1 of %2 header bytes</source>
        <translation>Antwortdatensatz unvollständig: %1 von %2 Header-Bytes</translation>
    </message>
    <message>
        <source>Response record refused: %1 data bytes announced, at most %2 fit</source>
        <translation>Antwortdatensatz abgelehnt: %1 Datenbytes angekündigt, höchstens %2 passen hinein</translation>
    </message>
    <message>
        <source>Response record incomplete: %1 of %2 data bytes</source>
        <translation>Antwortdatensatz unvollständig: %1 von %2 Datenbytes</translation>
    </message>
    <message>
        <source>missing response</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>bad destination UID</source>
        <translation>falsche Ziel-UID</translation>
    </message>
    <message>
        <source>bad checksum</source>
        <translation>falsche Prüfsumme</translation>
    </message>
    <message>
        <source>bad transaction number</source>
        <translation>falsche Transaktionsnummer</translation>
    </message>
    <message>
        <source>NACK response received: </source>
        <translation>NACK-Antwort empfangen: </translation>
    </message>
    <message>
        <source>ACK Timer - wait </source>
        <translation>ACK Timer - Wartezeit </translation>
    </message>
    <message>
        <source>unknown command class</source>
        <translation>unbekannte Befehlsklasse</translation>
    </message>
    <message>
        <source>ACK response received</source>
        <translation>ACK-Antwort empfangen</translation>
    </message>
    <message>
        <source>Response error - </source>
        <translation>Antwortfehler - </translation>
    </message>
    <message>
        <source>GET request failed. USB send error</source>
        <translation>GET-Anfrage fehlgeschlagen. USB-Sendefehler</translation>
    </message>
    <message>
        <source>GET request failed. USB receive error</source>
        <translation>GET-Anfrage fehlgeschlagen. USB-Empfangsfehler</translation>
    </message>
    <message>
        <source>Sending SET request</source>
        <translation>SET-Anfrage wird gesendet</translation>
    </message>
    <message>
        <source>SET request failed. USB send error</source>
        <translation>SET-Anfrage fehlgeschlagen. USB-Sendefehler</translation>
    </message>
    <message>
        <source>SET Broadcast sent.</source>
        <translation>SET-Broadcast gesendet.</translation>
    </message>
    <message>
        <source>SET request failed. USB receive error</source>
        <translation>SET-Anfrage fehlgeschlagen. USB-Empfangsfehler</translation>
    </message>
    <message>
        <source>Discovery error!</source>
        <translation>Fehler bei der Gerätesuche!</translation>
    </message>
    <message>
        <source>Full Discovery request sent. Waiting for response...</source>
        <translation>Anfrage zur Komplettsuche gesendet. Warte auf Antwort...</translation>
    </message>
    <message>
        <source>Additional Discovery request sent. Waiting for response...</source>
        <translation>Anfrage zur zusätzlichen Suche gesendet. Warte auf Antwort...</translation>
    </message>
    <message>
        <source>Response data not received. USB error</source>
        <translation>Antwortdaten nicht empfangen. USB-Fehler</translation>
    </message>
    <message>
        <source>Discovery successful</source>
        <translation>Gerätesuche erfolgreich</translation>
    </message>
    <message>
        <source>Number of devices found: </source>
        <translation>Anzahl gefundener Geräte: </translation>
    </message>
    <message>
        <source>Not Declared</source>
        <translation>Nicht angegeben</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Scheinwerfer</translation>
    </message>
    <message>
        <source>Fixture Fixed</source>
        <translation>Scheinwerfer, feststehend</translation>
    </message>
    <message>
        <source>Fixture moving yoke</source>
        <translation>Scheinwerfer mit beweglichem Bügel</translation>
    </message>
    <message>
        <source>Fixture moving mirror</source>
        <translation>Scheinwerfer mit beweglichem Spiegel</translation>
    </message>
    <message>
        <source>Fixture other</source>
        <translation>Sonstige Scheinwerfer</translation>
    </message>
    <message>
        <source>Fixture accessory</source>
        <translation>Scheinwerferzubehör</translation>
    </message>
    <message>
        <source>Scrollers / Color Changers</source>
        <translation>Scroller / Farbwechsler</translation>
    </message>
    <message>
        <source>Yoke add-on</source>
        <translation>Motorbügel (Zusatz)</translation>
    </message>
    <message>
        <source>Moving mirror add-on</source>
        <translation>Bewegter Spiegel (Zusatz)</translation>
    </message>
    <message>
        <source>Effects Discs</source>
        <translation>Effektscheiben</translation>
    </message>
    <message>
        <source>Gobo Rotators / Iris / Shutters / Dousers Beam modifiers</source>
        <translation>Gobo-Rotatoren / Iris / Shutter / Douser / Strahlmodifikatoren</translation>
    </message>
    <message>
        <source>Fixture accessory other</source>
        <translation>Sonstiges Scheinwerferzubehör</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Projektor</translation>
    </message>
    <message>
        <source>Projector Fixed</source>
        <translation>Projektor, feststehend</translation>
    </message>
    <message>
        <source>Projector moving yoke</source>
        <translation>Projektor mit beweglichem Bügel</translation>
    </message>
    <message>
        <source>Projector moving mirror</source>
        <translation>Projektor mit beweglichem Spiegel</translation>
    </message>
    <message>
        <source>Projector other</source>
        <translation>Sonstige Projektoren</translation>
    </message>
    <message>
        <source>Atmospheric</source>
        <translation>Atmosphärische Effekte</translation>
    </message>
    <message>
        <source>Fogger / Hazer / Flame, etc.</source>
        <translation>Nebelmaschinen / Hazer / Flammeneffekte usw.</translation>
    </message>
    <message>
        <source>Atmospheric pyro</source>
        <translation>Pyrotechnik</translation>
    </message>
    <message>
        <source>Atmospheric other</source>
        <translation>Sonstige atmosphärische Effekte</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Dimmer AC Incandescent (AC &gt; 50VAC)</source>
        <translation>Dimmer AC, Glühlampen (AC &gt; 50VAC)</translation>
    </message>
    <message>
        <source>Dimmer AC fluorescent</source>
        <translation>Dimmer AC, Leuchtstofflampen</translation>
    </message>
    <message>
        <source>Dimmer AC Coldcathode</source>
        <translation>Dimmer AC, Kaltkathodenlampen</translation>
    </message>
    <message>
        <source>Non-Dim module in dimmer rack</source>
        <translation>Non-Dim-Modul im Dimmerrack</translation>
    </message>
    <message>
        <source>Dimmer AC ELV (AC &lt;= 50V)</source>
        <translation>Dimmer AC, Kleinspannung ELV (AC &lt;= 50V)</translation>
    </message>
    <message>
        <source>Dimmer AC Other</source>
        <translation>Sonstige AC-Dimmer</translation>
    </message>
    <message>
        <source>Dimmer DC Level (variable output)</source>
        <translation>Dimmer DC, Pegelsteuerung (variable Ausgangsspannung)</translation>
    </message>
    <message>
        <source>Dimmer DC PWM (chopped output)</source>
        <translation>Dimmer DC, PWM (getakteter Ausgang)</translation>
    </message>
    <message>
        <source>Specialized LED dimmer</source>
        <translation>Spezieller LED-Dimmer</translation>
    </message>
    <message>
        <source>Dimmer other</source>
        <translation>Sonstige Dimmer</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Contactor racks, other forms of Power Controllers</source>
        <translation>Schützracks, sonstige Leistungssteller</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Generatoren</translation>
    </message>
    <message>
        <source>Power other</source>
        <translation>Sonstige Energietechnik</translation>
    </message>
    <message>
        <source>Scenic</source>
        <translation>Bühnentechnik</translation>
    </message>
    <message>
        <source>Rotators / Kabuki drops, etc</source>
        <translation>Drehbühnen / Kabuki-Fallvorhänge usw.</translation>
    </message>
    <message>
        <source>Scenic other</source>
        <translation>Sonstige Bühnentechnik</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datentechnik</translation>
    </message>
    <message>
        <source>Splitters / repeaters / data patch / Ethernet products used to distribute DMX universes</source>
        <translation>Splitter / Repeater / Daten-Patch / Ethernet-Produkte zur Verteilung von DMX-Universen</translation>
    </message>
    <message>
        <source>Protocol Conversion analog decoders</source>
        <translation>Protokollwandler, Analogdecoder</translation>
    </message>
    <message>
        <source>Data other</source>
        <translation>Sonstige Datentechnik</translation>
    </message>
    <message>
        <source>AV</source>
        <translation>AV</translation>
    </message>
    <message>
        <source>Audio controller or device</source>
        <translation>Audio-Controller oder -Gerät</translation>
    </message>
    <message>
        <source>Video controller or display device</source>
        <translation>Video-Controller oder Anzeigegerät</translation>
    </message>
    <message>
        <source>AV other</source>
        <translation>Sonstige AV-Geräte</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Überwachung</translation>
    </message>
    <message>
        <source>Product that monitors AC line voltage, current or power</source>
        <translation>Gerät zur Überwachung von Spannung, Strom oder Leistung im AC-Netz</translation>
    </message>
    <message>
        <source>Product that monitors DC line voltage, current or power</source>
        <translation>Gerät zur Überwachung von Spannung, Strom oder Leistung im DC-Kreis</translation>
    </message>
    <message>
        <source>Temperature or other environmental parameter</source>
        <translation>Temperatur oder anderer Umgebungsparameter</translation>
    </message>
    <message>
        <source>Monitor other</source>
        <translation>Sonstige Überwachungsgeräte</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Steuergerät</translation>
    </message>
    <message>
        <source>Backup device</source>
        <translation>Backup-Gerät</translation>
    </message>
    <message>
        <source>Control other</source>
        <translation>Sonstige Steuergeräte</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Test equipment</source>
        <translation>Testgeräte</translation>
    </message>
    <message>
        <source>Test other</source>
        <translation>Sonstige Testgeräte</translation>
    </message>
    <message>
        <source>No description</source>
        <translation>Keine Beschreibung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Kein</translation>
    </message>
    <message>
        <source>10^(-1)</source>
        <translation>10^(-1)</translation>
    </message>
    <message>
        <source>10^(-2)</source>
        <translation>10^(-2)</translation>
    </message>
    <message>
        <source>10^(-3)</source>
        <translation>10^(-3)</translation>
    </message>
    <message>
        <source>10^(-6)</source>
        <translation>10^(-6)</translation>
    </message>
    <message>
        <source>10^(-9)</source>
        <translation>10^(-9)</translation>
    </message>
    <message>
        <source>10^(-12)</source>
        <translation>10^(-12)</translation>
    </message>
    <message>
        <source>10^(-15)</source>
        <translation>10^(-15)</translation>
    </message>
    <message>
        <source>10^(-18)</source>
        <translation>10^(-18)</translation>
    </message>
    <message>
        <source>10^(-21)</source>
        <translation>10^(-21)</translation>
    </message>
    <message>
        <source>10^(-24)</source>
        <translation>10^(-24)</translation>
    </message>
    <message>
        <source>10^(1)</source>
        <translation>10^(1)</translation>
    </message>
    <message>
        <source>10^(2)</source>
        <translation>10^(2)</translation>
    </message>
    <message>
        <source>10^(3)</source>
        <translation>10^(3)</translation>
    </message>
    <message>
        <source>10^(6)</source>
        <translation>10^(6)</translation>
    </message>
    <message>
        <source>10^(9)</source>
        <translation>10^(9)</translation>
    </message>
    <message>
        <source>10^(12)</source>
        <translation>10^(12)</translation>
    </message>
    <message>
        <source>10^(15)</source>
        <translation>10^(15)</translation>
    </message>
    <message>
        <source>10^(18)</source>
        <translation>10^(18)</translation>
    </message>
    <message>
        <source>10^(21)</source>
        <translation>10^(21)</translation>
    </message>
    <message>
        <source>10^(24)</source>
        <translation>10^(24)</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Position x</source>
        <translation>Position x</translation>
    </message>
    <message>
        <source>Position y</source>
        <translation>Position y</translation>
    </message>
    <message>
        <source>Position z</source>
        <translation>Position z</translation>
    </message>
    <message>
        <source>Luminous intensity</source>
        <translation>Lichtstärke</translation>
    </message>
    <message>
        <source>Luminous flux</source>
        <translation>Lichtstrom</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Chrominance red</source>
        <translation>Chrominanz Rot</translation>
    </message>
    <message>
        <source>Chrominance green</source>
        <translation>Chrominanz Grün</translation>
    </message>
    <message>
        <source>Chrominance blue</source>
        <translation>Chrominanz Blau</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Luftfeuchtigkeit</translation>
    </message>
    <message>
        <source>Counter 16 bit</source>
        <translation>Zähler 16 Bit</translation>
    </message>
    <message>
        <source>Lamp off</source>
        <translation>Lampe aus</translation>
    </message>
    <message>
        <source>Lamp on</source>
        <translation>Lampe ein</translation>
    </message>
    <message>
        <source>Arc-lamp ignite</source>
        <translation>Zündung der Bogenlampe</translation>
    </message>
    <message>
        <source>Standby (reduced power mode)</source>
        <translation>Standby (Modus mit reduzierter Leistung)</translation>
    </message>
    <message>
        <source>Lamp not installed</source>
        <translation>Keine Lampe eingesetzt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Not Defined</source>
        <translation>Nicht definiert</translation>
    </message>
    <message>
        <source>Bit field</source>
        <translation>Bitfeld</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Zeichenkette</translation>
    </message>
    <message>
        <source>Unsigned byte (8 bit)</source>
        <translation>Byte ohne Vorzeichen (8 Bit)</translation>
    </message>
    <message>
        <source>Byte (8 bit)</source>
        <translation>Byte (8 Bit)</translation>
    </message>
    <message>
        <source>Unsigned word (16 bit)</source>
        <translation>Wort ohne Vorzeichen (16 Bit)</translation>
    </message>
    <message>
        <source>Word (16 bit)</source>
        <translation>Wort (16 Bit)</translation>
    </message>
    <message>
        <source>Unsigned double word (32 bit)</source>
        <translation>Doppelwort ohne Vorzeichen (32 Bit)</translation>
    </message>
    <message>
        <source>Double word (32 bit)</source>
        <translation>Doppelwort (32 Bit)</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primär</translation>
    </message>
    <message>
        <source>fine control for slot</source>
        <translation>Feinsteuerung für Slot</translation>
    </message>
    <message>
        <source>timing control for slot</source>
        <translation>Zeitsteuerung für Slot</translation>
    </message>
    <message>
        <source>speed control for slot</source>
        <translation>Geschwindigkeitssteuerung für Slot</translation>
    </message>
    <message>
        <source>mode control for slot</source>
        <translation>Modussteuerung für Slot</translation>
    </message>
    <message>
        <source>index control for slot</source>
        <translation>Indexsteuerung für Slot</translation>
    </message>
    <message>
        <source>rotation speed control for slot</source>
        <translation>Steuerung der Rotationsgeschwindigkeit für Slot</translation>
    </message>
    <message>
        <source>rotation index control for slot</source>
        <translation>Steuerung des Rotationsindex für Slot</translation>
    </message>
    <message>
        <source>undefined for slot</source>
        <translation>undefiniert für Slot</translation>
    </message>
    <message>
        <source>intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>intensity master</source>
        <translation>Master-Intensität</translation>
    </message>
    <message>
        <source>pan</source>
        <translation>Pan</translation>
    </message>
    <message>
        <source>tilt</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <source>color wheel</source>
        <translation>Farbrad</translation>
    </message>
    <message>
        <source>subtractive cyan</source>
        <translation>Cyan (subtraktiv)</translation>
    </message>
    <message>
        <source>subtractive yellow</source>
        <translation>Gelb (subtraktiv)</translation>
    </message>
    <message>
        <source>subtractive magenta</source>
        <translation>Magenta (subtraktiv)</translation>
    </message>
    <message>
        <source>additive red</source>
        <translation>Rot (additiv)</translation>
    </message>
    <message>
        <source>additive green</source>
        <translation>Grün (additiv)</translation>
    </message>
    <message>
        <source>additive blue</source>
        <translation>Blau (additiv)</translation>
    </message>
    <message>
        <source>color correction</source>
        <translation>Farbkorrektur</translation>
    </message>
    <message>
        <source>scroll</source>
        <translation>Scroller</translation>
    </message>
    <message>
        <source>color semaphone</source>
        <translation>Farbsemaphor</translation>
    </message>
    <message>
        <source>static gobo wheel</source>
        <translation>statisches Goborad</translation>
    </message>
    <message>
        <source>gobo wheel</source>
        <translation>Goborad</translation>
    </message>
    <message>
        <source>prism wheel</source>
        <translation>Prismenrad</translation>
    </message>
    <message>
        <source>effects wheel</source>
        <translation>Effektrad</translation>
    </message>
    <message>
        <source>iris size</source>
        <translation>Irisgröße</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>Kantenschärfe</translation>
    </message>
    <message>
        <source>frost</source>
        <translation>Frost</translation>
    </message>
    <message>
        <source>strobe</source>
        <translation>Stroboskop</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>framing shutter</source>
        <translation>Blendenschieber</translation>
    </message>
    <message>
        <source>shuttle rotate</source>
        <translation>Blendenschieber-Rotation</translation>
    </message>
    <message>
        <source>douser</source>
        <translation>Douser</translation>
    </message>
    <message>
        <source>barn door</source>
        <translation>Torblende</translation>
    </message>
    <message>
        <source>lamp control</source>
        <translation>Lampensteuerung</translation>
    </message>
    <message>
        <source>fixture control</source>
        <translation>Gerätesteuerung</translation>
    </message>
    <message>
        <source>fixture speed</source>
        <translation>Gerätegeschwindigkeit</translation>
    </message>
    <message>
        <source>macro</source>
        <translation>Makro</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>undefiniert</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>DMX</source>
        <translation>DMX</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>On after calibration</source>
        <translation>Ein nach Kalibrierung</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Full off</source>
        <translation>Vollständig aus</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Abgeschaltet</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Standby</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Manufacturer specific category</source>
        <translation>Herstellerspezifische Kategorie</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>unknown for slot</source>
        <translation>unbekannt für Slot</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Sub-device</source>
        <translation>Sub-Device</translation>
    </message>
    <message>
        <source>Parameter data missing: PDL %1, no data given</source>
        <translation>Parameterdaten fehlen: PDL %1, keine Daten angegeben</translation>
    </message>
    <message>
        <source>NACK response received</source>
        <translation>NACK-Antwort empfangen</translation>
    </message>
    <message>
        <source>ACK Timer</source>
        <translation>ACK Timer</translation>
    </message>
    <message>
        <source>GET to a broadcast address refused: no responder answers it</source>
        <translation>GET an eine Broadcast-Adresse abgelehnt: kein Responder beantwortet ihn</translation>
    </message>
</context>
<context>
    <name>RDMTimeoutDialog</name>
    <message>
        <source>RDM Timeout Preferences</source>
        <translation>RDM-Timeout-Einstellungen</translation>
    </message>
    <message>
        <source>Discovery -&gt; Response (µs)</source>
        <translation>Suche -&gt; Antwort (µs)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Strikt</translation>
    </message>
    <message>
        <source>Get -&gt; Response (µs)</source>
        <translation>GET -&gt; Antwort (µs)</translation>
    </message>
    <message>
        <source>Set -&gt; Response (µs)</source>
        <translation>SET -&gt; Antwort (µs)</translation>
    </message>
    <message>
        <source>Discovery -&gt; Any Packet (µs)</source>
        <translation>Suche -&gt; jedes Paket (µs)</translation>
    </message>
    <message>
        <source>Missing Response -&gt; Any Packet (µs)</source>
        <translation>Keine Antwort -&gt; jedes Paket (µs)</translation>
    </message>
    <message>
        <source>Response/Broadcast -&gt; Any Packet (µs)</source>
        <translation>Antwort/Broadcast -&gt; jedes Paket (µs)</translation>
    </message>
    <message>
        <source>Packet Max Length (µs)</source>
        <translation>Max. Paketlänge (µs)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>RDM Timeouts Changed</source>
        <translation>RDM-Timeouts geändert</translation>
    </message>
    <message>
        <source>Couldn&apos;t change RDM Timeouts</source>
        <translation>RDM-Timeouts konnten nicht geändert werden</translation>
    </message>
</context>
<context>
    <name>SensorChart</name>
    <message>
        <source>Normal operation values</source>
        <translation>Normaler Betriebsbereich</translation>
    </message>
</context>
<context>
    <name>TextProgressBar</name>
    <message>
        <source>Waited %1 of %2 s</source>
        <translation>%1 von %2 s gewartet</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>DMX Start: </source>
        <translation>DMX-Start: </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>DMX Footprint: </source>
        <translation>DMX-Footprint: </translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>UID: 0x</source>
        <translation>UID: 0x</translation>
    </message>
    <message>
        <source>Desc: </source>
        <translation>Beschr.: </translation>
    </message>
</context>
<context>
    <name>USBTimeoutDialog</name>
    <message>
        <source>USB Timeout Preferences</source>
        <translation>USB-Timeout-Einstellungen</translation>
    </message>
    <message>
        <source>Standard Timeout (ms):</source>
        <translation>Standard-Timeout (ms):</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Discovery Timeout (ms):</source>
        <translation>Gerätesuche (ms):</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <source>Wrong file header</source>
        <translation>Falscher Dateikopf</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Falsche Dateiversion</translation>
    </message>
    <message>
        <source>Incomplete firmware image</source>
        <translation>Unvollständiges Firmware-Abbild</translation>
    </message>
    <message>
        <source>USB Timeout
Check USB Cable</source>
        <translation>USB-Timeout
USB-Kabel prüfen</translation>
    </message>
    <message>
        <source>Bootloader Version Read Error</source>
        <translation>Fehler beim Lesen der Bootloader-Version</translation>
    </message>
    <message>
        <source>Bootloader mode</source>
        <translation>Bootloader-Modus</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apllication mode</source>
        <translation>Anwendungsmodus</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Gerät wird zurückgesetzt</translation>
    </message>
    <message>
        <source>USB timout
Check USB cable</source>
        <translation>USB-Timeout
USB-Kabel prüfen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Writting firmware ...</source>
        <translation>Firmware wird geschrieben ...</translation>
    </message>
</context>
<context>
    <name>firmware</name>
    <message>
        <source>USB Error</source>
        <translation>USB-Fehler</translation>
    </message>
    <message>
        <source>Connect Rb604 Device</source>
        <translation>Rb604-Gerät anschließen</translation>
    </message>
</context>
<context>
    <name>firmwareClass</name>
    <message>
        <source>firmware</source>
        <translation>Firmware</translation>
    </message>
</context>
</TS>
