// The load/save dialog: the file list, the name and description boxes, the
// summary panel, the accept button's rules and the accept itself.
#include "ui/dialogos/cargaguar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QVBoxLayout>

#include <optional>

#include "core/constantes.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "core/texto.h"
#include "programa/arranque.h"
#include "sky/localizacion.h"
#include "time/formatos.h"
#include "ui/marco/marco.h"
#include "ui/principal/botonera.h"

namespace vsp::ui {

// Pic_Datos: the summary of the selected file in three rows between grey
// rules, or the reason it cannot be read.
class PanelDatos : public QWidget {
public:
    explicit PanelDatos(QWidget* padre = nullptr) : QWidget(padre) {
        setObjectName(QStringLiteral("Pic_Datos"));
        setFixedSize(QSizeF(QSizeF(310, 58) * Escala).toSize());
    }

    void muestra(std::optional<ResumenConfig> resumen) {
        resumen_ = std::move(resumen);
        filas_ = resumen_ ? filas(*resumen_) : std::array<std::vector<std::pair<int, std::string>>, 3>{};
        // The same texts for screen readers: a line a row.
        QStringList lineas;
        for (const auto& fila : filas_) {
            QStringList partes;
            for (const auto& [x, texto] : fila) partes << QString::fromStdString(texto);
            if (!partes.isEmpty()) lineas << partes.join(QStringLiteral("   "));
        }
        setAccessibleDescription(lineas.join(u'\n'));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(255, 255, 255));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        if (!resumen_) return;
        // The panel's own units, a little larger than pixels for legibility.
        p.scale(Escala, Escala);
        const double ancho = width() / Escala;
        p.setFont(FuenteFija(9));
        const int y[3] = {2, 20, 38};
        for (int fila = 0; fila < 3; ++fila) {
            if (fila > 0) {
                p.setPen(QColor(128, 128, 128));
                p.drawLine(QPointF(1, y[fila] - 2), QPointF(ancho - 2, y[fila] - 2));
            }
            p.setPen(QColor(0, 0, 0));
            for (const auto& [x, texto] : filas_[static_cast<std::size_t>(fila)])
                p.drawText(QRectF(x + 4, y[fila], ancho - x - 4, 16), Qt::AlignLeft | Qt::AlignVCenter,
                           QString::fromStdString(texto));
        }
    }

private:
    static constexpr double Escala = 1.25;

    static std::array<std::vector<std::pair<int, std::string>>, 3> filas(const ResumenConfig& r) {
        if (r.error) return {{{{0, "Error en el acceso al archivo de configuración"}}, {}, {}}};
        ProgramState& e = Estado();
        const std::string ciudad = r.Localidad >= 0 && r.Localidad < static_cast<int>(e.Cbo_Localidad.size())
                                       ? e.Cbo_Localidad[static_cast<std::size_t>(r.Localidad)]
                                       : "";
        FormatoFechaHora(r.DiaJuliano);
        const std::string fecha = "T.U. =  " + e.TextoFecha + "  -  " + e.TextoHora;
        const std::string rumbo = trimSpaces(NombreDeRumbo(r.Direccion));
        return {{{{0, ciudad}, {119, fecha}},
                 {{0, "Longitud: " + trimSpaces(FormatoLongitud(r.Longitud))},
                  {146, "Latitud: " + trimSpaces(FormatoLatitud(r.Latitud))}},
                 {{0, "Dirección: " + Formato(GradosEnteros(r.Direccion), "@@@") + "° " + rumbo},
                  {108, "Elevación: " + Formato(GradosEnteros(r.Elevacion), "@@") + "°"},
                  {203, "Zoom: " + Formato(r.Zoom, "#0.0")}}}};
    }

    std::optional<ResumenConfig> resumen_;
    std::array<std::vector<std::pair<int, std::string>>, 3> filas_;
};

namespace {

QLineEdit* caja(const char* nombre, const QString& consejo) {
    auto* c = new QLineEdit;
    c->setObjectName(QString::fromLatin1(nombre));
    c->setToolTip(consejo);
    c->setMinimumWidth(390);
    return c;
}

}  // namespace

bool CargaGuar::modoCarga() const { return Estado().ModoCargaGuar == 1; }

