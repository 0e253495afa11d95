<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
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
        <source>&lt;div style=&apos;color:green;font-size:20px&apos;&gt;</source>
        <translation>&lt;div style=&apos;color:green;font-size:20px&apos;&gt;</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
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
        <translation>&lt;font color=&apos;red&apos;&gt;Disconnected&lt;/font&gt;</translation>
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
</context>
</TS>
