// The firmware upgrade against the simulated interface, and the dialog that runs it.
#include "busclock.h"
#include "firmware/blockscrambler.h"
#include "firmware/firmware.h"
#include "firmware/firmwareupdate.h"
#include "firmware/upgradefile.h"
#include "firmware/upgrader.h"
#include "hexrecords.h"
#include "recordingprompts.h"
#include "simulator/simulatedbackend.h"
#include "usb/usbdevice.h"

#include <QProgressBar>
#include <QSemaphore>
#include <QTest>
#include <QTextBrowser>

namespace {

constexpr quint32 regionAAddress = 0x08004000;
constexpr int regionASize = 0x1C000;

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

const QStringList bootloaderRun{"Rb604 Boot", "1.03", "Bootloader mode", "Writting firmware ..."};

} // namespace

class UpgraderTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_backend = std::make_unique<SimulatedBackend>(SimulatedClock::Source::Manual);
        m_usb = std::make_unique<UsbDevice>(m_backend.get());
        m_clock = std::make_unique<BusClock>(m_backend->clock());
        m_file = writeTextFile("image.upg", upgradeFileBytes(patternImage()));
        m_texts.clear();
        m_percents.clear();
    }

    void cleanup()
    {
        m_usb.reset();
        m_backend.reset();
    }

    void upgrade_data()
    {
        QTest::addColumn<InterfaceMode>("mode");
        QTest::addColumn<QStringList>("texts"); // after the file name
        QTest::addColumn<int>("pageWrites");
        QTest::addColumn<QString>("bootloaderSerial"); // empty: the unit's own
        QTest::addColumn<int>("connectFailures");
        QTest::addColumn<int>("wornWrites"); // of the second page
        QTest::addColumn<QByteArray>("file"); // empty: a good upgrade file
        QTest::addColumn<bool>("otherInBootloader"); // listed first

        const auto row = [](const char *name, InterfaceMode mode, const QStringList &texts, int pageWrites,
                            const QString &serial = {}, int connectFailures = 0, int worn = 0,
                            const QByteArray &file = {}, bool other = false) {
            QTest::newRow(name) << mode << texts << pageWrites << serial << connectFailures << worn << file << other;
        };
        const auto app = InterfaceMode::Application;
        const auto boot = InterfaceMode::Bootloader;
        const QStringList fromApplication{"ABCDEF1", "Rb604 Boot", "1.03", "Apllication mode", "Reset device",
                                          "Bootloader mode", "Disconnect", "Connect", "Serial:ABCDEF1b",
                                          "Writting firmware ...", "OK"};
        const QStringList inBootloader = QStringList{"ABCDEF1b"} + bootloaderRun;
        const QStringList ok{"OK"};
        row("from the application", app, fromApplication, 112);
        row("another unit in its bootloader is skipped", app, fromApplication, 112, {}, 0, 0, {}, true);
        row("already in the bootloader", boot, inBootloader + ok, 112);
        row("bootloader serial of the same unit, another digit", app,
            fromApplication.mid(0, 8) + QStringList{"Serial:ABCDEF0b"} + fromApplication.mid(9), 112, "ABCDEF0b");
        row("bootloader serial of another unit", app,
            fromApplication.mid(0, 5) + QStringList{"USB timout\nCheck USB cable"}, 0, "ABCDEX1b");
        row("fourth connection attempt works", boot, inBootloader + ok, 112, {}, 3);
        row("all four connection attempts fail", boot, {"USB Timeout\nCheck USB Cable"}, 0, {}, 4);
        row("worn page mended by the second write", boot, inBootloader + ok, 113, {}, 0, 1);
        row("worn page still wrong after the second write", boot, inBootloader + QStringList{"ERROR"}, 3, {}, 0, 2);

        QByteArray image = patternImage();
        scrambleBlock(image.data(), int(image.size()));
        const QString header = "Rb604 Upgrade File Header";
        const auto fileRow = [&row, boot](const char *name, const QByteArray &file, const QStringList &texts) {
            row(name, boot, texts, texts.size() == 1 ? 0 : 112, {}, 0, 0, file);
        };
        fileRow("wrong header", streamed("Rb604 Upgrade File", "01", image), {"Wrong file header"});
        fileRow("version 02", streamed(header, "02", image), {"Wrong file version"});
        fileRow("image cut off in the file", streamed(header, "01", image).left(262209), {"Incomplete firmware image"});
        fileRow("image longer than the flash", streamed(header, "01", image + "tail"), inBootloader + ok);
        fileRow("image one byte short", streamed(header, "01", image.left(262143)), {"Incomplete firmware image"});
    }

    void upgrade()
    {
        QFETCH(InterfaceMode, mode);
        QFETCH(QString, bootloaderSerial);
        QFETCH(int, connectFailures);
        QFETCH(int, wornWrites);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, texts);
        QFETCH(bool, otherInBootloader);
        SimulatedInterface *other = otherInBootloader ? &addUnit("ZZZZZZ1", InterfaceMode::Bootloader) : nullptr;
        SimulatedInterface &unit = addUnit("ABCDEF1", mode);
        if (!bootloaderSerial.isEmpty())
            unit.setBootloaderSerial(bootloaderSerial);
        unit.memory().wearPage(regionAAddress + 1024, wornWrites);
        runUpgrade(file.isEmpty() ? m_file : writeTextFile("other.upg", file), other ? 1 : 0, connectFailures);
        QCOMPARE(m_texts.mid(1).join(" | "), texts.join(" | "));
        QTEST(requests(3), "pageWrites");
        if (!file.isEmpty() && texts.size() == 1)
            QCOMPARE(m_backend->transferLog().size(), 0);
        if (other)
            QCOMPARE(other->memory().read(regionAAddress, 1024), QByteArray(1024, char(0xFF)));
        if (texts.constLast() == "OK") {
            QCOMPARE(m_percents.size(), 113);
            QCOMPARE(m_percents.mid(0, 3), QList<int>({0, 0, 1}));
            QCOMPARE(m_percents.constLast(), 100);
            QCOMPARE(unit.memory().read(regionAAddress, regionASize).toHex(), patternImage().mid(0x4000, regionASize).toHex());
            QCOMPARE(unit.memory().read(0x08020000, 1024), QByteArray(1024, char(0xFF)));
            // The new application starts and is back on the bus when the upgrade ends.
            QCOMPARE(m_backend->transferLog().last().request, quint8(4));
            QCOMPARE(unit.mode(), InterfaceMode::Application);
        } else if (texts.constLast() == "ERROR") {
            // The unit is left in its bootloader, where the upgrade can be run again.
            QCOMPARE(m_percents, QList<int>({0, 0}));
            QCOMPARE(m_backend->transferLog().last().request, quint8(1));
            QCOMPARE(unit.mode(), InterfaceMode::Bootloader);
        }
        if (connectFailures > 0)
            QCOMPARE(requests(255), 4);
    }

    void dialogStaysOpenUntilTheWorkerEnds()
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

    void noInterfaceNoUpgrade()
    {
        addUnit("ABCDEF1", InterfaceMode::Application);
        RecordingPrompts prompts;
        prompts.answers = QStringList{m_file};
        QVERIFY(!runFirmwareUpdate(prompts, nullptr, m_usb.get(), 0, m_clock.get()));
        QCOMPARE(prompts.messages, QStringList{"USB Error|Connect Rb604 Device"});
        QCOMPARE(prompts.asked, QStringList());
        QCOMPARE(m_backend->transferLog().size(), 0);
    }

