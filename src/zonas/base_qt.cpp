// QTimeZone over the system's tzdata, turned into the state's zone and
// summer-time box.
#include "zonas/base_qt.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <map>
#include <mutex>

namespace vsp {

namespace {

class BaseZonasQt final : public BaseZonas {
public:
    bool Regla(const std::string& nombre, int64_t segundos, ReglaHoraria& regla) const override {
        const Zona* z = zona(nombre);
        if (z == nullptr) return false;
        // Before its first change a zone keeps the local mean time of its
        // city, which is no zone a user would set: those centuries, and the
        // millennia before, get the zone's standard time without summer.
        if (segundos < z->desde) {
            regla = {static_cast<float>(z->estandar / 3600.0), 0};
            return true;
        }
        const QTimeZone::OffsetData d = z->tz.offsetData(QDateTime::fromSecsSinceEpoch(segundos, Qt::UTC));
        regla = deDesfases(d.offsetFromUtc, d.daylightTimeOffset);
        return true;
    }

private:
    struct Zona {
        QTimeZone tz;
        int64_t desde;  // the first change away from local mean time, s
        int estandar;   // standard offset of today's winter, s
    };

    // The state's zone counts summer time only as an hour added: a negative
    // summer time (Ireland's winter, Morocco's Ramadan in the database) is
    // that zone's standard time, and a summer time of half an hour or two
    // hours puts its remainder in the zone, so local time is always right.
    static ReglaHoraria deDesfases(int desfase, int verano) {
        const int16_t hora = verano > 0 ? 1 : 0;
        return {static_cast<float>(desfase / 3600.0 - hora), hora};
    }

    const Zona* zona(const std::string& nombre) const {
        const std::lock_guard<std::mutex> cierre(cierre_);
        auto it = zonas_.find(nombre);
        if (it == zonas_.end()) {
            QTimeZone tz(QByteArray::fromStdString(nombre));
            std::optional<Zona> z;
            if (tz.isValid()) {
                const QDateTime origen(QDate(-4713, 1, 1), QTime(0, 0), Qt::UTC);
                const QTimeZone::OffsetData primera = tz.nextTransition(origen);
                const int64_t desde = primera.atUtc.isValid() ? primera.atUtc.toSecsSinceEpoch() : INT64_MIN;
                // Both halves of a recent year, so that either hemisphere's
                // winter is found; the smaller offset is the standard one.
                const int enero = tz.offsetFromUtc(QDateTime(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC));
                const int julio = tz.offsetFromUtc(QDateTime(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC));
                z = Zona{tz, desde, std::min(enero, julio)};
            }
            it = zonas_.emplace(nombre, z).first;
        }
        return it->second ? &*it->second : nullptr;
    }

    mutable std::mutex cierre_;
    mutable std::map<std::string, std::optional<Zona>> zonas_;
};

}  // namespace

void InstalaBaseZonasDelSistema() {
    static const BaseZonasQt base;
    InstalaBaseZonas(&base);
}

}  // namespace vsp
