// The patch grid's colour legend: one swatch per cell colour beside its meaning.
#include "patchgrid/patchhelpdialog.h"
#include "ui_patchhelpdialog.h"

namespace {

void paintSwatch(QGraphicsView *swatch, const QColor &colour)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Active, QPalette::Base, colour);
    palette.setColor(QPalette::Inactive, QPalette::Base, colour);
    palette.setColor(QPalette::Disabled, QPalette::Base, QColor(240, 240, 240));
    swatch->setPalette(palette);
}

} // namespace

PatchHelpDialog::PatchHelpDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::PatchHelpDialog>())
{
    ui->setupUi(this);
    paintSwatch(ui->graphicsView_4, QColor(255, 0, 0));
    paintSwatch(ui->graphicsView_2, QColor(0, 255, 0));
    paintSwatch(ui->graphicsView_3, QColor(0, 0, 255));
    connect(ui->pushButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

PatchHelpDialog::~PatchHelpDialog() = default;
