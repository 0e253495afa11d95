// The About box: what the program is, its version and where it keeps its settings.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Dialog_Info;
}

class Dialog_Info : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog_Info(QWidget *parent = nullptr);
    ~Dialog_Info() override;

private:
    std::unique_ptr<Ui::Dialog_Info> ui;
};
