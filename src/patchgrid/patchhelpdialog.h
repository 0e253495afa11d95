// The colour legend of the patch grid.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class PatchHelpDialog;
}

class PatchHelpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PatchHelpDialog(QWidget *parent = nullptr);
    ~PatchHelpDialog() override;

private:
    std::unique_ptr<Ui::PatchHelpDialog> ui;
};
