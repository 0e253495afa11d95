<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Orv_RDM_Controller</name>
    <message>
        <source>Orv Rdm Controller</source>
        <translation>Orv Rdm Controller</translation>
    </message>
    <message>
        <source>Device Overview</source>
        <translation>Przegląd urządzenia</translation>
    </message>
    <message>
        <source>DMX Patch Grid</source>
        <translation>Siatka patchu DMX</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Czujniki</translation>
    </message>
    <message>
        <source>RDM Settings</source>
        <translation>Ustawienia RDM</translation>
    </message>
    <message>
        <source>Log Messages</source>
        <translation>Komunikaty dziennika</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Limity czasu</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Aktualizacja firmware&apos;u</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Brak połączenia</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Discovery</source>
        <translation>Wykrywanie</translation>
    </message>
    <message>
        <source>Full Discovery</source>
        <translation>Pełne wykrywanie</translation>
    </message>
    <message>
        <source>Add. Discovery</source>
        <translation>Dod. wykrywanie</translation>
    </message>
    <message>
        <source>RDM Timeout</source>
        <translation>Limit czasu RDM</translation>
    </message>
    <message>
        <source>USB Timeout</source>
        <translation>Limit czasu USB</translation>
    </message>
    <message>
        <source>DMX Timeout</source>
        <translation>Limit czasu DMX</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Change Firmware</source>
        <translation>Zmień firmware</translation>
    </message>
    <message>
        <source>CreateUpg</source>
        <translation>Utwórz plik aktualizacji</translation>
    </message>
    <message>
        <source>CreateBootBin</source>
        <translation>Utwórz obraz bootloadera</translation>
    </message>
    <message>
        <source>RunApplication</source>
        <translation>Uruchom aplikację</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Orv RDM Controller ver. </source>
        <translation>Orv RDM Controller wer. </translation>
    </message>
    <message>
        <source>Looking for ORV controllers, </source>
        <translation>Wyszukiwanie kontrolerów ORV, znaleziono: </translation>
    </message>
    <message>
        <source> found.</source>
        <translation> szt.</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Połączenie nieudane</translation>
    </message>
    <message>
        <source>Connection succeeded</source>
        <translation>Połączono pomyślnie</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Rozłączanie</translation>
    </message>
    <message>
        <source>Disconnecting after USB error</source>
        <translation>Rozłączanie po błędzie USB</translation>
    </message>
    <message>
        <source>Trying to reconnect</source>
        <translation>Próba ponownego połączenia</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Powodzenie</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Niepowodzenie</translation>
    </message>
    <message>
        <source>&lt;div style=&apos;color:green;font-size:20px&apos;&gt;</source>
        <translation>&lt;div style=&apos;color:green;font-size:20px&apos;&gt;</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączono</translation>
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
        <translation>&lt;font color=&apos;red&apos;&gt;Brak połączenia&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>Restart program to apply changes.</source>
        <translation>Uruchom program ponownie, aby zastosować zmiany.</translation>
    </message>
