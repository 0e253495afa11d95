// Tests of the simulated responder: framing, NACK reasons, ACK_TIMER, broadcasts and state.
#include "requestbuilder.h"

#include "simulator/simulatedline.h"
#include "simulator/simulatedresponder.h"

#include <QtTest>

namespace {

constexpr quint64 ParUid = 0x7A1100000001ULL;

ResponderState parState()
{
    ResponderState state;
    state.uid = ParUid;
    state.manufacturerLabel = QByteArray("Test Lights");
    state.softwareVersionLabel = "1.0";
    state.root.modelId = 0x0101;
    state.root.productCategory = 0x0509;
    state.root.softwareVersionId = 0x01000000;
    state.root.modelDescription = QByteArray("Par");
    state.root.personalities = {{3, "RGB", {}}, {7, "Full", {}}};
    state.root.settings.startAddress = 10;
    state.root.factorySettings = state.root.settings;
    return state;
}

} // namespace

class TestResponders : public QObject
{
    Q_OBJECT

private slots:
    void deviceInfoAnswerIsFramed();
};

void TestResponders::deviceInfoAnswerIsFramed()
{
    SimulatedResponder responder(parState());
    const QByteArray answer = responder.handle(TestRequest::get(ParUid, 0x0060));
    QCOMPARE(answer.toHex(), QByteArray("cc012b010203010101" "7a1100000001" "000000" "0000" "21" "0060" "13"
                                        "0100" "0101" "0509" "01000000" "0003" "01" "02" "000a" "0000" "00"
                                        "0243"));
}

QTEST_GUILESS_MAIN(TestResponders)
#include "tst_responders.moc"
