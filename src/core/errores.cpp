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

std::string MotivoError(int16_t numero) {
    switch (numero) {
        case ErrDesbordamiento: return "un número es demasiado grande para su campo";
        case ErrSinMemoria: return "no hay memoria suficiente";
        case ErrNoEsNumero: return "tiene datos dañados";
        case ErrNombreFichero:
        case ErrNombreErroneo: return "el nombre del archivo no es válido";
        case ErrNoExiste: return "no existe";
        case ErrEntradaSalida: return "error de entrada/salida del dispositivo";
        case ErrLongitudRegistro: return "tiene más bytes que sus registros";
        case ErrDiscoLleno: return "el disco está lleno";
        case ErrFinDeFichero: return "el archivo está incompleto";
        case ErrUnidad: return "el dispositivo no está preparado";
        case ErrPermiso: return "no hay permiso de acceso";
        case ErrSendaNoExiste: return "la carpeta no existe";
        default: return "no es un archivo normal o no se puede abrir";
    }
}

std::string UnidadDe(const std::string& ruta) {
    return std::filesystem::path(ruta).parent_path().string();
}

}  // namespace vsp