CargaGuar::CargaGuar(QWidget* padre) : QDialog(padre) {
    ProgramState& e = Estado();
    const bool carga = modoCarga();
    setObjectName(QStringLiteral("CargaGuar"));
    setWindowTitle(carga ? QStringLiteral("Cargar una configuración") : QStringLiteral("Guardar la configuración actual"));
    setModal(true);

    ficheros_ = new QListWidget;
    ficheros_->setObjectName(QStringLiteral("Fil_Ficheros"));
    ficheros_->setMinimumHeight(170);
    PonCursor(ficheros_->viewport(), Puntero::ManoIndice);
    for (const std::string& f : ListaConfiguraciones()) ficheros_->addItem(QString::fromStdString(f));
    connect(ficheros_, &QListWidget::currentRowChanged, this, &CargaGuar::eligeFichero);
    connect(ficheros_, &QListWidget::itemDoubleClicked, this, &CargaGuar::acepta);

    nombre_ = caja("Tex_Fichero", QStringLiteral("El nombre del archivo; se le añade la extensión .vpc"));
    descripcion_ = caja("Tex_Confi", QStringLiteral("Una descripción libre de la configuración"));
    descripcion_->setText(QString::fromStdString(e.DescripcionConfig));
    descripcion_->setCursorPosition(0);
    connect(nombre_, &QLineEdit::textChanged, this, &CargaGuar::cambiaNombre);
    connect(descripcion_, &QLineEdit::textChanged, this,
            [](const QString& t) { Estado().DescripcionConfig = t.toStdString(); });
    nombre_->installEventFilter(this);
    descripcion_->installEventFilter(this);

    animacion_ = new QCheckBox(QStringLiteral("Incluir animación"));
    animacion_->setObjectName(QStringLiteral("Chk_IncluirAnima"));
    animacion_->setToolTip(QStringLiteral("Al cargarla, la configuración empezará a animarse"));
    connect(animacion_, &QCheckBox::clicked, this, [this](bool marcada) {
        Estado().IncluirAnima = marcada ? 1 : 0;
        CursorCasilla(animacion_);
    });

    datos_ = new PanelDatos;
    aceptar_ = new BotonImagen(ImagenBoton(carga ? Boton::Carga : Boton::Guard, 50),
                               carga ? QStringLiteral("Cargar la configuración seleccionada")
                                     : QStringLiteral("Guardar la configuración actual"));
    aceptar_->setObjectName(QStringLiteral("Pic_BotAceptar"));
    connect(aceptar_, &QAbstractButton::clicked, this, &CargaGuar::acepta);
    auto* salir = BotonDeSalida();
    connect(salir, &QAbstractButton::clicked, this, &CargaGuar::reject);

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(new QLabel(QStringLiteral("Archivos de configuración")));
    izquierda->addWidget(ficheros_);
    auto* derecha = new QVBoxLayout;
    derecha->addWidget(new QLabel(QStringLiteral("Nombre de archivo")));
    derecha->addWidget(nombre_);
    derecha->addWidget(new QLabel(QStringLiteral("Descripción de la configuración")));
    derecha->addWidget(descripcion_);
    derecha->addWidget(animacion_);
    derecha->addWidget(datos_);
    derecha->addStretch();
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(aceptar_);
    botones->addWidget(salir);
    derecha->addLayout(botones);
    auto* todo = new QHBoxLayout(this);
    todo->addLayout(izquierda);
    todo->addLayout(derecha);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    if (carga) {
        animacion_->hide();
        if (ficheros_->count() > 0) ficheros_->setCurrentRow(0);  // selected and summarised at once
        cambiaNombre();
    } else {
        datos_->hide();
        animacion_->setChecked(false);
        e.IncluirAnima = 0;
        CursorCasilla(animacion_);
        activaAceptar(false);
        nombre_->setFocus();
    }
}

void CargaGuar::eligeFichero() {
    QListWidgetItem* item = ficheros_->currentItem();
    if (!item) return;
    nombre_->setText(item->text());  // through cambiaNombre
    MuestraDatos();
}

void CargaGuar::cambiaNombre() {
    ProgramState& e = Estado();
    e.NombreConfig = trimSpaces(nombre_->text().toStdString());
    activaAceptar(!e.NombreConfig.empty() && minusculas(e.NombreConfig) != ".vpc");
}

void CargaGuar::activaAceptar(bool activo) {
    aceptar_->setEnabled(activo);
    if (activo)
        PonCursor(aceptar_, Puntero::ManoIndice);
    else
        aceptar_->setCursor(Qt::ForbiddenCursor);
}

void CargaGuar::MuestraDatos() {
    const ResumenConfig r = LeeResumenConfig(Estado().NombreConfig);
    if (modoCarga()) datos_->muestra(r);
    if (r.error) return;
    // Load: the file's description; save: its old one, offered.
    descripcion_->setText(QString::fromStdString(r.Descripcion));
    descripcion_->setCursorPosition(0);
}

void CargaGuar::acepta() {
    if (!aceptar_->isEnabled()) return;
    ProgramState& e = Estado();
    {
        const CursorEspera espera;
        PlaySonido(5);
        e.EstadoArchivo = 0;
        if (modoCarga()) {
            CargaConfig();
            if (e.EstadoArchivo == 0) AplicaEstado();
        } else {
            GuardaConfig();
        }
    }
    if (e.EstadoArchivo != 0) return;  // an error, or No to replacing: choose again
    cargada_ = modoCarga();
    done(QDialog::Accepted);
}

bool CargaGuar::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress) return false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    if (tecla != Qt::Key_Return && tecla != Qt::Key_Enter) return false;
    if (objeto == nombre_ && !modoCarga()) {
        descripcion_->setFocus();
        descripcion_->selectAll();  // typing replaces the old description
    }
    else if (objeto == nombre_ || !modoCarga())
        acepta();
    return true;
}

void CargaGuar::reject() {
    PlaySonido(5);
    done(QDialog::Rejected);
}

}  // namespace vsp::ui
