// Real-time running: the main window's one-second timer that, once the
// animation dialog closes with its real-time box ticked, moves the chart one
// minute every sixty ticks and blinks "Animando tiempo real" on the panel;
// and the computer's present time, the one place the program reads a clock.
#pragma once

#include <QDateTime>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace vsp::ui {

// The computer's present date and time. Tests replace it to fix "now".
std::function<QDateTime()>& RelojSistema();

// The present instant as a Julian day of universal time, whatever zone the
// computer's clock runs in: the place shown may be far from the computer.
double DiaJulianoSistema();

class RelojTiempoReal : public QObject {
    Q_OBJECT
public:
    // `texto` is the panel's Tex_TiempoReal label. The timer starts stopped.
    explicit RelojTiempoReal(QLabel* texto, QObject* padre = nullptr);
    ~RelojTiempoReal() override;
    RelojTiempoReal(const RelojTiempoReal&) = delete;
    RelojTiempoReal& operator=(const RelojTiempoReal&) = delete;

    // One tick of Tim_TiempoReal (the timer calls it every 1000 ms).
    void tic();
    // Starts the ticks with the panel text emptied; stops them with the
    // panel showing "Animación tiempo real".
    void arranca();
    void para();
    bool enMarcha() const { return reloj_.isActive(); }

private:
    QPointer<QLabel> texto_;
    QTimer reloj_;
};

// The closing of the animation dialog: with TiempoRealActivo = 1 the panel
// text is emptied, the timer started, the time set to the present and the
// chart redrawn; otherwise the timer stops and the panel shows "Animación
// tiempo real".
void AplicaTiempoReal();

}  // namespace vsp::ui
