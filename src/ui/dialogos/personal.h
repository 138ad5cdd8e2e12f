// The personalisation dialog Personal: nine selectors (panels, clock, image
// sense, precession, telescope, sound), the speed slider and the telescope
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

    // Escape and the window's frame close the dialog as its exit button does.
    void reject() override;

private:
    void sal();  // Pic_BotSalir_Click

    QGroupBox* telescopio_;  // Fra_Teles, enabled with the telescope option
    QLineEdit* campo_;       // Tex_Teles
};

}  // namespace vsp::ui
