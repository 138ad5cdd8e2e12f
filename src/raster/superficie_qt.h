// The chart's drawing surface on a Qt image: the window in chart units mapped
// onto the whole image, points and labels written straight into the pixels,
// lines, circles, sectors and polygons through QPainter without antialiasing.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "sky/superficie.h"

namespace vsp {

class SuperficieQt : public Superficie {
public:
    // An image of `pixeles` device pixels. Draw widths and the label font
    // are scaled by the device-pixel ratio `dpr` (a width of w draws
    // round(w * dpr) pixels, at least one).
    explicit SuperficieQt(QSize pixeles, double dpr = 1);
    ~SuperficieQt() override;
    SuperficieQt(const SuperficieQt&) = delete;
    SuperficieQt& operator=(const SuperficieQt&) = delete;

    // A new image size and ratio; the image is cleared to the background.
    void resize(QSize pixeles, double dpr);
    double devicePixelRatio() const { return dpr_; }

    // The image with everything drawn so far. Read it through this reference
    // (a copy taken while drawing goes on would later cost a deep copy).
    const QImage& image();

    // The label font (DejaVu Sans, 11 pixels at ratio 1, by default); the
    // pixel or point size given is scaled by the ratio.
    void setFont(const QFont& fuente);

    // Chart coordinates to image pixels (pixel i covers [i, i + 1)) and back.
    QPointF toPixel(double x, double y) const;
    QPointF toChart(QPointF pixel) const;

    // Smooth drawing: lines, circles, sectors and polygons antialiased and
    // dots of two pixels or more as discs with soft edges. Exclusive-or
    // drawing stays hard, so that drawing a figure twice still removes it
    // exactly.
    void setSmooth(bool suave);
    bool smooth() const { return suave_; }

    // Called by refresh(), so that a widget can repaint itself.
    std::function<void()> onRefresh;

    void setWindow(double izquierda, double arriba, double ancho, double alto) override;
    double windowWidth() const override { return ancho_; }
    void clear() override;
    void setBackground(Color c) override;
    void setForeground(Color c) override;
    void setDrawWidth(int pixels) override;
    void setLineStyle(int estilo) override;
    void setDrawMode(int modo) override;
    void setFillStyle(int relleno) override;
    void setFillColor(Color c) override;
    void point(double x, double y) override;
    void moveTo(double x, double y) override;
    void lineTo(double x, double y) override;
    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void circle(double x, double y, double r, Color contorno, double aspect = 1) override;
    void polygon(std::span<const PuntoCarta> puntos, Color contorno) override;
    void print(std::string_view texto) override;
    void refresh() override;

private:
    void scaleFont();
    void updateScale();
    // Makes the pixels writable, doing a clear that was put off.
    void preparePixels();
    // The painter, started on the image when first needed after a refresh.
    QPainter& painter();
    void endPainter();
    void setPen(Color c);
    void setPen(Color c, int ancho);
    // Two-pixel lines and rings (one logical pixel at twice the density) are
    // drawn as two one-pixel ones: Qt's one-pixel path is several times
    // faster than its general stroker, which made a chart of a scale-2
    // screen too slow to animate.
    bool twinStroke() const;
    void setBrush(bool relleno, Color c);
    // A dot: the pixels of the box whose centres lie within its circle or,
    // smooth, each pixel by the share of it the circle covers.
    void fillDisc(int x0, int y0, int diametro);
    // The coverage (0..255) of a dot of this diameter over its square.
    const std::vector<uint8_t>& discCoverage(int diametro);

    // A label rendered once: its coverage (0..255) per pixel over the box
    // of its ink, placed relative to the text's top-left corner.
    struct Etiqueta {
        int dx = 0, dy = 0, ancho = 0, alto = 0;
        std::vector<uint8_t> cobertura;  // alto rows of ancho
        std::vector<std::pair<int16_t, int16_t>> tramos;  // each row's inked columns [from, to)
    };
    const Etiqueta& label(std::string_view texto);
    // The inked part of an image's alpha, placed relative to (origenX, origenY).
    static Etiqueta inkOf(const QImage& lienzo, int origenX, int origenY);
    // Blends it into the image in the foreground colour at (x, y) pixels.
    void blitLabel(const Etiqueta& etiqueta, int x, int y);
    void blitCoverage(const Etiqueta& etiqueta, int x, int y, uint32_t tinta);
    // An ellipse of radii rx4/4 and ry4/4 pixels, its centre half a pixel
    // right or down of a pixel corner when medioX or medioY is 1: its
    // outline in the current draw width and its inside, placed relative to
    // that corner.
    struct Anillo {
        Etiqueta borde, fondo;
    };
    const Anillo& ring(int rx4, int ry4, int medioX, int medioY);
    // Lets the cache be searched with a string_view.
    struct HashTexto {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };

    QImage imagen_;
    double dpr_ = 1;
    int anchoPx_ = 0, altoPx_ = 0;

    // The window and its scale: pixel = (chart - corner) * escala.
    bool ventanaFijada_ = false;
    double izquierda_ = 0, arriba_ = 0, ancho_ = 1, alto_ = -1;
    double escalaX_ = 1, escalaY_ = 1;

    // Surface state.
    uint32_t fondo_ = 0xff000000;  // background as an RGB32 pixel
    uint32_t tinta_ = 0xffffffff;  // foreground as an RGB32 pixel
    Color tintaColor_ = 0xffffff;
    Color rellenoColor_ = 0;
    int anchoLogico_ = 1;          // draw width as set
    int anchoTrazo_ = 1;           // the same in device pixels
    int estilo_ = EstiloSolido;
    bool xor_ = false;
    bool relleno_ = false;         // fill style solid
    bool suave_ = false;           // smooth drawing
    double actualX_ = 0, actualY_ = 0;

    // Direct pixel access; null until preparePixels().
    uchar* pixeles_ = nullptr;
    qsizetype bytesPorLinea_ = 0;
    bool limpiezaPendiente_ = true;

    // The painter and what was last given to it.
    QPainter painter_;
    bool plumaPuesta_ = false;
    Color plumaColor_ = 0;
    int plumaAncho_ = 0;
    bool brochaPuesta_ = false;
    bool brochaRelleno_ = false;
    Color brochaColor_ = 0;
    bool modoXorPuesto_ = false;
    bool suavePuesto_ = false;

    // Smooth dots' coverage, by diameter; rings by size, draw width and
    // smoothness.
    std::unordered_map<int, std::vector<uint8_t>> discos_;
    std::unordered_map<uint64_t, Anillo> anillos_;

    // Labels: each distinct text rendered once.
    QFont fuenteBase_;   // as given, before the ratio
    QFont fuente_;       // in device pixels
    int altoTexto_ = 0;  // pixels of one line
    std::unordered_map<std::string, Etiqueta, HashTexto, std::equal_to<>> textos_;
};

}  // namespace vsp
