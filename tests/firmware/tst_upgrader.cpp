// The firmware upgrade against the simulated interface, and the dialog that runs it.
#include "firmware/blockscrambler.h"
#include "firmware/firmware.h"
#include "firmware/firmwareupdate.h"
#include "firmware/upgradefile.h"
#include "firmware/upgrader.h"
#include "recordingprompts.h"
#include "simulator/scenario.h"
#include "usb/usbdevice.h"

#include <QFile>
#include <QProgressBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>

namespace {

constexpr quint32 regionAAddress = 0x08004000;
constexpr int regionASize = 0x1C000;

// Waits of the upgrade move the simulated bus's clock, so a restart takes no real time.
class BusClock : public Clock
{
public:
    explicit BusClock(SimulatedClock &bus) : m_bus(bus) {}
    QDateTime now() const override { return QDateTime::fromMSecsSinceEpoch(m_bus.elapsedMs()); }
    void sleep(int milliseconds) override { m_bus.advance(milliseconds); }

private:
    SimulatedClock &m_bus;
};

// A bus clock whose waits hold the worker until the test lets it go on.
class GatedClock : public BusClock
{
public:
    using BusClock::BusClock;
    void sleep(int milliseconds) override
    {
        waiting.release();
        gate.acquire();
        BusClock::sleep(milliseconds);
    }
    QSemaphore waiting;
    QSemaphore gate;
};

QByteArray patternImage()
{
    QByteArray image(FlashLayout::imageSize, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 13 + i / 1021);
    return image;
}

QString writeUpgradeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return QString();
    return name;
}

QByteArray streamed(const QString &header, const QString &version, const QByteArray &scrambledImage)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << header << version << scrambledImage;
    return bytes;
}

} // namespace

class UpgraderTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fromApplicationMode();
    void alreadyInBootloader();
    void bootloaderSerialMustMatch_data();
    void bootloaderSerialMustMatch();
    void otherUnitInBootloaderIsSkipped();
    void connectionAttempts_data();
    void connectionAttempts();
    void refusedFiles_data();
    void refusedFiles();
    void wornPage_data();
    void wornPage();
    void demoInterfaceTakesTheShippedUpgrade();
    void dialogStaysOpenUntilTheWorkerEnds();
    void noInterfaceNoUpgrade();

private:
    SimulatedInterface &addUnit(const QString &serial, InterfaceMode mode);
    // Connects the link to the interface at `index` and runs the upgrade of `file` to its end.
    void runUpgrade(const QString &file, int index = 0);
    QStringList textsAfterFileName() const { return m_texts.mid(1); }
    int pageWrites() const;

    std::unique_ptr<SimulatedBackend> m_backend;
    std::unique_ptr<UsbDevice> m_usb;
    std::unique_ptr<BusClock> m_clock;
    QString m_file;
    QStringList m_texts;
    QList<int> m_percents;
    int m_connectFailures = 0; // of the upgrade's own connection attempts
};

void UpgraderTest::init()
{
    m_backend = std::make_unique<SimulatedBackend>(SimulatedClock::Source::Manual);
    m_usb = std::make_unique<UsbDevice>(m_backend.get());
    m_clock = std::make_unique<BusClock>(m_backend->clock());
    m_file = writeUpgradeFile("image.upg", upgradeFileBytes(patternImage()));
    m_texts.clear();
    m_percents.clear();
    m_connectFailures = 0;
}

void UpgraderTest::cleanup()
{
    m_usb.reset();
    m_backend.reset();
}

SimulatedInterface &UpgraderTest::addUnit(const QString &serial, InterfaceMode mode)
{
    SimulatedInterface &unit = m_backend->addInterface(serial);
    unit.setMode(mode);
    unit.setBootloaderTexts("Rb604 Boot", "1.03");
    return unit;
}

void UpgraderTest::runUpgrade(const QString &file, int index)
{
    m_usb->collectDevices();
    QCOMPARE(m_usb->connectDevice(index), 0);
    m_backend->clearTransferLog();
    // The upgrade reconnects first; each attempt asks for the identifier once.
    for (int transfer = 1; transfer <= m_connectFailures; ++transfer)
        m_backend->interfaceAt(index).faults().failTransfer(transfer, UsbResult::TimedOut);
    Upgrader upgrader(m_usb.get(), index, m_clock.get());
    upgrader.slotSetFileName(file);
    // Direct connections: the lists are only read after the thread has ended.
    connect(&upgrader, &Upgrader::sendText, this, [this](const QString &text) { m_texts.append(text); },
            Qt::DirectConnection);
    connect(&upgrader, &Upgrader::sendPercent, this, [this](int percent) { m_percents.append(percent); },
            Qt::DirectConnection);
    upgrader.start();
    QVERIFY(upgrader.wait(QDeadlineTimer(120000)));
    QCOMPARE(m_texts.value(0), file);
}

