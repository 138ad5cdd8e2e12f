// The world map and its cross.
#include "ui/mandos/mapa.h"

#include <QPainter>

#include <cmath>

#include "core/constantes.h"
#include "core/estado.h"
#include "ui/mandos/hoja_imagenes.h"
#include "ui/marco/arte_marco.h"

// The pictures are compiled into this static library: their registration
// has to be asked for, or the linker leaves it out.
static void registraMapa() { Q_INIT_RESOURCE(mapa); }

namespace vsp::ui {

namespace {

// The map picture's place in the widget: the cross's
// lines run from (2, y) to (363, y) and from (x, 2) to (x, 148).
constexpr QPoint Origen(3, 2);
constexpr QRect Dibujo(3, 2, 360, 146);

}  // namespace

MapaMundo::MapaMundo(QWidget* padre) : QWidget(padre) {
    registraMapa();
    setFixedSize(TamanoMapa);
    setAccessibleName(QStringLiteral("Mapa del mundo"));
}

QPoint MapaMundo::Cruz() {
    const ProgramState& e = Estado();
    double x = 183 - e.Longitud * GradosPorRadian;  // stored westward
    if (e.Longitud >= Pi) x += 360;
    const double y = 87 - e.Latitud * GradosPorRadian;
    // The pixel whose degree holds the place.
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

void MapaMundo::paintEvent(QPaintEvent*) {
    // The sharper picture on screens of more than one pixel per point.
    const bool doble = devicePixelRatioF() > 1;
    if (mapa_.isNull() || (mapa_.devicePixelRatio() > 1) != doble) {
        mapa_ = QPixmap(doble ? QStringLiteral(":/mapa/mundo@2x.png") : QStringLiteral(":/mapa/mundo.png"));
        mapa_.setDevicePixelRatio(doble ? 2 : 1);
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), arte::Dibujo("mapa-fondo", TamanoMapa, devicePixelRatioF()));
    p.drawPixmap(Origen, mapa_);

    const QPoint c = Cruz();
    p.setClipRect(Dibujo);
    p.setPen(QPen(QColor(255, 0, 0), 1));
    p.drawLine(QPointF(c.x() + 0.5, 2), QPointF(c.x() + 0.5, 148));
    p.drawLine(QPointF(2, c.y() + 0.5), QPointF(363, c.y() + 0.5));
}

}  // namespace vsp::ui
