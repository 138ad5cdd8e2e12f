// The search dialog Buscar: a general index of twelve categories, each
// category's listing in a fixed-pitch font with its header and legend, the
// search button that centres the chart on the chosen entry, a box that
// finds entries as the user types, and the chosen entry's next rise,
// culmination and set. Built once and only hidden; each closing
// goes back to the index with nothing selected.
#pragma once

#include <QDialog>

#include <array>
#include <optional>

#include "programa/busqueda.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace vsp::ui {

class BotonImagen;

class Buscar : public QDialog {
    Q_OBJECT
public:
    explicit Buscar(QWidget* padre = nullptr);

    // The category shown (-1: the index).
    int categoria() const { return categoria_; }
    // Lst_Indice_Click: shows category k's listing.
    void muestraCategoria(int k);

    // Escape and the window's frame close the dialog as its exit button does.
    void reject() override;

protected:
    void showEvent(QShowEvent*) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void llenaListados();
    // The typed text: the visible listing filtered, or on the index every
    // category's matches listed.
    void filtra();
    // The entry chosen: in the listing shown, or among the matches.
    std::optional<Hallazgo> elegido() const;
    // Pic_BotBuscar_Click.
    void centra();
    // The search button's pointer and the rise and set shown, after every
    // change of the entry chosen.
    void actualizaBoton();

    int categoria_ = -1;
    QLabel *titulo_, *cabecera_, *leyenda_;
    QLabel* ortos_;  // the chosen entry's rise, culmination and set
    QListWidget* indice_;
    std::array<QListWidget*, NumCategorias> listados_{};
    QListWidget* explicacion_;  // Lst_TexPlane
    QListWidget* hallados_;     // the matches of every category
    QLineEdit* texto_;
    BotonImagen* buscar_;
};

}  // namespace vsp::ui
