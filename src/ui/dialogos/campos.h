// What the dialogs' typed boxes share: entering a box selects its first
// characters, leaving it reads what was typed into the state (values are
// read on leaving, not at each key), and Enter moves on along the dialog's
// order of boxes, which ends on its exit button.
#pragma once

#include <QHash>
#include <QObject>

#include <functional>
#include <string>
#include <string_view>

#include "core/estado.h"

class QDialog;
class QLineEdit;
class QWidget;

namespace vsp::ui {

// The reading of a box whose text the engine reads into the state: `lee`
// takes the typed text, the box then shows the state's text `texto`, and
// `despues` (dials, when given) and the main window's panel follow.
std::function<void()> LeeEnEstado(QLineEdit* caja, void (*lee)(std::string_view),
                                  std::string ProgramState::*texto, void (*despues)() = nullptr);

// The exit of a dialog whose changes the chart shows only when it closes:
// the hourglass, sound 5, the chart redrawn when something changed
// (CambiosPendientes), the dialog closed.
void CierraYRedibuja(QDialog* dialogo);

class CamposTecleo : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // `caja` selects its first `seleccion` characters when it gets the focus
    // from the keyboard (0: none, the cursor at the start, for the boxes that
    // are typed over), is read by `lee` when left after the user typed in it
    // (`lee` may be empty), and Enter in it moves the focus to `siguiente`.
    void agrega(QLineEdit* caja, int seleccion, std::function<void()> lee, QWidget* siguiente);

    // Reads the box that has the focus, if it is one of these: the dialog's
    // exit sees what was typed even when no box was left.
    void leeActivo();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void lee(QLineEdit* caja) const;

    struct Campo {
        int seleccion;
        std::function<void()> lee;
        QWidget* siguiente;
    };
    QHash<QLineEdit*, Campo> campos_;
};

}  // namespace vsp::ui
