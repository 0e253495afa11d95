// Reads scenario files into a simulated bus, naming the place of every mistake.
#include "simulator/scenario.h"

#include "simulator/responderscenario.h"
#include "simulator/scenariofields.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

using IntegerForm = ScenarioFields::IntegerForm;
using TextStorage = ScenarioFields::TextStorage;

const QString demoScenarioPath = QStringLiteral(":/simulator/demo.json");
constexpr int modelTextLength = 15;
constexpr int firmwareTextLength = 39;
constexpr int bootloaderTextLength = 15;
constexpr qint64 maximumDelayMs = 60000;
constexpr qint64 maximumCount = 1000000;

class ScenarioParser
{
public:
    // `error` must not be null.
    ScenarioParser(SimulatedBackend &backend, QString *error) : m_backend(backend), m_error(error) {}

    bool parse(const QJsonObject &root);

private:
    bool readBusName(const ScenarioFields &fields, QString *busName);
    bool readUsbId(const ScenarioFields &fields, const QString &key, quint16 *id);

    bool parseInterface(const ScenarioFields &fields);
    bool parseIdentity(const ScenarioFields &fields, SimulatedInterface &unit);
    bool parseTexts(const ScenarioFields &fields, SimulatedInterface &unit);
    bool parseFaults(const ScenarioFields &fields, FaultPlan &faults);
    bool parseForeignDevice(const ScenarioFields &fields);

    SimulatedBackend &m_backend;
    QString *m_error;
};

bool ScenarioParser::parse(const QJsonObject &root)
{
    const ScenarioFields fields(root, QString(), m_error);
    QJsonArray interfaces;
    QJsonArray foreignDevices;
    // Both arrays are checked before their entries, so a misplaced array is named first.
    return fields.checkKeys({QStringLiteral("interfaces"), QStringLiteral("foreignDevices")})
           && fields.array(QStringLiteral("interfaces"), &interfaces)
           && fields.array(QStringLiteral("foreignDevices"), &foreignDevices)
           && ScenarioFields::forEachObject(interfaces, QStringLiteral("interfaces"), m_error,
                                            [this](const ScenarioFields &entry) { return parseInterface(entry); })
           && ScenarioFields::forEachObject(foreignDevices, QStringLiteral("foreignDevices"), m_error,
                                            [this](const ScenarioFields &entry) { return parseForeignDevice(entry); });
}

