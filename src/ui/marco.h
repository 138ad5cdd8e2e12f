// The frame every window and dialog shares: the program's message box, the
// feedback sounds, the custom mouse cursors, the help window and the splash
// screen.
#pragma once

class QAbstractButton;
class QWidget;
class QCursor;

namespace vsp::ui {

// Attaches the program's own modal message box to the engine, so that every
// MensajeBox (catalogue and configuration errors, questions) appears on
// screen over `principal`.
void InstalaMensajes(QWidget* principal);

// Plays sound 4..9 asynchronously; a new sound replaces the one playing.
// Silent when the Sonido option is not 1.
void PlaySonido(int id);

enum class Puntero { Lapiz, Goma, ManoIndice };
const QCursor& CursorPrograma(Puntero p);
void PonCursor(QWidget* control, Puntero p);
// The pencil over a cleared box (a click ticks it), the eraser over a ticked one.
void CursorCasilla(QAbstractButton* casilla);

// The splash screen, modal; returns when it has ended (two passes or a key).
void MuestraCareta();

// The help window on its contents page.
void AbreAyuda(QWidget* padre);

}  // namespace vsp::ui
