// The objects dialog: the layers' boxes in groups, the two level spins, the
// label and class options, their enabling, and the closing redraw.
#include "ui/dialogos/objetos.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>

#include "core/constantes.h"
#include "programa/opciones.h"
#include "sky/cuerpos.h"
#include "time/formatos.h"
#include "ui/dialogos/campos.h"
#include "ui/mandos/spin_tabla.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

// A level's text: "NO" for none, the digit otherwise ("3 "; " 7" when a step
// ran into the top).
std::string textoNivel(int nivel, bool tope) {
    if (nivel == 0) return "NO";
    return tope ? " " + Formato(nivel, "0") : Formato(nivel, "0") + " ";
}

QLineEdit* cajaNivel(const char* nombre) {
    auto* c = new QLineEdit;
    c->setObjectName(QString::fromLatin1(nombre));
    c->setReadOnly(true);
    c->setFocusPolicy(Qt::NoFocus);
    c->setAlignment(Qt::AlignCenter);
    c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("NO")) + 18);
    return c;
}

}  // namespace

QCheckBox* Objetos::casilla(int i, const char* rotulo, bool activa) {
    static const char* const nombres[NumCasillasObjeto] = {
        "Chk_Sol",    "Chk_Luna",   "Chk_Plane1", "Chk_Plane2",  "Chk_Plane3",  "Chk_Plane4", "Chk_Plane5",
        "Chk_Plane6", "Chk_Plane7", "Chk_Plane8", "Chk_Plane9",  "Chk_Galax",   "Chk_NebPl",  "Chk_NebDi",
        "Chk_CumAb",  "Chk_CumGl",  "Chk_Quasa",  "Chk_Pulsa",   "Chk_Aguje",   "Chk_ARDEC30", "Chk_ARDEC15",
        "Chk_Horiz",  "Chk_Eclip",  "Chk_LimCo",  "Chk_LuzDi",   "Chk_ViaLa",   "Chk_Messi",  "Chk_IdentiProfun"};
    auto* c = new QCheckBox(QString::fromUtf8(rotulo));
    c->setObjectName(QString::fromLatin1(nombres[i]));
    c->setEnabled(activa);
    casillas_[static_cast<std::size_t>(i)] = c;
    connect(c, &QCheckBox::clicked, this, [this, i](bool marcada) {
        MarcaCasilla(i, marcada);
        muestra();  // the other grid may have been cleared
    });
    return c;
}

QWidget* Objetos::grupo(int16_t ProgramState::*campo, const char* nombre, const QStringList& rotulos, int primero) {
    auto* contenedor = new QWidget;
    auto* botones = new QButtonGroup(this);
    auto* fila = new QHBoxLayout(contenedor);
    fila->setContentsMargins(0, 0, 0, 0);
    int k = primero;
    for (const QString& rotulo : rotulos) {
        auto* b = new QRadioButton(rotulo);
        b->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(nombre)).arg(k));
        botones->addButton(b, k++);
        fila->addWidget(b);
    }
    fila->addStretch();
    connect(botones, &QButtonGroup::idClicked, this, [this, campo](int valor) {
        ProgramState& e = Estado();
        e.*campo = static_cast<int16_t>(valor);
        e.CambiosPendientes = Verdadero;
        cursores();
    });
    grupos_.push_back({botones, campo});
    return contenedor;
}

