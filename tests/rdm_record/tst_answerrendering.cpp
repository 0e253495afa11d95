// Answer rendering: the decoded line of each answer layout, answers cut short, device texts made safe.
#include "rdm/answerrendering.h"
#include "rdm/parameterids.h"
#include "rdm/parameterrecord.h"

#include <QtTest>

namespace {

ParameterRecord parameter(quint16 pid, quint8 dataType = DataType::NotDefined, const QString &description = {})
{
    ParameterRecord record;
    record.pid = pid;
    record.dataType = dataType;
    record.description = description;
    return record;
}

QString render(const ParameterRecord &record, const QByteArray &answer, AnswerFormat format = AnswerFormat::RichText)
{
    // A copy of exactly the answer's size, so the sanitizer sees any read past it.
    std::vector<quint8> bytes(answer.cbegin(), answer.cend());
    return renderGetAnswer(record, bytes.data(), int(bytes.size()), format);
}

// Protocol 1.0, model 0x0101, Fixture Fixed, software 0x02040001, footprint 8, personality 2 of 3,
// start address 1, no sub-devices, one sensor.
const QByteArray deviceInfo = QByteArray::fromHex("01000101010102040001000802030001000001ff");
const QString deviceInfoLine = QStringLiteral(
    "Device info:<br>protocol major: 1<br>protocol minor: 0<br>device model id: 0x0101<br>"
    "product category: Fixture Fixed (0x0101)<br>software version id:  (0x02040001)<br>DMX footprint: 8<br>"
    "current personality: 2<br>personality count: 3<br>DMX start address: 1<br>subdevice count: 0<br>"
    "sensor count: 1  ");

} // namespace

class TestAnswerRendering : public QObject
{
    Q_OBJECT

private slots:
    void standardLayouts_data()
    {
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("line");

        QTest::newRow("device info, one byte more than needed is ignored")
            << Pid::DeviceInfo << deviceInfo << deviceInfoLine;
        QTest::newRow("device info cut inside the software version")
            << Pid::DeviceInfo << deviceInfo.left(8)
            << QStringLiteral("Device info:<br>protocol major: 1<br>protocol minor: 0<br>device model id: 0x0101<br>"
                              "product category: Fixture Fixed (0x0101)<br>(truncated)");
        QTest::newRow("sensor definition, byte 12 = 2 and a negative range")
            << Pid::SensorDefinition << QByteArray::fromHex("000001 00 ffec 0078 0000 0055 02 4c4544")
            << QStringLiteral("Sensor definition:<br>sensor number: 0<br>type: Temperature (0x00)<br>"
                              "unit: \u00B0C (0x01)<br>prefix: None (0x00)<br>range min: -20<br>range max: 120<br>"
                              "normal min: 0<br>normal max: 85<br>lowest/highest detected values supported: Yes<br>"
                              "recorded value supported: No<br>name: LED");
        QTest::newRow("sensor definition cut before the support byte")
            << Pid::SensorDefinition << QByteArray::fromHex("000001 00 ffec 0078 0000 0055")
            << QStringLiteral("Sensor definition:<br>sensor number: 0<br>type: Temperature (0x00)<br>"
                              "unit: \u00B0C (0x01)<br>prefix: None (0x00)<br>range min: -20<br>range max: 120<br>"
                              "normal min: 0<br>normal max: 85<br>(truncated)");
        QTest::newRow("sensor value, signed") << Pid::SensorValue << QByteArray::fromHex("01 fffb 0013 003f 0028")
                                              << QStringLiteral("Sensor value:<br>sensor number: 1<br>present value: "
                                                                "-5<br>lowest: 19<br>highest: 63<br>recorded: 40");
        QTest::newRow("slot info, primary and a fine slot serving slot 0, last entry cut")
            << Pid::SlotInfo << QByteArray::fromHex("0000 00 0001 0001 01 0000 0002 00")
            << QStringLiteral("Slot infos:<br>slot offset: 0  slot type: primary (0x00)  slot label id: intensity "
                              "(0x0001)<br>slot offset: 1  slot type: fine control for slot 0 (0x01)  slot label id: "
                              "Unknown (0x0000)<br>slot offset: 2  (truncated)");
        QTest::newRow("status messages, warning with negative values")
            << Pid::StatusMessages << QByteArray::fromHex("0003 03 0021 fff6 0002")
            << QStringLiteral("Status messages:<br>sub device: 3<br>status type: STATUS_WARNING (0x03)  message id: "
                              "0x0021  value 1: -10  value 2: 2<br>");
        QTest::newRow("proxied devices, device id padded to 4 digits")
            << Pid::ProxiedDevices << QByteArray::fromHex("7ff100000012 7ff1")
            << QStringLiteral("Proxied devices:<br>manufacturer id: 0x7FF1  device id: 0x0012<br>manufacturer id: "
                              "0x7FF1  (truncated)");
        QTest::newRow("supported parameters, odd byte")
            << Pid::SupportedParameters << QByteArray::fromHex("0050 8001 00")
            << QStringLiteral("Parameter id's:<br> 0x0050, 0x8001, (truncated)");
        QTest::newRow("language capabilities, odd byte") << Pid::LanguageCapabilities
                                                         << QByteArray("ende"
                                                                       "f")
                                                         << QStringLiteral("Language capabilities: en, de (truncated)");
        QTest::newRow("personality description")
            << Pid::DmxPersonalityDescription << QByteArray::fromHex("010004") + "4ch RGBW"
            << QStringLiteral("Personality: 1  slots required: 4  name: 4ch RGBW");
        QTest::newRow("display level in hexadecimal")
            << Pid::DisplayLevel << QByteArray::fromHex("c8") << QStringLiteral("Display level: (0xC8)");
        QTest::newRow("lamp state with its code")
            << Pid::LampState << QByteArray::fromHex("01") << QStringLiteral("Lamp state: Lamp on (0x01)");
        QTest::newRow("empty answer to a counter") << Pid::DeviceHours << QByteArray() << QStringLiteral("(truncated)");
        QTest::newRow("real time clock")
            << Pid::RealTimeClock << QByteArray::fromHex("07ea0c06170509")
            << QStringLiteral("Real time clock:<br>year: 2026 month: 12 day: 6 hour: 23 minute: 5 second: 9");
        QTest::newRow("label stops at its zero padding, markup escaped")
            << Pid::DeviceLabel << QByteArray("<b>Par & co</b>\0\0", 17)
            << QStringLiteral("Device Label: &lt;b&gt;Par &amp; co&lt;/b&gt;");
    }
    void standardLayouts()
    {
        QFETCH(quint16, pid);
        QFETCH(QByteArray, answer);
        QFETCH(QString, line);
        QCOMPARE(render(parameter(pid), answer), line);
    }

