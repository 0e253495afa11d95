// Fault injection for one simulated interface: failed, interrupted and refused transfers.
#include "simulator/faultplan.h"

void FaultPlan::failTransfer(int number, int result)
{
    if (number > 0)
        m_failures.append({number, result});
}

void FaultPlan::failReceives(int count)
{
    m_failingReceives = qMax(0, count);
}

void FaultPlan::unplugAtTransfer(int number)
{
    m_unplugCountdown = qMax(0, number);
}

FaultPlan::Verdict FaultPlan::nextTransfer(TransferDirection direction)
{
    Verdict verdict;
    if (m_unplugCountdown > 0 && --m_unplugCountdown == 0)
        verdict = {Action::Unplug, UsbResult::NoDevice};
    for (auto it = m_failures.begin(); it != m_failures.end();) {
        if (--it->remaining == 0) {
            if (verdict.action == Action::Serve)
                verdict = {Action::Fail, it->result};
            it = m_failures.erase(it);
        } else {
            ++it;
        }
    }
    if (direction == TransferDirection::In && m_failingReceives > 0) {
        --m_failingReceives;
        if (verdict.action == Action::Serve)
            verdict = {Action::Fail, UsbResult::IoError};
    }
    return verdict;
}
