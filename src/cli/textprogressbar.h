// The full discovery's wait drawn as a line of text that redraws itself, for a terminal.
#pragma once

#include "rdm/discoveryprogress.h"

class QTextStream;

// A bar redrawn each second suits a terminal; a log file or a pipe gets one line at the start
// and one at the end instead of thirty carriage returns.
enum class ProgressStyle { Bar, StartAndEnd };

// Bar when the file descriptor is a terminal.
ProgressStyle progressStyleFor(int fileDescriptor);

class TextProgressBar : public DiscoveryProgress
{
public:
    // Draws on `stream`, which must outlive the bar; `width` characters between the brackets.
    explicit TextProgressBar(QTextStream &stream, ProgressStyle style = ProgressStyle::Bar, int width = 30);

    void begin(QWidget *parent, int maximum) override;
    void setValue(int value) override;
    void end() override;

private:
    void draw();

    QTextStream &m_stream;
    ProgressStyle m_style;
    int m_width;
    int m_maximum = 0;
    int m_value = 0;
    bool m_drawing = false;
};
