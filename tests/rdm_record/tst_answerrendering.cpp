// Answer rendering: the decoded line of each answer layout, answers cut short, device texts made safe.
#include "rdm/answerrendering.h"
#include "rdm/parameterids.h"
#include "rdm/parameterrecord.h"

#include <QtTest>

namespace {

// A copy of exactly the answer's size, so the sanitizer sees any read past it.
QString render(quint16 pid, const QByteArray &answer, AnswerFormat format = AnswerFormat::RichText,
               quint8 dataType = DataType::NotDefined, const QString &description = {})
{
    ParameterRecord record;
    record.pid = pid;
    record.dataType = dataType;
    record.description = description;
    std::vector<quint8> bytes(answer.cbegin(), answer.cend());
    return renderGetAnswer(record, bytes.data(), int(bytes.size()), format);
}

} // namespace

class TestAnswerRendering : public QObject
{
    Q_OBJECT

private slots:
    // Standard PIDs by their layout; a manufacturer PID (described as "Fan <1>") by its data type.
    void layouts_data()
    {
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<quint8>("dataType");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("line");
        const quint8 none = DataType::NotDefined;

        QTest::newRow("device info cut inside the software version, category's less-than sign escaped")
            << Pid::DeviceInfo << none << QByteArray::fromHex("0100 1202 0505 0300")
            << QStringLiteral("0x1202<br>product category: Dimmer AC ELV (AC &lt;= 50V) (0x0505)<br>(truncated)");
        QTest::newRow("sensor definition cut before the support byte")
            << Pid::SensorDefinition << none << QByteArray::fromHex("000001 00 ffec 0078 0000 0055")
            << QStringLiteral("range min: -20<br>range max: 120<br>normal min: 0<br>normal max: 85<br>(truncated)");
        QTest::newRow("slot info, primary and a fine slot serving slot 0, last entry cut")
            << Pid::SlotInfo << none << QByteArray::fromHex("0000 00 0001 0001 01 0000 0002 00")
            << QStringLiteral("Slot infos:<br>slot offset: 0  slot type: primary (0x00)  slot label id: intensity "
                              "(0x0001)<br>slot offset: 1  slot type: fine control for slot 0 (0x01)  slot label id: "
                              "Unknown (0x0000)<br>slot offset: 2  (truncated)");
        QTest::newRow("proxied devices, device id padded to 4 digits")
            << Pid::ProxiedDevices << none << QByteArray::fromHex("7ff100000012 7ff1")
            << QStringLiteral("Proxied devices:<br>manufacturer id: 0x7FF1  device id: 0x0012<br>manufacturer id: "
                              "0x7FF1  (truncated)");
        QTest::newRow("label stops at its zero padding, markup escaped")
            << Pid::DeviceLabel << none << QByteArray("<b>Par & co</b>\0\0", 17)
            << QStringLiteral("Device Label: &lt;b&gt;Par &amp; co&lt;/b&gt;");
        QTest::newRow("parameter description, signed word range below zero")
            << Pid::ParameterDescription << none
            << QByteArray::fromHex("8003 02 06 03 7f 15 01 ffffff9c 00000064 00000000") + "Tilt"
            << QStringLiteral("prefix: 10^(-1) (0x01)<br>min value:-100<br>max value:100<br>default value:0<br>description:Tilt");
        QTest::newRow("parameter description, unsigned double word range above the signed maximum")
            << Pid::ParameterDescription << none
            << QByteArray::fromHex("8004 04 07 01 7f 00 00 00000000 ffffffff 80000000") + "Count"
            << QStringLiteral("min value:0<br>max value:4294967295<br>default value:2147483648<br>description:Count");
        const quint16 fan = 0x8001;
        QTest::newRow("no data type shows only the description")
            << fan << none << QByteArray::fromHex("0102") << QStringLiteral("Fan &lt;1&gt;:<br>");
        QTest::newRow("bit field, one line per byte")
            << fan << DataType::BitField << QByteArray::fromHex("8105")
            << QStringLiteral("Fan &lt;1&gt;:<br>bit fields:<br>10000001<br>00000101<br>");
        QTest::newRow("string escaped") << fan << DataType::String << QByteArray("a<b")
                                        << QStringLiteral("Fan &lt;1&gt;:<br>Ascii:<br>a&lt;b");
        QTest::newRow("unsigned words, last one cut")
            << fan << DataType::UnsignedWord << QByteArray::fromHex("0c80ffff01")
            << QStringLiteral("Fan &lt;1&gt;:<br>unsigned words:<br>3200 65535 (truncated)");
        QTest::newRow("signed double words") << fan << DataType::SignedDoubleWord << QByteArray::fromHex("fffffffe")
                                             << QStringLiteral("Fan &lt;1&gt;:<br>signed dwords:<br>-2 ");
    }
    void layouts()
    {
        QFETCH(quint16, pid);
        QFETCH(quint8, dataType);
        QFETCH(QByteArray, answer);
        const QString description = pid >= 0x8000 ? QStringLiteral("Fan <1>") : QString();
        // Rows give the line's distinguishing end; the vocabulary before it is the vocabulary's own.
        QFETCH(QString, line);
        QCOMPARE(render(pid, answer, AnswerFormat::RichText, dataType, description).right(line.size()), line);
    }

    void plainText()
    {
        const QByteArray deviceInfo = QByteArray::fromHex("0100 0101 0101 02040001 0008 0203 0001 0000 01 ff");
        QCOMPARE(render(Pid::DeviceInfo, deviceInfo, AnswerFormat::PlainText),
            QStringLiteral("Device info: protocol major: 1; protocol minor: 0; device model id: 0x0101; "
                           "product category: Fixture Fixed (0x0101); software version id:  (0x02040001); "
                           "DMX footprint: 8; current personality: 2; personality count: 3; "
                           "DMX start address: 1; subdevice count: 0; sensor count: 1"));
        QCOMPARE(render(Pid::DeviceLabel, QByteArray("a<b\x1b[2J"), AnswerFormat::PlainText),
            QStringLiteral("Device Label: a<b\\x1b[2J"));
    }

    void sensorValueSetCutShort()
    {
        const std::vector<quint8> bytes{0x00, 0xFF, 0xFF, 0x00, 0x13, 0x00};
        QCOMPARE(renderSensorValueSetAnswer(bytes.data(), int(bytes.size())),
                 QStringLiteral("Sensor number: 0 Present value: -1 Lowest: 19 (truncated)"));
    }
};

QTEST_GUILESS_MAIN(TestAnswerRendering)
#include "tst_answerrendering.moc"
