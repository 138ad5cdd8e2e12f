// VESPERA's entry point: with options, the work without a window
// (app/sin_ventana.h); without them, the splash screen, the main window and
// the start-up that loads everything and draws the first chart.
#include <QApplication>
#include <QGuiApplication>
#include <QLocale>

#include "app/sin_ventana.h"
#include "core/estado.h"
#include "programa/arranque.h"
#include "time/formatos.h"
#include "ui/marco/marco.h"
#include "ui/principal/ventana_cielo.h"
#include "zonas/base_qt.h"

int main(int argc, char** argv) {
    if (argc > 1) return vsp::EjecutaSinVentana(argc, argv);

    QApplication aplicacion(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VESPERA"));
    vsp::ui::ConsejosLegibles();
    vsp::ui::TextosDeQtEnEspanol();
    // The desktop shows the window under its entry's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("vespera"));
    vsp::FijaSeparadorDecimal(QLocale::system().decimalPoint().toStdString());

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    vsp::Estado().Velocidad = 60;  // the splash scrolls at the start-up speed
    vsp::ui::MuestraCareta();

    vsp::ui::VentanaCielo cielo;
    cielo.InstalaAvisos();
    vsp::ui::InstalaMensajes(&cielo);
    vsp::ui::LeePreferencias();
    vsp::InstalaBaseZonasDelSistema();
    // Working folder, tables, catalogues, "Inicial.vpc" and the first chart;
    // the empty window is shown as soon as the loading starts.
    vsp::ArrancaPrograma();
    QGuiApplication::restoreOverrideCursor();
    cielo.activateWindow();
    cielo.setFocus();

    // Nothing is saved at exit.
    const int resultado = QApplication::exec();
    vsp::ui::TerminaSonidos();
    return resultado;
}
