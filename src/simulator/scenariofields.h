// Reads the values of one JSON object of a scenario file, naming each by its path.
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>

class ScenarioFields
{
public:
    // How an integer may be written. The interfaces part of the format takes numbers only, the
    // responders part "0x" strings too, and USB IDs short "0x" strings that their message offers.
    enum class IntegerForm {
        Number,
        NumberOrHexadecimal,     // "0x" and 1 to 8 hexadecimal digits
        NumberOrShortHexadecimal // "0x" and 1 to 4 hexadecimal digits, named in the message
    };
    // Texts the interface keeps NUL-terminated cannot hold a NUL character.
    enum class TextStorage { Counted, NulTerminated };

    // The path of the top-level object is empty.
    ScenarioFields(const QJsonObject &object, const QString &path, QString *error);

    const QString &path() const { return m_path; }
    QString pathOf(const QString &key) const { return m_path.isEmpty() ? key : m_path + QLatin1Char('.') + key; }
    bool contains(const QString &key) const { return m_object.contains(key); }
    QJsonValue value(const QString &key) const { return m_object.value(key); }
    // Sets the error "<path>: <reason>" and returns false.
    bool fail(const QString &path, const QString &reason) const;
    // Every key must be one of `known`.
    bool checkKeys(const QStringList &known) const;

    // A missing key leaves the target as it is and succeeds.
    bool integer(const QString &key, qint64 minimum, qint64 maximum, qint64 *value,
                 IntegerForm form = IntegerForm::NumberOrHexadecimal) const;
    template <typename T>
    bool integer(const QString &key, qint64 minimum, qint64 maximum, T *value,
                 IntegerForm form = IntegerForm::NumberOrHexadecimal) const
    {
        qint64 number = 0;
        if (!contains(key))
            return true;
        if (!integer(key, minimum, maximum, &number, form))
            return false;
        *value = T(number);
        return true;
    }
    template <typename T>
    bool integer(const QString &key, qint64 minimum, qint64 maximum, std::optional<T> *value) const
    {
        T number = T();
        if (!contains(key))
            return true;
        if (!integer(key, minimum, maximum, &number))
            return false;
        *value = number;
        return true;
    }
    // The whole range of the target's type.
    template <typename T> bool integer(const QString &key, T *value) const
    {
        return integer(key, qint64(std::numeric_limits<T>::min()), qint64(std::numeric_limits<T>::max()), value);
    }
    template <typename T> bool integer(const QString &key, std::optional<T> *value) const
    {
        return integer(key, qint64(std::numeric_limits<T>::min()), qint64(std::numeric_limits<T>::max()), value);
    }
    bool flag(const QString &key, bool *value) const;
    bool text(const QString &key, int maximumLength, QByteArray *value,
              TextStorage storage = TextStorage::Counted) const;
    bool text(const QString &key, int maximumLength, std::optional<QByteArray> *value) const;
    bool array(const QString &key, QJsonArray *value) const;

    // Runs parse(value, path) on each value of the array under `key`.
    template <typename Parse> bool forEachValue(const QString &key, Parse parse) const
    {
        QJsonArray values;
        if (!array(key, &values))
            return false;
        for (int i = 0; i < values.size(); ++i) {
            if (!parse(values.at(i), element(pathOf(key), i)))
                return false;
        }
        return true;
    }
    // Runs parse(fields) on each object of the array under `key`.
    template <typename Parse> bool forEachObject(const QString &key, Parse parse) const
    {
        QJsonArray values;
        return array(key, &values) && forEachObject(values, pathOf(key), m_error, parse);
    }
    // The same for an array named by `path`.
    template <typename Parse>
    static bool forEachObject(const QJsonArray &values, const QString &path, QString *error, Parse parse)
    {
        for (int i = 0; i < values.size(); ++i) {
            const ScenarioFields entry(values.at(i).toObject(), element(path, i), error);
            if (!entry.isObject(values.at(i)) || !parse(entry))
                return false;
        }
        return true;
    }
    // Runs parse(fields) on the object under `key`, if there is one.
    template <typename Parse> bool forObject(const QString &key, Parse parse) const
    {
        if (!contains(key))
            return true;
        const ScenarioFields entry(value(key).toObject(), pathOf(key), m_error);
        return entry.isObject(value(key)) && parse(entry);
    }

    // Values inside arrays, named by their own path.
    bool integerValue(const QJsonValue &value, const QString &path, qint64 minimum, qint64 maximum, qint64 *number,
                      IntegerForm form = IntegerForm::NumberOrHexadecimal) const;
    bool textValue(const QJsonValue &value, const QString &path, int maximumLength, QByteArray *text,
                   TextStorage storage = TextStorage::Counted) const;

    static QString element(const QString &path, int position) { return path + QStringLiteral("[%1]").arg(position); }

private:
    // Fails at this object's path unless `value`, the JSON it was read from, is an object.
    bool isObject(const QJsonValue &value) const;

    QJsonObject m_object;
    QString m_path;
    QString *m_error;
};
