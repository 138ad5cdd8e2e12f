// The date and time dialog: the two rows of fields read on leaving, the zone
// and daylight saving, the three time buttons, the time spins and the
// closing redraw.
#include "ui/dialogos/hora.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "sky/dibujo.h"
#include "time/formatos.h"
#include "time/tecleo_fecha.h"
#include "time/tiempo.h"
#include "time/zonas.h"
#include "ui/dialogos/campos.h"
#include "ui/mandos/spin_tabla.h"
#include "ui/marco/marco.h"
#include "ui/principal/tiempo_real.h"

namespace vsp::ui {

namespace {

const char* const NombresIncremento[7] = {"Minuto", "Hora", "Dia", "Mes", "Año", "Siglo", "Milenio"};

QLineEdit* caja(const QString& nombre, const QString& muestra) {
    auto* c = new QLineEdit;
    c->setObjectName(nombre);
    c->setAlignment(Qt::AlignCenter);
    c->setFixedWidth(c->fontMetrics().horizontalAdvance(muestra) + 14);
    return c;
}

QLabel* separador(const QString& texto) {
    auto* l = new QLabel(texto);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

Hora::Fila Hora::fila(int i, QWidget* salida) {
    const QString n = QString::number(i + 1);
    Fila f{caja(QStringLiteral("Tex_FecDia") + n, QStringLiteral("00")),
           caja(QStringLiteral("Tex_FecMes") + n, QStringLiteral("00")),
           caja(QStringLiteral("Tex_FecAno") + n, QStringLiteral("-0000")),
           caja(QStringLiteral("Tex_Hora") + n, QStringLiteral("00:00 PM"))};
    f.dia->setToolTip(QStringLiteral("Día del mes"));
    f.mes->setToolTip(QStringLiteral("Mes, de 1 a 12"));
    f.ano->setToolTip(QStringLiteral("Año, de -4713 a 7999; los años antes de Cristo en negativo (-1 es el 1 a.C.)"));
    const auto textos = [this, i] {
        const Fila& r = filas_[static_cast<std::size_t>(i)];
        return FilaFecha{r.dia->text().toStdString(), r.mes->text().toStdString(), r.ano->text().toStdString(),
                         r.hora->text().toStdString()};
    };
    const auto leeFecha = [textos, i] {
        LeeCampoFecha(i, textos());
        ActualizaPanel();
    };
    campos_->agrega(f.dia, 2, leeFecha, f.mes);
    campos_->agrega(f.mes, 2, leeFecha, f.ano);
    campos_->agrega(f.ano, 5, leeFecha, f.hora);
    campos_->agrega(f.hora, 8, [textos, i] {
        LeeCampoHora(i, textos());
        ActualizaPanel();
    }, salida);
    return f;
}

Hora::Hora(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Hora"));
    setWindowTitle(QStringLiteral("Fecha   y   Hora"));
    setModal(true);
    ProgramState& e = Estado();
    e.ActualizandoHora = Falso;
    e.TiempoEstable = Verdadero;
    campos_ = new CamposTecleo(this);
    salir_ = BotonDeSalida();
    salir_->setFocusPolicy(Qt::StrongFocus);  // the end of the Enter order
    connect(salir_, &QAbstractButton::clicked, this, &Hora::sal);

    // ---- The two rows -----------------------------------------------------------
    const QString marcos[2] = {QStringLiteral("Tiempo Universal"), QStringLiteral("Fecha y Hora local")};
    QGroupBox* grupos[2];
    QGridLayout* rejillas[2];
    for (int i = 0; i < 2; ++i) {
        filas_[static_cast<std::size_t>(i)] = fila(i, salir_);
        const Fila& f = filas_[static_cast<std::size_t>(i)];
        grupos[i] = new QGroupBox(marcos[i]);
        auto* r = rejillas[i] = new QGridLayout(grupos[i]);
        r->setHorizontalSpacing(4);
        r->addWidget(new QLabel(QStringLiteral("Fecha")), 0, 0);
        r->addWidget(f.dia, 0, 1);
        r->addWidget(separador(QStringLiteral("/")), 0, 2);
        r->addWidget(f.mes, 0, 3);
        r->addWidget(separador(QStringLiteral("/")), 0, 4);
        r->addWidget(f.ano, 0, 5);
        r->addItem(new QSpacerItem(18, 1), 0, 6);
        r->addWidget(new QLabel(QStringLiteral("Hora")), 0, 7);
        r->addWidget(f.hora, 0, 8);
        r->setColumnStretch(9, 1);
    }
    juliano_ = caja(QStringLiteral("Tex_FecJul"), QStringLiteral("0000000.000000"));
    juliano_->setReadOnly(true);
    juliano_->setFocusPolicy(Qt::ClickFocus);  // it may be copied, never typed in
    juliano_->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    juliano_->setToolTip(QStringLiteral("Día juliano del tiempo universal"));
    rejillas[0]->addWidget(new QLabel(QStringLiteral("Dia Juliano...:")), 1, 0, 1, 5);
    rejillas[0]->addWidget(juliano_, 1, 5, 1, 4, Qt::AlignLeft);

    zona_ = caja(QStringLiteral("Tex_Zona"), QStringLiteral("-12.0"));
    zona_->setToolTip(QStringLiteral("Horas de diferencia con el tiempo universal, de -12 a 12 en medias horas"));
    campos_->agrega(zona_, 5, LeeEnEstado(zona_, CambiaZona, &ProgramState::Tex_Zona), salir_);
    AccionSpin accionZona = ConSeguimiento(SpinZona(), ActualizaPanel);
    accionZona.pruebaPixel = false;
    auto* spinZona = new Spin(std::move(accionZona), zona_);
    spinZona->setObjectName(QStringLiteral("PicSpi_Zona"));
    verano_ = new QCheckBox(QStringLiteral("Horario de verano"));
    verano_->setObjectName(QStringLiteral("Chk_HorarioVer"));
    verano_->setToolTip(QStringLiteral("Una hora más en la hora local"));
    connect(verano_, &QCheckBox::clicked, this, [this](bool marcada) {
        CursorCasilla(verano_);
        PasaAHoraManual();  // summer time set by hand is the user's
        Estado().HorarioVerano = marcada ? 1 : 0;
        MuestraFechaHora();  // the universal time stays, the local time moves
        ActualizaPanel();
    });
    auto* filaZona = new QHBoxLayout;
    filaZona->setSpacing(4);
    filaZona->addWidget(new QLabel(QStringLiteral("Zona horaria.:")));
    filaZona->addWidget(zona_);
    filaZona->addWidget(spinZona);
    filaZona->addSpacing(18);
    filaZona->addWidget(verano_);
    filaZona->addStretch();
    rejillas[1]->addLayout(filaZona, 1, 0, 1, 10);

    automatica_ = new QCheckBox(QStringLiteral("Hora local automática"));
    automatica_->setObjectName(QStringLiteral("Chk_HoraAutomatica"));
    automatica_->setToolTip(
        QStringLiteral("En una ciudad de la lista, la zona y el horario de verano de su zona horaria en cada fecha"));
    PonCursor(automatica_, Puntero::Lapiz);
    connect(automatica_, &QCheckBox::clicked, this, [this](bool marcada) {
        CursorCasilla(automatica_);
        Estado().HoraLocalAutomatica = marcada ? Verdadero : Falso;
        GuardaPreferencias();
        MuestraFechaHora();  // the database's zone at once, or the last one kept
        ActualizaPanel();
    });
    regla_ = new QLabel;
    regla_->setObjectName(QStringLiteral("Lbl_Regla"));
    regla_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* filaRegla = new QHBoxLayout;
    filaRegla->setSpacing(4);
    filaRegla->addWidget(automatica_);
    filaRegla->addSpacing(18);
    filaRegla->addWidget(regla_);
    filaRegla->addStretch();
    rejillas[1]->addLayout(filaRegla, 2, 0, 1, 10);

    // ---- The three buttons --------------------------------------------------------
    auto* botones = new QHBoxLayout;
    struct Boton {
        const char* nombre;
        QString texto, consejo;
        void (*accion)(double);
    } const definiciones[] = {
        {"Bot_FecMedNoc", QStringLiteral("Medianoche"), QStringLiteral("La próxima medianoche local"), Medianoche},
        {"Bot_FecMedDia", QStringLiteral("Mediodía"), QStringLiteral("El próximo mediodía local"), Mediodia},
        {"Bot_FecHorsis", QStringLiteral("Fecha y Hora actuales"), QStringLiteral("La fecha y la hora del ordenador"),
         FechaHoraActual}};
    for (const Boton& b : definiciones) {
        auto* boton = new QPushButton(b.texto);
        boton->setObjectName(QString::fromLatin1(b.nombre));
        boton->setToolTip(b.consejo);
        boton->setAutoDefault(false);
        PonCursor(boton, Puntero::ManoIndice);
        connect(boton, &QPushButton::clicked, this, [accion = b.accion] {
            accion(DiaJulianoSistema());
            ActualizaPanel();
        });
        botones->addWidget(boton);
    }

    // ---- The time spins -------------------------------------------------------------
    auto* incrementos = new QGroupBox(QStringLiteral("Incrementos de tiempo"));
    auto* rejilla = new QGridLayout(incrementos);
    for (int i = 0; i < 7; ++i) {
        auto* spin = new Spin(ConSeguimiento(SpinTiempo(i + 1), ActualizaPanel));
        spin->setObjectName(QStringLiteral("PicSpi_Tiempo%1").arg(i));
        spin->setToolTip(QStringLiteral("Arriba: adelante; abajo: atrás"));
        rejilla->addWidget(spin, 0, i, Qt::AlignHCenter);
        rejilla->addWidget(separador(QString::fromUtf8(NombresIncremento[i])), 1, i);
    }
    siderea_ = new QRadioButton(QStringLiteral("Tiempos Siderales"));
    siderea_->setObjectName(QStringLiteral("Opt_Siderea"));
    solar_ = new QRadioButton(QStringLiteral("Tiempos Solares"));
    solar_->setObjectName(QStringLiteral("Opt_Solar"));
    auto* tipos = new QButtonGroup(this);
    tipos->addButton(siderea_, 0);
    tipos->addButton(solar_, 1);
    connect(tipos, &QButtonGroup::idClicked, this, [](int tipo) { Estado().TipoTiempo = static_cast<int16_t>(tipo); });
    for (QWidget* w : {static_cast<QWidget*>(siderea_), static_cast<QWidget*>(solar_), static_cast<QWidget*>(verano_)})
        PonCursor(w, Puntero::Lapiz);
    auto* filaTipos = new QHBoxLayout;
    filaTipos->addWidget(siderea_);
    filaTipos->addSpacing(18);
    filaTipos->addWidget(solar_);
    filaTipos->addStretch();
    rejilla->addLayout(filaTipos, 2, 0, 1, 7);

    auto* abajo = new QHBoxLayout;
    abajo->addWidget(incrementos, 1);
    abajo->addWidget(salir_, 0, Qt::AlignRight | Qt::AlignBottom);
    auto* todo = new QVBoxLayout(this);
    todo->addWidget(grupos[0]);
    todo->addWidget(grupos[1]);
    todo->addLayout(botones);
    todo->addLayout(abajo);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    avisos().FechaHora = [this](const CamposFechaHora& c) { muestraFechas(c); };
}

Hora::~Hora() { avisos().FechaHora = nullptr; }

void Hora::muestraFechas(const CamposFechaHora& c) {
    for (std::size_t i = 0; i < 2; ++i) {
        filas_[i].dia->setText(QString::fromStdString(c.Tex_FecDia[i]));
        filas_[i].mes->setText(QString::fromStdString(c.Tex_FecMes[i]));
        filas_[i].ano->setText(QString::fromStdString(c.Tex_FecAno[i]));
        filas_[i].hora->setText(QString::fromStdString(c.Tex_Hora[i]));
    }
    juliano_->setText(QString::fromStdString(c.Tex_FecJul));
    // The database may have moved the zone with the time.
    if (!zona_->hasFocus()) zona_->setText(QString::fromStdString(c.Tex_Zona));
    verano_->setChecked(c.HorarioVerano == 1);
    CursorCasilla(verano_);
    automatica_->setChecked(Estado().HoraLocalAutomatica != Falso);
    regla_->setText(QString::fromStdString(c.Regla));
}

void Hora::muestra() {
    ProgramState& e = Estado();
    e.Tex_Zona = TextoZona(e.ZonaHoraria);
    zona_->setText(QString::fromStdString(e.Tex_Zona));
    MuestraFechaHora();
    const QString consejo = e.FormatoHora == 1 ? QStringLiteral("Hora y minutos, de 00:00 a 23:59")
                                               : QStringLiteral("Hora y minutos, de 00:00 a 11:59, y AM o PM");
    for (const Fila& f : filas_) f.hora->setToolTip(consejo);
    (e.TipoTiempo == 1 ? solar_ : siderea_)->setChecked(true);
}

void Hora::showEvent(QShowEvent* ev) {
    muestra();
    QDialog::showEvent(ev);
}

void Hora::sal() {
    campos_->leeActivo();
    const CursorEspera espera;
    PlaySonido(5);
    // The whole of the time state: a date typed in another century needs its
    // precession as much as its sidereal time.
    ActualizaTiempo();
    if (avisos().Redibujo) avisos().Redibujo();
    done(QDialog::Accepted);
}

void Hora::reject() { sal(); }

}  // namespace vsp::ui
