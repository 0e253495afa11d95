// How a full discovery shows its fixed wait; a window of its own unless another view is given.
#pragma once

class QWidget;

class DiscoveryProgress
{
public:
    virtual ~DiscoveryProgress() = default;
    virtual void begin(QWidget *parent, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void end() = 0;
};
