// The engine against the demo rig and against responders that misbehave on the line.
#include "manualclock.h"
#include "rdm/discoveryprogress.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "simulator/scenario.h"
#include "usb/usbdevice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextEdit>
#include <QtTest>

namespace {

class SilentProgress : public DiscoveryProgress
{
public:
    void begin(QWidget *, int) override {}
    void setValue(int value) override { last = value; }
    void end() override {}
    int last = 0;
};

quint64 uidFromText(QString text)
{
    return text.remove(QLatin1Char(':')).toULongLong(nullptr, 16);
}

QJsonArray demoResponders()
{
    QFile file(QStringLiteral(":/simulator/demo.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll())
        .object()["interfaces"].toArray().first().toObject()["responders"].toArray();
}

} // namespace

class TestRdmDemo : public QObject
{
    Q_OBJECT

    struct Rig
    {
        explicit Rig(std::unique_ptr<SimulatedBackend> loaded) : bus(std::move(loaded)), usb(bus.get()) {}
        std::unique_ptr<SimulatedBackend> bus;
        UsbDevice usb;
        QTextEdit panel;
        RDM rdm{&usb, &panel};
        ManualClock clock;
        SilentProgress progress;
    };

    static std::unique_ptr<Rig> connect(const QString &scenario)
    {
        QString error;
        std::unique_ptr<SimulatedBackend> bus = loadScenario(scenario, &error);
        if (!bus) {
            qWarning() << error;
            return nullptr;
        }
        auto rig = std::make_unique<Rig>(std::move(bus));
        rig->usb.collectDevices();
        if (rig->usb.connectDevice(0) != 0)
            return nullptr;
        rig->rdm.setClock(&rig->clock);
        rig->rdm.setDiscoveryProgress(&rig->progress);
        return rig;
    }
    static QString lastLogLine(const Rig &rig)
    {
        return rig.panel.toPlainText().split(QLatin1Char('\n')).last().mid(11);
    }

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orv"));
        QCoreApplication::setApplicationName(QStringLiteral("Orv RDM Controller"));
        writeDefaultSettings();
    }

    void fullDiscoveryFindsTheWholeRigAndEachAnswersDeviceInfo()
    {
        const std::unique_ptr<Rig> rig = connect(QStringLiteral("demo"));
        QVERIFY(rig);
        QCOMPARE(rig->rdm.fullDiscovery(nullptr), 0);
        QCOMPARE(rig->progress.last, 30);
        QList<quint64> found;
        const int count = rig->rdm.discoveredUids(&found);

        QList<quint64> expected;
        for (const QJsonValue &responder : demoResponders())
            expected.append(uidFromText(responder.toObject()["uid"].toString()));
        QVERIFY(expected.size() >= 7);
        QCOMPARE(count, int(expected.size()));
        std::sort(found.begin(), found.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(found, expected);

        for (quint64 uid : std::as_const(found)) {
            QCOMPARE(rig->rdm.rdmGet(uid, 0x0060, 0, nullptr, 0), 0);
            QCOMPARE(rig->rdm.responseLength(), quint16(19));
            QCOMPARE(lastLogLine(*rig), QStringLiteral("ACK response received"));
        }
    }

    void additionalDiscoveryAfterAFullOneFindsNobodyNew()
    {
        const std::unique_ptr<Rig> rig = connect(QStringLiteral("demo"));
        QVERIFY(rig);
        QCOMPARE(rig->rdm.fullDiscovery(nullptr), 0);
        QCOMPARE(rig->rdm.additionalDiscovery(), 0);
        QList<quint64> found;
        QCOMPARE(rig->rdm.discoveredUids(&found), 0);
    }

    void demoHabits_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("isSet");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QByteArray>("parameterData");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("fogger answers sensor values later")
            << "Nebelwerk Haze 900" << false << quint16(0x0201) << QByteArray(1, '\0')
            << "Response error - ACK Timer - wait 2.5s";
        QTest::newRow("strobe refuses every SET")
            << "Lumora Strobe 1500" << true << quint16(0x0082) << QByteArray("Front")
            << "Response error - NACK response received: NR_WRITE_PROTECT";
        QTest::newRow("unknown PID") << "Lumora Par 7 RGBW" << false << quint16(0x7FF0) << QByteArray()
                                     << "Response error - NACK response received: NR_UNKNOWN_PID";
    }
    void demoHabits()
    {
        QFETCH(QString, model);
        QFETCH(bool, isSet);
        QFETCH(quint16, pid);
        QFETCH(QByteArray, parameterData);
        QFETCH(QString, logLine);
        const std::unique_ptr<Rig> rig = connect(QStringLiteral("demo"));
        QVERIFY(rig);
        quint64 uid = 0;
        for (const QJsonValue &responder : demoResponders()) {
            if (responder.toObject()["modelDescription"].toString() == model)
                uid = uidFromText(responder.toObject()["uid"].toString());
        }
        QVERIFY(uid);
        const auto *data = reinterpret_cast<const quint8 *>(parameterData.constData());
        const auto pdl = quint8(parameterData.size());
        const int result = isSet ? rig->rdm.rdmSet(uid, pid, pdl, data, 0) : rig->rdm.rdmGet(uid, pid, pdl, data, 0);
        QCOMPARE(result, -3);
        QCOMPARE(lastLogLine(*rig), logLine);
    }

    void misbehavingResponders_data()
    {
        QTest::addColumn<QString>("behaviour");
        QTest::addColumn<QString>("logLine");
        QTest::newRow("silent") << "silent" << "Response error - missing response";
        QTest::newRow("answers another controller") << "wrongDestination" << "Response error - bad destination UID";
        QTest::newRow("checksum off by one") << "wrongChecksum" << "Response error - bad checksum";
        QTest::newRow("transaction number off") << "wrongTransactionNumber"
                                                << "Response error - bad transaction number";
        QTest::newRow("echoes the command class") << "wrongCommandClass" << "Response error - unknown command class";
    }
    void misbehavingResponders()
    {
        QFETCH(QString, behaviour);
        QFETCH(QString, logLine);
        const QJsonObject responder{{"uid", "7A70:00000001"},
                                    {"modelDescription", "Test fixture"},
                                    {"behaviour", QJsonObject{{behaviour, true}}}};
        const QJsonObject interface{{"serial", "ABCDEF1"}, {"responders", QJsonArray{responder}}};
        const QJsonObject scenario{{"interfaces", QJsonArray{interface}}};
        QFile file(QStringLiteral("misbehaving.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(scenario).toJson());
        file.close();

        const std::unique_ptr<Rig> rig = connect(file.fileName());
        QVERIFY(rig);
        QCOMPARE(rig->rdm.rdmGet(0x7A7000000001, 0x0060, 0, nullptr, 0), -3);
        QCOMPARE(lastLogLine(*rig), logLine);
        QCOMPARE(rig->rdm.quietGet(0x7A7000000001, 0x0060, 0, nullptr, 0), -3);
    }
};

QTEST_MAIN(TestRdmDemo)
#include "tst_rdmdemo.moc"
