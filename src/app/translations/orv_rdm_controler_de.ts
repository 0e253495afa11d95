<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <source>&lt;div style=&apos;color:green;font-size:20px&apos;&gt;</source>
        <translation>&lt;div style=&apos;color:green;font-size:20px&apos;&gt;</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>&lt;/div&gt;</source>
        <translation>&lt;/div&gt;</translation>
    </message>
    <message>
        <source>&lt;div style=&apos;color:green;font-size:10px&apos;&gt;</source>
        <translation>&lt;div style=&apos;color:green;font-size:10px&apos;&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&apos;red&apos;&gt;Disconnected&lt;/font&gt;</source>
        <translation>&lt;font color=&apos;red&apos;&gt;Nicht verbunden&lt;/font&gt;</translation>
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
</context>
</TS>
