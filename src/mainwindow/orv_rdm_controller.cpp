// The main window.
#include "mainwindow/orv_rdm_controller.h"

#include "ui_orv_rdm_controller.h"

Orv_RDM_Controller::Orv_RDM_Controller(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::Orv_RDM_Controller>())
{
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral("veloria.ico")));
    setWindowTitle(tr("Orv RDM Controller ver. ") + QStringLiteral("1.7"));
    ui->actionCreateUpg->setVisible(false);
    ui->actionCreateBootBin->setVisible(false);
    ui->actionRunApplication->setVisible(false);
}

Orv_RDM_Controller::~Orv_RDM_Controller() = default;
