// The personalisation dialog Personal: ten selectors (panels, clock, image
// sense, precession, telescope, sound, image quality), the speed slider and the telescope
// field. Each change applies at once; closing redraws the chart when the
// precession changed. Built anew at each opening.
#pragma once

#include <QDialog>

class QGroupBox;
class QLineEdit;

namespace vsp::ui {

class Personal : public QDialog {
    Q_OBJECT
public:
    explicit Personal(QWidget* padre = nullptr);

    // Pic_BotSalir_Click; Escape and the window's frame close the dialog so too.
    void reject() override;

private:

    QGroupBox* telescopio_;  // Fra_Teles, enabled with the telescope option
    QLineEdit* campo_;       // Tex_Teles
};

}  // namespace vsp::ui
