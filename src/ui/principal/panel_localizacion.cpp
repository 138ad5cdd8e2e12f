// The location and time panel: three groups of texts (place, view, time)
// separated by hairlines, and the real-time notice at the foot.
#include "ui/principal/panel_localizacion.h"

#include <QFrame>
#include <QGridLayout>
#include <QPalette>

#include <utility>

#include "core/estado.h"

namespace vsp::ui {

namespace {

QFrame* separador(QWidget* padre) {
    auto* linea = new QFrame(padre);
    linea->setFixedHeight(1);
    linea->setStyleSheet(QStringLiteral("background: rgba(150, 170, 220, 60);"));
    return linea;
}

void pon(TextoPanel* texto, const std::string& valor) { texto->setText(QString::fromStdString(valor)); }

}  // namespace

PanelLocalizacion::PanelLocalizacion(QWidget* padre) : PanelCielo(padre) {
    setObjectName(QStringLiteral("Pic_InfoLocali"));
    loca_ = new TextoPanel("Tex_Loca", 20, this);
    longi_ = new TextoPanel("Tex_Longi", 14, this);
    lati_ = new TextoPanel("Tex_Lati", 14, this);
    direc_ = new TextoPanel("Tex_Direc", 19, this);
    eleva_ = new TextoPanel("Tex_Eleva", 15, this);
    zoom_ = new TextoPanel("Tex_Zoom", 11, this);
    fecUni_ = new TextoPanel("Tex_FecUni", 22, this);
    horUni_ = new TextoPanel("Tex_HorUni", 8, this);
    fecLoc_ = new TextoPanel("Tex_FecLoc", 22, this);
    horLoc_ = new TextoPanel("Tex_HorLoc", 8, this);
    fecJul_ = new TextoPanel("Tex_FecJul", 22, this);
    tiempoReal_ = new TextoPanel("Tex_TiempoReal", 22, this);
    tiempoReal_->setText(QStringLiteral("Animación tiempo real"));

    // The city's name stands out; the real-time notice reads as an action.
    QFont nombre = fuenteTextos();
    nombre.setBold(true);
    loca_->setFont(nombre);
    // Colours through the palette: a style sheet would also colour the tool
    // tips these texts show.
    for (auto [texto, color] : {std::pair{loca_, QColor(0xff, 0xe4, 0xa3)}, std::pair{tiempoReal_, QColor(0x8f, 0xb7, 0xff)}}) {
        QPalette paleta = texto->palette();
        paleta.setColor(QPalette::WindowText, color);
        texto->setPalette(paleta);
    }

    const QString lugar = QStringLiteral("Doble clic: cambiar la localización  (Ctrl+L)");
    const QString hora = QStringLiteral("Doble clic: cambiar la fecha y la hora  (Ctrl+T)");
    for (TextoPanel* t : {loca_, longi_, lati_, direc_, eleva_, zoom_}) {
        t->setToolTip(lugar);
        connect(t, &TextoPanel::dobleClic, this, &PanelLocalizacion::pideLocalizacion);
    }
    for (TextoPanel* t : {fecUni_, horUni_, fecLoc_, horLoc_, fecJul_}) {
        t->setToolTip(hora);
        connect(t, &TextoPanel::dobleClic, this, &PanelLocalizacion::pideFechaHora);
    }
    tiempoReal_->setToolTip(QStringLiteral("Doble clic: animación y tiempo real"));
    connect(tiempoReal_, &TextoPanel::dobleClic, this, &PanelLocalizacion::pideAnimacion);

    auto* rejilla = new QGridLayout(this);
    rejilla->setContentsMargins(12, 9, 12, 9);
    rejilla->setHorizontalSpacing(14);
    rejilla->setVerticalSpacing(2);
    int fila = 0;
    rejilla->addWidget(loca_, fila++, 0, 1, 2);
    rejilla->addWidget(lati_, fila, 0);
    rejilla->addWidget(longi_, fila++, 1);
    rejilla->addWidget(separador(this), fila++, 0, 1, 2);
    rejilla->addWidget(direc_, fila++, 0, 1, 2);
    rejilla->addWidget(eleva_, fila, 0);
    rejilla->addWidget(zoom_, fila++, 1);
    rejilla->addWidget(separador(this), fila++, 0, 1, 2);
    rejilla->addWidget(fecUni_, fila, 0);
    rejilla->addWidget(horUni_, fila++, 1);
    rejilla->addWidget(fecLoc_, fila, 0);
    rejilla->addWidget(horLoc_, fila++, 1);
    rejilla->addWidget(fecJul_, fila++, 0, 1, 2);
    rejilla->addWidget(separador(this), fila++, 0, 1, 2);
    rejilla->addWidget(tiempoReal_, fila++, 0, 1, 2);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
}

void PanelLocalizacion::actualiza() {
    const TextosPanel& p = Estado().Panel;
    pon(loca_, p.Tex_Loca);
    pon(longi_, p.Tex_Longi);
    pon(lati_, p.Tex_Lati);
    pon(direc_, p.Tex_Direc);
    pon(eleva_, p.Tex_Eleva);
    pon(zoom_, p.Tex_Zoom);
    pon(fecUni_, p.Tex_FecUni);
    pon(horUni_, p.Tex_HorUni);
    pon(fecLoc_, p.Tex_FecLoc);
    pon(horLoc_, p.Tex_HorLoc);
    pon(fecJul_, p.Tex_FecJul);
}

}  // namespace vsp::ui
