// Entry point: look, settings defaults, translation, then the main window.
#include "mainwindow/orv_rdm_controller.h"
#include "settings/languagefile.h"
#include "settings/settings.h"
#include "usb/trace.h"

#include <QApplication>
#include <QFile>
#include <QTranslator>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Ties the windows to the installed desktop entry, and so to its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orv.RdmController"));
    if (QCoreApplication::arguments().contains(traceOption))
        enableTrace();
    QApplication::setStyle(QStringLiteral("Fusion"));

    QFile styleSheet(QStringLiteral(":/images/mainStyle.qss"));
    styleSheet.open(QIODevice::ReadOnly);
    const QByteArray styleBytes = styleSheet.readAll();
    // Up to the first zero byte, as 8-bit text.
    application.setStyleSheet(QString::fromLatin1(styleBytes.constData()));

    // Must precede every settings access: these names locate the store.
    nameSettingsStore();
    writeDefaultSettings();

    QTranslator translator;
    const QString translationFile = chooseTranslationFile();
    if (!translationFile.isEmpty())
        loadTranslation(translator, translationFile, translationFolders(QCoreApplication::applicationDirPath()));
    QCoreApplication::installTranslator(&translator);

    auto window = std::make_unique<Orv_RDM_Controller>();
    window->show();
    const int result = QApplication::exec();
    window.reset();
    return result;
}
