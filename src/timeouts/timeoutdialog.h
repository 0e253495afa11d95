// What the three timing dialogs share: rows of stored values, their preset buttons, OK and Cancel.
#pragma once

#include <QDialog>
#include <QList>
#include <QtGlobal>

class QPushButton;
class QSpinBox;

class TimeoutDialog : public QDialog
{
    Q_OBJECT

public:
    // One value of the settings store as a row of the form edits it.
    struct Row
    {
        QSpinBox *spinBox;
        QPushButton *defaultButton;
        QPushButton *strictButton; // null where the row offers no strict preset
        int defaultValue;
        int strictValue;
        quint32 (*load)();
        void (*store)(quint32);
    };

public slots:
    void slotCancelButtonClick(bool checked);
    void slotOkButtonClick(bool checked);

protected:
    explicit TimeoutDialog(QWidget *parent);
    // Connects the rows' presets and the two buttons, then loads the rows from the store.
    void setUpRows(const QList<Row> &rows, QPushButton *okButton, QPushButton *cancelButton);
    // Puts the newly stored values to use; called by OK after storing.
    virtual void applyStoredValues() = 0;
    // Values left over from a cancelled edit are discarded on every showing.
    void showEvent(QShowEvent *event) override;

private:
    void loadRows();

    QList<Row> m_rows;
};
