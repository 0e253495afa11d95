// The DMX fader against the simulated interface: what every way of changing a level sends.
#include "enginerig.h"
#include "fader/dmxfaderdialog.h"
#include "rdm/devicerecord.h"

#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

class TestFader : public QObject
{
    Q_OBJECT

    std::unique_ptr<EngineRig> rig;
    DeviceRecord device {0x4F52000000A1};

    std::unique_ptr<DMXFaderDialog> open(int start = 0, int footprint = 0)
    {
        device.dmxStartAddress = quint16(start);
        device.dmxFootprint = quint16(footprint);
        auto fader = std::make_unique<DMXFaderDialog>(nullptr, rig->rdm.get(), start || footprint ? &device : nullptr);
        rig->backend.clearTransferLog();
        return fader;
    }
    static QTableWidget *grid(QWidget *fader)
    {
        return fader->findChild<QTableWidget *>(QStringLiteral("tableWidgetLevels"));
    }
    static QTableWidgetItem *cell(QWidget *fader, int slot)
    {
        return grid(fader)->item((slot - 1) / 20, (slot - 1) % 20);
    }

private slots:
    void initTestCase() { nameSettingsStore(); }
    void init()
    {
        rig = rigWithDefaultSettings();
        QVERIFY(rig->connected);
    }
    void cleanup() { rig.reset(); }

