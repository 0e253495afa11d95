// The DMX timing preferences: break, mark after break, slot and packet spacing.
#include "timeouts/dmxtimeoutdialog.h"

#include "rdm/logpanel.h"
#include "rdm/rdm.h"
#include "settings/settings.h"
#include "timeouts/storedtiming.h"
#include "ui_dmxtimeoutdialog.h"

DMXTimeoutDialog::DMXTimeoutDialog(QWidget *parent, EngineAccess engine, LogPanel *logPanel)
    : TimeoutDialog(parent), ui(std::make_unique<Ui::DMXTimeoutDialog>()), m_engine(std::move(engine)),
      m_logPanel(logPanel)
{
    ui->setupUi(this);
    setUpRows({
                  {ui->spinBoxBreak, ui->pushButtonDefaultBreak, ui->pushButtonStrictBreak, 88, 88, dmxBreakTime,
                   setDmxBreakTime},
                  {ui->spinBoxMAB, ui->pushButtonDefaultMAB, ui->pushButtonStrictMAB, 8, 8, dmxMabTime,
                   setDmxMabTime},
                  {ui->spinBoxInterslot, ui->pushButtonDefaultInterslot, ui->pushButtonStrictInterslot, 0, 0,
                   dmxInterslotTime, setDmxInterslotTime},
                  {ui->spinBoxWait, ui->pushButtonDefaultWait, ui->pushButtonStrictWait, 100, 100, dmxWaitTime,
                   setDmxWaitTime},
              },
              ui->pushButtonOk, ui->pushButtonCancel);
}

DMXTimeoutDialog::~DMXTimeoutDialog() = default;

void DMXTimeoutDialog::applyStoredValues()
{
    RDM *engine = m_engine();
    const int result = engine ? sendStoredDmxTiming(*engine) : -1;
    m_logPanel->appendLine(result >= 0 ? tr("DMX Timeouts Changed") : tr("Couldn't change DMX Timeouts"));
}
