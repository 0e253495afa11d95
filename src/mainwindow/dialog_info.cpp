// The About box, its text composed from the version and the settings store's location.
#include "mainwindow/dialog_info.h"

#include "ui_dialog_info.h"

#include <QSettings>

Dialog_Info::Dialog_Info(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::Dialog_Info>())
{
    ui->setupUi(this);
    const QString settingsFile = QSettings().fileName();
    ui->labelInfo->setText(QStringLiteral("<p><b>") + tr("Orv RDM Controller") + QStringLiteral(" ")
                           + QStringLiteral(ORV_VERSION) + QStringLiteral("</b></p><p>")
                           + tr("Finds the RDM responders on a DMX512 line through the Rb604 USB interface, "
                                "shows and changes their settings, reads their sensors and counters, lays them "
                                "out on the DMX patch grid and sets DMX levels by hand.")
                           + QStringLiteral("</p><p>") + tr("Settings are kept in:") + QStringLiteral("<br>")
                           + settingsFile.toHtmlEscaped() + QStringLiteral("</p><p>")
                           + tr("The language chosen at start is kept in the file Rb604.rbi in the working directory.")
                           + QStringLiteral("</p>"));
    connect(ui->pushButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

Dialog_Info::~Dialog_Info() = default;
