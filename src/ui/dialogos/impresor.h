// The print dialog Impresor, "Impresión": the chart's width and height in
// millimetres (the height following the width at 4:3, both held to the
// printer's page), whether the data strip goes under the chart, the preview,
// and printing on the system's default printer, or into a PDF file when
// there is none or it fails. Built anew at each opening.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <QSize>

#include <functional>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace vsp::ui {

class CamposTecleo;

class Impresor : public QDialog {
    Q_OBJECT
public:
    // `pantalla` is the size of the main window's chart, which the printed
    // chart reproduces.
    explicit Impresor(QSize pantalla, QWidget* padre = nullptr);

    // The printer the dialog prints on. A printer turned to PDF with a file
    // name set counts as a printer; without one, there is none.
    QPrinter& impresora() { return impresora_; }

    // Asks where to save the PDF; empty when the user gives up. By default a
    // save dialog in the working folder proposing "carta.pdf".
    std::function<QString()> pideArchivoPdf;

    // Pic_BotImprimir_Click: the page on the printer, or the offer of a PDF
    // file when there is no printer or it fails; the chart redrawn after.
    void imprime();
    // The page as it will print, in a window of its own.
    void previsualiza();

    // Escape and the window's frame close the dialog as its exit button does.
    void reject() override;

private:
    bool hayImpresora() const;
    // The PDF offered after `motivo`, and written when accepted.
    void ofrecePdf(const std::string& motivo);
    // What a typed box holds read, the sizes made those that print, shown.
    void fijaMedidas();
    void muestraMedidas();

    QSize pantalla_;
    QPrinter impresora_{QPrinter::HighResolution};
    QLineEdit *ancho_, *alto_;
    QCheckBox* datos_;
    QWidget* tira_;
    CamposTecleo* campos_;
};

}  // namespace vsp::ui
