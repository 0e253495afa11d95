// Reads scenario files into a simulated bus, naming the place of every mistake.
#include "simulator/scenario.h"

#include "simulator/responderscenario.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

const QString demoScenarioPath = QStringLiteral(":/simulator/demo.json");
constexpr int modelTextLength = 15;
constexpr int firmwareTextLength = 39;
constexpr int bootloaderTextLength = 15;
constexpr qint64 maximumDelayMs = 60000;
constexpr qint64 maximumCount = 1000000;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

bool isLatin1Text(const QString &text, int maximumLength)
{
    if (text.size() > maximumLength)
        return false;
    for (const QChar character : text) {
        if (character.unicode() == 0 || character.unicode() > 0xFF)
            return false;
    }
    return true;
}

class ScenarioParser
{
public:
    explicit ScenarioParser(SimulatedBackend &backend) : m_backend(backend) {}

    bool parse(const QJsonObject &root);
    QString error() const { return m_error; }

private:
    bool fail(const QString &path, const QString &reason)
    {
        m_error = path + QStringLiteral(": ") + reason;
        return false;
    }
    static QString member(const QString &path, const QString &key)
    {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }
    static QString element(const QString &path, int position)
    {
        return path + QStringLiteral("[%1]").arg(position);
    }

    bool checkKeys(const QJsonObject &object, const QString &path, const QStringList &allowed);
    bool readObject(const QJsonValue &value, const QString &path, QJsonObject *object);
    bool readArray(const QJsonObject &object, const QString &key, const QString &path, QJsonArray *array);
    bool readText(const QJsonObject &object, const QString &key, const QString &path, int maximumLength,
                  QString *text);
    bool readTextValue(const QJsonValue &value, const QString &path, int maximumLength, QString *text);
    bool readInteger(const QJsonObject &object, const QString &key, const QString &path, qint64 minimum,
                     qint64 maximum, qint64 *number);
    bool readBool(const QJsonObject &object, const QString &key, const QString &path, bool *flag);
    bool readBusName(const QJsonObject &object, const QString &path, QString *busName);
    bool readUsbId(const QJsonObject &object, const QString &key, const QString &path, quint16 *id);

    bool parseInterface(const QJsonObject &object, const QString &path);
    bool parseIdentity(const QJsonObject &object, const QString &path, SimulatedInterface &unit);
    bool parseTexts(const QJsonObject &object, const QString &path, SimulatedInterface &unit);
    bool parseFaults(const QJsonObject &object, const QString &path, FaultPlan &faults);
    bool parseForeignDevice(const QJsonObject &object, const QString &path);

    SimulatedBackend &m_backend;
    QString m_error;
};

bool ScenarioParser::parse(const QJsonObject &root)
{
    if (!checkKeys(root, QString(), {QStringLiteral("interfaces"), QStringLiteral("foreignDevices")}))
        return false;
    QJsonArray interfaces;
    QJsonArray foreignDevices;
    if (!readArray(root, QStringLiteral("interfaces"), QString(), &interfaces)
        || !readArray(root, QStringLiteral("foreignDevices"), QString(), &foreignDevices))
        return false;
    for (int i = 0; i < interfaces.size(); ++i) {
        const QString path = element(QStringLiteral("interfaces"), i);
        QJsonObject object;
        if (!readObject(interfaces.at(i), path, &object) || !parseInterface(object, path))
            return false;
    }
    for (int i = 0; i < foreignDevices.size(); ++i) {
        const QString path = element(QStringLiteral("foreignDevices"), i);
        QJsonObject object;
        if (!readObject(foreignDevices.at(i), path, &object) || !parseForeignDevice(object, path))
            return false;
    }
    return true;
}

bool ScenarioParser::checkKeys(const QJsonObject &object, const QString &path, const QStringList &allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key()))
            return fail(member(path, it.key()), QStringLiteral("unknown key"));
    }
    return true;
}

