// Speed of a full redraw on the Qt raster surface at 1280 x 960 with every
// layer and label on, after the real start-up; of the surface's two bulk
// operations alone: the star points and the labels of one redraw; and of the
// printed page of that chart, 200 x 150 mm with its data strip, into a PDF.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QSize>

#include <random>
#include <string>
#include <vector>

#include "core/carpetas.h"
#include "core/estado.h"
#include "impresion/carta_impresa.h"
#include "programa/arranque.h"
#include "raster/exporta.h"
#include "raster/superficie_qt.h"
#include "sky/dibujo.h"
#include "sky/proyeccion.h"
#include "time/tiempo.h"

namespace {

constexpr QSize kChart(1280, 960);

// The initial situation (a summer night looking south) with everything on
// but the daylight sky and the 30 degree grid.
void setEverythingShown() {
    vsp::ReiniciaEstado();
    vsp::FijaCarpetaPrograma(VESPERA_DATOS);
    vsp::Estado().ProporcionPantalla = static_cast<float>(kChart.width()) / kChart.height();
    vsp::ArrancaPrograma(std::string(VESPERA_DATOS) + "/INICIAL.VPC");
    vsp::ProgramState& e = vsp::Estado();
    e.Casillas.fill(0);
    for (int c : {vsp::Chk_Sol, vsp::Chk_Luna, vsp::Chk_Plane1, vsp::Chk_Plane2, vsp::Chk_Plane3, vsp::Chk_Plane4,
                  vsp::Chk_Plane5, vsp::Chk_Plane6, vsp::Chk_Plane7, vsp::Chk_Plane8, vsp::Chk_Plane9, vsp::Chk_Galax, vsp::Chk_NebPl, vsp::Chk_NebDi, vsp::Chk_ARDEC15, vsp::Chk_Horiz,
                  vsp::Chk_Eclip, vsp::Chk_ViaLa, vsp::Chk_Messi, vsp::Chk_IdentiProfun})
        e.Casillas[c] = 1;
    e.NivelEstrellas = 7;
    e.NivelConstel = 4;
    e.IdEstrellas = 2;
    e.IdConstel = 2;
    e.IdMessier = 2;
    e.NivelGalaxias = 4;
    e.NivelNebPlanetarias = 2;
    e.NivelNebDifusas = 2;
    e.Zoom = 1;
    vsp::FijaVentanaCielo();
    vsp::CalculaDireccionMenosPi();
}

// Argument 1: smooth drawing; 0: plain.
void BM_RedibujoCompleto(benchmark::State& state) {
    setEverythingShown();
    vsp::SuperficieQt s(kChart);
    s.setSmooth(state.range(0) != 0);
    for (auto _ : state) {
        vsp::DibujaCielo(s);
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_RedibujoCompleto)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// One frame of the pad's animation on a screen of device scale 2: a time
// step, the chart drawn at 2560 x 1920 pixels, and the picture copied into
// a window's backing store the way the chart widget paints it. 16.7 ms is
// 60 frames a second.
void BM_FotogramaAnimacion(benchmark::State& state) {
    setEverythingShown();
    vsp::ProgramState& e = vsp::Estado();
    e.UnidadAnima = 2;  // an hour a step
    e.FactorAnima = 1;
    e.PasoTiempo = e.TablaUnidades[2];
    vsp::SuperficieQt s(kChart * 2, 2);
    s.setSmooth(true);
    QImage ventana(kChart * 2, QImage::Format_RGB32);  // an X11 window's backing store
    ventana.setDevicePixelRatio(2);
    for (auto _ : state) {
        vsp::AvanzaTiempo();
        vsp::DibujaCielo(s);
        QPainter p(&ventana);
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(kChart)), s.image());
    }
}
BENCHMARK(BM_FotogramaAnimacion)->Unit(benchmark::kMillisecond);

// The drawn chart encoded as the PNG the export and --render write.
void BM_CodificaPng(benchmark::State& state) {
    setEverythingShown();
    vsp::SuperficieQt s(QSize(1024, 768));
    s.setSmooth(true);
    vsp::DibujaCielo(s);
    qsizetype bytes = 0;
    for (auto _ : state) bytes = vsp::CartaEnFormato(vsp::FormatoCarta::Png, s.image().size(), &s.image()).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CodificaPng)->Unit(benchmark::kMillisecond)->UseRealTime();

// The chart drawn again at 600 dpi (4724 x 3543 pixels) and written with the
// strip into a PDF file, as the print dialog does on a printer.
void BM_PaginaImpresaPdf(benchmark::State& state) {
    setEverythingShown();
    vsp::ProgramState& e = vsp::Estado();
    e.AnchoImpresion = 200;
    e.ImprimirDatos = 1;
    const QString ruta = QDir::temp().filePath(QStringLiteral("vespera-bench-pagina.pdf"));
    for (auto _ : state) {
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(ruta);
        if (!vsp::ImprimeCarta(impresora, QSizeF(kChart))) state.SkipWithError("the PDF could not be written");
    }
    state.counters["bytes"] = static_cast<double>(QFileInfo(ruta).size());
    QFile::remove(ruta);
}
BENCHMARK(BM_PaginaImpresaPdf)->Unit(benchmark::kMillisecond);

// Points spread over the window in the star drawer's widths and colours.
void BM_PuntosEstrellas(benchmark::State& state) {
    vsp::SuperficieQt s(kChart);
    s.setWindow(-1.7333333, 1.3, 3.4666667, -2.6);
    std::mt19937 rng(26520);
    std::uniform_real_distribution<double> x(-1.8, 1.8), y(-1.35, 1.35);
    struct P { double x, y; int ancho; vsp::Color c; };
    std::vector<P> puntos(26520);
    for (size_t i = 0; i < puntos.size(); ++i)
        puntos[i] = {x(rng), y(rng), i < 300 ? 3 : i < 3000 ? 2 : 1, i % 3 ? 0xffffffu : 0x00ffffu};
    for (auto _ : state) {
        s.clear();
        for (const P& p : puntos) {
            s.setDrawWidth(p.ancho);
            s.setForeground(p.c);
            s.point(p.x, p.y);
        }
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_PuntosEstrellas)->Unit(benchmark::kMillisecond);

// 3000 labels of 600 distinct texts, as stars, constellations and objects.
void BM_Etiquetas(benchmark::State& state) {
    vsp::SuperficieQt s(kChart);
    s.setWindow(-1.7333333, 1.3, 3.4666667, -2.6);
    std::mt19937 rng(3000);
    std::uniform_real_distribution<double> x(-1.8, 1.6), y(-1.3, 1.35);
    std::vector<std::string> textos;
    for (int i = 0; i < 600; ++i) textos.push_back(i % 2 ? "M" + std::to_string(i) : "Estrella " + std::to_string(i));
    struct E { double x, y; const std::string* t; };
    std::vector<E> etiquetas(3000);
    for (size_t i = 0; i < etiquetas.size(); ++i) etiquetas[i] = {x(rng), y(rng), &textos[i % textos.size()]};
    for (auto _ : state) {
        s.clear();
        for (const E& e : etiquetas) {
            s.moveTo(e.x, e.y);
            s.print(*e.t);
        }
        benchmark::DoNotOptimize(s.image().constBits());
    }
}
BENCHMARK(BM_Etiquetas)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