int UpgraderTest::pageWrites() const
{
    int writes = 0;
    for (const TransferRecord &record : m_backend->transferLog())
        writes += record.request == 3 ? 1 : 0;
    return writes;
}

void UpgraderTest::fromApplicationMode()
{
    SimulatedInterface &unit = addUnit("ABCDEF1", InterfaceMode::Application);
    runUpgrade(m_file);
    QCOMPARE(textsAfterFileName(), QStringList({"ABCDEF1", "Rb604 Boot", "1.03", "Apllication mode", "Reset device",
                                                "Bootloader mode", "Disconnect", "Connect", "Serial:ABCDEF1b",
                                                "Writting firmware ...", "OK"}));
    QList<int> progress{0};
    for (int page = 1; page <= 112; ++page)
        progress.append(page * 1024 * 100 / regionASize);
    QCOMPARE(m_percents, progress);
    QCOMPARE(m_percents.mid(0, 3), QList<int>({0, 0, 1}));
    QCOMPARE(pageWrites(), 112);
    QCOMPARE(unit.memory().read(regionAAddress, regionASize).toHex(), patternImage().mid(0x4000, regionASize).toHex());
    QCOMPARE(unit.memory().read(0x08020000, 1024), QByteArray(1024, char(0xFF)));
    // The new application starts and is back on the bus when the upgrade ends.
    QCOMPARE(m_backend->transferLog().last().request, quint8(4));
    m_usb->collectDevices();
    QCOMPARE(m_usb->connectDevice(0), 0);
    QCOMPARE(m_usb->readSerialNumber(), QByteArray("ABCDEF1"));
    QCOMPARE(unit.mode(), InterfaceMode::Application);
}

void UpgraderTest::alreadyInBootloader()
{
    addUnit("ABCDEF1", InterfaceMode::Bootloader);
    runUpgrade(m_file);
    QCOMPARE(textsAfterFileName(),
             QStringList({"ABCDEF1b", "Rb604 Boot", "1.03", "Bootloader mode", "Writting firmware ...", "OK"}));
    QCOMPARE(m_backend->transferLog().first().request, quint8(255));
    QCOMPARE(m_backend->transferLog().at(2).request, quint8(3));
}

void UpgraderTest::bootloaderSerialMustMatch_data()
{
    QTest::addColumn<QString>("bootloaderSerial");
    QTest::addColumn<QString>("last");
    QTest::newRow("same unit, another digit") << "ABCDEF0b" << "OK";
    QTest::newRow("another unit") << "ABCDEX1b" << "USB timout\nCheck USB cable";
}

void UpgraderTest::bootloaderSerialMustMatch()
{
    QFETCH(QString, bootloaderSerial);
    QFETCH(QString, last);
    addUnit("ABCDEF1", InterfaceMode::Application).setBootloaderSerial(bootloaderSerial);
    runUpgrade(m_file);
    QCOMPARE(m_texts.last(), last);
    QCOMPARE(pageWrites(), last == "OK" ? 112 : 0);
}

void UpgraderTest::otherUnitInBootloaderIsSkipped()
{
    SimulatedInterface &other = addUnit("ZZZZZZ1", InterfaceMode::Bootloader);
    SimulatedInterface &unit = addUnit("ABCDEF1", InterfaceMode::Application);
    runUpgrade(m_file, 1);
    QCOMPARE(m_texts.last(), QString("OK"));
    QCOMPARE(unit.memory().read(regionAAddress, regionASize).toHex(), patternImage().mid(0x4000, regionASize).toHex());
    QCOMPARE(other.memory().read(regionAAddress, 1024), QByteArray(1024, char(0xFF)));
    for (const TransferRecord &record : m_backend->transferLog()) {
        if (record.request == 3)
            QCOMPARE(record.deviceName, unit.deviceName());
    }
}

void UpgraderTest::connectionAttempts_data()
{
    QTest::addColumn<int>("failures");
    QTest::addColumn<QString>("last");
    QTest::newRow("fourth attempt works") << 3 << "OK";
    QTest::newRow("all four fail") << 4 << "USB Timeout\nCheck USB Cable";
}

void UpgraderTest::connectionAttempts()
{
    QFETCH(int, failures);
    QFETCH(QString, last);
    addUnit("ABCDEF1", InterfaceMode::Bootloader);
    m_connectFailures = failures;
    runUpgrade(m_file);
    QCOMPARE(m_texts.last(), last);
    QCOMPARE(m_texts.size(), last == "OK" ? 7 : 2);
    int identifierRequests = 0;
    for (const TransferRecord &record : m_backend->transferLog())
        identifierRequests += record.request == 255 ? 1 : 0;
    QCOMPARE(identifierRequests, 4);
}

void UpgraderTest::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("shown");
    QByteArray image = patternImage();
    scrambleBlock(image.data(), int(image.size()));
    const QString header = "Rb604 Upgrade File Header";
    QTest::newRow("wrong header") << streamed("Rb604 Upgrade File", "01", image) << "Wrong file header";
    QTest::newRow("version 02") << streamed(header, "02", image) << "Wrong file version";
    QTest::newRow("image one byte short") << streamed(header, "01", image.left(262143)) << "Incomplete firmware image";
}

