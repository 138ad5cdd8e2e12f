// A drawing surface that records every call with its arguments, so that tests
// can say "Sirius drawn as a point of width 2 at (x, y)" instead of comparing
// images. It keeps the surface state as a real surface would.
#pragma once

#include <string>
#include <vector>

#include "sky/superficie.h"

namespace vsp {

struct Operacion {
    enum Tipo {
        Ventana, Limpia, Fondo, Tinta, Ancho, Estilo, Modo, EstiloRelleno, ColorRelleno,
        Punto, Mueve, LineaA, Linea, Caja, Circulo, Poligono, Texto, Refresca
    };
    Tipo tipo;
    double a = 0, b = 0, c = 0, d = 0, e = 0;  // coordinates, radius, angles
    Color color = 0;                          // the colour argument or the foreground
    int entero = 0;                           // width, style, mode
    std::string texto;
    std::vector<PuntoCarta> puntos;           // a polygon's vertices
    // The surface state when the operation was made.
    Color tinta = 0;
    int ancho = 1;
    int estilo = EstiloSolido;
};

class SuperficieGrabadora : public Superficie {
public:
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
    void circle(double x, double y, double r, Color contorno, double aspect) override;
    void polygon(std::span<const PuntoCarta> puntos, Color contorno) override;
    void print(std::string_view texto) override;
    void refresh() override;

    std::vector<Operacion> operaciones;
    Color fondo = 0;

    // The operations of one kind, in order.
    std::vector<Operacion> de(Operacion::Tipo tipo) const;
    // The texts printed, in order.
    std::vector<std::string> textos() const;

private:
    Operacion& anota(Operacion::Tipo tipo);
    double ancho_ = 0;
    Color tinta_ = 0;
    int anchoTrazo_ = 1;
    int estilo_ = EstiloSolido;
};

}  // namespace vsp
