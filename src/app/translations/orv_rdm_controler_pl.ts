<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DMXFaderDialog</name>
    <message>
        <source>DMX Fader</source>
        <translation>Fader DMX</translation>
    </message>
    <message>
        <source>Sliders</source>
        <translation>Suwaki</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Siatka</translation>
    </message>
</context>
<context>
    <name>DMXTimeoutDialog</name>
    <message>
        <source>DMX Timeout Preferences</source>
        <translation>Ustawienia limitów czasu DMX</translation>
    </message>
    <message>
        <source>Break (µs)</source>
        <translation>Break (µs)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Ścisłe</translation>
    </message>
    <message>
        <source>Mark After Break (µs)</source>
        <translation>Mark After Break (µs)</translation>
    </message>
    <message>
        <source>Space between slots (µs)</source>
        <translation>Odstęp między slotami (µs)</translation>
    </message>
    <message>
        <source>Space between packets (µs)</source>
        <translation>Odstęp między pakietami (µs)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>DMX Timeouts Changed</source>
        <translation>Zmieniono limity czasu DMX</translation>
    </message>
    <message>
        <source>Couldn&apos;t change DMX Timeouts</source>
        <translation>Nie udało się zmienić limitów czasu DMX</translation>
    </message>
</context>
<context>
    <name>Dialog_Info</name>
    <message>
        <source>Orv RDM Controller Information</source>
        <translation>Informacje o programie Orv RDM Controller</translation>
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
        <translation>Wyszukuje urządzenia RDM na linii DMX512 przez interfejs USB Rb604, wyświetla i zmienia ich ustawienia, odczytuje ich czujniki i liczniki, rozmieszcza je na siatce patchu DMX i pozwala ręcznie ustawiać poziomy DMX.</translation>
    </message>
    <message>
        <source>Settings are kept in:</source>
        <translation>Ustawienia są zapisane w:</translation>
    </message>
    <message>
        <source>The language chosen at start is kept in the file Rb604.rbi in the working directory.</source>
        <translation>Język wybrany przy uruchomieniu jest zapisany w pliku Rb604.rbi w katalogu roboczym.</translation>
    </message>