Objetos::Objetos(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Objetos"));
    setWindowTitle(QStringLiteral("Objetos visibles"));
    setModal(true);

    // A level spin: one step, 0 shown as "NO"; the label options follow.
    const auto nivel = [this](int16_t ProgramState::*campo, int maximo, QLineEdit* caja, const char* nombre) {
        auto tope = std::make_shared<bool>(false);
        AccionSpin a;
        a.paso = [campo, maximo, tope](int s) {
            ProgramState& e = Estado();
            *tope = e.*campo + s > maximo;
            e.*campo = static_cast<int16_t>(std::clamp(e.*campo + s, 0, maximo));
            e.CambiosPendientes = Verdadero;
        };
        a.texto = [campo, tope] { return textoNivel(Estado().*campo, *tope); };
        a.extra = [this] { CompruebaNiveles(); };
        auto* spin = new Spin(std::move(a), caja);
        spin->setObjectName(QString::fromLatin1(nombre));
        auto* fila = new QHBoxLayout;
        fila->addWidget(new QLabel(QStringLiteral("Nivel")));
        fila->addWidget(caja);
        fila->addWidget(spin);
        fila->addStretch();
        return fila;
    };
    // ---- Stars and constellations ------------------------------------------------
    nivelEstrellas_ = cajaNivel("Tex_NivVisEstre");
    nivelEstrellas_->setToolTip(QStringLiteral("Estrellas hasta la magnitud del nivel: de 1 (las más brillantes) a 7"));
    auto* estrellas = new QGroupBox(QStringLiteral("Estrellas"));
    auto* columnaEstrellas = new QVBoxLayout(estrellas);
    columnaEstrellas->addLayout(nivel(&ProgramState::NivelEstrellas, 7, nivelEstrellas_, "PicSpi_MagMin"));
    idEstrellas_ = grupo(&ProgramState::IdEstrellas, "Opt_IdEst", {"No identificar", "Código", "Nombre"}, 0);
    columnaEstrellas->addWidget(idEstrellas_);

    nivelConstel_ = cajaNivel("Tex_NivVisConst");
    nivelConstel_->setToolTip(QStringLiteral("Figuras de constelaciones hasta el nivel: de 1 (las principales) a 4"));
    auto* constel = new QGroupBox(QStringLiteral("Constelaciones"));
    auto* columnaConstel = new QVBoxLayout(constel);
    columnaConstel->addLayout(nivel(&ProgramState::NivelConstel, 4, nivelConstel_, "PicSpi_NivVisConst"));
    idConstel_ = grupo(&ProgramState::IdConstel, "Opt_IdCon", {"No identificar", "Abreviatura", "Castellano", "Latín"}, 0);
    columnaConstel->addWidget(idConstel_);
    columnaConstel->addWidget(casilla(Chk_LimCo, "Lim. Constelac.", false));

    // ---- The solar system ----------------------------------------------------------
    auto* solar = new QGroupBox(QStringLiteral("Sistema Solar"));
    auto* rejillaSolar = new QGridLayout(solar);
    static const char* const planetas[10] = {"",        "Mercurio", "Venus",   "Tierra",  "Marte",
                                             "Júpiter", "Saturno",  "Urano",   "Neptuno", "Plutón"};
    rejillaSolar->addWidget(casilla(Chk_Sol, "Sol"), 0, 0);
    rejillaSolar->addWidget(casilla(Chk_Luna, "Luna"), 1, 0);
    int fila = 0;
    for (int p = 1; p <= 9; ++p) {
        if (p == CuerpoTierra) continue;  // we stand on it
        // Pluto's series reaches only some years: outside them its box
        // cannot be ticked, and says why.
        QCheckBox* c = casilla(Chk_Plane(p), planetas[p], TieneLugar(p));
        if (!c->isEnabled())
            c->setToolTip(QStringLiteral("Plutón solo se sitúa entre los años 1885 y 2099"));
        rejillaSolar->addWidget(c, fila % 4, 1 + fila / 4);
        ++fila;
    }

    // ---- Messier and deep sky --------------------------------------------------------
    auto* messier = new QGroupBox(QStringLiteral("Objetos Messier"));
    auto* columnaMessier = new QVBoxLayout(messier);
    columnaMessier->addWidget(casilla(Chk_Messi, "Visualizar"));
    idMessier_ = grupo(&ProgramState::IdMessier, "Opt_IdMes", {"No identificar", "Número", "Nombre"}, 0);
    columnaMessier->addWidget(idMessier_);

    auto* profundo = new QGroupBox(QStringLiteral("Cielo profundo"));
    auto* rejillaProfundo = new QGridLayout(profundo);
    rejillaProfundo->addWidget(new QLabel(QStringLiteral("Clases")), 0, 1);
    // The classes of each kind; no layer of clusters exists, so theirs are
    // shown disabled.
    struct Clase {
        int casilla;
        const char* rotulo;
        int16_t ProgramState::*campo;
        const char* nombre;
        int clases;
        QWidget** contenedor;
    };
    QWidget* cumulos = nullptr;
    const Clase clases[] = {
        {Chk_Galax, "Galaxias", &ProgramState::NivelGalaxias, "Opt_NivGalax", 4, &nivGalax_},
        {Chk_NebPl, "Nebul.Planet.", &ProgramState::NivelNebPlanetarias, "Opt_NivNebPl", 2, &nivNebPl_},
        {Chk_NebDi, "Nebul.Difusas", &ProgramState::NivelNebDifusas, "Opt_NivNebDi", 2, &nivNebDi_},
        {Chk_CumAb, "Cúm.Abiertos", &ProgramState::NivelCumAbiertos, "Opt_NivCumAb", 2, &cumulos},
        {Chk_CumGl, "Cúm.Globular.", &ProgramState::NivelCumGlobulares, "Opt_NivCumGl", 2, &cumulos},
    };
    for (int i = 0; i < 5; ++i) {
        const Clase& c = clases[i];
        const bool activa = c.contenedor != &cumulos;
        rejillaProfundo->addWidget(casilla(c.casilla, c.rotulo, activa), i + 1, 0);
        QWidget* opciones = *c.contenedor = grupo(c.campo, c.nombre, QStringList{"1", "2", "3", "4"}.mid(0, c.clases), 1);
        opciones->setEnabled(activa);
        opciones->setToolTip(QStringLiteral("Hasta la clase elegida: con 1, sólo los mayores y más brillantes"));
        rejillaProfundo->addWidget(opciones, i + 1, 1);
    }
    rejillaProfundo->addWidget(casilla(Chk_Quasa, "Quásares", false), 6, 0);
    rejillaProfundo->addWidget(casilla(Chk_Pulsa, "Púlsares", false), 6, 1);
    rejillaProfundo->addWidget(casilla(Chk_Aguje, "Agujeros Negros", false), 7, 0);
    rejillaProfundo->addWidget(casilla(Chk_IdentiProfun, "Identificar"), 7, 1);

    // ---- References ---------------------------------------------------------------------
    auto* referencias = new QGroupBox(QStringLiteral("Referencias"));
    auto* columnaReferencias = new QVBoxLayout(referencias);
    for (const auto& [i, rotulo] : {std::pair{Chk_ARDEC15, "A.R./DEC 15º"}, {Chk_ARDEC30, "A.R./DEC 30º"},
                                    {Chk_Horiz, "Horizonte"}, {Chk_Eclip, "Eclíptica"}, {Chk_ViaLa, "Via Láctea"},
                                    {Chk_LuzDi, "Luz Diurna"}})
        columnaReferencias->addWidget(casilla(i, rotulo));

    auto* salir = BotonDeSalida();
    connect(salir, &QAbstractButton::clicked, this, &Objetos::reject);

    auto* rejilla = new QGridLayout(this);
    rejilla->addWidget(estrellas, 0, 0);
    rejilla->addWidget(constel, 0, 1);
    rejilla->addWidget(solar, 1, 0);
    rejilla->addWidget(messier, 1, 1);
    rejilla->addWidget(profundo, 2, 0);
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(referencias);
    derecha->addWidget(salir, 0, Qt::AlignRight | Qt::AlignBottom);
    rejilla->addLayout(derecha, 2, 1);
    rejilla->setSizeConstraint(QLayout::SetFixedSize);
}

