// The RDM timing preferences: edits the stored RDM timing and sends it to the interface.
#pragma once

#include "timeouts/engineaccess.h"
#include "timeouts/timeoutdialog.h"

#include <memory>

namespace Ui {
class RDMTimeoutDialog;
}
class LogPanel;

class RDMTimeoutDialog : public TimeoutDialog
{
    Q_OBJECT

public:
    RDMTimeoutDialog(QWidget *parent, EngineAccess engine, LogPanel *logPanel);
    ~RDMTimeoutDialog() override;

protected:
    void applyStoredValues() override;

private:
    std::unique_ptr<Ui::RDMTimeoutDialog> ui;
    EngineAccess m_engine;
    LogPanel *m_logPanel;
};