</context>
<context>
    <name>GetSetDialog</name>
    <message>
        <source>Unsigned Byte</source>
        <translation>Bajt bez znaku</translation>
    </message>
    <message>
        <source>Signed Byte</source>
        <translation>Bajt ze znakiem</translation>
    </message>
    <message>
        <source>Unsigned Word</source>
        <translation>Słowo bez znaku</translation>
    </message>
    <message>
        <source>Signed Word</source>
        <translation>Słowo ze znakiem</translation>
    </message>
    <message>
        <source>Unsigned Double Word</source>
        <translation>Podwójne słowo bez znaku</translation>
    </message>
    <message>
        <source>Unsigned DWord</source>
        <translation>DWord bez znaku</translation>
    </message>
    <message>
        <source>Signed Double Word</source>
        <translation>Podwójne słowo ze znakiem</translation>
    </message>
    <message>
        <source>Signed DWord</source>
        <translation>DWord ze znakiem</translation>
    </message>
    <message>
        <source>Bit Field</source>
        <translation>Pole bitowe</translation>
    </message>
    <message>
        <source>Bit field:</source>
        <translation>Pole bitowe:</translation>
    </message>
    <message>
        <source>String</source>
        <translation>Ciąg znaków</translation>
    </message>
    <message>
        <source>String:</source>
        <translation>Ciąg znaków:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <translation>Wybrane urządzenie:</translation>
    </message>
    <message>
        <source>Broadcast: Selected Manufacturer</source>
        <translation>Rozgłoszenie: wybrany producent</translation>
    </message>
    <message>
        <source>Broadcast: All Devices</source>
        <translation>Rozgłoszenie: wszystkie urządzenia</translation>
    </message>
    <message>
        <source>Broadcast: All Sub-Devices</source>
        <translation>Rozgłoszenie: wszystkie urządzenia podrzędne</translation>
    </message>
    <message>
        <source>RDM Set Recipient:</source>
        <translation>Odbiorca RDM Set:</translation>
    </message>
    <message>
        <source>Add field (if necessary):</source>
        <translation>Dodaj pole (w razie potrzeby):</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DOMYŚLNY</translation>
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
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>All sensors</source>
        <translation>Wszystkie czujniki</translation>
    </message>
    <message>
        <source>Sensor:</source>
        <translation>Czujnik:</translation>
    </message>
    <message>
        <source>Language code (2 chars):</source>
        <translation>Kod języka (2 znaki):</translation>
    </message>
    <message>
        <source>Language code:</source>
        <translation>Kod języka:</translation>
    </message>
    <message>
        <source>Last message (0x01)</source>
        <translation>Ostatni komunikat (0x01)</translation>
    </message>
    <message>
        <source>Advisory (0x02)</source>
        <translation>Informacja (0x02)</translation>
    </message>
    <message>
        <source>Warning (0x03)</source>
        <translation>Ostrzeżenie (0x03)</translation>
    </message>
    <message>
        <source>Error (0x04)</source>
        <translation>Błąd (0x04)</translation>
    </message>
    <message>
        <source>Status type:</source>
        <translation>Typ statusu:</translation>
    </message>
    <message>
        <source>None (0x00)</source>
        <translation>Brak (0x00)</translation>
    </message>
    <message>
        <source>Status id:</source>
        <translation>ID statusu:</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Parametr:</translation>
    </message>
    <message>
        <source>Personality:</source>
        <translation>Tryb DMX:</translation>
    </message>
    <message>
        <source>Slot number</source>
        <translation>Numer slotu</translation>
    </message>
    <message>
        <source>Test number:</source>
        <translation>Numer testu:</translation>
    </message>
    <message>
        <source>Off (0x00)</source>
        <translation>Wyłączone (0x00)</translation>
    </message>
    <message>
        <source>On (0x01)</source>
        <translation>Włączone (0x01)</translation>
    </message>
    <message>
        <source>Device label:</source>
        <translation>Etykieta urządzenia:</translation>
    </message>
    <message>
        <source>DMX Start Address:</source>
        <translation>Adres startowy DMX:</translation>
    </message>
    <message>
        <source>Device hours:</source>
        <translation>Godziny pracy urządzenia:</translation>
    </message>
    <message>
        <source>Lamp hours:</source>
        <translation>Godziny pracy lampy:</translation>
    </message>
    <message>
        <source>Lamp strikes:</source>
        <translation>Zapłony lampy:</translation>
    </message>
    <message>
        <source>Device power cycles:</source>
        <translation>Cykle zasilania urządzenia:</translation>
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
        <translation>Stan lampy:</translation>
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
        <translation>Tryb włączania lampy:</translation>
    </message>
    <message>
        <source>Auto (0x02)</source>
        <translation>Auto (0x02)</translation>
    </message>
    <message>
        <source>Display invert:</source>
        <translation>Odwrócenie wyświetlacza:</translation>
    </message>
    <message>
        <source>Display level:</source>
        <translation>Jasność wyświetlacza:</translation>
    </message>
    <message>
        <source>Pan invert:</source>
        <translation>Odwrócenie pan:</translation>
    </message>
    <message>
        <source>Tilt invert:</source>
        <translation>Odwrócenie tilt:</translation>
    </message>
    <message>
        <source>Pan tilt swap:</source>
        <translation>Zamiana pan/tilt:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Miesiąc:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Dzień:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Godzina:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minuta:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Sekunda:</translation>
    </message>
    <message>
        <source>Identify Device:</source>
        <translation>Identyfikacja urządzenia:</translation>
    </message>
    <message>
        <source>Warm (0x01)</source>
        <translation>Ciepły (0x01)</translation>
    </message>
    <message>
        <source>Cold (0xFF)</source>
        <translation>Zimny (0xFF)</translation>
    </message>
    <message>
        <source>Reset Device:</source>
        <translation>Reset urządzenia:</translation>
    </message>
    <message>
        <source>Full Off (0x00)</source>
        <translation>Całkowicie wyłączone (0x00)</translation>
    </message>
    <message>
        <source>Shutdown (0x01)</source>
        <translation>Wyłączenie (0x01)</translation>
    </message>
    <message>
        <source>Standby (0x02)</source>
        <translation>Czuwanie (0x02)</translation>
    </message>
    <message>
        <source>Normal (0xFF)</source>
        <translation>Normalny (0xFF)</translation>
    </message>
    <message>
        <source>Power state:</source>
        <translation>Stan zasilania:</translation>
    </message>
    <message>
        <source>Perform selftest:</source>
        <translation>Wykonaj autotest:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Scena:</translation>
    </message>
    <message>
        <source>Up fade time (Multiplier 10^-1):</source>
        <translation>Czas narastania (mnożnik 10^-1):</translation>
    </message>
    <message>
        <source>Down fade time: (Multiplier 10^-1)</source>
        <translation>Czas wygaszania (mnożnik 10^-1):</translation>
    </message>
    <message>
        <source>Wait time: (Multiplier 10^-1)</source>
        <translation>Czas oczekiwania (mnożnik 10^-1):</translation>
    </message>
    <message>
        <source>Mode (0-OFF/65535-All):</source>
        <translation>Tryb (0-WYŁ./65535-wszystkie):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Poziom:</translation>
    </message>
    <message>
        <source>The fields hold %1 bytes of parameter data; a request carries at most %2.</source>
        <translation>Pola zawierają %1 B danych parametru; żądanie mieści najwyżej %2 B.</translation>
    </message>
    <message>
        <source>(truncated)</source>
        <translation>(obcięto)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Proxied devices</source>
        <translation>Urządzenia za proxy</translation>
    </message>
    <message>
        <source>manufacturer id</source>
        <translation>id producenta</translation>
    </message>
    <message>
        <source>device id</source>
        <translation>id urządzenia</translation>
    </message>
    <message>
        <source>Proxied device count</source>
        <translation>Liczba urządzeń za proxy</translation>
    </message>
    <message>
        <source>device count</source>
        <translation>liczba urządzeń</translation>
    </message>
    <message>
        <source>list changed</source>
        <translation>lista zmieniona</translation>
    </message>
    <message>
        <source>Comms status</source>
        <translation>Stan komunikacji</translation>
    </message>
    <message>
        <source>short message</source>
        <translation>za krótkie komunikaty</translation>
    </message>
    <message>
        <source>length mismatch</source>
        <translation>niezgodna długość</translation>
    </message>
    <message>
        <source>checksum fail</source>
        <translation>błędna suma kontrolna</translation>
    </message>
    <message>
        <source>Status messages</source>
        <translation>Komunikaty statusu</translation>
    </message>
    <message>
        <source>sub device</source>
        <translation>urządzenie podrzędne</translation>
    </message>
    <message>
        <source>status type</source>
        <translation>typ statusu</translation>
    </message>
    <message>
        <source>message id</source>
        <translation>id komunikatu</translation>
    </message>
    <message>
        <source>value 1</source>
        <translation>wartość 1</translation>
    </message>
    <message>
        <source>value 2</source>
        <translation>wartość 2</translation>
    </message>
    <message>
        <source>Status id description label</source>
        <translation>Opis ID statusu</translation>
    </message>
    <message>
        <source>Status type</source>
        <translation>Typ statusu</translation>
    </message>
    <message>
        <source>Parameter id&apos;s</source>
        <translation>ID parametrów</translation>
    </message>
    <message>
        <source>Parameter description</source>
        <translation>Opis parametru</translation>
    </message>
    <message>
        <source>pid</source>
        <translation>pid</translation>
    </message>
    <message>
        <source>pdl size</source>
        <translation>rozmiar pdl</translation>
    </message>
    <message>
        <source>data type</source>
        <translation>typ danych</translation>
    </message>
    <message>
        <source>command class</source>
        <translation>klasa polecenia</translation>
    </message>
    <message>
        <source>type</source>
        <translation>typ</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>jednostka</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>przedrostek</translation>
    </message>
    <message>
        <source>min value:</source>
        <translation>wartość min.:</translation>
    </message>
    <message>
        <source>max value:</source>
        <translation>wartość maks.:</translation>
    </message>
    <message>
        <source>default value:</source>
        <translation>wartość domyślna:</translation>
    </message>
    <message>
        <source>description:</source>
        <translation>opis:</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Informacje o urządzeniu</translation>
    </message>
    <message>
        <source>protocol major</source>
        <translation>wersja główna protokołu</translation>
    </message>
    <message>
        <source>protocol minor</source>
        <translation>wersja podrzędna protokołu</translation>
    </message>
    <message>
        <source>device model id</source>
        <translation>id modelu urządzenia</translation>
    </message>
    <message>
        <source>product category</source>
        <translation>kategoria produktu</translation>
    </message>
    <message>
        <source>software version id</source>
        <translation>id wersji oprogramowania</translation>
    </message>
    <message>
        <source>DMX footprint</source>
        <translation>liczba kanałów DMX</translation>
    </message>
    <message>
        <source>current personality</source>
        <translation>bieżący tryb</translation>
    </message>
    <message>
        <source>personality count</source>
        <translation>liczba trybów</translation>
    </message>
    <message>
        <source>DMX start address</source>
        <translation>adres startowy DMX</translation>
    </message>
    <message>
        <source>subdevice count</source>
        <translation>liczba urządzeń podrzędnych</translation>
    </message>
    <message>
        <source>sensor count</source>
        <translation>liczba czujników</translation>
    </message>
    <message>
        <source>Product detail id list</source>
        <translation>Lista ID szczegółów produktu</translation>
    </message>
    <message>
        <source>detail id&apos;s</source>
        <translation>ID szczegółów</translation>
    </message>
    <message>
        <source>Language capabilities</source>
        <translation>Obsługiwane języki</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Current personality</source>
        <translation>Bieżący tryb</translation>
    </message>
    <message>
        <source>Personality</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>slots required</source>
        <translation>wymagane sloty</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>Slot infos</source>
        <translation>Informacje o slotach</translation>
    </message>
    <message>
        <source>slot offset</source>
        <translation>przesunięcie slotu</translation>
    </message>
    <message>
        <source>slot type</source>
        <translation>typ slotu</translation>
    </message>
    <message>
        <source>slot label id</source>
        <translation>id etykiety slotu</translation>
    </message>
    <message>
        <source>Slot description</source>
        <translation>Opis slotu</translation>
    </message>
    <message>
        <source>slot number</source>
        <translation>numer slotu</translation>
    </message>
    <message>
        <source>Default slot values</source>
        <translation>Domyślne wartości slotów</translation>
    </message>
    <message>
        <source>default slot value</source>
        <translation>domyślna wartość slotu</translation>
    </message>
    <message>
        <source>Sensor definition</source>
        <translation>Definicja czujnika</translation>
    </message>
    <message>
        <source>sensor number</source>
        <translation>numer czujnika</translation>
    </message>
    <message>
        <source>range min</source>
        <translation>zakres min.</translation>
    </message>
    <message>
        <source>range max</source>
        <translation>zakres maks.</translation>
    </message>
    <message>
        <source>normal min</source>
        <translation>normalny min.</translation>
    </message>
    <message>
        <source>normal max</source>
        <translation>normalny maks.</translation>
    </message>
    <message>
        <source>lowest/highest detected values supported</source>
        <translation>obsługa najniższej/najwyższej wykrytej wartości</translation>
    </message>
    <message>
        <source>recorded value supported</source>
        <translation>obsługa zapisanej wartości</translation>
    </message>
    <message>
        <source>Sensor value</source>
        <translation>Wartość czujnika</translation>
    </message>
    <message>
        <source>present value</source>
        <translation>bieżąca wartość</translation>
    </message>
    <message>
        <source>lowest</source>
        <translation>najniższa</translation>
    </message>
    <message>
        <source>highest</source>
        <translation>najwyższa</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>zapisana</translation>
    </message>
    <message>
        <source>Display level</source>
        <translation>Jasność wyświetlacza</translation>
    </message>
    <message>
        <source>Real time clock</source>
        <translation>Zegar czasu rzeczywistego</translation>
    </message>
    <message>
        <source>year</source>
        <translation>rok</translation>
    </message>
    <message>
        <source>month</source>
        <translation>miesiąc</translation>
    </message>
    <message>
        <source>day</source>
        <translation>dzień</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>godzina</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minuta</translation>
    </message>
    <message>
        <source>second</source>
        <translation>sekunda</translation>
    </message>
    <message>
        <source>Self test description</source>
        <translation>Opis autotestu</translation>
    </message>
    <message>
        <source>test number</source>
        <translation>numer testu</translation>
    </message>
    <message>
        <source>description</source>
        <translation>opis</translation>
    </message>
    <message>
        <source>Preset playback</source>
        <translation>Odtwarzanie presetu</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>tryb</translation>
    </message>
    <message>
        <source>level</source>
        <translation>poziom</translation>
    </message>
    <message>
        <source>bit fields</source>
        <translation>pola bitowe</translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>unsigned bytes</source>
        <translation>bajty bez znaku</translation>
    </message>
    <message>
        <source>signed bytes</source>
        <translation>bajty ze znakiem</translation>
    </message>
    <message>
        <source>unsigned words</source>
        <translation>słowa bez znaku</translation>
    </message>
    <message>
        <source>signed words</source>
        <translation>słowa ze znakiem</translation>
    </message>
    <message>
        <source>unsigned dwords</source>
        <translation>podwójne słowa bez znaku</translation>
    </message>
    <message>
        <source>signed dwords</source>
        <translation>podwójne słowa ze znakiem</translation>
    </message>
    <message>
        <source>Device model description</source>
        <translation>Opis modelu urządzenia</translation>
    </message>
    <message>
        <source>Manufacturer label</source>
        <translation>Nazwa producenta</translation>
    </message>
    <message>
        <source>Device Label</source>
        <translation>Etykieta urządzenia</translation>
    </message>
    <message>
        <source>Software version label</source>
        <translation>Opis wersji oprogramowania</translation>
    </message>
    <message>
        <source>Boot software version label</source>
        <translation>Opis wersji bootloadera</translation>
    </message>
    <message>
        <source>Boot software version id</source>
        <translation>ID wersji bootloadera</translation>
    </message>
    <message>
        <source>Device hours</source>
        <translation>Godziny pracy urządzenia</translation>
    </message>
    <message>
        <source>Lamp hours</source>
        <translation>Godziny pracy lampy</translation>
    </message>
    <message>
        <source>Lamp strikes</source>
        <translation>Zapłony lampy</translation>
    </message>
    <message>
        <source>Device power cycles</source>
        <translation>Cykle zasilania urządzenia</translation>
    </message>
    <message>
        <source>Lamp state</source>
        <translation>Stan lampy</translation>
    </message>
    <message>
        <source>Lamp on mode</source>
        <translation>Tryb włączania lampy</translation>
    </message>
    <message>
        <source>Display invert</source>
        <translation>Odwrócenie wyświetlacza</translation>
    </message>
    <message>
        <source>Power state</source>
        <translation>Stan zasilania</translation>
    </message>
    <message>
        <source>Pan invert</source>
        <translation>Odwrócenie pan</translation>
    </message>
    <message>
        <source>Tilt invert</source>
        <translation>Odwrócenie tilt</translation>
    </message>
    <message>
        <source>Pan tilt swap</source>
        <translation>Zamiana pan/tilt</translation>
    </message>
    <message>
        <source>Identify device</source>
        <translation>Identyfikacja urządzenia</translation>
    </message>
    <message>
        <source>Perform self test</source>
        <translation>Autotest</translation>
    </message>
    <message>
        <source>Sensor number</source>
        <translation>Numer czujnika</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Bieżąca wartość</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Najniższa</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Najwyższa</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Zapisana</translation>
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
        <source>Connected</source>
        <translation>Połączono</translation>
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
    <message>
        <source>Device Info</source>
        <translation>Informacje o urządzeniu</translation>
    </message>
    <message>
        <source>NO DEVICE</source>
        <translation>BRAK URZĄDZENIA</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Zapisz zmiany</translation>
    </message>
    <message>
        <source>DMX 512</source>
        <translation>DMX 512</translation>
    </message>
    <message>
        <source>Current Personality:</source>
        <translation>Bieżący tryb:</translation>
    </message>
    <message>
        <source>Footprint:</source>
        <translation>Liczba kanałów:</translation>
    </message>
    <message>
        <source>Start Address:</source>
        <translation>Adres startowy:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Device Model ID:</source>
        <translation>ID modelu urządzenia:</translation>
    </message>
    <message>
        <source>Software Version ID:</source>
        <translation>ID wersji oprogramowania:</translation>
    </message>
    <message>
        <source>Manufacturer Label:</source>
        <translation>Nazwa producenta:</translation>
    </message>
    <message>
        <source>RDM Protocol Version:</source>
        <translation>Wersja protokołu RDM:</translation>
    </message>
    <message>
        <source>Sub Device Count:</source>
        <translation>Liczba urządzeń podrzędnych:</translation>
    </message>
    <message>
        <source>Product Category:</source>
        <translation>Kategoria produktu:</translation>
    </message>
    <message>
        <source>Device Label:</source>
        <translation>Etykieta urządzenia:</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identyfikacja</translation>
    </message>
    <message>
        <source>Supported Parameters</source>
        <translation>Obsługiwane parametry</translation>
    </message>
    <message>
        <source>Parameter Count:</source>
        <translation>Liczba parametrów:</translation>
    </message>
    <message>
        <source>Parameters:</source>
        <translation>Parametry:</translation>
    </message>
    <message>
        <source>Device Control..</source>
        <translation>Sterowanie urządzeniem..</translation>
    </message>
    <message>
        <source>Auto Patch</source>
        <translation>Auto patch</translation>
    </message>
    <message>
        <source>Avaible sensors:</source>
        <translation>Dostępne czujniki:</translation>
    </message>
    <message>
        <source>Refresh All</source>
        <translation>Odśwież wszystkie</translation>
    </message>
    <message>
        <source>Sensor Count:</source>
        <translation>Liczba czujników:</translation>
    </message>
    <message>
        <source>Sensor type:</source>
        <translation>Typ czujnika:</translation>
    </message>
    <message>
        <source>Last update:</source>
        <translation>Ostatni odczyt:</translation>
    </message>
    <message>
        <source>Normal operation values</source>
        <translation>Zakres normalnej pracy</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maksimum</translation>
    </message>
    <message>
        <source>Lowest and Highest detected value</source>
        <translation>Najniższa i najwyższa wykryta wartość</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Najniższa</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Najwyższa</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Device hours:</source>
        <translation>Godziny pracy:</translation>
    </message>
    <message>
        <source>Device power cycles:</source>
        <translation>Cykle zasilania:</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampa</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Godziny:</translation>
    </message>
    <message>
        <source>Strikes:</source>
        <translation>Zapłony:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>PID - GET/SET</source>
        <translation>PID - GET/SET</translation>
    </message>
    <message>
        <source>No Device Selected</source>
        <translation>Nie wybrano urządzenia</translation>
    </message>
    <message>
        <source>Refresh PIDs</source>
        <translation>Odśwież PID-y</translation>
    </message>
    <message>
        <source>No PID Selected</source>
        <translation>Nie wybrano PID</translation>
    </message>
    <message>
        <source>PID:</source>
        <translation>PID:</translation>
    </message>
    <message>
        <source>PID Description</source>
        <translation>Opis PID</translation>
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
        <translation>SORTUJ WG:</translation>
    </message>
    <message>
        <source>ORDER:</source>
        <translation>KOLEJNOŚĆ:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Rosnąco</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Malejąco</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślnie</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nazwa urządzenia</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Typ urządzenia</translation>
    </message>
    <message>
        <source>Start Address</source>
        <translation>Adres startowy</translation>
    </message>
    <message>
        <source>Device UID</source>
        <translation>UID urządzenia</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Hex (*.hex)</source>
        <translation>Pliki Hex (*.hex)</translation>
    </message>
    <message>
        <source>Production year</source>
        <translation>Rok produkcji</translation>
    </message>
    <message>
        <source>Year(YY)</source>
        <translation>Rok (RR)</translation>
    </message>
    <message>
        <source>Production mont</source>
        <translation>Miesiąc produkcji</translation>
    </message>
    <message>
        <source>Month(MM)</source>
        <translation>Miesiąc (MM)</translation>
    </message>
    <message>
        <source>Production number</source>
        <translation>Numer produkcyjny</translation>
    </message>
    <message>
        <source>Number(NNN)</source>
        <translation>Numer (NNN)</translation>
    </message>
    <message>
        <source>Save bootloader bin</source>
        <translation>Zapisz obraz bootloadera</translation>
    </message>
    <message>
        <source>Bin (*.bin)</source>
        <translation>Pliki Bin (*.bin)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>USB Error</source>
        <translation>Błąd USB</translation>
    </message>
    <message>
        <source>Connect Rb604 Device</source>
        <translation>Podłącz urządzenie Rb604</translation>
    </message>
    <message>
        <source>Upg (*.upg)</source>
        <translation>Pliki Upg (*.upg)</translation>
    </message>
    <message>
        <source>HexToBin error: %1)</source>
        <translation>Błąd HexToBin: %1</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Zapisz plik</translation>
    </message>
    <message>
        <source>Device discovery in progress...</source>
        <translation>Trwa wykrywanie urządzeń...</translation>
    </message>
    <message>
        <source>Refreshing UID: 0x</source>
        <translation>Odświeżanie UID: 0x</translation>
    </message>
    <message>
        <source>Specify correct DMX Start Adress (1-512)</source>
        <translation>Podaj prawidłowy adres startowy DMX (1-512)</translation>
    </message>
    <message>
        <source>Not enough channels for this personality</source>
        <translation>Za mało kanałów dla tego trybu</translation>
    </message>
    <message>
        <source>Bad device label length. Appropriate length is max. 32 chars.</source>
        <translation>Nieprawidłowa długość etykiety urządzenia. Dozwolone są najwyżej 32 znaki.</translation>
    </message>
    <message>
        <source>The device label can hold only Latin-1 characters (one byte each).</source>
        <translation>Etykieta urządzenia może zawierać tylko znaki Latin-1 (po jednym bajcie).</translation>
    </message>
    <message>
        <source>Run Application</source>
        <translation>Uruchamianie aplikacji</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Data size:</source>
        <translation>Rozmiar danych:</translation>
    </message>
    <message>
        <source>various</source>
        <translation>zmienny</translation>
    </message>
    <message>
        <source>Data type:</source>
        <translation>Typ danych:</translation>
    </message>
    <message>
        <source>GET Command:</source>
        <translation>Polecenie GET:</translation>
    </message>
    <message>
        <source>SET Command:</source>
        <translation>Polecenie SET:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Jednostka:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Przedrostek:</translation>
    </message>
    <message>
        <source>Minimum value:</source>
        <translation>Wartość minimalna:</translation>
    </message>
    <message>
        <source>Maximum value:</source>
        <translation>Wartość maksymalna:</translation>
    </message>
    <message>
        <source>Default value:</source>
        <translation>Wartość domyślna:</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Auto refresh</source>
        <translation>Autoodświeżanie</translation>
    </message>
    <message>
        <source>Time between two readings of every sensor</source>
        <translation>Czas między kolejnymi odczytami każdego czujnika</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Eksportuj...</translation>
    </message>
    <message>
        <source>Write every sensor reading of this device as CSV</source>
        <translation>Zapisz wszystkie odczyty czujników tego urządzenia jako CSV</translation>
    </message>
    <message>
        <source>Export sensor history</source>
        <translation>Eksport historii czujników</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Nieobsługiwane</translation>
    </message>
    <message>
        <source>Sensor history written to %1</source>
        <translation>Historię czujników zapisano w %1</translation>
    </message>
