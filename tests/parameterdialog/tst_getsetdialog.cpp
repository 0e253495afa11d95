// The parameter dialog against simulated responders: the request on the wire, the line in the log,
// the forms and their pre-selections.
#include "parameterdialog/getsetdialog.h"
#include "parameterdialog/hexspinbox.h"
#include "rdm/devicereader.h"
#include "rdm/parameterids.h"
#include "messageboxes.h"
#include "scenariorig.h"
#include "settings/settings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

constexpr quint64 par = 0x7FF100010001ULL;
constexpr quint64 spot = 0x7FF100020001ULL;
constexpr quint64 dimmerRack = 0x7FF200000A01ULL;

// Two lamps in unusual states and parameters the demo rig lacks.
const char oddRig[] = R"({"interfaces": [{"serial": "ABCDEF1", "responders": [
    {"uid": "7FF1:000000D1", "lampState": 223, "lampOnMode": 0},
    {"uid": "7FF1:000000D2", "lampState": 133,
     "manufacturerParameters": [
        {"pid": "0x8101", "description": "Tilt trim", "pdlSize": 2, "dataType": 6, "commandClass": 3,
         "minimum": -100, "maximum": 100, "default": 0, "value": -40},
        {"pid": "0x8102", "description": "Zone levels", "pdlSize": 6, "dataType": 5, "commandClass": 3,
         "minimum": 0, "maximum": 1000, "default": 10, "value": [1, 2, 3]},
        {"pid": "0x8103", "description": "Options", "pdlSize": 1, "dataType": 1, "commandClass": 3,
         "value": "a0"}]}]}]})";

} // namespace

class TestGetSetDialog : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScenarioRig> rig;
    std::unique_ptr<DeviceRecord> record;
    std::unique_ptr<GetSetDialog> dialog;

    bool connectTo(const QString &scenario)
    {
        rig = std::make_unique<ScenarioRig>(scenario);
        return rig->connected;
    }
    // A record read as the main window reads it, and a dialog for one of its parameters. The odd rig's
    // lamps are 0x7FF1000000D1 and D2; every other UID is on the demo rig.
    void open(quint64 uid, quint16 subDevice, bool isGet, quint16 pid)
    {
        if ((uid >> 8) == 0x7FF1000000ULL) {
            QFile file(QStringLiteral("odd.json"));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(oddRig) > 0);
            file.close();
            QVERIFY(connectTo(file.fileName()));
        }
        record = std::make_unique<DeviceRecord>(uid, subDevice);
        readFullDetails(*rig->rdm, *record);
        ParameterRecord parameter;
        const auto listed = record->parameters.find(pid);
        if (listed != record->parameters.end())
            parameter = listed->second;
        else
            parameter.dataType = DataType::NotDefined;
        parameter.pid = pid;
        dialog = std::make_unique<GetSetDialog>(nullptr, rig->rdm.get(), isGet, record.get(), parameter);
        rig->bus->clearTransferLog();
        rig->log.clearLines();
    }
    void pressOk()
    {
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("pushButtonOk")), Qt::LeftButton);
    }

    // Destination, then sub-device, command class, PID, PDL and data of the one request sent.
    QString request() const
    {
        QStringList packets;
        for (const TransferRecord &transfer : rig->bus->transferLog()) {
            if (transfer.request == 9)
                packets.append(QString::fromLatin1(
                    transfer.data.mid(3, 6).toHex() + ' ' + transfer.data.mid(18, transfer.data.size() - 20).toHex()));
        }
        return packets.join(QLatin1String(" | "));
    }
    // The last log line as the panel shows it, without its time.
    QString lastLogLine() const
    {
        const QStringList lines = rig->log.lines();
        return lines.value(lines.size() - 1).remove(
            QRegularExpression(QStringLiteral("^\\s*\\d\\d:\\d\\d:\\d\\d: ")));
    }
    static QString shown(const QString &html)
    {
        QTextDocument document;
        document.setHtml(html);
        return document.firstBlock().text();
    }
    template <typename T> T *field(int position) const
    {
        return qobject_cast<T *>(dialog->inputFields().value(position));
    }
    // Chooses an item of a list or enters a number, as the field at `position` takes it.
    void enter(int position, int value) const
    {
        if (auto *combo = field<QComboBox>(position))
            combo->setCurrentIndex(value);
        else
            field<QSpinBox>(position)->setValue(value);
    }
    // What the fields from `first` on show before the user changes them, "|" where the form starts a new line.
    QString shownFields(int first) const
    {
        QStringList texts;
        for (int i = first; i < dialog->inputFields().size(); ++i) {
            if (i > first && field<QWidget>(i)->y() > field<QWidget>(i - 1)->y())
                texts << QStringLiteral("|");
            if (const auto *combo = field<QComboBox>(i))
                texts << combo->currentText();
            else if (const auto *spinBox = field<QSpinBox>(i))
                texts << QString::number(spinBox->value());
        }
        return texts.join(QLatin1Char(' '));
    }