bool ScenarioParser::readObject(const QJsonValue &value, const QString &path, QJsonObject *object)
{
    if (!value.isObject())
        return fail(path, QStringLiteral("expected an object"));
    *object = value.toObject();
    return true;
}

bool ScenarioParser::readArray(const QJsonObject &object, const QString &key, const QString &path,
                               QJsonArray *array)
{
    if (!object.contains(key))
        return true;
    if (!object.value(key).isArray())
        return fail(member(path, key), QStringLiteral("expected an array"));
    *array = object.value(key).toArray();
    return true;
}

bool ScenarioParser::readText(const QJsonObject &object, const QString &key, const QString &path,
                              int maximumLength, QString *text)
{
    return !object.contains(key) || readTextValue(object.value(key), member(path, key), maximumLength, text);
}

bool ScenarioParser::readTextValue(const QJsonValue &value, const QString &path, int maximumLength, QString *text)
{
    if (!value.isString() || !isLatin1Text(value.toString(), maximumLength))
        return fail(path, QStringLiteral("expected a string of at most %1 Latin-1 characters").arg(maximumLength));
    *text = value.toString();
    return true;
}

bool ScenarioParser::readInteger(const QJsonObject &object, const QString &key, const QString &path,
                                 qint64 minimum, qint64 maximum, qint64 *number)
{
    if (!object.contains(key))
        return true;
    const QJsonValue value = object.value(key);
    const double real = value.toDouble();
    if (!value.isDouble() || real != double(qint64(real)) || real < double(minimum) || real > double(maximum))
        return fail(member(path, key), QStringLiteral("expected an integer from %1 to %2").arg(minimum).arg(maximum));
    *number = qint64(real);
    return true;
}

bool ScenarioParser::readBool(const QJsonObject &object, const QString &key, const QString &path, bool *flag)
{
    if (!object.contains(key))
        return true;
    if (!object.value(key).isBool())
        return fail(member(path, key), QStringLiteral("expected true or false"));
    *flag = object.value(key).toBool();
    return true;
}

bool ScenarioParser::readBusName(const QJsonObject &object, const QString &path, QString *busName)
{
    static const QRegularExpression threeDigits(QStringLiteral("^[0-9]{3}$"));
    const QString key = QStringLiteral("bus");
    if (!object.contains(key))
        return true;
    if (!threeDigits.match(object.value(key).toString()).hasMatch())
        return fail(member(path, key), QStringLiteral("expected a string of 3 digits"));
    *busName = object.value(key).toString();
    return true;
}

bool ScenarioParser::readUsbId(const QJsonObject &object, const QString &key, const QString &path, quint16 *id)
{
    static const QRegularExpression hexadecimal(QStringLiteral("^0x[0-9A-Fa-f]{1,4}$"));
    const QJsonValue value = object.value(key);
    const double real = value.toDouble();
    if (value.isDouble() && real == double(quint16(real)) && real >= 0) {
        *id = quint16(real);
        return true;
    }
    if (value.isString() && hexadecimal.match(value.toString()).hasMatch()) {
        *id = quint16(value.toString().mid(2).toUInt(nullptr, 16));
        return true;
    }
    return fail(member(path, key), QStringLiteral("expected an integer from 0 to 65535 or a \"0x\" hexadecimal string"));
}