</context>
<context>
    <name>PatchHelpDialog</name>
    <message>
        <source>Patch grid colors</source>
        <translation>Kolory siatki patchu</translation>
    </message>
    <message>
        <source>Patch grid colors:</source>
        <translation>Kolory siatki patchu:</translation>
    </message>
    <message>
        <source>Two or more devices overlap each other</source>
        <translation>Dwa lub więcej urządzeń nakłada się na siebie</translation>
    </message>
    <message>
        <source>Channel taken by one device</source>
        <translation>Kanał zajęty przez jedno urządzenie</translation>
    </message>
    <message>
        <source>A device shares one channel with its own subdevice</source>
        <translation>Urządzenie dzieli kanał z własnym urządzeniem podrzędnym</translation>
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
    <message>
        <source>Parameter data missing: PDL %1, no data given</source>
        <translation>Brak danych parametru: PDL %1, nie podano danych</translation>
    </message>
    <message>
        <source>NACK response received</source>
        <translation>Odebrano odpowiedź NACK</translation>
    </message>
    <message>
        <source>ACK Timer</source>
        <translation>ACK Timer</translation>
    </message>
    <message>
        <source>GET to a broadcast address refused: no responder answers it</source>
        <translation>Odrzucono GET na adres rozgłoszeniowy: żaden responder na niego nie odpowiada</translation>
    </message>
