<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>DMXFaderDialog</name>
    <message>
        <source>DMX Fader</source>
        <translation>DMX Fader</translation>
    </message>
    <message>
        <source>Sliders</source>
        <translation>Sliders</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
</context>
<context>
    <name>DMXTimeoutDialog</name>
    <message>
        <source>DMX Timeout Preferences</source>
        <translation>DMX Timeout Preferences</translation>
    </message>
    <message>
        <source>Break (µs)</source>
        <translation>Break (µs)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>Mark After Break (µs)</source>
        <translation>Mark After Break (µs)</translation>
    </message>
    <message>
        <source>Space between slots (µs)</source>
        <translation>Space between slots (µs)</translation>
    </message>
    <message>
        <source>Space between packets (µs)</source>
        <translation>Space between packets (µs)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>DMX Timeouts Changed</source>
        <translation>DMX Timeouts Changed</translation>
    </message>
    <message>
        <source>Couldn&apos;t change DMX Timeouts</source>
        <translation>Couldn&apos;t change DMX Timeouts</translation>
    </message>
</context>
<context>
    <name>Dialog_Info</name>
    <message>
        <source>Orv RDM Controller Information</source>
        <translation>Orv RDM Controller Information</translation>
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
        <translation>Finds the RDM responders on a DMX512 line through the Rb604 USB interface, shows and changes their settings, reads their sensors and counters, lays them out on the DMX patch grid and sets DMX levels by hand.</translation>
    </message>
    <message>
        <source>Settings are kept in:</source>
        <translation>Settings are kept in:</translation>
    </message>
    <message>
        <source>The language chosen at start is kept in the file Rb604.rbi in the working directory.</source>
        <translation>The language chosen at start is kept in the file Rb604.rbi in the working directory.</translation>
    </message>
