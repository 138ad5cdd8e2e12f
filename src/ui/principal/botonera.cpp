// The button bar: one picture button for each action, named as the program
// names them (Pic_BotBusca ... Pic_BotAyuda), with its Spanish tool tip.
#include "ui/principal/botonera.h"

#include <QHBoxLayout>

namespace vsp::ui {

namespace {

struct DatosBoton {
    const char* nombre;
    const char* consejo;
    const char* atajo;
};

constexpr DatosBoton kBotones[NumBotones] = {
    {"Pic_BotBusca", "Buscar objetos", "Ctrl+F"},
    {"Pic_BotCarga", "Cargar una configuración", "Ctrl+O"},
    {"Pic_BotGuard", "Guardar la configuración actual", "Ctrl+S"},
    {"Pic_BotHora", "Fecha y hora", "Ctrl+T"},
    {"Pic_BotImpri", "Imprimir la carta", "Ctrl+P"},
    {"Pic_BotPerso", "Opciones personales", ""},
    {"Pic_BotLocal", "Localización y vista", "Ctrl+L"},
    {"Pic_BotObjet", "Objetos visibles", ""},
    {"Pic_BotSalir", "Salir de VESPERA", "Ctrl+Q"},
    {"Pic_BotAyuda", "Ayuda", "F1"},
};

}  // namespace

QKeySequence AtajoBoton(Boton b) { return QKeySequence(QString::fromLatin1(kBotones[static_cast<int>(b)].atajo)); }

Botonera::Botonera(QWidget* padre) : PanelCielo(padre) {
    setObjectName(QStringLiteral("Pic_Botones"));
    auto* fila = new QHBoxLayout(this);
    fila->setContentsMargins(6, 6, 6, 6);
    fila->setSpacing(4);
    for (int i = 0; i < NumBotones; ++i) {
        const Boton b = static_cast<Boton>(i);
        QString consejo = QString::fromUtf8(kBotones[i].consejo);
        if (const QKeySequence atajo = AtajoBoton(b); !atajo.isEmpty())
            consejo += QStringLiteral("  (%1)").arg(atajo.toString(QKeySequence::NativeText));
        auto* boton = new BotonImagen(ImagenBoton(b), consejo, this);
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