</context>
<context>
    <name>RDMTimeoutDialog</name>
    <message>
        <source>RDM Timeout Preferences</source>
        <translation>Ustawienia limitów czasu RDM</translation>
    </message>
    <message>
        <source>Discovery -&gt; Response (µs)</source>
        <translation>Wykrywanie -&gt; odpowiedź (µs)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Ścisłe</translation>
    </message>
    <message>
        <source>Get -&gt; Response (µs)</source>
        <translation>GET -&gt; odpowiedź (µs)</translation>
    </message>
    <message>
        <source>Set -&gt; Response (µs)</source>
        <translation>SET -&gt; odpowiedź (µs)</translation>
    </message>
    <message>
        <source>Discovery -&gt; Any Packet (µs)</source>
        <translation>Wykrywanie -&gt; dowolny pakiet (µs)</translation>
    </message>
    <message>
        <source>Missing Response -&gt; Any Packet (µs)</source>
        <translation>Brak odp. -&gt; dowolny pakiet (µs)</translation>
    </message>
    <message>
        <source>Response/Broadcast -&gt; Any Packet (µs)</source>
        <translation>Odp./rozgł. -&gt; dowolny pakiet (µs)</translation>
    </message>
    <message>
        <source>Packet Max Length (µs)</source>
        <translation>Maks. długość pakietu (µs)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>RDM Timeouts Changed</source>
        <translation>Zmieniono limity czasu RDM</translation>
    </message>
    <message>
        <source>Couldn&apos;t change RDM Timeouts</source>
        <translation>Nie udało się zmienić limitów czasu RDM</translation>
    </message>
