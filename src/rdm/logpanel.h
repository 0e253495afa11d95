// The log panel: one plain-text line per event, time-stamped, kept to the newest lines.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <deque>

// The most lines the panel keeps; the oldest go first, so a night of polling stays bounded.
constexpr int logPanelLineLimit = 10000;

// Laying out text is what a line costs, far more than the transaction it reports. Lines wait in a
// bounded queue while the panel is hidden, as it is behind the sensors during an auto refresh, and
// reach the text view together once per turn of the event loop while it is shown.
class LogPanel : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit LogPanel(QWidget *parent = nullptr);

    // Adds " hh:mm:ss: message" as one line. Device texts can hold anything, so nothing in it is markup.
    void appendLine(const QString &message);
    // The same for a message written as HTML, such as a decoded answer whose fields are "<br>" apart;
    // it is shown as the text it stands for.
    void appendHtmlLine(const QString &html);
    // The kept lines as shown, oldest first, including those not laid out yet.
    QStringList lines() const;
    void clearLines();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showWaitingLines();

    std::deque<QString> m_waiting;
    bool m_showQueued = false;
};
