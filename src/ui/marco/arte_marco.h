// The program's pictures: the SVG files of data/arte, drawn by tools/arte
// and built into the program, drawn here at the screen's pixel ratio so
// that they stay crisp at any scale. The frame's own ones are named below:
// the picture buttons of the message box, the three mouse cursors and the
// pictures of the splash screen.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QPoint>

namespace vsp::ui::arte {

// The picture `nombre` (a file of data/arte without ".svg") drawn at
// `tamano` logical pixels, at pixel ratio `ratio` (the screen's when 0),
// on a transparent ground; drawn once for each size and ratio, and kept.
const QImage& Dibujo(const char* nombre, QSize tamano, qreal ratio = 0);
QPixmap Imagen(const char* nombre, QSize tamano);

// The 50 × 50 pictures of the message box's buttons: a green tick
// (Aceptar), a red cross (Cancelar) and an open door (Salir).
QPixmap BotonSi();
QPixmap BotonNo();
QPixmap BotonSalir();
// The 20 × 20 badge of the message box's title line: "i" on blue for a
// message, "?" on amber for a question, "!" on red for an error.
enum class Signo { Aviso, Pregunta, Error };
QPixmap Distintivo(Signo signo);

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
// night sky behind them, at the size asked for.
QPixmap Logo();
QPixmap Icono();
QPixmap Tiras();
QPixmap CieloCareta(QSize tamano);

}  // namespace vsp::ui::arte