bool ScenarioParser::parseInterface(const QJsonObject &object, const QString &path)
{
    if (!checkKeys(object, path,
                   {QStringLiteral("serial"), QStringLiteral("bootloaderSerial"), QStringLiteral("bus"),
                    QStringLiteral("mode"), QStringLiteral("model"), QStringLiteral("firmware"),
                    QStringLiteral("bootloaderTexts"), QStringLiteral("reEnumerationDelayMs"),
                    QStringLiteral("faults"), QStringLiteral("responders")}))
        return false;
    static const QRegularExpression serialPattern(QStringLiteral("^[\\x21-\\x7E]*$"));
    const QString serialKey = QStringLiteral("serial");
    const QString serial = object.value(serialKey).toString();
    if (!object.value(serialKey).isString() || serial.size() != 7)
        return fail(member(path, serialKey), QStringLiteral("expected a string of 7 characters"));
    if (!serialPattern.match(serial).hasMatch())
        return fail(member(path, serialKey), QStringLiteral("expected printable ASCII characters without blanks"));
    QString busName = QStringLiteral("001");
    if (!readBusName(object, path, &busName))
        return false;

    SimulatedInterface &unit = m_backend.addInterface(serial, busName);
    if (!parseIdentity(object, path, unit) || !parseTexts(object, path, unit))
        return false;

    QJsonObject faults;
    if (object.contains(QStringLiteral("faults"))
        && (!readObject(object.value(QStringLiteral("faults")), member(path, QStringLiteral("faults")), &faults)
            || !parseFaults(faults, member(path, QStringLiteral("faults")), unit.faults())))
        return false;

    QJsonArray responders;
    if (!readArray(object, QStringLiteral("responders"), path, &responders))
        return false;
    QString responderError;
    if (loadResponders(unit.line(), responders, &responderError))
        return true;
    // The responder loader names the place from the responders array on.
    m_error = member(path, responderError);
    return false;
}

bool ScenarioParser::parseIdentity(const QJsonObject &object, const QString &path, SimulatedInterface &unit)
{
    const QString bootloaderKey = QStringLiteral("bootloaderSerial");
    if (object.contains(bootloaderKey)) {
        const QString serial = object.value(bootloaderKey).toString();
        if (serial.size() != 8 || serial.left(6) != unit.serial().left(6) || !serial.at(6).isDigit()
            || serial.at(7) != QLatin1Char('b'))
            return fail(member(path, bootloaderKey),
                        QStringLiteral("expected the serial's first six characters, a digit and 'b'"));
        unit.setBootloaderSerial(serial);
    }

    const QString modeKey = QStringLiteral("mode");
    if (object.contains(modeKey)) {
        const QString mode = object.value(modeKey).toString();
        if (mode == QLatin1String("bootloader"))
            unit.setMode(InterfaceMode::Bootloader);
        else if (mode != QLatin1String("application"))
            return fail(member(path, modeKey), QStringLiteral("expected \"application\" or \"bootloader\""));
    }

    qint64 delay = unit.reEnumerationDelayMs();
    if (!readInteger(object, QStringLiteral("reEnumerationDelayMs"), path, 0, maximumDelayMs, &delay))
        return false;
    unit.setReEnumerationDelayMs(int(delay));
    return true;
}

bool ScenarioParser::parseTexts(const QJsonObject &object, const QString &path, SimulatedInterface &unit)
{
    QString model;
    QString firmware;
    if (!readText(object, QStringLiteral("model"), path, modelTextLength, &model)
        || !readText(object, QStringLiteral("firmware"), path, firmwareTextLength, &firmware))
        return false;
    unit.setInformationTexts(model, firmware);

    const QString textsKey = QStringLiteral("bootloaderTexts");
    if (!object.contains(textsKey))
        return true;
    const QJsonValue texts = object.value(textsKey);
    if (!texts.isArray() || texts.toArray().size() != 2)
        return fail(member(path, textsKey), QStringLiteral("expected an array of two strings"));
    const QString textsPath = member(path, textsKey);
    QString first;
    QString second;
    if (!readTextValue(texts.toArray().at(0), element(textsPath, 0), bootloaderTextLength, &first)
        || !readTextValue(texts.toArray().at(1), element(textsPath, 1), bootloaderTextLength, &second))
        return false;
    unit.setBootloaderTexts(first, second);
    return true;
}

