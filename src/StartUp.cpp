#include "StartUp.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace korvane {

void UseJapaneseQtTexts(QCoreApplication& app) {
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    auto* translator = new QTranslator(&app);
    // Without the translations installed Qt's texts stay English; nothing fails.
    if (translator->load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

ProgramWindows::ProgramWindows(std::unique_ptr<Dialogs> dialogs)
    : Form1(std::move(dialogs)),
      Form3(Form1.ControlBar1(), {Form1.ToolBar3(), Form1.ToolBar4(), Form1.ToolBar1()}) {
    QObject::connect(&Form2, &TForm2::gaveWay, &Form1, &TForm1::ShowAndRaise);
    QObject::connect(&Form1, &TForm1::versionWindowRequested, &Form2, &TForm2::ShowAsVersionWindow);
    QObject::connect(&Form1, &TForm1::toolbarSettingsRequested, &Form3, &TForm3::Open);
    // Activating the main window puts both smaller windows away.
    QObject::connect(&Form1, &TForm1::activated, &Form2, &QWidget::hide);
    QObject::connect(&Form1, &TForm1::activated, &Form3, &QWidget::hide);
}

void ProgramWindows::Start() {
    Form2.show();
}

void ProgramWindows::OpenOnceShown(const QString& path) {
    QObject::connect(
        &Form2, &TForm2::gaveWay, &Form1, [this, path] { Form1.OpenDesktopFile(path); },
        Qt::SingleShotConnection);
}

}  // namespace korvane
