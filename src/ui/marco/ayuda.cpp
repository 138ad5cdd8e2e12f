// The help window and the reading of the help document.
#include "ui/marco/ayuda.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPointer>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/carpetas.h"
#include "core/mensajes.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

const QString kEsquema = QStringLiteral("ayuda");

QToolButton* botonBarra(const QString& texto, QStyle::StandardPixmap icono, QWidget* padre) {
    auto* boton = new QToolButton(padre);
    boton->setText(texto);
    boton->setIcon(padre->style()->standardIcon(icono));
    boton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    boton->setAutoRaise(true);
    PonCursor(boton, Puntero::ManoIndice);
    return boton;
}

}  // namespace

std::optional<DocumentoAyuda> LeeAyuda(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString html = QString::fromUtf8(fichero.readAll());

    DocumentoAyuda documento;
    static const QRegularExpression estilo(QStringLiteral("<style[^>]*>(.*?)</style>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    documento.estilo = estilo.match(html).captured(1);
    static const QRegularExpression tema(
        QStringLiteral("<section\\s+id=\"([A-Za-z0-9_-]+)\"\\s*>(.*?)</section>"),
        QRegularExpression::DotMatchesEverythingOption);
    for (auto m = tema.globalMatch(html); m.hasNext();) {
        const auto encontrado = m.next();
        const QString clave = encontrado.captured(1);
        // In the file the topics link to each other as anchors of one page;
        // here each topic is a page of its own.
        documento.temas.insert(clave, encontrado.captured(2).replace(
                                          QStringLiteral("href=\"#"), QStringLiteral("href=\"") +
                                                                          kEsquema + ':'));
        documento.claves << clave;
    }
    if (documento.claves.isEmpty()) return std::nullopt;
    return documento;
}

QUrl DireccionTema(const QString& clave) { return QUrl(kEsquema + ':' + clave); }

VisorAyuda::VisorAyuda(const DocumentoAyuda& documento, QWidget* padre)
    : QTextBrowser(padre), documento_(documento) {
    setObjectName(QStringLiteral("Visor"));
    setOpenExternalLinks(false);
    document()->setDefaultStyleSheet(documento.estilo);
    document()->setDocumentMargin(14);
}

QVariant VisorAyuda::loadResource(int tipo, const QUrl& nombre) {
    if (tipo != QTextDocument::HtmlResource || nombre.scheme() != kEsquema)
        return QTextBrowser::loadResource(tipo, nombre);
    const auto tema = documento_.temas.constFind(nombre.path());
    if (tema == documento_.temas.cend())
        return QStringLiteral("<h1>Tema no encontrado</h1><p>Este tema no está en la ayuda. "
                              "<a href=\"%1\">Volver al índice</a>.</p>")
            .arg(DireccionTema(documento_.claves.first()).toString());
    return *tema;
}

VentanaAyuda::VentanaAyuda(DocumentoAyuda documento, QWidget* padre)
    : QDialog(padre), documento_(std::move(documento)) {
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QStringLiteral("Ayuda de VESPERA"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(700, 620);

    visor_ = new VisorAyuda(documento_, this);
    auto* indice = botonBarra(QStringLiteral("Índice"), QStyle::SP_FileDialogContentsView, this);
    indice->setObjectName(QStringLiteral("Bot_Indice"));
    auto* atras = botonBarra(QStringLiteral("Atrás"), QStyle::SP_ArrowBack, this);
    atras->setObjectName(QStringLiteral("Bot_Atras"));
    auto* adelante = botonBarra(QStringLiteral("Adelante"), QStyle::SP_ArrowForward, this);
    adelante->setObjectName(QStringLiteral("Bot_Adelante"));
    atras->setEnabled(false);
    adelante->setEnabled(false);
    connect(indice, &QToolButton::clicked, this, &VentanaAyuda::muestraIndice);
    connect(atras, &QToolButton::clicked, visor_, &QTextBrowser::backward);
    connect(adelante, &QToolButton::clicked, visor_, &QTextBrowser::forward);
    connect(visor_, &QTextBrowser::backwardAvailable, atras, &QToolButton::setEnabled);
    connect(visor_, &QTextBrowser::forwardAvailable, adelante, &QToolButton::setEnabled);

    auto* salir = BotonDeSalida(this);
    connect(salir, &QAbstractButton::pressed, this, [this] {
        PlaySonido(5);
        close();
    });

    auto* barra = new QHBoxLayout;
    barra->addWidget(indice);
    barra->addWidget(atras);
    barra->addWidget(adelante);
    barra->addStretch();
    barra->addWidget(salir);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(8, 8, 8, 8);
    columna->addLayout(barra);
    columna->addWidget(visor_, 1);

    muestraIndice();
}

void VentanaAyuda::muestraIndice() { visor_->setSource(DireccionTema(documento_.claves.first())); }

QWidget* AbreAyuda(QWidget* padre) {
    static QPointer<VentanaAyuda> ventana;
    if (!ventana) {
        const QDir programa(QString::fromStdString(CarpetaPrograma()));
        auto documento = LeeAyuda(programa.filePath(QStringLiteral("VESPE31.HLP")));
        if (!documento) {
            MensajeBox("Ayuda",
                       "No se encuentra la ayuda del programa: falta el archivo  VESPE31.HLP  "
                       "en la carpeta de  VESPERA,  o no se puede leer.",
                       2, 1);
            return nullptr;
        }
        ventana = new VentanaAyuda(std::move(*documento), padre);
    } else {
        ventana->muestraIndice();
    }
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
    return ventana;
}

}  // namespace vsp::ui