</context>
<context>
    <name>RDM</name>
    <message>
        <source>Searching for new devices, please wait...</source>
        <translation>Wyszukiwanie nowych urządzeń, proszę czekać...</translation>
    </message>
    <message>
        <source>Parameter data too long: %1 bytes, at most %2 can be sent</source>
        <translation>Dane parametru za długie: %1 B, można wysłać najwyżej %2 B</translation>
    </message>
    <message>
        <source>Response record incomplete: %1 of %2 header bytes</source>
        <translation>Niepełny rekord odpowiedzi: %1 z %2 bajtów nagłówka</translation>
    </message>
    <message>
        <source>Response record refused: %1 data bytes announced, at most %2 fit</source>
        <translation>Odrzucono rekord odpowiedzi: zadeklarowano %1 B danych, mieści się najwyżej %2 B</translation>
    </message>
    <message>
        <source>Response record incomplete: %1 of %2 data bytes</source>
        <translation>Niepełny rekord odpowiedzi: %1 z %2 bajtów danych</translation>
    </message>
    <message>
        <source>missing response</source>
        <translation>brak odpowiedzi</translation>
    </message>
    <message>
        <source>bad destination UID</source>
        <translation>błędny UID odbiorcy</translation>
    </message>
    <message>
        <source>bad checksum</source>
        <translation>błędna suma kontrolna</translation>
    </message>
    <message>
        <source>bad transaction number</source>
        <translation>błędny numer transakcji</translation>
    </message>
    <message>
        <source>NACK response received: </source>
        <translation>Odebrano odpowiedź NACK: </translation>
    </message>
    <message>
        <source>ACK Timer - wait </source>
        <translation>ACK Timer - czas oczekiwania </translation>
    </message>
    <message>
        <source>unknown command class</source>
        <translation>nieznana klasa polecenia</translation>
    </message>
    <message>
        <source>ACK response received</source>
        <translation>Odebrano odpowiedź ACK</translation>
    </message>
    <message>
        <source>Response error - </source>
        <translation>Błąd odpowiedzi - </translation>
    </message>
    <message>
        <source>GET request failed. USB send error</source>
        <translation>Żądanie GET nieudane. Błąd wysyłania USB</translation>
    </message>
    <message>
        <source>GET request failed. USB receive error</source>
        <translation>Żądanie GET nieudane. Błąd odbioru USB</translation>
    </message>
    <message>
        <source>Sending SET request</source>
        <translation>Wysyłanie żądania SET</translation>
    </message>
    <message>
        <source>SET request failed. USB send error</source>
        <translation>Żądanie SET nieudane. Błąd wysyłania USB</translation>
    </message>
    <message>
        <source>SET Broadcast sent.</source>
        <translation>Wysłano rozgłoszeniowe żądanie SET.</translation>
    </message>
    <message>
        <source>SET request failed. USB receive error</source>
        <translation>Żądanie SET nieudane. Błąd odbioru USB</translation>
    </message>
    <message>
        <source>Discovery error!</source>
        <translation>Błąd wykrywania!</translation>
    </message>
    <message>
        <source>Full Discovery request sent. Waiting for response...</source>
        <translation>Wysłano żądanie pełnego wykrywania. Oczekiwanie na odpowiedź...</translation>
    </message>
    <message>
        <source>Additional Discovery request sent. Waiting for response...</source>
        <translation>Wysłano żądanie dodatkowego wykrywania. Oczekiwanie na odpowiedź...</translation>
    </message>
    <message>
        <source>Response data not received. USB error</source>
        <translation>Nie odebrano danych odpowiedzi. Błąd USB</translation>
    </message>
    <message>
        <source>Discovery successful</source>
        <translation>Wykrywanie zakończone pomyślnie</translation>
    </message>
    <message>
        <source>Number of devices found: </source>
        <translation>Liczba znalezionych urządzeń: </translation>
    </message>
    <message>
        <source>Not Declared</source>
        <translation>Nie zadeklarowano</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Oprawa oświetleniowa</translation>
    </message>
    <message>
        <source>Fixture Fixed</source>
        <translation>Oprawa nieruchoma</translation>
    </message>
    <message>
        <source>Fixture moving yoke</source>
        <translation>Oprawa z ruchomym jarzmem</translation>
    </message>
    <message>
        <source>Fixture moving mirror</source>
        <translation>Oprawa z ruchomym lustrem</translation>
    </message>
    <message>
        <source>Fixture other</source>
        <translation>Inne oprawy</translation>
    </message>
    <message>
        <source>Fixture accessory</source>
        <translation>Akcesoria do opraw</translation>
    </message>
    <message>
        <source>Scrollers / Color Changers</source>
        <translation>Scrollery / zmieniacze kolorów</translation>
    </message>
    <message>
        <source>Yoke add-on</source>
        <translation>Ruchome jarzmo (dodatek)</translation>
    </message>
    <message>
        <source>Moving mirror add-on</source>
        <translation>Ruchome lustro (dodatek)</translation>
    </message>
    <message>
        <source>Effects Discs</source>
        <translation>Tarcze efektowe</translation>
    </message>
    <message>
        <source>Gobo Rotators / Iris / Shutters / Dousers Beam modifiers</source>
        <translation>Rotatory gobo / irysy / noże / przesłony / modyfikatory wiązki</translation>
    </message>
    <message>
        <source>Fixture accessory other</source>
        <translation>Inne akcesoria do opraw</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Projektor</translation>
    </message>
    <message>
        <source>Projector Fixed</source>
        <translation>Projektor nieruchomy</translation>
    </message>
    <message>
        <source>Projector moving yoke</source>
        <translation>Projektor z ruchomym jarzmem</translation>
    </message>
    <message>
        <source>Projector moving mirror</source>
        <translation>Projektor z ruchomym lustrem</translation>
    </message>
    <message>
        <source>Projector other</source>
        <translation>Inne projektory</translation>
    </message>
    <message>
        <source>Atmospheric</source>
        <translation>Efekty atmosferyczne</translation>
    </message>
    <message>
        <source>Fogger / Hazer / Flame, etc.</source>
        <translation>Wytwornice dymu / hazery / płomienie itp.</translation>
    </message>
    <message>
        <source>Atmospheric pyro</source>
        <translation>Pirotechnika</translation>
    </message>
    <message>
        <source>Atmospheric other</source>
        <translation>Inne efekty atmosferyczne</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Ściemniacz</translation>
    </message>
    <message>
        <source>Dimmer AC Incandescent (AC &gt; 50VAC)</source>
        <translation>Ściemniacz AC do żarówek (AC &gt; 50VAC)</translation>
    </message>
    <message>
        <source>Dimmer AC fluorescent</source>
        <translation>Ściemniacz AC do świetlówek</translation>
    </message>
    <message>
        <source>Dimmer AC Coldcathode</source>
        <translation>Ściemniacz AC do lamp z zimną katodą</translation>
    </message>
    <message>
        <source>Non-Dim module in dimmer rack</source>
        <translation>Moduł bez ściemniania (non-dim) w szafie ściemniaczy</translation>
    </message>
    <message>
        <source>Dimmer AC ELV (AC &lt;= 50V)</source>
        <translation>Ściemniacz AC, bardzo niskie napięcie ELV (AC &lt;= 50V)</translation>
    </message>
    <message>
        <source>Dimmer AC Other</source>
        <translation>Inne ściemniacze AC</translation>
    </message>
    <message>
        <source>Dimmer DC Level (variable output)</source>
        <translation>Ściemniacz DC z regulacją poziomu (zmienne napięcie wyjściowe)</translation>
    </message>
    <message>
        <source>Dimmer DC PWM (chopped output)</source>
        <translation>Ściemniacz DC PWM (wyjście kluczowane)</translation>
    </message>
    <message>
        <source>Specialized LED dimmer</source>
        <translation>Specjalizowany ściemniacz LED</translation>
    </message>
    <message>
        <source>Dimmer other</source>
        <translation>Inne ściemniacze</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Moc</translation>
    </message>
    <message>
        <source>Contactor racks, other forms of Power Controllers</source>
        <translation>Szafy styczników, inne sterowniki mocy</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Agregaty prądotwórcze</translation>
    </message>
    <message>
        <source>Power other</source>
        <translation>Inne urządzenia zasilające</translation>
    </message>
    <message>
        <source>Scenic</source>
        <translation>Technika sceniczna</translation>
    </message>
    <message>
        <source>Rotators / Kabuki drops, etc</source>
        <translation>Obrotnice / systemy kabuki itp.</translation>
    </message>
    <message>
        <source>Scenic other</source>
        <translation>Inna technika sceniczna</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Transmisja danych</translation>
    </message>
    <message>
        <source>Splitters / repeaters / data patch / Ethernet products used to distribute DMX universes</source>
        <translation>Splittery / repeatery / krosownice danych / urządzenia Ethernet do dystrybucji uniwersów DMX</translation>
    </message>
    <message>
        <source>Protocol Conversion analog decoders</source>
        <translation>Konwertery protokołów, dekodery analogowe</translation>
    </message>
    <message>
        <source>Data other</source>
        <translation>Inne urządzenia transmisji danych</translation>
    </message>
    <message>
        <source>AV</source>
        <translation>AV</translation>
    </message>
    <message>
        <source>Audio controller or device</source>
        <translation>Sterownik lub urządzenie audio</translation>
    </message>
    <message>
        <source>Video controller or display device</source>
        <translation>Sterownik wideo lub urządzenie wyświetlające</translation>
    </message>
    <message>
        <source>AV other</source>
        <translation>Inne urządzenia AV</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitorowanie</translation>
    </message>
    <message>
        <source>Product that monitors AC line voltage, current or power</source>
        <translation>Urządzenie monitorujące napięcie, prąd lub moc w sieci AC</translation>
    </message>
    <message>
        <source>Product that monitors DC line voltage, current or power</source>
        <translation>Urządzenie monitorujące napięcie, prąd lub moc w obwodzie DC</translation>
    </message>
    <message>
        <source>Temperature or other environmental parameter</source>
        <translation>Temperatura lub inny parametr środowiskowy</translation>
    </message>
    <message>
        <source>Monitor other</source>
        <translation>Inne urządzenia monitorujące</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Sterowanie</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Sterownik</translation>
    </message>
    <message>
        <source>Backup device</source>
        <translation>Urządzenie rezerwowe</translation>
    </message>
    <message>
        <source>Control other</source>
        <translation>Inne urządzenia sterujące</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testowanie</translation>
    </message>
    <message>
        <source>Test equipment</source>
        <translation>Urządzenia testowe</translation>
    </message>
    <message>
        <source>Test other</source>
        <translation>Inne urządzenia testowe</translation>
    </message>
    <message>
        <source>No description</source>
        <translation>Brak opisu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
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
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Napięcie</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Prąd</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Rezystancja</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Powierzchnia</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Objętość</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Przyspieszenie</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Siła</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Ciśnienie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Kąt</translation>
    </message>
    <message>
        <source>Position x</source>
        <translation>Położenie x</translation>
    </message>
    <message>
        <source>Position y</source>
        <translation>Położenie y</translation>
    </message>
    <message>
        <source>Position z</source>
        <translation>Położenie z</translation>
    </message>
    <message>
        <source>Luminous intensity</source>
        <translation>Światłość</translation>
    </message>
    <message>
        <source>Luminous flux</source>
        <translation>Strumień świetlny</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Natężenie oświetlenia</translation>
    </message>
    <message>
        <source>Chrominance red</source>
        <translation>Chrominancja (czerwony)</translation>
    </message>
    <message>
        <source>Chrominance green</source>
        <translation>Chrominancja (zielony)</translation>
    </message>
    <message>
        <source>Chrominance blue</source>
        <translation>Chrominancja (niebieski)</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Styki</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementy</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Wilgotność</translation>
    </message>
    <message>
        <source>Counter 16 bit</source>
        <translation>Licznik 16-bitowy</translation>
    </message>
    <message>
        <source>Lamp off</source>
        <translation>Lampa wyłączona</translation>
    </message>
    <message>
        <source>Lamp on</source>
        <translation>Lampa włączona</translation>
    </message>
    <message>
        <source>Arc-lamp ignite</source>
        <translation>Zapłon lampy łukowej</translation>
    </message>
    <message>
        <source>Standby (reduced power mode)</source>
        <translation>Czuwanie (tryb obniżonej mocy)</translation>
    </message>
    <message>
        <source>Lamp not installed</source>
        <translation>Brak lampy</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Not Defined</source>
        <translation>Nieokreślony</translation>
    </message>
    <message>
        <source>Bit field</source>
        <translation>Pole bitowe</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Ciąg znaków</translation>
    </message>
    <message>
        <source>Unsigned byte (8 bit)</source>
        <translation>Bajt bez znaku (8 bitów)</translation>
    </message>
    <message>
        <source>Byte (8 bit)</source>
        <translation>Bajt (8 bitów)</translation>
    </message>
    <message>
        <source>Unsigned word (16 bit)</source>
        <translation>Słowo bez znaku (16 bitów)</translation>
    </message>
    <message>
        <source>Word (16 bit)</source>
        <translation>Słowo (16 bitów)</translation>
    </message>
    <message>
        <source>Unsigned double word (32 bit)</source>
        <translation>Podwójne słowo bez znaku (32 bity)</translation>
    </message>
    <message>
        <source>Double word (32 bit)</source>
        <translation>Podwójne słowo (32 bity)</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>podstawowy</translation>
    </message>
    <message>
        <source>fine control for slot</source>
        <translation>sterowanie precyzyjne dla slotu</translation>
    </message>
    <message>
        <source>timing control for slot</source>
        <translation>sterowanie czasem dla slotu</translation>
    </message>
    <message>
        <source>speed control for slot</source>
        <translation>sterowanie prędkością dla slotu</translation>
    </message>
    <message>
        <source>mode control for slot</source>
        <translation>sterowanie trybem dla slotu</translation>
    </message>
    <message>
        <source>index control for slot</source>
        <translation>sterowanie indeksem dla slotu</translation>
    </message>
    <message>
        <source>rotation speed control for slot</source>
        <translation>sterowanie prędkością obrotu dla slotu</translation>
    </message>
    <message>
        <source>rotation index control for slot</source>
        <translation>sterowanie indeksem obrotu dla slotu</translation>
    </message>
    <message>
        <source>undefined for slot</source>
        <translation>niezdefiniowany dla slotu</translation>
    </message>
    <message>
        <source>intensity</source>
        <translation>intensywność</translation>
    </message>
    <message>
        <source>intensity master</source>
        <translation>intensywność główna (master)</translation>
    </message>
    <message>
        <source>pan</source>
        <translation>pan</translation>
    </message>
    <message>
        <source>tilt</source>
        <translation>tilt</translation>
    </message>
    <message>
        <source>color wheel</source>
        <translation>koło kolorów</translation>
    </message>
    <message>
        <source>subtractive cyan</source>
        <translation>cyjan (subtraktywny)</translation>
    </message>
    <message>
        <source>subtractive yellow</source>
        <translation>żółty (subtraktywny)</translation>
    </message>
    <message>
        <source>subtractive magenta</source>
        <translation>magenta (subtraktywna)</translation>
    </message>
    <message>
        <source>additive red</source>
        <translation>czerwony (addytywny)</translation>
    </message>
    <message>
        <source>additive green</source>
        <translation>zielony (addytywny)</translation>
    </message>
    <message>
        <source>additive blue</source>
        <translation>niebieski (addytywny)</translation>
    </message>
    <message>
        <source>color correction</source>
        <translation>korekcja barwy</translation>
    </message>
    <message>
        <source>scroll</source>
        <translation>scroller</translation>
    </message>
    <message>
        <source>color semaphone</source>
        <translation>semafor barwny</translation>
    </message>
    <message>
        <source>static gobo wheel</source>
        <translation>statyczne koło gobo</translation>
    </message>
    <message>
        <source>gobo wheel</source>
        <translation>koło gobo</translation>
    </message>
    <message>
        <source>prism wheel</source>
        <translation>koło pryzmatów</translation>
    </message>
    <message>
        <source>effects wheel</source>
        <translation>koło efektów</translation>
    </message>
    <message>
        <source>iris size</source>
        <translation>rozmiar irysa</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>ostrość krawędzi</translation>
    </message>
    <message>
        <source>frost</source>
        <translation>frost</translation>
    </message>
    <message>
        <source>strobe</source>
        <translation>stroboskop</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>framing shutter</source>
        <translation>noże kadrujące</translation>
    </message>
    <message>
        <source>shuttle rotate</source>
        <translation>obrót noży</translation>
    </message>
    <message>
        <source>douser</source>
        <translation>przesłona</translation>
    </message>
    <message>
        <source>barn door</source>
        <translation>wrota</translation>
    </message>
    <message>
        <source>lamp control</source>
        <translation>sterowanie lampą</translation>
    </message>
    <message>
        <source>fixture control</source>
        <translation>sterowanie urządzeniem</translation>
    </message>
    <message>
        <source>fixture speed</source>
        <translation>prędkość urządzenia</translation>
    </message>
    <message>
        <source>macro</source>
        <translation>makro</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>niezdefiniowany</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>DMX</source>
        <translation>DMX</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>On after calibration</source>
        <translation>Włączone po kalibracji</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Full off</source>
        <translation>Całkowicie wyłączone</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Wyłączenie</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Czuwanie</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Manufacturer specific category</source>
        <translation>Kategoria specyficzna dla producenta</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>unknown for slot</source>
        <translation>nieznany dla slotu</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Sub-device</source>
        <translation>Urządzenie podrzędne</translation>
    </message>
</context>
</TS>
