// The button bar: one picture button for each action, named as the program
// names them (Pic_BotBusca ... Pic_BotAyuda), with its Spanish tool tip.
#include "ui/principal/botonera.h"

#include <QHBoxLayout>

namespace vsp::ui {

namespace {

struct DatosBoton {
    const char* nombre;
    const char* consejo;
};

constexpr DatosBoton kBotones[NumBotones] = {
    {"Pic_BotBusca", "Buscar objetos"},
    {"Pic_BotCarga", "Cargar una configuración"},
    {"Pic_BotGuard", "Guardar la configuración actual"},
    {"Pic_BotHora", "Fecha y hora"},
    {"Pic_BotImpri", "Imprimir la carta"},
    {"Pic_BotPerso", "Opciones personales"},
    {"Pic_BotLocal", "Localización y vista"},
    {"Pic_BotObjet", "Objetos visibles"},
    {"Pic_BotSalir", "Salir de VESPERA"},
    {"Pic_BotAyuda", "Ayuda"},
};

}  // namespace

Botonera::Botonera(QWidget* padre) : PanelCielo(padre) {
    setObjectName(QStringLiteral("Pic_Botones"));
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(6, 6, 6, 6);
    fila->setSpacing(4);
    for (int i = 0; i < NumBotones; ++i) {
        const Boton b = static_cast<Boton>(i);
        auto* boton = new BotonImagen(ImagenBoton(b), QString::fromUtf8(kBotones[i].consejo), this);
        boton->setObjectName(QString::fromLatin1(kBotones[i].nombre));
        connect(boton, &QAbstractButton::clicked, this, [this, b] { emit pulsado(b); });
        fila->addWidget(boton);
        botones_[i] = boton;
        // Exit and help stand a little apart from the dialogs.
        if (b == Boton::Objet) fila->addSpacing(8);
    }
    fila->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vsp::ui
