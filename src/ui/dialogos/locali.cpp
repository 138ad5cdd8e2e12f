// The location dialog: its controls and their places, the city list, the
// overtype latitude and longitude, the boxes read on leaving, the spins, the
// dials and the map following every change, and the closing redraw.
#include "ui/dialogos/locali.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/avisos.h"
#include "core/estado.h"
#include "sky/dibujo.h"
#include "sky/localizacion.h"
#include "sky/proyeccion.h"
#include "time/formatos.h"
#include "time/tecleo_fecha.h"
#include "time/tiempo.h"
#include "ui/dialogos/campos.h"
#include "ui/mandos/dial.h"
#include "ui/mandos/mapa.h"
#include "ui/mandos/spin_tabla.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

// A box as wide as `muestra` in its font, right for its longest value.
QLineEdit* caja(const char* nombre, const QString& muestra, const QString& consejo, bool fija = false) {
    auto* c = new QLineEdit;
    c->setObjectName(QString::fromLatin1(nombre));
    if (fija) c->setFont(FuenteFija());
    c->setFixedWidth(c->fontMetrics().horizontalAdvance(muestra) + 14);
    c->setToolTip(consejo);
    return c;
}

// A box and its spin side by side.
QHBoxLayout* conSpin(QLineEdit* c, const char* nombre, AccionSpin accion) {
    auto* spin = new Spin(std::move(accion), c);
    spin->setObjectName(QString::fromLatin1(nombre));
    auto* fila = new QHBoxLayout;
    fila->setSpacing(4);
    fila->addWidget(c);
    fila->addWidget(spin);
    fila->addStretch();
    return fila;
}

// One of the view's columns: its name, its dial, its box and spin.
QVBoxLayout* columnaVista(const QString& nombre, TipoDial tipo, const char* dial, QHBoxLayout* fila) {
    auto* columna = new QVBoxLayout;
    auto* rotulo = new QLabel(nombre);
    rotulo->setAlignment(Qt::AlignHCenter);
    auto* esfera = new Dial(tipo);
    esfera->setObjectName(QString::fromLatin1(dial));
    columna->addWidget(rotulo);
    columna->addWidget(esfera, 0, Qt::AlignHCenter);
    fila->insertStretch(0);
    columna->addLayout(fila);
    return columna;
}

void redibujaDiales() {
    DibujaDialDireccion();
    DibujaDialElevacion();
    DibujaDialZoom();
}

}  // namespace

