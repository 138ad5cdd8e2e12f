// Real-time running: the main window's one-second timer that, while the
// animation dialog's real-time box is ticked, moves the chart one minute
// every sixty ticks and blinks "Animando tiempo real" on the panel.
#pragma once

#include <QObject>
#include <QTimer>

class QLabel;

namespace vsp::ui {

class RelojTiempoReal : public QObject {
    Q_OBJECT
public:
    // `texto` is the panel's Tex_TiempoReal label.
    explicit RelojTiempoReal(QLabel* texto, QObject* padre = nullptr);

    // One tick of Tim_TiempoReal (the timer calls it every 1000 ms).
    void tic();

private:
    QLabel* texto_;
    QTimer reloj_;
};

}  // namespace vsp::ui
