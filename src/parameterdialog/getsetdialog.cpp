// The parameter GET/SET dialog: input forms per parameter, free-form fields, the request and its answer.
#include "parameterdialog/getsetdialog.h"

#include "parameterdialog/colouredtext.h"
#include "parameterdialog/formgroupbox.h"
#include "parameterdialog/hexspinbox.h"
#include "rdm/answerrendering.h"
#include "rdm/devicerecord.h"
#include "rdm/parameterids.h"
#include "rdm/rdm.h"
#include "rdm/realtimeclock.h"
#include "rdm/uidtext.h"
#include "usb/bytereader.h"
#include "usb/bytewriter.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>
#include <iterator>
#include <optional>

namespace {

constexpr quint64 allDevicesUid = 0xFFFFFFFFFFFFULL;
constexpr quint64 allDevicesOfManufacturer = 0xFFFFFFFFULL;
constexpr quint16 allSubDevices = 0xFFFF;

// The types the free-form builder offers, in the order of its type combo.
struct FieldType
{
    const char *name;
    const char *label;
    quint8 dataType;
    int minimum;
    int maximum;
    // A HEX row of a signed type takes the bit pattern of its width.
    int hexMinimum;
    int hexMaximum;
};

constexpr FieldType fieldTypes[] = {
    {QT_TRANSLATE_NOOP("GetSetDialog", "Unsigned Byte"), QT_TRANSLATE_NOOP("GetSetDialog", "Unsigned Byte"),
        DataType::UnsignedByte, 0, 255, 0, 255},
    {QT_TRANSLATE_NOOP("GetSetDialog", "Signed Byte"), QT_TRANSLATE_NOOP("GetSetDialog", "Signed Byte"),
        DataType::SignedByte, -128, 127, 0, 0xFF},
    {QT_TRANSLATE_NOOP("GetSetDialog", "Unsigned Word"), QT_TRANSLATE_NOOP("GetSetDialog", "Unsigned Word"),
        DataType::UnsignedWord, 0, 65535, 0, 65535},
    {QT_TRANSLATE_NOOP("GetSetDialog", "Signed Word"), QT_TRANSLATE_NOOP("GetSetDialog", "Signed Word"),
        DataType::SignedWord, -32768, 32767, 0, 0xFFFF},
    {QT_TRANSLATE_NOOP("GetSetDialog", "Unsigned Double Word"), QT_TRANSLATE_NOOP("GetSetDialog", "Unsigned DWord"),
        DataType::UnsignedDoubleWord, 0, INT_MAX, 0, INT_MAX},
    {QT_TRANSLATE_NOOP("GetSetDialog", "Signed Double Word"), QT_TRANSLATE_NOOP("GetSetDialog", "Signed DWord"),
        DataType::SignedDoubleWord, INT_MIN, INT_MAX, INT_MIN, INT_MAX},
    {QT_TRANSLATE_NOOP("GetSetDialog", "Bit Field"), QT_TRANSLATE_NOOP("GetSetDialog", "Bit field:"),
        DataType::BitField, 0, 1, 0, 1},
    {QT_TRANSLATE_NOOP("GetSetDialog", "String"), QT_TRANSLATE_NOOP("GetSetDialog", "String:"), DataType::String, 0, 0,
        0, 0},
};
constexpr int firstTypeWithoutHex = 6;

int elementSize(quint8 dataType)
{
    switch (dataType) {
    case DataType::UnsignedWord:
    case DataType::SignedWord:
        return 2;
    case DataType::UnsignedDoubleWord:
    case DataType::SignedDoubleWord:
        return 4;
    default:
        return 1;
    }
}

// Writes the low `size` bytes of `value`, most significant first.
void writeElement(ByteWriter &writer, quint32 value, int size)
{
    if (size == 4)
        writer.u32(value);
    else if (size == 2)
        writer.u16(quint16(value));
    else
        writer.u8(quint8(value));
}

int clampToInt(qint64 value)
{
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

// The GET PIDs whose request carries no parameter data.
constexpr quint16 getWithoutData[] = {
    Pid::ProxiedDevices,
    Pid::ProxiedDeviceCount,
    Pid::CommsStatus,
    Pid::SubDeviceStatusReportThreshold,
    Pid::SupportedParameters,
    Pid::DeviceInfo,
    Pid::ProductDetailIdList,
    Pid::DeviceModelDescription,
    Pid::ManufacturerLabel,
    Pid::DeviceLabel,
    Pid::FactoryDefaults,
    Pid::LanguageCapabilities,
    Pid::Language,
    Pid::SoftwareVersionLabel,
    Pid::BootSoftwareVersionId,
    Pid::BootSoftwareVersionLabel,
    Pid::DmxPersonality,
    Pid::DmxStartAddress,
    Pid::SlotInfo,
    Pid::DefaultSlotValue,
    Pid::DeviceHours,
    Pid::LampHours,
    Pid::LampStrikes,
    Pid::LampState,
    Pid::LampOnMode,
    Pid::DevicePowerCycles,
    Pid::DisplayInvert,
    Pid::DisplayLevel,
    Pid::PanInvert,
    Pid::TiltInvert,
    Pid::PanTiltSwap,
    Pid::RealTimeClock,
    Pid::IdentifyDevice,
    Pid::PowerState,
    Pid::PerformSelfTest,
    Pid::PresetPlayback,
};

bool isGetWithoutData(quint16 pid)
{
    return std::find(std::begin(getWithoutData), std::end(getWithoutData), pid) != std::end(getWithoutData);
}

} // namespace

GetSetDialog::GetSetDialog(
    QWidget *parent, RDM *rdm, bool isGet, DeviceRecord *record, const ParameterRecord &parameter)
    : QDialog(parent)
    , m_isGet(isGet)
    , m_record(record)
    , m_parameter(parameter)
    , m_rdm(rdm)
    , m_formLayout(new QFormLayout(this))
    , m_buttonsLayout(new QHBoxLayout)
    , m_okButton(new QPushButton(tr("OK"), this))
    , m_cancelButton(new QPushButton(tr("Cancel"), this))
    , m_descriptionLabel(new QLabel(this))
    , m_pidLabel(new QLabel(this))
{
    m_formLayout->setObjectName(QStringLiteral("verticalLayout"));
    m_formLayout->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_buttonsLayout->setObjectName(QStringLiteral("buttonsLayout"));

    m_descriptionLabel->setObjectName(QStringLiteral("labelPidDescription"));
    m_descriptionLabel->setTextFormat(Qt::RichText);
    m_descriptionLabel->setText(coloured("green", m_parameter.description.toHtmlEscaped()));
    QFont headingFont = m_descriptionLabel->font();
    headingFont.setPointSize(12);
    headingFont.setWeight(QFont::Bold);
    m_descriptionLabel->setFont(headingFont);
    m_descriptionLabel->setAlignment(Qt::AlignCenter);
    m_formLayout->addRow(m_descriptionLabel);

    m_pidLabel->setObjectName(QStringLiteral("labelPid"));
    m_pidLabel->setTextFormat(Qt::RichText);
    m_pidLabel->setText(coloured("green", hexText(m_parameter.pid, 4)));
    QFont pidFont = m_pidLabel->font();
    pidFont.setPointSize(8);
    m_pidLabel->setFont(pidFont);
    m_pidLabel->setAlignment(Qt::AlignCenter);
    m_formLayout->addRow(m_pidLabel);

    if (m_isGet) {
        setWindowTitle(tr("RDM Get"));
        buildGetForm();
    } else {
        setWindowTitle(tr("RDM Set"));
        addComboRow({{tr("Selected device:") + QLatin1String("0x") + QString::number(m_record->uid & allDevicesUid, 16),
                         quint32(Recipient::SelectedDevice)},
                        {tr("Broadcast: Selected Manufacturer"), quint32(Recipient::SelectedManufacturer)},
                        {tr("Broadcast: All Devices"), quint32(Recipient::AllDevices)},
                        {tr("Broadcast: All Sub-Devices"), quint32(Recipient::AllSubDevices)}},
            tr("RDM Set Recipient:"), 0);
        m_inputFields.constLast()->setObjectName(QStringLiteral("comboBoxRecipient"));
        buildSetForm();
    }

    m_okButton->setObjectName(QStringLiteral("pushButtonOk"));
    m_cancelButton->setObjectName(QStringLiteral("pushButtonCancel"));
    for (QPushButton *button : {m_okButton, m_cancelButton}) {
        button->setFixedSize(90, 25);
        m_buttonsLayout->addWidget(button);
    }
    m_buttonsLayout->setSpacing(50);
    m_formLayout->addRow(m_buttonsLayout);
    connect(m_okButton, &QPushButton::clicked, this, &GetSetDialog::slotOkButtonClick);
    connect(m_cancelButton, &QPushButton::clicked, this, &GetSetDialog::slotCancelButtonClick);

    m_formLayout->setSizeConstraint(QLayout::SetFixedSize);
    m_formLayout->setContentsMargins(15, 5, 15, 5);
}

// ---- Row builders ----

void GetSetDialog::addSpinBoxRow(int minimum, int maximum, const QString &label, int value)
{
    auto *spinBox = new QSpinBox(this);
    spinBox->setRange(minimum, maximum);
    if (value != 0)
        spinBox->setValue(value);
    m_inputFields.append(spinBox);
    m_formLayout->addRow(label, spinBox);
}

void GetSetDialog::addLineEditRow(int maximumLength, const QString &label, const QString &text)
{
    auto *lineEdit = new QLineEdit(this);
    lineEdit->setMaxLength(maximumLength);
    lineEdit->setText(text);
    m_inputFields.append(lineEdit);
    m_formLayout->addRow(label, lineEdit);
}

void GetSetDialog::addComboRow(const QList<ComboItem> &items, const QString &label, int currentIndex)
{
    auto *comboBox = new QComboBox(this);
    for (const ComboItem &item : items)
        comboBox->addItem(item.text, item.value);
    comboBox->setCurrentIndex(qBound(0, currentIndex, qMax(0, int(items.size()) - 1)));
    m_inputFields.append(comboBox);
    m_formLayout->addRow(label, comboBox);
}

void GetSetDialog::addValueGrid(qint64 minimum, qint64 maximum, qint64 defaultValue, int elementSize, int elementCount,
    int fieldsPerRow, const QByteArray &current, bool isSigned)
{
    m_gridElementSize = elementSize;
    QHBoxLayout *row = nullptr;
    ByteReader reader(current);
    for (int i = 0; i < elementCount; ++i) {
        if (i % fieldsPerRow == 0) {
            row = new QHBoxLayout;
            row->setSpacing(5);
            row->setAlignment(Qt::AlignCenter);
            m_formLayout->addRow(row);
        }
        qint64 value = defaultValue;
        if (reader.remaining() >= elementSize) {
            const quint32 raw = elementSize == 4 ? reader.u32() : elementSize == 2 ? reader.u16() : reader.u8();
            const int unusedBits = 32 - 8 * elementSize;
            value = isSigned ? qint64(qint32(raw << unusedBits) >> unusedBits) : qint64(raw);
        }
        auto *spinBox = new QSpinBox(this);
        spinBox->setRange(clampToInt(minimum), clampToInt(maximum));
        spinBox->setValue(clampToInt(value));
        m_inputFields.append(spinBox);
        row->addWidget(spinBox);
    }
}

void GetSetDialog::addBitFieldGrid(int byteCount, const QByteArray &current)
{
    m_gridHoldsBits = true;
    addValueGrid(0, 1, 0, 1, byteCount * 8, 8, QByteArray(), false);
    const int first = int(m_inputFields.size()) - byteCount * 8;
    for (int i = 0; i < byteCount * 8 && i / 8 < current.size(); ++i) {
        const int bit = (quint8(current.at(i / 8)) >> (7 - i % 8)) & 1;
        static_cast<QSpinBox *>(m_inputFields.at(first + i))->setValue(bit);
    }
}

// ---- Free-form fields ----

void GetSetDialog::addFieldBuilder()
{
    m_usesFieldRows = true;
    auto *builder = new QHBoxLayout;
    builder->setSpacing(10);
    builder->addWidget(new QLabel(tr("Add field (if necessary):"), this));
    m_typeCombo = new QComboBox(this);
    m_typeCombo->setObjectName(QStringLiteral("comboBoxType"));
    for (int i = 0; i < int(std::size(fieldTypes)); ++i)
        m_typeCombo->addItem(tr(fieldTypes[i].name), i);
    builder->addWidget(m_typeCombo);
    m_formatCombo = new QComboBox(this);
    m_formatCombo->setObjectName(QStringLiteral("comboBoxFormat"));
    builder->addWidget(m_formatCombo);
    auto *addButton = new QPushButton(QStringLiteral("+"), this);
    addButton->setObjectName(QStringLiteral("pushButtonAdd"));
    addButton->setFixedWidth(50);
    builder->addWidget(addButton);

    m_fieldRowsLayout = new QVBoxLayout;
    m_fieldRowsLayout->addLayout(builder);
    m_formLayout->addRow(m_fieldRowsLayout);

    slotComboBoxRDMChanged(m_typeCombo->currentIndex());
    connect(m_typeCombo, &QComboBox::currentIndexChanged, this, &GetSetDialog::slotComboBoxRDMChanged);
    connect(addButton, &QPushButton::clicked, this, &GetSetDialog::slotPushButtonAddClick);
}

void GetSetDialog::slotComboBoxRDMChanged(int index)
{
    if (!m_formatCombo || !m_typeCombo)
        return;
    m_formatCombo->clear();
    m_formatCombo->addItem(tr("DEFAULT"), 0);
    if (m_typeCombo->itemData(index).toInt() < firstTypeWithoutHex)
        m_formatCombo->addItem(tr("HEX"), 1);
}

void GetSetDialog::slotPushButtonAddClick(bool)
{
    if (!m_typeCombo || m_inputFields.size() >= maximumInputFields)
        return;
    addFieldRow(m_typeCombo->currentData().toInt(), m_formatCombo->currentData().toInt() == 1);
}

void GetSetDialog::addFieldRow(int typeIndex, bool isHex)
{
    const FieldType &type = fieldTypes[qBound(0, typeIndex, int(std::size(fieldTypes)) - 1)];
    auto *row = new FormGroupBox(this);
    row->setDataType(type.dataType);
    row->setHex(isHex);
    auto *layout = new QHBoxLayout(row);
    layout->setSpacing(10);
    if (type.dataType == DataType::String) {
        layout->addWidget(new QLabel(tr(type.label), row));
        layout->addWidget(new QLineEdit(row));
    } else if (type.dataType == DataType::BitField) {
        layout->addWidget(new QLabel(tr(type.label), row));
        auto *bits = new QHBoxLayout;
        bits->setSpacing(1);
        for (int bit = 0; bit < 8; ++bit) {
            auto *box = new QSpinBox(row);
            box->setRange(0, 1);
            bits->addWidget(box);
        }
        layout->addLayout(bits);
    } else {
        const QString format = isHex ? tr("Hex") : tr("Default");
        layout->addWidget(new QLabel(tr(type.label) + QLatin1String(" (") + format + QLatin1String("):"), row));
        if (isHex)
            layout->addWidget(new HexSpinBox(row, type.hexMinimum, type.hexMaximum));
        else {
            auto *box = new QSpinBox(row);
            box->setRange(type.minimum, type.maximum);
            layout->addWidget(box);
        }
    }
    auto *removeButton = new QPushButton(QStringLiteral("-"), row);
    removeButton->setObjectName(QStringLiteral("pushButtonRemove"));
    removeButton->setFixedWidth(50);
    layout->addWidget(removeButton);
    connect(removeButton, &QPushButton::clicked, this, &GetSetDialog::slotPushButtonRemoveClick);

    m_inputFields.append(row);
    m_fieldRows.append(row);
    m_fieldRowsLayout->addWidget(row);
}

void GetSetDialog::slotPushButtonRemoveClick(bool)
{
    auto *button = qobject_cast<QPushButton *>(sender());
    auto *row = button ? qobject_cast<FormGroupBox *>(button->parentWidget()) : nullptr;
    if (!row || !m_fieldRows.contains(row))
        return;
    m_fieldRows.removeOne(row);
    m_inputFields.removeOne(row);
    m_fieldRowsLayout->removeWidget(row);
    // The pressed button is still delivering its signal.
    row->hide();
    row->deleteLater();
}

QByteArray GetSetDialog::fieldRowData() const
{
    QByteArray data;
    ByteWriter writer(&data);
    for (const FormGroupBox *row : m_fieldRows) {
        if (row->dataType() == DataType::String) {
            const auto *lineEdit = row->findChild<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
            writer.bytes(lineEdit->text().toLatin1());
            continue;
        }
        const QList<QSpinBox *> boxes = row->findChildren<QSpinBox *>(QString(), Qt::FindDirectChildrenOnly);
        if (row->dataType() == DataType::BitField) {
            quint8 bits = 0;
            for (int i = 0; i < boxes.size() && i < 8; ++i)
                bits |= quint8((boxes.at(i)->value() & 1) << (7 - i));
            writer.u8(bits);
        } else if (!boxes.isEmpty()) {
            writeElement(writer, quint32(boxes.first()->value()), elementSize(row->dataType()));
        }
    }
    return data;
}

// ---- Forms ----

std::optional<QByteArray> GetSetDialog::currentValue(int (RDM::*get)(quint64, quint16))
{
    if ((m_rdm->*get)(m_record->uid, m_record->subDevice) < 0)
        return std::nullopt;
    return QByteArray(reinterpret_cast<const char *>(m_rdm->responseData()), m_rdm->responseLength());
}

void GetSetDialog::addSensorCombo(bool withAllSensors)
{
    if (m_record->sensorCount == 0)
        return;
    QList<ComboItem> items;
    for (int number = 0; number < m_record->sensorCount; ++number) {
        const auto sensor = m_record->sensors.find(quint8(number));
        const QString description = sensor == m_record->sensors.end() ? QString() : sensor->second.description;
        items.append({QString::number(number) + QLatin1String(" - ") + description, quint32(number)});
    }
    if (withAllSensors)
        items.append({tr("All sensors"), 0xFF});
    addComboRow(items, tr("Sensor:"), 0);
}

void GetSetDialog::addPersonalityCombo(const QString &separator, const QString &label)
{
    QList<ComboItem> items;
    for (int number = 1; number <= m_record->personalityCount; ++number) {
        const auto personality = m_record->personalities.find(quint8(number));
        const QString description =
            personality == m_record->personalities.end() ? QString() : personality->second.description;
        items.append({QString::number(number) + separator + description, quint32(number)});
    }
    addComboRow(items, label, m_record->currentPersonality - 1);
}

void GetSetDialog::addStateCombo(
    int (RDM::*currentGet)(quint64, quint16), const QList<ComboItem> &items, const QString &label)
{
    const QByteArray current = currentValue(currentGet).value_or(QByteArray());
    int index = 0;
    if (!current.isEmpty()) {
        const auto found = std::find_if(items.cbegin(), items.cend(),
            [&current](const ComboItem &item) { return item.value == quint8(current[0]); });
        if (found != items.cend())
            index = int(found - items.cbegin());
    }
    addComboRow(items, label, index);
}

void GetSetDialog::addLanguageForm()
{
    const std::optional<QByteArray> capabilities = currentValue(&RDM::getLanguageCapabilities);
    const QByteArray current = currentValue(&RDM::getLanguage).value_or(QByteArray()).left(2);
    if (!capabilities) {
        addLineEditRow(2, tr("Language code (2 chars):"), QString::fromLatin1(current));
        return;
    }
    QList<ComboItem> items {{tr("Default"), 0}};
    int index = 0;
    ByteReader reader(*capabilities);
    while (reader.remaining() >= 2) {
        const QByteArray code = reader.bytes(2);
        if (code == current)
            index = int(items.size());
        items.append({QString::fromLatin1(code), quint32(ByteReader(code).u16())});
    }
    addComboRow(items, tr("Language code:"), index);
}

void GetSetDialog::buildGetForm()
{
    const quint16 pid = m_parameter.pid;
    switch (pid) {
    case Pid::QueuedMessage:
        addComboRow({{tr("Last message (0x01)"), 1}, {tr("Advisory (0x02)"), 2}, {tr("Warning (0x03)"), 3},
                        {tr("Error (0x04)"), 4}},
            tr("Status type:"), 0);
        return;
    case Pid::StatusMessages:
        addComboRow({{tr("None (0x00)"), 0}, {tr("Last message (0x01)"), 1}, {tr("Advisory (0x02)"), 2},
                        {tr("Warning (0x03)"), 3}, {tr("Error (0x04)"), 4}},
            tr("Status type:"), 0);
        return;
    case Pid::StatusIdDescription:
        addSpinBoxRow(0, 65535, tr("Status id:"), 0);
        return;
    case Pid::ParameterDescription: {
        QList<ComboItem> items;
        for (const auto &[parameterPid, parameter] : m_record->parameters) {
            if (isManufacturerSpecificPid(parameterPid))
                items.append({parameter.description + QLatin1String(" (") + hexText(parameterPid, 4) + QLatin1Char(')'),
                    parameterPid});
        }
        addComboRow(items, tr("Parameter:"), 0);
        return;
    }
    case Pid::DmxPersonalityDescription:
        addPersonalityCombo(QStringLiteral(". "), tr("Personality:"));
        return;
    case Pid::SlotDescription:
        // The responder counts slots from 0 at its start address; the box shows DMX addresses.
        if (m_record->dmxStartAddress > 0 && m_record->dmxFootprint > 0)
            addSpinBoxRow(m_record->dmxStartAddress, m_record->dmxStartAddress + m_record->dmxFootprint - 1,
                tr("Slot number"), m_record->dmxStartAddress);
        else
            addSpinBoxRow(0, 511, tr("Slot number"), 0);
        return;
    case Pid::SensorDefinition:
    case Pid::SensorValue:
        addSensorCombo(false);
        return;
    case Pid::SelfTestDescription:
        addSpinBoxRow(0, 255, tr("Test number:"), 0);
        return;
    default:
        if (!isGetWithoutData(pid))
            addFieldBuilder();
        return;
    }
}

void GetSetDialog::buildSetForm()
{
    const QList<ComboItem> offOn {{tr("Off (0x00)"), 0}, {tr("On (0x01)"), 1}};
    switch (m_parameter.pid) {
    case Pid::CommsStatus:
    case Pid::ClearStatusId:
    case Pid::FactoryDefaults:
        return;
    case Pid::SubDeviceStatusReportThreshold:
        addComboRow({{QStringLiteral("STATUS_NONE (0x00)"), 0}, {QStringLiteral("STATUS_GET_LAST_MESSAGE (0x01)"), 1},
                        {QStringLiteral("STATUS_ADVISORY (0x02)"), 2}, {QStringLiteral("STATUS_WARNING (0x03)"), 3},
                        {QStringLiteral("STATUS_ERROR (0x04)"), 4}},
            tr("Status type:"), 0);
        return;
    case Pid::DeviceLabel: {
        const QByteArray label = currentValue(&RDM::getDeviceLabel).value_or(QByteArray());
        addLineEditRow(32, tr("Device label:"), latin1Text(label));
        return;
    }
    case Pid::Language:
        addLanguageForm();
        return;
    case Pid::DmxPersonality:
        addPersonalityCombo(QStringLiteral(" - "), tr("Personality:"));
        return;
    case Pid::DmxStartAddress:
        addSpinBoxRow(0, 512, tr("DMX Start Address:"), m_record->dmxStartAddress);
        return;
    case Pid::SensorValue:
    case Pid::RecordSensors:
        addSensorCombo(true);
        return;
    case Pid::DeviceHours:
        addSpinBoxRow(0, INT_MAX, tr("Device hours:"), clampToInt(m_record->deviceHours));
        return;
    case Pid::LampHours:
        addSpinBoxRow(0, INT_MAX, tr("Lamp hours:"), clampToInt(m_record->lampHours));
        return;
    case Pid::LampStrikes:
        addSpinBoxRow(0, INT_MAX, tr("Lamp strikes:"), clampToInt(m_record->lampStrikes));
        return;
    case Pid::DevicePowerCycles:
        addSpinBoxRow(0, INT_MAX, tr("Device power cycles:"), clampToInt(m_record->devicePowerCycles));
        return;
    case Pid::LampState:
        addStateCombo(&RDM::getLampState,
            {{tr("LAMP_OFF (0x00)"), 0}, {tr("LAMP_ON (0x01)"), 1}, {tr("LAMP_STRIKE (0x02)"), 2},
                {tr("LAMP_STANDBY (0x03)"), 3}, {QStringLiteral("0x80"), 0x80}, {QStringLiteral("0xDF"), 0xDF}},
            tr("Lamp state:"));
        return;
    case Pid::LampOnMode:
        addStateCombo(&RDM::getLampOnMode,
            {{tr("LAMP_ON_MODE_OFF (0x00)"), 0}, {tr("LAMP_ON_MODE_DMX (0x01)"), 1}, {tr("LAMP_ON_MODE_ON (0x02)"), 2},
                {tr("LAMP_ON_MODE_AFTER_CAL (0x03)"), 3}, {QStringLiteral("0x80"), 0x80},
                {QStringLiteral("0xDF"), 0xDF}},
            tr("Lamp on mode:"));
        return;
    case Pid::DisplayInvert:
        addStateCombo(&RDM::getDisplayInvert, {{tr("Off (0x00)"), 0}, {tr("On (0x01)"), 1}, {tr("Auto (0x02)"), 2}},
            tr("Display invert:"));
        return;
    case Pid::DisplayLevel: {
        const QByteArray level = currentValue(&RDM::getDisplayLevel).value_or(QByteArray());
        addSpinBoxRow(0, 255, tr("Display level:"), level.isEmpty() ? 0 : quint8(level[0]));
        return;
    }
    case Pid::PanInvert:
        addStateCombo(&RDM::getPanInvert, offOn, tr("Pan invert:"));
        return;
    case Pid::TiltInvert:
        addStateCombo(&RDM::getTiltInvert, offOn, tr("Tilt invert:"));
        return;
    case Pid::PanTiltSwap:
        addStateCombo(&RDM::getPanTiltSwap, offOn, tr("Pan tilt swap:"));
        return;
    case Pid::RealTimeClock: {
        ByteReader reader(currentValue(&RDM::getRealTimeClock).value_or(QByteArray()));
        RealTimeClock clock = RealTimeClock::read(reader);
        // A clock answer cut short fills nothing.
        if (!reader.ok())
            clock = RealTimeClock();
        addSpinBoxRow(2003, 65535, tr("Year:"), clock.year);
        addSpinBoxRow(1, 12, tr("Month:"), clock.month);
        addSpinBoxRow(1, 31, tr("Day:"), clock.day);
        addSpinBoxRow(0, 23, tr("Hour:"), clock.hour);
        addSpinBoxRow(0, 59, tr("Minute:"), clock.minute);
        addSpinBoxRow(0, 59, tr("Second:"), clock.second);
        return;
    }
    case Pid::IdentifyDevice:
        addStateCombo(&RDM::getIdentify, offOn, tr("Identify Device:"));
        return;
    case Pid::ResetDevice:
        addComboRow({{tr("Warm (0x01)"), 1}, {tr("Cold (0xFF)"), 0xFF}}, tr("Reset Device:"), 0);
        return;
    case Pid::PowerState:
        addStateCombo(&RDM::getPowerState,
            {{tr("Full Off (0x00)"), 0}, {tr("Shutdown (0x01)"), 1}, {tr("Standby (0x02)"), 2},
                {tr("Normal (0xFF)"), 0xFF}},
            tr("Power state:"));
        return;
    case Pid::PerformSelfTest:
        addSpinBoxRow(0, 255, tr("Perform selftest:"), 0);
        return;
    case Pid::CapturePreset:
        addSpinBoxRow(1, 65534, tr("Scene:"), 0);
        addSpinBoxRow(1, 65534, tr("Up fade time (Multiplier 10^-1):"), 0);
        addSpinBoxRow(1, 65534, tr("Down fade time: (Multiplier 10^-1)"), 0);
        addSpinBoxRow(1, 65534, tr("Wait time: (Multiplier 10^-1)"), 0);
        return;
    case Pid::PresetPlayback: {
        ByteReader playback(currentValue(&RDM::getPresetPlayback).value_or(QByteArray()));
        const int mode = playback.u16();
        const int level = playback.u8();
        addSpinBoxRow(0, 65535, tr("Mode (0-OFF/65535-All):"), playback.ok() ? mode : 0);
        addSpinBoxRow(0, 255, tr("Level:"), playback.ok() ? level : 0);
        return;
    }
    default:
        buildDataTypeForm();
        return;
    }
}

void GetSetDialog::buildDataTypeForm()
{
    const quint8 dataType = m_parameter.dataType;
    if (dataType == DataType::NotDefined || dataType > DataType::SignedDoubleWord) {
        addFieldBuilder();
        return;
    }
    QByteArray current;
    if (m_rdm->quietGet(m_record->uid, m_parameter.pid, 0, nullptr, m_record->subDevice) == 0)
        current = QByteArray(reinterpret_cast<const char *>(m_rdm->responseData()), m_rdm->responseLength());

    const int byteCount = qBound(1, int(m_parameter.pdlSize), RDM::maximumParameterDataLength);
    if (dataType == DataType::BitField) {
        m_usesValueGrid = true;
        addBitFieldGrid(byteCount, current);
        return;
    }
    if (dataType == DataType::String) {
        m_usesText = true;
        addLineEditRow(byteCount, QString(), latin1Text(current));
        return;
    }

    m_usesValueGrid = true;
    const int size = elementSize(dataType);
    const bool isSigned = isSignedDataType(dataType);
    const qint64 typeMinimum = isSigned ? -(qint64(1) << (8 * size - 1)) : 0;
    const qint64 typeMaximum = isSigned ? (qint64(1) << (8 * size - 1)) - 1 : (qint64(1) << (8 * size)) - 1;
    qint64 minimum = isSigned ? qint64(m_parameter.signedMinimum) : qint64(m_parameter.minimum);
    qint64 maximum = isSigned ? qint64(m_parameter.signedMaximum) : qint64(m_parameter.maximum);
    const qint64 defaultValue = isSigned ? qint64(m_parameter.signedDefault) : qint64(m_parameter.defaultValue);
    // A description without a usable range leaves the whole range of the type open.
    if (maximum <= minimum) {
        minimum = typeMinimum;
        maximum = typeMaximum;
    }
    minimum = std::clamp(minimum, typeMinimum, typeMaximum);
    maximum = std::clamp(maximum, typeMinimum, typeMaximum);
    const int fieldsPerRow = size == 1 ? 4 : size == 2 ? 2 : 1;
    addValueGrid(minimum, maximum, defaultValue, size, qMax(1, byteCount / size), fieldsPerRow, current, isSigned);
}

// ---- Parameter data ----

namespace {

// Forms whose fields are numbers written one after the other, with the byte count of each.
struct FieldLayout
{
    quint16 pid;
    std::initializer_list<int> sizes;
};

const FieldLayout getLayouts[] = {
    {Pid::QueuedMessage, {1}},
    {Pid::StatusMessages, {1}},
    {Pid::StatusIdDescription, {2}},
    {Pid::ParameterDescription, {2}},
    {Pid::DmxPersonalityDescription, {1}},
    {Pid::SensorDefinition, {1}},
    {Pid::SensorValue, {1}},
    {Pid::SelfTestDescription, {1}},
};

const FieldLayout setLayouts[] = {
    {Pid::SubDeviceStatusReportThreshold, {1}},
    {Pid::DmxPersonality, {1}},
    {Pid::DmxStartAddress, {2}},
    {Pid::SensorValue, {1}},
    {Pid::RecordSensors, {1}},
    {Pid::DeviceHours, {4}},
    {Pid::LampHours, {4}},
    {Pid::LampStrikes, {4}},
    {Pid::DevicePowerCycles, {4}},
    {Pid::LampState, {1}},
    {Pid::LampOnMode, {1}},
    {Pid::DisplayInvert, {1}},
    {Pid::DisplayLevel, {1}},
    {Pid::PanInvert, {1}},
    {Pid::TiltInvert, {1}},
    {Pid::PanTiltSwap, {1}},
    {Pid::RealTimeClock, {2, 1, 1, 1, 1, 1}},
    {Pid::IdentifyDevice, {1}},
    {Pid::ResetDevice, {1}},
    {Pid::PowerState, {1}},
    {Pid::PerformSelfTest, {1}},
    {Pid::CapturePreset, {2, 2, 2, 2}},
    {Pid::PresetPlayback, {2, 1}},
};

template <std::size_t N> const FieldLayout *findLayout(const FieldLayout (&layouts)[N], quint16 pid)
{
    const auto found = std::find_if(
        std::begin(layouts), std::end(layouts), [pid](const FieldLayout &layout) { return layout.pid == pid; });
    return found == std::end(layouts) ? nullptr : found;
}

} // namespace

quint32 GetSetDialog::fieldValue(int position) const
{
    QWidget *field = m_inputFields.value(position + (m_isGet ? 0 : 1));
    if (const auto *comboBox = qobject_cast<QComboBox *>(field))
        return comboBox->currentData().toUInt();
    if (const auto *spinBox = qobject_cast<QSpinBox *>(field))
        return quint32(spinBox->value());
    return 0;
}

QString GetSetDialog::fieldText(int position) const
{
    const auto *lineEdit = qobject_cast<QLineEdit *>(m_inputFields.value(position + (m_isGet ? 0 : 1)));
    return lineEdit ? lineEdit->text() : QString();
}

QByteArray GetSetDialog::getParameterData() const
{
    QByteArray data;
    ByteWriter writer(&data);
    if (m_parameter.pid == Pid::SlotDescription) {
        // Back from the DMX address shown to the slot number the responder counts.
        const quint32 shown = fieldValue(0);
        writer.u16(quint16(m_record->dmxFootprint > 0 ? shown - m_record->dmxStartAddress : shown));
    } else if (const FieldLayout *layout = findLayout(getLayouts, m_parameter.pid)) {
        int position = 0;
        for (const int size : layout->sizes) {
            if (position >= m_inputFields.size())
                break;
            writeElement(writer, fieldValue(position++), size);
        }
    } else if (m_usesFieldRows) {
        return fieldRowData();
    }
    return data;
}

QByteArray GetSetDialog::valueGridData() const
{
    QByteArray data;
    ByteWriter writer(&data);
    QList<QWidget *> boxes = m_inputFields;
    boxes.removeFirst(); // the recipient
    if (m_gridHoldsBits) {
        for (int first = 0; first + 8 <= boxes.size(); first += 8) {
            quint8 bits = 0;
            for (int i = 0; i < 8; ++i)
                bits |= quint8((static_cast<QSpinBox *>(boxes.at(first + i))->value() & 1) << (7 - i));
            writer.u8(bits);
        }
        return data;
    }
    for (const QWidget *box : std::as_const(boxes))
        writeElement(writer, quint32(static_cast<const QSpinBox *>(box)->value()), m_gridElementSize);
    return data;
}

QByteArray GetSetDialog::setParameterData() const
{
    const quint16 pid = m_parameter.pid;
    if (pid == Pid::DeviceLabel)
        return fieldText(0).toLatin1().left(32);
    if (pid == Pid::Language) {
        if (qobject_cast<QLineEdit *>(m_inputFields.value(1)))
            return fieldText(0).toLatin1().left(2);
        QByteArray code;
        ByteWriter(&code).u16(quint16(fieldValue(0)));
        return code;
    }
    if (const FieldLayout *layout = findLayout(setLayouts, pid)) {
        QByteArray data;
        ByteWriter writer(&data);
        int position = 0;
        for (const int size : layout->sizes) {
            if (position + 1 >= m_inputFields.size())
                break;
            writeElement(writer, fieldValue(position++), size);
        }
        return data;
    }
    if (m_usesFieldRows)
        return fieldRowData();
    if (m_usesText)
        return fieldText(0).toLatin1();
    if (m_usesValueGrid)
        return valueGridData();
    return QByteArray();
}

// ---- Request ----

void GetSetDialog::slotOkButtonClick(bool)
{
    const QByteArray data = m_isGet ? getParameterData() : setParameterData();
    if (data.size() > RDM::maximumParameterDataLength) {
        QMessageBox::warning(this, windowTitle(),
            tr("The fields hold %1 bytes of parameter data; a request carries at most %2.")
                .arg(data.size())
                .arg(RDM::maximumParameterDataLength));
        return;
    }
    const auto *bytes = reinterpret_cast<const quint8 *>(data.constData());
    const quint8 length = quint8(data.size());
    const quint16 pid = m_parameter.pid;

    if (m_isGet) {
        if (m_rdm->rdmGet(m_record->uid, pid, length, bytes, m_record->subDevice) == 0)
            m_rdm->logHtml(renderGetAnswer(m_parameter, m_rdm->responseData(), m_rdm->responseLength()));
        hide();
        return;
    }

    const auto recipient = Recipient(fieldValue(-1));
    quint64 destination = m_record->uid;
    quint16 subDevice = m_record->subDevice;
    switch (recipient) {
    case Recipient::SelectedManufacturer:
        destination = (m_record->uid & 0xFFFF00000000ULL) | allDevicesOfManufacturer;
        break;
    case Recipient::AllDevices:
        destination = allDevicesUid;
        break;
    case Recipient::AllSubDevices:
        subDevice = allSubDevices;
        break;
    case Recipient::SelectedDevice:
        break;
    }
    const int result = m_rdm->rdmSet(destination, pid, length, bytes, subDevice);
    // A broadcast brings no answer to show.
    if (result == 0 && pid == Pid::SensorValue && recipient == Recipient::SelectedDevice)
        m_rdm->logHtml(renderSensorValueSetAnswer(m_rdm->responseData(), m_rdm->responseLength()));
    hide();
}

void GetSetDialog::slotCancelButtonClick(bool)
{
    hide();
}