Locali::Locali(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Locali"));
    setWindowTitle(QStringLiteral("Localización"));
    setModal(true);
    campos_ = new CamposTecleo(this);

    // ---- The place ------------------------------------------------------------
    ciudades_ = new QComboBox;
    ciudades_->setObjectName(QStringLiteral("Cbo_Localidad"));
    ciudades_->setFont(FuenteFija());
    ciudades_->setMaxVisibleItems(20);
    ciudades_->setToolTip(QStringLiteral("Elija una ciudad: su latitud, su longitud y su zona horaria pasan a los campos"));
    PonCursor(ciudades_, Puntero::ManoIndice);
    connect(ciudades_, &QComboBox::activated, this, &Locali::eligeCiudad);

    longi_ = caja("Tex_Longi", QStringLiteral("000° 00' 00\" O"),
                  QStringLiteral("Escriba sobre las cifras; al final E (este) u O (oeste)"), true);
    lati_ = caja("Tex_Lati", QStringLiteral("00° 00' 00\" N"),
                 QStringLiteral("Escriba sobre las cifras; al final N (norte) o S (sur)"), true);
    zona_ = caja("Tex_Zona", QStringLiteral("-12.0"),
                 QStringLiteral("Horas de diferencia con el tiempo universal, de -12 a 12 en medias horas"));
    connect(longi_, &QLineEdit::textEdited, this, [this] { sobrescribe(longi_, TecleaLongitud); });
    connect(lati_, &QLineEdit::textEdited, this, [this] { sobrescribe(lati_, TecleaLatitud); });

    const auto sigue = [this] { sigueLugar(); };
    auto* lugar = new QGroupBox(QStringLiteral("Lugar de observación"));
    auto* rejilla = new QGridLayout(lugar);
    rejilla->setHorizontalSpacing(10);
    rejilla->addWidget(new QLabel(QStringLiteral("Localidad")), 0, 0);
    rejilla->addWidget(ciudades_, 0, 1, 1, 2);
    const struct {
        const char* rotulo;
        QLineEdit* caja;
        const char* spin;
        AccionSpin accion;
    } filas[] = {{"Longitud", longi_, "PicSpi_Longi", ConSeguimiento(SpinLongitud(), sigue)},
                 {"Latitud", lati_, "PicSpi_Lati", ConSeguimiento(SpinLatitud(), sigue)},
                 {"Zona horaria", zona_, "PicSpi_Zona", ConSeguimiento(SpinZona(), ActualizaPanel)}};
    for (int i = 0; i < 3; ++i) {
        rejilla->addWidget(new QLabel(QString::fromUtf8(filas[i].rotulo)), i + 1, 0);
        rejilla->addWidget(filas[i].caja, i + 1, 1);
        auto* spin = new Spin(filas[i].accion, filas[i].caja);
        spin->setObjectName(QString::fromLatin1(filas[i].spin));
        rejilla->addWidget(spin, i + 1, 2, Qt::AlignLeft);
    }
    mapa_ = new MapaMundo;
    mapa_->setObjectName(QStringLiteral("Pic_Mapa"));
    rejilla->addWidget(mapa_, 0, 3, 4, 1, Qt::AlignRight | Qt::AlignVCenter);
    rejilla->setColumnStretch(2, 1);

    // ---- The view -------------------------------------------------------------
    direc_ = caja("Tex_Direc", QStringLiteral("NW 000°"),
                  QStringLiteral("Azimut del centro de la carta en grados (0 a 359) o un rumbo: N, NE, E, SE, S, SO, O, NO"));
    eleva_ = caja("Tex_Eleva", QStringLiteral("00°"),
                  QStringLiteral("Altura del centro de la carta sobre el horizonte, de 0 a 90 grados"));
    zoom_ = caja("Tex_Zoom", QStringLiteral("15.0"), QStringLiteral("Aumento, de 1 a 15 en medios"));
    auto* vista = new QGroupBox(QStringLiteral("Dirección de la vista"));
    auto* columnas = new QHBoxLayout(vista);
    columnas->setSpacing(24);
    columnas->addLayout(columnaVista(QStringLiteral("Dirección"), TipoDial::Direccion, "Pic_Direc",
                                     conSpin(direc_, "PicSpi_Direc", ConSeguimiento(SpinDireccion(), ActualizaPanel))));
    columnas->addLayout(columnaVista(QStringLiteral("Elevación"), TipoDial::Elevacion, "Pic_Eleva",
                                     conSpin(eleva_, "PicSpi_Eleva", ConSeguimiento(SpinElevacion(), ActualizaPanel))));
    columnas->addLayout(columnaVista(QStringLiteral("Zoom"), TipoDial::Zoom, "Pic_Zoom",
                                     conSpin(zoom_, "PicSpi_Zoom", ConSeguimiento(SpinZoom(), ActualizaPanel))));

    salir_ = BotonDeSalida();
    salir_->setFocusPolicy(Qt::StrongFocus);  // the end of the Enter order
    connect(salir_, &QAbstractButton::clicked, this, &Locali::sal);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(vista, 1);
    abajo->addWidget(salir_, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(lugar);
    todo->addLayout(abajo);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    // ---- Reading the boxes, and the Enter order ---------------------------------
    campos_->agrega(longi_, 0, {}, lati_);
    campos_->agrega(lati_, 0, {}, zona_);
    campos_->agrega(zona_, 5, LeeEnEstado(zona_, CambiaZona, &ProgramState::Tex_Zona), direc_);
    campos_->agrega(direc_, 7, LeeEnEstado(direc_, LeeDireccion, &ProgramState::Tex_Direc, DibujaDialDireccion), eleva_);
    campos_->agrega(eleva_, 3, LeeEnEstado(eleva_, LeeElevacion, &ProgramState::Tex_Eleva, DibujaDialElevacion), zoom_);
    campos_->agrega(zoom_, 4, LeeEnEstado(zoom_, LeeZoom, &ProgramState::Tex_Zoom, redibujaDiales), salir_);
    setTabOrder(ciudades_, longi_);
    setTabOrder(longi_, lati_);
    setTabOrder(lati_, zona_);
    setTabOrder(zona_, direc_);
    setTabOrder(direc_, eleva_);
    setTabOrder(eleva_, zoom_);
    setTabOrder(zoom_, salir_);

    avisos().Localizacion = [this] { muestra(); };
}

Locali::~Locali() { avisos().Localizacion = nullptr; }

void Locali::llenaCiudades() {
    const auto& lista = Estado().Cbo_Localidad;
    if (ciudades_->count() == static_cast<int>(lista.size())) return;
    ciudades_->clear();
    for (const std::string& ciudad : lista) ciudades_->addItem(QString::fromStdString(ciudad));
}

void Locali::muestra() {
    const ProgramState& e = Estado();
    llenaCiudades();
    ciudades_->setCurrentIndex(e.IndiceLocalidad < ciudades_->count() ? e.IndiceLocalidad : -1);
    const std::pair<QLineEdit*, const std::string*> textos[] = {
        {longi_, &e.Tex_Longi}, {lati_, &e.Tex_Lati}, {zona_, &e.Tex_Zona},
        {direc_, &e.Tex_Direc}, {eleva_, &e.Tex_Eleva}, {zoom_, &e.Tex_Zoom}};
    for (const auto& [c, texto] : textos) c->setText(QString::fromStdString(*texto));
    mapa_->MarcaMapa();
    redibujaDiales();
}

void Locali::showEvent(QShowEvent* ev) {
    MuestraFechaHora();
    MuestraLocalizacion();  // the boxes, map and dials through the notification
    QDialog::showEvent(ev);
}

void Locali::eligeCiudad(int indice) {
    SeleccionaLocalidad(static_cast<int16_t>(indice));
    const ProgramState& e = Estado();
    longi_->setText(QString::fromStdString(e.Tex_Longi));
    lati_->setText(QString::fromStdString(e.Tex_Lati));
    zona_->setText(QString::fromStdString(e.Tex_Zona));
    sigueLugar();
}

void Locali::sobrescribe(QLineEdit* c, Teclea teclea) {
    const Sobrescrito r = teclea(c->text().toStdString(), c->cursorPosition());
    c->setText(QString::fromStdString(r.texto));
    c->setCursorPosition(r.cursor);
    sigueLugar();
}

void Locali::sigueLugar() {
    mapa_->MarcaMapa();
    ActualizaPanel();
}

void Locali::sal() {
    campos_->leeActivo();
    const CursorEspera espera;
    PlaySonido(5);
    CalculaTiempoSidereo();
    FijaVentanaCielo();
    CalculaDireccionMenosPi();
    if (avisos().Redibujo) avisos().Redibujo();
    MuestraLocalizacion();
    done(QDialog::Accepted);
}

void Locali::reject() { sal(); }

}  // namespace vsp::ui
