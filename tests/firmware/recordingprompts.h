// Answers the firmware tools' questions from a script and records what they asked and showed.
#pragma once

#include "firmware/firmwareprompts.h"

#include <QStringList>

class RecordingPrompts : public FirmwarePrompts
{
public:
    // The answers in the order they are asked; a null string cancels.
    QStringList answers;
    QStringList asked;    // "kind|title|proposal or preselected item"
    QStringList messages; // "title|text"

    QString openFileName(const QString &caption, const QString &directory, const QString &filter) override
    {
        asked.append(QStringLiteral("open|%1|%2|%3").arg(caption, directory, filter));
        return next();
    }
    QString saveFileName(const QString &caption, const QString &proposal, const QString &filter) override
    {
        asked.append(QStringLiteral("save|%1|%2|%3").arg(caption, proposal, filter));
        return next();
    }
    QString chooseItem(const QString &title, const QString &label, const QStringList &items, int current) override
    {
        asked.append(QStringLiteral("choose|%1|%2|%3 of %4").arg(title, label, items.value(current)).arg(items.size()));
        return next();
    }
    void showWarning(const QString &title, const QString &text) override
    {
        messages.append(title + QLatin1Char('|') + text);
    }
    void showCritical(const QString &title, const QString &text) override
    {
        messages.append(title + QLatin1Char('|') + text);
    }

private:
    QString next() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};
