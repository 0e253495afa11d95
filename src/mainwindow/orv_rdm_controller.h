// The main window: owner of the USB link, the engine and everything the user works with.
#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
class Orv_RDM_Controller;
}

class Orv_RDM_Controller : public QMainWindow
{
    Q_OBJECT

public:
    explicit Orv_RDM_Controller(QWidget *parent = nullptr);
    ~Orv_RDM_Controller() override;

private:
    std::unique_ptr<Ui::Orv_RDM_Controller> ui;
};
