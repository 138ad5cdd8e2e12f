// The frame's own artwork, drawn with QPainter at the screen's pixel ratio so
// that it stays crisp at any scale: the picture buttons of the message box,
// the three mouse cursors and the pictures of the splash screen.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <QPoint>

namespace vsp::ui::arte {

// A transparent picture of ancho × alto logical pixels at the screen's pixel
// ratio, for artwork drawn in logical coordinates.
QPixmap Lienzo(int ancho, int alto);

// The raised face every picture button of the program has: a pale rounded
// square of `lado` pixels with a light top edge.
void CaraBoton(QPainter& p, int lado);

// The 50 × 50 pictures of the message box's buttons: a green tick
// (Aceptar), a red cross (Cancelar) and an open door (Salir).
QPixmap BotonSi();
QPixmap BotonNo();
QPixmap BotonSalir();
// The 20 × 20 badge of the message box's title line: "i" on blue for a
// message, "?" on amber for a question.
QPixmap Distintivo(bool pregunta);

// The 32 × 32 cursor pictures, with the point that acts: the pencil's tip,
// the eraser's rubbing edge, the fingertip.
struct DibujoCursor {
    QPixmap imagen;
    QPoint punta;
};
DibujoCursor CursorLapiz();
DibujoCursor CursorGoma();
DibujoCursor CursorMano();

// The splash screen's source pictures: the logo (97 × 44), the icon
// (40 × 41), the three text strips stacked in one picture (236 × 77), and the
// night sky behind them.
QPixmap Logo();
QPixmap Icono();
QPixmap Tiras();
QPixmap CieloCareta(QSize tamano);

}  // namespace vsp::ui::arte
