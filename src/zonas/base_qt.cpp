// QTimeZone over the system's tzdata, turned into the state's zone and
// summer-time box.
#include "zonas/base_qt.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace vsp {

namespace {

// The summer-time flag of each recorded change of a zone, read from the
// zone's own file in the system's database (TZif). Qt 6.4 drops the flag
// where a change keeps the offset and moves the standard time under it
// (Argentina from October 1999 to March 2000: summer time at -3, standard
// -4), which the file keeps. Past the last recorded change the zone's rule
// takes over, which Qt reads right.
class CambiosDeZona {
public:
    static CambiosDeZona Lee(const std::string& nombre) {
        CambiosDeZona c;
        const char* carpeta = std::getenv("TZDIR");
        std::ifstream f(std::string(carpeta && *carpeta ? carpeta : "/usr/share/zoneinfo") + "/" + nombre,
                        std::ios::binary);
        const std::string b((std::istreambuf_iterator<char>(f)), {});
        c.lee(b);
        return c;
    }
    // The flag in force at `segundos` since 1970, or nothing outside the
    // recorded changes.
    std::optional<bool> veranoEn(int64_t segundos) const {
        if (instantes_.empty() || segundos < instantes_.front() || segundos >= instantes_.back()) return std::nullopt;
        const auto i = std::upper_bound(instantes_.begin(), instantes_.end(), segundos) - instantes_.begin() - 1;
        return veranos_[static_cast<std::size_t>(i)];
    }

private:
    static uint64_t entero(const std::string& b, std::size_t i, int bytes) {
        uint64_t v = 0;
        for (int k = 0; k < bytes; ++k) v = v << 8 | static_cast<uint8_t>(b[i + static_cast<std::size_t>(k)]);
        return v;
    }
    // The 64-bit block that follows the 32-bit one in a file of version 2
    // or later; a file it does not understand leaves no changes.
    void lee(const std::string& b) {
        std::size_t i = 0;
        for (int bloque = 0; bloque < 2; ++bloque) {
            if (b.size() < i + 44 || b.compare(i, 4, "TZif") != 0 || (bloque == 0 && b[i + 4] < '2')) return;
            const uint64_t utc = entero(b, i + 20, 4), estandar = entero(b, i + 24, 4), saltos = entero(b, i + 28, 4),
                           n = entero(b, i + 32, 4), tipos = entero(b, i + 36, 4), letras = entero(b, i + 40, 4);
            const std::size_t t = bloque == 0 ? 4 : 8;
            const uint64_t tamano = n * t + n + tipos * 6 + letras + saltos * (t + 4) + estandar + utc;
            if (n > 10000 || tipos == 0 || tipos > 256 || letras > 10000 || saltos > 10000 || estandar > 256 ||
                utc > 256 || b.size() < i + 44 + tamano)
                return;
            i += 44;
            if (bloque == 0) {
                i += tamano;
                continue;
            }
            for (uint64_t k = 0; k < n; ++k) {
                const uint8_t tipo = static_cast<uint8_t>(b[i + n * 8 + k]);
                if (tipo >= tipos) return;
                instantes_.push_back(static_cast<int64_t>(entero(b, i + k * 8, 8)));
                veranos_.push_back(b[i + n * 9 + tipo * 6 + 4] != 0);
            }
        }
    }
    std::vector<int64_t> instantes_;
    std::vector<bool> veranos_;
};

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
        const QDateTime t = QDateTime::fromSecsSinceEpoch(segundos, Qt::UTC);
        const QTimeZone::OffsetData d = z->tz.offsetData(t);
        const std::optional<bool> registrado = z->cambios.veranoEn(segundos);
        regla = deDesfases(d.offsetFromUtc, d.daylightTimeOffset, registrado ? *registrado : z->tz.isDaylightTime(t));
        return true;
    }

private:
    struct Zona {
        QTimeZone tz;
        CambiosDeZona cambios;
        int64_t desde;  // the first change away from local mean time, s
        int estandar;   // standard offset of today's winter, s
    };

    // The state's zone counts summer time only as an hour added. The
    // database's own flag says when summer time is in force, even where Qt
    // finds no standard offset to set it against (Argentina's summer of
    // 1999, kept while the standard time moved); a negative summer time
    // (Ireland's winter, Morocco's Ramadan) is that zone's standard time; a
    // summer time of half an hour or two hours puts its remainder in the
    // zone, so that local time is always right.
    static ReglaHoraria deDesfases(int desfase, int verano, bool esVerano) {
        const int16_t hora = esVerano && verano >= 0 ? 1 : 0;
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
                z = Zona{tz, CambiosDeZona::Lee(nombre), desde, std::min(enero, julio)};
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
