// The cursor read-out: the inverse projection of the point under the mouse,
// written in the program's angle formats.
#include "ui/principal/panel_cursor.h"

#include <QVBoxLayout>

#include "core/constantes.h"
#include "core/estado.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"

namespace vsp::ui {

PanelCursor::PanelCursor(QWidget* padre) : PanelCielo(padre) {
    setObjectName(QStringLiteral("Pic_InfoCursor"));
    aRecta_ = new TextoPanel("Tex_ARecta", 19, this);
    dec_ = new TextoPanel("Tex_Dec", 20, this);
    altitud_ = new TextoPanel("Tex_Altitud", 23, this);
    azimut_ = new TextoPanel("Tex_Azimuth", 22, this);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(12, 8, 12, 8);
    columna->setSpacing(2);
    for (TextoPanel* t : {aRecta_, dec_, altitud_, azimut_}) columna->addWidget(t);
    columna->setSizeConstraint(QLayout::SetFixedSize);
}

void PanelCursor::muestraPunto(double x, double y) {
    ProgramState& e = Estado();
    if (e.PanelCursor != Activado) return;
    PuntoACoordenadas(static_cast<float>(x), static_cast<float>(y), e.PuntoAR, e.PuntoDec, e.CursorAltitud,
                      e.CursorAzimut);
    if (e.PuntoAR == SinPuntoCielo && e.PuntoDec == SinPuntoCielo) {
        for (TextoPanel* t : {aRecta_, dec_, altitud_, azimut_}) t->setText(QStringLiteral(" "));
        return;
    }
    const auto pon = [](TextoPanel* t, const char* titulo, const std::string& valor) {
        t->setText(QString::fromUtf8(titulo) + QString::fromStdString(valor));
    };
    pon(aRecta_, "A.R. = ", FormatoHoras(static_cast<float>(e.PuntoAR)));
    pon(dec_, "DEC. = ", FormatoGrados(static_cast<float>(e.PuntoDec)));
    pon(altitud_, "Altitud = ", FormatoGrados(e.CursorAltitud));
    pon(azimut_, "Azimut = ", FormatoGrados(e.CursorAzimut));
}

}  // namespace vsp::ui
