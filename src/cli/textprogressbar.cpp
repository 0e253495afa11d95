// A text progress bar for the full discovery's fixed wait.
#include "cli/textprogressbar.h"

#include <QCoreApplication>
#include <QTextStream>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

ProgressStyle progressStyleFor(int fileDescriptor)
{
    return isatty(fileDescriptor) ? ProgressStyle::Bar : ProgressStyle::StartAndEnd;
}

TextProgressBar::TextProgressBar(QTextStream &stream, ProgressStyle style, int width)
    : m_stream(stream), m_style(style), m_width(qMax(1, width))
{
}

void TextProgressBar::begin(QWidget *, int maximum)
{
    end();
    m_maximum = qMax(1, maximum);
    m_value = 1;
    m_drawing = true;
    m_stream << QCoreApplication::translate("RDM", "Searching for new devices, please wait...") << '\n';
    if (m_style == ProgressStyle::Bar)
        draw();
    m_stream.flush();
}

void TextProgressBar::setValue(int value)
{
    if (!m_drawing)
        return;
    m_value = qBound(0, value, m_maximum);
    if (m_style == ProgressStyle::Bar)
        draw();
}

void TextProgressBar::end()
{
    if (!m_drawing)
        return;
    m_drawing = false;
    if (m_style == ProgressStyle::StartAndEnd)
        m_stream << QCoreApplication::translate("TextProgressBar", "Waited %1 of %2 s").arg(m_value).arg(m_maximum);
    m_stream << '\n';
    m_stream.flush();
}

void TextProgressBar::draw()
{
    const int filled = m_value * m_width / m_maximum;
    m_stream << '\r' << '[' << QString(filled, QLatin1Char('#')) << QString(m_width - filled, QLatin1Char('.'))
             << "] " << m_value << '/' << m_maximum << " s";
    m_stream.flush();
}
