// One decoded line per RDM answer, shared by the parameter dialog's log and the command line.
#pragma once

#include <QString>

struct ParameterRecord;

enum class AnswerFormat {
    // Fields separated by "<br>", texts from the device HTML-escaped: for the log panel.
    RichText,
    // One line for a terminal: fields separated by "; ", control characters shown as "\xNN".
    PlainText,
};

// The answer to a GET of `parameter.pid`. Standard PIDs have their own layout; any other PID is
// decoded by the record's dataType under its description. Reads no byte at or past `length`; a
// shorter answer renders the fields it holds and ends with "(truncated)".
QString renderGetAnswer(
    const ParameterRecord &parameter, const quint8 *data, int length, AnswerFormat format = AnswerFormat::RichText);

// The answer to a SET of SENSOR_VALUE: the sensor number and its four values.
QString renderSensorValueSetAnswer(const quint8 *data, int length, AnswerFormat format = AnswerFormat::RichText);
