// The print dialog through its controls: the sizes typed and spun, and the
// print button on a printer (a PDF file standing in for it), without a
// printer and on a printer that fails, each read back with poppler's tools;
// the preview's page; and the print button on a CUPS queue of the test's own
// that refuses, is stopped, fails the job, takes it, or whose server is gone.
#include "ui/dialogos/impresor.h"

#include <QFile>
#include <QPrintPreviewWidget>

#include <fstream>

#include "../../cups_propio.h"
#include "../../orden.h"
#include "../modal.h"
#include "comun.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

// The dialog over a chart of 800 x 600 pixels, 200 mm wide on paper,
// without the strip.
void abreSobreCarta(ProgramState& e, std::unique_ptr<Impresor>& d) {
    e.ProporcionPantalla = 800.0f / 600;
    ActualizaTiempo();
    FijaVentanaCielo();
    e.AnchoImpresion = 200;
    e.ImprimirDatos = 0;
    d = std::make_unique<Impresor>(QSize(800, 600));
}

class ImpresorPrueba : public PruebaDe<Impresor> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        abreSobreCarta(*e, d);
        impresora("");
        d->pideArchivoPdf = [this] {
            ++preguntas;
            return QString::fromStdString(archivo);
        };
        e->AnchoMaximoMm = 202;
        e->AltoMaximoMm = 289;
    }
    // A printer writing that file; "" leaves none (an empty file name would
    // bring this machine's default printer back).
    void impresora(const std::string& pdf) const {
        d->impresora().setOutputFileName(QString::fromStdString(pdf));
        if (pdf.empty()) d->impresora().setPrinterName({});
    }
    void imprime() { QTest::mouseClick(control<QAbstractButton>("Pic_BotImprimir"), Qt::LeftButton); }
    std::string medidas() const { return texto("Tex_Ancho") + " x " + texto("Tex_Alto"); }
    static bool unaPagina(const fs::path& pdf) {
        return SalidaDe("pdfinfo '" + pdf.string() + "'").find("Pages:           1") != std::string::npos;
    }

    std::string archivo;
    int preguntas = 0;
};

// Sizes typed and left, or spun, keep the chart at 4:3; the preview shows
// one page, of the size typed even in a box not yet left.
TEST_F(ImpresorPrueba, TypedAndSpunSizesKeepTheChartAtFourToThreeOnThePage) {
    ASSERT_TRUE(MuestraActiva(d.get()));
    EscribeYSale(caja("Tex_Ancho"), "400");
    EXPECT_EQ(medidas(), "202 x 151");
    ClicSostenido(control("PicSpi_Ancho"), SpinAbajo);  // 5 mm, the height following
    EXPECT_EQ(medidas(), "197 x 147");

    caja("Tex_Alto")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(caja("Tex_Alto"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), control("Pic_BotImprimir")) << "Enter goes on to printing";
    auto* casilla = control<QCheckBox>("Chk_ImprimirDatos");
    QTest::mouseClick(casilla, Qt::LeftButton, {}, QPoint(8, casilla->height() / 2));
    EXPECT_EQ(e->ImprimirDatos, 1);

    TecleaEncima(caja("Tex_Ancho"), QStringLiteral("120"));
    int paginas = -1;
    alAparecer([&paginas](QWidget* vista) {
        auto* hoja = vista->findChild<QPrintPreviewWidget*>("Hoja");
        QApplication::processEvents();
        paginas = hoja && hoja->height() > vista->height() / 2 ? hoja->pageCount() : -1;  // filling the window
        vista->close();
    });
    QTest::mouseClick(control("Bot_VistaPrevia"), Qt::LeftButton);
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(e->AnchoImpresion, 120);
}