private:
    SimulatedInterface &addUnit(const QString &serial, InterfaceMode mode)
    {
        SimulatedInterface &unit = m_backend->addInterface(serial);
        unit.setMode(mode);
        unit.setBootloaderTexts("Rb604 Boot", "1.03");
        return unit;
    }
    // Connects the link to the interface at `index` and runs the upgrade of `file` to its end;
    // the first `connectFailures` transfers of the upgrade's own connection attempts time out.
    void runUpgrade(const QString &file, int index = 0, int connectFailures = 0)
    {
        m_usb->collectDevices();
        QCOMPARE(m_usb->connectDevice(index), 0);
        m_backend->clearTransferLog();
        // Each connection attempt asks for the identifier once.
        for (int transfer = 1; transfer <= connectFailures; ++transfer)
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

    int requests(quint8 request) const
    {
        const QList<TransferRecord> log = m_backend->transferLog();
        return int(std::count_if(log.cbegin(), log.cend(), [request](const TransferRecord &r) { return r.request == request; }));
    }

    std::unique_ptr<SimulatedBackend> m_backend;
    std::unique_ptr<UsbDevice> m_usb;
    std::unique_ptr<BusClock> m_clock;
    QString m_file;
    QStringList m_texts;
    QList<int> m_percents;
};


QTEST_MAIN(UpgraderTest)
#include "tst_upgrader.moc"
