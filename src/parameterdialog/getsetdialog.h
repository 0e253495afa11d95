// The dialog that sends one GET or SET of a chosen parameter and logs the decoded answer.
#pragma once

#include "rdm/parameterrecord.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <optional>

class FormGroupBox;
class QComboBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
class RDM;
struct DeviceRecord;

class GetSetDialog : public QDialog
{
    Q_OBJECT

public:
    // Neither the engine nor the record is owned; both must outlive the dialog. A SET dialog reads
    // the responder's current values through quiet GETs while it builds its form.
    GetSetDialog(QWidget *parent, RDM *rdm, bool isGet, DeviceRecord *record, const ParameterRecord &parameter);
    // A command class number (1 GET, 2 SET) would turn into true for both.
    GetSetDialog(QWidget *parent, RDM *rdm, int commandClass, DeviceRecord *record,
                 const ParameterRecord &parameter) = delete;

    // Every input widget in the order it was added; a SET dialog's first is the recipient.
    const QList<QWidget *> &inputFields() const { return m_inputFields; }

    // The free-form field rows accept at most this many input widgets in all.
    static constexpr int maximumInputFields = 12;

public slots:
    void slotOkButtonClick(bool checked = false);
    void slotCancelButtonClick(bool checked = false);
    void slotComboBoxRDMChanged(int index);
    void slotPushButtonAddClick(bool checked = false);
    void slotPushButtonRemoveClick(bool checked = false);

private:
    struct ComboItem
    {
        QString text;
        quint32 value;
    };
    enum class Recipient { SelectedDevice = 1, SelectedManufacturer = 2, AllDevices = 3, AllSubDevices = 4 };

    void addSpinBoxRow(int minimum, int maximum, const QString &label, int value);
    void addLineEditRow(int maximumLength, const QString &label, const QString &text);
    void addComboRow(const QList<ComboItem> &items, const QString &label, int currentIndex);
    // Boxes of `elementSize` bytes each; box i shows element i of `current`, read big-endian, or
    // `defaultValue` when `current` does not reach it.
    void addValueGrid(qint64 minimum, qint64 maximum, qint64 defaultValue, int elementSize, int elementCount,
        int fieldsPerRow, const QByteArray &current, bool isSigned);
    void addBitFieldGrid(int byteCount, const QByteArray &current);
    void addFieldBuilder();
    void addFieldRow(int typeIndex, bool isHex);

    void buildGetForm();
    void buildSetForm();
    void buildDataTypeForm();
    void addSensorCombo(bool withAllSensors);
    void addPersonalityCombo(const QString &separator, const QString &label);
    // A combo of the answer's first byte: the item whose value it is, or the first item.
    void addStateCombo(int (RDM::*currentGet)(quint64, quint16), const QList<ComboItem> &items, const QString &label);
    void addLanguageForm();
    // The answer of a quiet GET to the record's device, or nothing when it fails.
    std::optional<QByteArray> currentValue(int (RDM::*get)(quint64, quint16));

    QByteArray getParameterData() const;
    QByteArray setParameterData() const;
    QByteArray fieldRowData() const;
    QByteArray valueGridData() const;
    // The value of the form's input at `position`, counted after the recipient of a SET.
    quint32 fieldValue(int position) const;
    QString fieldText(int position) const;

    bool m_isGet;
    DeviceRecord *m_record;
    ParameterRecord m_parameter;
    RDM *m_rdm;
    QFormLayout *m_formLayout;
    QHBoxLayout *m_buttonsLayout;
    QPushButton *m_okButton;
    QPushButton *m_cancelButton;
    QLabel *m_descriptionLabel;
    QLabel *m_pidLabel;
    QList<QWidget *> m_inputFields;
    // Bytes per box of the value grid; bit boxes pack eight to a byte.
    int m_gridElementSize = 0;
    bool m_gridHoldsBits = false;
    // The free-form builder and its rows.
    QComboBox *m_typeCombo = nullptr;
    QComboBox *m_formatCombo = nullptr;
    QVBoxLayout *m_fieldRowsLayout = nullptr;
    QList<FormGroupBox *> m_fieldRows;
    // How the SET of the data-type form reads its fields.
    bool m_usesFieldRows = false;
    bool m_usesValueGrid = false;
    bool m_usesText = false;
};
