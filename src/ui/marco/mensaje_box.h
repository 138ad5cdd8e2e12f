// The program's own message box (form Mensajes): a title line, the message
// and either one close button (information) or Aceptar and Cancelar (a
// question). A fresh modal box is built for every message.
#pragma once

#include <QDialog>

namespace vsp::ui {

class Mensajes : public QDialog {
    Q_OBJECT
public:
    // tipo 1 informs; any other tipo asks. `lineas` is the height of the
    // text in lines, which sets the height of the box.
    Mensajes(const QString& titulo, const QString& texto, int lineas, int tipo,
             QWidget* padre = nullptr);

    // True when the question was accepted; false until then.
    bool respuesta() const { return respuesta_; }

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void responde(bool acepta);

    bool pregunta_;
    bool respuesta_ = false;
};

// Shows a fresh box modally over `padre` (closing any box still open), with
// the normal pointer while it is up, and returns the answer.
bool MuestraMensaje(QWidget* padre, const QString& titulo, const QString& texto, int lineas,
                    int tipo);

}  // namespace vsp::ui
