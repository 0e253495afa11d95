// Standard dialogs for the firmware tools.
#include "firmware/firmwareprompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

QString mainWindowText(const char *text)
{
    return QCoreApplication::translate("Orv_RDM_Controller", text);
}

QString WidgetPrompts::openFileName(const QString &caption, const QString &directory, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, directory, filter);
}

QString WidgetPrompts::saveFileName(const QString &caption, const QString &proposal, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, proposal, filter);
}

QString WidgetPrompts::chooseItem(const QString &title, const QString &label, const QStringList &items, int current)
{
    bool accepted = false;
    const QString chosen = QInputDialog::getItem(m_parent, title, label, items, current, false, &accepted);
    return accepted ? chosen : QString();
}

void WidgetPrompts::showWarning(const QString &title, const QString &text)
{
    QMessageBox::warning(m_parent, title, text, QMessageBox::Ok);
}

void WidgetPrompts::showCritical(const QString &title, const QString &text)
{
    QMessageBox::critical(m_parent, title, text, QMessageBox::Ok);
}