</context>
<context>
    <name>SensorChart</name>
    <message>
        <source>Normal operation values</source>
        <translation>Zakres normalnej pracy</translation>
    </message>
</context>
<context>
    <name>TextProgressBar</name>
    <message>
        <source>Waited %1 of %2 s</source>
        <translation>Oczekiwanie: %1 z %2 s</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>DMX Start: </source>
        <translation>Adres DMX: </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>b.d.</translation>
    </message>
    <message>
        <source>DMX Footprint: </source>
        <translation>Kanały DMX: </translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Urządzenia:</translation>
    </message>
    <message>
        <source>UID: 0x</source>
        <translation>UID: 0x</translation>
    </message>
    <message>
        <source>Desc: </source>
        <translation>Opis: </translation>
    </message>
</context>
<context>
    <name>USBTimeoutDialog</name>
    <message>
        <source>USB Timeout Preferences</source>
        <translation>Ustawienia limitów czasu USB</translation>
    </message>
    <message>
        <source>Standard Timeout (ms):</source>
        <translation>Limit standardowy (ms):</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message>
        <source>Discovery Timeout (ms):</source>
        <translation>Limit wykrywania (ms):</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <source>Wrong file header</source>
        <translation>Błędny nagłówek pliku</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Błędna wersja pliku</translation>
    </message>
    <message>
        <source>Incomplete firmware image</source>
        <translation>Niekompletny obraz firmware&apos;u</translation>
    </message>
    <message>
        <source>USB Timeout
Check USB Cable</source>
        <translation>Przekroczono limit czasu USB
Sprawdź kabel USB</translation>
    </message>
    <message>
        <source>Bootloader Version Read Error</source>
        <translation>Błąd odczytu wersji bootloadera</translation>
    </message>
    <message>
        <source>Bootloader mode</source>
        <translation>Tryb bootloadera</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>Nr seryjny:</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apllication mode</source>
        <translation>Tryb aplikacji</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Resetowanie urządzenia</translation>
    </message>
    <message>
        <source>USB timout
Check USB cable</source>
        <translation>Przekroczono limit czasu USB
Sprawdź kabel USB</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłączanie</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Łączenie</translation>
    </message>
    <message>
        <source>Writting firmware ...</source>
        <translation>Zapisywanie firmware&apos;u ...</translation>
    </message>
</context>
<context>
    <name>firmware</name>
    <message>
        <source>USB Error</source>
        <translation>Błąd USB</translation>
    </message>
    <message>
        <source>Connect Rb604 Device</source>
        <translation>Podłącz urządzenie Rb604</translation>
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