    // The slots shown yellow, then the labels of the faders.
    void deviceFootprint_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("footprint");
        QTest::addColumn<QString>("shown");
        QTest::newRow("start 17, footprint 4") << 17 << 4 << "17 18 19 20 | [17] [18] [19] [20]";
        QTest::newRow("footprint running past 512") << 510 << 8 << "510 511 512 | [510] [511] [512]";
        QTest::newRow("no start address") << 0 << 2 << "1 | [1]";
        QTest::newRow("footprint 0") << 17 << 0 << " | ";
    }
    void deviceFootprint()
    {
        QFETCH(int, start);
        QFETCH(int, footprint);
        const auto fader = open(start, footprint);
        QStringList yellow;
        for (int slot = 1; slot <= 512; ++slot) {
            if (cell(fader.get(), slot)->background().color() == QColor(Qt::yellow))
                yellow.append(QString::number(slot));
        }
        QStringList labels;
        for (const QLabel *label : fader->findChildren<QLabel *>())
            labels.append(label->text());
        QTEST(yellow.join(QLatin1Char(' ')) + QStringLiteral(" | ") + labels.join(QLatin1Char(' ')), "shown");
    }

    // Faders and grid follow each other, but only the one the user moved sends, and only once. The grid reaches
    // from slot 1 to 512.
    void movingALevel_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("sent");
        QTest::newRow("slider") << "verticalSliderSlot20" << 20 << "1300ff";
        QTest::newRow("spin box") << "spinBoxSlot20" << 20 << "1300ff";
        QTest::newRow("grid cell") << "" << 20 << "1300ff";
        QTest::newRow("grid cell of slot 1, the first") << "" << 1 << "0000ff";
        QTest::newRow("grid cell of slot 512, the last") << "" << 512 << "ff01ff";
        QTest::newRow("past the last slot nothing is sent") << "" << 513 << "";
    }
    void movingALevel()
    {
        QFETCH(QString, control);
        QFETCH(int, slot);
        const auto fader = open(17, 4);
        auto *slider = fader->findChild<QSlider *>(QStringLiteral("verticalSliderSlot20"));
        auto *spinBox = fader->findChild<QSpinBox *>(QStringLiteral("spinBoxSlot20"));
        // On the grid tab the bank only follows.
        slider->setValue(30);
        QCOMPARE(rig->sent(12), QStringList());

        auto *tabs = fader->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        if (control.isEmpty())
            cell(fader.get(), slot)->setData(Qt::EditRole, 255u);
        else
            tabs->setCurrentWidget(fader->findChild<QWidget *>(QStringLiteral("tabSliders")));
        if (control == QLatin1String("verticalSliderSlot20"))
            slider->setValue(255);
        else if (!control.isEmpty())
            spinBox->setValue(255);
        QTEST(rig->sent(12).join(QLatin1Char(' ')), "sent");
        if (slot != 20)
            return;
        QCOMPARE(slider->value(), 255);
        QCOMPARE(spinBox->value(), 255);
        QCOMPARE(cell(fader.get(), 20)->text(), QStringLiteral("255"));
        QCOMPARE(rig->interface->firmware().dmxLevels()[19], 255);
    }

    void wheelStepsTheSelection_data()
    {
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("sent");
        QTest::newRow("Control and back: ten down, not below 0")
            << -120 << int(Qt::ControlModifier) << "0400005af50a00";
        QTest::newRow("forward: one up, not above 255") << 120 << int(Qt::NoModifier) << "04000465ff150b";
    }
    void wheelStepsTheSelection()
    {
        QFETCH(int, delta);
        QFETCH(int, modifiers);
        QFETCH(QString, sent);
        const quint8 start[] = {3, 100, 255, 20, 10};
        std::copy(std::begin(start), std::end(start), rig->rdm->dmxLevels() + 4);
        const auto fader = open();
        QTableWidget *table = grid(fader.get());
        table->setRangeSelected(QTableWidgetSelectionRange(0, 4, 0, 8), true);
        const QPointF at(5, 5);
        QWheelEvent wheel(at, table->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
            Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(table->viewport(), &wheel);
        QCOMPARE(rig->sent(12), QStringList {sent});
        QCOMPARE(cell(fader.get(), 7)->text(), QString::number(quint8(QByteArray::fromHex(sent.toLatin1()).at(4))));
    }

    void aSelectionMadeBackwardsGivesTheSameRange()
    {
        const auto fader = open();
        fader->show();
        QVERIFY(QTest::qWaitForWindowExposed(fader.get()));
        QTableWidget *table = grid(fader.get());
        for (const auto &[point, modifier] :
            {std::pair(QPoint(4, 2), Qt::NoModifier), std::pair(QPoint(2, 1), Qt::ShiftModifier)})
            QTest::mouseClick(table->viewport(), Qt::LeftButton, modifier,
                table->visualItemRect(table->item(point.y(), point.x())).center());
        fader->findChild<QSlider *>(QStringLiteral("horizontalSliderPopup"))->setValue(1);
        // Slots 23 to 45: index 22, count 23; only the selected cells became 1.
        QCOMPARE(rig->sent(12), QStringList {"1600010101" + QString(34, QLatin1Char('0')) + "010101"});
    }

    void copyAndPaste_data()
    {
        QTest::addColumn<QVariant>("copiedFirst");
        QTest::addColumn<QString>("sent");
        QTest::newRow("the copied levels repeat") << QVariant(10u) << "28000a140a140a";
        QTest::newRow("a copied text that is no level leaves the cell") << QVariant(QString("x")) << "28000914091409";
    }
    void copyAndPaste()
    {
        QFETCH(QVariant, copiedFirst);
        QFETCH(QString, sent);
        for (int i = 40; i < 45; ++i)
            rig->rdm->dmxLevels()[i] = 9;
        const auto fader = open();
        QTableWidget *table = grid(fader.get());
        {
            const QSignalBlocker blocker(table);
            cell(fader.get(), 1)->setData(Qt::EditRole, copiedFirst);
            cell(fader.get(), 2)->setData(Qt::EditRole, 20u);
        }
        table->setRangeSelected(QTableWidgetSelectionRange(0, 0, 0, 1), true);
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        table->clearSelection();
        table->setRangeSelected(QTableWidgetSelectionRange(2, 0, 2, 4), true);
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rig->sent(12), QStringList {sent});
    }

    // Opening takes control and sends the kept levels. Escape or deleting the open dialog ends control once; a lost
    // engine hides the fader, which then sends nothing.
    void openingAndEveryWayOut_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<QList<int>>("requests");
        QTest::newRow("Escape") << 0 << QList<int> {14, 12, 15};
        QTest::newRow("dialog deleted while open") << 1 << QList<int> {14, 12, 15};
        QTest::newRow("engine gone") << 2 << QList<int> {14, 12};
    }
    void openingAndEveryWayOut()
    {
        QFETCH(int, way);
        rig->rdm->dmxLevels()[16] = 200;
        rig->rdm->dmxLevels()[511] = 7;
        auto fader = std::make_unique<DMXFaderDialog>(nullptr, rig->rdm.get(), nullptr);
        QCOMPARE(rig->sent(14), QStringList {""});
        QCOMPARE(rig->sent(12),
            QStringList {"0000" + QString(32, QLatin1Char('0')) + "c8" + QString(494 * 2, QLatin1Char('0')) + "07"});
        QCOMPARE(rig->interface->firmware().dmxLevels()[16], 200);
        QCOMPARE(grid(fader.get())->verticalHeaderItem(25)->text(), QStringLiteral("500"));
        QCOMPARE(cell(fader.get(), 17)->text(), QStringLiteral("200"));
        QCOMPARE(cell(fader.get(), 512)->text(), QStringLiteral("7"));
        fader->show();
        if (way == 0)
            QTest::keyClick(fader.get(), Qt::Key_Escape);
        if (way == 2) {
            rig->rdm.reset();
            QVERIFY(fader->isHidden());
            cell(fader.get(), 3)->setData(Qt::EditRole, 50u);
        }
        fader.reset();
        QTEST(rig->requests(), "requests");
        QCOMPARE(rig->interface->firmware().isDmxControlActive(), way == 2);
    }
};

QTEST_MAIN(TestFader)
#include "tst_fader.moc"