private slots:
    void initTestCase()
    {
        nameSettingsStore();
        writeDefaultSettings();
    }
    void init() { QVERIFY(connectTo(QStringLiteral("demo"))); }
    void cleanup()
    {
        dialog.reset();
        record.reset();
        rig.reset();
    }

    void getRendersTheAnswer_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("line");

        QTest::newRow("sensor definition whose byte 12 is 2")
            << spot << Pid::SensorDefinition << 0 << "7ff100020001 00002002000100"
            << "detected values supported: Yes<br>recorded value supported: No<br>name: Lamp housing";
        QTest::newRow("status messages") << dimmerRack << Pid::StatusMessages << 3 << "7ff200000a01 00002000300103"
                                         << "sub device: 7<br>status type: STATUS_ERROR (0x04)  message id: 0x0044";
        QTest::newRow("manufacturer word") << par << quint16(0x8002) << -1 << "7ff100010001 000020800200"
                                           << "White point:<br>unsigned words:<br>3200 ";
        QTest::newRow("signed parameter description") << quint64(0x7FF1000000D2ULL) << Pid::ParameterDescription << -1
            << "7ff1000000d2 0000200051028101" << "min value:-100<br>max value:100<br>default value:0";
        // The spot starts at 9 with 16 slots: the box shows addresses, the responder counts slots from 0.
        QTest::newRow("slot description below the start holds slot 0") << spot << Pid::SlotDescription << 8
            << "7ff100020001 0000200121020000" << "Slot description:";
        QTest::newRow("slot description past the footprint holds slot 15") << spot << Pid::SlotDescription << 25
            << "7ff100020001 000020012102000f" << "Slot description:";
    }
    void getRendersTheAnswer()
    {
        QFETCH(quint64, uid);
        QFETCH(quint16, pid);
        QFETCH(int, value);
        QFETCH(QString, line);
        open(uid, 0, true, pid);
        if (value >= 0)
            enter(0, value);
        dialog->show();
        pressOk();
        QTEST(request(), "sent");
        QVERIFY2(lastLogLine().contains(shown(line)), qPrintable(lastLogLine()));
        QVERIFY(dialog->isHidden());
    }

    void setRecipients_data()
    {
        QTest::addColumn<int>("recipient");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("log");
        QTest::newRow("selected device") << 0 << "7ff100010001 00003000820450617273" << "ACK response received";
        QTest::newRow("manufacturer broadcast") << 1 << "7ff1ffffffff 00003000820450617273" << "SET Broadcast sent.";
        QTest::newRow("all devices") << 2 << "ffffffffffff 00003000820450617273" << "SET Broadcast sent.";
        QTest::newRow("all sub-devices") << 3 << "7ff100010001 ffff3000820450617273" << "SET Broadcast sent.";
    }
    void setRecipients()
    {
        QFETCH(int, recipient);
        open(par, 0, false, Pid::DeviceLabel);
        QCOMPARE(field<QComboBox>(0)->itemText(0), QStringLiteral("Selected device:0x7ff100010001"));
        QCOMPARE(field<QLineEdit>(1)->text(), QStringLiteral("Stage left par"));
        field<QComboBox>(0)->setCurrentIndex(recipient);
        field<QLineEdit>(1)->setText(QStringLiteral("Pars"));
        pressOk();
        QTEST(request(), "sent");
        QTEST(lastLogLine(), "log");
    }

    // Each form starts from what the device holds; one field changed, OK sends the parameter data.
    void setForms_data()
    {
        QTest::addColumn<quint64>("uid");
        QTest::addColumn<quint16>("pid");
        QTest::addColumn<QString>("shownFirst");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("data"); // PID, PDL and parameter data
        QTest::newRow("start address past 512 holds 512")
            << par << Pid::DmxStartAddress << "1" << 1 << 513 << "00f0020200";
        QTest::newRow("start address 0 of a device that never answered")
            << quint64(0x7FF100AB0001ULL) << Pid::DmxStartAddress << "0" << -1 << 0 << "00f0020000";
        QTest::newRow("personality") << par << Pid::DmxPersonality << "2 - 8ch RGBW, dimmer, strobe" << 1 << 2
                                     << "00e00103";
        QTest::newRow("language from the offered codes") << par << Pid::Language << "en" << 1 << 2 << "00b0026465";
        QTest::newRow("device hours") << par << Pid::DeviceHours << "1534" << 1 << 70000 << "04000400011170";
        QTest::newRow("lamp state 0xDF selects the last item")
            << quint64(0x7FF1000000D1ULL) << Pid::LampState << "0xDF" << -1 << 0 << "040301df";
        QTest::newRow("lamp state 0x85 selects the first item")
            << quint64(0x7FF1000000D2ULL) << Pid::LampState << "LAMP_OFF (0x00)" << -1 << 0 << "04030100";
        QTest::newRow("words of six bytes, two a line")
            << quint64(0x7FF1000000D2ULL) << quint16(0x8102) << "1 2 | 3" << 3 << 1000 << "8102060001000203e8";
        QTest::newRow("bit field from the current value") << quint64(0x7FF1000000D2ULL) << quint16(0x8103)
                                                          << "1 0 1 0 0 0 0 0" << 8 << 1 << "810301a1";
    }
    void setForms()
    {
        QFETCH(quint64, uid);
        QFETCH(quint16, pid);
        QFETCH(int, position);
        open(uid, 0, false, pid);
        dialog->show();
        QTEST(shownFields(1), "shownFirst");
        if (position > 0) {
            QFETCH(int, value);
            enter(position, value);
        }
        pressOk();
        QTEST(request().mid(19), "data");
    }

    // A hex word, a bit field and a text packed in order; twelve fields at most, the recipient counting; at most
    // 231 bytes of parameter data.
    void freeFormFields()
    {
        open(par, 0, false, 0x8F00);
        auto *type = dialog->findChild<QComboBox *>(QStringLiteral("comboBoxType"));
        auto *format = dialog->findChild<QComboBox *>(QStringLiteral("comboBoxFormat"));
        auto *add = dialog->findChild<QPushButton *>(QStringLiteral("pushButtonAdd"));
        type->setCurrentIndex(2);
        format->setCurrentIndex(1);
        add->click();
        type->setCurrentIndex(6);
        QCOMPARE(format->count(), 1);
        add->click();
        type->setCurrentIndex(7);
        add->click();
        auto *hexBox = dialog->inputFields().at(1)->findChild<HexSpinBox *>();
        hexBox->findChild<QLineEdit *>()->setText(QStringLiteral("1234"));
        hexBox->interpretText();
        const QList<QSpinBox *> bits = dialog->inputFields().at(2)->findChildren<QSpinBox *>();
        bits.first()->setValue(1);
        bits.last()->setValue(1);
        auto *text = dialog->inputFields().at(3)->findChild<QLineEdit *>();
        for (int i = 0; i < 20; ++i)
            add->click();
        QCOMPARE(dialog->inputFields().size(), 12);
        // Each "-" takes its own row away; the packing reads what is left.
        for (int i = 4; i < 12; ++i)
            dialog->inputFields().constLast()->findChild<QPushButton *>(QStringLiteral("pushButtonRemove"))->click();
        QCOMPARE(dialog->inputFields().size(), 4);
        text->setText(QString(229, QLatin1Char('a')));
        dialog->show();
        QStringList warnings;
        const std::unique_ptr<QTimer> closer = closeMessageBoxes(&warnings);
        pressOk();
        QCOMPARE(warnings,
            QStringList {"The fields hold 232 bytes of parameter data; a request carries at most 231."});
        QCOMPARE(request(), QString());
        QVERIFY(dialog->isVisible());
        text->setText(QString(228, QLatin1Char('a')));
        pressOk();
        QCOMPARE(request(),
            "7ff100010001 0000308f00e7" "1234" "81" + QString::fromLatin1(QByteArray(228, 'a').toHex()));
    }

    void hexSpinBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        QTest::newRow("eight digits in mixed case") << "7fFfffFf" << int(QValidator::Acceptable);
        QTest::newRow("ninth digit") << "7ffffffff" << int(QValidator::Invalid);
        QTest::newRow("not a digit") << "fg" << int(QValidator::Invalid);
    }
    void hexSpinBox()
    {
        QFETCH(QString, text);
        HexSpinBox box(nullptr, 0, INT_MAX);
        int position = 0;
        QTEST(int(box.validate(text, position)), "state");
        box.setValue(255);
        QCOMPARE(box.text(), QStringLiteral("FF"));
    }
};

QTEST_MAIN(TestGetSetDialog)
#include "tst_getsetdialog.moc"
