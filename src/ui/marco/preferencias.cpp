// The user's preferences, in the user's settings file (an INI file in the
// XDG configuration folder), apart from the situations the user saves.
#include <QSettings>
#include <QString>

#include "core/constantes.h"
#include "core/estado.h"
#include "ui/marco/marco.h"

namespace vsp::ui {

namespace {

const QString kCalidad = QStringLiteral("imagen/calidad");
const QString kHoraAutomatica = QStringLiteral("hora/automatica");

QSettings ajustes() { return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("VESPERA"), QStringLiteral("vespera")); }

}  // namespace

void LeePreferencias() {
    const QString calidad = ajustes().value(kCalidad, QStringLiteral("suavizada")).toString();
    Estado().CalidadImagen = calidad == QStringLiteral("sencilla") ? Desactivado : Activado;
    Estado().HoraLocalAutomatica = ajustes().value(kHoraAutomatica, true).toBool() ? Verdadero : Falso;
}

void GuardaPreferencias() {
    ajustes().setValue(kCalidad, Estado().CalidadImagen == Desactivado ? QStringLiteral("sencilla")
                                                                       : QStringLiteral("suavizada"));
    ajustes().setValue(kHoraAutomatica, Estado().HoraLocalAutomatica != Falso);
}

}  // namespace vsp::ui
