// The faults programmed into one simulated interface, consumed transfer by transfer.
#pragma once

#include "simulator/transferrecord.h"
#include "usb/usbbackend.h"

#include <QByteArray>
#include <QList>

class FaultPlan
{
public:
    enum class Action { Serve, Fail, Unplug };

    struct Verdict
    {
        Action action = Action::Serve;
        int result = 0; // the code a failed transfer answers
    };

    // The nth control transfer from now (1 = the next one) answers `result` and has no effect.
    void failTransfer(int number, int result = UsbResult::IoError);
    // The next `count` device-to-host transfers answer the I/O error, as a busy interface does.
    void failReceives(int count);
    // The cable is pulled at the nth control transfer from now (1 = the next one).
    void unplugAtTransfer(int number);
    void setClaimRefused(bool refused) { m_claimRefused = refused; }
    bool isClaimRefused() const { return m_claimRefused; }
    // An unreadable information block stalls every read that touches it.
    void setInformationBlockReadable(bool readable) { m_informationBlockReadable = readable; }
    bool isInformationBlockReadable() const { return m_informationBlockReadable; }
    // The raw answer of the identifier request; empty restores the interface's own identifier.
    void setIdentifierAnswer(const QByteArray &answer) { m_identifierAnswer = answer; }
    QByteArray identifierAnswer() const { return m_identifierAnswer; }

    // Counts one control transfer and says how it goes.
    Verdict nextTransfer(TransferDirection direction);

private:
    struct PendingFailure
    {
        int remaining; // transfers until it strikes, 1 = the next
        int result;
    };
    QList<PendingFailure> m_failures;
    int m_unplugCountdown = 0;
    int m_failingReceives = 0;
    bool m_claimRefused = false;
    bool m_informationBlockReadable = true;
    QByteArray m_identifierAnswer;
};
