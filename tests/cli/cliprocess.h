// Runs the command-line tool as a process, as a script would, and keeps what it said.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;

    // The lines of `text` without the log lines' "hh:mm:ss: " time stamps.
    static QStringList lines(const QString &text)
    {
        static const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d: "));
        QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (QString &line : lines)
            line.remove(time);
        return lines;
    }
};

// `simulator` is the RB604_SIMULATOR value: "demo" or a scenario path. The run is bounded so a
// fault can never hang the suite.
inline CliRun runCli(const QStringList &arguments, const QString &simulator)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("RB604_SIMULATOR"), simulator);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORV_RDM_CLI), arguments);
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(), QStringLiteral("did not finish: ") + process.errorString()};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}
