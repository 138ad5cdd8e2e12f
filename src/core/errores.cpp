// Mapping the system's errors onto the program's error numbers.
#include "core/errores.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace vsp {

int16_t NumeroErrorSistema(int err, const std::string& ruta) {
    switch (err) {
        case ENOENT: {
            std::error_code ec;
            const auto carpeta = std::filesystem::path(ruta).parent_path();
            return carpeta.empty() || std::filesystem::is_directory(carpeta, ec) ? ErrNoExiste
                                                                                 : ErrSendaNoExiste;
        }
        case ENOTDIR: return ErrSendaNoExiste;
        case EACCES:
        case EPERM:
        case EROFS: return ErrPermiso;
        case ENAMETOOLONG:
        case EILSEQ: return ErrNombreErroneo;
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return ErrDiscoLleno;
        case EIO: return ErrEntradaSalida;
        case ENOMEM: return ErrSinMemoria;
        case ENXIO:
        case ENODEV:
        case ENOMEDIUM: return ErrUnidad;
        default: return ErrAccesoSenda;
    }
}

std::string UnidadDe(const std::string& ruta) {
    return std::filesystem::path(ruta).parent_path().string();
}

}  // namespace vsp
