// What the dialog tests share beyond the common start: the headers most of
// them use, the program's state at hand, a box by its name, and a row of a
// list clicked as the user does.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "../dialogo.h"
#include "core/constantes.h"
#include "time/calendario.h"
#include "time/tiempo.h"

namespace vsp::ui {

// The state in use now; a fresh engine replaces it, so none is kept.
struct EstadoActual {
    ProgramState* operator->() const { return &Estado(); }
    ProgramState& operator*() const { return Estado(); }
};

template <class D>
class PruebaDe : public PruebaDialogo<D> {
protected:
    QLineEdit* caja(const QString& nombre) const {
        return this->template control<QLineEdit>(nombre.toLatin1());
    }
    std::string texto(const QString& nombre) const { return caja(nombre)->text().toStdString(); }

    EstadoActual e;
};

// A click on a row, brought into view first; `doble` adds its second click.
inline void ClicFila(QAbstractItemView* lista, int fila, bool doble = false) {
    const QModelIndex i = lista->model()->index(fila, 0);
    lista->scrollTo(i);
    const QPoint p = lista->visualRect(i).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
    if (doble) QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
}

}  // namespace vsp::ui
