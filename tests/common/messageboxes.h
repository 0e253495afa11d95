// Closes the modal message boxes a test brings up, so an unexpected one fails the test instead of hanging it.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

// Accepts every modal message box that comes up while the timer lives, keeping the texts.
inline std::unique_ptr<QTimer> closeMessageBoxes(QStringList *texts)
{
    auto timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [texts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts->append(box->text());
            box->accept();
        }
    });
    timer->start(5);
    return timer;
}
