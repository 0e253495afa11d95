// The common behaviour of the timing dialogs: load on showing, presets, store on OK.
#include "timeouts/timeoutdialog.h"

#include <QPushButton>
#include <QSpinBox>

TimeoutDialog::TimeoutDialog(QWidget *parent) : QDialog(parent)
{
    setModal(true);
}

void TimeoutDialog::setUpRows(const QList<Row> &rows, QPushButton *okButton, QPushButton *cancelButton)
{
    m_rows = rows;
    for (const Row &row : rows) {
        QSpinBox *spinBox = row.spinBox;
        const int defaultValue = row.defaultValue;
        connect(row.defaultButton, &QPushButton::clicked, spinBox, [spinBox, defaultValue] {
            spinBox->setValue(defaultValue);
        });
        if (row.strictButton) {
            const int strictValue = row.strictValue;
            connect(row.strictButton, &QPushButton::clicked, spinBox, [spinBox, strictValue] {
                spinBox->setValue(strictValue);
            });
        }
    }
    connect(okButton, &QPushButton::clicked, this, &TimeoutDialog::slotOkButtonClick);
    connect(cancelButton, &QPushButton::clicked, this, &TimeoutDialog::slotCancelButtonClick);
    loadRows();
}

void TimeoutDialog::loadRows()
{
    for (const Row &row : std::as_const(m_rows))
        row.spinBox->setValue(int(qMin<quint32>(row.load(), quint32(row.spinBox->maximum()))));
}

void TimeoutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    loadRows();
}

void TimeoutDialog::slotCancelButtonClick(bool)
{
    hide();
}

void TimeoutDialog::slotOkButtonClick(bool)
{
    for (const Row &row : std::as_const(m_rows))
        row.store(quint32(row.spinBox->value()));
    applyStoredValues();
    hide();
}
