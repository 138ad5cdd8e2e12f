// The print dialog through its controls: the sizes typed and spun, and the
// print button on a printer (a PDF file standing in for it), without a
// printer and on a printer that fails, each read back with poppler's tools;
// and the preview's page.
#include "ui/dialogos/impresor.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QPrintPreviewWidget>

#include "../../orden.h"
#include "../dialogo.h"
#include "../modal.h"
#include "core/constantes.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

class ImpresorPrueba : public PruebaDialogo<Impresor> {
protected:
    void SetUp() override {
        PruebaDialogo::SetUp();
        ProgramState& e = Estado();
        e.ProporcionPantalla = 800.0f / 600;
        ActualizaTiempo();
        FijaVentanaCielo();
        e.AnchoImpresion = 200;
        e.ImprimirDatos = 0;
        d = std::make_unique<Impresor>(QSize(800, 600));
        impresora("");
        d->pideArchivoPdf = [this] {
            ++preguntas;
            return QString::fromStdString(archivo);
        };
        e.AnchoMaximoMm = 202;
        e.AltoMaximoMm = 289;
    }
    // A printer writing that file; "" leaves none (an empty file name would
    // bring this machine's default printer back).
    void impresora(const std::string& pdf) const {
        d->impresora().setOutputFileName(QString::fromStdString(pdf));
        if (pdf.empty()) d->impresora().setPrinterName({});
    }
    void imprime() { QTest::mouseClick(control<QAbstractButton>("Pic_BotImprimir"), Qt::LeftButton); }
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
    auto* ancho = control<QLineEdit>("Tex_Ancho");
    auto* alto = control<QLineEdit>("Tex_Alto");
    EscribeYSale(ancho, QStringLiteral("400"));
    EXPECT_EQ(ancho->text(), QStringLiteral("202"));
    EXPECT_EQ(alto->text(), QStringLiteral("151"));
    ClicSostenido(control("PicSpi_Ancho"), SpinAbajo);  // 5 mm, the height following
    EXPECT_EQ(ancho->text(), QStringLiteral("197"));
    EXPECT_EQ(alto->text(), QStringLiteral("147"));

    alto->setFocus(Qt::TabFocusReason);
    QTest::keyClick(alto, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), control("Pic_BotImprimir")) << "Enter goes on to printing";
    auto* casilla = control<QCheckBox>("Chk_ImprimirDatos");
    QTest::mouseClick(casilla, Qt::LeftButton, {}, QPoint(8, casilla->height() / 2));
    EXPECT_EQ(Estado().ImprimirDatos, 1);

    TecleaEncima(ancho, QStringLiteral("120"));
    int paginas = -1;
    alAparecer([&paginas](QWidget* vista) {
        auto* hoja = vista->findChild<QPrintPreviewWidget*>("Hoja");
        QApplication::processEvents();
        paginas = hoja && hoja->height() > vista->height() / 2 ? hoja->pageCount() : -1;  // filling the window
        vista->close();
    });
    QTest::mouseClick(control("Bot_VistaPrevia"), Qt::LeftButton);
    EXPECT_EQ(paginas, 1);
    EXPECT_EQ(Estado().AnchoImpresion, 120);
}

TEST_F(ImpresorPrueba, PrintsTheChartOnThePrinterAndRedrawsTheWindow) {
    const fs::path pdf = carpeta / "impresora.pdf";
    impresora(pdf.string());
    Estado().AltoImpresion = 300;  // the print follows the width whatever the height held
    Estado().Sonido = 1;
    imprime();
    QFile campana(QStringLiteral(":/sonidos/5.wav"));
    ASSERT_TRUE(campana.open(QIODevice::ReadOnly));
    EXPECT_EQ(Estado().SonidoDatos, campana.readAll().toStdString()) << "the printing chime";
    EXPECT_EQ(Estado().AltoImpresion, 150);
    EXPECT_TRUE(unaPagina(pdf));
    EXPECT_EQ(SalidaDe("pdfimages -list '" + pdf.string() + "' | awk 'NR == 3 { print $4 / $5 }'"), "1.33333\n") << "the chart at 4:3";
    EXPECT_EQ(SalidaDe("pdftotext '" + pdf.string() + "' - | tr -d ' \\n\\f'"), "") << "no strip asked for";
    EXPECT_EQ(redibujos, 1);
    EXPECT_TRUE(mensajes.empty());
    EXPECT_EQ(preguntas, 0);
}

TEST_F(ImpresorPrueba, WithoutAPrinterOrWhenItFailsThePageIsOfferedAsAPdf) {
    struct Caso {
        const char* impresora;  // "" none; otherwise a file the printer writes
        bool acepta;
        const char* archivo;    // what the user gives the save dialog
        const char* mensaje;    // the last message
        bool escrito;
    } casos[] = {
        {"", true, "carta", "No hay ninguna impresora", true},
        {"", false, "carta", "No hay ninguna impresora", false},
        {"no-existe/impresora.pdf", true, "copia.pdf", "no ha podido imprimir", true},
        {"", true, "", "No hay ninguna impresora", false},  // the save dialog cancelled
        {"", true, "no-existe/carta.pdf", "No se ha podido escribir", false},
    };
    for (const Caso& c : casos) {
        mensajes.clear();
        preguntas = 0;
        respuesta = c.acepta;
        archivo = *c.archivo ? (carpeta / c.archivo).string() : "";
        impresora(*c.impresora ? (carpeta / c.impresora).string() : "");
        imprime();
        ASSERT_FALSE(mensajes.empty()) << c.archivo;
        EXPECT_NE(mensajes.back().find(c.mensaje), std::string::npos) << mensajes.back();
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

}  // namespace
}  // namespace vsp::ui
