// The print dialog: the size boxes with their spins, the strip box, the
// printer's name and page, the strip as it will print, and the buttons.
#include "ui/dialogos/impresor.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

#include "core/avisos.h"
#include "core/constantes.h"
#include "core/estado.h"
#include "core/ficheros.h"
#include "core/mensajes.h"
#include "impresion/carta_impresa.h"
#include "impresion/envio.h"
#include "impresion/impresora.h"
#include "programa/impresion.h"
#include "ui/dialogos/campos.h"
#include "ui/mandos/spin_tabla.h"
#include "ui/marco/marco.h"
#include "ui/principal/botonera.h"

namespace vsp::ui {

namespace {

constexpr const char* kTitulo = "Impresión";

// Pic_Datos: the strip on white, as on paper; faded while it is not printed.
class TiraDatos : public QWidget {
public:
    explicit TiraDatos(QWidget* padre = nullptr) : QWidget(padre) {
        setObjectName(QStringLiteral("Pic_Datos"));
        setFixedSize(AnchoTira, AltoTira);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (Estado().ImprimirDatos != 1) p.setOpacity(0.35);
        DibujaTira(p, QRectF(rect()));
    }
};

QString numero(int16_t valor) { return QString::number(valor); }

void redibujaCarta() {
    if (avisos().Redibujo) avisos().Redibujo();
}

}  // namespace

Impresor::Impresor(QSize pantalla, QWidget* padre) : QDialog(padre), pantalla_(pantalla) {
    ProgramState& e = Estado();
    setObjectName(QStringLiteral("Impresor"));
    setWindowTitle(QString::fromUtf8(kTitulo));
    setModal(true);
    EligeImpresora(impresora_);
    // The boxes show the size that will print.
    PreparaImpresion();

    auto caja = [this](const char* nombre, int16_t valor) {
        auto* c = new QLineEdit(numero(valor), this);
        c->setObjectName(QString::fromLatin1(nombre));
        c->setAlignment(Qt::AlignRight);
        c->setFixedWidth(c->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        return c;
    };
    ancho_ = caja("Tex_Ancho", e.AnchoImpresion);
    alto_ = caja("Tex_Alto", e.AltoImpresion);

    auto* spinAncho = new Spin(
        ConSeguimiento(SpinAnchoImpresion(), [this] { alto_->setText(numero(Estado().AltoImpresion)); }), ancho_);
    spinAncho->setObjectName(QStringLiteral("PicSpi_Ancho"));
    auto* spinAlto = new Spin(SpinAltoImpresion(), alto_);
    spinAlto->setObjectName(QStringLiteral("PicSpi_Alto"));

    datos_ = new QCheckBox(QStringLiteral("Incluir datos de localización"), this);
    datos_->setObjectName(QStringLiteral("Chk_ImprimirDatos"));
    datos_->setChecked(e.ImprimirDatos == 1);
    CursorCasilla(datos_);
    connect(datos_, &QCheckBox::clicked, this, [this](bool marcada) {
        Estado().ImprimirDatos = marcada ? 1 : 0;
        CursorCasilla(datos_);
        tira_->update();
    });

    auto* imprimir = new BotonImagen(ImagenBoton(Boton::Impri, 50), QStringLiteral("Imprimir la pantalla"), this);
    imprimir->setObjectName(QStringLiteral("Pic_BotImprimir"));
    imprimir->setFocusPolicy(Qt::StrongFocus);  // the end of the Enter order
    connect(imprimir, &QAbstractButton::clicked, this, &Impresor::imprime);
    auto* previa = new QPushButton(QStringLiteral("Vista previa"), this);
    previa->setObjectName(QStringLiteral("Bot_VistaPrevia"));
    previa->setToolTip(QStringLiteral("Ver la página tal como se imprimirá"));
    previa->setAutoDefault(false);
    PonCursor(previa, Puntero::ManoIndice);
    connect(previa, &QPushButton::clicked, this, &Impresor::previsualiza);
    auto* salir = BotonDeSalida(this);
    connect(salir, &QAbstractButton::clicked, this, &Impresor::reject);

    campos_ = new CamposTecleo(this);
    campos_->agrega(ancho_, 3, [this] {
        LeeAnchoImpresion(ancho_->text().toStdString());
        muestraMedidas();
    }, alto_);
    campos_->agrega(alto_, 3, [this] {
        LeeAltoImpresion(alto_->text().toStdString());
        muestraMedidas();
    }, imprimir);

    auto* tamano = new QGroupBox(QStringLiteral("Tamaño de la carta"), this);
    auto* medidas = new QGridLayout(tamano);
    medidas->addWidget(new QLabel(QStringLiteral("Ancho en mm.:"), this), 0, 0);
    medidas->addWidget(ancho_, 0, 1);
    medidas->addWidget(spinAncho, 0, 2);
    medidas->addWidget(new QLabel(QStringLiteral("Alto  en  mm...:"), this), 1, 0);
    medidas->addWidget(alto_, 1, 1);
    medidas->addWidget(spinAlto, 1, 2);
    medidas->setColumnStretch(3, 1);
    tamano->setToolTip(QStringLiteral("El alto sigue al ancho para conservar la proporción de 4 por 3"));

    auto* pagina = new QLabel(this);
    pagina->setObjectName(QStringLiteral("Lbl_Impresora"));
    pagina->setStyleSheet(QStringLiteral("color: #505a6a;"));
    const QString hoja = QStringLiteral("%1, útil %2 × %3 mm")
                             .arg(impresora_.pageLayout().pageSize().name())
                             .arg(e.AnchoMaximoMm)
                             .arg(e.AltoMaximoMm);
    pagina->setText(hayImpresora() ? QStringLiteral("Impresora: %1  (%2)").arg(impresora_.printerName(), hoja)
                                   : QStringLiteral("No hay impresora: la carta se guardará en PDF  (%1)").arg(hoja));

    auto* izquierda = new QVBoxLayout;
    izquierda->addWidget(tamano);
    izquierda->addWidget(datos_);
    izquierda->addWidget(pagina);
    auto* botones = new QHBoxLayout;
    botones->addLayout(izquierda, 1);
    botones->addWidget(imprimir, 0, Qt::AlignBottom);
    botones->addWidget(previa, 0, Qt::AlignBottom);
    botones->addWidget(salir, 0, Qt::AlignBottom);
    tira_ = new TiraDatos(this);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(botones);
    todo->addWidget(tira_);
    todo->setSizeConstraint(QLayout::SetFixedSize);

    pideArchivoPdf = [this] {
        const QString propuesta = QDir(QString::fromStdString(Estado().CarpetaTrabajo)).filePath(QStringLiteral("carta.pdf"));
        return QFileDialog::getSaveFileName(this, QStringLiteral("Guardar la carta en PDF"), propuesta,
                                            QStringLiteral("Documentos PDF (*.pdf)"));
    };
}

bool Impresor::hayImpresora() const {
    return impresora_.outputFormat() == QPrinter::NativeFormat || !impresora_.outputFileName().isEmpty();
}

void Impresor::fijaMedidas() {
    campos_->leeActivo();
    PreparaImpresion();
    muestraMedidas();
}

void Impresor::muestraMedidas() {
    ancho_->setText(numero(Estado().AnchoImpresion));
    alto_->setText(numero(Estado().AltoImpresion));
}

void Impresor::imprime() {
    {
        const CursorEspera espera;
        PlaySonido(5);
        fijaMedidas();
    }
    if (!hayImpresora()) {
        ofrecePdf("No hay ninguna impresora instalada en el sistema.");
    } else if (impresora_.outputFormat() == QPrinter::NativeFormat) {
        // Qt's own print engine says nothing when the queue refuses the
        // job or the server is gone: the page goes through libcups instead.
        std::string motivo;
        {
            const CursorEspera espera;
            motivo = ImprimeEnCola(impresora_, pantalla_);
        }
        if (!motivo.empty()) ofrecePdf(motivo);
    } else {
        bool hecho;
        {
            const CursorEspera espera;
            hecho = ImprimeCarta(impresora_, pantalla_) && impresora_.printerState() != QPrinter::Error;
        }
        if (!hecho) {
            const QString nombre = impresora_.printerName().isEmpty() ? impresora_.outputFileName()
                                                                      : impresora_.printerName();
            ofrecePdf("La impresora  «" + nombre.toStdString() + "»  no ha podido imprimir la carta.");
        }
    }
    redibujaCarta();
}

void Impresor::ofrecePdf(const std::string& motivo) {
    ProgramState& e = Estado();
    e.RespuestaMensaje = Verdadero;
    MensajeBox(kTitulo,
               motivo + "  Para guardar la carta en un archivo PDF pulse el  Botón  Aceptar.   "
                        "Para volver sin imprimir pulse el Botón Cancelar.",
               3, 2);
    if (!e.RespuestaMensaje || !pideArchivoPdf) return;
    QString ruta = pideArchivoPdf();
    if (ruta.isEmpty()) return;
    if (!ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) ruta += QStringLiteral(".pdf");
    int error;
    {
        const CursorEspera espera;
        error = ImprimeEnPdf(QFile::encodeName(ruta).toStdString(), pantalla_);
    }
    if (error)
        MensajeBox(kTitulo,
                   "No se ha podido escribir el archivo  «" + ruta.toStdString() + "».  " +
                       TextoErrorSistema(error) + ".",
                   2, TipoError);
}

void Impresor::previsualiza() {
    fijaMedidas();
    QDialog vista(this);
    vista.setObjectName(QStringLiteral("VistaPrevia"));
    vista.setWindowTitle(QStringLiteral("Vista previa"));
    auto* hoja = new QPrintPreviewWidget(&impresora_, &vista);
    hoja->setObjectName(QStringLiteral("Hoja"));
    connect(hoja, &QPrintPreviewWidget::paintRequested, &vista,
            [this](QPrinter* impresora) { ImprimeCarta(*impresora, pantalla_); });
    auto* imprimir = new QPushButton(QStringLiteral("Imprimir"), &vista);
    auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), &vista);
    cerrar->setDefault(true);
    connect(imprimir, &QPushButton::clicked, &vista, [this, &vista] {
        vista.accept();
        imprime();
    });
    connect(cerrar, &QPushButton::clicked, &vista, &QDialog::reject);
    auto* fila = new QHBoxLayout;
    fila->addStretch();
    fila->addWidget(imprimir);
    fila->addWidget(cerrar);
    auto* todo = new QVBoxLayout(&vista);
    todo->addWidget(hoja, 1);
    todo->addLayout(fila);
    const QSize sitio = parentWidget() ? parentWidget()->size() : QSize(900, 1000);
    vista.resize(std::min(sitio.width(), 760), std::min(sitio.height() - 40, 960));
    hoja->fitInView();
    vista.exec();
}

void Impresor::reject() {
    PlaySonido(5);
    done(QDialog::Accepted);
}

}  // namespace vsp::ui