bool ScenarioParser::readBusName(const ScenarioFields &fields, QString *busName)
{
    static const QRegularExpression threeDigits(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{3}")));
    const QString key = QStringLiteral("bus");
    if (!fields.contains(key))
        return true;
    if (!threeDigits.match(fields.value(key).toString()).hasMatch())
        return fields.fail(fields.pathOf(key), QStringLiteral("expected a string of 3 digits"));
    *busName = fields.value(key).toString();
    return true;
}

bool ScenarioParser::readUsbId(const ScenarioFields &fields, const QString &key, quint16 *id)
{
    qint64 number = 0;
    if (!fields.integerValue(fields.value(key), fields.pathOf(key), 0, 0xFFFF, &number,
                             IntegerForm::NumberOrShortHexadecimal))
        return false;
    *id = quint16(number);
    return true;
}

bool ScenarioParser::parseInterface(const ScenarioFields &fields)
{
    if (!fields.checkKeys({QStringLiteral("serial"), QStringLiteral("bootloaderSerial"), QStringLiteral("bus"),
                           QStringLiteral("mode"), QStringLiteral("model"), QStringLiteral("firmware"),
                           QStringLiteral("bootloaderTexts"), QStringLiteral("reEnumerationDelayMs"),
                           QStringLiteral("faults"), QStringLiteral("responders")}))
        return false;
    static const QRegularExpression serialPattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[\\x21-\\x7E]*")));
    const QString serialKey = QStringLiteral("serial");
    const QString serial = fields.value(serialKey).toString();
    if (!fields.value(serialKey).isString() || serial.size() != 7)
        return fields.fail(fields.pathOf(serialKey), QStringLiteral("expected a string of 7 characters"));
    if (!serialPattern.match(serial).hasMatch())
        return fields.fail(fields.pathOf(serialKey),
                           QStringLiteral("expected printable ASCII characters without blanks"));
    QString busName = QStringLiteral("001");
    if (!readBusName(fields, &busName))
        return false;

    SimulatedInterface &unit = m_backend.addInterface(serial, busName);
    QJsonArray responders;
    if (!parseIdentity(fields, unit) || !parseTexts(fields, unit)
        || !fields.forObject(QStringLiteral("faults"),
                             [&](const ScenarioFields &faults) { return parseFaults(faults, unit.faults()); })
        || !fields.array(QStringLiteral("responders"), &responders))
        return false;
    if (loadResponders(unit.line(), responders, m_backend.clock(), m_error))
        return true;
    // The responder loader names the place from the responders array on.
    *m_error = fields.pathOf(*m_error);
    return false;
}

bool ScenarioParser::parseIdentity(const ScenarioFields &fields, SimulatedInterface &unit)
{
    const QString bootloaderKey = QStringLiteral("bootloaderSerial");
    if (fields.contains(bootloaderKey)) {
        const QString serial = fields.value(bootloaderKey).toString();
        if (serial.size() != 8 || serial.left(6) != unit.serial().left(6) || !serial.at(6).isDigit()
            || serial.at(7) != QLatin1Char('b'))
            return fields.fail(fields.pathOf(bootloaderKey),
                               QStringLiteral("expected the serial's first six characters, a digit and 'b'"));
        unit.setBootloaderSerial(serial);
    }

    const QString modeKey = QStringLiteral("mode");
    if (fields.contains(modeKey)) {
        const QString mode = fields.value(modeKey).toString();
        if (mode == QLatin1String("bootloader"))
            unit.setMode(InterfaceMode::Bootloader);
        else if (mode != QLatin1String("application"))
            return fields.fail(fields.pathOf(modeKey), QStringLiteral("expected \"application\" or \"bootloader\""));
    }

    int delay = unit.reEnumerationDelayMs();
    if (!fields.integer(QStringLiteral("reEnumerationDelayMs"), 0, maximumDelayMs, &delay, IntegerForm::Number))
        return false;
    unit.setReEnumerationDelayMs(delay);
    return true;
}

bool ScenarioParser::parseTexts(const ScenarioFields &fields, SimulatedInterface &unit)
{
    QByteArray model;
    QByteArray firmware;
    if (!fields.text(QStringLiteral("model"), modelTextLength, &model, TextStorage::NulTerminated)
        || !fields.text(QStringLiteral("firmware"), firmwareTextLength, &firmware, TextStorage::NulTerminated))
        return false;
    unit.setInformationTexts(QString::fromLatin1(model), QString::fromLatin1(firmware));

    const QString textsKey = QStringLiteral("bootloaderTexts");
    if (!fields.contains(textsKey))
        return true;
    const QJsonValue texts = fields.value(textsKey);
    const QString textsPath = fields.pathOf(textsKey);
    if (!texts.isArray() || texts.toArray().size() != 2)
        return fields.fail(textsPath, QStringLiteral("expected an array of two strings"));
    QByteArray first;
    QByteArray second;
    if (!fields.textValue(texts.toArray().at(0), ScenarioFields::element(textsPath, 0), bootloaderTextLength, &first,
                          TextStorage::NulTerminated)
        || !fields.textValue(texts.toArray().at(1), ScenarioFields::element(textsPath, 1), bootloaderTextLength,
                             &second, TextStorage::NulTerminated))
        return false;
    unit.setBootloaderTexts(QString::fromLatin1(first), QString::fromLatin1(second));
    return true;
}

bool ScenarioParser::parseFaults(const ScenarioFields &fields, FaultPlan &faults)
{
    const bool failuresParsed =
        fields.checkKeys({QStringLiteral("failTransfers"), QStringLiteral("failReceives"),
                          QStringLiteral("unplugAtTransfer"), QStringLiteral("claimRefused"),
                          QStringLiteral("informationBlockReadable"), QStringLiteral("identifierAnswer")})
        && fields.forEachObject(QStringLiteral("failTransfers"), [&](const ScenarioFields &failure) {
               int number = 0;
               int result = UsbResult::IoError;
               if (!failure.checkKeys({QStringLiteral("number"), QStringLiteral("result")})
                   || !failure.integer(QStringLiteral("number"), 1, maximumCount, &number, IntegerForm::Number)
                   || !failure.integer(QStringLiteral("result"), -1000, -1, &result, IntegerForm::Number))
                   return false;
               if (number == 0)
                   return failure.fail(failure.pathOf(QStringLiteral("number")),
                                       QStringLiteral("expected an integer from 1 to %1").arg(maximumCount));
               faults.failTransfer(number, result);
               return true;
           });
    if (!failuresParsed)
        return false;

    int receives = 0;
    int unplugAt = 0;
    bool claimRefused = false;
    bool informationBlockReadable = true;
    if (!fields.integer(QStringLiteral("failReceives"), 0, maximumCount, &receives, IntegerForm::Number)
        || !fields.integer(QStringLiteral("unplugAtTransfer"), 1, maximumCount, &unplugAt, IntegerForm::Number)
        || !fields.flag(QStringLiteral("claimRefused"), &claimRefused)
        || !fields.flag(QStringLiteral("informationBlockReadable"), &informationBlockReadable))
        return false;
    faults.failReceives(receives);
    faults.unplugAtTransfer(unplugAt);
    faults.setClaimRefused(claimRefused);
    faults.setInformationBlockReadable(informationBlockReadable);

    static const QRegularExpression bytePairs(
        QRegularExpression::anchoredPattern(QStringLiteral("([0-9A-Fa-f]{2}){1,64}")));
    const QString identifierKey = QStringLiteral("identifierAnswer");
    if (fields.contains(identifierKey)) {
        const QString answer = fields.value(identifierKey).toString();
        if (!bytePairs.match(answer).hasMatch())
            return fields.fail(fields.pathOf(identifierKey),
                               QStringLiteral("expected 1 to 64 bytes as hexadecimal digit pairs"));
        faults.setIdentifierAnswer(QByteArray::fromHex(answer.toLatin1()));
    }
    return true;
}

bool ScenarioParser::parseForeignDevice(const ScenarioFields &fields)
{
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString busName = QStringLiteral("001");
    if (!fields.checkKeys({QStringLiteral("vendorId"), QStringLiteral("productId"), QStringLiteral("bus")})
        || !readUsbId(fields, QStringLiteral("vendorId"), &vendorId)
        || !readUsbId(fields, QStringLiteral("productId"), &productId) || !readBusName(fields, &busName))
        return false;
    m_backend.addForeignDevice(vendorId, productId, busName);
    return true;
}

int lineOf(const QByteArray &text, int offset)
{
    return int(text.left(offset).count('\n')) + 1;
}

// The bus the file describes, or null with the reason in `error`, which must not be null.
std::unique_ptr<SimulatedBackend> readScenario(const QString &nameOrPath, SimulatedClock::Source clockSource,
                                               QString *error)
{
    QFile file(nameOrPath == QLatin1String("demo") ? demoScenarioPath : nameOrPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1: %2").arg(nameOrPath, file.errorString());
        return nullptr;
    }
    const QByteArray text = file.readAll();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("line %1: %2").arg(lineOf(text, parseError.offset)).arg(parseError.errorString());
        return nullptr;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("line 1: expected an object at the top level");
        return nullptr;
    }
    auto backend = std::make_unique<SimulatedBackend>(clockSource);
    if (!ScenarioParser(*backend, error).parse(document.object()))
        return nullptr;
    return backend;
}

} // namespace

std::unique_ptr<SimulatedBackend> loadScenario(const QString &nameOrPath, QString *error,
                                               SimulatedClock::Source clockSource)
{
    QString reason;
    std::unique_ptr<SimulatedBackend> backend = readScenario(nameOrPath, clockSource, &reason);
    if (!backend && error)
        *error = reason;
    return backend;
}
