// The frame every window and dialog shares: the program's message box, the
// feedback sounds, the custom mouse cursors, the picture buttons, the help
// window and the splash screen.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class QCursor;
class QFont;
class QWidget;

namespace vsp::ui {

// One readable look for every tool tip of the program: dark text on a pale
// card, whatever the colours of the control that shows it.
void ConsejosLegibles();

// Qt's own texts (the file dialogs' "Guardar", "Cancelar", "Buscar en") in
// the program's language, from the system's Qt translations; false when
// they are not installed and Qt speaks English.
bool TextosDeQtEnEspanol();

// Attaches the program's own modal message box to the engine, so that every
// MensajeBox (catalogue and configuration errors, questions) appears on
// screen over `principal`.
void InstalaMensajes(QWidget* principal);

// Plays sound 4..9 asynchronously; a new sound replaces the one playing.
// Silent when the Sonido option is not 1. The sound's bytes are left in
// Estado().SonidoDatos, as the engine keeps them.
void PlaySonido(int id);

// Called once before the application object goes: waits (two seconds at
// most) until no sound is still being decoded. Qt's sample cache, torn down
// at exit, deadlocks with a decoding still under way.
void TerminaSonidos();

enum class Puntero { Lapiz, Goma, ManoIndice };
const QCursor& CursorPrograma(Puntero p);
void PonCursor(QWidget* control, Puntero p);
// The pencil over a cleared box (a click ticks it), the eraser over a ticked one.
void CursorCasilla(QAbstractButton* casilla);

// The fixed-pitch font of every text whose columns must line up (panels,
// listings, typed-over boxes); at `pixeles` high when given.
QFont FuenteFija(int pixeles = 0);

// The hourglass for the length of a long action.
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};

// The 50 × 50 picture of every dialog's close button Pic_BotSalir (an open
// door with an arrow leading out).
QPixmap ImagenSalir();

// A picture used as a button (Pic_BotSalir, Pic_Si, Pic_No...): it shows
// its picture, sinks while pressed, brightens under the mouse and wears the
// pointing-hand cursor. It takes no keyboard focus, so keys reach its
// dialog, unless the dialog gives it a focus policy to end its Enter order:
// then it shows a focus ring and Enter or Space clicks it. `pressed` fires
// on mouse down, `clicked` on release over it.
class BotonImagen : public QAbstractButton {
    Q_OBJECT
public:
    BotonImagen(const QPixmap& imagen, const QString& consejo, QWidget* padre = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    QPixmap imagen_;
};

// Every window's exit button Pic_BotSalir, with its picture and tip; the
// window connects it.
BotonImagen* BotonDeSalida(QWidget* padre = nullptr);

// The user's preferences, kept in the user's settings rather than in the
// configuration files: the image quality (CalidadImagen) and whether a
// city's local time follows the time-zone database (HoraLocalAutomatica). Read once
// before the first chart; written when the user changes one.
void LeePreferencias();
void GuardaPreferencias();

// The splash screen, modal; returns when it has ended (two passes or a key).
void MuestraCareta();

// Opens the help window on its contents page (one window, brought to the
// front when it is already open) and returns it; when the help file cannot
// be read it says so with the program's message and returns nullptr.
QWidget* AbreAyuda(QWidget* padre);

}  // namespace vsp::ui