</context>
<context>
    <name>GetSetDialog</name>
    <message>
        <source>Unsigned Byte</source>
        <translation>Unsigned Byte</translation>
    </message>
    <message>
        <source>Signed Byte</source>
        <translation>Signed Byte</translation>
    </message>
    <message>
        <source>Unsigned Word</source>
        <translation>Unsigned Word</translation>
    </message>
    <message>
        <source>Signed Word</source>
        <translation>Signed Word</translation>
    </message>
    <message>
        <source>Unsigned Double Word</source>
        <translation>Unsigned Double Word</translation>
    </message>
    <message>
        <source>Unsigned DWord</source>
        <translation>Unsigned DWord</translation>
    </message>
    <message>
        <source>Signed Double Word</source>
        <translation>Signed Double Word</translation>
    </message>
    <message>
        <source>Signed DWord</source>
        <translation>Signed DWord</translation>
    </message>
    <message>
        <source>Bit Field</source>
        <translation>Bit Field</translation>
    </message>
    <message>
        <source>Bit field:</source>
        <translation>Bit field:</translation>
    </message>
    <message>
        <source>String</source>
        <translation>String</translation>
    </message>
    <message>
        <source>String:</source>
        <translation>String:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Selected device:</translation>
    </message>
    <message>
        <source>Broadcast: Selected Manufacturer</source>
        <translation>Broadcast: Selected Manufacturer</translation>
    </message>
    <message>
        <source>Broadcast: All Devices</source>
        <translation>Broadcast: All Devices</translation>
    </message>
    <message>
        <source>Broadcast: All Sub-Devices</source>
        <translation>Broadcast: All Sub-Devices</translation>
    </message>
    <message>
        <source>RDM Set Recipient:</source>
        <translation>RDM Set Recipient:</translation>
    </message>
    <message>
        <source>Add field (if necessary):</source>
        <translation>Add field (if necessary):</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DEFAULT</translation>
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
        <translation>Default</translation>
    </message>
    <message>
        <source>All sensors</source>
        <translation>All sensors</translation>
    </message>
    <message>
        <source>Sensor:</source>
        <translation>Sensor:</translation>
    </message>
    <message>
        <source>Language code (2 chars):</source>
        <translation>Language code (2 chars):</translation>
    </message>
    <message>
        <source>Language code:</source>
        <translation>Language code:</translation>
    </message>
    <message>
        <source>Last message (0x01)</source>
        <translation>Last message (0x01)</translation>
    </message>
    <message>
        <source>Advisory (0x02)</source>
        <translation>Advisory (0x02)</translation>
    </message>
    <message>
        <source>Warning (0x03)</source>
        <translation>Warning (0x03)</translation>
    </message>
    <message>
        <source>Error (0x04)</source>
        <translation>Error (0x04)</translation>
    </message>
    <message>
        <source>Status type:</source>
        <translation>Status type:</translation>
    </message>
    <message>
        <source>None (0x00)</source>
        <translation>None (0x00)</translation>
    </message>
    <message>
        <source>Status id:</source>
        <translation>Status id:</translation>
    </message>
    <message>
        <source>Parameter:</source>
        <translation>Parameter:</translation>
    </message>
    <message>
        <source>Personality:</source>
        <translation>Personality:</translation>
    </message>
    <message>
        <source>Slot number</source>
        <translation>Slot number</translation>
    </message>
    <message>
        <source>Test number:</source>
        <translation>Test number:</translation>
    </message>
    <message>
        <source>Off (0x00)</source>
        <translation>Off (0x00)</translation>
    </message>
    <message>
        <source>On (0x01)</source>
        <translation>On (0x01)</translation>
    </message>
    <message>
        <source>Device label:</source>
        <translation>Device label:</translation>
    </message>
    <message>
        <source>DMX Start Address:</source>
        <translation>DMX Start Address:</translation>
    </message>
    <message>
        <source>Device hours:</source>
        <translation>Device hours:</translation>
    </message>
    <message>
        <source>Lamp hours:</source>
        <translation>Lamp hours:</translation>
    </message>
    <message>
        <source>Lamp strikes:</source>
        <translation>Lamp strikes:</translation>
    </message>
    <message>
        <source>Device power cycles:</source>
        <translation>Device power cycles:</translation>
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
        <translation>Lamp state:</translation>
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
        <translation>Lamp on mode:</translation>
    </message>
    <message>
        <source>Auto (0x02)</source>
        <translation>Auto (0x02)</translation>
    </message>
    <message>
        <source>Display invert:</source>
        <translation>Display invert:</translation>
    </message>
    <message>
        <source>Display level:</source>
        <translation>Display level:</translation>
    </message>
    <message>
        <source>Pan invert:</source>
        <translation>Pan invert:</translation>
    </message>
    <message>
        <source>Tilt invert:</source>
        <translation>Tilt invert:</translation>
    </message>
    <message>
        <source>Pan tilt swap:</source>
        <translation>Pan tilt swap:</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>Day:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Hour:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Second:</translation>
    </message>
    <message>
        <source>Identify Device:</source>
        <translation>Identify Device:</translation>
    </message>
    <message>
        <source>Warm (0x01)</source>
        <translation>Warm (0x01)</translation>
    </message>
    <message>
        <source>Cold (0xFF)</source>
        <translation>Cold (0xFF)</translation>
    </message>
    <message>
        <source>Reset Device:</source>
        <translation>Reset Device:</translation>
    </message>
    <message>
        <source>Full Off (0x00)</source>
        <translation>Full Off (0x00)</translation>
    </message>
    <message>
        <source>Shutdown (0x01)</source>
        <translation>Shutdown (0x01)</translation>
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
        <translation>Power state:</translation>
    </message>
    <message>
        <source>Perform selftest:</source>
        <translation>Perform selftest:</translation>
    </message>
    <message>
        <source>Scene:</source>
        <translation>Scene:</translation>
    </message>
    <message>
        <source>Up fade time (Multiplier 10^-1):</source>
        <translation>Up fade time (Multiplier 10^-1):</translation>
    </message>
    <message>
        <source>Down fade time: (Multiplier 10^-1)</source>
        <translation>Down fade time: (Multiplier 10^-1)</translation>
    </message>
    <message>
        <source>Wait time: (Multiplier 10^-1)</source>
        <translation>Wait time: (Multiplier 10^-1)</translation>
    </message>
    <message>
        <source>Mode (0-OFF/65535-All):</source>
        <translation>Mode (0-OFF/65535-All):</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>The fields hold %1 bytes of parameter data; a request carries at most %2.</source>
        <translation>The fields hold %1 bytes of parameter data; a request carries at most %2.</translation>
    </message>
    <message>
        <source>(truncated)</source>
        <translation>(truncated)</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Proxied devices</source>
        <translation>Proxied devices</translation>
    </message>
    <message>
        <source>manufacturer id</source>
        <translation>manufacturer id</translation>
    </message>
    <message>
        <source>device id</source>
        <translation>device id</translation>
    </message>
    <message>
        <source>Proxied device count</source>
        <translation>Proxied device count</translation>
    </message>
    <message>
        <source>device count</source>
        <translation>device count</translation>
    </message>
    <message>
        <source>list changed</source>
        <translation>list changed</translation>
    </message>
    <message>
        <source>Comms status</source>
        <translation>Comms status</translation>
    </message>
    <message>
        <source>short message</source>
        <translation>short message</translation>
    </message>
    <message>
        <source>length mismatch</source>
        <translation>length mismatch</translation>
    </message>
    <message>
        <source>checksum fail</source>
        <translation>checksum fail</translation>
    </message>
    <message>
        <source>Status messages</source>
        <translation>Status messages</translation>
    </message>
    <message>
        <source>sub device</source>
        <translation>sub device</translation>
    </message>
    <message>
        <source>status type</source>
        <translation>status type</translation>
    </message>
    <message>
        <source>message id</source>
        <translation>message id</translation>
    </message>
    <message>
        <source>value 1</source>
        <translation>value 1</translation>
    </message>
    <message>
        <source>value 2</source>
        <translation>value 2</translation>
    </message>
    <message>
        <source>Status id description label</source>
        <translation>Status id description label</translation>
    </message>
    <message>
        <source>Status type</source>
        <translation>Status type</translation>
    </message>
    <message>
        <source>Parameter id&apos;s</source>
        <translation>Parameter id&apos;s</translation>
    </message>
    <message>
        <source>Parameter description</source>
        <translation>Parameter description</translation>
    </message>
    <message>
        <source>pid</source>
        <translation>pid</translation>
    </message>
    <message>
        <source>pdl size</source>
        <translation>pdl size</translation>
    </message>
    <message>
        <source>data type</source>
        <translation>data type</translation>
    </message>
    <message>
        <source>command class</source>
        <translation>command class</translation>
    </message>
    <message>
        <source>type</source>
        <translation>type</translation>
    </message>
    <message>
        <source>unit</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>prefix</source>
        <translation>prefix</translation>
    </message>
    <message>
        <source>min value:</source>
        <translation>min value:</translation>
    </message>
    <message>
        <source>max value:</source>
        <translation>max value:</translation>
    </message>
    <message>
        <source>default value:</source>
        <translation>default value:</translation>
    </message>
    <message>
        <source>description:</source>
        <translation>description:</translation>
    </message>
    <message>
        <source>Device info</source>
        <translation>Device info</translation>
    </message>
    <message>
        <source>protocol major</source>
        <translation>protocol major</translation>
    </message>
    <message>
        <source>protocol minor</source>
        <translation>protocol minor</translation>
    </message>
    <message>
        <source>device model id</source>
        <translation>device model id</translation>
    </message>
    <message>
        <source>product category</source>
        <translation>product category</translation>
    </message>
    <message>
        <source>software version id</source>
        <translation>software version id</translation>
    </message>
    <message>
        <source>DMX footprint</source>
        <translation>DMX footprint</translation>
    </message>
    <message>
        <source>current personality</source>
        <translation>current personality</translation>
    </message>
    <message>
        <source>personality count</source>
        <translation>personality count</translation>
    </message>
    <message>
        <source>DMX start address</source>
        <translation>DMX start address</translation>
    </message>
    <message>
        <source>subdevice count</source>
        <translation>subdevice count</translation>
    </message>
    <message>
        <source>sensor count</source>
        <translation>sensor count</translation>
    </message>
    <message>
        <source>Product detail id list</source>
        <translation>Product detail id list</translation>
    </message>
    <message>
        <source>detail id&apos;s</source>
        <translation>detail id&apos;s</translation>
    </message>
    <message>
        <source>Language capabilities</source>
        <translation>Language capabilities</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Current personality</source>
        <translation>Current personality</translation>
    </message>
    <message>
        <source>Personality</source>
        <translation>Personality</translation>
    </message>
    <message>
        <source>slots required</source>
        <translation>slots required</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>Slot infos</source>
        <translation>Slot infos</translation>
    </message>
    <message>
        <source>slot offset</source>
        <translation>slot offset</translation>
    </message>
    <message>
        <source>slot type</source>
        <translation>slot type</translation>
    </message>
    <message>
        <source>slot label id</source>
        <translation>slot label id</translation>
    </message>
    <message>
        <source>Slot description</source>
        <translation>Slot description</translation>
    </message>
    <message>
        <source>slot number</source>
        <translation>slot number</translation>
    </message>
    <message>
        <source>Default slot values</source>
        <translation>Default slot values</translation>
    </message>
    <message>
        <source>default slot value</source>
        <translation>default slot value</translation>
    </message>
    <message>
        <source>Sensor definition</source>
        <translation>Sensor definition</translation>
    </message>
    <message>
        <source>sensor number</source>
        <translation>sensor number</translation>
    </message>
    <message>
        <source>range min</source>
        <translation>range min</translation>
    </message>
    <message>
        <source>range max</source>
        <translation>range max</translation>
    </message>
    <message>
        <source>normal min</source>
        <translation>normal min</translation>
    </message>
    <message>
        <source>normal max</source>
        <translation>normal max</translation>
    </message>
    <message>
        <source>lowest/highest detected values supported</source>
        <translation>lowest/highest detected values supported</translation>
    </message>
    <message>
        <source>recorded value supported</source>
        <translation>recorded value supported</translation>
    </message>
    <message>
        <source>Sensor value</source>
        <translation>Sensor value</translation>
    </message>
    <message>
        <source>present value</source>
        <translation>present value</translation>
    </message>
    <message>
        <source>lowest</source>
        <translation>lowest</translation>
    </message>
    <message>
        <source>highest</source>
        <translation>highest</translation>
    </message>
    <message>
        <source>recorded</source>
        <translation>recorded</translation>
    </message>
    <message>
        <source>Display level</source>
        <translation>Display level</translation>
    </message>
    <message>
        <source>Real time clock</source>
        <translation>Real time clock</translation>
    </message>
    <message>
        <source>year</source>
        <translation>year</translation>
    </message>
    <message>
        <source>month</source>
        <translation>month</translation>
    </message>
    <message>
        <source>day</source>
        <translation>day</translation>
    </message>
    <message>
        <source>hour</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>second</source>
        <translation>second</translation>
    </message>
    <message>
        <source>Self test description</source>
        <translation>Self test description</translation>
    </message>
    <message>
        <source>test number</source>
        <translation>test number</translation>
    </message>
    <message>
        <source>description</source>
        <translation>description</translation>
    </message>
    <message>
        <source>Preset playback</source>
        <translation>Preset playback</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>level</source>
        <translation>level</translation>
    </message>
    <message>
        <source>bit fields</source>
        <translation>bit fields</translation>
    </message>
    <message>
        <source>Ascii</source>
        <translation>Ascii</translation>
    </message>
    <message>
        <source>unsigned bytes</source>
        <translation>unsigned bytes</translation>
    </message>
    <message>
        <source>signed bytes</source>
        <translation>signed bytes</translation>
    </message>
    <message>
        <source>unsigned words</source>
        <translation>unsigned words</translation>
    </message>
    <message>
        <source>signed words</source>
        <translation>signed words</translation>
    </message>
    <message>
        <source>unsigned dwords</source>
        <translation>unsigned dwords</translation>
    </message>
    <message>
        <source>signed dwords</source>
        <translation>signed dwords</translation>
    </message>
    <message>
        <source>Device model description</source>
        <translation>Device model description</translation>
    </message>
    <message>
        <source>Manufacturer label</source>
        <translation>Manufacturer label</translation>
    </message>
    <message>
        <source>Device Label</source>
        <translation>Device Label</translation>
    </message>
    <message>
        <source>Software version label</source>
        <translation>Software version label</translation>
    </message>
    <message>
        <source>Boot software version label</source>
        <translation>Boot software version label</translation>
    </message>
    <message>
        <source>Boot software version id</source>
        <translation>Boot software version id</translation>
    </message>
    <message>
        <source>Device hours</source>
        <translation>Device hours</translation>
    </message>
    <message>
        <source>Lamp hours</source>
        <translation>Lamp hours</translation>
    </message>
    <message>
        <source>Lamp strikes</source>
        <translation>Lamp strikes</translation>
    </message>
    <message>
        <source>Device power cycles</source>
        <translation>Device power cycles</translation>
    </message>
    <message>
        <source>Lamp state</source>
        <translation>Lamp state</translation>
    </message>
    <message>
        <source>Lamp on mode</source>
        <translation>Lamp on mode</translation>
    </message>
    <message>
        <source>Display invert</source>
        <translation>Display invert</translation>
    </message>
    <message>
        <source>Power state</source>
        <translation>Power state</translation>
    </message>
    <message>
        <source>Pan invert</source>
        <translation>Pan invert</translation>
    </message>
    <message>
        <source>Tilt invert</source>
        <translation>Tilt invert</translation>
    </message>
    <message>
        <source>Pan tilt swap</source>
        <translation>Pan tilt swap</translation>
    </message>
    <message>
        <source>Identify device</source>
        <translation>Identify device</translation>
    </message>
    <message>
        <source>Perform self test</source>
        <translation>Perform self test</translation>
    </message>
    <message>
        <source>Sensor number</source>
        <translation>Sensor number</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Present value</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Recorded</source>
        <translation>Recorded</translation>
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
        <translation>Device Overview</translation>
    </message>
    <message>
        <source>DMX Patch Grid</source>
        <translation>DMX Patch Grid</translation>
    </message>
    <message>
        <source>Sensors</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>RDM Settings</source>
        <translation>RDM Settings</translation>
    </message>
    <message>
        <source>Log Messages</source>
        <translation>Log Messages</translation>
    </message>
    <message>
        <source>Timeout</source>
        <translation>Timeout</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware Update</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Discovery</source>
        <translation>Discovery</translation>
    </message>
    <message>
        <source>Full Discovery</source>
        <translation>Full Discovery</translation>
    </message>
    <message>
        <source>Add. Discovery</source>
        <translation>Add. Discovery</translation>
    </message>
    <message>
        <source>RDM Timeout</source>
        <translation>RDM Timeout</translation>
    </message>
    <message>
        <source>USB Timeout</source>
        <translation>USB Timeout</translation>
    </message>
    <message>
        <source>DMX Timeout</source>
        <translation>DMX Timeout</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Change Firmware</source>
        <translation>Change Firmware</translation>
    </message>
    <message>
        <source>CreateUpg</source>
        <translation>CreateUpg</translation>
    </message>
    <message>
        <source>CreateBootBin</source>
        <translation>CreateBootBin</translation>
    </message>
    <message>
        <source>RunApplication</source>
        <translation>RunApplication</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Orv RDM Controller ver. </source>
        <translation>Orv RDM Controller ver. </translation>
    </message>
    <message>
        <source>Looking for ORV controllers, </source>
        <translation>Looking for ORV controllers, </translation>
    </message>
    <message>
        <source> found.</source>
        <translation> found.</translation>
    </message>
    <message>
        <source>Connection failed</source>
        <translation>Connection failed</translation>
    </message>
    <message>
        <source>Connection succeeded</source>
        <translation>Connection succeeded</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Disconnecting</translation>
    </message>
    <message>
        <source>Disconnecting after USB error</source>
        <translation>Disconnecting after USB error</translation>
    </message>
    <message>
        <source>Trying to reconnect</source>
        <translation>Trying to reconnect</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Success</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>Restart program to apply changes.</source>
        <translation>Restart program to apply changes.</translation>
    </message>
    <message>
        <source>Device Info</source>
        <translation>Device Info</translation>
    </message>
    <message>
        <source>NO DEVICE</source>
        <translation>NO DEVICE</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>DMX 512</source>
        <translation>DMX 512</translation>
    </message>
    <message>
        <source>Current Personality:</source>
        <translation>Current Personality:</translation>
    </message>
    <message>
        <source>Footprint:</source>
        <translation>Footprint:</translation>
    </message>
    <message>
        <source>Start Address:</source>
        <translation>Start Address:</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Device Model ID:</source>
        <translation>Device Model ID:</translation>
    </message>
    <message>
        <source>Software Version ID:</source>
        <translation>Software Version ID:</translation>
    </message>
    <message>
        <source>Manufacturer Label:</source>
        <translation>Manufacturer Label:</translation>
    </message>
    <message>
        <source>RDM Protocol Version:</source>
        <translation>RDM Protocol Version:</translation>
    </message>
    <message>
        <source>Sub Device Count:</source>
        <translation>Sub Device Count:</translation>
    </message>
    <message>
        <source>Product Category:</source>
        <translation>Product Category:</translation>
    </message>
    <message>
        <source>Device Label:</source>
        <translation>Device Label:</translation>
    </message>
    <message>
        <source>Identify</source>
        <translation>Identify</translation>
    </message>
    <message>
        <source>Supported Parameters</source>
        <translation>Supported Parameters</translation>
    </message>
    <message>
        <source>Parameter Count:</source>
        <translation>Parameter Count:</translation>
    </message>
    <message>
        <source>Parameters:</source>
        <translation>Parameters:</translation>
    </message>
    <message>
        <source>Device Control..</source>
        <translation>Device Control..</translation>
    </message>
    <message>
        <source>Auto Patch</source>
        <translation>Auto Patch</translation>
    </message>
    <message>
        <source>Avaible sensors:</source>
        <translation>Avaible sensors:</translation>
    </message>
    <message>
        <source>Refresh All</source>
        <translation>Refresh All</translation>
    </message>
    <message>
        <source>Sensor Count:</source>
        <translation>Sensor Count:</translation>
    </message>
    <message>
        <source>Sensor type:</source>
        <translation>Sensor type:</translation>
    </message>
    <message>
        <source>Last update:</source>
        <translation>Last update:</translation>
    </message>
    <message>
        <source>Normal operation values</source>
        <translation>Normal operation values</translation>
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
        <translation>Lowest and Highest detected value</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Device hours:</source>
        <translation>Device hours:</translation>
    </message>
    <message>
        <source>Device power cycles:</source>
        <translation>Device power cycles:</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lamp</translation>
    </message>
    <message>
        <source>Hours:</source>
        <translation>Hours:</translation>
    </message>
    <message>
        <source>Strikes:</source>
        <translation>Strikes:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>PID - GET/SET</source>
        <translation>PID - GET/SET</translation>
    </message>
    <message>
        <source>No Device Selected</source>
        <translation>No Device Selected</translation>
    </message>
    <message>
        <source>Refresh PIDs</source>
        <translation>Refresh PIDs</translation>
    </message>
    <message>
        <source>No PID Selected</source>
        <translation>No PID Selected</translation>
    </message>
    <message>
        <source>PID:</source>
        <translation>PID:</translation>
    </message>
    <message>
        <source>PID Description</source>
        <translation>PID Description</translation>
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
        <translation>SORT BY:</translation>
    </message>
    <message>
        <source>ORDER:</source>
        <translation>ORDER:</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascending</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descending</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Device Name</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Device Type</source>
        <translation>Device Type</translation>
    </message>
    <message>
        <source>Start Address</source>
        <translation>Start Address</translation>
    </message>
    <message>
        <source>Device UID</source>
        <translation>Device UID</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Hex (*.hex)</source>
        <translation>Hex (*.hex)</translation>
    </message>
    <message>
        <source>Production year</source>
        <translation>Production year</translation>
    </message>
    <message>
        <source>Year(YY)</source>
        <translation>Year(YY)</translation>
    </message>
    <message>
        <source>Production mont</source>
        <translation>Production mont</translation>
    </message>
    <message>
        <source>Month(MM)</source>
        <translation>Month(MM)</translation>
    </message>
    <message>
        <source>Production number</source>
        <translation>Production number</translation>
    </message>
    <message>
        <source>Number(NNN)</source>
        <translation>Number(NNN)</translation>
    </message>
    <message>
        <source>Save bootloader bin</source>
        <translation>Save bootloader bin</translation>
    </message>
    <message>
        <source>Bin (*.bin)</source>
        <translation>Bin (*.bin)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>USB Error</source>
        <translation>USB Error</translation>
    </message>
    <message>
        <source>Connect Rb604 Device</source>
        <translation>Connect Rb604 Device</translation>
    </message>
    <message>
        <source>Upg (*.upg)</source>
        <translation>Upg (*.upg)</translation>
    </message>
    <message>
        <source>HexToBin error: %1)</source>
        <translation>HexToBin error: %1)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Device discovery in progress...</source>
        <translation>Device discovery in progress...</translation>
    </message>
    <message>
        <source>Refreshing UID: 0x</source>
        <translation>Refreshing UID: 0x</translation>
    </message>
    <message>
        <source>Specify correct DMX Start Adress (1-512)</source>
        <translation>Specify correct DMX Start Adress (1-512)</translation>
    </message>
    <message>
        <source>Not enough channels for this personality</source>
        <translation>Not enough channels for this personality</translation>
    </message>
    <message>
        <source>Bad device label length. Appropriate length is max. 32 chars.</source>
        <translation>Bad device label length. Appropriate length is max. 32 chars.</translation>
    </message>
    <message>
        <source>The device label can hold only Latin-1 characters (one byte each).</source>
        <translation>The device label can hold only Latin-1 characters (one byte each).</translation>
    </message>
    <message>
        <source>Run Application</source>
        <translation>Run Application</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Data size:</source>
        <translation>Data size:</translation>
    </message>
    <message>
        <source>various</source>
        <translation>various</translation>
    </message>
    <message>
        <source>Data type:</source>
        <translation>Data type:</translation>
    </message>
    <message>
        <source>GET Command:</source>
        <translation>GET Command:</translation>
    </message>
    <message>
        <source>SET Command:</source>
        <translation>SET Command:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unit:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Prefix:</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>Minimum value:</source>
        <translation>Minimum value:</translation>
    </message>
    <message>
        <source>Maximum value:</source>
        <translation>Maximum value:</translation>
    </message>
    <message>
        <source>Default value:</source>
        <translation>Default value:</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Auto refresh</source>
        <translation>Auto refresh</translation>
    </message>
    <message>
        <source>Time between two readings of every sensor</source>
        <translation>Time between two readings of every sensor</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Write every sensor reading of this device as CSV</source>
        <translation>Write every sensor reading of this device as CSV</translation>
    </message>
    <message>
        <source>Export sensor history</source>
        <translation>Export sensor history</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Not supported</translation>
    </message>
    <message>
        <source>Sensor history written to %1</source>
        <translation>Sensor history written to %1</translation>
    </message>
