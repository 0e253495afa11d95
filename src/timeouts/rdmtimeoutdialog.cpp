// The RDM timing preferences: how long the interface waits for answers and between packets.
#include "timeouts/rdmtimeoutdialog.h"

#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "timeouts/storedtiming.h"
#include "ui_rdmtimeoutdialog.h"

RDMTimeoutDialog::RDMTimeoutDialog(QWidget *parent, EngineAccess engine, LogPanel *logPanel)
    : TimeoutDialog(parent), ui(std::make_unique<Ui::RDMTimeoutDialog>()), m_engine(std::move(engine)),
      m_logPanel(logPanel)
{
    ui->setupUi(this);
    // The missing-response presets are 200, not the 3000 a first start stores.
    setUpRows({
                  {ui->spinBoxDR, ui->pushButtonDefaultDR, ui->pushButtonStrictDR, 2800, 2800,
                   rdmDiscoveryResponseTimeout, setRdmDiscoveryResponseTimeout},
                  {ui->spinBoxDAP, ui->pushButtonDefaultDAP, ui->pushButtonStrictDAP, 5800, 5800,
                   rdmDiscoveryAnyTimeout, setRdmDiscoveryAnyTimeout},
                  {ui->spinBoxGR, ui->pushButtonDefaultGR, ui->pushButtonStrictGR, 1000000, 2800,
                   rdmGetResponseTimeout, setRdmGetResponseTimeout},
                  {ui->spinBoxSR, ui->pushButtonDefaultSR, ui->pushButtonStrictSR, 1000000, 2800,
                   rdmSetResponseTimeout, setRdmSetResponseTimeout},
                  {ui->spinBoxMRAP, ui->pushButtonDefaultMRAP, ui->pushButtonStrictMRAP, 200, 200,
                   rdmMissingAnyTimeout, setRdmMissingAnyTimeout},
                  {ui->spinBoxRBAP, ui->pushButtonDefaultRBAP, ui->pushButtonStrictRBAP, 176, 176,
                   rdmResponseBroadcastAnyTimeout, setRdmResponseBroadcastAnyTimeout},
                  {ui->spinBoxLength, ui->pushButtonDefaultLength, ui->pushButtonStrictLength, 1000000, 1000000,
                   rdmMaxLengthTimeout, setRdmMaxLengthTimeout},
              },
              ui->pushButtonOk, ui->pushButtonCancel);
}

RDMTimeoutDialog::~RDMTimeoutDialog() = default;

void RDMTimeoutDialog::applyStoredValues()
{
    RDM *engine = m_engine();
    const int result = engine ? sendStoredRdmTiming(*engine) : -1;
    m_logPanel->appendLine(result >= 0 ? tr("RDM Timeouts Changed") : tr("Couldn't change RDM Timeouts"));
}
