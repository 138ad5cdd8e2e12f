// The frame shared by the windows (to be completed).
#include "ui/marco.h"

#include <QAbstractButton>
#include <QCursor>
#include <QWidget>

namespace vsp::ui {

void InstalaMensajes(QWidget*) {}
void PlaySonido(int) {}
const QCursor& CursorPrograma(Puntero) {
    static const QCursor c(Qt::PointingHandCursor);
    return c;
}
void PonCursor(QWidget* control, Puntero p) { control->setCursor(CursorPrograma(p)); }
void CursorCasilla(QAbstractButton* casilla) {
    PonCursor(casilla, casilla->isChecked() ? Puntero::Goma : Puntero::Lapiz);
}
void MuestraCareta() {}
void AbreAyuda(QWidget*) {}

}  // namespace vsp::ui
