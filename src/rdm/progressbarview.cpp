// The progress bar window shown while a full discovery waits.
#include "rdm/progressbarview.h"

#include <QCoreApplication>

ProgressBarView::~ProgressBarView()
{
    end();
}

void ProgressBarView::begin(QWidget *parent, int maximum)
{
    end();
    m_bar = new QProgressBar(parent);
    m_bar->setRange(0, maximum);
    // Modality only takes effect when set before the window is shown.
    m_bar->setWindowModality(Qt::ApplicationModal);
    m_bar->blockSignals(true);
    m_bar->setGeometry(400, 500, 500, 40);
    m_bar->setWindowTitle(QCoreApplication::translate("RDM", "Searching for new devices, please wait..."));
    m_bar->setValue(1);
    m_bar->show();
}

void ProgressBarView::setValue(int value)
{
    if (m_bar)
        m_bar->setValue(value);
}

void ProgressBarView::end()
{
    delete m_bar;
}