</context>
<context>
    <name>PatchHelpDialog</name>
    <message>
        <source>Patch grid colors</source>
        <translation>Patch grid colors</translation>
    </message>
    <message>
        <source>Patch grid colors:</source>
        <translation>Patch grid colors:</translation>
    </message>
    <message>
        <source>Two or more devices overlap each other</source>
        <translation>Two or more devices overlap each other</translation>
    </message>
    <message>
        <source>Channel taken by one device</source>
        <translation>Channel taken by one device</translation>
    </message>
    <message>
        <source>A device shares one channel with its own subdevice</source>
        <translation>A device shares one channel with its own subdevice</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
</context>
<context>
    <name>RDM</name>
    <message>
        <source>Searching for new devices, please wait...</source>
        <translation>Searching for new devices, please wait...</translation>
    </message>
    <message>
        <source>Parameter data too long: %1 bytes, at most %2 can be sent</source>
        <translation>Parameter data too long: %1 bytes, at most %2 can be sent</translation>
    </message>
    <message>
        <source>Response record incomplete: %1 of %2 header bytes</source>
        <translation>Response record incomplete: %1 of %2 header bytes</translation>
    </message>
    <message>
        <source>Response record refused: %1 data bytes announced, at most %2 fit</source>
        <translation>Response record refused: %1 data bytes announced, at most %2 fit</translation>
    </message>
    <message>
        <source>Response record incomplete: %1 of %2 data bytes</source>
        <translation>Response record incomplete: %1 of %2 data bytes</translation>
    </message>
    <message>
        <source>missing response</source>
        <translation>missing response</translation>
    </message>
    <message>
        <source>bad destination UID</source>
        <translation>bad destination UID</translation>
    </message>
    <message>
        <source>bad checksum</source>
        <translation>bad checksum</translation>
    </message>
    <message>
        <source>bad transaction number</source>
        <translation>bad transaction number</translation>
    </message>
    <message>
        <source>NACK response received: </source>
        <translation>NACK response received: </translation>
    </message>
    <message>
        <source>ACK Timer - wait </source>
        <translation>ACK Timer - wait </translation>
    </message>
    <message>
        <source>unknown command class</source>
        <translation>unknown command class</translation>
    </message>
    <message>
        <source>ACK response received</source>
        <translation>ACK response received</translation>
    </message>
    <message>
        <source>Response error - </source>
        <translation>Response error - </translation>
    </message>
    <message>
        <source>GET request failed. USB send error</source>
        <translation>GET request failed. USB send error</translation>
    </message>
    <message>
        <source>GET request failed. USB receive error</source>
        <translation>GET request failed. USB receive error</translation>
    </message>
    <message>
        <source>Sending SET request</source>
        <translation>Sending SET request</translation>
    </message>
    <message>
        <source>SET request failed. USB send error</source>
        <translation>SET request failed. USB send error</translation>
    </message>
    <message>
        <source>SET Broadcast sent.</source>
        <translation>SET Broadcast sent.</translation>
    </message>
    <message>
        <source>SET request failed. USB receive error</source>
        <translation>SET request failed. USB receive error</translation>
    </message>
    <message>
        <source>Discovery error!</source>
        <translation>Discovery error!</translation>
    </message>
    <message>
        <source>Full Discovery request sent. Waiting for response...</source>
        <translation>Full Discovery request sent. Waiting for response...</translation>
    </message>
    <message>
        <source>Additional Discovery request sent. Waiting for response...</source>
        <translation>Additional Discovery request sent. Waiting for response...</translation>
    </message>
    <message>
        <source>Response data not received. USB error</source>
        <translation>Response data not received. USB error</translation>
    </message>
    <message>
        <source>Discovery successful</source>
        <translation>Discovery successful</translation>
    </message>
    <message>
        <source>Number of devices found: </source>
        <translation>Number of devices found: </translation>
    </message>
    <message>
        <source>Not Declared</source>
        <translation>Not Declared</translation>
    </message>
    <message>
        <source>Fixture</source>
        <translation>Fixture</translation>
    </message>
    <message>
        <source>Fixture Fixed</source>
        <translation>Fixture Fixed</translation>
    </message>
    <message>
        <source>Fixture moving yoke</source>
        <translation>Fixture moving yoke</translation>
    </message>
    <message>
        <source>Fixture moving mirror</source>
        <translation>Fixture moving mirror</translation>
    </message>
    <message>
        <source>Fixture other</source>
        <translation>Fixture other</translation>
    </message>
    <message>
        <source>Fixture accessory</source>
        <translation>Fixture accessory</translation>
    </message>
    <message>
        <source>Scrollers / Color Changers</source>
        <translation>Scrollers / Color Changers</translation>
    </message>
    <message>
        <source>Yoke add-on</source>
        <translation>Yoke add-on</translation>
    </message>
    <message>
        <source>Moving mirror add-on</source>
        <translation>Moving mirror add-on</translation>
    </message>
    <message>
        <source>Effects Discs</source>
        <translation>Effects Discs</translation>
    </message>
    <message>
        <source>Gobo Rotators / Iris / Shutters / Dousers Beam modifiers</source>
        <translation>Gobo Rotators / Iris / Shutters / Dousers Beam modifiers</translation>
    </message>
    <message>
        <source>Fixture accessory other</source>
        <translation>Fixture accessory other</translation>
    </message>
    <message>
        <source>Projector</source>
        <translation>Projector</translation>
    </message>
    <message>
        <source>Projector Fixed</source>
        <translation>Projector Fixed</translation>
    </message>
    <message>
        <source>Projector moving yoke</source>
        <translation>Projector moving yoke</translation>
    </message>
    <message>
        <source>Projector moving mirror</source>
        <translation>Projector moving mirror</translation>
    </message>
    <message>
        <source>Projector other</source>
        <translation>Projector other</translation>
    </message>
    <message>
        <source>Atmospheric</source>
        <translation>Atmospheric</translation>
    </message>
    <message>
        <source>Fogger / Hazer / Flame, etc.</source>
        <translation>Fogger / Hazer / Flame, etc.</translation>
    </message>
    <message>
        <source>Atmospheric pyro</source>
        <translation>Atmospheric pyro</translation>
    </message>
    <message>
        <source>Atmospheric other</source>
        <translation>Atmospheric other</translation>
    </message>
    <message>
        <source>Dimmer</source>
        <translation>Dimmer</translation>
    </message>
    <message>
        <source>Dimmer AC Incandescent (AC &gt; 50VAC)</source>
        <translation>Dimmer AC Incandescent (AC &gt; 50VAC)</translation>
    </message>
    <message>
        <source>Dimmer AC fluorescent</source>
        <translation>Dimmer AC fluorescent</translation>
    </message>
    <message>
        <source>Dimmer AC Coldcathode</source>
        <translation>Dimmer AC Coldcathode</translation>
    </message>
    <message>
        <source>Non-Dim module in dimmer rack</source>
        <translation>Non-Dim module in dimmer rack</translation>
    </message>
    <message>
        <source>Dimmer AC ELV (AC &lt;= 50V)</source>
        <translation>Dimmer AC ELV (AC &lt;= 50V)</translation>
    </message>
    <message>
        <source>Dimmer AC Other</source>
        <translation>Dimmer AC Other</translation>
    </message>
    <message>
        <source>Dimmer DC Level (variable output)</source>
        <translation>Dimmer DC Level (variable output)</translation>
    </message>
    <message>
        <source>Dimmer DC PWM (chopped output)</source>
        <translation>Dimmer DC PWM (chopped output)</translation>
    </message>
    <message>
        <source>Specialized LED dimmer</source>
        <translation>Specialized LED dimmer</translation>
    </message>
    <message>
        <source>Dimmer other</source>
        <translation>Dimmer other</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Contactor racks, other forms of Power Controllers</source>
        <translation>Contactor racks, other forms of Power Controllers</translation>
    </message>
    <message>
        <source>Generators</source>
        <translation>Generators</translation>
    </message>
    <message>
        <source>Power other</source>
        <translation>Power other</translation>
    </message>
    <message>
        <source>Scenic</source>
        <translation>Scenic</translation>
    </message>
    <message>
        <source>Rotators / Kabuki drops, etc</source>
        <translation>Rotators / Kabuki drops, etc</translation>
    </message>
    <message>
        <source>Scenic other</source>
        <translation>Scenic other</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Splitters / repeaters / data patch / Ethernet products used to distribute DMX universes</source>
        <translation>Splitters / repeaters / data patch / Ethernet products used to distribute DMX universes</translation>
    </message>
    <message>
        <source>Protocol Conversion analog decoders</source>
        <translation>Protocol Conversion analog decoders</translation>
    </message>
    <message>
        <source>Data other</source>
        <translation>Data other</translation>
    </message>
    <message>
        <source>AV</source>
        <translation>AV</translation>
    </message>
    <message>
        <source>Audio controller or device</source>
        <translation>Audio controller or device</translation>
    </message>
    <message>
        <source>Video controller or display device</source>
        <translation>Video controller or display device</translation>
    </message>
    <message>
        <source>AV other</source>
        <translation>AV other</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Product that monitors AC line voltage, current or power</source>
        <translation>Product that monitors AC line voltage, current or power</translation>
    </message>
    <message>
        <source>Product that monitors DC line voltage, current or power</source>
        <translation>Product that monitors DC line voltage, current or power</translation>
    </message>
    <message>
        <source>Temperature or other environmental parameter</source>
        <translation>Temperature or other environmental parameter</translation>
    </message>
    <message>
        <source>Monitor other</source>
        <translation>Monitor other</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Backup device</source>
        <translation>Backup device</translation>
    </message>
    <message>
        <source>Control other</source>
        <translation>Control other</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Test equipment</source>
        <translation>Test equipment</translation>
    </message>
    <message>
        <source>Test other</source>
        <translation>Test other</translation>
    </message>
    <message>
        <source>No description</source>
        <translation>No description</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
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
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Mass</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
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
        <translation>Luminous intensity</translation>
    </message>
    <message>
        <source>Luminous flux</source>
        <translation>Luminous flux</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Illuminance</translation>
    </message>
    <message>
        <source>Chrominance red</source>
        <translation>Chrominance red</translation>
    </message>
    <message>
        <source>Chrominance green</source>
        <translation>Chrominance green</translation>
    </message>
    <message>
        <source>Chrominance blue</source>
        <translation>Chrominance blue</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Humidity</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Counter 16 bit</source>
        <translation>Counter 16 bit</translation>
    </message>
    <message>
        <source>Lamp off</source>
        <translation>Lamp off</translation>
    </message>
    <message>
        <source>Lamp on</source>
        <translation>Lamp on</translation>
    </message>
    <message>
        <source>Arc-lamp ignite</source>
        <translation>Arc-lamp ignite</translation>
    </message>
    <message>
        <source>Standby (reduced power mode)</source>
        <translation>Standby (reduced power mode)</translation>
    </message>
    <message>
        <source>Lamp not installed</source>
        <translation>Lamp not installed</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Not Defined</source>
        <translation>Not Defined</translation>
    </message>
    <message>
        <source>Bit field</source>
        <translation>Bit field</translation>
    </message>
    <message>
        <source>String</source>
        <translation>String</translation>
    </message>
    <message>
        <source>Unsigned byte (8 bit)</source>
        <translation>Unsigned byte (8 bit)</translation>
    </message>
    <message>
        <source>Byte (8 bit)</source>
        <translation>Byte (8 bit)</translation>
    </message>
    <message>
        <source>Unsigned word (16 bit)</source>
        <translation>Unsigned word (16 bit)</translation>
    </message>
    <message>
        <source>Word (16 bit)</source>
        <translation>Word (16 bit)</translation>
    </message>
    <message>
        <source>Unsigned double word (32 bit)</source>
        <translation>Unsigned double word (32 bit)</translation>
    </message>
    <message>
        <source>Double word (32 bit)</source>
        <translation>Double word (32 bit)</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>primary</translation>
    </message>
    <message>
        <source>fine control for slot</source>
        <translation>fine control for slot</translation>
    </message>
    <message>
        <source>timing control for slot</source>
        <translation>timing control for slot</translation>
    </message>
    <message>
        <source>speed control for slot</source>
        <translation>speed control for slot</translation>
    </message>
    <message>
        <source>mode control for slot</source>
        <translation>mode control for slot</translation>
    </message>
    <message>
        <source>index control for slot</source>
        <translation>index control for slot</translation>
    </message>
    <message>
        <source>rotation speed control for slot</source>
        <translation>rotation speed control for slot</translation>
    </message>
    <message>
        <source>rotation index control for slot</source>
        <translation>rotation index control for slot</translation>
    </message>
    <message>
        <source>undefined for slot</source>
        <translation>undefined for slot</translation>
    </message>
    <message>
        <source>intensity</source>
        <translation>intensity</translation>
    </message>
    <message>
        <source>intensity master</source>
        <translation>intensity master</translation>
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
        <translation>color wheel</translation>
    </message>
    <message>
        <source>subtractive cyan</source>
        <translation>subtractive cyan</translation>
    </message>
    <message>
        <source>subtractive yellow</source>
        <translation>subtractive yellow</translation>
    </message>
    <message>
        <source>subtractive magenta</source>
        <translation>subtractive magenta</translation>
    </message>
    <message>
        <source>additive red</source>
        <translation>additive red</translation>
    </message>
    <message>
        <source>additive green</source>
        <translation>additive green</translation>
    </message>
    <message>
        <source>additive blue</source>
        <translation>additive blue</translation>
    </message>
    <message>
        <source>color correction</source>
        <translation>color correction</translation>
    </message>
    <message>
        <source>scroll</source>
        <translation>scroll</translation>
    </message>
    <message>
        <source>color semaphone</source>
        <translation>color semaphone</translation>
    </message>
    <message>
        <source>static gobo wheel</source>
        <translation>static gobo wheel</translation>
    </message>
    <message>
        <source>gobo wheel</source>
        <translation>gobo wheel</translation>
    </message>
    <message>
        <source>prism wheel</source>
        <translation>prism wheel</translation>
    </message>
    <message>
        <source>effects wheel</source>
        <translation>effects wheel</translation>
    </message>
    <message>
        <source>iris size</source>
        <translation>iris size</translation>
    </message>
    <message>
        <source>edge</source>
        <translation>edge</translation>
    </message>
    <message>
        <source>frost</source>
        <translation>frost</translation>
    </message>
    <message>
        <source>strobe</source>
        <translation>strobe</translation>
    </message>
    <message>
        <source>zoom</source>
        <translation>zoom</translation>
    </message>
    <message>
        <source>framing shutter</source>
        <translation>framing shutter</translation>
    </message>
    <message>
        <source>shuttle rotate</source>
        <translation>shuttle rotate</translation>
    </message>
    <message>
        <source>douser</source>
        <translation>douser</translation>
    </message>
    <message>
        <source>barn door</source>
        <translation>barn door</translation>
    </message>
    <message>
        <source>lamp control</source>
        <translation>lamp control</translation>
    </message>
    <message>
        <source>fixture control</source>
        <translation>fixture control</translation>
    </message>
    <message>
        <source>fixture speed</source>
        <translation>fixture speed</translation>
    </message>
    <message>
        <source>macro</source>
        <translation>macro</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>undefined</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>DMX</source>
        <translation>DMX</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>On after calibration</source>
        <translation>On after calibration</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Full off</source>
        <translation>Full off</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Shutdown</translation>
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
        <translation>Manufacturer specific category</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>unknown for slot</source>
        <translation>unknown for slot</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Sub-device</source>
        <translation>Sub-device</translation>
    </message>
    <message>
        <source>Parameter data missing: PDL %1, no data given</source>
        <translation>Parameter data missing: PDL %1, no data given</translation>
    </message>
    <message>
        <source>NACK response received</source>
        <translation>NACK response received</translation>
    </message>
    <message>
        <source>ACK Timer</source>
        <translation>ACK Timer</translation>
    </message>
    <message>
        <source>GET to a broadcast address refused: no responder answers it</source>
        <translation>GET to a broadcast address refused: no responder answers it</translation>
    </message>