    void parameterDescriptionRange_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("range");

        QTest::newRow("signed word range below zero")
            << QByteArray::fromHex("8003 02 06 03 7f 15 01 ffffff9c 00000064 00000000") + "Tilt"
            << QStringLiteral("min value:-100<br>max value:100<br>default value:0<br>description:Tilt");
        QTest::newRow("unsigned double word range above the signed maximum")
            << QByteArray::fromHex("8004 04 07 01 7f 00 00 00000000 ffffffff 80000000") + "Count"
            << QStringLiteral("min value:0<br>max value:4294967295<br>default value:2147483648<br>description:Count");
    }
    void parameterDescriptionRange()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, range);
        const QString line = render(parameter(Pid::ParameterDescription), answer);
        QVERIFY2(line.startsWith(QLatin1String("Parameter description:<br>pid: 0x")), qPrintable(line));
        QCOMPARE(line.mid(line.indexOf(QLatin1String("min value:"))), range);
    }

    void manufacturerParameters_data()
    {
        QTest::addColumn<quint8>("dataType");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("line");

        QTest::newRow("no data type shows only the description")
            << DataType::NotDefined << QByteArray::fromHex("0102") << QStringLiteral("Fan &lt;1&gt;:<br>");
        QTest::newRow("bit field, one line per byte")
            << DataType::BitField << QByteArray::fromHex("8105")
            << QStringLiteral("Fan &lt;1&gt;:<br>bit fields:<br>10000001<br>00000101<br>");
        QTest::newRow("string") << DataType::String << QByteArray("a<b")
                                << QStringLiteral("Fan &lt;1&gt;:<br>Ascii:<br>a&lt;b");
        QTest::newRow("signed bytes") << DataType::SignedByte << QByteArray::fromHex("ff02")
                                      << QStringLiteral("Fan &lt;1&gt;:<br>signed bytes:<br>-1 2 ");
        QTest::newRow("unsigned words, last one cut")
            << DataType::UnsignedWord << QByteArray::fromHex("0c80ffff01")
            << QStringLiteral("Fan &lt;1&gt;:<br>unsigned words:<br>3200 65535 (truncated)");
        QTest::newRow("signed double words") << DataType::SignedDoubleWord << QByteArray::fromHex("fffffffe")
                                             << QStringLiteral("Fan &lt;1&gt;:<br>signed dwords:<br>-2 ");
    }
    void manufacturerParameters()
    {
        QFETCH(quint8, dataType);
        QFETCH(QByteArray, answer);
        QFETCH(QString, line);
        QCOMPARE(render(parameter(0x8001, dataType, QStringLiteral("Fan <1>")), answer), line);
    }

    void plainText()
    {
        QCOMPARE(render(parameter(Pid::DeviceInfo), deviceInfo, AnswerFormat::PlainText),
            QStringLiteral("Device info: protocol major: 1; protocol minor: 0; device model id: 0x0101; "
                           "product category: Fixture Fixed (0x0101); software version id:  (0x02040001); "
                           "DMX footprint: 8; current personality: 2; personality count: 3; "
                           "DMX start address: 1; subdevice count: 0; sensor count: 1"));
        QCOMPARE(render(parameter(Pid::DeviceLabel), QByteArray("a<b\x1b[2J")),
            QStringLiteral("Device Label: a&lt;b\x1b[2J"));
        QCOMPARE(render(parameter(Pid::DeviceLabel), QByteArray("a<b\x1b[2J"), AnswerFormat::PlainText),
            QStringLiteral("Device Label: a<b\\x1b[2J"));
    }

    void sensorValueSet_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("line");
        QTest::newRow("whole") << QByteArray::fromHex("00 ffff 0013 003f 0028")
                               << QStringLiteral(
                                      "Sensor number: 0 Present value: -1 Lowest: 19 Highest: 63 Recorded: 40");
        QTest::newRow("cut inside the highest value") << QByteArray::fromHex(
            "00 ffff 0013 00") << QStringLiteral("Sensor number: 0 Present value: -1 Lowest: 19 (truncated)");
    }
    void sensorValueSet()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, line);
        std::vector<quint8> bytes(answer.cbegin(), answer.cend());
        QCOMPARE(renderSensorValueSetAnswer(bytes.data(), int(bytes.size())), line);
    }
};

QTEST_GUILESS_MAIN(TestAnswerRendering)
#include "tst_answerrendering.moc"