void Objetos::muestra() {
    const ProgramState& e = Estado();
    for (int i = 0; i < NumCasillasObjeto; ++i)
        if (QCheckBox* c = casillas_[static_cast<std::size_t>(i)]) c->setChecked(e.Casillas[static_cast<std::size_t>(i)] == 1);
    for (const Grupo& g : grupos_)
        if (QAbstractButton* b = g.botones->button(e.*g.campo)) b->setChecked(true);
    nivelEstrellas_->setText(QString::fromStdString(textoNivel(e.NivelEstrellas, false)));
    nivelConstel_->setText(QString::fromStdString(textoNivel(e.NivelConstel, false)));
    CompruebaNiveles();
    cursores();
}

void Objetos::CompruebaNiveles() {
    const ProgramState& e = Estado();
    idEstrellas_->setEnabled(e.NivelEstrellas != 0);
    idConstel_->setEnabled(e.NivelConstel != 0);
    idMessier_->setEnabled(e.Casillas[Chk_Messi] == 1);
    nivGalax_->setEnabled(e.Casillas[Chk_Galax] == 1);
    nivNebPl_->setEnabled(e.Casillas[Chk_NebPl] == 1);
    nivNebDi_->setEnabled(e.Casillas[Chk_NebDi] == 1);
}

// The pencil over what a click would tick, the eraser over what it would clear.
void Objetos::cursores() {
    for (QCheckBox* c : casillas_)
        if (c) CursorCasilla(c);
    for (const Grupo& g : grupos_)
        for (QAbstractButton* b : g.botones->buttons()) CursorCasilla(b);
}

void Objetos::showEvent(QShowEvent* ev) {
    Estado().CambiosPendientes = Falso;
    muestra();
    QDialog::showEvent(ev);
}

void Objetos::reject() { CierraYRedibuja(this); }

}  // namespace vsp::ui
