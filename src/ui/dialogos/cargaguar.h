// The load/save dialog CargaGuar: the working folder's configuration files,
// the file name and description, and either the summary of the selected
// file (load) or the "Incluir animación" box (save). Built anew at each
// opening; ModoCargaGuar chooses the mode.
#pragma once

#include <QDialog>

#include "config/configuracion.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace vsp::ui {

class BotonImagen;
class PanelDatos;

class CargaGuar : public QDialog {
    Q_OBJECT
public:
    explicit CargaGuar(QWidget* padre = nullptr);

    // Whether a configuration was loaded before the dialog closed.
    bool cargada() const { return cargada_; }

    // Escape and the window's frame close the dialog as its exit button does.
    void reject() override;

protected:
    // Enter in the name box: load, or on to the description; Enter in the
    // description: save.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    bool modoCarga() const;
    // Fil_Ficheros_Click: the name into the name box, the summary.
    void eligeFichero();
    // Tex_Fichero_Change: NombreConfig and the accept button.
    void cambiaNombre();
    void activaAceptar(bool activo);
    // MuestraDatos: the selected file's summary, or in save mode its old
    // description.
    void MuestraDatos();
    // Pic_BotAceptar_Click.
    void acepta();

    QListWidget* ficheros_;
    QLineEdit *nombre_, *descripcion_;
    QCheckBox* animacion_;
    PanelDatos* datos_;
    BotonImagen* aceptar_;
    bool cargada_ = false;
};

}  // namespace vsp::ui
