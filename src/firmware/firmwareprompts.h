// The questions and messages of the firmware tools, behind one seam so that tests can answer them.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The tools run as main-window operations and speak in its words: a text marked with
// QT_TRANSLATE_NOOP("Orv_RDM_Controller", ...), translated.
QString mainWindowText(const char *text);

class FirmwarePrompts
{
public:
    virtual ~FirmwarePrompts() = default;
    // The chosen file, or an empty string when cancelled.
    virtual QString openFileName(const QString &caption, const QString &directory, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &proposal, const QString &filter) = 0;
    // The chosen entry of a fixed list, or a null string when cancelled.
    virtual QString chooseItem(const QString &title, const QString &label, const QStringList &items, int current) = 0;
    virtual void showWarning(const QString &title, const QString &text) = 0;
    virtual void showCritical(const QString &title, const QString &text) = 0;
};

// The prompts as standard dialogs over a parent window.
class WidgetPrompts final : public FirmwarePrompts
{
public:
    explicit WidgetPrompts(QWidget *parent) : m_parent(parent) {}

    QString openFileName(const QString &caption, const QString &directory, const QString &filter) override;
    QString saveFileName(const QString &caption, const QString &proposal, const QString &filter) override;
    QString chooseItem(const QString &title, const QString &label, const QStringList &items, int current) override;
    void showWarning(const QString &title, const QString &text) override;
    void showCritical(const QString &title, const QString &text) override;

private:
    QWidget *m_parent;
};
