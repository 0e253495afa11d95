// A text progress bar for the full discovery's fixed wait.
#include "cli/textprogressbar.h"

#include <QCoreApplication>
#include <QTextStream>

TextProgressBar::TextProgressBar(QTextStream &stream, int width)
    : m_stream(stream), m_width(qMax(1, width))
{
}

void TextProgressBar::begin(QWidget *, int maximum)
{
    end();
    m_maximum = qMax(1, maximum);
    m_value = 1;
    m_drawing = true;
    m_stream << QCoreApplication::translate("RDM", "Searching for new devices, please wait...") << '\n';
    draw();
}

void TextProgressBar::setValue(int value)
{
    if (!m_drawing)
        return;
    m_value = qBound(0, value, m_maximum);
    draw();
}

void TextProgressBar::end()
{
    if (!m_drawing)
        return;
    m_drawing = false;
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
