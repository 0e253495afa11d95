// Typed reading of scenario values with messages that name the value's place in the file.
#include "simulator/scenariofields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

ScenarioFields::ScenarioFields(const QJsonObject &object, const QString &path, QString *error)
    : m_object(object), m_path(path), m_error(error)
{
}

bool ScenarioFields::fail(const QString &path, const QString &reason) const
{
    if (m_error)
        *m_error = path + QStringLiteral(": ") + reason;
    return false;
}

namespace {

// A key that is not a plain name in JSON quotes and escapes, so that an empty key, blanks or control
// characters cannot leave the place of an error empty or garbled.
QString readableKey(const QString &key)
{
    static const QRegularExpression plainName(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*")));
    if (plainName.match(key).hasMatch())
        return key;
    const QByteArray quoted = QJsonDocument(QJsonArray{key}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
}

} // namespace

bool ScenarioFields::checkKeys(const QStringList &known) const
{
    for (auto it = m_object.begin(); it != m_object.end(); ++it) {
        if (!known.contains(it.key()))
            return fail(pathOf(readableKey(it.key())), QStringLiteral("unknown key"));
    }
    return true;
}

bool ScenarioFields::integer(const QString &key, qint64 minimum, qint64 maximum, qint64 *value,
                             IntegerForm form) const
{
    return !contains(key) || integerValue(m_object.value(key), pathOf(key), minimum, maximum, value, form);
}

bool ScenarioFields::flag(const QString &key, bool *value) const
{
    if (!contains(key))
        return true;
    if (!m_object.value(key).isBool())
        return fail(pathOf(key), QStringLiteral("expected true or false"));
    *value = m_object.value(key).toBool();
    return true;
}

bool ScenarioFields::text(const QString &key, int maximumLength, QByteArray *value, TextStorage storage) const
{
    return !contains(key) || textValue(m_object.value(key), pathOf(key), maximumLength, value, storage);
}

bool ScenarioFields::text(const QString &key, int maximumLength, std::optional<QByteArray> *value) const
{
    QByteArray bytes;
    if (!contains(key))
        return true;
    if (!textValue(m_object.value(key), pathOf(key), maximumLength, &bytes))
        return false;
    *value = bytes;
    return true;
}

bool ScenarioFields::array(const QString &key, QJsonArray *value) const
{
    if (!contains(key))
        return true;
    if (!m_object.value(key).isArray())
        return fail(pathOf(key), QStringLiteral("expected an array"));
    *value = m_object.value(key).toArray();
    return true;
}

bool ScenarioFields::integerValue(const QJsonValue &value, const QString &path, qint64 minimum, qint64 maximum,
                                  qint64 *number, IntegerForm form) const
{
    static const QRegularExpression hexadecimal(
        QRegularExpression::anchoredPattern(QStringLiteral("0x[0-9A-Fa-f]{1,8}")));
    static const QRegularExpression shortHexadecimal(
        QRegularExpression::anchoredPattern(QStringLiteral("0x[0-9A-Fa-f]{1,4}")));
    const QRegularExpression &pattern = form == IntegerForm::NumberOrShortHexadecimal ? shortHexadecimal : hexadecimal;
    std::optional<qint64> read;
    // Converting a double beyond qint64's range is undefined behaviour, so that range is checked first.
    const double written = value.toDouble();
    if (value.isDouble() && std::abs(written) < 0x1p63 && written == std::trunc(written))
        read = qint64(written);
    else if (form != IntegerForm::Number && value.isString() && pattern.match(value.toString()).hasMatch())
        read = value.toString().mid(2).toLongLong(nullptr, 16);
    if (!read || *read < minimum || *read > maximum) {
        const QString reason = QStringLiteral("expected an integer from %1 to %2").arg(minimum).arg(maximum);
        return fail(path, form == IntegerForm::NumberOrShortHexadecimal
                              ? reason + QStringLiteral(" or a \"0x\" hexadecimal string")
                              : reason);
    }
    *number = *read;
    return true;
}

bool ScenarioFields::textValue(const QJsonValue &value, const QString &path, int maximumLength, QByteArray *text,
                               TextStorage storage) const
{
    const QString string = value.toString();
    const ushort lowest = storage == TextStorage::NulTerminated ? 1 : 0;
    const bool isLatin1 = std::all_of(string.cbegin(), string.cend(), [lowest](QChar character) {
        return character.unicode() >= lowest && character.unicode() <= 0xFF;
    });
    if (!value.isString() || string.size() > maximumLength || !isLatin1)
        return fail(path, QStringLiteral("expected a string of at most %1 Latin-1 characters").arg(maximumLength));
    *text = string.toLatin1();
    return true;
}

bool ScenarioFields::isObject(const QJsonValue &value) const
{
    return value.isObject() || fail(m_path, QStringLiteral("expected an object"));
}