TEST_F(ImpresorPrueba, PrintsTheChartOnThePrinterAndRedrawsTheWindow) {
    const fs::path pdf = carpeta / "impresora.pdf";
    impresora(pdf.string());
    e->AltoImpresion = 300;  // the print follows the width whatever the height held
    e->Sonido = 1;
    imprime();
    QFile campana(QStringLiteral(":/sonidos/5.wav"));
    ASSERT_TRUE(campana.open(QIODevice::ReadOnly));
    EXPECT_EQ(e->SonidoDatos, campana.readAll().toStdString()) << "the printing chime";
    EXPECT_EQ(e->AltoImpresion, 150);
    EXPECT_TRUE(unaPagina(pdf));
    const std::string ruta = "'" + pdf.string() + "'";
    EXPECT_EQ(SalidaDe("pdfimages -list " + ruta + " | awk 'NR == 3 { print $4 / $5 }'"), "1.33333\n")
        << "the chart at 4:3";
    EXPECT_EQ(SalidaDe("pdftotext " + ruta + " - | tr -d ' \\n\\f'"), "") << "no strip asked for";
    EXPECT_EQ(redibujos, 1);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(preguntas, 0);
}

TEST_F(ImpresorPrueba, WithoutAPrinterOrWhenItFailsThePageIsOfferedAsAPdf) {
    // The printer ("" none, else the file it writes), the answer to the
    // offer, what the user gives the save dialog, the last message, and
    // whether a one-page PDF is then written.
    struct Caso { const char* impresora; bool acepta; const char* archivo; const char* aviso; bool escrito; };
    const Caso casos[] = {
        {"", true, "carta", "No hay ninguna impresora", true},
        {"", false, "carta", "No hay ninguna impresora", false},
        {"no-existe/impresora.pdf", true, "copia.pdf", "no ha podido imprimir", true},
        {"", true, "", "No hay ninguna impresora", false},  // the save dialog cancelled
        {"", true, "no-existe/carta.pdf", "pdf».  No existe el fichero o el directorio.", false},
    };
    for (const Caso& c : casos) {
        mensajes.clear();
        preguntas = 0;
        respuesta = c.acepta;
        archivo = *c.archivo ? (carpeta / c.archivo).string() : "";
        impresora(*c.impresora ? (carpeta / c.impresora).string() : "");
        imprime();
        ASSERT_FALSE(mensajes.empty()) << c.archivo;
        EXPECT_NE(mensajes.back().find(c.aviso), std::string::npos) << mensajes.back();
        EXPECT_EQ(preguntas, c.acepta ? 1 : 0) << c.archivo;
        fs::path escrito = archivo;
        if (escrito.extension() != ".pdf") escrito += ".pdf";
        EXPECT_EQ(fs::exists(escrito) && unaPagina(escrito), c.escrito) << escrito;
        fs::remove(escrito);
    }
    EXPECT_EQ(redibujos, 5) << "the chart is redrawn after every attempt";
    for (const auto& f : fs::directory_iterator(carpeta))
        EXPECT_NE(f.path().extension(), ".pdf") << "no partial file left behind";
}

// The dialog opened on the default queue of a cupsd of the test's own.
class ImpresorCupsPrueba : public PruebaDe<Impresor> {
protected:
    void SetUp() override {
        PruebaDe::SetUp();
        if (const std::string porque = cups.arranca(); !porque.empty()) GTEST_SKIP() << "no cupsd of our own: " << porque;
        abreSobreCarta(*e, d);
        d->pideArchivoPdf = [this] {
            ++preguntas;
            return QString::fromStdString((carpeta / "carta.pdf").string());
        };
    }
    void imprime() { QTest::mouseClick(control<QAbstractButton>("Pic_BotImprimir"), Qt::LeftButton); }
    // The one message shown, or why there is not exactly one.
    std::string mensaje() const {
        return mensajes.size() == 1 ? mensajes[0] : std::to_string(mensajes.size()) + " messages";
    }
    static bool contiene(const std::string& texto, const std::string& parte) {
        return texto.find(parte) != std::string::npos;
    }

    CupsPropio cups;
    int preguntas = 0;
};

