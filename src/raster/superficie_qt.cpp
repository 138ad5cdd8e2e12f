// The Qt raster surface. Points and labels, the bulk of a chart, are written
// straight into the image's pixels (each distinct label is rendered by Qt
// once and then only blended in); lines, circles and sectors go through a
// QPainter that stays open on the image until the next refresh. Clearing is
// put off until something is drawn, because a redraw clears and sets the
// background more than once before its first point.
#include "raster/superficie_qt.h"

#include "raster/poligono.h"

#include <QColor>
#include <QFontMetrics>
#include <QLineF>
#include <QPen>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <numbers>


namespace vsp {

namespace {

// Labels: a plain sans-serif of 11 pixels (8¼ points on a 96 dpi screen).
constexpr int kLabelPixels = 11;
// Distinct label texts kept laid out; past this the cache starts again.
constexpr size_t kMaxCachedLabels = 16384;
// Rings up to this radius in pixels are drawn from a cache.
constexpr double kMaxRingRadius = 48;

uint32_t toRgb32(Color c) {
    return 0xff000000u | (c & 0xffu) << 16 | (c & 0xff00u) | (c >> 16 & 0xffu);
}

bool finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

QFont defaultLabelFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(kLabelPixels);
    return f;
}

int deviceWidth(int pixels, double dpr) { return std::max(1, static_cast<int>(std::lround(pixels * dpr))); }

// The columns [first, last] of row j of a dot `size` pixels across: the
// pixels whose centres lie within the circle of that diameter. Dots of up to
// three pixels come out square.
void discRow(int size, int j, int& first, int& last) {
    const double r = size / 2.0, dy = j + 0.5 - r;
    const double half = std::sqrt(std::max(0.0, r * r - dy * dy));
    first = static_cast<int>(std::ceil(r - half - 0.5 - 1e-9));
    last = static_cast<int>(std::floor(r + half - 0.5 + 1e-9));
}

// d * (255 - a) / 255 + s * a / 255 for each colour byte, two at a time.
inline uint32_t blend(uint32_t d, uint32_t s, uint32_t a) {
    const uint32_t ia = 255 - a;
    uint32_t rb = (s & 0xff00ff) * a + (d & 0xff00ff) * ia;
    uint32_t g = (s & 0x00ff00) * a + (d & 0x00ff00) * ia;
    rb = ((rb + (rb >> 8 & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    g = ((g + (g >> 8 & 0x00ff00) + 0x008000) >> 8) & 0x00ff00;
    return 0xff000000u | rb | g;
}

}  // namespace

SuperficieQt::SuperficieQt(QSize pixeles, double dpr) : fuenteBase_(defaultLabelFont()) { resize(pixeles, dpr); }

SuperficieQt::~SuperficieQt() { endPainter(); }

void SuperficieQt::resize(QSize pixeles, double dpr) {
    endPainter();
    pixeles_ = nullptr;
    // The image is drawn in device pixels; whoever shows it scales it.
    imagen_ = QImage(pixeles.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    dpr_ = dpr > 0 && std::isfinite(dpr) ? dpr : 1;
    setDrawWidth(anchoLogico_);
    anchoPx_ = imagen_.width();
    altoPx_ = imagen_.height();
    if (!ventanaFijada_) {
        // Until a window is set, chart units are pixels with y upwards.
        izquierda_ = 0;
        arriba_ = altoPx_;
        ancho_ = anchoPx_;
        alto_ = -altoPx_;
    }
    updateScale();
    scaleFont();
    limpiezaPendiente_ = true;
}

void SuperficieQt::updateScale() {
    escalaX_ = anchoPx_ / ancho_;
    escalaY_ = altoPx_ / alto_;
}

const QImage& SuperficieQt::image() {
    preparePixels();
    endPainter();
    pixeles_ = nullptr;
    return imagen_;
}

void SuperficieQt::setFont(const QFont& fuente) {
    fuenteBase_ = fuente;
    scaleFont();
}

void SuperficieQt::scaleFont() {
    const double pixeles =
        fuenteBase_.pixelSize() > 0 ? fuenteBase_.pixelSize() : fuenteBase_.pointSizeF() * 96 / 72;
    fuente_ = fuenteBase_;
    fuente_.setPixelSize(std::max(1, static_cast<int>(std::lround(pixeles * dpr_))));
    altoTexto_ = QFontMetrics(fuente_).height();
    textos_.clear();
}

QPointF SuperficieQt::toPixel(double x, double y) const {
    return {(x - izquierda_) * escalaX_, (y - arriba_) * escalaY_};
}

QPointF SuperficieQt::toChart(QPointF pixel) const {
    return {izquierda_ + pixel.x() / escalaX_, arriba_ + pixel.y() / escalaY_};
}

// ---- Pixels and painter ----------------------------------------------------

void SuperficieQt::preparePixels() {
    if (!pixeles_) {
        pixeles_ = imagen_.bits();  // detaches from any copy taken since
        bytesPorLinea_ = imagen_.bytesPerLine();
    }
    if (limpiezaPendiente_) {
        imagen_.fill(fondo_);
        limpiezaPendiente_ = false;
    }
}

QPainter& SuperficieQt::painter() {
    preparePixels();
    if (!painter_.isActive()) {
        painter_.begin(&imagen_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        plumaPuesta_ = brochaPuesta_ = modoXorPuesto_ = suavePuesto_ = false;
    }
    if (xor_ != modoXorPuesto_) {
        painter_.setCompositionMode(xor_ ? QPainter::RasterOp_SourceXorDestination
                                         : QPainter::CompositionMode_SourceOver);
        modoXorPuesto_ = xor_;
    }
    if (const bool suave = suave_ && !xor_; suave != suavePuesto_) {
        painter_.setRenderHint(QPainter::Antialiasing, suave);
        suavePuesto_ = suave;
    }
    return painter_;
}

void SuperficieQt::endPainter() {
    if (painter_.isActive()) painter_.end();
}

void SuperficieQt::setPen(Color c) { setPen(c, anchoTrazo_); }

void SuperficieQt::setPen(Color c, int ancho) {
    if (plumaPuesta_ && plumaColor_ == c && plumaAncho_ == ancho) return;
    QPen pluma(QColor::fromRgb(toRgb32(c)), ancho);
    // Thick lines end and join round, as thick dots are round.
    if (ancho > 1) {
        pluma.setCapStyle(Qt::RoundCap);
        pluma.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(pluma);
    plumaPuesta_ = true;
    plumaColor_ = c;
    plumaAncho_ = ancho;
}

bool SuperficieQt::twinStroke() const { return anchoTrazo_ == 2 && !xor_; }

void SuperficieQt::setBrush(bool relleno, Color c) {
    if (brochaPuesta_ && brochaRelleno_ == relleno && (!relleno || brochaColor_ == c)) return;
    if (relleno)
        painter_.setBrush(QColor::fromRgb(toRgb32(c)));
    else
        painter_.setBrush(Qt::NoBrush);
    brochaPuesta_ = true;
    brochaRelleno_ = relleno;
    brochaColor_ = c;
}

// ---- Window and state --------------------------------------------------------

void SuperficieQt::setWindow(double izquierda, double arriba, double ancho, double alto) {
    if (!(std::isfinite(izquierda) && std::isfinite(arriba) && std::isfinite(ancho) && std::isfinite(alto)) ||
        ancho == 0 || alto == 0)
        return;
    ventanaFijada_ = true;
    izquierda_ = izquierda;
    arriba_ = arriba;
    ancho_ = ancho;
    alto_ = alto;
    updateScale();
}

void SuperficieQt::clear() {
    limpiezaPendiente_ = true;
    actualX_ = actualY_ = 0;
}

void SuperficieQt::setBackground(Color c) {
    fondo_ = toRgb32(c);
    clear();
}

void SuperficieQt::setForeground(Color c) {
    tintaColor_ = c & 0xffffff;
    tinta_ = toRgb32(c);
}

void SuperficieQt::setDrawWidth(int pixels) {
    anchoLogico_ = std::max(1, pixels);
    anchoTrazo_ = deviceWidth(anchoLogico_, dpr_);
}

void SuperficieQt::setLineStyle(int estilo) { estilo_ = estilo == EstiloInvisible ? EstiloInvisible : EstiloSolido; }

void SuperficieQt::setDrawMode(int modo) { xor_ = modo == ModoXor; }

void SuperficieQt::setSmooth(bool suave) { suave_ = suave; }

void SuperficieQt::setFillStyle(int relleno) { relleno_ = relleno == RellenoSolido; }

void SuperficieQt::setFillColor(Color c) { rellenoColor_ = c & 0xffffff; }

// ---- Points ------------------------------------------------------------------

void SuperficieQt::point(double x, double y) {
    actualX_ = x;
    actualY_ = y;
    const double px = (x - izquierda_) * escalaX_, py = (y - arriba_) * escalaY_;
    if (anchoTrazo_ == 1) {
        // The comparisons also turn away NaN.
        if (!(px >= 0 && px < anchoPx_ && py >= 0 && py < altoPx_)) return;
        preparePixels();
        auto* p = reinterpret_cast<uint32_t*>(pixeles_ + static_cast<int>(py) * bytesPorLinea_) + static_cast<int>(px);
        *p = xor_ ? *p ^ (tinta_ & 0xffffff) : tinta_;
        return;
    }
    // A dot of w pixels covers the w x w square whose centre is nearest to
    // the point.
    const double mitad = anchoTrazo_ / 2.0;
    if (!(px > -mitad - 1 && px < anchoPx_ + mitad + 1 && py > -mitad - 1 && py < altoPx_ + mitad + 1)) return;
    fillDisc(static_cast<int>(std::floor(px + 0.5 - mitad)), static_cast<int>(std::floor(py + 0.5 - mitad)),
             anchoTrazo_);
}

const std::vector<uint8_t>& SuperficieQt::discCoverage(int diametro) {
    auto [it, nuevo] = discos_.try_emplace(diametro);
    if (!nuevo) return it->second;
    // 8 x 8 samples a pixel against the circle inscribed in the square.
    constexpr int n = 8;
    const double r = diametro / 2.0;
    it->second.resize(static_cast<size_t>(diametro) * diametro);
    for (int j = 0; j < diametro; ++j)
        for (int i = 0; i < diametro; ++i) {
            int dentro = 0;
            for (int sj = 0; sj < n; ++sj)
                for (int si = 0; si < n; ++si) {
                    const double dx = i + (si + 0.5) / n - r, dy = j + (sj + 0.5) / n - r;
                    dentro += dx * dx + dy * dy <= r * r;
                }
            it->second[static_cast<size_t>(j) * diametro + i] = static_cast<uint8_t>((dentro * 255 + n * n / 2) / (n * n));
        }
    return it->second;
}

void SuperficieQt::fillDisc(int x0, int y0, int diametro) {
    preparePixels();
    if (suave_ && !xor_) {
        const std::vector<uint8_t>& cobertura = discCoverage(diametro);
        const int i0 = std::max(0, -x0), i1 = std::min(diametro, anchoPx_ - x0);
        for (int j = std::max(0, -y0); j < std::min(diametro, altoPx_ - y0); ++j) {
            auto* fila = reinterpret_cast<uint32_t*>(pixeles_ + (y0 + j) * bytesPorLinea_) + x0;
            const uint8_t* c = cobertura.data() + static_cast<size_t>(j) * diametro;
            for (int i = i0; i < i1; ++i)
                if (c[i]) fila[i] = c[i] == 255 ? tinta_ : blend(fila[i], tinta_, c[i]);
        }
        return;
    }
    const uint32_t xorMask = tinta_ & 0xffffff;
    for (int j = 0; j < diametro; ++j) {
        const int y = y0 + j;
        if (y < 0 || y >= altoPx_) continue;
        int first, last;
        discRow(diametro, j, first, last);
        first = std::max(first + x0, 0);
        last = std::min(last + x0, anchoPx_ - 1);
        auto* fila = reinterpret_cast<uint32_t*>(pixeles_ + y * bytesPorLinea_);
        for (int x = first; x <= last; ++x) fila[x] = xor_ ? fila[x] ^ xorMask : tinta_;
    }
}

// ---- Lines and figures ---------------------------------------------------------


void SuperficieQt::moveTo(double x, double y) {
    actualX_ = x;
    actualY_ = y;
}

void SuperficieQt::lineTo(double x, double y) { line(actualX_, actualY_, x, y); }

void SuperficieQt::line(double x1, double y1, double x2, double y2) {
    actualX_ = x2;
    actualY_ = y2;
    if (estilo_ == EstiloInvisible || !finite(x1, y1) || !finite(x2, y2)) return;
    QPainter& p = painter();
    const QLineF linea(toPixel(x1, y1), toPixel(x2, y2));
    if (twinStroke()) {
        // Two one-pixel lines side by side across the line's minor axis.
        setPen(tintaColor_, 1);
        const QPointF medio = std::abs(linea.dx()) >= std::abs(linea.dy()) ? QPointF(0, 0.5) : QPointF(0.5, 0);
        const QLineF lineas[2] = {linea.translated(-medio), linea.translated(medio)};
        p.drawLines(lineas, 2);
        return;
    }
    setPen(tintaColor_);
    p.drawLine(linea);
}

void SuperficieQt::box(double x1, double y1, double x2, double y2) {
    actualX_ = x2;
    actualY_ = y2;
    if (estilo_ == EstiloInvisible || !finite(x1, y1) || !finite(x2, y2)) return;
    QPainter& p = painter();
    setBrush(false, 0);
    const QPointF a = toPixel(x1, y1), b = toPixel(x2, y2);
    if (twinStroke()) {
        setPen(tintaColor_, 1);
        const QRectF caja = QRectF(a, b).normalized();
        const QRectF cajas[2] = {caja.adjusted(-0.5, -0.5, 0.5, 0.5), caja.adjusted(0.5, 0.5, -0.5, -0.5)};
        p.drawRects(cajas, caja.width() > 1 && caja.height() > 1 ? 2 : 1);
        return;
    }
    setPen(tintaColor_);
    const QPointF esquinas[4] = {a, {b.x(), a.y()}, b, {a.x(), b.y()}};
    p.drawPolygon(esquinas, 4);
}

void SuperficieQt::circle(double x, double y, double r, Color contorno, double aspect) {
    actualX_ = x;
    actualY_ = y;
    const double rx = std::abs(r * escalaX_), ry = std::abs(r * aspect * escalaY_);
    if (!finite(x, y) || !finite(rx, ry)) return;
    const QPointF centro = toPixel(x, y);
    if (!xor_ && rx <= kMaxRingRadius && ry <= kMaxRingRadius && std::abs(centro.x()) < 1e7 &&
        std::abs(centro.y()) < 1e7) {
        // Small rings, the bulk of the deep-sky symbols, are drawn once per
        // size and then blended in like the labels, their centres on the
        // nearest half pixel.
        const double hx = std::floor(centro.x() * 2 + 0.5), hy = std::floor(centro.y() * 2 + 0.5);
        const int medioX = static_cast<int>(hx) & 1, medioY = static_cast<int>(hy) & 1;
        const Anillo& a = ring(static_cast<int>(std::lround(rx * 4)), static_cast<int>(std::lround(ry * 4)), medioX, medioY);
        const int ix = static_cast<int>((hx - medioX) / 2), iy = static_cast<int>((hy - medioY) / 2);
        if (relleno_) blitCoverage(a.fondo, ix, iy, toRgb32(rellenoColor_));
        if (estilo_ != EstiloInvisible) blitCoverage(a.borde, ix, iy, toRgb32(contorno));
        return;
    }
    QPainter& p = painter();
    if (estilo_ != EstiloInvisible && twinStroke()) {
        // The fill, then two one-pixel rings half a pixel either side.
        if (relleno_) {
            p.setPen(Qt::NoPen), plumaPuesta_ = false;
            setBrush(true, rellenoColor_);
            p.drawEllipse(centro, rx, ry);
        }
        setPen(contorno & 0xffffff, 1);
        setBrush(false, 0);
        p.drawEllipse(centro, rx + 0.5, ry + 0.5);
        if (rx > 0.5 && ry > 0.5) p.drawEllipse(centro, rx - 0.5, ry - 0.5);
        return;
    }
    if (estilo_ == EstiloInvisible)
        p.setPen(Qt::NoPen), plumaPuesta_ = false;
    else
        setPen(contorno & 0xffffff);
    setBrush(relleno_, rellenoColor_);
    p.drawEllipse(centro, rx, ry);
}

void SuperficieQt::polygon(std::span<const PuntoCarta> puntos, Color contorno) {
    if (puntos.empty()) return;
    actualX_ = puntos[0].x;
    actualY_ = puntos[0].y;
    const auto poligono = PoligonoEnPixeles(puntos, [this](double x, double y) { return toPixel(x, y); });
    if (!poligono) return;
    QPainter& p = painter();
    if (estilo_ == EstiloInvisible)
        p.setPen(Qt::NoPen), plumaPuesta_ = false;
    else
        setPen(contorno & 0xffffff);
    setBrush(relleno_, rellenoColor_);
    p.drawPolygon(*poligono);
}

// ---- Labels ----------------------------------------------------------------------

const SuperficieQt::Etiqueta& SuperficieQt::label(std::string_view texto) {
    if (auto it = textos_.find(texto); it != textos_.end()) return it->second;
    if (textos_.size() >= kMaxCachedLabels) textos_.clear();

    // Qt lays out and renders the text once, with room for glyphs that
    // overhang their box; only the inked part is kept.
    const QString s = QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
    const QFontMetrics fm(fuente_);
    const int flags = Qt::AlignLeft | Qt::AlignTop;
    const QRect caja = fm.boundingRect(QRect(), flags, s);
    const int margen = fm.height() / 2 + 1;
    QImage lienzo(caja.size() + QSize(2 * margen, 2 * margen), QImage::Format_ARGB32_Premultiplied);
    lienzo.fill(Qt::transparent);
    {
        QPainter p(&lienzo);
        p.setFont(fuente_);
        p.setPen(Qt::white);
        p.drawText(QRect(QPoint(margen, margen), caja.size()), flags, s);
    }
    return textos_.emplace(std::string(texto), inkOf(lienzo, margen, margen)).first->second;
}

SuperficieQt::Etiqueta SuperficieQt::inkOf(const QImage& lienzo, int origenX, int origenY) {
    const int ancho = lienzo.width(), alto = lienzo.height();
    int x0 = ancho, x1 = -1, y0 = alto, y1 = -1;
    for (int y = 0; y < alto; ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(lienzo.constScanLine(y));
        for (int x = 0; x < ancho; ++x)
            if (qAlpha(fila[x])) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = y;
            }
    }
    Etiqueta e;
    e.dx = x0 - origenX;
    e.dy = y0 - origenY;
    e.ancho = std::max(0, x1 - x0 + 1);
    e.alto = std::max(0, y1 - y0 + 1);
    e.cobertura.reserve(static_cast<size_t>(e.ancho) * e.alto);
    e.tramos.reserve(e.alto);
    for (int y = y0; y <= y1; ++y) {
        const auto* fila = reinterpret_cast<const QRgb*>(lienzo.constScanLine(y));
        int desde = e.ancho, hasta = 0;
        for (int x = x0; x <= x1; ++x) {
            const uint8_t a = static_cast<uint8_t>(qAlpha(fila[x]));
            e.cobertura.push_back(a);
            if (a) desde = std::min(desde, x - x0), hasta = x - x0 + 1;
        }
        e.tramos.emplace_back(desde, hasta);
    }
    return e;
}

const SuperficieQt::Anillo& SuperficieQt::ring(int rx4, int ry4, int medioX, int medioY) {
    const uint64_t clave = static_cast<uint64_t>(rx4) << 40 | static_cast<uint64_t>(ry4) << 16 |
                           static_cast<uint64_t>(std::min(anchoTrazo_, 4095)) << 3 | uint64_t{suave_} << 2 |
                           static_cast<uint64_t>(medioX) << 1 | static_cast<uint64_t>(medioY);
    if (auto it = anillos_.find(clave); it != anillos_.end()) return it->second;
    if (anillos_.size() >= kMaxCachedLabels) anillos_.clear();
    const double rx = rx4 / 4.0, ry = ry4 / 4.0;
    const int margen = static_cast<int>(std::ceil(std::max(rx, ry))) + anchoTrazo_ + 2;
    const QPointF centro(margen + medioX / 2.0, margen + medioY / 2.0);
    QImage lienzo(QSize(2 * margen + 1, 2 * margen + 1), QImage::Format_ARGB32_Premultiplied);
    Anillo anillo;
    for (const bool borde : {false, true}) {
        lienzo.fill(Qt::transparent);
        {
            QPainter p(&lienzo);
            p.setRenderHint(QPainter::Antialiasing, suave_);
            if (borde) {
                QPen pluma(Qt::white, anchoTrazo_);
                p.setPen(pluma);
                p.setBrush(Qt::NoBrush);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
            }
            p.drawEllipse(centro, rx, ry);
        }
        (borde ? anillo.borde : anillo.fondo) = inkOf(lienzo, margen, margen);
    }
    return anillos_.emplace(clave, std::move(anillo)).first->second;
}


void SuperficieQt::blitLabel(const Etiqueta& e, int x, int y) { blitCoverage(e, x, y, tinta_); }

void SuperficieQt::blitCoverage(const Etiqueta& e, int x, int y, uint32_t tinta) {
    x += e.dx;
    y += e.dy;
    const int c0 = std::max(0, -x), c1 = std::min(e.ancho, anchoPx_ - x);
    const int f0 = std::max(0, -y), f1 = std::min(e.alto, altoPx_ - y);
    if (c0 >= c1 || f0 >= f1) return;
    preparePixels();
    const uint32_t xorMask = tinta & 0xffffff;
    for (int f = f0; f < f1; ++f) {
        auto* destino = reinterpret_cast<uint32_t*>(pixeles_ + (y + f) * bytesPorLinea_) + x;
        const uint8_t* cobertura = e.cobertura.data() + static_cast<size_t>(f) * e.ancho;
        if (xor_) {
            // Exclusive-or cannot blend: it takes the pixels at least half
            // covered, so that printing the label again removes it.
            for (int c = c0; c < c1; ++c) destino[c] ^= cobertura[c] >= 128 ? xorMask : 0;
        } else {
            // Only the row's inked runs: most of a label's box is bare.
            const auto [desde, hasta] = e.tramos[f];
            for (int c = std::max<int>(c0, desde); c < std::min<int>(c1, hasta); ++c) {
                const uint32_t a = cobertura[c];
                if (a) destino[c] = a == 255 ? tinta : blend(destino[c], tinta, a);
            }
        }
    }
}

void SuperficieQt::print(std::string_view texto) {
    const double x = actualX_, y = actualY_;
    const int lineas = 1 + static_cast<int>(std::count(texto.begin(), texto.end(), '\n'));
    actualY_ = y + lineas * altoTexto_ / escalaY_;
    if (texto.empty() || !finite(x, y)) return;
    // Whole pixels keep the glyphs crisp and the same wherever they land.
    const QPointF esquina = toPixel(x, y);
    if (!(std::abs(esquina.x()) < 1e7 && std::abs(esquina.y()) < 1e7)) return;
    blitLabel(label(texto), static_cast<int>(std::floor(esquina.x() + 0.5)),
              static_cast<int>(std::floor(esquina.y() + 0.5)));
}

void SuperficieQt::refresh() {
    image();
    if (onRefresh) onRefresh();
}

}  // namespace vsp