</context>
<context>
    <name>RDMTimeoutDialog</name>
    <message>
        <source>RDM Timeout Preferences</source>
        <translation>RDM Timeout Preferences</translation>
    </message>
    <message>
        <source>Discovery -&gt; Response (µs)</source>
        <translation>Discovery -&gt; Response (µs)</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Strict</source>
        <translation>Strict</translation>
    </message>
    <message>
        <source>Get -&gt; Response (µs)</source>
        <translation>Get -&gt; Response (µs)</translation>
    </message>
    <message>
        <source>Set -&gt; Response (µs)</source>
        <translation>Set -&gt; Response (µs)</translation>
    </message>
    <message>
        <source>Discovery -&gt; Any Packet (µs)</source>
        <translation>Discovery -&gt; Any Packet (µs)</translation>
    </message>
    <message>
        <source>Missing Response -&gt; Any Packet (µs)</source>
        <translation>Missing Response -&gt; Any Packet (µs)</translation>
    </message>
    <message>
        <source>Response/Broadcast -&gt; Any Packet (µs)</source>
        <translation>Response/Broadcast -&gt; Any Packet (µs)</translation>
    </message>
    <message>
        <source>Packet Max Length (µs)</source>
        <translation>Packet Max Length (µs)</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>RDM Timeouts Changed</source>
        <translation>RDM Timeouts Changed</translation>
    </message>
    <message>
        <source>Couldn&apos;t change RDM Timeouts</source>
        <translation>Couldn&apos;t change RDM Timeouts</translation>
    </message>
