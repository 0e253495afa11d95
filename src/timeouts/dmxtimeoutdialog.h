// The DMX timing preferences: edits the stored DMX timing and sends it to the interface.
#pragma once

#include "timeouts/engineaccess.h"
#include "timeouts/timeoutdialog.h"

#include <memory>

namespace Ui {
class DMXTimeoutDialog;
}
class LogPanel;

class DMXTimeoutDialog : public TimeoutDialog
{
    Q_OBJECT

public:
    DMXTimeoutDialog(QWidget *parent, EngineAccess engine, LogPanel *logPanel);
    ~DMXTimeoutDialog() override;

protected:
    void applyStoredValues() override;

private:
    std::unique_ptr<Ui::DMXTimeoutDialog> ui;
    EngineAccess m_engine;
    LogPanel *m_logPanel;
};
