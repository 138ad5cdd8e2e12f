// The print dialog through its controls: the sizes typed and spun, and the
// print button on a printer (a PDF file standing in for it), without a
// printer and on a printer that fails, each read back with poppler's tools;
// and the preview's page.
#include "ui/dialogos/impresor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "../../motor_nuevo.h"
#include "../../orden.h"
#include "../modal.h"
#include "../teclea.h"
#include "core/constantes.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace vsp::ui {
namespace {

namespace fs = std::filesystem;

class ImpresorPrueba : public ::testing::Test {
protected:
    void SetUp() override {
        MotorNuevo();
        carpeta = CarpetaConSituacionInicial();
        ProgramState& e = Estado();
        e.ProporcionPantalla = 800.0f / 600;
        ActualizaTiempo();
        FijaVentanaCielo();
        e.AnchoImpresion = 200;
        e.ImprimirDatos = 0;
        avisos().Redibujo = [this] { ++redibujos; };
        avisos().Mensaje = [this](const std::string&, const std::string& texto, int16_t, int16_t) {
            mensajes.push_back(texto);
            return acepta;
        };
        d = std::make_unique<Impresor>(QSize(800, 600));
        sinImpresora();
        d->pideArchivoPdf = [this] {
            ++preguntas;
            return QString::fromStdString(archivo);
        };
        e.AnchoMaximoMm = 202;
        e.AltoMaximoMm = 289;
    }
    void TearDown() override {
        d.reset();
        ReiniciaAvisos();
        fs::remove_all(carpeta);
    }
    template <typename T>
    T* control(const char* nombre) const {
        T* c = d->findChild<T*>(nombre);
        EXPECT_NE(c, nullptr) << nombre;
        return c;
    }
    // Whatever this machine has: an empty file name would bring its default
    // printer back, an empty printer name leaves none.
    void sinImpresora() const {
        d->impresora().setOutputFileName({});
        d->impresora().setPrinterName({});
    }
    void imprime() { QTest::mouseClick(control<QAbstractButton>("Pic_BotImprimir"), Qt::LeftButton); }
    std::string pagina(const fs::path& pdf) const { return SalidaDe("pdfinfo '" + pdf.string() + "'"); }

    std::unique_ptr<Impresor> d;
    fs::path carpeta;
    std::string archivo;
    std::vector<std::string> mensajes;
    bool acepta = true;
    int redibujos = 0, preguntas = 0;
};

TEST_F(ImpresorPrueba, TypedAndSpunSizesKeepTheChartAtFourToThreeOnThePage) {
    ASSERT_TRUE(MuestraActiva(d.get()));
    ProgramState& e = Estado();
    auto* ancho = control<QLineEdit>("Tex_Ancho");
    auto* alto = control<QLineEdit>("Tex_Alto");
    EscribeYSale(ancho, QStringLiteral("400"));
    EXPECT_EQ(ancho->text(), QStringLiteral("202"));
    EXPECT_EQ(alto->text(), QStringLiteral("151"));

    // The width's spin, down from its upper half: 5 mm, the height following.
    auto* spin = control<QWidget>("PicSpi_Ancho");
    QCoreApplication::postEvent(spin, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(12, 22),
                                                      spin->mapToGlobal(QPointF(12, 22)), Qt::LeftButton,
                                                      Qt::NoButton, Qt::NoModifier));
    QTest::mousePress(spin, Qt::LeftButton, {}, QPoint(12, 22));
    QApplication::processEvents();
    EXPECT_EQ(ancho->text(), QStringLiteral("197"));
    EXPECT_EQ(alto->text(), QStringLiteral("147"));

    // Enter goes on to printing.
    alto->setFocus(Qt::TabFocusReason);
    QTest::keyClick(alto, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>("Pic_BotImprimir"));

    auto* casilla = control<QCheckBox>("Chk_ImprimirDatos");
    QTest::mouseClick(casilla, Qt::LeftButton, {}, QPoint(8, casilla->height() / 2));
    EXPECT_EQ(e.ImprimirDatos, 1) << casilla->isChecked();
}

TEST_F(ImpresorPrueba, PrintsTheChartOnThePrinterAndRedrawsTheWindow) {
    const fs::path pdf = carpeta / "impresora.pdf";
    d->impresora().setOutputFileName(QString::fromStdString(pdf.string()));
    Estado().AltoImpresion = 300;  // the print follows the width whatever the height held
    imprime();
    EXPECT_EQ(Estado().AltoImpresion, 150);
    EXPECT_NE(pagina(pdf).find("Pages:           1"), std::string::npos) << pagina(pdf);
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
        acepta = c.acepta;
        archivo = *c.archivo ? (carpeta / c.archivo).string() : "";
        if (*c.impresora)
            d->impresora().setOutputFileName(QString::fromStdString((carpeta / c.impresora).string()));
        else
            sinImpresora();
        imprime();
        ASSERT_FALSE(mensajes.empty()) << c.archivo;
        EXPECT_NE(mensajes.back().find(c.mensaje), std::string::npos) << mensajes.back();
        EXPECT_EQ(preguntas, c.acepta ? 1 : 0) << c.archivo;
        fs::path escrito = archivo;
        if (escrito.extension() != ".pdf") escrito += ".pdf";
        EXPECT_EQ(fs::exists(escrito), c.escrito) << escrito;
        if (c.escrito) {
            EXPECT_NE(pagina(escrito).find("Pages:           1"), std::string::npos);
        }
        fs::remove(escrito);
    }
    EXPECT_EQ(redibujos, 5) << "the chart is redrawn after every attempt";
    std::vector<fs::path> restos;
    for (const auto& f : fs::directory_iterator(carpeta))
        if (f.path().extension() == ".pdf") restos.push_back(f.path());
    EXPECT_TRUE(restos.empty()) << "no partial file left behind";
}

TEST_F(ImpresorPrueba, ThePreviewShowsOnePage) {
    int paginas = -1;
    alAparecer([&paginas](QWidget* vista) {
        auto* hoja = vista->findChild<QPrintPreviewWidget*>("Hoja");
        QApplication::processEvents();
        paginas = hoja ? hoja->pageCount() : -1;
        vista->close();
    });
    d->previsualiza();
    EXPECT_EQ(paginas, 1);
}

}  // namespace
}  // namespace vsp::ui