</context>
<context>
    <name>SensorChart</name>
    <message>
        <source>Normal operation values</source>
        <translation>Normal operation values</translation>
    </message>
</context>
<context>
    <name>TextProgressBar</name>
    <message>
        <source>Waited %1 of %2 s</source>
        <translation>Waited %1 of %2 s</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>DMX Start: </source>
        <translation>DMX Start: </translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>DMX Footprint: </source>
        <translation>DMX Footprint: </translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Devices:</translation>
    </message>
    <message>
        <source>UID: 0x</source>
        <translation>UID: 0x</translation>
    </message>
    <message>
        <source>Desc: </source>
        <translation>Desc: </translation>
    </message>
</context>
<context>
    <name>USBTimeoutDialog</name>
    <message>
        <source>USB Timeout Preferences</source>
        <translation>USB Timeout Preferences</translation>
    </message>
    <message>
        <source>Standard Timeout (ms):</source>
        <translation>Standard Timeout (ms):</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Discovery Timeout (ms):</source>
        <translation>Discovery Timeout (ms):</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Upgrader</name>
    <message>
        <source>Wrong file header</source>
        <translation>Wrong file header</translation>
    </message>
    <message>
        <source>Wrong file version</source>
        <translation>Wrong file version</translation>
    </message>
    <message>
        <source>Incomplete firmware image</source>
        <translation>Incomplete firmware image</translation>
    </message>
    <message>
        <source>USB Timeout
Check USB Cable</source>
        <translation>USB Timeout
Check USB Cable</translation>
    </message>
    <message>
        <source>Bootloader Version Read Error</source>
        <translation>Bootloader Version Read Error</translation>
    </message>
    <message>
        <source>Bootloader mode</source>
        <translation>Bootloader mode</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>Serial:</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Apllication mode</source>
        <translation>Apllication mode</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Reset device</translation>
    </message>
    <message>
        <source>USB timout
Check USB cable</source>
        <translation>USB timout
Check USB cable</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Writting firmware ...</source>
        <translation>Writting firmware ...</translation>
    </message>
</context>
<context>
    <name>firmware</name>
    <message>
        <source>USB Error</source>
        <translation>USB Error</translation>
    </message>
    <message>
        <source>Connect Rb604 Device</source>
        <translation>Connect Rb604 Device</translation>
    </message>
</context>
<context>
    <name>firmwareClass</name>
    <message>
        <source>firmware</source>
        <translation>firmware</translation>
    </message>
</context>
</TS>