void UpgraderTest::refusedFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, shown);
    SimulatedInterface &unit = addUnit("ABCDEF1", InterfaceMode::Bootloader);
    runUpgrade(writeUpgradeFile("refused.upg", contents));
    QCOMPARE(textsAfterFileName(), QStringList{shown});
    QCOMPARE(m_percents, QList<int>());
    QCOMPARE(m_backend->transferLog().size(), 0);
    QCOMPARE(unit.memory().read(regionAAddress, 1024), QByteArray(1024, char(0xFF)));
}

void UpgraderTest::wornPage_data()
{
    QTest::addColumn<int>("failingWrites");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("writes");
    QTest::newRow("mended by the second write") << 1 << "OK" << 113;
    QTest::newRow("still wrong after the second write") << 2 << "ERROR" << 3;
}

void UpgraderTest::wornPage()
{
    QFETCH(int, failingWrites);
    QFETCH(QString, last);
    QFETCH(int, writes);
    SimulatedInterface &unit = addUnit("ABCDEF1", InterfaceMode::Bootloader);
    unit.memory().wearPage(regionAAddress + 1024, failingWrites);
    runUpgrade(m_file);
    QCOMPARE(m_texts.last(), last);
    QVERIFY(!m_texts.contains("OK") || last == "OK");
    QCOMPARE(pageWrites(), writes);
    if (last == "ERROR") {
        // The unit is left in its bootloader, where the upgrade can be run again.
        QCOMPARE(m_percents, QList<int>({0, 0}));
        QCOMPARE(m_backend->transferLog().last().request, quint8(1));
        QCOMPARE(unit.mode(), InterfaceMode::Bootloader);
    }
}

void UpgraderTest::demoInterfaceTakesTheShippedUpgrade()
{
    const QString shipped = QStringLiteral(ORV_DEMO_FIRMWARE) + ".upg";
    QFile upgrade(shipped);
    QVERIFY(upgrade.open(QIODevice::ReadOnly));
    const HexFlashImage flash = flashImageFromHex(QStringLiteral(ORV_DEMO_FIRMWARE) + ".hex");
    QCOMPARE(upgrade.readAll().toHex(), upgradeFileBytes(flash.image).toHex());

    QString error;
    m_usb.reset();
    m_backend = loadScenario("demo", &error, SimulatedClock::Source::Manual);
    QVERIFY2(m_backend, qPrintable(error));
    m_usb = std::make_unique<UsbDevice>(m_backend.get());
    m_clock = std::make_unique<BusClock>(m_backend->clock());
    QCOMPARE(m_usb->collectDevices(), QStringList{"D:Rb604 RDM/DMX FW:2.14 SN:ABCDEF1"});
    runUpgrade(shipped);
    QCOMPARE(m_texts.last(), QString("OK"));
    QCOMPARE(m_backend->interfaceAt(0).memory().read(regionAAddress, regionASize).toHex(),
             flash.image.mid(0x4000, regionASize).toHex());
    QCOMPARE(m_usb->collectDevices(), QStringList{"D:Rb604 RDM/DMX FW:2.15 SN:ABCDEF1"});
}

void UpgraderTest::dialogStaysOpenUntilTheWorkerEnds()
{
    addUnit("ABCDEF1", InterfaceMode::Application);
    m_usb->collectDevices();
    QCOMPARE(m_usb->connectDevice(0), 0);
    GatedClock clock(m_backend->clock());
    firmware dialog(m_file, nullptr, m_usb.get(), 0, &clock);
    dialog.show();
    // The worker holds in the wait after the reset request.
    QVERIFY(clock.waiting.tryAcquire(1, 60000));
    dialog.close();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(dialog.isVisible());
    clock.gate.release(1000);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 60000);
    auto *log = dialog.findChild<QTextBrowser *>("textBrowser");
    QVERIFY(log->toPlainText().startsWith(m_file + "\nABCDEF1\nRb604 Boot\n1.03\nApllication mode\n"));
    QVERIFY(log->toPlainText().endsWith("\nWritting firmware ...\nOK"));
    QCOMPARE(dialog.findChild<QProgressBar *>("progressBar")->value(), 100);
}

void UpgraderTest::noInterfaceNoUpgrade()
{
    addUnit("ABCDEF1", InterfaceMode::Application);
    RecordingPrompts prompts;
    prompts.answers = QStringList{m_file};
    QVERIFY(!runFirmwareUpdate(prompts, nullptr, m_usb.get(), 0, m_clock.get()));
    QCOMPARE(prompts.messages, QStringList{"USB Error|Connect Rb604 Device"});
    QCOMPARE(prompts.asked, QStringList());
    QCOMPARE(m_backend->transferLog().size(), 0);
}

QTEST_MAIN(UpgraderTest)
#include "tst_upgrader.moc"
