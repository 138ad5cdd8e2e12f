// The recording surface.
#include "sky/superficie_grabadora.h"

namespace vsp {

Operacion& SuperficieGrabadora::anota(Operacion::Tipo tipo) {
    Operacion o;
    o.tipo = tipo;
    o.color = tinta_;
    o.tinta = tinta_;
    o.ancho = anchoTrazo_;
    o.estilo = estilo_;
    operaciones.push_back(o);
    return operaciones.back();
}

void SuperficieGrabadora::setWindow(double izquierda, double arriba, double ancho, double alto) {
    ancho_ = ancho;
    auto& o = anota(Operacion::Ventana);
    o.a = izquierda, o.b = arriba, o.c = ancho, o.d = alto;
}

void SuperficieGrabadora::clear() { anota(Operacion::Limpia).color = fondo; }

void SuperficieGrabadora::setBackground(Color c) {
    fondo = c;
    anota(Operacion::Fondo).color = c;
}

void SuperficieGrabadora::setForeground(Color c) {
    tinta_ = c;
    anota(Operacion::Tinta).color = c;
}

void SuperficieGrabadora::setDrawWidth(int pixels) {
    anchoTrazo_ = pixels;
    anota(Operacion::Ancho).entero = pixels;
}

void SuperficieGrabadora::setLineStyle(int estilo) {
    estilo_ = estilo;
    anota(Operacion::Estilo).entero = estilo;
}

void SuperficieGrabadora::setDrawMode(int modo) { anota(Operacion::Modo).entero = modo; }

void SuperficieGrabadora::setFillStyle(int relleno) { anota(Operacion::EstiloRelleno).entero = relleno; }

void SuperficieGrabadora::setFillColor(Color c) { anota(Operacion::ColorRelleno).color = c; }

void SuperficieGrabadora::point(double x, double y) {
    auto& o = anota(Operacion::Punto);
    o.a = x, o.b = y;
}

void SuperficieGrabadora::moveTo(double x, double y) {
    auto& o = anota(Operacion::Mueve);
    o.a = x, o.b = y;
}

void SuperficieGrabadora::lineTo(double x, double y) {
    auto& o = anota(Operacion::LineaA);
    o.a = x, o.b = y;
}

void SuperficieGrabadora::line(double x1, double y1, double x2, double y2) {
    auto& o = anota(Operacion::Linea);
    o.a = x1, o.b = y1, o.c = x2, o.d = y2;
}

void SuperficieGrabadora::box(double x1, double y1, double x2, double y2) {
    auto& o = anota(Operacion::Caja);
    o.a = x1, o.b = y1, o.c = x2, o.d = y2;
}

void SuperficieGrabadora::circle(double x, double y, double r, Color contorno, double aspect) {
    auto& o = anota(Operacion::Circulo);
    o.a = x, o.b = y, o.c = r, o.d = aspect;
    o.color = contorno;
}

void SuperficieGrabadora::polygon(std::span<const PuntoCarta> puntos, Color contorno) {
    auto& o = anota(Operacion::Poligono);
    o.puntos.assign(puntos.begin(), puntos.end());
    if (!puntos.empty()) o.a = puntos[0].x, o.b = puntos[0].y;
    o.color = contorno;
}

void SuperficieGrabadora::print(std::string_view texto) { anota(Operacion::Texto).texto = texto; }

void SuperficieGrabadora::refresh() { anota(Operacion::Refresca); }

std::vector<Operacion> SuperficieGrabadora::de(Operacion::Tipo tipo) const {
    std::vector<Operacion> r;
    for (const Operacion& o : operaciones)
        if (o.tipo == tipo) r.push_back(o);
    return r;
}

std::vector<std::string> SuperficieGrabadora::textos() const {
    std::vector<std::string> r;
    for (const Operacion& o : operaciones)
        if (o.tipo == Operacion::Texto) r.push_back(o.texto);
    return r;
}

}  // namespace vsp
