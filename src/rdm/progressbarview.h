// The application-modal progress bar of a full discovery.
#pragma once

#include "rdm/discoveryprogress.h"

#include <QPointer>
#include <QProgressBar>

class ProgressBarView : public DiscoveryProgress
{
public:
    ~ProgressBarView() override;
    void begin(QWidget *parent, int maximum) override;
    void setValue(int value) override;
    void end() override;
    QProgressBar *bar() const { return m_bar; }

private:
    QPointer<QProgressBar> m_bar;
};
