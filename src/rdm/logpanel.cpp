#include "rdm/logpanel.h"

#include "rdm/logtimeofday.h"

#include <QTextBlock>
#include <QTextDocumentFragment>

LogPanel::LogPanel(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Undo would hold on to every line ever logged.
    setUndoRedoEnabled(false);
    setMaximumBlockCount(logPanelLineLimit);
}

void LogPanel::appendLine(const QString &message)
{
    QString line = QLatin1Char(' ') + LogTimeOfDay::system().text() + QLatin1String(": ") + message;
    // A line break in the text would start a line of its own and upset the count of lines kept.
    for (QChar &character : line) {
        if (character == QLatin1Char('\n') || character == QLatin1Char('\r') || character == QChar::ParagraphSeparator)
            character = QChar::LineSeparator;
    }
    m_waiting.push_back(line);
    if (m_waiting.size() > size_t(logPanelLineLimit))
        m_waiting.pop_front();
    if (isVisible() && !m_showQueued) {
        m_showQueued = true;
        QMetaObject::invokeMethod(this, &LogPanel::showWaitingLines, Qt::QueuedConnection);
    }
}

void LogPanel::appendHtmlLine(const QString &html)
{
    appendLine(QTextDocumentFragment::fromHtml(html).toRawText());
}

QStringList LogPanel::lines() const
{
    // Shown lines that the waiting ones will push out are kept no longer.
    const int shown = document()->isEmpty() ? 0 : document()->blockCount();
    const int pushedOut = qMax(0, shown + int(m_waiting.size()) - logPanelLineLimit);
    QStringList kept;
    if (pushedOut < shown) {
        for (QTextBlock block = document()->findBlockByNumber(pushedOut); block.isValid(); block = block.next())
            kept << block.text();
    }
    kept.append(QStringList(m_waiting.begin(), m_waiting.end()));
    return kept;
}

void LogPanel::clearLines()
{
    m_waiting.clear();
    clear();
}

void LogPanel::showEvent(QShowEvent *event)
{
    showWaitingLines();
    QPlainTextEdit::showEvent(event);
}

void LogPanel::showWaitingLines()
{
    m_showQueued = false;
    if (m_waiting.empty())
        return;
    // A full queue replaces every line shown; dropping those first is five times quicker than
    // letting the block limit drop them after the insert.
    if (m_waiting.size() == size_t(logPanelLineLimit))
        clear();
    QString text;
    for (const QString &line : m_waiting)
        text += line + QLatin1Char('\n');
    text.chop(1);
    m_waiting.clear();
    // One edit for them all; the block limit drops the oldest shown lines.
    appendPlainText(text);
}