bool ScenarioParser::parseFaults(const QJsonObject &object, const QString &path, FaultPlan &faults)
{
    if (!checkKeys(object, path,
                   {QStringLiteral("failTransfers"), QStringLiteral("failReceives"), QStringLiteral("unplugAtTransfer"),
                    QStringLiteral("claimRefused"), QStringLiteral("informationBlockReadable"),
                    QStringLiteral("identifierAnswer")}))
        return false;

    QJsonArray failures;
    if (!readArray(object, QStringLiteral("failTransfers"), path, &failures))
        return false;
    for (int i = 0; i < failures.size(); ++i) {
        const QString failurePath = element(member(path, QStringLiteral("failTransfers")), i);
        QJsonObject failure;
        if (!readObject(failures.at(i), failurePath, &failure)
            || !checkKeys(failure, failurePath, {QStringLiteral("number"), QStringLiteral("result")}))
            return false;
        qint64 number = 0;
        qint64 result = UsbResult::IoError;
        if (!readInteger(failure, QStringLiteral("number"), failurePath, 1, maximumCount, &number)
            || !readInteger(failure, QStringLiteral("result"), failurePath, -1000, -1, &result))
            return false;
        if (number == 0)
            return fail(member(failurePath, QStringLiteral("number")),
                        QStringLiteral("expected an integer from 1 to %1").arg(maximumCount));
        faults.failTransfer(int(number), int(result));
    }

    qint64 receives = 0;
    qint64 unplugAt = 0;
    bool claimRefused = false;
    bool informationBlockReadable = true;
    if (!readInteger(object, QStringLiteral("failReceives"), path, 0, maximumCount, &receives)
        || !readInteger(object, QStringLiteral("unplugAtTransfer"), path, 1, maximumCount, &unplugAt)
        || !readBool(object, QStringLiteral("claimRefused"), path, &claimRefused)
        || !readBool(object, QStringLiteral("informationBlockReadable"), path, &informationBlockReadable))
        return false;
    faults.failReceives(int(receives));
    faults.unplugAtTransfer(int(unplugAt));
    faults.setClaimRefused(claimRefused);
    faults.setInformationBlockReadable(informationBlockReadable);

    static const QRegularExpression bytePairs(QStringLiteral("^([0-9A-Fa-f]{2}){1,64}$"));
    const QString identifierKey = QStringLiteral("identifierAnswer");
    if (object.contains(identifierKey)) {
        const QString answer = object.value(identifierKey).toString();
        if (!bytePairs.match(answer).hasMatch())
            return fail(member(path, identifierKey), QStringLiteral("expected 1 to 64 bytes as hexadecimal digit pairs"));
        faults.setIdentifierAnswer(QByteArray::fromHex(answer.toLatin1()));
    }
    return true;
}

bool ScenarioParser::parseForeignDevice(const QJsonObject &object, const QString &path)
{
    if (!checkKeys(object, path, {QStringLiteral("vendorId"), QStringLiteral("productId"), QStringLiteral("bus")}))
        return false;
    quint16 vendorId = 0;
    quint16 productId = 0;
    QString busName = QStringLiteral("001");
    if (!readUsbId(object, QStringLiteral("vendorId"), path, &vendorId)
        || !readUsbId(object, QStringLiteral("productId"), path, &productId) || !readBusName(object, path, &busName))
        return false;
    m_backend.addForeignDevice(vendorId, productId, busName);
    return true;
}

int lineOf(const QByteArray &text, int offset)
{
    return int(text.left(offset).count('\n')) + 1;
}

} // namespace

std::unique_ptr<SimulatedBackend> loadScenario(const QString &nameOrPath, QString *error,
                                               SimulatedClock::Source clockSource)
{
    QFile file(nameOrPath == QLatin1String("demo") ? demoScenarioPath : nameOrPath);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("cannot open %1: %2").arg(nameOrPath, file.errorString()));
        return nullptr;
    }
    const QByteArray text = file.readAll();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        setError(error, QStringLiteral("line %1: %2").arg(lineOf(text, parseError.offset)).arg(parseError.errorString()));
        return nullptr;
    }
    if (!document.isObject()) {
        setError(error, QStringLiteral("line 1: expected an object at the top level"));
        return nullptr;
    }
    auto backend = std::make_unique<SimulatedBackend>(clockSource);
    ScenarioParser parser(*backend);
    if (!parser.parse(document.object())) {
        setError(error, parser.error());
        return nullptr;
    }
    return backend;
}
