// Reads the values of one JSON object of a responder description, naming each by its path.
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>

class ResponderScenarioFields
{
public:
    ResponderScenarioFields(const QJsonObject &object, const QString &path, QString *error);

    const QString &path() const { return m_path; }
    QString pathOf(const QString &key) const { return m_path + QLatin1Char('.') + key; }
    bool contains(const QString &key) const { return m_object.contains(key); }
    QJsonValue value(const QString &key) const { return m_object.value(key); }
    // Sets the error "<path>: <reason>" and returns false.
    bool fail(const QString &path, const QString &reason) const;
    // Every key must be one of `known`.
    bool checkKeys(const QStringList &known) const;

    // A missing key leaves the target as it is and succeeds.
    bool integer(const QString &key, qint64 minimum, qint64 maximum, qint64 *value) const;
    template <typename T> bool integer(const QString &key, qint64 minimum, qint64 maximum, T *value) const
    {
        if (!contains(key))
            return true;
        qint64 number = 0;
        if (!integer(key, minimum, maximum, &number))
            return false;
        *value = T(number);
        return true;
    }
    // The whole range of the target's type.
    template <typename T> bool integer(const QString &key, T *value) const
    {
        return integer(key, qint64(std::numeric_limits<T>::min()), qint64(std::numeric_limits<T>::max()), value);
    }
    template <typename T> bool integer(const QString &key, std::optional<T> *value) const
    {
        if (!contains(key))
            return true;
        T number = T();
        if (!integer(key, &number))
            return false;
        *value = number;
        return true;
    }
    bool flag(const QString &key, bool *value) const;
    bool text(const QString &key, int maximumLength, QByteArray *value) const;
    bool text(const QString &key, int maximumLength, std::optional<QByteArray> *value) const;
    bool array(const QString &key, QJsonArray *value) const;

    // Values inside arrays, named by their own path. Integers may be given as "0x" hexadecimal strings.
    bool integerValue(const QJsonValue &value, const QString &path, qint64 minimum, qint64 maximum,
                      qint64 *number) const;
    bool textValue(const QJsonValue &value, const QString &path, int maximumLength, QByteArray *text) const;
    bool objectValue(const QJsonValue &value, const QString &path, QJsonObject *object) const;

    static QString element(const QString &path, int position) { return path + QStringLiteral("[%1]").arg(position); }

private:
    QJsonObject m_object;
    QString m_path;
    QString *m_error;
};
