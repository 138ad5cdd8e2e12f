// The location dialog's world map Pic_Mapa: one pixel per degree from 180° W
// to 180° E and from 85° N to 61° S, Greenwich at x = 183 and the equator at
// y = 87, with the observer's place marked by a red cross.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace vsp::ui {

class MapaMundo : public QWidget {
    Q_OBJECT
public:
    explicit MapaMundo(QWidget* padre = nullptr);

    // MarcaMapa: the cross follows Longitud and Latitud.
    void MarcaMapa() { update(); }

    // Where the cross stands, in the widget's pixels: the column of the
    // longitude and the row of the latitude (off the map near the poles).
    static QPoint Cruz();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPixmap mapa_;
};

}  // namespace vsp::ui