TEST_F(ImpresorCupsPrueba, ARefusingOrStoppedQueueOffersThePdfAndPrintsNothing) {
    EXPECT_EQ(control<QLabel>("Lbl_Impresora")->text().section(QLatin1Char(' '), 0, 1).toStdString(),
              "Impresora: Prueba")
        << "the dialog found the server's default queue";
    // What puts the queue out of service, and what the user is told.
    const std::pair<const char*, const char*> casos[] = {
        {"cupsreject Prueba", "no acepta trabajos"},
        {"cupsdisable Prueba", "está detenida"},
    };
    for (const auto& [orden, motivo] : casos) {
        mensajes.clear();
        ASSERT_TRUE(cups.orden("cupsaccept Prueba") && cups.orden("cupsenable Prueba"));
        ASSERT_TRUE(cups.orden(orden));
        respuesta = false;  // Cancelar
        imprime();
        const std::string m = mensaje();
        EXPECT_TRUE(contiene(m, "La impresora  «Prueba»  ") && contiene(m, motivo)) << m;
        EXPECT_TRUE(contiene(m, "archivo PDF")) << "the PDF is offered: " << m;
        EXPECT_EQ(preguntas, 0) << "declined, no file is asked for";
        EXPECT_TRUE(cups.trabajos().empty()) << orden << ": nothing sent";
    }
    EXPECT_EQ(redibujos, 2);
}

TEST_F(ImpresorCupsPrueba, AnAcceptingQueueGetsTheChartAsItsOnlyJobWithoutAMessage) {
    d->impresora().setCopyCount(2);
    imprime();
    EXPECT_TRUE(mensajes.empty()) << mensaje();
    EXPECT_EQ(preguntas, 0);
    EXPECT_EQ(redibujos, 1);
    const auto trabajos = cups.trabajos();
    ASSERT_EQ(trabajos.size(), 1u);
    EXPECT_EQ(trabajos[0].titulo, "Carta celeste");
    EXPECT_EQ(trabajos[0].formato, "application/pdf");
    EXPECT_EQ(cups.atributo(trabajos[0].id, "copies"), 2) << "the printer's copies";

    // What the job carried is the page: one page, the chart at 4:3.
    const fs::path pdf = carpeta / "trabajo.pdf";
    std::ofstream(pdf, std::ios::binary) << cups.documento(trabajos[0].id);
    const std::string ruta = "'" + pdf.string() + "'";
    EXPECT_TRUE(contiene(SalidaDe("pdfinfo " + ruta), "Pages:           1")) << SalidaDe("pdfinfo " + ruta);
    EXPECT_EQ(SalidaDe("pdfimages -list " + ruta + " | awk 'NR == 3 { print $4 / $5 }'"), "1.33333\n");
}

TEST_F(ImpresorCupsPrueba, AJobThePrinterAbortsIsToldWithThePrintersWords) {
    ASSERT_TRUE(cups.orden("lpadmin -p Rota -E -v vespera:/rota -o printer-error-policy=abort-job"));
    d->impresora().setPrinterName(QStringLiteral("Rota"));
    respuesta = false;
    imprime();
    const std::string m = mensaje();
    EXPECT_TRUE(contiene(m, "La impresora  «Rota»  no ha podido imprimir la carta.  (atasco de papel)")) << m;
    EXPECT_TRUE(contiene(m, "archivo PDF")) << m;
}

TEST_F(ImpresorCupsPrueba, WhenTheServerGoesAfterOpeningTheSamePageIsSavedAsPdf) {
    cups.para();
    respuesta = true;  // Aceptar
    imprime();
    const std::string m = mensaje();
    EXPECT_TRUE(contiene(m, "«Prueba»") && contiene(m, "servicio de impresión")) << m;
    EXPECT_EQ(preguntas, 1);
    const fs::path pdf = carpeta / "carta.pdf";
    EXPECT_TRUE(contiene(SalidaDe("pdfinfo '" + pdf.string() + "'"), "Pages:           1")) << "the PDF is written";
    EXPECT_EQ(redibujos, 1);
}

}  // namespace
}  // namespace vsp::ui
