// The objects dialog Objetos: what the chart shows. Its boxes are the
// state's Casillas (the redraw reads them, the configuration saves them);
// the star and constellation levels, the labels and the deep-sky classes are
// state variables too. Created with the main window and only hidden; closing
// redraws the chart when something changed.
#pragma once

#include <QDialog>

#include <QStringList>

#include <array>
#include <vector>

#include "core/estado.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

namespace vsp::ui {

class Objetos : public QDialog {
    Q_OBJECT
public:
    explicit Objetos(QWidget* padre = nullptr);

    // Every control from the state.
    void muestra();
    // Enables the label options of the stars and constellations shown, and
    // the options of the Messier objects, galaxies and nebulae ticked.
    void CompruebaNiveles();

    // Pic_BotSalir_Click; Escape and the window's frame close the dialog so too.
    void reject() override;

protected:
    void showEvent(QShowEvent*) override;

private:
    QCheckBox* casilla(int i, const char* rotulo, bool activa = true);
    // A row of options, the first numbered `primero`, whose option k sets the
    // state variable to k; returns the row.
    QWidget* grupo(int16_t ProgramState::*campo, const char* nombre, const QStringList& rotulos, int primero);
    void cursores();

    std::array<QCheckBox*, NumCasillasObjeto> casillas_{};  // none for the Earth
    QLineEdit *nivelEstrellas_, *nivelConstel_;
    // The option groups CompruebaNiveles enables, and the fields they hold.
    QWidget *idEstrellas_, *idConstel_, *idMessier_, *nivGalax_, *nivNebPl_, *nivNebDi_;
    struct Grupo {
        QButtonGroup* botones;
        int16_t ProgramState::*campo;
    };
    std::vector<Grupo> grupos_;
};

}  // namespace vsp::ui
